#!/usr/bin/env bash
# A challenge of level 1 played with the real keys only: the Challenges window opened with Ctrl+G,
# level 1 started from it, solved on the moves panel as the run without a window solves it, and
# its praise and stars read through the accessibility bus; then the program started again on the
# same home shows the record kept, and the next start of level 1 brings the next challenge.
set -Eeuo pipefail
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
# A command that fails ends the test: say which.
trap 'echo "FAIL: \"$BASH_COMMAND\" failed at line $LINENO of challenge.sh" >&2' ERR
program=$1
level=1

# --- What the run without a window makes of the level's first two challenges ---

start_equation=$(e2e_challenge "$program" $level 1 equation)
solution=$(e2e_challenge "$program" $level 1 solution)
fewest=$(e2e_challenge "$program" $level 1 fewestMoves)
answer=$(e2e_challenge "$program" $level 1 answer)
second_equation=$(e2e_challenge "$program" $level 2 equation)
# The second start is to be seen to bring another challenge.
[ "$second_equation" != "$start_equation" ] ||
  e2e_fail "seeds 1 and 2 of level $level both make $start_equation"
IFS=';' read -r -a moves <<<"$solution"
[ "${#moves[@]}" -eq "$fewest" ] || e2e_fail "the solution \"$solution\" is not of $fewest moves"
# Solved in the fewest moves: two stars, and the praise says why.
praise="Well done! X = $answer. Two stars: solved in the fewest moves."
record_after="Stars: 2, solved: 1."

e2e_start_x
e2e_start_a11y_bus
start_program() {
  e2e_start_app env -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program"
  # With no window manager, nothing gives the new window the keyboard: do what one would.
  xdotool windowfocus --sync "$e2e_window"
  e2e_await_window_drawn
}

# --- Reading the window through the bus; the keys on whichever window has the keyboard ---

trail() { e2e_a11y --items list "Trail of equations"; }
window_title() { e2e_title "$e2e_window"; }

# A screen reader listening from now on to what the program tells it, "notification<TAB>text" a
# sentence, in the file $e2e_work/told.
listen_from_now() {
  /usr/bin/python3 "$here/atspi_tree.py" --pid "$e2e_app_pid" --listen 100 >"$e2e_work/told" &
  e2e_helper_pids+=("$!")
  e2e_await "a listener on the bus" 'grep -Fx listening "$e2e_work/told"' 20
}
told() { grep -Fx -- "notification	$1" "$e2e_work/told" >/dev/null; }

# Ctrl+G opens the Challenges window with the focus on the first level's Start, which tells
# the level and its record.
open_challenges() {
  e2e_keys_focused ctrl+g
  e2e_focus_reaches "push button" "Start level $level"
}
# The first level's Start, as the focus finds it: "Level 1: X + b = c. Stars: 0, solved: 0."
start_described() { e2e_focused 3; }

# ===== The first start: a challenge solved =====

start_program
open_challenges
[ "$(start_described)" = "Level 1: X + b = c. Stars: 0, solved: 0." ] ||
  e2e_fail "a new home's level 1 Start is described as \"$(start_described)\""
# Enter on Start: the challenge goes on the pans, and the focus into the moves panel.
e2e_keys_focused Return
e2e_await "the challenge's name in the caption" \
  '[ "$(window_title)" = "Tarvelo - Challenge: level $level, number 1" ]' 20
e2e_await "the equation line to read the challenge's $start_equation" \
  'e2e_a11y_named label "$start_equation"' 20
e2e_a11y_named label "Challenge: level $level" || e2e_fail "the panel does not name the challenge"
e2e_a11y_named label "Find X. Fewest moves: $fewest." || e2e_fail "the panel does not set the goal"
e2e_focus_reaches "${e2e_panel_roles[$e2e_panel_kinds]}" "${e2e_panel_names[$e2e_panel_kinds]}"
e2e_await "the challenge's first trail line" 'e2e_trail_rested_at 1' 30

listen_from_now
done_moves=0
for move in "${moves[@]}"; do
  e2e_panel_move "$move"
  done_moves=$((done_moves + 1))
  e2e_await "\"$move\" to come to rest on the trail" 'e2e_trail_rested_at $((done_moves + 1))' 30
done
# The trail ends with the answer; the praise, which counts the stars in words (the stars drawn
# beside it are for the eyes), takes the place of a plain "Solved", and the focus goes to the
# next challenge.
e2e_await "the praise with its stars" 'e2e_a11y_named label "$praise"' 30
e2e_await "the screen reader to be told the praise" 'told "$praise"' 20
e2e_focus_reaches "push button" "Next challenge"
[ "$(trail | tail -n 1)" = "Solved: X = $answer." ] || e2e_fail "the trail ends with $(trail | tail -n 1)"

# The Challenges window, opened again, already counts it.
open_challenges
[ "$(start_described)" = "Level 1: X + b = c. $record_after" ] ||
  e2e_fail "after the win, level 1's Start is described as \"$(start_described)\""
e2e_keys_focused Escape
e2e_focus_reaches "push button" "Next challenge"

# ===== The second start, on the same home: the record kept =====

e2e_end "$e2e_app_pid"
e2e_app_pid=
start_program
open_challenges
[ "$(start_described)" = "Level 1: X + b = c. $record_after" ] ||
  e2e_fail "after a new start, level 1's Start is described as \"$(start_described)\""
e2e_a11y_named label "$record_after" ||
  e2e_fail "the Challenges window shows no \"$record_after\""
# The level's next start is its next challenge, not the one solved.
e2e_keys_focused Return
e2e_await "the next challenge's name in the caption" \
  '[ "$(window_title)" = "Tarvelo - Challenge: level $level, number 2" ]' 20
e2e_await "the equation line to read the next challenge's $second_equation" \
  'e2e_a11y_named label "$second_equation"' 20

kill -0 "$e2e_app_pid" 2>/dev/null || e2e_fail "the program ended"
echo "end-to-end challenge: level $level ($start_equation) solved with keys in $fewest moves," \
  "praised with two stars, the record kept over a new start, the next challenge $second_equation"
