# Helpers for driving the real program under a virtual X server.
# Sourced by the end-to-end scripts; each script passes the program's path as its first argument.

e2e_work=$(mktemp -d)
e2e_lib_dir=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
e2e_xvfb_pid=
e2e_app_pid=
e2e_dbus_pid=
e2e_atspi_pid=
# Helpers a script started in the background, ended with the rest. Each must be the helper's own
# process id: a function or a ( ) group run with & is a shell of its own, and ending that shell
# leaves what it started running.
e2e_helper_pids=()

# A home and a runtime folder of the test's own: the program registers its file type in the
# home and keeps its one-instance socket in the folder the test names for it, so tests never
# meet each other or the real user's.
export HOME="$e2e_work/home"
export XDG_RUNTIME_DIR="$e2e_work/run"
export TARVELO_INSTANCE_FOLDER="$XDG_RUNTIME_DIR"
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# No session bus but the one a script starts itself (e2e_start_a11y_bus): an address where
# nothing listens. Without any address, the toolkit and GLib start a bus of their own for the
# display through dbus-launch, which nobody here ends and which outlives the test by seconds;
# with the desktop's address, the tests would meet the real user's session.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$e2e_work/no-session-bus"

# Ends a process this shell started and waits for it. A stopped one is continued, or it would
# never act on the signal and the wait would last for ever. The wait gives the status of the
# ended process, a failure to a script run with errexit: it is no failure here.
e2e_end() {
  kill "$1" 2>/dev/null || return 0
  kill -CONT "$1" 2>/dev/null || true # it may have ended on the first signal already
  wait "$1" 2>/dev/null || true
  return 0
}

# True once a process this shell started has ended, reaped or not.
e2e_ended() {
  ! kill -0 "$1" 2>/dev/null || grep -q '^State:.*zombie' "/proc/$1/status" 2>/dev/null
}

# Takes a helper off e2e_helper_pids once the script has waited for it itself: its process id
# may be another process's by the end.
e2e_forget_helper() {
  local pid kept=()
  for pid in "${e2e_helper_pids[@]}"; do
    [ "$pid" = "$1" ] || kept+=("$pid")
  done
  e2e_helper_pids=("${kept[@]}")
}

# Ends one of e2e_helper_pids before the script is over, and forgets it.
e2e_end_helper() {
  e2e_end "$1"
  e2e_forget_helper "$1"
}

e2e_cleanup() {
  # Everything is ended whatever fails on the way, in a script run with errexit too.
  set +e
  local pid
  for pid in "${e2e_helper_pids[@]}"; do
    e2e_end "$pid"
  done
  [ -n "$e2e_app_pid" ] && e2e_end "$e2e_app_pid"
  # The accessibility bus launcher takes its bus and the registry with it.
  [ -n "$e2e_atspi_pid" ] && e2e_end "$e2e_atspi_pid"
  [ -n "$e2e_dbus_pid" ] && e2e_end "$e2e_dbus_pid"
  [ -n "$e2e_xvfb_pid" ] && e2e_end "$e2e_xvfb_pid"
  rm -rf "$e2e_work"
}
trap e2e_cleanup EXIT

e2e_fail() {
  echo "FAIL: $*" >&2
  if [ -n "$e2e_dbus_pid" ] && [ -n "$e2e_app_pid" ]; then
    echo "The program's accessibility tree:" >&2
    e2e_a11y --dump >&2 || echo "(not readable)" >&2
  fi
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
  e2e_await "the virtual X server to give its display number" '[ -s "$e2e_work/display" ]' 10
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
    sleep 0.1 # between two looks at the condition
  done
  return 1
}

# Waits until the command $2 succeeds, looking again every tenth of a second; when it still fails
# after $3 seconds (default 10), fails the test saying what was awaited ($1).
# (Its own names start with e2e_await_, so that they hide none of the caller's in the condition.)
e2e_await() {
  local e2e_await_limit=${3:-10}
  local e2e_await_deadline=$((SECONDS + e2e_await_limit))
  until eval "$2" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$e2e_await_deadline" ] ||
      e2e_fail "timed out after $e2e_await_limit s waiting for $1"
    sleep 0.1 # between two looks at the condition
  done
}

# How long the screen must stay the same for the program to count as at rest, in milliseconds:
# far beyond the pauses within a motion (the program's slowest timer ticks every 50 ms, and it
# calls a scene at rest after 100 ms without a change), so that a busy machine's hiccup is not
# taken for rest either.
e2e_still_ms=1000

# Waits until the screen stops changing: whatever the program was doing (pieces falling, pans
# tilting, a window drawing itself) has come to rest. Fails, saying what was awaited ($1), when
# the screen still changes after $2 seconds (default 30).
e2e_await_still() {
  local what=$1 limit=${2:-30}
  local deadline=$((SECONDS + limit)) shot now previous='' since=0
  while :; do
    shot=$(import -window root -depth 8 rgb:- | md5sum) || e2e_fail "no screenshot could be taken"
    now=$(date +%s%N)
    if [ "$shot" != "$previous" ]; then
      previous=$shot
      since=$now
    elif [ $(((now - since) / 1000000)) -ge "$e2e_still_ms" ]; then
      return 0
    fi
    [ "$SECONDS" -lt "$deadline" ] ||
      { e2e_screenshot; e2e_fail "the screen was still changing after $limit s: $what"; }
  done
}

# Waits until the window, just started on an empty scene at 100 %, has drawn its scene (the scene's
# pale yellow at the top of the gap between the pans, which nothing covers) and is at rest.
e2e_await_window_drawn() {
  e2e_await "the window to draw its scene" \
    'e2e_screenshot && [ "$(e2e_pixel 480 82)" = FFFFC0 ]' 20
  e2e_await_still "the window drawn at start"
}

# Puts the real pointer at the screen point ($1, $2) and returns once the X server has it there,
# so that a click that follows lands on what lies there.
e2e_point() {
  timeout 10 xdotool mousemove --sync "$1" "$2" ||
    e2e_fail "the pointer did not get to ($1, $2)"
}

# A problem file: X = 7, Y = 3 and one piece of the given kind.
e2e_problem() {
  printf '# Tarvelo file - 10:00:00 - 01/02/2026\r\n7\r\n3\r\n1\r\n100\r\n252\r\n%s\r\n%s\r\n' \
    "$2" "$2" >"$1"
}

# A session bus and an accessibility bus of the test's own, as a desktop starts them for a screen
# reader; exports DBUS_SESSION_BUS_ADDRESS. Call after e2e_start_x, and start the program with
# QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1: it then joins the bus with no screen reader running.
e2e_start_a11y_bus() {
  dbus-daemon --session --nofork --print-address=1 >"$e2e_work/dbus.address" \
    2>"$e2e_work/dbus.log" &
  e2e_dbus_pid=$!
  e2e_wait_for '[ -s "$e2e_work/dbus.address" ]' 10 || e2e_fail "the session bus did not start"
  DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$e2e_work/dbus.address")
  export DBUS_SESSION_BUS_ADDRESS
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$e2e_work/atspi.log" 2>&1 &
  e2e_atspi_pid=$!
  local ask='dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus'
  e2e_wait_for "$ask org.a11y.Bus.GetAddress" 10 || e2e_fail "the accessibility bus did not start"
}

# The program's accessibility tree as the bus shows it; the arguments are atspi_tree.py's after
# --pid, e.g. e2e_a11y --focused. Fails while the program is not (yet) on the bus.
e2e_a11y() {
  timeout 20 /usr/bin/python3 "$e2e_lib_dir/atspi_tree.py" --pid "$e2e_app_pid" "$@"
}

# True when a showing object of role $1 is named exactly $2. (grep reads to the end: one that
# stopped early would break the reader's pipe.)
e2e_a11y_named() {
  e2e_a11y --names "$1" | grep -Fx -- "$2" >/dev/null
}

# The translation of text $3 in context $2 from the translation file $1; fails if there is none.
e2e_translation() {
  /usr/bin/python3 "$e2e_lib_dir/atspi_tree.py" --translation "$@"
}

# Presses keys on the program's window, one after the other.
e2e_keys() {
  local key
  for key in "$@"; do
    xdotool key --window "$e2e_window" "$key"
  done
}

# With the real pointer: presses on the screen point ($1, $2), carries the copy in steps of 10
# pixels to ($3, $4) with the button down, releases, then moves once, as the copy drops at the
# first movement after the release.
#
# The pauses below give a person's pace, not a wait for anything: the program follows the pointer
# on its own 10 ms timer, which leaves no trace of having seen a place, so each place is held for
# a few of its ticks; and back-to-back moves would merge into one event. Where the copy lands is
# what the scripts check afterwards.
e2e_drag_in() {
  local x=$1 y=$2 to_x=$3 to_y=$4
  e2e_point "$x" "$y"
  sleep 0.05
  xdotool mousedown 1
  while [ "$x" -ne "$to_x" ] || [ "$y" -ne "$to_y" ]; do
    [ "$x" -gt "$to_x" ] && x=$((x - 10 < to_x ? to_x : x - 10))
    [ "$x" -lt "$to_x" ] && x=$((x + 10 > to_x ? to_x : x + 10))
    [ "$y" -gt "$to_y" ] && y=$((y - 10 < to_y ? to_y : y - 10))
    [ "$y" -lt "$to_y" ] && y=$((y + 10 > to_y ? to_y : y + 10))
    xdotool mousemove "$x" "$y"
    sleep 0.01
  done
  sleep 0.05
  xdotool mouseup 1
  sleep 0.05
  xdotool mousemove $((to_x + 1)) "$to_y"
  sleep 0.05
}
