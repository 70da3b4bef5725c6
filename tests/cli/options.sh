#!/usr/bin/env bash
# Options nobody knows are refused before anything reaches for a display: status 2, the usage on
# standard error, nothing on standard output, no window, no running instance and nothing
# registered with the desktop; a start of the window without a display says so (status 1).
# --version names the version and the licence.
set -u
program=$(readlink -f "$1")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# No display at all: a start that tried to open a window would end with 1 instead of 2.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
export TARVELO_INSTANCE_FOLDER="$work/run"
mkdir -m 700 -p "$HOME" "$TARVELO_INSTANCE_FOLDER"
cd "$work" || exit 1

fail() { echo "FAIL: $*" >&2; exit 1; }

# Each line: the words after the program's name, separated by "|".
cases=(
  "--bogus"
  "--bogus|lesson.trv"        # an option before a file
  "-x.trv"                    # a name that starts with a dash needs -- or ./
  "-"                         # there is no problem on standard input
  "--settle-all"              # an option's name is matched whole
  "--version=2"               # a value where the option takes none
  "-style|fusion|--bogus"     # after an option the toolkit takes
  "--settle|lesson.trv|--bogus" # among the options of a run without a window
)
for line in "${cases[@]}"; do
  IFS='|' read -r -a words <<<"$line"
  "$program" "${words[@]}" >"$work/out" 2>"$work/err"
  status=$?
  [ $status -eq 2 ] || fail "'${words[*]}' ended with status $status: $(cat "$work/err")"
  grep -q "^Usage: .*tarvelo \[options\] \[--\] \[FILE\]" "$work/err" ||
    fail "'${words[*]}' printed no usage on standard error: $(cat "$work/err")"
  grep -q -- "--settle" "$work/err" || fail "'${words[*]}': the usage lists no options"
  [ ! -s "$work/out" ] || fail "'${words[*]}' printed on standard output: $(cat "$work/out")"
done
# The first word that nobody knows is named.
"$program" -style fusion --bogus lesson.trv 2>"$work/err"
grep -q "unknown option “--bogus”" "$work/err" || fail "the option is not named: $(cat "$work/err")"

# Without a display the window's starts say so and end with 1, the runs without a window run.
for line in "" "lesson.trv" "--register" "-style|fusion|--|-x.trv"; do
  IFS='|' read -r -a words <<<"$line"
  "$program" "${words[@]}" >"$work/out" 2>"$work/err"
  status=$?
  [ $status -eq 1 ] || fail "'${words[*]}' without a display ended with status $status: $(cat "$work/err")"
  grep -q "no display" "$work/err" || fail "'${words[*]}' without a display said: $(cat "$work/err")"
done
"$program" --challenge 1 --seed 3 --settle >"$work/out" 2>"$work/err" ||
  fail "a challenge without a display ended with status $?: $(cat "$work/err")"
[ -s "$work/out" ] || fail "a challenge without a display printed nothing"

# Not one of them started an instance or registered the file type.
[ -z "$(ls -A "$TARVELO_INSTANCE_FOLDER")" ] || fail "a refused start left $(ls -A "$TARVELO_INSTANCE_FOLDER")"
[ ! -e "$XDG_DATA_HOME" ] && [ ! -e "$XDG_CONFIG_HOME" ] ||
  fail "a refused start registered the file type"

# --version and -v: the version of the build and the licence the package's copyright file gives
# for the program; nothing on standard error.
for option in --version -v; do
  "$program" $option >"$work/out" 2>"$work/err" || fail "$option ended with status $?"
  grep -qx "Tarvelo [0-9]\+\.[0-9]\+\.[0-9]\+" "$work/out" || fail "$option: $(cat "$work/out")"
  grep -q "^Licence: GPL-3.0-or-later " "$work/out" || fail "$option names no licence"
  [ ! -s "$work/err" ] || fail "$option wrote on standard error: $(cat "$work/err")"
done
copyright=$source_dir/packaging/copyright
licence=$(awk '/^Files: \*$/ { f = 1 } f && /^License:/ { print $2; exit }' "$copyright")
grep -q "^Licence: $licence " "$work/out" ||
  fail "--version and packaging/copyright name different licences ($licence)"
# --help is no refusal: the usage on standard output, status 0.
"$program" --help >"$work/out" 2>"$work/err" || fail "--help ended with status $?"
grep -q "^Usage: " "$work/out" && [ ! -s "$work/err" ] || fail "--help: $(cat "$work/err")"

echo "options: unknown ones refused with the usage and status 2, --version names the licence"
