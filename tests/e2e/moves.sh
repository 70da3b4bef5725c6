#!/usr/bin/env bash
# Lesson 11 (X + 2 = 5) solved on the moves panel twice, with the real pointer and then with the
# real keys only: the right pan's 5 split into 2 + 3, a 2 taken from both pans. The places to
# click, the trail of equations, the equation line and what a screen reader is told are all read
# through the accessibility bus.
set -Eeuo pipefail
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
# A command that fails ends the test: say which.
trap 'echo "FAIL: \"$BASH_COMMAND\" failed at line $LINENO of moves.sh" >&2' ERR
program=$1
lesson="$here/../../lessons/11 Find X - X plus 2 balances 5.trv"

start_equation="X + 2 = 5"
solving=(
  "X + 2 = 5"
  "exchange 5 → 2 + 3: X + 2 = 5"
  "take 2 from both: X = 3"
  "Solved: X = 3."
)

e2e_start_x
e2e_start_a11y_bus
e2e_start_app env -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 \
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" "$lesson"
# With no window manager, nothing gives the new window the keyboard: do what one would.
xdotool windowfocus --sync "$e2e_window"

# --- Reading the window through the bus ---

# The screen box "x y w h" of the showing object of role $1 named $2 (or labelled $2).
# Fails while the bus has no box for it yet.
box() {
  local found
  found=$(e2e_a11y --box "$1" "$2") && [ -n "$found" ] && echo "$found"
}
# The trail of equations, a line each.
trail() { e2e_a11y --items list "Trail of equations"; }
trail_reads() { [ "$(trail)" = "$(printf '%s\n' "$@")" ]; }
# The equation line under the scene: the label whose box is the one clicked to open the panel.
equation_reads() { [ -n "$equation_box" ] && [ "$(box label "$1")" = "$equation_box" ]; }
# The window's height with the moves panel open: the scene's window and the panel under it.
open_height=786
window_height() { xwininfo -id "$e2e_window" | awk '/Height:/ {print $2}'; }
# The focused object: its role ($1 = 1) or name ($1 = 2).
focused() { e2e_a11y --focused --showing | sed -n "$1p"; }
# The keys reach the program through the X server and the question through the bus: wait for
# the one to be seen by the other. A combo box is named by the choice it shows.
focus_reaches() {
  e2e_wait_for "[ \"\$(focused 1)\" = \"$1\" ] && [ \"\$(focused 2)\" = \"$2\" ]" 20 ||
    e2e_fail "the focus is not on the $1 \"$2\" but on the $(focused 1) \"$(focused 2)\""
}

# A screen reader listening from now on to what the program tells it, "notification<TAB>text" a
# sentence, in the file $e2e_work/told; one listening before ends.
listener=
listen_from_now() {
  [ -z "$listener" ] || e2e_end_helper "$listener"
  /usr/bin/python3 "$here/atspi_tree.py" --pid "$e2e_app_pid" --listen 100 >"$e2e_work/told" &
  listener=$!
  e2e_helper_pids+=("$listener")
  e2e_await "a listener on the bus" 'grep -Fx listening "$e2e_work/told"' 20
}
told() { grep -Fx -- "notification	$1" "$e2e_work/told" >/dev/null; }

# --- The pointer ---

# A click in the middle of the screen box "x y w h".
click_box() {
  local x y w h
  read -r x y w h <<<"$1"
  e2e_point $((x + w / 2)) $((y + h / 2))
  xdotool click 1
}
# A click on the showing object of role $1 named $2, where the bus says it is.
click_on() {
  local role=$1 name=$2 where
  e2e_await "the $role \"$name\" on the bus" 'where=$(box "$role" "$name")' 20
  click_box "$where"
}
press_by_pointer() { click_on "push button" "$1"; }
# Opens the combo box labelled $1 with a click and clicks its choice $2 in the list that opens.
choose_by_pointer() {
  local label=$1 choice=$2 where
  click_on "combo box" "$label"
  e2e_await "the \"$label\" list to open with \"$choice\" in it" \
    'where=$(e2e_a11y --item-box "combo box" "$label" "$choice")' 20
  click_box "$where"
  focus_reaches "combo box" "$choice"
}

# --- The keys ---

# Presses key $1 $2 times.
press_times() {
  local i
  for ((i = 0; i < $2; i++)); do
    e2e_keys "$1"
  done
}

# The first trail and the equation line, before any move.
e2e_await "the equation line to read $start_equation" \
  'e2e_a11y_named label "$start_equation"' 20
equation_box=
e2e_await "the equation line's place on the bus" 'equation_box=$(box label "$start_equation")' 20
e2e_await_still "the lesson at rest"
listen_from_now

# ===== With the pointer only =====

# A click on the equation line opens the panel, and the window grows by it.
click_box "$equation_box"
e2e_await "the click on the equation line to open the panel ($open_height pixels high)" \
  '[ "$(window_height)" = $open_height ]' 20
e2e_await "the trail to read the equation as it starts" 'trail_reads "$start_equation"' 20

choose_by_pointer Pan "right pan"
press_by_pointer "Split N into A + B"
e2e_await "the split to rest, its line with its equation" \
  'trail_reads "${solving[@]:0:2}"' 30
choose_by_pointer Piece "cube 2"
press_by_pointer "Take from both pans"
e2e_await "the trail of the solving done with the pointer" 'trail_reads "${solving[@]}"' 30
e2e_await "the screen reader to be told it is solved, with the pointer" \
  'told "Solved: X = 3."' 20
e2e_await "the equation line to read X = 3, with the pointer" 'equation_reads "X = 3"' 20

# ===== With the keys only =====

# Restart puts the lesson back as it was, asking nothing, and starts a new trail. The panel stays
# open, the focus where the last click left it.
listen_from_now
e2e_keys ctrl+r
e2e_await "Restart to bring X + 2 = 5 back on the equation line" \
  'equation_reads "$start_equation"' 20
e2e_await "the restarted trail to read only its start" 'trail_reads "$start_equation"' 20
[ "$(window_height)" = $open_height ] || e2e_fail "Restart closed the moves panel"
e2e_await_still "the restarted lesson at rest"

# The focus stays where the last click put it, on Take from both pans; Restart put the panel's
# choosers and numbers back at their first values, as for any new problem.
focus_reaches "push button" "Take from both pans"

# Tab goes on through Add to both pans and the share row to the pan chooser, back on the left
# pan, then through N, A and B (5, 2 and 3 again) to Split.
press_times Tab 4
focus_reaches "combo box" "left pan"
e2e_keys Down
focus_reaches "combo box" "right pan"
press_times Tab 4
focus_reaches "push button" "Split N into A + B"
e2e_keys Return
e2e_await "the split to rest, its line with its equation, with keys" \
  'trail_reads "${solving[@]:0:2}"' 30

# Back past B, A, N, the pan chooser, the share row and the two buttons to the piece chooser,
# back on cube 0.
press_times shift+Tab 9
focus_reaches "combo box" "cube 0"
e2e_keys Down Down
focus_reaches "combo box" "cube 2"
e2e_keys Tab
focus_reaches "push button" "Take from both pans"
e2e_keys space
e2e_await "the trail of the solving done with keys" 'trail_reads "${solving[@]}"' 30
e2e_await "the screen reader to be told it is solved, with keys" 'told "Solved: X = 3."' 20
e2e_await "the equation line to read X = 3, with keys" 'equation_reads "X = 3"' 20

kill -0 "$e2e_app_pid" 2>/dev/null || e2e_fail "the program ended"
echo "end-to-end moves: X + 2 = 5 solved on the moves panel with the pointer, then with keys"
