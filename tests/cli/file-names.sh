#!/usr/bin/env bash
# The window opens the file the command line names, under a virtual X server: a path with blanks
# passed unquoted as several words (as a desktop may pass it), a name that starts with a dash
# after -- or as ./-name, and a file after an option the toolkit takes. Each start after the
# first hands its file to the running window, which shows it in its title.
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/../e2e/lib.sh"
program=$(readlink -f "$1")

e2e_start_x
folder="$e2e_work/my lessons"
mkdir -p "$folder"
for name in "first try.trv" "-dash.trv" "-dash and blank.trv" "a -b --settle.trv" "styled.trv"; do
  e2e_problem "$folder/$name" 5
done
cd "$folder" || e2e_fail "no folder"

# The title the window shows for a problem opened from this folder.
expect_title() {
  wanted="Tarvelo - $1" # a global: e2e_wait_for evaluates the condition in its own function
  e2e_wait_for '[ "$(e2e_title "$e2e_window")" = "$wanted" ]' 10 ||
    e2e_fail "$2: the window shows '$(e2e_title "$e2e_window")', not '$wanted'"
}

# The first start opens the window; "my" and "lessons/first" and "try.trv" are three words.
# shellcheck disable=SC2086 # split on purpose, as a desktop that does not quote would
e2e_start_app "$program" $folder/first\ try.trv
expect_title "$folder/first try.trv" "a path with blanks in several words"

# Each line: what the test is about | the words after the program's name, separated by "+" |
# the path the window then shows.
cases=(
  "-- then a dash name|--+-dash.trv|$folder/-dash.trv"
  "./-name|./-dash.trv|$folder/./-dash.trv"
  "-- then a dash name with a blank in two words|--+-dash+and+blank.trv|$folder/-dash and blank.trv"
  "words after the first that look like options|$folder/a+-b+--settle.trv|$folder/a -b --settle.trv"
  "an option the toolkit takes, then the file|-style+Fusion+styled.trv|$folder/styled.trv"
)
for line in "${cases[@]}"; do
  IFS='|' read -r what words expected <<<"$line"
  IFS='+' read -r -a argv <<<"$words"
  "$program" "${argv[@]}" >"$e2e_work/later.log" 2>&1
  status=$?
  [ $status -eq 0 ] || e2e_fail "$what: the later start ended with $status: $(cat "$e2e_work/later.log")"
  expect_title "$expected" "$what"
done

echo "file names: blanks, -- and ./-name, and toolkit options open the file they name"
