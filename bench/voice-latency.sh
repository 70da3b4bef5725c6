#!/usr/bin/env bash
# How soon the first Ctrl+E of a session is heard, and what the voice's warm-up costs.
#
#   bench/voice-latency.sh PROGRAM [--repeats N] [--after "S ..."] [--sound-off]
#
# Starts the program on a lesson under a virtual X server with a sound server of the script's own
# (PulseAudio, one sink that plays into nothing, recorded) and a speech service of its own that
# nothing has started yet, as at the start of a desktop session. For each delay S (seconds after
# the window shows; default "0 3"), it starts the program afresh N times (default 3), presses
# Ctrl+E S seconds after the window shows (or once the balance's tone at start has ended, if
# later), and prints the milliseconds from the key to the first
# sample of the voice. At 5 s after the window shows it reads what the speech service and its
# voices cost: their CPU time (utime + stime) and memory (RSS), and the program's memory.
# --sound-off runs the program with its sound turned off in its settings, where it makes no
# speech engine: the program's memory then, against the one above, is the engine's share.
# Needs the end-to-end tests' packages, pulseaudio, pulseaudio-utils, sox and speech-dispatcher.
# Everything the script starts is ended by process id on exit.
set -u
LC_NUMERIC=C

here=$(dirname "$(readlink -f "$0")")
usage() {
  echo "usage: $0 PROGRAM [--repeats N] [--after \"S ...\"] [--sound-off]" >&2
  exit 64
}
[ $# -ge 1 ] || usage
program=$(readlink -f "$1")
shift
repeats=3
afters="0 3"
sound_off=0
while [ $# -gt 0 ]; do
  case $1 in
  --repeats) [ $# -ge 2 ] || usage; repeats=$2; shift 2 ;;
  --after) [ $# -ge 2 ] || usage; afters=$2; shift 2 ;;
  --sound-off) sound_off=1; shift ;;
  *) usage ;;
  esac
done
[ -x "$program" ] || { echo "not a program: $program" >&2; exit 64; }
case $repeats in '' | *[!0-9]* | 0) usage ;; esac

source "$here/../tests/e2e/lib.sh"
trap 'e2e_end_speech_service; e2e_cleanup' EXIT
lesson="$here/../lessons/01 One cube balances one cube.trv"
heard=0.01 # a sound at 1 % of full scale is heard
quiet=0.001

# The CPU seconds and the resident kilobytes of the processes $@ together.
cost_of() {
  local pid cpu=0 rss=0 line fields
  for pid in "$@"; do
    read -r line 2>/dev/null <"/proc/$pid/stat" || continue
    fields=(${line##*) })
    cpu=$((cpu + fields[11] + fields[12]))
    rss=$((rss + $(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)))
  done
  awk -v t="$cpu" -v hz="$(getconf CLK_TCK)" -v r="$rss" 'BEGIN { printf "%.2f s CPU, %d MB", t / hz, r / 1024 }'
}

e2e_start_x
e2e_start_sound_server
e2e_private_speech_service
if [ "$sound_off" = 1 ]; then
  mkdir -p "$HOME/.config/Tarvelo"
  printf '[sound]\non=false\n' >"$HOME/.config/Tarvelo/Tarvelo.conf"
fi

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for after in $afters; do
  delays=()
  for _ in $(seq "$repeats"); do
    e2e_start_app "$program" "$lesson"
    # No window manager gives the window the keyboard: the script does.
    xdotool windowfocus --sync "$e2e_window"
    e2e_await_window_drawn
    shown_at=$EPOCHREALTIME
    # The balance's tone at start ends first, so that only the voice is heard after the key.
    e2e_record "$e2e_work/voice.raw"
    e2e_await_sound_over "the sounds of the start to end" "$quiet"
    pause=$(awk -v s="$shown_at" -v a="$after" -v n="$EPOCHREALTIME" 'BEGIN { r = s + a - n; print (r > 0 ? r : 0) }')
    sleep "$pause" # the user's pause before the key, as measured
    pressed_at=$EPOCHREALTIME
    e2e_keys ctrl+e
    delay=
    key_place=$(e2e_recorded_until "$e2e_work/voice.raw" "$pressed_at")
    if [ "$sound_off" = 0 ] &&
      e2e_wait_for "awk -v p=\"\$(e2e_sound_peak '$e2e_work/voice.raw' $key_place)\" 'BEGIN { exit !(p > $heard) }'" 20; then
      e2e_await_sound_over "the voice to end" "$quiet"
      onset=$(e2e_sound_onset "$e2e_work/voice.raw" "$key_place" "$heard")
      [ -z "$onset" ] ||
        delay=$(e2e_ms_between "$pressed_at" "$(e2e_recorded_by "$e2e_work/voice.raw" "$onset")")
    fi
    e2e_record_stop
    delays+=("${delay:-none}")
    # The cost, 5 s after the window showed.
    rest=$(awk -v s="$shown_at" -v n="$EPOCHREALTIME" 'BEGIN { r = s + 5 - n; print (r > 0 ? r : 0) }')
    sleep "$rest"
    echo "  Ctrl+E $(e2e_ms_between "$shown_at" "$pressed_at") ms after the window showed:" \
      "heard after ${delay:-nothing} ms;" \
      "speech service $(cost_of $(e2e_speech_service_alive));" \
      "program $(cost_of "$e2e_app_pid")"
    e2e_end "$e2e_app_pid"
    e2e_app_pid=
    e2e_end_speech_service
  done
  echo "Ctrl+E ${after} s after the window showed, ms from the key to the voice: ${delays[*]}"
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
