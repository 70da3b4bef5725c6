#!/usr/bin/env bash
# The program without a window: --settle prints the equation line, --json the whole scene,
# --png draws the window, --show-solution shows the values, a refused file ends with status 2,
# a piece saved absurdly high still comes to rest, --help and --version.
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

fail() { echo "FAIL: $*" >&2; exit 1; }

# X = 7 and Y = 3; a cube bearing 5 and an X on the left pan, a cube bearing 9 on the right.
problem="$work/worksheet 1.trv"
printf '# Tarvelo file - 10:00:00 - 01/02/2026\r\n7\r\n3\r\n3\r\n100\r\n252\r\n5\r\n5\r\n160\r\n252\r\n7\r\n11\r\n600\r\n252\r\n9\r\n9\r\n' >"$problem"

out=$("$program" --settle "$problem" --png "$work/plain.png") || fail "--settle exited $?"
[ "$out" = "X + 5 > 9" ] || fail "--settle printed '$out'"
[ "$(identify -format '%wx%h' "$work/plain.png")" = "960x546" ] || fail "the picture is not 960 x 546"

pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6 | tr 'a-f' 'A-F'; }
# A difference of 3 tilts the pans 10 pixels apart: the left pan's top at 297, the right's at 287
# (scene pixels; the scene starts at (6, 62) in the window).
[ "$(pixel "$work/plain.png" 336 359)" = 000000 ] || fail "the left pan is not where it should be"
[ "$(pixel "$work/plain.png" 810 349)" = 000000 ] || fail "the right pan is not where it should be"
# The buttons are those of problem mode, as \`tarvelo FILE\` shows the same file: where Load would
# stand there is only the scene.
[ "$(pixel "$work/plain.png" 139 458)" = FFFFC0 ] || fail "the picture shows the buttons of free play"
# The X piece rests on the left pan at x 160: red, or the cube bearing 7 with the solution shown.
[ "$(pixel "$work/plain.png" 178 355)" = FF0000 ] || fail "the X piece is not drawn as X"
out=$("$program" --settle "$problem" --show-solution --png "$work/solved.png") || fail "--show-solution"
[ "$out" = "X + 5 > 9" ] || fail "--show-solution changed the line to '$out'"
[ "$(pixel "$work/solved.png" 178 355)" = 00FFC0 ] || fail "the X piece is not drawn as its value"

# --json: the line, the rest, the pans and every piece with the pan it counts for.
"$program" --settle "$problem" --json >"$work/scene.json" || fail "--json exited $?"
/usr/bin/python3 - "$work/scene.json" <<'PY' || fail "--json printed $(cat "$work/scene.json")"
import json, sys
scene = json.load(open(sys.argv[1]))
assert scene["equation"] == "X + 5 > 9", scene["equation"]
assert scene["rested"] is True and 0 < scene["sceneMilliseconds"] < 120000
assert [p["y"] for p in scene["pans"]] == [297, 287], scene["pans"]
pieces = [(p["kind"], p["pan"]) for p in scene["pieces"]]
assert pieces == [(5, "left"), (11, "left"), (9, "right")], pieces
left = scene["pans"][0]
assert all(p["y"] + p["height"] == left["y"] for p in scene["pieces"][:2])
PY

# A piece saved absurdly high (a billion pixels up, or near the end of the numbers a file may
# hold) starts within reach above the scene: it lands on its pan within seconds of scene time.
for far in -1000000000 -2147483000; do
  printf '# Tarvelo file - 10:00:00 - 01/02/2026\r\n7\r\n3\r\n1\r\n100\r\n%s\r\n5\r\n5\r\n' "$far" >"$work/far.trv"
  out=$("$program" --settle "$work/far.trv") || fail "a piece saved at $far did not come to rest"
  [ "$out" = "5 > 0" ] || fail "a piece saved at $far settled to '$out'"
done

# A refused file: status 2 and a message naming it.
printf 'h\r\n7\r\n3\r\n-1\r\n' >"$work/bad.trv"
"$program" --settle "$work/bad.trv" >"$work/out" 2>"$work/err"
status=$?
[ $status -eq 2 ] || fail "a refused file ended with status $status"
grep -q "bad.trv" "$work/err" || fail "the message does not name the file: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "a refused file printed a line"
"$program" --settle "$work/missing.trv" 2>/dev/null
[ $? -eq 2 ] || fail "a missing file did not end with status 2"

# Command-line conventions.
"$program" --help | grep -q -- "--settle" || fail "--help does not describe --settle"
"$program" --version | grep -q "[0-9]\.[0-9]" || fail "--version shows no version"
"$program" --png "$work/x.png" 2>/dev/null
[ $? -eq 1 ] || fail "--png without --settle was accepted"

echo "headless run: settles, prints, draws and refuses as it should"
