#!/usr/bin/env bash
# What a blind pupil hears of the lessons: Orca on the test's own session and accessibility bus,
# the Lessons window opened with Ctrl+Shift+L, a lesson chosen with the arrows and opened with
# Enter, its title and instruction heard, solved in the moves panel with keys only, the praise
# heard; then the trail's line, the panel's switches, the Lessons window again with the star,
# and the fields of "Save this scene as a lesson".
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1
# The eleventh of the program's lessons: X + 2 = 5, solved by exchanging the 5 for 2 + 3 and
# taking the 2 from both pans.
exchange_row=10
exchange_title="Exchange a cube"
exchange_moves=("split right 5 2 3" "take 2")
exchange_answer=3

command -v orca >/dev/null || { echo "SKIP: Orca is not installed"; exit 77; }

e2e_start_with_orca "$program"

# The keys go to whichever window has the keyboard; each waits for Orca to have said what the
# last one brought.
press() { e2e_orca_press "$1"; }
expect() { e2e_expect_heard_since_key "$@"; }
# Tab, one press at a time, until Orca says $1; at most $2 presses.
tab_until() {
  local presses
  for ((presses = 0; presses < $2; presses++)); do
    press Tab
    e2e_await_orca_quiet
    e2e_heard_since_key "$1" && return 0
  done
  e2e_spoken >&2
  e2e_fail "$2 presses of Tab did not bring \"$1\""
}
# Down $1 times in a list.
down() {
  local i
  for ((i = 0; i < $1; i++)); do
    press Down
  done
}

# The list is heard by its name, with the first lesson and its instruction.
press ctrl+shift+l
expect "Lessons of the program" "Ctrl+Shift+L: the list's name"
expect "1. One cube against one cube" "Ctrl+Shift+L: the first lesson"
expect "Both pans hold a 4, so they balance." "Ctrl+Shift+L: the first lesson's instruction"
down $exchange_row
expect "11. $exchange_title" "Down to the lesson"

# Enter opens it; the focus goes into the moves panel, then the lesson's title and instruction
# are said once the window is active again.
press Return
expect "Same on both pans" "Enter on the lesson: the moves panel's first group"
expect "Lesson: $exchange_title. The right pan has no 2." "Enter on the lesson: the lesson said"
e2e_focus_reaches "${e2e_panel_roles[$e2e_panel_kinds]}" "${e2e_panel_names[$e2e_panel_kinds]}"

# The moves, with keys only; the last one brings the answer, then the praise.
e2e_panel_key=press
for move in "${exchange_moves[@]}"; do
  e2e_panel_move "$move"
  expect "Done:" "the move \"$move\""
done
expect "Solved: X = $exchange_answer." "the answer the balance shows"
expect "Well done! The lesson is done." "the lesson done"
expect "Next lesson" "the focus on the next lesson"

# The trail of equations, heard with a line of it, not only as a list of so many lines.
tab_until "Trail of equations" 20
expect "X + 2 = 5" "Tab to the trail: its line"

# The panel's switches, heard with their state and key; Space turns the sound off.
tab_until "Sound check box checked" 15
expect "Ctrl+Shift+M" "the key of Sound"
press space
expect "Sound off." "Space on Sound"
expect "not checked" "Space on Sound: its state"
press Tab
expect "Read each balance aloud check box not checked" "Tab to the balances read aloud"
press Tab
expect "Challenges" "Tab to Challenges"
press Tab
expect "Lessons" "Tab to Lessons"

# The Lessons window again: the first lesson not done has the focus, and the lesson done is heard
# with its star.
press Return
expect "1. One cube against one cube" "Lessons: the first lesson not done"
down $exchange_row
expect "11. $exchange_title, done: one star" "Down to the lesson done"

# The teacher's list, and the dialog that saves the scene as a lesson, field by field.
press Tab
expect "My lessons" "Tab to the teacher's list"
tab_until "Save this scene as a lesson" 5
press Return
expect "Title" "the dialog's first field"
press Tab
expect "Instruction for the child" "Tab to the instruction"
press Tab
expect "Goal the program checks" "Tab to the goal"
expect "Find X" "the goal the scene suggests"
press Escape
press Escape

echo "end-to-end Orca and the lessons: the list with its instruction, the lesson opened and" \
  "said, its moves, the praise, the panel's switches, the star and the fields of a lesson saved" \
  "were spoken"
