#!/usr/bin/env bash
# With the real pointer under a virtual X server: drag the cube bearing 5 from the palette onto
# the left pan, see it lie there and the pans tilt; delete it with a right click and see the pans
# come back level.
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1

e2e_start_x
e2e_start_app "$program"
e2e_await_window_drawn

# Window pixels (no window manager: the window sits at the screen's corner). The scene's client
# area starts at (6, 62); the palette's cube bearing 5 at (384, 10).
scene_x=6
scene_y=62
grab_x=20
grab_y=20
drop_x=$((scene_x + 200))
drop_y=$((scene_y + 150))

e2e_drag_in $((384 + grab_x)) $((10 + grab_y)) "$drop_x" "$drop_y"
e2e_await_still "the cube landing and the pans tilting"
e2e_screenshot

# The left pan hangs 18 pixels below the right one: 9 down and 9 up from the level line 292.
left_top=$((scene_y + 292 + 9))
right_top=$((scene_y + 292 - 9))
e2e_expect_pixel $((scene_x + 30 + 300)) $((left_top + 1)) 000000 "left pan lowered"
e2e_expect_pixel $((scene_x + 504 + 200)) $((right_top + 1)) 000000 "right pan raised"
e2e_expect_pixel $((scene_x + 504 + 200)) $((right_top - 1)) FFFFC0 "above the right pan"
# The cube rests on the left pan: its left edge at 200 - 20, its bottom on the pan's top.
cube_x=$((scene_x + 180))
cube_y=$((left_top - 40))
e2e_expect_pixel $((cube_x + 12)) $((cube_y + 36)) 00FFC0 "the cube's face on the pan"
e2e_expect_pixel $((cube_x + 12)) $((cube_y - 2)) FFFFC0 "above the cube"

# A right click on the cube deletes it; the pans come back level.
e2e_point $((cube_x + 25)) $((cube_y + 20))
xdotool click 3
e2e_await_still "the pans coming back level"
e2e_screenshot
level=$((scene_y + 292))
e2e_expect_pixel $((scene_x + 30 + 300)) $((level + 1)) 000000 "left pan level again"
e2e_expect_pixel $((scene_x + 504 + 200)) $((level + 1)) 000000 "right pan level again"
e2e_expect_pixel $((cube_x + 12)) $((cube_y + 20)) FFFFC0 "the cube is gone"

kill -0 "$e2e_app_pid" 2>/dev/null || e2e_fail "the program ended"
echo "end-to-end drag: the cube landed on the left pan, tilted it, and went with a right click"
