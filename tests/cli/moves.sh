#!/usr/bin/env bash
# --moves without a window: lessons solved end to end by scripts of moves, a refused move (status
# 4, everything still printed, no move after it made), a script that cannot be read (status 2
# with the usage) and --moves without --settle (status 1).
set -u
program=$1
lessons=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

fail() { echo "FAIL: $*" >&2; exit 1; }

# Settles lesson $1 with the script $2 into $work/out.json; the status is the program's.
play() {
  local lesson
  lesson=$(ls "$lessons"/"$1 "*.trv) || fail "no lesson $1"
  "$program" --settle "$lesson" --moves "$2" --json >"$work/out.json" 2>"$work/err"
}

# Checks $work/out.json: the lines after each move, and what "solved" says (a JSON value).
expect() {
  /usr/bin/python3 - "$work/out.json" "$@" <<'PY' || fail "$(cat "$work/out.json" "$work/err")"
import json, sys
report = json.load(open(sys.argv[1]))
lines, solved = json.loads(sys.argv[2]), json.loads(sys.argv[3])
assert [m["equation"] for m in report["moves"]] == lines, report["moves"]
assert report["equation"] == lines[-1], report["equation"]
assert report["solved"] == solved, report["solved"]
assert report["rested"] is True
PY
}

# Lesson 11, X + 2 = 5: the 5 split into 2 and 3, a 2 taken from both pans.
play 11 "split right 5 2 3; take 2" || fail "lesson 11 ended with status $?"
expect '["X + 2 = 5", "X = 3"]' '{"unknown": "X", "value": 3, "side": "left"}'
/usr/bin/python3 -c 'import json,sys; r=json.load(open(sys.argv[1])); assert all(m["refused"] is None for m in r["moves"]); assert [m["move"] for m in r["moves"]] == ["split right 5 2 3", "take 2"]' \
  "$work/out.json" || fail "lesson 11's moves: $(cat "$work/out.json")"

# Lesson 16, 2X = 8: the 8 split into two 4, both pans shared into 2.
play 16 "split right 8 4 4; share 2" || fail "lesson 16 ended with status $?"
expect '["2X = 8", "X = 4"]' '{"unknown": "X", "value": 4, "side": "left"}'

# Lesson 19, 2X + 1 = X + 4: an X from both, the 4 split into 1 and 3, a 1 from both.
play 19 "take X; split right 4 1 3; take 1" || fail "lesson 19 ended with status $?"
expect '["X + 1 = 4", "X + 1 = 4", "X = 3"]' '{"unknown": "X", "value": 3, "side": "left"}'

# Checks put lesson 11 back with X as given: 3 balances, 4 does not; each line written with values.
play 11 "split right 5 2 3; take 2; check 3; check 4" || fail "the checks ended with status $?"
/usr/bin/python3 - "$work/out.json" <<'PY' || fail "the checks: $(cat "$work/out.json")"
import json, sys
report = json.load(open(sys.argv[1]))
checks = [(m["equation"], m["balances"]) for m in report["moves"] if m["move"].startswith("check")]
assert checks == [("3 + 2 = 5", True), ("4 + 2 > 5", False)], checks
assert all("balances" not in m for m in report["moves"] if not m["move"].startswith("check"))
assert report["equation"] == "X + 2 > 5" and report["solved"] is None, report
PY

# Sharing 8 into 2 needs an exchange first: refused, said in words, the move after it not made.
play 16 "share 2; split right 8 4 4"
status=$?
[ $status -eq 4 ] || fail "a refused move ended with status $status"
/usr/bin/python3 - "$work/out.json" <<'PY' || fail "the refused move: $(cat "$work/out.json")"
import json, sys
report = json.load(open(sys.argv[1]))
assert len(report["moves"]) == 1, report["moves"]
move = report["moves"][0]
assert move["move"] == "share 2" and move["equation"] == "2X = 8", move
assert "exchange first" in move["refused"], move["refused"]
assert report["equation"] == "2X = 8" and report["solved"] is None
PY
grep -q "share 2" "$work/err" || fail "the refusal is not said on standard error: $(cat "$work/err")"

# Without --json the line is printed and the refusal said all the same.
lesson=$(ls "$lessons"/"19 "*.trv)
out=$("$program" --settle "$lesson" --moves "take 3" 2>"$work/err")
status=$?
[ $status -eq 4 ] || fail "a refused move without --json ended with status $status"
[ "$out" = "2X + 1 = X + 4" ] || fail "the line after a refused move was '$out'"
grep -q "holds no cube 3" "$work/err" || fail "the refusal says: $(cat "$work/err")"

# A script that cannot be read: nothing is settled, the usage follows the reason, status 2.
for script in "take 2; swap 3" "split right 5 2" "take 10" "drop middle X" ""; do
  "$program" --settle "$lesson" --moves "$script" >"$work/out" 2>"$work/err"
  status=$?
  [ $status -eq 2 ] || fail "the script '$script' ended with status $status"
  [ ! -s "$work/out" ] || fail "the script '$script' printed $(cat "$work/out")"
  grep -q -- "--moves" "$work/err" && grep -q "Usage:" "$work/err" ||
    fail "the script '$script' was refused with: $(cat "$work/err")"
done
# A word that names no move is answered with every word that does, check among them.
"$program" --settle "$lesson" --moves "swap 3" 2>"$work/err" >/dev/null
grep -q "is no move (take, add, split, join, share, drop, remove, check)" "$work/err" ||
  fail "the unknown move was answered with: $(cat "$work/err")"

"$program" --moves "take 1" 2>/dev/null
[ $? -eq 1 ] || fail "--moves without --settle was accepted"

echo "moves: lessons solved, refusals said, scripts read as they should"
