#!/usr/bin/env bash
# Refreshes the translation files from the texts the Qt layer marks, keeping every translation
# already made: new texts come in unfinished, texts no longer marked go.
#
#   tools/update-translations.sh              refreshes translations/tarvelo_{it,de,fr,es}.ts
#   tools/update-translations.sh OUT.ts ...   scans into the files named instead
#
# Then translate the entries left unfinished (Qt Linguist: /usr/lib/qt6/bin/linguist) and build;
# the build turns the files into the program's translations. LUPDATE may name another lupdate.
set -euo pipefail
root=$(cd "$(dirname "$(readlink -f "$0")")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
if [ ! -x "$lupdate" ]; then
  echo "error: $lupdate is missing; install it with: apt-get install qt6-l10n-tools" >&2
  exit 1
fi
if [ "$#" -eq 0 ]; then
  set -- "$root"/translations/tarvelo_{it,de,fr,es}.ts
fi

# Every source of the Qt layer; the texts the model (core/) writes are marked there too. The
# include path lets lupdate see each class whole, so that tr() texts get the class's full name.
# Without line numbers, a change of code elsewhere in a file leaves the translations unchanged.
"$lupdate" -extensions cpp,h -I "$root" -source-language en -locations none \
  -no-obsolete "$root/ui" -ts "$@"

for ts in "$@"; do
  left=$(grep -c 'type="unfinished"' "$ts" || true)
  if [ "$left" -gt 0 ]; then
    echo "$ts: $left text(s) to translate"
  fi
done
