#!/usr/bin/env bash
# Starts the real program under a virtual X server, looks at the screen, presses New with the
# real pointer and looks again: the pans must be where they belong each time.
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1

e2e_start_x
e2e_start_app "$program"

# With no window manager the window's client area sits at the screen's top-left corner; the
# scene's client area starts at (6, 62) in it.
scene_x=6
scene_y=62
check_scene() {
  local level=$((scene_y + 292))
  local x
  for x in $((scene_x + 30 + 200)) $((scene_x + 504 + 200)); do
    e2e_expect_pixel "$x" $((level + 1)) 000000 "top of a pan, $1"
    e2e_expect_pixel "$x" $((level + 8)) 0000C0 "underside of a pan, $1"
    e2e_expect_pixel "$x" $((level - 20)) FFFFC0 "scene above a pan, $1"
  done
  e2e_expect_pixel $((scene_x + 474)) $((level + 5)) FFFFC0 "gap between the pans, $1"
  # The palette: the cube bearing 5 shows its cyan face.
  e2e_expect_pixel $((384 + 12)) $((10 + 36)) 00FFFF "palette cube, $1"
}

e2e_await_window_drawn
e2e_screenshot
check_scene "at start"

# New, with the real pointer: the scene empties and is rebuilt.
e2e_point $((scene_x + 40)) $((scene_y + 396))
xdotool click 1
e2e_await_still "the scene rebuilt after New"
e2e_screenshot
check_scene "after New"

# The "i" label opens the information window; "Close me" closes it. (The hint text beside the
# label must not take the click.)
e2e_point 945 50
xdotool click 1
e2e_wait_for '[ "$(xdotool search --onlyvisible --name "^Tarvelo\$" | wc -l)" -eq 2 ]' 5 ||
  e2e_fail "the information window did not open"
info=$(xdotool search --onlyvisible --name '^Tarvelo$' | grep -v "^$e2e_window\$" | head -n1)
eval "$(xdotool getwindowgeometry --shell "$info")"
e2e_point $((X + 150)) $((Y + 144))
xdotool click 1
e2e_wait_for '[ "$(xdotool search --onlyvisible --name "^Tarvelo\$" | wc -l)" -eq 1 ]' 5 ||
  e2e_fail "Close me did not close the information window"

kill -0 "$e2e_app_pid" 2>/dev/null || e2e_fail "the program ended"
echo "end-to-end start-up: pans in place, New works, the information window opens and closes"
