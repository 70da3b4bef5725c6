#!/usr/bin/env bash
# What a blind pupil hears of the challenges: Orca on the test's own session and accessibility
# bus, the Challenges window opened with Ctrl+G and walked with Tab, each Start heard with its
# level and record, level 1 started and solved in the moves panel with keys only, the praise
# heard, and the record heard again in the Challenges window.
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1
level=1

command -v orca >/dev/null || { echo "SKIP: Orca is not installed"; exit 77; }

# What the run without a window makes of the level's first challenge.
solution=$(e2e_challenge "$program" $level 1 solution) || e2e_fail "no challenge was made"
answer=$(e2e_challenge "$program" $level 1 answer) || e2e_fail "the solution solves nothing"
fewest=$(e2e_challenge "$program" $level 1 fewestMoves) || e2e_fail "no fewest moves"
IFS=';' read -r -a moves <<<"$solution"

e2e_start_with_orca "$program"

# The keys go to whichever window has the keyboard, the Challenges window once it opens; each
# waits for Orca to have said what the last one brought.
press() { e2e_orca_press "$1"; }
expect() { e2e_expect_heard_since_key "$@"; }

# Each Start is heard with what its level asks and what it holds.
press ctrl+g
expect "Start level 1" "Ctrl+G: the first Start"
expect "Level 1: X + b = c. Stars: 0, solved: 0." "Ctrl+G: level 1's words and record"
press Tab
expect "Start level 2" "Tab to the second Start"
expect "Level 2: aX = c. Stars: 0, solved: 0." "Tab: level 2's words and record"
press shift+Tab
expect "Start level 1" "Shift+Tab back to the first Start"

# Enter starts the challenge, and the focus goes into the moves panel; then the challenge's
# title and goal are said, once the window is active again (said amid the events of the panel
# opening, Orca would drop it as part of a flood).
press Return
expect "Same on both pans" "Enter on Start: the moves panel's first group"
expect "Challenge: level 1. Find X. Fewest moves: $fewest." "Enter on Start: the challenge said"
e2e_focus_reaches "${e2e_panel_roles[$e2e_panel_kinds]}" "${e2e_panel_names[$e2e_panel_kinds]}"

# The moves, with keys only; the last one brings the praise in place of a plain "Solved".
e2e_panel_key=press
for move in "${moves[@]}"; do
  e2e_panel_move "$move"
  expect "Done:" "the move \"$move\""
done
expect "Well done! X = $answer. Two stars: solved in the fewest moves." "the challenge solved"
expect "Next challenge" "the focus on the next challenge"

# The Challenges window again: the record heard with the first Start.
press ctrl+g
expect "Level 1: X + b = c. Stars: 2, solved: 1." "Ctrl+G after the win"
press Escape

echo "end-to-end Orca and the challenges: the Starts with their levels and records, the" \
  "challenge started, its moves, the praise and the record kept were spoken"
