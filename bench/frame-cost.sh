#!/usr/bin/env bash
# The real window's CPU cost while 1000 pieces fall, with and without the accessibility bus, and
# with and without sound.
#
#   bench/frame-cost.sh PROGRAM [--repeats N] [--configs abcms] [--split] [--file FILE.trv]
#
# Plays bench/crowded_problem.py's file (fixed seed) in the real window under a virtual X server
# of its own, in three configurations:
#   a  no accessibility bus: no session bus at all, and the bridge told to stay off
#   b  a session bus and the accessibility bus, the bridge always on, nobody listening
#   c  as b, plus a stand-in screen reader registered for the events a screen reader follows,
#      which only counts them; the events its accessibility library drops as malformed (with a
#      warning each) are counted apart
#   m  as a, with a sound server of the script's own (PulseAudio, one sink that plays into
#      nothing) and the program's sound turned off in its settings
#   s  as m, with the sound on: every landing and every rest played
# For each run, the CPU time (utime + stime) of the program, of the X server, of the buses and of
# the listener (or of the sound server) is read from /proc at 1 s and at 4 s after the window shows, and printed as a share
# of one core over that span. Each configuration runs N times (default 3); min/median/max follow.
# --split records one more run per configuration with `perf record -g` over the same span and
# prints where the samples fall (physics, painting, accessibility, ...); without a usable perf it
# says so and skips that part. Everything the script starts is ended by process id on exit.
set -u
# Times and shares are written and read with a decimal point whatever the user's locale.
LC_NUMERIC=C

here=$(dirname "$(readlink -f "$0")")
usage() {
  echo "usage: $0 PROGRAM [--repeats N] [--configs abcms] [--split] [--file FILE.trv]" >&2
  exit 64
}

[ $# -ge 1 ] || usage
program=$(readlink -f "$1")
shift
repeats=3
configs=abc
want_split=0
problem=
while [ $# -gt 0 ]; do
  case $1 in
  --repeats) [ $# -ge 2 ] || usage; repeats=$2; shift 2 ;;
  --configs) [ $# -ge 2 ] || usage; configs=$2; shift 2 ;;
  --split) want_split=1; shift ;;
  --file) [ $# -ge 2 ] || usage; problem=$(readlink -f "$2"); shift 2 ;;
  *) usage ;;
  esac
done
[ -x "$program" ] || { echo "not a program: $program" >&2; exit 64; }
case $repeats in '' | *[!0-9]* | 0) usage ;; esac
case $configs in *[!abcms]* | '') usage ;; esac

# The span measured, in seconds after the window shows: the first second (start-up, first
# paints) is left out, and three seconds of falling follow.
span_from=1
span_to=4

work=$(mktemp -d "${TMPDIR:-/tmp}/frame-cost.XXXXXX")
xvfb_pid=
app_pid=
dbus_pid=
atspi_pid=
listener_pid=
perf_pid=
pulse_pid=
# Processes the buses started on their own (the accessibility bus, its registry, anything
# activated), as "pid starttime" so that a number reused meanwhile is never ended.
bus_children=()

say() { echo "$*" >&2; }

# Ends a process this shell started and waits for it; a stopped one is continued first, or it
# would never act on the signal.
end_child() {
  [ -n "$1" ] || return 0
  kill "$1" 2>/dev/null || { wait "$1" 2>/dev/null; return 0; }
  kill -CONT "$1" 2>/dev/null
  wait "$1" 2>/dev/null
  return 0
}

# Fields 3 on of /proc/PID/stat (after the command name, which may hold spaces) into `stat`;
# builtins only, as this runs inside the measured span.
read_stat() {
  local line
  read -r line 2>/dev/null <"/proc/$1/stat" || return 1
  # shellcheck disable=SC2206
  stat=(${line##*) })
}

# The start time of a process, in clock ticks since boot: with the id, it names one process.
start_time_of() {
  local stat
  read_stat "$1" || return 1
  echo "${stat[19]}"
}

# Whether a child of ours still runs: one that ended stays a zombie until waited for, and
# `kill -0` would still find it.
alive() {
  local stat
  read_stat "$1" && [ "${stat[0]}" != Z ]
}

# Every process below $1, from one pass over the parent ids in /proc.
descendants_of() {
  local p stat
  local -A children=()
  for p in /proc/[0-9]*; do
    read_stat "${p#/proc/}" || continue
    children[${stat[1]}]+=" ${p#/proc/}"
  done
  local queue=("$1") pid
  while [ ${#queue[@]} -gt 0 ]; do
    pid=${queue[0]}
    queue=("${queue[@]:1}")
    for p in ${children[$pid]:-}; do
      echo "$p"
      queue+=("$p")
    done
  done
}

remember_bus_children() {
  local root pid st
  for root in "$atspi_pid" "$dbus_pid"; do
    [ -n "$root" ] || continue
    for pid in $(descendants_of "$root"); do
      st=$(start_time_of "$pid") && bus_children+=("$pid $st")
    done
  done
}

# Waits up to five seconds for the remembered bus children to go with their bus, and ends by id
# those that stay.
end_bus_children() {
  local entry pid st i left
  for i in $(seq 50); do
    left=0
    for entry in "${bus_children[@]}"; do
      pid=${entry% *}
      st=$(start_time_of "$pid") && [ "$st" = "${entry#* }" ] && left=1
    done
    [ $left = 0 ] && break
    sleep 0.1
  done
  for entry in "${bus_children[@]}"; do
    pid=${entry% *}
    st=$(start_time_of "$pid") && [ "$st" = "${entry#* }" ] && kill "$pid" 2>/dev/null
  done
  bus_children=()
}

# The tools the program starts detached to refresh the desktop's file-type caches of our home
# are no children of ours: they are found by the home's path in their command line.
wait_for_desktop_tools() {
  local p i found args
  for i in $(seq 100); do
    found=()
    for p in /proc/[0-9]*; do
      mapfile -d "" -t args 2>/dev/null <"$p/cmdline" || continue
      [[ "${args[*]}" == *"$work/home"* ]] && found+=("${p#/proc/}")
    done
    [ ${#found[@]} = 0 ] && return 0
    [ "$i" = 100 ] && kill "${found[@]}" 2>/dev/null
    sleep 0.1
  done
}

end_run() {
  end_child "$perf_pid"
  perf_pid=
  end_child "$app_pid"
  app_pid=
  end_child "$listener_pid"
  listener_pid=
  remember_bus_children
  # The accessibility bus launcher takes its bus and the registry with it.
  end_child "$atspi_pid"
  atspi_pid=
  end_child "$dbus_pid"
  dbus_pid=
  end_bus_children
}

cleanup() {
  set +e
  trap - INT TERM
  end_run
  end_child "$pulse_pid"
  end_child "$xvfb_pid"
  wait_for_desktop_tools
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
  say "frame-cost: $*"
  exit 1
}

now() { echo "$EPOCHREALTIME"; }

sleep_until() {
  local seconds
  seconds=$(awk -v t="$1" -v n="$EPOCHREALTIME" \
    'BEGIN { d = t - n; if (d < 0) d = 0; printf "%.3f", d }')
  sleep "$seconds"
}

# utime + stime of a process, all its threads, in clock ticks.
cpu_ticks() {
  local stat
  read_stat "$1" || { echo 0; return; }
  echo $((stat[11] + stat[12]))
}

# The buses and everything they started (the accessibility bus and its registry).
bus_ticks() {
  local total=0 root pid
  for root in "$dbus_pid" "$atspi_pid"; do
    [ -n "$root" ] || continue
    for pid in "$root" $(descendants_of "$root"); do
      total=$((total + $(cpu_ticks "$pid")))
    done
  done
  echo $total
}

hz=$(getconf CLK_TCK)

# Ticks over seconds as a share of one core, in percent.
share() {
  awk -v t="$1" -v s="$2" -v hz="$hz" 'BEGIN { printf "%.1f", 100 * t / hz / s }'
}

# One home for every run: the first start registers the file type there and the later ones find
# it done, so no run pays for the desktop tools that registration starts.
export HOME="$work/home"
mkdir -p "$HOME"
# No bus but our own: where nothing listens, neither the toolkit nor GLib starts one through
# dbus-launch (which nobody would end), and the real user's session is never met.
no_bus="unix:path=$work/no-session-bus"
export DBUS_SESSION_BUS_ADDRESS="$no_bus"

# No sound client starts a server of its own where it finds none (nobody would end it): only
# the configurations with sound meet the script's own server.
mkdir -p "$HOME/.config/pulse"
echo "autospawn = no" >"$HOME/.config/pulse/client.conf"
no_sound_server="unix:$work/no-sound-server"
export PULSE_SERVER="$no_sound_server"

# The file played: the crowded one, unless another was given.
if [ -z "$problem" ]; then
  problem="$work/crowded.trv"
  /usr/bin/python3 "$here/crowded_problem.py" "$problem" ||
    fail "the problem file could not be written"
fi
settled=$("$program" --settle "$problem" 2>"$work/settle.err")
status=$?
[ $status = 2 ] && fail "the program refuses the problem file: $(cat "$work/settle.err")"
[ $status = 0 ] || [ $status = 3 ] || fail "--settle ended with status $status"
say "problem: $problem ($(sed -n 4p "$problem" | tr -d '\r') pieces)," \
  "settles to: ${settled:-(no rest)}"

# The perf split, when asked for and possible: sampling on the CPU clock works where the
# hardware counters do not (virtual machines), so that is what is recorded.
perf_event=
if [ $want_split = 1 ]; then
  if ! command -v perf >/dev/null; then
    say "--split: perf is not installed (Debian: linux-perf); no split"
  else
    if perf stat -x, -e instructions true 2>&1 | grep -q "not supported"; then
      say "--split: no hardware counters here; sampling on the cpu-clock timer"
    fi
    for event in cpu-clock cpu-clock:u; do
      if perf record -q -e "$event" -o "$work/probe.data" true >/dev/null 2>&1; then
        perf_event=$event
        break
      fi
    done
    [ -n "$perf_event" ] || say "--split: perf cannot record here (perf_event_paranoid?); no split"
  fi
fi

# A virtual X server of our own; the display number comes back on a pipe. With -noreset it
# keeps its state when its last client leaves, so every run meets the same server.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for i in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "the virtual X server did not start"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
unset WAYLAND_DISPLAY XDG_DATA_HOME XDG_CONFIG_HOME AT_SPI_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb LANGUAGE=en
# Away from every piece: no selection frame follows the pointer.
xdotool mousemove 1270 790

start_buses() {
  dbus-daemon --session --nofork --print-address=1 >"$run/dbus.address" 2>"$run/dbus.log" &
  dbus_pid=$!
  for i in $(seq 100); do
    [ -s "$run/dbus.address" ] && break
    sleep 0.1
  done
  [ -s "$run/dbus.address" ] || fail "the session bus did not start"
  export DBUS_SESSION_BUS_ADDRESS
  DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$run/dbus.address")
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$run/atspi.log" 2>&1 &
  atspi_pid=$!
  for i in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
      org.a11y.Bus.GetAddress >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "the accessibility bus did not start"
}

# The sound server the configurations with sound play to, started at the first of them and kept
# for the rest; its socket lives in a folder of its own, apart from the runs' runtime folders.
start_sound_server() {
  [ -n "$pulse_pid" ] && return 0
  mkdir -m 700 -p "$work/pulse"
  XDG_RUNTIME_DIR="$work/pulse" pulseaudio --daemonize=no --exit-idle-time=-1 -n \
    --load="module-null-sink sink_name=bench" --load=module-native-protocol-unix \
    --use-pid-file=false >"$work/pulseaudio.log" 2>&1 &
  pulse_pid=$!
  for i in $(seq 100); do
    PULSE_SERVER="unix:$work/pulse/pulse/native" pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  PULSE_SERVER="unix:$work/pulse/pulse/native" pactl set-default-sink bench ||
    fail "the sound server did not start"
}

# The program's sound on ($1 = true) or off, in its settings in the runs' home.
set_sound() {
  local conf="$HOME/.config/Tarvelo/Tarvelo.conf"
  mkdir -p "${conf%/*}"
  touch "$conf"
  awk '/^\[/ { skip = ($0 == "[sound]") } !skip' "$conf" >"$conf.new"
  printf '[sound]\non=%s\n' "$1" >>"$conf.new"
  mv "$conf.new" "$conf"
}

start_listener() {
  /usr/bin/python3 "$here/frame_cost_helper.py" listen >"$run/listener.out" 2>"$run/listener.err" &
  listener_pid=$!
  for i in $(seq 200); do
    grep -qx listening "$run/listener.out" && return 0
    alive "$listener_pid" || break
    sleep 0.1
  done
  cat "$run/listener.err" >&2
  fail "the listener did not register"
}

# Events the listener's accessibility library threw away as malformed, each with a warning on
# its standard error: they cost the program, the bus and the reader all the same, but never
# reach the reader's handler.
dropped_count() {
  grep -c 'Got invalid signature' "$run/listener.err"
}

# The listener's count of events so far (it answers SIGUSR1 with a line).
listener_count() {
  local before i
  before=$(grep -c '^count ' "$run/listener.out")
  kill -USR1 "$listener_pid" 2>/dev/null || { echo "?"; return; }
  for i in $(seq 100); do
    [ "$(grep -c '^count ' "$run/listener.out")" -gt "$before" ] && break
    sleep 0.05
  done
  grep '^count ' "$run/listener.out" | tail -n1 | cut -d' ' -f2
}

# One run of configuration $1; with $2 = perf, records the span instead of printing a row.
# Sets the row fields: r_app r_x r_bus r_listener r_events r_dropped r_sound.
run_once() {
  local config=$1 mode=${2:-} t0 a0 a1 x0 x1 b0 b1 l0 l1 e0 e1 d0 d1 p0 p1 s0 s1 seconds win i
  run=$(mktemp -d "$work/run.XXXXXX")
  mkdir -m 700 "$run/runtime"
  export XDG_RUNTIME_DIR="$run/runtime" TARVELO_INSTANCE_FOLDER="$run/runtime" TMPDIR="$run"
  export PULSE_SERVER="$no_sound_server"
  case $config in
  a | m | s)
    export DBUS_SESSION_BUS_ADDRESS="$no_bus" QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1
    unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON
    if [ "$config" != a ]; then
      start_sound_server
      export PULSE_SERVER="unix:$work/pulse/pulse/native"
    fi
    if [ "$config" = m ]; then set_sound false; else set_sound true; fi
    ;;
  b | c)
    unset QT_ACCESSIBILITY NO_AT_BRIDGE
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    start_buses
    [ "$config" = c ] && start_listener
    ;;
  esac

  "$program" "$problem" >"$run/app.log" 2>&1 &
  app_pid=$!
  # Polled every 50 ms: `xdotool search --sync` looks only twice a second, which would move the
  # span by up to half a second from run to run.
  win=
  for i in $(seq 1200); do
    win=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | head -n1)
    [ -n "$win" ] && break
    alive "$app_pid" || break
    sleep 0.05
  done
  if [ -z "$win" ]; then
    cat "$run/app.log" >&2
    alive "$xvfb_pid" || { tail -n5 "$work/xvfb.log" >&2; say "(X server gone)"; }
    fail "configuration $config: no window appeared"
  fi
  t0=$(now)

  sleep_until "$(awk -v t="$t0" -v d="$span_from" 'BEGIN { printf "%.6f", t + d }')"
  if [ "$mode" = perf ]; then
    s0=$(now)
    a0=$(cpu_ticks "$app_pid")
    perf record -q -g -e "$perf_event" -p "$app_pid" -o "$run/perf.data" \
      -- sleep $((span_to - span_from)) >"$run/perf.log" 2>&1 &
    perf_pid=$!
    wait "$perf_pid"
    perf_pid=
    s1=$(now)
    a1=$(cpu_ticks "$app_pid")
    alive "$app_pid" || fail "configuration $config: the program ended early"
    seconds=$(awk -v a="$s0" -v b="$s1" 'BEGIN { printf "%.3f", b - a }')
    echo "  configuration $config, ${span_from}-${span_to} s after the window showed, the program" \
      "at $(share $((a1 - a0)) "$seconds") % of a core while recorded:"
    /usr/bin/python3 "$here/frame_cost_helper.py" split "$run/perf.data" || say "perf report failed"
    end_run
    rm -rf "$run"
    return
  fi
  s0=$(now)
  a0=$(cpu_ticks "$app_pid")
  x0=$(cpu_ticks "$xvfb_pid")
  b0=$(bus_ticks)
  l0=0
  [ -n "$listener_pid" ] && l0=$(cpu_ticks "$listener_pid")
  [ -n "$listener_pid" ] && e0=$(listener_count) && d0=$(dropped_count)
  p0=$(cpu_ticks "$pulse_pid")

  sleep_until "$(awk -v t="$t0" -v d="$span_to" 'BEGIN { printf "%.6f", t + d }')"
  s1=$(now)
  a1=$(cpu_ticks "$app_pid")
  x1=$(cpu_ticks "$xvfb_pid")
  b1=$(bus_ticks)
  l1=0
  [ -n "$listener_pid" ] && l1=$(cpu_ticks "$listener_pid")
  [ -n "$listener_pid" ] && e1=$(listener_count) && d1=$(dropped_count)
  p1=$(cpu_ticks "$pulse_pid")
  alive "$app_pid" || fail "configuration $config: the program ended early"

  seconds=$(awk -v a="$s0" -v b="$s1" 'BEGIN { printf "%.3f", b - a }')
  r_app=$(share $((a1 - a0)) "$seconds")
  r_x=$(share $((x1 - x0)) "$seconds")
  r_bus=-
  r_listener=-
  r_events=-
  r_dropped=-
  r_sound=-
  case $config in b | c) r_bus=$(share $((b1 - b0)) "$seconds") ;; esac
  case $config in m | s) r_sound=$(share $((p1 - p0)) "$seconds") ;; esac
  if [ -n "$listener_pid" ]; then
    r_listener=$(share $((l1 - l0)) "$seconds")
    case "$e0$e1" in *[!0-9]*) r_events='?' ;; *) r_events=$((e1 - e0)) ;; esac
    r_dropped=$((d1 - d0))
  fi
  end_run
  if [ "$config" = c ]; then
    say "    events by type, start to end of the run:" \
      "$(grep -v '^count \|^listening' "$run/listener.out" | paste -sd' ')"
  fi
  rm -rf "$run"
}

# min/median/max of numbers, one per argument after the printf format $1 ("-" when there are
# none).
spread() {
  local format=$1
  shift
  if [ $# = 0 ] || [ "$1" = - ]; then
    echo "-"
    return
  fi
  printf '%s\n' "$@" | sort -g | awk -v f="$format" '{ v[NR] = $1 } END {
    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf f " / " f " / " f, v[1], m, v[NR] }'
}

# A first start, not measured: it registers the file type in the home, warms the disk cache,
# and any tools it starts finish before the first measured run.
say "warming up"
run_once_warm() {
  run=$(mktemp -d "$work/run.XXXXXX")
  mkdir -m 700 "$run/runtime"
  XDG_RUNTIME_DIR="$run/runtime" TARVELO_INSTANCE_FOLDER="$run/runtime" TMPDIR="$run" \
    DBUS_SESSION_BUS_ADDRESS="$no_bus" \
    QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1 "$program" "$problem" >"$run/app.log" 2>&1 &
  app_pid=$!
  for i in $(seq 1200); do
    [ -n "$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null)" ] && break
    alive "$app_pid" || { cat "$run/app.log" >&2; fail "the program ended at start"; }
    sleep 0.05
  done
  sleep 1
  end_child "$app_pid"
  app_pid=
  wait_for_desktop_tools
  rm -rf "$run"
}
run_once_warm

declare -A names
names=([a]="a no a11y bus" [b]="b bus, no listener" [c]="c bus + listener"
  [m]="m sound off" [s]="s sound on")

# Other work on the machine takes cores from the program and the X server: the load is shown so
# that a busy machine's figures are not taken for the program's.
echo "machine load (1, 5, 15 min) before the runs: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "CPU as % of one core, ${span_from}-${span_to} s after the window shows; $repeats run(s) each"
printf '%-20s %-22s %-20s %-20s %-20s %-20s %s\n' configuration "program min/med/max" \
  "X server" "buses" "listener" "sound server" "events got / malformed"
for config in $(echo "$configs" | grep -o .); do
  apps=() xs=() buses=() listeners=() sounds=() events=() dropped=()
  for r in $(seq "$repeats"); do
    run_once "$config"
    line="  $config run $r: program $r_app %, X server $r_x %"
    [ "$r_bus" != - ] && line="$line, buses $r_bus %"
    [ "$r_sound" != - ] && line="$line, sound server $r_sound %"
    [ "$config" = c ] &&
      line="$line, listener $r_listener %, events $r_events got, $r_dropped malformed"
    say "$line"
    apps+=("$r_app") xs+=("$r_x") buses+=("$r_bus") listeners+=("$r_listener")
    sounds+=("$r_sound")
    events+=("$r_events") dropped+=("$r_dropped")
  done
  printf '%-20s %-22s %-20s %-20s %-20s %-20s %s\n' "${names[$config]}" \
    "$(spread %.1f "${apps[@]}")" "$(spread %.1f "${xs[@]}")" "$(spread %.1f "${buses[@]}")" \
    "$(spread %.1f "${listeners[@]}")" "$(spread %.1f "${sounds[@]}")" \
    "$(spread %d "${events[@]}")$([ "$config" = c ] && echo " | $(spread %d "${dropped[@]}")")"
done

if [ -n "$perf_event" ]; then
  echo
  echo "perf split (own time of each sample's function; one extra run per configuration):"
  for config in $(echo "$configs" | grep -o .); do
    run_once "$config" perf
  done
fi
echo "machine load (1, 5, 15 min) after the runs: $(cut -d' ' -f1-3 /proc/loadavg)"
