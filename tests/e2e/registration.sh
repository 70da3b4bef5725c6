#!/usr/bin/env bash
# The file type is registered for the user, in a home of the test's own: not by a program run
# from its build folder unless --register asks; then the MIME type of a .trv file and its default
# application; a second start rewrites nothing; a default application the user chose stays; what
# the system provides is not copied, and an earlier start's copies of it go; a program whose path
# has a per cent sign is still started for a file opened from the desktop; a home that cannot be
# written still opens the window.
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$(readlink -f "$1")

# The program registers in a thread of its own, started before its window shows; the thread ends
# when the registration is done, and leaves the program's other threads, which the toolkit names
# after their work, and the main one, named after the program.
registered() {
  local comm
  comm=$(cat "/proc/$e2e_app_pid/comm") || return 1
  [ "$(cat "/proc/$e2e_app_pid"/task/*/comm | grep -cxF -- "$comm")" -eq 1 ]
}

# Ends the program this script started last, and waits for it.
end_app() {
  kill "$e2e_app_pid"
  wait "$e2e_app_pid" 2>/dev/null
  e2e_app_pid=
}

# The desktop's database tools, which a start leaves running by themselves, write there too.
await_database_tools() {
  e2e_await "the desktop's database tools to finish" \
    '! pgrep -f "update-(mime|desktop)-database $HOME/" >/dev/null' 20
}

e2e_start_x

# From its build folder, without being asked, the program registers nothing.
e2e_start_app "$program"
e2e_await "the unasked start's registration to end" registered 20
end_app
registration_files() {
  find "$HOME/.local/share/applications" "$HOME/.local/share/mime" "$HOME/.local/share/icons" \
    "$HOME/.config/mimeapps.list" 2>/dev/null
}
[ -z "$(registration_files)" ] || e2e_fail "a build folder registered: $(registration_files)"

e2e_start_app "$program" --register
data="$HOME/.local/share"
entry="$data/applications/tarvelo.desktop"
e2e_wait_for '[ -f "$HOME/.config/mimeapps.list" ]' || e2e_fail "nothing was registered"
desktop-file-validate "$entry" || e2e_fail "the desktop entry is not valid"
grep -q "^Exec=$program %f\$" "$entry" || e2e_fail "the entry does not open files with $program"

e2e_problem "$e2e_work/lesson.trv" 5
# The MIME database is refreshed in the background.
e2e_wait_for '[ "$(xdg-mime query filetype "$e2e_work/lesson.trv")" = application/x-tarvelo-problem ]' 20 ||
  e2e_fail "a .trv file is of type '$(xdg-mime query filetype "$e2e_work/lesson.trv")'"
[ "$(xdg-mime query default application/x-tarvelo-problem)" = tarvelo.desktop ] ||
  e2e_fail "the default application is '$(xdg-mime query default application/x-tarvelo-problem)'"
grep -q "Learning numbers and equations with simplicity" "$data/mime/packages/tarvelo.xml" ||
  e2e_fail "the type has not its comment"
[ -f "$data/icons/hicolor/scalable/apps/tarvelo.svg" ] || e2e_fail "no icon"

# A second start rewrites nothing.
e2e_await "the first start's registration to end" registered 20
end_app
await_database_tools
before=$(find "$HOME" -type f -printf '%p %T@\n' | sort)
# A rewrite must show as a later time: the coarse clock that stamps files passes the newest first.
newest=$(find "$HOME" -type f -printf '%T@ %p\n' | sort -n | tail -n1 | cut -d' ' -f2-)
e2e_await "the file system's clock to pass the registered files' times" \
  'touch "$e2e_work/clock" && [ "$e2e_work/clock" -nt "$newest" ]' 5
e2e_start_app "$program" --register
e2e_await "the second start's registration to end" registered 20
after=$(find "$HOME" -type f -printf '%p %T@\n' | sort)
[ "$before" = "$after" ] || e2e_fail "a second start rewrote files: $(diff <(echo "$before") <(echo "$after"))"
end_app

# The user chooses another program for the type: a start, even asked, leaves the choice.
other="$data/applications/other.desktop"
printf '%s\n' "[Desktop Entry]" "Type=Application" "Name=Other" "Exec=true %f" \
  "MimeType=application/x-tarvelo-problem;" >"$other"
xdg-mime default other.desktop application/x-tarvelo-problem
chosen=$(cat "$HOME/.config/mimeapps.list")
e2e_start_app "$program" --register
e2e_await "the registration beside the user's choice to end" registered 20
end_app
[ "$(cat "$HOME/.config/mimeapps.list")" = "$chosen" ] ||
  e2e_fail "the user's choice was changed: $(cat "$HOME/.config/mimeapps.list")"
[ "$(xdg-mime query default application/x-tarvelo-problem)" = other.desktop ] ||
  e2e_fail "the default application is '$(xdg-mime query default application/x-tarvelo-problem)'"
xdg-mime default tarvelo.desktop application/x-tarvelo-problem
rm "$other"
await_database_tools

# The system provides the entry for this program, the type and the icon, as a package does: a
# start without the option takes the copies an earlier start made away, and writes nothing.
system="$e2e_work/system"
mkdir -p "$system/applications" "$system/mime/packages" "$system/icons/hicolor/scalable/apps"
cp "$entry" "$system/applications/"
cp "$data/mime/packages/tarvelo.xml" "$system/mime/packages/"
cp "$data/icons/hicolor/scalable/apps/tarvelo.svg" "$system/icons/hicolor/scalable/apps/"
defaults=$(cat "$HOME/.config/mimeapps.list")
XDG_DATA_DIRS="$system:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" e2e_start_app "$program"
e2e_await "the start beside the system's files to end its registration" registered 20
end_app
await_database_tools
for copy in "$entry" "$data/mime/packages/tarvelo.xml" "$data/icons/hicolor/scalable/apps/tarvelo.svg"; do
  [ ! -e "$copy" ] || e2e_fail "the system provides it, yet the user keeps $copy"
done
[ "$(cat "$HOME/.config/mimeapps.list")" = "$defaults" ] || e2e_fail "the defaults were changed"

# A program in a folder whose name has a per cent sign and a blank: a file opened from the
# desktop (here through gio, as file managers built on GLib do) still starts it with that file.
odd="$e2e_work/100% sure"
mkdir -p "$odd"
cp "$program" "$odd/tarvelo"
e2e_start_app "$odd/tarvelo" --register
e2e_wait_for 'grep -q "100%% sure" "$entry"' || e2e_fail "the entry does not name the moved program"
end_app
desktop-file-validate "$entry" || e2e_fail "the desktop entry for the moved program is not valid"
gio open "$e2e_work/lesson.trv" || e2e_fail "gio did not open a .trv file: $(grep ^Exec= "$entry")"
opened=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tarvelo - .*/lesson\.trv$' | head -n1)
[ -n "$opened" ] || e2e_fail "opening the file did not show it: $(grep ^Exec= "$entry")"
# Started by gio, not by this shell: ended by its process id, and waited for by polling.
opened_pid=$(xdotool getwindowpid "$opened")
# Ended with the rest should this go wrong.
e2e_helper_pids+=("$opened_pid")
kill "$opened_pid"
e2e_wait_for '! kill -0 "$opened_pid"' || e2e_fail "the program started by gio did not end"
e2e_forget_helper "$opened_pid"

# A home that cannot be written (even by the superuser): the window opens all the same.
export HOME=/proc/self/fdinfo
e2e_start_app "$program" --register
kill -0 "$e2e_app_pid" || e2e_fail "no window without a writable home"

echo "end-to-end registration: only when asked from a build folder, type, default application, nothing rewritten, the user's choice and the system's files kept, silent failure"
