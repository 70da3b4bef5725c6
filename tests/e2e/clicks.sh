#!/usr/bin/env bash
# With the real pointer under a virtual X server: six plain clicks on a 5 resting on the left
# pan leave it where it was and the line at "5 > 0"; eight cubes bearing 1 dropped one after the
# other at one spot above the left pan all stay and the line reads "8 > 0". The equation line
# on the screen is compared with the same scene drawn by the run without a window.
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1

# Window pixels (no window manager: the window sits at the screen's corner). The scene's client
# area starts at (6, 62); the equation line spans (2, 506) to (957, 541).
scene_x=6
scene_y=62
line_geometry=955x35+2+506

# The equation line as the run without a window draws it for a problem file's pieces: "kind x
# y" per piece, in scene pixels where they rest.
expected_line() {
  local file="$e2e_work/expected.trv" count=$#
  {
    printf '# Tarvelo file - 10:00:00 - 01/02/2026\r\n7\r\n3\r\n%s\r\n' "$count"
    local piece kind x y
    for piece in "$@"; do
      read -r kind x y <<<"$piece"
      printf '%s\r\n%s\r\n%s\r\n%s\r\n' "$x" "$y" "$kind" "$kind"
    done
  } >"$file"
  "$program" --settle "$file" --png "$e2e_work/expected.png" >/dev/null ||
    e2e_fail "the run without a window could not draw the expected scene"
  convert "$e2e_work/expected.png" -crop "$line_geometry" +repage "$e2e_work/expected-line.png"
}

expect_line() {
  convert "$e2e_work/shot.png" -crop "$line_geometry" +repage "$e2e_work/line.png"
  local differing
  differing=$(compare -metric AE "$e2e_work/line.png" "$e2e_work/expected-line.png" null: 2>&1)
  [ "$differing" = 0 ] || e2e_fail "the equation line does not read \"$1\" ($differing pixels differ)"
}

# The palette picture at (px, py), grabbed 20 pixels in, dropped with its corner at the scene
# point (x, y).
drop() {
  e2e_drag_in $(($1 + 20)) $(($2 + 20)) $((scene_x + $3 + 20)) $((scene_y + $4 + 20))
}

e2e_start_x
e2e_start_app "$program"
e2e_await_window_drawn

# A 5 (palette picture at 384, 10) onto the left pan: it rests at x 200 with its bottom on the
# pan, which hangs 9 pixels below the level line 292, the right pan 9 above it.
drop 384 10 200 150
e2e_await_still "the 5 landing on the left pan"
left_top=$((scene_y + 292 + 9))
cube_x=$((scene_x + 200))
cube_y=$((left_top - 40))
e2e_screenshot
e2e_expect_pixel $((cube_x + 12)) $((cube_y + 36)) 00FFC0 "the 5 on the pan"
e2e_expect_pixel $((cube_x + 12)) $((cube_y - 1)) FFFFC0 "above the 5"
e2e_expect_pixel $((cube_x - 1)) $((cube_y + 20)) FFFFC0 "left of the 5"
e2e_expect_pixel $((cube_x + 45)) $((cube_y + 20)) FFFFC0 "right of the 5"
expected_line "5 200 $((292 + 9 - 40))"
expect_line "5 > 0"

# Six plain clicks on it, the pointer still between press and release.
e2e_point $((cube_x + 20)) $((cube_y + 20))
for _ in 1 2 3 4 5 6; do
  xdotool click 1
  # A person's pace between clicks, not a wait: a click that rightly moves nothing leaves nothing
  # to see. What six clicks did is looked at once the screen is still.
  sleep 0.3
done
e2e_await_still "the 5 after six clicks"
e2e_screenshot
e2e_expect_pixel $((cube_x + 12)) $((cube_y + 36)) 00FFC0 "the 5 after six clicks"
e2e_expect_pixel $((cube_x + 12)) $((cube_y - 1)) FFFFC0 "above the 5 after six clicks"
e2e_expect_pixel $((cube_x - 1)) $((cube_y + 20)) FFFFC0 "left of the 5 after six clicks"
e2e_expect_pixel $((cube_x + 45)) $((cube_y + 20)) FFFFC0 "right of the 5 after six clicks"
expect_line "5 > 0"

# Gone with a right click; then eight cubes bearing 1 (palette picture at 148, 10) dropped at
# one spot above the left pan, each while the one before may still be falling.
xdotool click 3
e2e_await_still "the 5 gone and the pans level"
for _ in 1 2 3 4 5 6 7 8; do
  drop 148 10 100 150
  # Not a wait for the cube to land: the next one is meant to come while this one may still be
  # falling, at the pace of a child dropping them one after the other.
  sleep 0.3
done
xdotool mousemove 1000 700
e2e_await_still "eight cubes landing and the pans tilting"
e2e_screenshot
# A difference of 8 tilts the pans 28 pixels apart: 14 down and 14 up from the level line.
left_top=$((scene_y + 292 + 14))
right_top=$((scene_y + 292 - 14))
e2e_expect_pixel $((scene_x + 30 + 300)) $((left_top + 1)) 000000 "left pan lowered by eight"
e2e_expect_pixel $((scene_x + 504 + 200)) $((right_top + 1)) 000000 "right pan raised by eight"
e2e_expect_pixel $((scene_x + 504 + 200)) $((right_top - 1)) FFFFC0 "above the right pan"
pieces=()
for n in 1 2 3 4 5 6 7 8; do
  pieces+=("1 100 $((292 + 14 - 40 * n))")
done
expected_line "${pieces[@]}"
expect_line "8 > 0"

kill -0 "$e2e_app_pid" 2>/dev/null || e2e_fail "the program ended"
echo "end-to-end clicks: six clicks moved nothing, eight cubes dropped at one spot all stayed"
