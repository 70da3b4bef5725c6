#!/usr/bin/env bash
# The layers check on the real tree, and on small trees that each break the layers one way: it
# must pass the first and name the fault in each of the others.
set -euo pipefail
check="$1/tools/check-layers.py"
source_root="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 "$check" "$source_root"

# A tree of the given files, each "path:included path" (no included path: no include).
tree() {
  rm -rf "$work/tree"
  for entry in "$@"; do
    local path="${entry%%:*}" included="${entry#*:}"
    mkdir -p "$work/tree/$(dirname "$path")"
    if [ -n "$included" ] && [ "$included" != "$path" ]; then
      printf '#include "%s"\n' "$included" >>"$work/tree/$path"
    else
      : >>"$work/tree/$path"
    fi
  done
}

# expect_fault WORDS FILES...: the check fails on the tree and says WORDS.
expect_fault() {
  local words="$1"
  shift
  tree "$@"
  local status=0 said
  said=$(python3 "$check" "$work/tree") || status=$?
  if [ "$status" -ne 1 ] || ! grep -qF -- "$words" <<<"$said"; then
    echo "expected a fault saying '$words' for: $*; got status $status: $said" >&2
    exit 1
  fi
}

expect_fault "core/base may not include core/play" \
  "core/base/Clock.h:core/play/Model.h" "core/play/Model.h:"
expect_fault "core/world may not include ui/window" \
  "core/world/Scene.cpp:ui/window/FrmMain.h" "ui/window/FrmMain.h:"
expect_fault "core/io may not include core/play" \
  "core/io/ProblemFile.cpp:core/play/Model.h" "core/play/Model.h:"
expect_fault "core/odd has no place in the layers" \
  "core/odd/Thing.cpp:core/base/Layout.h" "core/base/Layout.h:"
expect_fault "folders in a cycle: ui/accessibility -> ui/window -> ui/accessibility" \
  "ui/window/FrmMain.cpp:ui/accessibility/Names.h" "ui/accessibility/Names.cpp:ui/window/FrmMain.h"

# Includes within a folder and down the layers are no fault.
tree "core/play/Model.h:core/world/Scene.h" "core/world/Scene.h:core/base/Layout.h" \
  "core/world/Scene.cpp:core/world/Scene.h" "ui/window/FrmMain.cpp:core/play/Model.h"
python3 "$check" "$work/tree"
echo "the layers hold"
