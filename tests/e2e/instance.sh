#!/usr/bin/env bash
# One instance per user, with the real program under a virtual X server: a start with a file
# opens it in problem mode; a second start hands its file over and ends without a window; a
# second start without arguments ends at once; a socket left by a killed instance does not stop
# the next start; two starts at the same moment give one window; a second start while the first
# one's start-up message is open is answered, and the message is not said twice; a file name
# that is not UTF-8 is handed over; a stopped instance is waited for, never replaced; a directory
# at the socket's path gives no second instance.
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1

e2e_start_x
first="$e2e_work/first try.trv"
second="$e2e_work/second.trv"
e2e_problem "$first" 5
e2e_problem "$second" 9

# A desktop passes the path as one argument.
e2e_start_app "$program" "$first"
e2e_wait_for '[ "$(e2e_title "$e2e_window")" = "Tarvelo - $first" ]' ||
  e2e_fail "the caption is '$(e2e_title "$e2e_window")'"
e2e_await_still "the problem's piece landing"
e2e_screenshot
# Problem mode: Restart stands where New was, Load and Save are gone, Show solution stays.
scene_x=6
scene_y=62
e2e_expect_pixel $((scene_x + 130)) $((scene_y + 396)) FFFFC0 "no Load button"
e2e_expect_pixel $((scene_x + 210)) $((scene_y + 396)) FFFFC0 "no Save button"
[ "$(e2e_pixel $((scene_x + 40)) $((scene_y + 380)))" != FFFFC0 ] || e2e_fail "no Restart button"
[ "$(e2e_pixel $((scene_x + 870)) $((scene_y + 382)))" != FFFFC0 ] || e2e_fail "no Show solution"

# A second start with another file, named relative to the folder it runs in (not the running
# instance's): handed over, no second window, ends within a few seconds.
start=$(date +%s)
(cd "$(dirname "$second")" && timeout 30 "$program" "$(basename "$second")") >"$e2e_work/second.log" 2>&1
status=$?
[ $status -eq 0 ] || { cat "$e2e_work/second.log" >&2; e2e_fail "the second start ended with $status"; }
[ $(($(date +%s) - start)) -le 10 ] || e2e_fail "the hand-over took more than 10 seconds"
e2e_wait_for '[ "$(e2e_title "$e2e_window")" = "Tarvelo - $second" ]' 5 ||
  e2e_fail "the running window's caption is '$(e2e_title "$e2e_window")'"
windows=$(xdotool search --onlyvisible --name '^Tarvelo' | wc -l)
[ "$windows" -eq 1 ] || e2e_fail "$windows windows are open"

# A second start without arguments ends at once and changes nothing.
start=$(date +%s%N)
timeout 10 "$program" >/dev/null 2>&1 || e2e_fail "a start without arguments failed"
[ $((($(date +%s%N) - start) / 1000000)) -lt 3000 ] || e2e_fail "it did not end at once"
[ "$(e2e_title "$e2e_window")" = "Tarvelo - $second" ] || e2e_fail "the running window changed"

# A killed instance leaves its socket behind; the next start still becomes the running one.
kill -9 "$e2e_app_pid"
wait "$e2e_app_pid" 2>/dev/null
ls "$XDG_RUNTIME_DIR"/tarvelo-*.socket >/dev/null 2>&1 || e2e_fail "no socket was left to test with"
e2e_start_app "$program" "$first"
e2e_wait_for '[ "$(e2e_title "$e2e_window")" = "Tarvelo - $first" ]' ||
  e2e_fail "the start after a crash shows '$(e2e_title "$e2e_window")'"
kill "$e2e_app_pid"
wait "$e2e_app_pid" 2>/dev/null
e2e_app_pid=

# Two starts at the same moment: exactly one window.
"$program" >/dev/null 2>&1 &
a=$!
"$program" >/dev/null 2>&1 &
b=$!
e2e_helper_pids+=("$a" "$b")
# One of them ends at once, having found the other running; then only the other can show a window.
e2e_await "one of two starts at the same moment to end" 'e2e_ended "$a" || e2e_ended "$b"' 20
e2e_await "the window of two starts at the same moment" \
  '[ -n "$(xdotool search --onlyvisible --name "^Tarvelo")" ]' 20
windows=$(xdotool search --onlyvisible --name '^Tarvelo' | wc -l)
[ "$windows" -eq 1 ] || e2e_fail "two starts at once gave $windows windows"
e2e_end_helper "$a"
e2e_end_helper "$b"

# A start whose file is missing says so in a message; a second start while that message is open
# is answered at once, its file is opened, and the message is not said again.
e2e_start_app "$program" "$e2e_work/missing.trv"
e2e_wait_for '[ "$(xdotool search --onlyvisible --pid "$e2e_app_pid" | wc -l)" -eq 2 ]' ||
  e2e_fail "the window and a message about the missing file did not both show"
start=$(date +%s)
timeout 30 "$program" "$second" >"$e2e_work/second.log" 2>&1
status=$?
[ $status -eq 0 ] ||
  { cat "$e2e_work/second.log" >&2; e2e_fail "the start during the message ended with $status"; }
[ $(($(date +%s) - start)) -le 10 ] || e2e_fail "the hand-over during the message took over 10 s"
e2e_wait_for '[ -n "$(xdotool search --onlyvisible --name "^Tarvelo - $second\$")" ]' 5 ||
  e2e_fail "the file handed over during the message was not opened"
windows=$(xdotool search --onlyvisible --pid "$e2e_app_pid" | wc -l)
[ "$windows" -eq 2 ] || e2e_fail "$windows windows are open instead of the window and one message"

# A file name that is not UTF-8 (Latin-1 here) is handed over byte for byte and opened; the
# caption shows the byte it cannot show as a replacement mark.
latin1="$e2e_work/caf"$'\xe9'".trv"
e2e_problem "$latin1" 9
timeout 30 "$program" "$latin1" >"$e2e_work/second.log" 2>&1 ||
  { cat "$e2e_work/second.log" >&2; e2e_fail "the hand-over of a Latin-1 name failed"; }
e2e_wait_for '[ "$(e2e_title "$e2e_window")" = "Tarvelo - $e2e_work/caf"$'"'"'\xef\xbf\xbd'"'"'".trv" ]' 5 ||
  e2e_fail "the Latin-1 name was not opened: the caption is '$(e2e_title "$e2e_window")'"

# A stopped instance whose backlog of connections is full is still the running one: a later
# start leaves its socket alone, opens no window of its own and waits; once the instance goes
# on, it takes the file and the later start ends well.
socket=$(ls -d "$XDG_RUNTIME_DIR"/tarvelo-*.socket)
inode=$(stat -c %i "$socket")
windows_before=$(xdotool search --onlyvisible --name '^Tarvelo' | wc -l)
kill -STOP "$e2e_app_pid"
/usr/bin/python3 - "$socket" "$e2e_work/held" <<'PY' >/dev/null 2>&1 &
import socket, sys, time
held = []
while True:
    s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    s.setblocking(False)
    try:
        s.connect(sys.argv[1])
    except BlockingIOError:
        break
    held.append(s)
open(sys.argv[2], "w").write(str(len(held)))
time.sleep(60)
PY
holder=$!
e2e_helper_pids+=("$holder")
e2e_wait_for '[ -s "$e2e_work/held" ]' || e2e_fail "the backlog of the stopped instance was not filled"
"$program" "$first" >"$e2e_work/waiting.log" 2>&1 &
waiting=$!
e2e_helper_pids+=("$waiting")
# What is checked is that nothing happens for a while: the later start neither gives up, nor takes
# the socket, nor opens a window. Nothing shows that it waits, so only time can tell.
sleep 3
kill -0 "$waiting" 2>/dev/null || { cat "$e2e_work/waiting.log" >&2; e2e_fail "the later start did not wait for the stopped instance"; }
[ -S "$socket" ] && [ "$(stat -c %i "$socket")" = "$inode" ] ||
  e2e_fail "the socket of the stopped instance was replaced"
windows=$(xdotool search --onlyvisible --name '^Tarvelo' | wc -l)
[ "$windows" -eq "$windows_before" ] || e2e_fail "a start during the stop gave $windows windows, not $windows_before"
kill -CONT "$e2e_app_pid"
wait "$waiting"
status=$?
e2e_forget_helper "$waiting"
[ $status -eq 0 ] || { cat "$e2e_work/waiting.log" >&2; e2e_fail "the start that waited ended with $status"; }
e2e_wait_for '[ "$(e2e_title "$e2e_window")" = "Tarvelo - $first" ]' 5 ||
  e2e_fail "the file of the start that waited was not opened"
e2e_end_helper "$holder"
kill "$e2e_app_pid"
wait "$e2e_app_pid" 2>/dev/null
e2e_app_pid=

# A directory at the socket's path: the first start runs and says it cannot take hand-overs; a
# later start opens no second window and says why it could not hand its file over.
rm -f "$socket"
mkdir -p "$socket/inside"
e2e_start_app "$program" "$first"
e2e_wait_for 'grep -q "in the way" "$e2e_work/app.log"' 5 ||
  { cat "$e2e_work/app.log" >&2; e2e_fail "the start beside a directory did not say so"; }
timeout 30 "$program" "$second" >"$e2e_work/second.log" 2>&1
status=$?
[ $status -eq 1 ] || { cat "$e2e_work/second.log" >&2; e2e_fail "the start that could not hand over ended with $status"; }
grep -q "is not its socket" "$e2e_work/second.log" ||
  { cat "$e2e_work/second.log" >&2; e2e_fail "the start that could not hand over did not say why"; }
windows=$(xdotool search --onlyvisible --name '^Tarvelo' | wc -l)
[ "$windows" -eq 1 ] || e2e_fail "a directory at the socket's path gave $windows windows"
[ -d "$socket/inside" ] || e2e_fail "the directory at the socket's path was removed"

echo "end-to-end single instance: hand-over, quiet second starts, stale socket, one window," \
  "a hand-over during a start-up message, a Latin-1 name, a stopped instance, a directory in" \
  "the socket's place"
