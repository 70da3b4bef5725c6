#!/usr/bin/env bash
# With the real pointer and keyboard: a 5 dragged onto the left pan and deleted with a right
# click; Ctrl+Z brings it back where it lay and the equation line with it; Ctrl+Y takes it away
# again. The line is read through the accessibility bus, the cube and the pans on the screen.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1

e2e_start_x
e2e_start_a11y_bus
e2e_start_app env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program"
# With no window manager, nothing gives the new window the keyboard: do what one would.
xdotool windowfocus --sync "$e2e_window"

line_reads() { e2e_a11y --names label | grep -Fx -- "$1" >/dev/null; }
e2e_wait_for 'line_reads "0 = 0"' 20 || e2e_fail "the empty scene's line is not 0 = 0"
e2e_await_still "the empty scene at rest, the first step to go back to"

# Window pixels: the scene's client area starts at (6, 62), the palette's 5 at (384, 10).
scene_x=6
scene_y=62
grab=20
drop_x=$((scene_x + 200))
drop_y=$((scene_y + 150))
left_top=$((scene_y + 292 + 9)) # the left pan under a 5
cube_x=$((scene_x + 180))
cube_y=$((left_top - 40))
expect_cube() {
  e2e_screenshot
  e2e_expect_pixel $((cube_x + 12)) $((cube_y + 36)) 00FFC0 "the cube's face on the pan ($1)"
  e2e_expect_pixel $((scene_x + 30 + 300)) $((left_top + 1)) 000000 "left pan lowered ($1)"
}
expect_no_cube() {
  e2e_screenshot
  e2e_expect_pixel $((cube_x + 12)) $((cube_y + 20)) FFFFC0 "no cube ($1)"
}

e2e_drag_in $((384 + grab)) $((10 + grab)) "$drop_x" "$drop_y"
e2e_wait_for 'line_reads "5 > 0"' 20 || e2e_fail "the dropped 5 does not weigh on the left pan"
e2e_await_still "the dropped 5 at rest"
expect_cube "dropped"

e2e_point $((cube_x + 25)) $((cube_y + 20))
xdotool click 3
e2e_wait_for 'line_reads "0 = 0"' 20 || e2e_fail "the deleted 5 still weighs"
e2e_await_still "the pans level again after the delete"
expect_no_cube "deleted"

xdotool windowfocus --sync "$e2e_window"
xdotool key --window "$e2e_window" ctrl+z
e2e_wait_for 'line_reads "5 > 0"' 20 || e2e_fail "Ctrl+Z did not bring the line 5 > 0 back"
e2e_await_still "the scene brought back by Ctrl+Z"
expect_cube "undone"

xdotool key --window "$e2e_window" ctrl+y
e2e_wait_for 'line_reads "0 = 0"' 20 || e2e_fail "Ctrl+Y did not take the 5 away again"
e2e_await_still "the scene after Ctrl+Y"
expect_no_cube "redone"

kill -0 "$e2e_app_pid" 2>/dev/null || e2e_fail "the program ended"
echo "end-to-end undo: the deleted 5 came back with Ctrl+Z, line and all, and went with Ctrl+Y"
