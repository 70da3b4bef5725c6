#!/usr/bin/env bash
# Another user's socket and lock never get this user's hand-over, with the real program under a
# virtual X server: neither the environment nor a squatted shared temporary folder moves the place
# of the one instance, a socket and a lock left by another user in the private folder are
# replaced, a connection from another user is dropped unread, and another user's socket at the
# path of a running instance is sent nothing.
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1

if [ "$(id -u)" -ne 0 ] || ! command -v setpriv >/dev/null; then
  echo "SKIP: acting as another user needs the superuser and setpriv"
  exit 77
fi
nobody=65534
as_nobody_options=(--reuid=$nobody --regid=$nobody --clear-groups)
as_nobody() { setpriv "${as_nobody_options[@]}" "$@"; }
uid=$(id -u)
name="tarvelo-$uid"

# A folder the other user can work in, inside the test's own.
chmod 711 "$e2e_work"
pub="$e2e_work/pub"
mkdir -p "$pub"
chmod 777 "$pub"
log="$pub/stranger.log"
: >"$log"
chmod 666 "$log"

# The other user's program: listens on the given paths (and holds the lock file when one is
# given), and writes down every connection and what came on it.
cat >"$pub/stranger.py" <<'PY'
import fcntl, os, select, socket, sys
log, ready, lock = sys.argv[1], sys.argv[2], sys.argv[3]
if lock != "-":
    held = os.open(lock, os.O_RDWR | os.O_CREAT, 0o666)
    fcntl.lockf(held, fcntl.LOCK_EX | fcntl.LOCK_NB)
servers = []
for path in sys.argv[4:]:
    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    server.bind(path)
    os.chmod(path, 0o777)
    server.listen(64)
    servers.append(server)
open(ready, "w").write("ready")
while True:
    readable, _, _ = select.select(servers, [], [], 1)
    for server in readable:
        connection, _ = server.accept()
        connection.settimeout(2)
        try:
            data = connection.recv(65536)
        except OSError:
            data = b""
        with open(log, "ab") as out:
            out.write(b"connection:" + data + b"\n")
        connection.close()
PY
stranger=
start_stranger() {
  # One at a time: a second would make the first one's process id forgotten.
  [ -z "$stranger" ] || stop_stranger
  rm -f "$pub/ready"
  # setpriv itself, not as_nobody: a function run with & is a shell of its own, and $! would be
  # that shell, whose end leaves the listener running. setpriv execs, so $! is the listener.
  setpriv "${as_nobody_options[@]}" /usr/bin/python3 "$pub/stranger.py" "$log" "$pub/ready" "$@" \
    >/dev/null 2>&1 &
  stranger=$!
  # Ended with the rest if the script fails from here on.
  e2e_helper_pids+=("$stranger")
  e2e_wait_for '[ -s "$pub/ready" ]' || e2e_fail "the other user's program did not start"
}
stop_stranger() {
  e2e_end_helper "$stranger"
  stranger=
}
stop_app() {
  kill "$e2e_app_pid"
  wait "$e2e_app_pid" 2>/dev/null
  e2e_app_pid=
}
# Nothing of a hand-over ever reached the other user.
expect_nothing_handed_over() {
  ! grep -q TRV1 "$log" || e2e_fail "the other user's socket received a hand-over ($1)"
}
expect_one_window() {
  local windows
  windows=$(xdotool search --onlyvisible --name '^Tarvelo' | wc -l)
  [ "$windows" -eq 1 ] || e2e_fail "$windows windows are open ($1)"
}
hand_over() {
  timeout 40 "$program" "$1" >"$e2e_work/later.log" 2>&1
}

e2e_start_x
first="$pub/first.trv"
second="$pub/second.trv"
third="$pub/third.trv"
e2e_problem "$first" 5
e2e_problem "$second" 9
e2e_problem "$third" 3
chmod 644 "$first" "$second" "$third"

# The one instance's place is chosen by the user's number and the user database alone. The other
# user got to the shared temporary folder first (a folder of the name this user once made there,
# holding a socket and a lock, a socket right in it, and the toolkit's own fallback for a runtime
# folder), and this user's starts come with different environments: without a runtime folder and
# with that temporary folder, with a runtime folder of their own, through a link to it, with
# other homes. All reach the one window, also once the other user has removed the squatted
# folder. This part runs in the system's place for this user (TARVELO_INSTANCE_FOLDER unset),
# and is skipped if anything of a Tarvelo already lies there; what it made there goes at the end.
system_home=$(getent passwd "$uid" | cut -d: -f6)
runtime_socket="/run/user/$uid/$name.socket"
cache_folder="$system_home/.cache/$name"
cache_socket="$cache_folder/$name-$(uname -n).socket"
made_paths=()
for path in "$system_home/.cache" "$cache_folder" "${runtime_socket%.socket}.lock" \
  "${cache_socket%.socket}.lock"; do
  [ -e "$path" ] || made_paths=("$path" "${made_paths[@]}")
done
if [ -e "$runtime_socket" ] || [ -e "$cache_socket" ]; then
  echo "the system's place for this user is in use: the part with different environments is skipped"
else
  squatted="$e2e_work/tmp"
  mkdir -p "$squatted"
  chmod 1777 "$squatted"
  as_nobody mkdir -m 777 "$squatted/$name"
  as_nobody mkdir -m 700 "$squatted/runtime-$(id -un)"
  start_stranger "$squatted/$name/$name.lock" "$squatted/$name/$name.socket" "$squatted/$name.socket"
  own_run="$e2e_work/own-run"
  mkdir -m 700 "$own_run"
  ln -s "$own_run" "$e2e_work/own-run-link"
  mkdir -p "$e2e_work/home-a" "$e2e_work/home-b" "$e2e_work/home-c"
  # env execs, so the started program keeps the process id.
  without_runtime=(env -u TARVELO_INSTANCE_FOLDER -u XDG_RUNTIME_DIR TMPDIR="$squatted"
    HOME="$e2e_work/home-a")
  with_own_runtime=(env -u TARVELO_INSTANCE_FOLDER XDG_RUNTIME_DIR="$own_run" TMPDIR=/tmp
    HOME="$e2e_work/home-b")
  through_a_link=(env -u TARVELO_INSTANCE_FOLDER XDG_RUNTIME_DIR="$e2e_work/own-run-link"
    HOME="$e2e_work/home-c" XDG_CACHE_HOME="$squatted")
  e2e_start_app "${without_runtime[@]}" "$program" "$first"
  e2e_wait_for '[ "$(e2e_title "$e2e_window")" = "Tarvelo - $first" ]' ||
    e2e_fail "the start without a runtime folder shows '$(e2e_title "$e2e_window")'"
  [ -S "$runtime_socket" ] || [ -S "$cache_socket" ] ||
    e2e_fail "the socket is neither in /run/user/$uid nor in $cache_folder"
  expected=$second
  for start in with_own_runtime through_a_link without_runtime; do
    declare -n start_env=$start
    if [ "$start" = without_runtime ]; then
      # The other user takes its folder away.
      stop_stranger
      as_nobody rm -rf "$squatted/$name"
    fi
    timeout 40 "${start_env[@]}" "$program" "$expected" >"$e2e_work/later.log" 2>&1 ||
      { cat "$e2e_work/later.log" >&2; e2e_fail "the start $start did not hand over"; }
    e2e_wait_for '[ "$(e2e_title "$e2e_window")" = "Tarvelo - $expected" ]' 5 ||
      e2e_fail "the file the start $start handed over was not opened"
    expect_one_window "after the start $start"
    unset -n start_env
    expected=$([ "$expected" = "$second" ] && echo "$third" || echo "$second")
  done
  [ ! -s "$log" ] || e2e_fail "the squatted folder was used: $(cat "$log")"
  [ ! -e "$own_run/$name.socket" ] || e2e_fail "a start used the runtime folder its environment named"
  stop_app
  rm -f "$runtime_socket" "$cache_socket"
fi
for path in "${made_paths[@]}"; do
  rm -f "$path" 2>/dev/null || rmdir "$path" 2>/dev/null || true
done

# The other user's socket and lock in this user's runtime folder, as if it had once been open to
# others: the lock file is replaced, the socket too, and the hand-over reaches this user's
# window.
run="$XDG_RUNTIME_DIR"
chmod 777 "$run"
start_stranger "$run/$name.lock" "$run/$name.socket"
chmod 700 "$run"
e2e_start_app "$program" "$first"
e2e_wait_for '[ "$(e2e_title "$e2e_window")" = "Tarvelo - $first" ]' ||
  e2e_fail "the start beside another user's lock shows '$(e2e_title "$e2e_window")'"
[ "$(stat -c %u "$run/$name.lock")" = "$uid" ] || e2e_fail "the other user's lock file was kept"
hand_over "$second" || { cat "$e2e_work/later.log" >&2; e2e_fail "the hand-over beside another user's lock failed"; }
e2e_wait_for '[ "$(e2e_title "$e2e_window")" = "Tarvelo - $second" ]' 5 ||
  e2e_fail "the file handed over beside another user's lock was not opened"
[ ! -s "$log" ] || e2e_fail "the other user's socket was used: $(cat "$log")"
expect_one_window "beside another user's lock"
stop_stranger

# The other user reaches the running instance's socket (its folder and the socket opened up for
# the test) and hands over a file: dropped unread, unanswered.
chmod 711 "$run"
chmod 777 "$run/$name.socket"
as_nobody /usr/bin/python3 - "$run/$name.socket" "$third" >"$e2e_work/answer" 2>&1 <<'PY'
import socket, struct, sys
def part(text):
    data = text.encode()
    return struct.pack(">I", len(data)) + data
client = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
client.settimeout(5)
client.connect(sys.argv[1])
try:
    # The instance may drop the connection before the whole hand-over is sent: refused as well.
    client.sendall(b"TRV1" + part("/") + part(sys.argv[2]))
    print("answer:" + client.recv(1).decode())
except OSError as error:
    print("answer:" + type(error).__name__)
PY
chmod 700 "$run"
case $(cat "$e2e_work/answer") in
answer:D) e2e_fail "the other user's hand-over was answered" ;;
answer:*) ;;
*) e2e_fail "the other user could not send a hand-over: $(cat "$e2e_work/answer")" ;;
esac
# What is checked is that nothing happens: a hand-over rightly dropped leaves nothing to see, so
# only time lets one wrongly served show in the caption.
sleep 1
[ "$(e2e_title "$e2e_window")" = "Tarvelo - $second" ] ||
  e2e_fail "the other user's hand-over was served: the caption is '$(e2e_title "$e2e_window")'"

# Another user's socket at the path of the running instance, which still holds the lock: the
# later start sends it nothing, says so, and opens no window.
start_stranger - "$pub/planted.socket"
mv -f "$pub/planted.socket" "$run/$name.socket"
hand_over "$third"
status=$?
[ $status -eq 1 ] || { cat "$e2e_work/later.log" >&2; e2e_fail "the start facing another user's socket ended with $status"; }
grep -q "belongs to another user" "$e2e_work/later.log" ||
  { cat "$e2e_work/later.log" >&2; e2e_fail "the start facing another user's socket did not say why"; }
expect_nothing_handed_over "a planted socket"
expect_one_window "a planted socket"
[ "$(e2e_title "$e2e_window")" = "Tarvelo - $second" ] || e2e_fail "the running window changed"
stop_stranger

echo "end-to-end other users: one place whatever the environment and a squatted temporary" \
  "folder, another user's lock and socket," \
  "a connection from another user, another user's socket in the running instance's place"
