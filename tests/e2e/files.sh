#!/usr/bin/env bash
# Save and Load through the real dialogs with the real keyboard and pointer: a scene saved under a
# typed name (the extension added), cleared with New, and loaded back. The accessibility bus tells
# when a dialog has taken the typed name.
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1

e2e_start_x
e2e_start_a11y_bus
problem="$e2e_work/start.trv"
e2e_problem "$problem" 9
# Opened as a plain start would open it: through Load, so the window stays in free mode.
e2e_start_app env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program"
scene_x=6
scene_y=62
click() {
  e2e_point "$1" "$2"
  xdotool click 1
}
dialog_open() {
  e2e_wait_for "xdotool search --onlyvisible --name '^$1\$'" 10
}
type_path() {
  # Real key presses (not events sent to a window) go to the window under the pointer, or to
  # the name completer's list while it is open, as a person's would.
  local dialog typed=$2
  dialog=$(xdotool search --onlyvisible --name "^$1\$" | head -n1)
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  e2e_point $((X + WIDTH / 2)) $((Y + 10))
  xdotool key ctrl+a
  xdotool type --delay 20 "$typed"
  # Every key has reached the dialog once its name field reads the whole name.
  e2e_await "the $1 dialog's name field to read $typed" \
    'e2e_a11y --texts text | grep -Fx -- "$typed"' 20
  xdotool key Return
}

# Load the start problem.
click $((scene_x + 130)) $((scene_y + 396))
dialog_open Open || e2e_fail "the Open dialog did not appear"
type_path Open "$problem"
e2e_wait_for '[ "$(e2e_title "$e2e_window")" = "Tarvelo - $problem" ]' 10 ||
  e2e_fail "the problem was not loaded: '$(e2e_title "$e2e_window")'"
e2e_await_still "the loaded piece landing"

# Save it under a name typed without the extension.
click $((scene_x + 210)) $((scene_y + 396))
dialog_open Save || e2e_fail "the Save dialog did not appear"
type_path Save "$e2e_work/copy"
e2e_wait_for '[ -f "$e2e_work/copy.trv" ]' 10 || e2e_fail "nothing was saved as copy.trv"
head -c 17 "$e2e_work/copy.trv" | grep -q "# Tarvelo file - " || e2e_fail "the saved file has no header"
[ "$(sed -n 4p "$e2e_work/copy.trv" | tr -d '\r')" = 1 ] || e2e_fail "the saved file has not one piece"

# New empties the scene; Load brings the piece back.
click $((scene_x + 40)) $((scene_y + 396))
e2e_await_still "the scene emptied by New"
click $((scene_x + 130)) $((scene_y + 396))
dialog_open Open || e2e_fail "the Open dialog did not appear again"
type_path Open "$e2e_work/copy.trv"
e2e_wait_for '[ "$(e2e_title "$e2e_window")" = "Tarvelo - $e2e_work/copy.trv" ]' 10 ||
  e2e_fail "the copy was not loaded: '$(e2e_title "$e2e_window")'"
e2e_await_still "the piece of the copy landing"
e2e_screenshot
# The cube bearing 9 lies on the left pan again, which hangs 32 pixels below the right one:
# 16 down from the level line 292.
left_top=$((scene_y + 292 + 16))
e2e_expect_pixel $((scene_x + 100 + 12)) $((left_top - 4)) 00FFC0 "the cube bearing 9 on the left pan"

kill -0 "$e2e_app_pid" 2>/dev/null || e2e_fail "the program ended"
echo "end-to-end files: loaded, saved under a typed name, loaded back"
