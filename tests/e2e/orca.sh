#!/usr/bin/env bash
# What a blind pupil hears: the screen reader Debian ships (Orca) on the test's own session and
# accessibility bus, a lesson played with keys only, and the sentences Orca hands to speech (the
# "SPEECH OUTPUT" lines of its debug log; no sound card is needed): the pieces of the scene,
# picked up, put down and dropped, the settled balance, the balance said again, Show solution,
# F2 named in the information window, the equation read with Ctrl+E, and a lesson solved in the
# moves panel.
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1
lesson="$here/../../lessons/11 Find X - X plus 2 balances 5.trv"

command -v orca >/dev/null || { echo "SKIP: Orca is not installed"; exit 77; }

e2e_start_with_orca "$program" "$lesson"

expect_heard() {
  e2e_wait_for "e2e_heard \"$1\"" 10 || { e2e_spoken >&2; e2e_fail "Orca did not say \"$1\" ($2)"; }
}
times_heard() { e2e_spoken | grep -cF -- "$1"; }
# Each key waits for Orca to have spoken what the last one brought.
press() { e2e_orca_press "$1"; }
# The lesson holds X and a 2 on the left pan, a 5 on the right.
press Tab
expect_heard "scene" "Tab to the scene"
press Right
expect_heard "on the left pan" "a piece of the scene"
press Return
expect_heard "picked up" "Enter on a piece"
press Next
expect_heard "over the right pan" "Page Down"
press Return
expect_heard "put down" "Enter again"
expect_heard "right side heavier: 2 < X + 5" "the settled balance"
press ctrl+b
e2e_wait_for '[ "$(times_heard "right side heavier: 2 < X + 5")" -ge 2 ]' 10 ||
  { e2e_spoken >&2; e2e_fail "Ctrl+B did not say the balance again"; }
press ctrl+l
expect_heard "Solution shown: X is 3" "Show solution"
press shift+Tab
e2e_wait_for 'e2e_heard_since_key smiley' 10 ||
  { e2e_spoken >&2; e2e_fail "Orca did not say the smiley after Shift+Tab back to the palette"; }
press Return
expect_heard "smiley picked up, over the left pan" "Enter in the palette"
press Return
expect_heard "smiley dropped" "Enter again in the palette"
# A key's sentence and the balance's come within moments; Orca must say both.
press ctrl+z
expect_heard "Undone: dropped smiley" "Ctrl+Z"
press ctrl+plus
expect_heard "Zoom 110 %" "Ctrl+Plus"
# 125 % is the largest step a 1280 x 800 screen has room for, and 100 % the smallest it draws.
press ctrl+plus
expect_heard "Zoom 125 %, the largest for this screen." "Ctrl+Plus to the screen's largest"
press ctrl+0
expect_heard "Zoom 100 %" "Ctrl+0"
press ctrl+minus
expect_heard "Zoom 100 %, the smallest for this screen." "Ctrl+Minus at the screen's smallest"
press F1
expect_heard "F2: the value of X or Y" "the information window"
press Escape

# The lesson again, solved in the moves panel with keys only: 5 exchanged for 2 + 3, a 2 taken
# from both pans, and the answer heard.
# With no window manager, closing the information window gives the main one no keyboard focus.
e2e_await_orca_quiet
xdotool windowfocus --sync "$e2e_window"
press ctrl+r
e2e_expect_heard_since_key "both sides equal: X + 2 = 5" "the lesson started again, at rest"
# With a screen reader listening, the equation read aloud goes to it, in words.
press ctrl+e
e2e_expect_heard_since_key "X plus 2 equals 5" "Ctrl+E"
press ctrl+m
e2e_expect_heard_since_key "cube 0" "Ctrl+M into the moves panel"
# Past Take and Add, and the share row's Groups and Share, to the exchange's pan.
for _ in 1 2 3 4 5; do
  press Tab
done
e2e_expect_heard_since_key "left pan" "Tab to the exchange's pan"
press Down
e2e_expect_heard_since_key "right pan" "Down in the pan's list"
press Tab
press Return
e2e_expect_heard_since_key "Done: cube 5 split in two." "Enter in the split row"
# Back from N past the pan, the share row and the two buttons to the piece's list.
for _ in 1 2 3 4 5 6; do
  press shift+Tab
done
press Down
press Down
e2e_expect_heard_since_key "cube 2" "Down in the piece's list"
press Tab
press Return
e2e_expect_heard_since_key "Done: cube 2 taken from both pans." "Take from both pans"
expect_heard "Solved: X = 3." "the answer the balance shows"

echo "end-to-end Orca: the pieces, picked up, put down, dropped, the settled balance, Ctrl+B," \
  "Show solution, undo, zoom, the keys of the information window, Ctrl+E and a solving in the moves" \
  "panel were spoken"
