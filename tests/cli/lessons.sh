#!/usr/bin/env bash
# The lessons that come with the program, each settled without a window: it comes to rest, keeps
# every piece it holds and shows the equation line its manifest gives; the manifest names every
# lesson, each has its lesson file beside it, and there are at least twenty.
set -euo pipefail
program=$1
lessons=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
readonly fewest_lessons=20
readonly count_line=4 # a problem file gives its number of pieces on line 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

manifest="$lessons/lessons.tsv"
[ -f "$manifest" ] || fail "there is no manifest $manifest"

# The manifest and the folder name the same lessons, each once.
shopt -s nullglob
present=("$lessons"/*.trv)
cut -f1 "$manifest" | LC_ALL=C sort >"$work/listed"
printf '%s\n' "${present[@]##*/}" | LC_ALL=C sort >"$work/present"
[ -z "$(uniq -d "$work/listed")" ] || fail "the manifest lists a lesson twice: $(uniq -d "$work/listed")"
diff "$work/listed" "$work/present" >&2 || fail "the manifest and the lesson files differ"
# Each lesson has its lesson file beside it, and no lesson file is left without its problem.
sidecars=("$lessons"/*.lesson)
printf '%s\n' "${sidecars[@]##*/}" | sed 's/\.lesson$/.trv/' | LC_ALL=C sort >"$work/sidecars"
diff "$work/present" "$work/sidecars" >&2 || fail "the lesson files and the problems differ"
lessons_found=${#present[@]}
[ "$lessons_found" -ge "$fewest_lessons" ] || fail "only $lessons_found lessons"

while IFS=$'\t' read -r name equation; do
  file="$lessons/$name"
  pieces=$(sed -n "${count_line}p" "$file" | tr -d '\r')
  "$program" --settle "$file" --json >"$work/scene.json" || fail "\"$name\" ended with status $?"
  /usr/bin/python3 - "$work/scene.json" "$pieces" "$equation" <<'PY' || fail "\"$name\" did not settle as the manifest says"
import json, sys
scene = json.load(open(sys.argv[1]))
pieces, equation = int(sys.argv[2]), sys.argv[3]
assert scene["rested"] is True, "it did not come to rest"
assert len(scene["pieces"]) == pieces, f"{len(scene['pieces'])} of its {pieces} pieces are left"
assert all(p["pan"] is not None for p in scene["pieces"]), "a piece rests on neither pan"
assert scene["equation"] == equation, f"it shows \"{scene['equation']}\", not \"{equation}\""
PY
done <"$manifest"

echo "lessons: all $lessons_found settle with every piece and the equation of the manifest"
