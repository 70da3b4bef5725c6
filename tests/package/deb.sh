#!/usr/bin/env bash
# Builds the Debian package and looks inside it, without installing it: the program, its desktop
# entry (valid), its MIME type and its icon, the lessons, the libraries it depends on, its manual,
# copyright file, changelog and user's guide, and its AppStream metainfo (valid, with the
# screenshots the build drew); lintian finds no error and no warning in it.
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


# What Debian asks of a package: lintian's errors and warnings (its notes are not counted). An
# override needs a reason in the packaging folder, and none is needed so far.
lintian --fail-on error,warning --no-tag-display-limit "$deb" >"$work/lintian" 2>&1 ||
  { grep -v '^running with root' "$work/lintian" >&2; fail "lintian finds errors or warnings"; }
for f in usr/share/man/man1/tarvelo.1.gz usr/share/doc/tarvelo/copyright \
         usr/share/doc/tarvelo/changelog.gz usr/share/doc/tarvelo/README.md.gz; do
  [ -f "$work/root/$f" ] || fail "the package lacks /$f"
done
zcat "$work/root/usr/share/doc/tarvelo/README.md.gz" | cmp -s - "$(dirname "$0")/../../README.md" ||
  fail "the installed user's guide is not the README of the source tree"
zcat "$work/root/usr/share/man/man1/tarvelo.1.gz" | grep -q '^\.SH EXIT STATUS' ||
  fail "the installed manual page is not tarvelo's"
[ "$(zcat "$work/root/usr/share/doc/tarvelo/changelog.gz" | head -n1 | sed 's/.*(\(.*\)).*/\1/')" = \
  "$(dpkg-deb -f "$deb" Version)" ] || fail "the changelog's last version is not the package's"

# The metainfo: one file, valid for a software centre, naming the desktop entry and the type.
metainfo=$(ls "$work"/root/usr/share/metainfo/*.metainfo.xml 2>/dev/null)
[ "$(printf '%s\n' "$metainfo" | grep -c .)" = 1 ] || fail "the package holds no single metainfo"
appstreamcli validate --pedantic --no-net "$metainfo" >"$work/appstream" 2>&1 ||
  { cat "$work/appstream" >&2; fail "the metainfo is not valid"; }
grep -q '<launchable type="desktop-id">tarvelo.desktop</launchable>' "$metainfo" ||
  fail "the metainfo does not launch the desktop entry"
grep -q "<mediatype>$(grep -o 'type="[^"]*"' "$work/root/usr/share/mime/packages/tarvelo.xml" |
  head -n1 | cut -d'"' -f2)</mediatype>" "$metainfo" || fail "the metainfo provides another type"
# Each screenshot it names was drawn by this build, at the size it gives.
/usr/bin/python3 - "$metainfo" "$build/screenshots" <<'PY' || fail "the screenshots do not match"
import os, struct, sys
import xml.etree.ElementTree as ET
images = ET.parse(sys.argv[1]).getroot().findall("./screenshots/screenshot/image")
assert images, "no screenshots"
for image in images:
    path = os.path.join(sys.argv[2], image.text.rsplit("/", 1)[1])
    with open(path, "rb") as png:
        head = png.read(24)
    assert head[:8] == b"\x89PNG\r\n\x1a\n", path
    size = struct.unpack(">II", head[16:24])
    assert size == (int(image.get("width")), int(image.get("height"))), (path, size)
PY

echo "package: $(basename "$deb") holds the program, its entry, type, icon, lessons, manual and metainfo"
