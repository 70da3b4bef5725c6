#!/usr/bin/env bash
# A cube laid with the real pointer across stacks of both pans, then the other pan made far
# heavier: the stack rising under the cube does not hold the balance. The cube slides back over
# the pan it counts for, the pans tilt as far as the loads call for, and the line counts every
# piece. A file with such a bridge under very unequal loads settles the same way without a window.
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1

scene_x=6
scene_y=62
# The palette pictures' left edges (their tops are at 10).
palette_1=148
palette_5=384
palette_9=622

# The top row of a pan: the first black pixel going down the column at scene x $1.
pan_top() {
  local column
  column=$(convert "$e2e_work/shot.png" -crop "1x200+$((scene_x + $1))+$((scene_y + 200))" \
    +repage -depth 8 txt:- | grep -n '#000000' | head -n1 | cut -d: -f1)
  [ -n "$column" ] || e2e_fail "no pan found at scene x $1"
  echo $((200 + column - 2)) # txt: starts with a header line
}

# Picture at palette x $1, grabbed 20 pixels in, dropped with its corner at scene (x $2, y $3).
drop() {
  e2e_drag_in $(($1 + 20)) 30 $((scene_x + $2 + 20)) $((scene_y + $3 + 20))
  # A child's pace between drops, not a wait: the next piece may come while this one falls.
  sleep 0.3
}

e2e_start_x
e2e_start_a11y_bus
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 e2e_start_app "$program"
e2e_await_window_drawn

# Two 9s at the left pan's inner end, two 1s at the right pan's: the left goes down, and a 5
# laid across both columns rests on the higher one, the right's, and counts for it.
drop $palette_9 420 120
drop $palette_9 420 60
drop $palette_1 480 120
drop $palette_1 480 60
e2e_await_still "the two columns landing"
drop $palette_5 445 30
e2e_await_still "the 5 landing across both columns"
e2e_wait_for 'e2e_a11y --names label | grep -Fx "18 > 7"' 20 ||
  e2e_fail "the bridge was not built as planned: $(e2e_a11y --names label | grep '[<=>]')"

# Three more 9s on the right pan: the left's column has to rise under the 5.
drop $palette_9 650 100
drop $palette_9 720 100
drop $palette_9 790 100
e2e_wait_for 'e2e_a11y --names label | grep -Fx "18 < 34"' 20 ||
  e2e_fail "the line does not count every piece: $(e2e_a11y --names label | grep '[<=>]')"
# A difference of 16 tilts as far as 15: the left pan's top 55 pixels above the right's.
e2e_wait_for '
  e2e_screenshot
  apart=$(( $(pan_top 100) - $(pan_top 800) ))
  [ "$apart" -ge -56 ] && [ "$apart" -le -54 ]' 20 ||
  e2e_fail "the pans stand $apart apart where the loads call for -55"

# The same kind of bridge from a file, under very unequal loads: 9s on the left, a 1 on the right.
bridge="$e2e_work/bridge.trv"
printf '# Tarvelo file - 10:00:00 - 01/02/2026\r\n7\r\n3\r\n8\r\n' >"$bridge"
for piece in "1 420 252" "1 480 252" "1 420 212" "1 480 212" "9 445 160" "9 100 252" \
  "9 150 252" "9 200 252"; do
  read -r kind x y <<<"$piece"
  printf '%s\r\n%s\r\n%s\r\n%s\r\n' "$x" "$y" "$kind" "$kind" >>"$bridge"
done
"$program" --settle "$bridge" --json >"$e2e_work/bridge.json" || e2e_fail "the bridge file did not settle"
/usr/bin/python3 - "$e2e_work/bridge.json" <<'PY' || e2e_fail "the bridge file settled as $(cat "$e2e_work/bridge.json")"
import json, sys
scene = json.load(open(sys.argv[1]))
assert len(scene["pieces"]) == 8, "pieces lost"
assert all(p["pan"] in ("left", "right") for p in scene["pieces"]), "a piece on no pan"
left, right = (p["y"] for p in scene["pans"])
# 40 against 2 or 39 against 3, whichever pan the bridge counts for: the full tilt of 54.
assert abs(left - right - 54) <= 1, (left, right)
PY
echo "bridge: the pans tilt as far as the loads call for, and nothing is lost"
