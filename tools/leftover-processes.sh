#!/usr/bin/env bash
# Finds the processes a test run left running, says which, ends them, and fails if there were any.
#
# Usage: tools/leftover-processes.sh TOKEN
# ./test starts the tests with TARVELO_TEST_RUN=TOKEN in the environment. Every process they
# start inherits the variable, also after a change of user (setpriv) or after daemonising, so
# a process whose environment still holds it once the tests are over was left behind. As the
# superuser every process is seen; as anyone else only one's own (a process that clears its
# environment is not seen either way).
set -u

if [ $# -ne 1 ] || [ -z "$1" ]; then
  echo "usage: $0 TOKEN" >&2
  exit 2
fi
mark="TARVELO_TEST_RUN=$1"
# What this script starts must not count (when called by hand with the mark in its environment).
unset TARVELO_TEST_RUN

parent_of() { awk '$1 == "PPid:" { print $2 }' "/proc/$1/status" 2>/dev/null; }

# This script's ancestors, the shell that ran the tests among them, are not left behind.
declare -A ours=([$$]=1)
pid=$$
while pid=$(parent_of "$pid") && [ -n "$pid" ] && [ "$pid" -gt 0 ]; do
  ours[$pid]=1
done

# The processes that carry the mark, apart from this script, its ancestors and its own children
# (a command substitution is a copy of this shell, with its environment).
marked() {
  local file pid up
  # One grep over every process's environment; unreadable and vanished ones are passed by.
  while IFS= read -r file; do
    pid=${file#/proc/}
    pid=${pid%/environ}
    [ -n "${ours[$pid]:-}" ] && continue
    up=$pid
    while up=$(parent_of "$up") && [ -n "$up" ] && [ "$up" -gt 1 ]; do
      [ "$up" = $$ ] && continue 2
    done
    echo "$pid"
  done < <(grep -lzFx -- "$mark" /proc/[0-9]*/environ 2>/dev/null)
}

# Processes being ended at the close of a test may still show for a moment, until they are
# reaped (a zombie's environment reads as empty): look again for up to five seconds before
# calling them left behind.
left=()
deadline=$((SECONDS + 5))
while :; do
  mapfile -t left < <(marked)
  [ ${#left[@]} -eq 0 ] && exit 0
  [ $SECONDS -ge $deadline ] && break
  sleep 0.2
done

echo "error: the tests left ${#left[@]} process(es) running; they are ended now:" >&2
for pid in "${left[@]}"; do
  ps -o pid=,user=,args= -p "$pid" >&2 || echo "$pid (ended meanwhile)" >&2
done
# Nothing lingers after the report. A stopped process only acts on the signal once continued.
kill -TERM "${left[@]}" 2>/dev/null
kill -CONT "${left[@]}" 2>/dev/null
deadline=$((SECONDS + 2))
while mapfile -t left < <(marked) && [ ${#left[@]} -gt 0 ] && [ $SECONDS -lt $deadline ]; do
  sleep 0.1
done
[ ${#left[@]} -eq 0 ] || kill -KILL "${left[@]}" 2>/dev/null
exit 1
