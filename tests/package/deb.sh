#!/usr/bin/env bash
# Builds the Debian package and looks inside it, without installing it: the program, its desktop
# entry (valid), its MIME type and its icon, the lessons, and the libraries it depends on.
set -u
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/out/*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no package was made"

dpkg-deb -x "$deb" "$work/root" || fail "the package does not unpack"
for f in usr/bin/tarvelo usr/share/applications/tarvelo.desktop \
         usr/share/mime/packages/tarvelo.xml usr/share/icons/hicolor/scalable/apps/tarvelo.svg; do
  [ -f "$work/root/$f" ] || fail "the package lacks /$f"
done
[ -x "$work/root/usr/bin/tarvelo" ] || fail "the program is not executable"
desktop-file-validate "$work/root/usr/share/applications/tarvelo.desktop" ||
  fail "the desktop entry is not valid"
grep -q '^Exec=tarvelo %f$' "$work/root/usr/share/applications/tarvelo.desktop" ||
  fail "the desktop entry does not open files with tarvelo"
grep -q 'glob pattern="\*.trv"' "$work/root/usr/share/mime/packages/tarvelo.xml" ||
  fail "the MIME type does not claim *.trv"
# Every lesson of the source tree, as it is there (the manifest stays behind).
lessons=$(cd "$(dirname "$0")/../../lessons" && pwd)
installed="$work/root/usr/share/tarvelo/lessons"
compgen -G "$installed/*.trv" >/dev/null || fail "the package holds no lessons"
diff -r -x lessons.tsv "$lessons" "$installed" >&2 ||
  fail "the package's lessons are not those of the source tree"
[ "$(dpkg-deb -f "$deb" Package)" = tarvelo ] || fail "the package is not called tarvelo"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "it does not depend on Qt Widgets"

echo "package: $(basename "$deb") holds the program, its entry, type, icon and lessons"
