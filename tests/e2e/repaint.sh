#!/usr/bin/env bash
# The real window at rest against the picture a run without a window draws of the same file: the
# same scene, pixel for pixel, with nothing left of the pieces' way down. The buttons and the
# sign are left out, as their text may be smoothed differently on the two platforms.
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1

e2e_start_x

# Three X coming in from above the top edge over the left pan, cubes over the right.
from_above="$e2e_work/from above.trv"
printf '# Tarvelo file - 10:00:00 - 01/02/2026\r\n7\r\n3\r\n7\r\n' >"$from_above"
for y in 50 150 250; do printf '215\r\n%s\r\n4\r\n11\r\n' "$y" >>"$from_above"; done
for k in 1 2 3 4; do printf '%s\r\n%s\r\n%s\r\n%s\r\n' $((640 + 10 * k)) $((100 * k)) "$k" "$k" >>"$from_above"; done
# A crowded file: forty pieces over and around both pans, many far above the top edge.
crowded="$e2e_work/crowded.trv"
/usr/bin/python3 - "$crowded" <<'PY'
import random, sys
random.seed(18)
pieces = []
for _ in range(40):
    kind = random.choice([1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 21])
    mass = {10: 0, 11: 4, 12: 2, 21: 1}.get(kind, kind)
    pieces.append((random.randint(20, 880), random.randint(-500, 250), mass, kind))
lines = ["# Tarvelo file - 10:00:00 - 01/02/2026", "7", "3", str(len(pieces))]
for x, y, mass, kind in pieces:
    lines += [str(x), str(y), str(mass), str(kind)]
open(sys.argv[1], "w", newline="").write("\r\n".join(lines) + "\r\n")
PY
lesson="$here/../../lessons/06 A stack weighs what its cubes weigh.trv"

# The scene's part of a picture of the window with the text blotted out: the buttons, the sign,
# and the digit or letter on each piece's front face as the settled scene's JSON ($3) places them.
scene_of() {
  /usr/bin/python3 - "$@" <<'PY'
import json, subprocess, sys
shot, out, report = sys.argv[1:4]
boxes = ["0,374 175,418", "794,376 949,418", "425,250 490,335"]
for p in json.load(open(report))["pieces"]:
    x, y, w, h = p["x"], p["y"], p["width"], p["height"]
    boxes.append("%d,%d %d,%d" % (x + 8, y + 8, x + w - 1, y + h - 1))
draws = []
for box in boxes:
    draws += ["-draw", "rectangle " + box]
subprocess.run(["convert", shot, "-crop", "949x417+6+62", "+repage", "-fill", "black"] + draws +
               [out], check=True)
PY
}

for file in "$from_above" "$crowded" "$lesson"; do
  name=$(basename "$file" .trv)
  "$program" --settle "$file" --png "$e2e_work/still.png" --json >"$e2e_work/still.json" ||
    e2e_fail "$name: --settle did not bring the scene to rest"
  scene_of "$e2e_work/still.png" "$e2e_work/expected.png" "$e2e_work/still.json"

  xdotool mousemove 1270 790 # away from every piece: no selection frame
  e2e_start_app "$program" "$file"
  e2e_await_still "$name: the window coming to rest" 60
  e2e_screenshot
  scene_of "$e2e_work/shot.png" "$e2e_work/now.png" "$e2e_work/still.json"
  differing=$(compare -metric AE "$e2e_work/now.png" "$e2e_work/expected.png" \
    "$e2e_work/diff.png" 2>&1 >/dev/null)
  if [ "$differing" != 0 ]; then
    cp "$e2e_work/diff.png" "${TMPDIR:-/tmp}/tarvelo-repaint-diff.png"
    e2e_fail "$name: $differing pixels of the window's scene differ from --settle --png" \
      "(differences kept in ${TMPDIR:-/tmp}/tarvelo-repaint-diff.png)"
  fi
  kill "$e2e_app_pid"
  wait "$e2e_app_pid" 2>/dev/null
  e2e_app_pid=
done
echo "repaint: the window at rest shows what --settle --png draws"
