#!/usr/bin/env bash
# --challenge without a window: the report of a made challenge (its keys, the same for the same
# seed), its solution passed back as --moves solves it, and a bad level, a bad seed or a missing
# option refused.
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

fail() { echo "FAIL: $*" >&2; exit 1; }

for level in 1 2 3 4 5; do
  "$program" --challenge "$level" --seed 7 --settle --json >"$work/out.json" 2>"$work/err" ||
    fail "level $level ended with status $?: $(cat "$work/err")"
  "$program" --challenge "$level" --seed 7 --settle --json >"$work/again.json" 2>/dev/null ||
    fail "level $level again ended with status $?"
  cmp -s "$work/out.json" "$work/again.json" || fail "level $level, seed 7 differs from itself"
  /usr/bin/python3 - "$work/out.json" "$level" <<'PY' || fail "level $level: $(cat "$work/out.json")"
import json, sys
report = json.load(open(sys.argv[1]))
assert report["level"] == int(sys.argv[2]), report["level"]
assert report["goal"] == "find X", report["goal"]
assert report["fewestMoves"] > 0, report["fewestMoves"]
assert len(report["solution"].split(";")) == report["fewestMoves"], report["solution"]
assert report["rested"] is True
assert all(p["pan"] in ("left", "right") for p in report["pieces"]), report["pieces"]
assert " = " in report["equation"] and "X" in report["equation"], report["equation"]
assert "moves" not in report and "solved" not in report
PY
  solution=$(/usr/bin/python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["solution"])' "$work/out.json")
  equation=$(/usr/bin/python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["equation"])' "$work/out.json")
  "$program" --challenge "$level" --seed 7 --settle --moves "$solution" --json >"$work/solved.json" 2>"$work/err" ||
    fail "level $level's solution ended with status $?: $(cat "$work/err")"
  /usr/bin/python3 - "$work/solved.json" <<'PY' || fail "level $level's solution: $(cat "$work/solved.json")"
import json, sys
report = json.load(open(sys.argv[1]))
assert all(m["refused"] is None for m in report["moves"]), report["moves"]
assert report["solved"] is not None and report["solved"]["unknown"] == "X", report["solved"]
assert report["equation"] == "X = %d" % report["solved"]["value"] or \
       report["equation"].endswith("= X"), report["equation"]
PY
  # Without --json: the line, then the goal.
  "$program" --challenge "$level" --seed 7 --settle >"$work/plain" 2>"$work/err" ||
    fail "level $level without --json ended with status $?"
  [ "$(head -n 1 "$work/plain")" = "$equation" ] || fail "level $level printed $(cat "$work/plain")"
  grep -q "^Find X" "$work/plain" || fail "level $level's goal is missing: $(cat "$work/plain")"
done

# A bad level or seed: nothing settled, the reason and the usage, status 2.
for args in "--challenge 0 --seed 1" "--challenge 6 --seed 1" "--challenge two --seed 1" \
            "--challenge 1 --seed -1" "--challenge 1 --seed x" \
            "--challenge 1 --seed 18446744073709551616"; do
  # shellcheck disable=SC2086
  "$program" $args --settle >"$work/out" 2>"$work/err"
  status=$?
  [ $status -eq 2 ] || fail "'$args' ended with status $status"
  [ ! -s "$work/out" ] || fail "'$args' printed $(cat "$work/out")"
  grep -q -- "--challenge\|--seed" "$work/err" && grep -q "Usage:" "$work/err" ||
    fail "'$args' was refused with: $(cat "$work/err")"
done
# A seed is digits alone: a sign or a blank is refused however it is placed.
for seed in "+5" " +5" " 5" "5 " ""; do
  "$program" --challenge 1 --seed "$seed" --settle >"$work/out" 2>"$work/err"
  status=$?
  [ $status -eq 2 ] || fail "the seed '$seed' ended with status $status"
  grep -q -- "--seed: .* is no seed" "$work/err" || fail "the seed '$seed' was refused with: $(cat "$work/err")"
done

# The options that go together, missing one of them: status 1.
for args in "--challenge 1 --settle" "--challenge 1 --seed 3" "--seed 3 --settle lesson.trv" \
            "--challenge 1 --seed 3 --settle lesson.trv"; do
  # shellcheck disable=SC2086
  "$program" $args >/dev/null 2>"$work/err"
  status=$?
  [ $status -eq 1 ] || fail "'$args' ended with status $status"
done

echo "challenge: reports made, solutions solve, bad levels and seeds refused"
