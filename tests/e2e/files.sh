#!/usr/bin/env bash
# Save and Load through the real dialogs with the real keyboard and pointer: a scene saved under a
# typed name (the extension added), cleared with New, and loaded back.
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1

e2e_start_x
problem="$e2e_work/start.trv"
e2e_problem "$problem" 9
# Opened as a plain start would open it: through Load, so the window stays in free mode.
e2e_start_app "$program"
scene_x=6
scene_y=62
click() {
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool click 1
}
dialog_open() {
  e2e_wait_for "xdotool search --onlyvisible --name '^$1\$'" 10
}
type_path() {
  # Real key presses (not events sent to a window) go to the window under the pointer, or to
  # the name completer's list while it is open, as a person's would.
  local dialog
  dialog=$(xdotool search --onlyvisible --name "^$1\$" | head -n1)
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + 10))
  sleep 0.2
  xdotool key ctrl+a
  xdotool type --delay 20 "$2"
  sleep 0.5
  xdotool key Return
}

# Load the start problem.
click $((scene_x + 130)) $((scene_y + 396))
dialog_open Open || e2e_fail "the Open dialog did not appear"
type_path Open "$problem"
e2e_wait_for '[ "$(e2e_title "$e2e_window")" = "Tarvelo - $problem" ]' 10 ||
  e2e_fail "the problem was not loaded: '$(e2e_title "$e2e_window")'"
sleep 2

# Save it under a name typed without the extension.
click $((scene_x + 210)) $((scene_y + 396))
dialog_open Save || e2e_fail "the Save dialog did not appear"
type_path Save "$e2e_work/copy"
e2e_wait_for '[ -f "$e2e_work/copy.trv" ]' 10 || e2e_fail "nothing was saved as copy.trv"
head -c 17 "$e2e_work/copy.trv" | grep -q "# Tarvelo file - " || e2e_fail "the saved file has no header"
[ "$(sed -n 4p "$e2e_work/copy.trv" | tr -d '\r')" = 1 ] || e2e_fail "the saved file has not one piece"

# New empties the scene; Load brings the piece back.
click $((scene_x + 40)) $((scene_y + 396))
sleep 2
click $((scene_x + 130)) $((scene_y + 396))
dialog_open Open || e2e_fail "the Open dialog did not appear again"
type_path Open "$e2e_work/copy.trv"
e2e_wait_for '[ "$(e2e_title "$e2e_window")" = "Tarvelo - $e2e_work/copy.trv" ]' 10 ||
  e2e_fail "the copy was not loaded: '$(e2e_title "$e2e_window")'"
sleep 3
e2e_screenshot
# The cube bearing 9 lies on the left pan again, which hangs 32 pixels below the right one:
# 16 down from the level line 292.
left_top=$((scene_y + 292 + 16))
e2e_expect_pixel $((scene_x + 100 + 12)) $((left_top - 4)) 00FFC0 "the cube bearing 9 on the left pan"

kill -0 "$e2e_app_pid" 2>/dev/null || e2e_fail "the program ended"
echo "end-to-end files: loaded, saved under a typed name, loaded back"
