# Helpers for driving the real program under a virtual X server.
# Sourced by the end-to-end scripts; each script passes the program's path as its first argument.

e2e_work=$(mktemp -d)
e2e_xvfb_pid=
e2e_app_pid=

# A home and a runtime folder of the test's own: the program registers its file type in the
# home and keeps its one-instance socket in the runtime folder, so tests never meet each other
# or the real user's.
export HOME="$e2e_work/home"
export XDG_RUNTIME_DIR="$e2e_work/run"
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

e2e_cleanup() {
  [ -n "$e2e_app_pid" ] && kill "$e2e_app_pid" 2>/dev/null && wait "$e2e_app_pid" 2>/dev/null
  [ -n "$e2e_xvfb_pid" ] && kill "$e2e_xvfb_pid" 2>/dev/null && wait "$e2e_xvfb_pid" 2>/dev/null
  rm -rf "$e2e_work"
}
trap e2e_cleanup EXIT

e2e_fail() {
  echo "FAIL: $*" >&2
  [ -f "$e2e_work/shot.png" ] && cp "$e2e_work/shot.png" "${TMPDIR:-/tmp}/tarvelo-e2e-failure.png" &&
    echo "screenshot kept in ${TMPDIR:-/tmp}/tarvelo-e2e-failure.png" >&2
  exit 1
}

# Starts a virtual X server on a free display number and exports DISPLAY.
e2e_start_x() {
  exec 3>"$e2e_work/display"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$e2e_work/xvfb.log" 2>&1 &
  e2e_xvfb_pid=$!
  exec 3>&-
  local i
  for i in $(seq 100); do
    [ -s "$e2e_work/display" ] && break
    sleep 0.1
  done
  [ -s "$e2e_work/display" ] || e2e_fail "the virtual X server did not start"
  export DISPLAY=":$(head -n1 "$e2e_work/display")"
}

# Starts the program with the given arguments and waits for its window; sets e2e_window.
e2e_start_app() {
  "$@" >"$e2e_work/app.log" 2>&1 &
  e2e_app_pid=$!
  e2e_window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$e2e_app_pid" 2>/dev/null | head -n1)
  [ -n "$e2e_window" ] || { cat "$e2e_work/app.log" >&2; e2e_fail "no window appeared"; }
}

e2e_screenshot() { import -window root "$e2e_work/shot.png"; }

# The colour of one screen pixel of the last screenshot, as six hex digits.
e2e_pixel() {
  convert "$e2e_work/shot.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6 | tr 'a-f' 'A-F'
}

e2e_expect_pixel() {
  local got
  got=$(e2e_pixel "$1" "$2")
  [ "$got" = "$3" ] || e2e_fail "pixel ($1,$2) is $got, expected $3 ($4)"
}

# The title of a window.
e2e_title() { xdotool getwindowname "$1" 2>/dev/null; }

# Waits up to $2 seconds (default 10) for a command to succeed.
e2e_wait_for() {
  local limit=${2:-10} i
  for i in $(seq $((limit * 10))); do
    eval "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# A problem file: X = 7, Y = 3 and one piece of the given kind.
e2e_problem() {
  printf '# Tarvelo file - 10:00:00 - 01/02/2026\r\n7\r\n3\r\n1\r\n100\r\n252\r\n%s\r\n%s\r\n' \
    "$2" "$2" >"$1"
}
