#!/usr/bin/env bash
# What the program plays, heard through a sound server of the test's own, on a desktop whose
# accessibility bus is up for everyone with no screen reader running: quiet while nothing
# happens, a sound when a cube dropped from high up lands, the balance's tone again on Ctrl+B and
# the equation read aloud on Ctrl+E; once a screen reader runs, Ctrl+E goes to it and the voice
# is quiet, and once it stops the voice speaks again; once the speech service dies, the next
# Ctrl+E starts it again and is heard; and without any sound server, one line saying so and a
# program that plays on silently.
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1
lesson="$here/../../lessons/01 One cube balances one cube.trv"

for tool in pulseaudio pactl parec paplay sox; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# The speech service the program starts lives on by itself: it is ended with the rest.
trap 'e2e_end_speech_service; e2e_cleanup' EXIT

# Loudness as a fraction of full scale. The sink plays exact zeros while nobody plays to it, so
# "quiet" allows no more than a sample's rounding; the program's sounds are gentle, but a sound
# under 1 % (-40 dB) would be no sound to a pupil either.
quiet=0.001
heard=0.01
louder() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# Presses the key $1 while recording into $2, waits up to $3 seconds for a sound and then for its
# end, and sets `delay` to the milliseconds from the key to the sound's first sample (empty when
# nothing was heard).
delay=
record_key() {
  local key=$1 file=$2 limit=$3 pressed_at onset
  e2e_record "$file"
  pressed_at=$EPOCHREALTIME
  e2e_keys "$key"
  e2e_wait_for "louder \"\$(e2e_sound_peak '$file')\" $heard" "$limit"
  e2e_await_sound_over "the sound $key brought to end" "$quiet"
  e2e_record_stop
  delay=
  onset=$(e2e_sound_onset "$file" "$(e2e_recorded_until "$file" "$pressed_at")" "$heard")
  [ -z "$onset" ] || delay=$(e2e_ms_between "$pressed_at" "$(e2e_recorded_by "$file" "$onset")")
}

e2e_start_x
e2e_start_sound_server
e2e_private_speech_service
# The bus as GNOME starts it for everyone: enabled, so that the toolkit's accessibility is on,
# and nobody listens. Its settings live in memory, not in a settings service that would outlive
# the test.
export GSETTINGS_BACKEND=memory
e2e_start_a11y_bus
a11y_status() {
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties."$@"
}
a11y_status Set string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null &&
  a11y_status Get string:org.a11y.Status string:ScreenReaderEnabled | grep -q 'boolean false' ||
  e2e_fail "the accessibility bus is not enabled with no screen reader"

# The recording path first, with a tone another program plays: unless it is heard at about its
# loudness, a silent program below would prove nothing but a broken test.
sox -n -r 22050 -c 1 "$e2e_work/tone.wav" synth 0.3 sine 440 vol 0.5
e2e_record "$e2e_work/tone.raw"
played_at=$EPOCHREALTIME
paplay "$e2e_work/tone.wav" || e2e_fail "paplay could not play to the test's sound server"
e2e_await_sound_over "the tone to end" "$quiet"
e2e_record_stop
peak=$(e2e_sound_peak "$e2e_work/tone.raw")
louder "$peak" 0.1 ||
  e2e_fail "a tone of amplitude 0.5 was recorded at $peak: the recording is broken, not the program"
onset=$(e2e_sound_onset "$e2e_work/tone.raw" 0 "$heard")
echo "recording checked: paplay's tone recorded at peak $peak, within" \
  "$(e2e_ms_between "$played_at" "$(e2e_recorded_by "$e2e_work/tone.raw" "$onset")") ms after paplay started"

# The program's start, recorded until it has played whatever it plays as the balance first comes
# to rest.
e2e_record "$e2e_work/start.raw"
e2e_start_app "$program" "$lesson"
e2e_await_window_drawn
e2e_await_sound_over "the program to end the sounds of its start" "$quiet"
e2e_record_stop
echo "at start: peak $(e2e_sound_peak "$e2e_work/start.raw")"

# Nothing happening, nothing heard.
e2e_record "$e2e_work/quiet.raw"
sleep 3 # the stretch listened to
e2e_record_stop
length=$(e2e_sound_length "$e2e_work/quiet.raw")
louder "$length" 2 || e2e_fail "3 s of quiet gave a recording of $length s: the recording is broken"
peak=$(e2e_sound_peak "$e2e_work/quiet.raw")
louder "$peak" "$quiet" && e2e_fail "the program played sound (peak $peak) with nothing happening"
echo "nothing happening: $length s recorded at peak $peak"

# The cube bearing 5 dragged from the palette (window pixels: the window sits at the screen's
# corner; the scene starts at (6, 62), the palette's 5 at (384, 10)) and let go of high above
# the left pan.
e2e_record "$e2e_work/drop.raw"
e2e_drag_in $((384 + 20)) $((10 + 20)) $((6 + 200)) $((62 + 40))
e2e_await_still "the cube landing and the pans tilting"
e2e_await_sound_over "the sounds of the landing to end" "$quiet"
e2e_record_stop
# The cube's weight took the left pan down (9 pixels below the level line 292): the drop was made.
e2e_screenshot
e2e_expect_pixel $((6 + 30 + 300)) $((62 + 292 + 9 + 1)) 000000 "left pan lowered by the cube"
recording="$e2e_work/drop.raw"
pressed=$(e2e_recorded_until "$recording" "$e2e_pressed_at")
released=$(e2e_recorded_until "$recording" "$e2e_released_at")
onset=$(e2e_sound_onset "$recording" "$pressed" "$heard")
if [ -n "$onset" ] && ! louder "$onset" "$released"; then
  echo "pick-up: first heard within $(e2e_ms_between "$e2e_pressed_at" "$(e2e_recorded_by "$recording" "$onset")") ms after the press"
else
  echo "pick-up: nothing heard before the release"
fi
onset=$(e2e_sound_onset "$recording" "$released" "$heard")
[ -n "$onset" ] ||
  e2e_fail "nothing was heard after the cube was let go of above the pan" \
    "(peak $(e2e_sound_peak "$recording" "$released"))"
echo "drop: peak $(e2e_sound_peak "$recording" "$released"), first heard within" \
  "$(e2e_ms_between "$e2e_released_at" "$(e2e_recorded_by "$recording" "$onset")") ms after the release" \
  "(the cube's fall included)"

# Ctrl+B plays the balance's tone at rest again, the way a landing's sound takes to the speaker
# without a fall before it: the delay from a landing to its sound.
record_key ctrl+b "$e2e_work/again.raw" 5
[ -n "$delay" ] || e2e_fail "Ctrl+B played no tone of the balance at rest"
echo "Ctrl+B: the balance's tone heard within $delay ms of the key"

# Ctrl+E reads the equation aloud, with the accessibility bus up and no screen reader; the speech
# service started as the window showed (how soon the first Ctrl+E is heard is measured in
# bench/voice-latency.sh). The words handed to the voice are tested in the window
# (sound_window_test); here, that a voice is heard, and at a gentle volume rather than at full
# scale.
record_key ctrl+e "$e2e_work/equation.raw" 60
[ -n "$delay" ] || e2e_fail "Ctrl+E was not heard reading the equation with no screen reader running"
peak=$(e2e_sound_peak "$e2e_work/equation.raw")
louder "$peak" 0.8 && e2e_fail "the equation was read aloud at peak $peak, near full scale"
echo "Ctrl+E: the equation heard within $delay ms of the key, at peak $peak"

# A screen reader starts, as a desktop starts one: the bus's status says so. Ctrl+E goes to it as
# a notification, and the voice stays quiet rather than talk over it.
/usr/bin/python3 "$here/atspi_tree.py" --pid "$e2e_app_pid" --listen 100 >"$e2e_work/told" &
e2e_helper_pids+=("$!")
e2e_await "a listener on the bus" 'grep -Fx listening "$e2e_work/told"' 20
a11y_status Set string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:true >/dev/null ||
  e2e_fail "the screen reader's status could not be set"
e2e_record "$e2e_work/reader.raw"
e2e_keys ctrl+e
e2e_await "Ctrl+E told to the screen reader" 'grep -q "^notification	" "$e2e_work/told"' 20
sleep 2 # the stretch listened to for a voice, which would have begun within a fraction of it
e2e_record_stop
peak=$(e2e_sound_peak "$e2e_work/reader.raw")
louder "$peak" "$quiet" &&
  e2e_fail "the voice read the equation aloud (peak $peak) while a screen reader ran"
echo "Ctrl+E with a screen reader: told as \"$(grep -m1 '^notification' "$e2e_work/told" | cut -f2)\"," \
  "nothing heard (peak $peak)"

# The screen reader stops: the voice reads again.
a11y_status Set string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:false >/dev/null ||
  e2e_fail "the screen reader's status could not be set back"
record_key ctrl+e "$e2e_work/again-voice.raw" 20
[ -n "$delay" ] || e2e_fail "Ctrl+E was not heard once the screen reader had stopped"
echo "Ctrl+E once the screen reader stopped: heard within $delay ms of the key"

# The speech service dies: the next Ctrl+E starts it again, and is heard.
e2e_end_speech_service
record_key ctrl+e "$e2e_work/after-service.raw" 60
[ -n "$delay" ] || e2e_fail "Ctrl+E was not heard once the speech service had died"
e2e_speech_service_alive >/dev/null || e2e_fail "no speech service runs after Ctrl+E was heard"
echo "Ctrl+E once the speech service died: heard within $delay ms of the key"

kill -0 "$e2e_app_pid" 2>/dev/null || e2e_fail "the program ended"
grep '^tarvelo: no sound' "$e2e_work/app.log" &&
  e2e_fail "the program said it had no sound with a sound server to play to"
grep '^tarvelo: no speech' "$e2e_work/app.log" &&
  e2e_fail "the program said it had no speech service with one to start"
e2e_end "$e2e_app_pid"
e2e_app_pid=
e2e_end_speech_service

# No sound server at all: the program says so once on its error output, and plays on.
e2e_end_sound_server
export PULSE_SERVER="unix:$e2e_work/no-sound-server"
errors="$e2e_work/errors"
e2e_start_app bash -c 'exec "$@" 2>"$0"' "$errors" "$program"
e2e_await_window_drawn
e2e_drag_in $((384 + 20)) $((10 + 20)) $((6 + 200)) $((62 + 150))
e2e_await_still "the cube landing with no sound server"
e2e_screenshot
# As in the drag test: the left pan hangs 9 pixels below the level line, under the cube.
e2e_expect_pixel $((6 + 30 + 300)) $((62 + 292 + 9 + 1)) 000000 "left pan lowered by the cube"
e2e_keys ctrl+e
# A second cube, for a second landing and a second rest that have no sound to play either.
e2e_drag_in $((384 + 20)) $((10 + 20)) $((6 + 200)) $((62 + 100))
e2e_await_still "the second cube landing with no sound server"
kill -0 "$e2e_app_pid" 2>/dev/null || { cat "$errors" >&2; e2e_fail "the program ended with no sound server"; }
said=$(grep -c '^tarvelo: no sound' "$errors")
[ "$said" = 1 ] ||
  { cat "$errors" >&2; e2e_fail "with no sound server the program said so $said times, not once"; }

echo "end-to-end sound: quiet at rest, heard dropping a cube and reading the equation with" \
  "nobody listening on the accessibility bus, quiet while a screen reader runs, and again once" \
  "the speech service died; without a sound" \
  "server, said once and played on"
