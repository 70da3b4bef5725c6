#!/usr/bin/env bash
# The manual page and --help name the same options (and the manual formats without a warning):
# an option added to one and not the other fails here.
set -u
program=$1
manual=$2 # the manual page's source as the build configured it (tarvelo.1)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$program" --help >"$work/help" || fail "--help ended with status $?"
groff -man -Tutf8 -ww -z "$manual" 2>"$work/groff" || fail "groff cannot format the manual"
[ ! -s "$work/groff" ] || fail "the manual formats with warnings: $(cat "$work/groff")"

/usr/bin/python3 - "$work/help" "$manual" <<'PY' || fail "--help and the manual differ"
import re, sys

def help_options(text):
    """The options --help lists, and -- when its usage line names it."""
    names = set()
    lines = text.splitlines()
    if "[--]" in lines[0]:
        names.add("--")
    section = None
    for line in lines:
        if re.match(r"^\S.*:$", line):
            section = line
        elif section == "Options:" and re.match(r"^  -", line):
            tag = re.split(r"\s{2,}", line.strip())[0]
            names.update(re.sub(r"\s*<.*>", "", part) for part in tag.split(", "))
    return names

def manual_options(source):
    """The tags of the paragraphs in the manual's OPTIONS section that start with a dash."""
    names = set()
    section = None
    lines = source.splitlines()
    for i, line in enumerate(lines):
        if line.startswith(".SH "):
            section = line[4:].strip('"')
        elif section == "OPTIONS" and line == ".TP" and i + 1 < len(lines):
            tag = lines[i + 1].replace("\\-", "-")
            tag = re.sub(r"^\.[A-Z]+\s+", "", tag)
            names.update(word for word in re.findall(r'"[^"]*"|\S+', tag)
                         if word.startswith("-"))
    return names

in_help = help_options(open(sys.argv[1]).read())
in_manual = manual_options(open(sys.argv[2]).read())
if in_help != in_manual:
    print("only in --help:", sorted(in_help - in_manual), file=sys.stderr)
    print("only in the manual:", sorted(in_manual - in_help), file=sys.stderr)
    sys.exit(1)
# A parser that found nothing would agree with itself.
for must in ("--settle", "--png", "--show-solution", "--json", "--version", "--"):
    assert must in in_help, must
PY

echo "manual: names the options --help names"
