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
  [ -f "$e2e_work/orca.log" ] && cp "$e2e_work/orca.log" "${TMPDIR:-/tmp}/tarvelo-e2e-orca.log" &&
    echo "Orca's log kept in ${TMPDIR:-/tmp}/tarvelo-e2e-orca.log" >&2
  exit 1
}

# Starts a virtual X server on a free display number and exports DISPLAY; its screen is $1
# (WIDTHxHEIGHT, default 1280x800, a school laptop's).
e2e_start_x() {
  exec 3>"$e2e_work/display"
  Xvfb -displayfd 3 -screen 0 "${1:-1280x800}x24" -nolisten tcp >"$e2e_work/xvfb.log" 2>&1 &
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

# Presses keys, one after the other, on whichever window has the keyboard: for a key that hands
# the keyboard to another window (one that opens or closes a dialog). e2e_keys would send such a
# key's release to the window it names, which no longer has the keyboard: the X server then
# keeps the key held down and repeats it into the new window, and every key after it comes with
# that one held (a Tab as Ctrl+Tab).
e2e_keys_focused() {
  local key
  for key in "$@"; do
    xdotool key "$key"
  done
}

# When e2e_drag_in last pressed and released the button (seconds since 1970, to the microsecond),
# for a script that times what the program does after them.
e2e_pressed_at=
e2e_released_at=

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
  e2e_pressed_at=$EPOCHREALTIME
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
  e2e_released_at=$EPOCHREALTIME
  sleep 0.05
  xdotool mousemove $((to_x + 1)) "$to_y"
  sleep 0.05
}

# --- The moves panel played with keys, read through the bus (call after e2e_start_a11y_bus) ---

# The focused object within showing ones: its role ($1 = 1), name (2) or description (3).
e2e_focused() { e2e_a11y --focused --showing | sed -n "$1p"; }
# The focused object is of role $1 and its name matches the extended expression $2.
e2e_focus_is() { [ "$(e2e_focused 1)" = "$1" ] && e2e_focused 2 | grep -Eqx -- "$2"; }
# The keys reach the program through the X server and the question through the bus: waits for
# the one to be seen by the other, and fails when the focus does not get there.
e2e_focus_reaches() {
  e2e_wait_for "e2e_focus_is '$1' '$2'" 20 ||
    e2e_fail "the focus is not on the $1 \"$2\" but on the $(e2e_focused 1) \"$(e2e_focused 2)\""
}

# The command that presses one key for the panel's player below; a script that must pace the
# keys (for a screen reader to have its say) names its own.
e2e_panel_key=e2e_keys_focused
# The panel's controls the moves use, in their order from Tab to Tab: role and name (an
# extended expression). A chooser is named by the choice it shows.
e2e_panel_roles=("combo box" "push button" "push button" "spin button" "push button"
  "combo box" "spin button" "spin button" "spin button" "push button" "push button")
e2e_panel_names=("cube [0-9]|unknown [XY]|smiley" "Take from both pans" "Add to both pans"
  "Groups" "Share into equal groups" "(left|right) pan" "N, the cube to split"
  "A, the first cube" "B, the second cube" "Split N into A \+ B" "Join A \+ B")
e2e_panel_kinds=0 e2e_panel_take=1 e2e_panel_add=2 e2e_panel_groups=3 e2e_panel_share=4
e2e_panel_pan=5 e2e_panel_n=6 e2e_panel_a=7 e2e_panel_b=8 e2e_panel_split=9 e2e_panel_join=10
# Where the focus is among them: the panel takes it on the piece's chooser as it opens.
e2e_panel_at=$e2e_panel_kinds

# Tab or Shift+Tab, one press at a time, each awaited on the bus, to the control $1 above.
e2e_panel_go_to() {
  local to=$1 step=Tab
  [ "$to" -ge "$e2e_panel_at" ] || step=shift+Tab
  while [ "$e2e_panel_at" -ne "$to" ]; do
    "$e2e_panel_key" "$step"
    if [ "$step" = Tab ]; then
      e2e_panel_at=$((e2e_panel_at + 1))
    else
      e2e_panel_at=$((e2e_panel_at - 1))
    fi
    e2e_focus_reaches "${e2e_panel_roles[$e2e_panel_at]}" "${e2e_panel_names[$e2e_panel_at]}"
  done
}
# Chooses $2, the list's line $3 (from 0), in the chooser $1: Home, then Down as often.
e2e_panel_choose() {
  local chooser=$1 choice=$2 place=$3 i
  e2e_panel_go_to "$chooser"
  "$e2e_panel_key" Home
  for ((i = 0; i < place; i++)); do
    "$e2e_panel_key" Down
  done
  e2e_focus_reaches "combo box" "$choice"
}
# Sets the number box $1 to $2: Page Down to its lowest, $3, then Up as often as it takes.
e2e_panel_set_number() {
  local box=$1 value=$2 lowest=$3 i
  e2e_panel_go_to "$box"
  "$e2e_panel_key" Page_Down
  for ((i = lowest; i < value; i++)); do
    "$e2e_panel_key" Up
  done
  e2e_await "the box \"${e2e_panel_names[$box]}\" to hold $value" \
    '[ "$(e2e_a11y --value "spin button" "${e2e_panel_names[$box]}")" = "$value" ]' 20
}
e2e_panel_press() {
  e2e_panel_go_to "$1"
  "$e2e_panel_key" Return
}
# A piece as a script of moves names it ("3", "X"), chosen in the piece's chooser.
e2e_panel_choose_kind() {
  case $1 in
    [0-9]) e2e_panel_choose "$e2e_panel_kinds" "cube $1" "$1" ;;
    X | x) e2e_panel_choose "$e2e_panel_kinds" "unknown X" 10 ;;
    Y | y) e2e_panel_choose "$e2e_panel_kinds" "unknown Y" 11 ;;
    *) e2e_fail "no piece \"$1\" in the chooser" ;;
  esac
}
e2e_panel_choose_pan() {
  case $1 in
    left) e2e_panel_choose "$e2e_panel_pan" "left pan" 0 ;;
    right) e2e_panel_choose "$e2e_panel_pan" "right pan" 1 ;;
    *) e2e_fail "no pan \"$1\"" ;;
  esac
}
# One move of a script of moves (as --moves reads it: "take 3", "split right 8 3 5"), made on
# the panel with keys. The caller awaits what the move does.
e2e_panel_move() {
  local words
  read -r -a words <<<"$1"
  case ${words[0]} in
    take | add)
      e2e_panel_choose_kind "${words[1]}"
      if [ "${words[0]}" = take ]; then
        e2e_panel_press "$e2e_panel_take"
      else
        e2e_panel_press "$e2e_panel_add"
      fi
      ;;
    split)
      e2e_panel_choose_pan "${words[1]}"
      e2e_panel_set_number "$e2e_panel_n" "${words[2]}" 0
      e2e_panel_set_number "$e2e_panel_a" "${words[3]}" 0
      e2e_panel_set_number "$e2e_panel_b" "${words[4]}" 0
      e2e_panel_press "$e2e_panel_split"
      ;;
    join)
      e2e_panel_choose_pan "${words[1]}"
      e2e_panel_set_number "$e2e_panel_a" "${words[2]}" 0
      e2e_panel_set_number "$e2e_panel_b" "${words[3]}" 0
      e2e_panel_press "$e2e_panel_join"
      ;;
    share)
      e2e_panel_set_number "$e2e_panel_groups" "${words[1]}" 2
      e2e_panel_press "$e2e_panel_share"
      ;;
    *) e2e_fail "the move \"$1\" is not one the panel makes" ;;
  esac
}

# The trail of equations' line $1 is there and has come to rest (a step still moving ends in
# "…").
e2e_trail_rested_at() {
  local line
  line=$(e2e_a11y --items list "Trail of equations" | sed -n "$1p") && [ -n "$line" ] &&
    [[ $line != *… ]]
}

# What the program $1, run without a window, makes of challenge level $2, seed $3: the report's
# key $4 ("equation", "solution", "fewestMoves"), or with $4 = answer, the value of X its solution
# finds.
e2e_challenge() {
  local program=$1 level=$2 seed=$3 key=$4 report read_key
  read_key='import json, sys; print(json.load(sys.stdin)[sys.argv[1]])'
  report=$("$program" --challenge "$level" --seed "$seed" --settle --json) || return 1
  if [ "$key" = answer ]; then
    report=$("$program" --challenge "$level" --seed "$seed" --settle --json \
      --moves "$(/usr/bin/python3 -c "$read_key" solution <<<"$report")") || return 1
    /usr/bin/python3 -c 'import json, sys; print(json.load(sys.stdin)["solved"]["value"])' \
      <<<"$report"
  else
    /usr/bin/python3 -c "$read_key" "$key" <<<"$report"
  fi
}

# --- The screen reader Debian ships (Orca), heard through its debug log ---

e2e_orca_pid=
e2e_orca_log="$e2e_work/orca.log"
# How many sentences Orca had said when the last key was pressed with e2e_orca_press.
e2e_orca_said_before_key=0

# What Orca is given to start its speech server with: nothing. Orca is heard through its log; a
# speech server with a voice would try to play it, outlive the test (it leaves the test's process
# group) and hold Orca up.
readonly e2e_orca_without_voice="SPEECHD_CMD=/nonexistent/speech-dispatcher"

# Starts Orca on the test's session and accessibility bus (call after e2e_start_a11y_bus), and
# waits until it says it is on. Orca writes its debug file line by line only to a terminal:
# `script` gives it one. Its own preferences folder keeps the user's settings out. A script that
# starts it ends it with e2e_end_orca before e2e_cleanup, in its own EXIT trap.
#
# Orca runs once per user: started with --replace it would kill any other (the user's own screen
# reader, or another test's), and without it, it refuses to start beside one. A test that finds
# an Orca running skips, and the tests that start one take turns (RESOURCE_LOCK in CTest).
e2e_start_orca() {
  local prefs="$e2e_work/orca-prefs" pid
  for pid in $(pgrep -u "$(id -u)" -x orca); do
    e2e_ended "$pid" && continue # one that ended and waits to be reaped runs no more
    echo "SKIP: an Orca is running already for this user, and this test would have to end it"
    exit 77
  done
  mkdir -p "$prefs"
  env "$e2e_orca_without_voice" \
    script -q -f -c "orca -u '$prefs' --debug-file=/dev/stdout" "$e2e_orca_log" \
    >/dev/null 2>&1 &
  e2e_orca_pid=$!
  e2e_helper_pids+=("$e2e_orca_pid")
  e2e_wait_for 'e2e_heard "Screen reader on."' 30 || e2e_fail "Orca did not start"
}

# Starts the program ($@: it and its arguments) in English, its accessibility always on, gives
# its window the keyboard (with no window manager, nothing else would), waits for it to be drawn,
# starts Orca, and waits for Orca to say the window's first focus, the palette's smiley: from then
# on Orca takes keys for it. Orca and the rest are ended on exit.
e2e_start_with_orca() {
  e2e_start_x
  e2e_start_a11y_bus
  e2e_start_app env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
  xdotool windowfocus --sync "$e2e_window"
  e2e_await_window_drawn
  trap 'e2e_end_orca; e2e_cleanup' EXIT
  e2e_start_orca
  e2e_wait_for 'e2e_heard smiley' 10 || { e2e_spoken >&2; e2e_fail "Orca did not say the smiley"; }
}

e2e_end_orca() {
  [ -n "$e2e_orca_pid" ] || return 0
  local orcas pid
  orcas=$(pgrep -P "$e2e_orca_pid")
  pkill -P "$e2e_orca_pid" 2>/dev/null
  e2e_end_helper "$e2e_orca_pid"
  e2e_orca_pid=
  # Orca itself is the terminal's child, not ours: it is awaited, so that the next test to start
  # one never finds it still ending.
  for pid in $orcas; do
    e2e_wait_for "e2e_ended $pid" 10 || kill -9 "$pid" 2>/dev/null
  done
  # Orca's speech server, had it started, lives on by itself: it is found by the test's folder
  # in its environment.
  for pid in $(pgrep -f 'speech-dispatcher|sd_' 2>/dev/null); do
    grep -qF "$e2e_work" "/proc/$pid/environ" 2>/dev/null && kill "$pid" 2>/dev/null
  done
  return 0
}

# Every sentence Orca handed to speech so far, a line each.
e2e_spoken() {
  grep -a "SPEECH OUTPUT" "$e2e_orca_log" 2>/dev/null |
    sed "s/^.*SPEECH OUTPUT: '//; s/'{.*$//; s/' *$//"
}
e2e_heard() { e2e_spoken | grep -qF -- "$1"; }
# Said since the last key pressed with e2e_orca_press.
e2e_heard_since_key() {
  e2e_spoken | tail -n +$((e2e_orca_said_before_key + 1)) | grep -qF -- "$1"
}
# Fails, with all Orca said, unless Orca says $1 since the last key; $2 says what brought it.
e2e_expect_heard_since_key() {
  e2e_wait_for "e2e_heard_since_key \"$1\"" 10 ||
    { e2e_spoken >&2; e2e_fail "Orca did not say \"$1\" ($2)"; }
}

# Waits until Orca's log has stopped growing for half a second: Orca has spoken what the last
# key brought, and the program has taken the key. On a busy machine a key sent while Orca still
# works through the last one's events can be passed over.
e2e_await_orca_quiet() {
  local size previous=-1 since deadline=$((SECONDS + 20))
  since=$(date +%s%N)
  while :; do
    size=$(stat -c %s "$e2e_orca_log" 2>/dev/null || echo 0)
    if [ "$size" != "$previous" ]; then
      previous=$size
      since=$(date +%s%N)
    elif [ $((($(date +%s%N) - since) / 1000000)) -ge 500 ]; then
      return 0
    fi
    [ "$SECONDS" -lt "$deadline" ] || e2e_fail "timed out after 20 s waiting for Orca to finish speaking"
    sleep 0.05 # between two looks at the log
  done
}

# Presses a key on whichever window has the keyboard, once Orca is quiet, and notes how much
# Orca had said before it.
e2e_orca_press() {
  e2e_await_orca_quiet
  e2e_orca_said_before_key=$(e2e_spoken | wc -l)
  xdotool key "$1"
}

# --- What the program plays, heard through a sound server of the test's own ---
#
# A PulseAudio server with one sink that plays into nothing, whose monitor the test records; the
# program, and the speech service it starts, reach it through PULSE_SERVER. Recordings are raw
# 16-bit stereo at 44.1 kHz, measured with sox.

e2e_sound_bytes_per_second=$((44100 * 2 * 2))
e2e_sound_format=(-t raw -r 44100 -e signed-integer -b 16 -c 2)
e2e_pulse_pid=
e2e_recording=
e2e_parec_pid=
e2e_recording_watch_pid=

# No sound client of the test (the program included) starts a server of its own when it finds
# none: such a server would outlive the test. The client settings live in the test's home.
e2e_sound_clients_start_no_server() {
  mkdir -p "$HOME/.config/pulse"
  echo "autospawn = no" >"$HOME/.config/pulse/client.conf"
}

# Starts the sound server, with its socket in the test's runtime folder, and makes its sink the
# one every client plays to. Exports PULSE_SERVER.
e2e_start_sound_server() {
  e2e_sound_clients_start_no_server
  pulseaudio --daemonize=no --exit-idle-time=-1 -n \
    --load="module-null-sink sink_name=test" --load=module-native-protocol-unix \
    --use-pid-file=false >"$e2e_work/pulseaudio.log" 2>&1 &
  e2e_pulse_pid=$!
  e2e_helper_pids+=("$e2e_pulse_pid")
  export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
  e2e_await "the sound server to answer" 'pactl info' 10
  pactl set-default-sink test || e2e_fail "the sound server has no sink \"test\""
}

# Ends the sound server; PULSE_SERVER then names a socket where nothing listens.
e2e_end_sound_server() {
  [ -n "$e2e_pulse_pid" ] && e2e_end_helper "$e2e_pulse_pid"
  e2e_pulse_pid=
}

# Starts recording what the sink plays into the file $1, and returns once sound flows into the
# file (it takes the server about a second). Beside it, $1.times gets a line "time size" every
# 20 ms: a sound found at some place of the recording reached it at the latest by the first time
# the file held that place (e2e_recorded_by).
e2e_record() {
  e2e_recording=$1
  parec -d test.monitor --raw --format=s16le --rate=44100 --channels=2 --latency-msec=10 \
    >"$e2e_recording" 2>>"$e2e_work/parec.log" &
  e2e_parec_pid=$!
  e2e_helper_pids+=("$e2e_parec_pid")
  e2e_await "the recording to start" '[ -s "$e2e_recording" ]' 10
  rm -f "$e2e_recording.stop"
  (
    while [ ! -e "$e2e_recording.stop" ]; do
      # The size first, then the time: the file held that much by then at the latest.
      size=$(stat -c %s "$e2e_recording")
      echo "$EPOCHREALTIME $size"
      sleep 0.02 # the watch's grain, finer than the delays it times
    done
  ) >"$e2e_recording.times" &
  e2e_recording_watch_pid=$!
  e2e_helper_pids+=("$e2e_recording_watch_pid")
}

# Stops the recording started last; its file stays.
e2e_record_stop() {
  touch "$e2e_recording.stop"
  wait "$e2e_recording_watch_pid" 2>/dev/null
  e2e_forget_helper "$e2e_recording_watch_pid"
  e2e_end_helper "$e2e_parec_pid"
}

# sox's figure named $2 ("Maximum amplitude", "Length (seconds)") for the recording $1 from $3
# seconds on (default 0), $4 being further effects (such as "silence 1 0.001 1%").
e2e_sound_stat() {
  local file=$1 name=$2 from=${3:-0}
  shift 3 2>/dev/null || shift $#
  sox -V1 "${e2e_sound_format[@]}" "$file" -n trim "$from" "$@" stat 2>&1 |
    awk -v name="$name:" 'index($0, name) == 1 { print $NF; found = 1 } END { if (!found) print 0 }'
}

# The loudest sample of the recording $1 from $2 seconds on, 1 being full scale.
e2e_sound_peak() { e2e_sound_stat "$1" "Maximum amplitude" "${2:-0}"; }

# The loudest sample of the last $2 seconds of the recording $1, which may still be growing (of all
# of it while it is shorter).
e2e_sound_peak_of_last() {
  e2e_sound_peak "$1" "$(awk -v l="$(e2e_sound_length "$1")" -v n="$2" \
    'BEGIN { printf "%.6f", (l > n ? l - n : 0) }')"
}

# How long the recording $1 is, in seconds.
e2e_sound_length() {
  awk -v b="$(stat -c %s "$1")" -v bps="$e2e_sound_bytes_per_second" 'BEGIN { printf "%.6f", b / bps }'
}

# Where in the recording $1, in seconds, the first sound louder than $3 (a fraction of full scale)
# starts from $2 seconds on; nothing when there is none.
e2e_sound_onset() {
  local file=$1 from=$2 threshold=$3 total rest
  total=$(e2e_sound_length "$file")
  # (sox reads a bare threshold as a sample value; as a percentage it is a fraction of full scale.)
  rest=$(e2e_sound_stat "$file" "Length (seconds)" "$from" silence 1 0.001 \
    "$(awk -v t="$threshold" 'BEGIN { print t * 100 }')%")
  awk -v t="$total" -v r="$rest" 'BEGIN { if (r > 0) printf "%.6f", t - r }'
}

# Where in the recording $1, in seconds, the last sound louder than $2 ends; 0 when there is none.
e2e_sound_end() {
  e2e_sound_stat "$1" "Length (seconds)" 0 reverse silence 1 0.001 \
    "$(awk -v t="$2" 'BEGIN { print t * 100 }')%"
}

# The first time (seconds since 1970) the recording $1 held the place $2 seconds into it, from its
# watch; nothing when the watch never saw it there.
e2e_recorded_by() {
  awk -v bytes="$(awk -v s="$2" -v bps="$e2e_sound_bytes_per_second" 'BEGIN { printf "%d", s * bps }')" \
    '$2 >= bytes { print $1; exit }' "$1.times"
}

# The place, in seconds into the recording $1, that it held at the time $2; the recording's
# start when the watch saw no sooner time.
e2e_recorded_until() {
  awk -v at="$2" -v bps="$e2e_sound_bytes_per_second" \
    '$1 <= at { place = $2 / bps } END { printf "%.6f", place + 0 }' "$1.times"
}

# Milliseconds from the time $1 to the time $2; "?" when one is unknown.
e2e_ms_between() {
  awk -v a="$1" -v b="$2" 'BEGIN { if (a == "" || b == "") print "?"; else printf "%d", (b - a) * 1000 }'
}

# True when nothing louder than $1 (a fraction of full scale) was recorded in the last second of
# the recording under way.
e2e_recording_quiet() {
  awk -v p="$(e2e_sound_peak_of_last "$e2e_recording" 1)" -v t="$1" 'BEGIN { exit !(p <= t) }'
}

# Waits until the last second of the recording under way is quiet (nothing above $2, a fraction
# of full scale): whatever the program was playing has ended. Fails, saying what was awaited
# ($1), when it still plays after $3 seconds (default 20).
e2e_await_sound_over() {
  e2e_await "$1" "e2e_recording_quiet $2" "${3:-20}"
}

# The speech service the program starts when it speaks, with its socket in the test's runtime
# folder (the only place a service started on demand may have it): the program's alone.
e2e_private_speech_service() {
  export SPEECHD_ADDRESS="unix_socket:$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"
}

# Ends the speech service and its voices, had the program started them: they leave the test's
# process group, and are found by the test's folder in their environment. Returns once they are
# gone.
e2e_end_speech_service() {
  local pid
  for pid in $(pgrep -f 'speech-dispatcher|sd_' 2>/dev/null); do
    grep -qF "$e2e_work" "/proc/$pid/environ" 2>/dev/null && kill "$pid" 2>/dev/null
  done
  e2e_wait_for '! e2e_speech_service_alive' 10 && return 0
  for pid in $(e2e_speech_service_alive); do
    kill -9 "$pid" 2>/dev/null
  done
  return 0
}

# The processes of the speech service started for the test that are still running (not yet
# ended, zombies aside); true when there is one.
e2e_speech_service_alive() {
  local pid found=1
  for pid in $(pgrep -f 'speech-dispatcher|sd_' 2>/dev/null); do
    grep -qF "$e2e_work" "/proc/$pid/environ" 2>/dev/null || continue
    grep -q '^State:.*zombie' "/proc/$pid/status" 2>/dev/null && continue
    echo "$pid"
    found=0
  done
  return $found
}
