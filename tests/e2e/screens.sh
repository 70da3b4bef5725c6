#!/usr/bin/env bash
# The window with the moves panel open on the screens schools have, at the desktop's own scale:
# the whole window lies on the screen, every control of the panel shows within it (none scrolled
# away or cut off), and the screenshot shows the panel's foot drawn.
#   screens.sh PROGRAM WIDTHxHEIGHT [DPI [scrolls]]
# DPI: the desktop's Xft.dpi (96 for 100 %, 144 for 150 %). "scrolls": a screen too short for the
# scene and the whole panel at the screen's own pixels (a netbook's): the window still fits, and
# the panel takes the room there is and scrolls; only the controls it shows are looked at.
set -Eeuo pipefail
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
trap 'echo "FAIL: \"$BASH_COMMAND\" failed at line $LINENO of screens.sh" >&2' ERR
program=$1
screen=$2
dpi=${3:-}
scrolls=${4:-}
screen_w=${screen%x*}
screen_h=${screen#*x}

e2e_start_x "$screen"
if [ -n "$dpi" ] && [ "$dpi" != 96 ]; then
  # The desktop's scale, as a desktop sets it for its programs.
  xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$dpi"
fi
e2e_start_a11y_bus
e2e_start_app env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program"
xdotool windowfocus --sync "$e2e_window"
e2e_await "the window on the bus" 'e2e_a11y --boxes "push button"' 30

# The window's box on the screen: "x y w h".
window_box() {
  xwininfo -id "$e2e_window" |
    awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
         /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}
# True when the box "x y w h" ($1) lies within the box "x y w h" ($2).
within() {
  local x y w h X Y W H
  read -r x y w h <<<"$1"
  read -r X Y W H <<<"$2"
  [ "$w" -gt 0 ] && [ "$h" -gt 0 ] && [ "$x" -ge "$X" ] && [ "$y" -ge "$Y" ] &&
    [ $((x + w)) -le $((X + W)) ] && [ $((y + h)) -le $((Y + H)) ]
}
on_screen() { within "$(window_box)" "0 0 $screen_w $screen_h"; }

on_screen || e2e_fail "the window ($(window_box)) runs off the $screen screen"
e2e_keys ctrl+m
e2e_await "the panel's close button on the bus" \
  'e2e_a11y --boxes "push button" | grep -q "Close the panel"' 30
e2e_await_still "the window with the panel drawn"
e2e_await "the window with the panel to fit the $screen screen" on_screen 10
window=$(window_box)

# Every control the panel shows lies within the window, and so on the screen.
controls=0
for role in "push button" "check box" "combo box" "spin box" "list"; do
  while read -r x y w h name; do
    [ -n "$x" ] || continue
    if ! within "$x $y $w $h" "$window"; then
      [ -n "$scrolls" ] && continue # scrolled away in the panel
      e2e_screenshot
      e2e_fail "$role \"$name\" at $x $y $w $h lies outside the window ($window)"
    fi
    controls=$((controls + 1))
  done < <(e2e_a11y --boxes "$role" || true)
done
# The palette, the buttons of the scene, the panel's moves, check and foot.
[ -n "$scrolls" ] || [ "$controls" -ge 20 ] || e2e_fail "only $controls controls showed with the panel open"

# The panel is drawn where the bus says it is: its last button (its first, where it scrolls) is a
# button on the screen, not the X server's black beyond the window.
e2e_screenshot
if [ -n "$scrolls" ]; then
  read -r x y w h _ < <(e2e_a11y --boxes "combo box" | head -n1)
else
  read -r x y w h _ < <(e2e_a11y --boxes "push button" | grep "Close the panel")
fi
within "$x $y $w $h" "$window" || e2e_fail "the panel's control at $x $y $w $h lies outside the window"
[ "$(e2e_pixel $((x + w / 2)) $((y + 2)))" != 000000 ] ||
  e2e_fail "the panel's control at $x $y $w $h is not drawn"
kill -0 "$e2e_app_pid" 2>/dev/null || e2e_fail "the program ended"
echo "end-to-end screen $screen${dpi:+ at $dpi dpi}: the window ($window) and its panel fit"
