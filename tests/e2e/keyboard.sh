#!/usr/bin/env bash
# With the real keyboard only and a screen reader's view through the accessibility bus: 2X + 3
# built on the left pan and 9 on the right, and what the bus then reads (the pans, the sign, the
# equation, the settled balance told as a notification) checked against X itself.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1

e2e_start_x
e2e_start_a11y_bus
e2e_start_app env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 \
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program"
# With no window manager, nothing gives the new window the keyboard: do what one would.
xdotool windowfocus --sync "$e2e_window"

focused() { e2e_a11y --focused | sed -n "$1p"; }
focused_name() { focused 2; }
left_pan_reads() { e2e_a11y_named "list item" "left pan: $1"; }
right_pan_reads() { e2e_a11y_named "list item" "right pan: $1"; }
# A screen reader listens from the start to what the program tells it: "notification<TAB>text"
# per sentence.
told() { grep -Fx -- "$1" "$e2e_work/told" >/dev/null; }
# The keys reach the program through the X server and the question through the bus: wait for the
# one to be seen by the other.
focus_reaches() { e2e_wait_for "[ \"\$(focused_name)\" = \"$1\" ]" 10; }

# The window's first focus is the palette's first picture; the scene is read as a list of the
# two pans, and the "i" as a button.
e2e_wait_for '[ "$(focused_name)" = smiley ]' 20 ||
  e2e_fail "the first focus is not the smiley but \"$(focused_name)\""
e2e_a11y_named list "the two pans" || e2e_fail "no list of the two pans"
e2e_a11y_named "push button" "Program info" || e2e_fail "the \"i\" is not read as a button"
/usr/bin/python3 "$here/atspi_tree.py" --pid "$e2e_app_pid" --listen 100 >"$e2e_work/told" &
e2e_helper_pids+=($!)
e2e_wait_for 'told listening' 20 || e2e_fail "nothing listens on the bus"

# Two X, one after the other, picked up and dropped where they hover: over the left pan.
e2e_keys End Left
focus_reaches "unknown X" || e2e_fail "End, Left did not reach X: \"$(focused_name)\""
e2e_keys Return
e2e_wait_for 'told "notification	unknown X picked up, over the left pan."' 10 ||
  e2e_fail "picking X up was not told"
e2e_keys Return
e2e_wait_for 'left_pan_reads "1 X; total X"' 20 || e2e_fail "the first X is not on the left pan"
e2e_keys Return Return
e2e_wait_for 'left_pan_reads "2 X; total 2X"' 20 || e2e_fail "the second X is not on the left pan"

# A 3 on top of them.
e2e_keys Home Right Right Right Right
focus_reaches "cube 3" || e2e_fail "Home and four Right did not reach 3"
e2e_keys Return Return
e2e_wait_for 'left_pan_reads "cube 3, 2 X; total 2X + 3"' 20 ||
  e2e_fail "the 3 is not on the left pan"

# A 9 taken over the right pan with Page Down.
e2e_keys End Left Left
focus_reaches "cube 9" || e2e_fail "End and two Left did not reach 9"
e2e_keys Return Next
e2e_wait_for 'told "notification	over the right pan"' 10 || e2e_fail "Page Down was not told"
e2e_keys Return
e2e_wait_for 'right_pan_reads "cube 9; total 9"' 20 || e2e_fail "the 9 is not on the right pan"

# The equation read from its label, its sign said in words by the sign label, and the balance
# once settled told (and heard by the listener), while the focus stays on the 9.
e2e_wait_for 'e2e_a11y --names label | grep -Ex "2X \+ 3 [<=>] 9"' 20 ||
  e2e_fail "no label reads the equation 2X + 3 ? 9"
equation=$(e2e_a11y --names label | grep -Ex '2X \+ 3 [<=>] 9')
sign=$(cut -d' ' -f4 <<<"$equation")
case $sign in
  '>') words="left side heavier" ;;
  '<') words="right side heavier" ;;
  *) words="both sides equal" ;;
esac
e2e_a11y_named label "$words" || e2e_fail "no label says \"$words\" for the sign $sign"
e2e_wait_for 'told "notification	$words: $equation"' 20 ||
  e2e_fail "a screen reader was not told the settled balance \"$words: $equation\""
[ "$(focused_name)" = "cube 9" ] || e2e_fail "the focus left the 9: \"$(focused_name)\""
left_pan_reads "cube 3, 2 X; total 2X + 3" || e2e_fail "the left pan's name changed"
right_pan_reads "cube 9; total 9" || e2e_fail "the right pan's name changed"

# The focus frame is drawn just outside the focused picture, where the bus says it is.
read -r fx fy fw fh <<<"$(focused 4)"
e2e_screenshot
e2e_expect_pixel $((fx - 1)) $((fy + fh / 2)) C00080 "the focus frame left of the 9"
e2e_expect_pixel $((fx + fw)) $((fy + fh / 2)) C00080 "the focus frame right of the 9"
e2e_expect_pixel $((fx + fw / 2)) $((fy - 1)) C00080 "the focus frame above the 9"

# The sign agrees with X. F2 on the X picture asks for its value, offering the one it has: read
# it from the question's field, then Escape leaves X as it was.
e2e_keys Right
focus_reaches "unknown X" || e2e_fail "Right did not reach X"
e2e_keys F2
e2e_wait_for '[ "$(xdotool search --onlyvisible --pid "$e2e_app_pid" | wc -l)" = 2 ]' 20 ||
  e2e_fail "F2 did not ask for the value of X"
e2e_wait_for 'e2e_a11y --texts text | grep -Ex "[0-9]+"' 20 ||
  e2e_fail "the question offers no value"
x=$(e2e_a11y --texts text | grep -Ex '[0-9]+')
question=$(xdotool search --onlyvisible --pid "$e2e_app_pid" | grep -vx "$e2e_window")
# Pressed on the focused question without naming it: named, xdotool would send the release to
# a window that the press has closed, and fail.
xdotool windowfocus --sync "$question"
xdotool key Escape
e2e_wait_for '[ "$(xdotool search --onlyvisible --pid "$e2e_app_pid" | wc -l)" = 1 ]' 20 ||
  e2e_fail "Escape did not close the question"
if [ $((2 * x + 3)) -gt 9 ]; then
  expected='>'
elif [ $((2 * x + 3)) -lt 9 ]; then
  expected='<'
else
  expected='='
fi
[ "$sign" = "$expected" ] || e2e_fail "with X = $x the bus reads \"$equation\""

kill -0 "$e2e_app_pid" 2>/dev/null || e2e_fail "the program ended"
echo "end-to-end keyboard: 2X + 3 $sign 9 with X = $x, built with keys, read from the bus"
