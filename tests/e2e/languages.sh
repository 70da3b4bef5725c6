#!/usr/bin/env bash
# In Italian, as LANG asks, read through the accessibility bus: the buttons, the hints and the
# screen reader's names, and the message that refuses a broken problem file named at start, each
# as the Italian translation file has it.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
source "$here/lib.sh"
program=$1
italian="$here/../../translations/tarvelo_it.ts"

# The Italian of an English text in a context of the translation file, never the English itself.
italian_of() {
  local text
  text=$(e2e_translation "$italian" "$1" "$2") || e2e_fail "no Italian for \"$2\" in $1"
  [ "$text" != "$2" ] || e2e_fail "the Italian for \"$2\" is the English"
  printf '%s' "$text"
}

# Two pieces announced, one given: the file ends before line 9.
broken="$e2e_work/broken.trv"
{
  printf '# Tarvelo file - 10:00:00 - 01/02/2026\r\n'
  printf '%s\r\n' 7 3 2 100 252 5 5
} >"$broken"

e2e_start_x
e2e_start_a11y_bus
e2e_start_app env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=it_IT.UTF-8 \
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" "$broken"

# The refusal, shown once start-up is over.
refusal=$(italian_of ProblemMessages \
  "The problem file “%1” is incomplete: it ends before line %2.")
refusal=${refusal//%1/$broken}
refusal=${refusal//%2/9}
e2e_wait_for 'e2e_a11y_named label "$refusal"' 30 || e2e_fail "no message reads \"$refusal\""
e2e_a11y_named alert Tarvelo || e2e_fail "the refusal is not in a message box"

# The buttons free mode shows, the "i" and the hints.
for english in "Show solution" New Load Save "Program info"; do
  text=$(italian_of tarvelo::FrmMain "$english")
  e2e_a11y_named "push button" "$text" || e2e_fail "no button reads \"$text\" for \"$english\""
  if e2e_a11y_named "push button" "$english"; then
    e2e_fail "a button still reads \"$english\""
  fi
done
for english in "Drag inside..." "Left-click and drag : move the objects" \
  "Drag down for removing..."; do
  text=$(italian_of tarvelo::FrmMain "$english")
  e2e_a11y_named label "$text" || e2e_fail "no hint reads \"$text\" for \"$english\""
done

# What only a screen reader hears: the scene's list of pans and a palette picture.
text=$(italian_of tarvelo::SceneAccessible "the two pans")
e2e_a11y_named list "$text" || e2e_fail "the scene's list is not named \"$text\""
text=$(italian_of tarvelo::PieceNames "unknown X")
e2e_a11y_named "push button" "$text" || e2e_fail "the X picture is not named \"$text\""

kill -0 "$e2e_app_pid" 2>/dev/null || e2e_fail "the program ended"
echo "end-to-end languages: buttons, hints, names and a refused file's message in Italian"
