#!/usr/bin/python3
# Helpers of bench/frame-cost.sh: a screen-reader stand-in that counts events, the perf split.
#
#   frame_cost_helper.py listen
#       Registers on the accessibility bus (DBUS_SESSION_BUS_ADDRESS) for the events a screen
#       reader follows, prints "listening" once registered, then on every SIGUSR1 a line
#       "count N" (events received so far). On SIGTERM or SIGINT it prints "count N" and one line
#       "type N" per event type, and ends. Runs on the system /usr/bin/python3 (pyatspi).
#   frame_cost_helper.py split PERF_DATA [--top N]
#       The recorded samples' shares by area (physics, painting, accessibility, ...) and the
#       symbols that cost most, from `perf report`.
import argparse
import collections
import re
import signal
import subprocess
import sys

# What a screen reader registers for: with these the toolkit's bridge sends everything it would
# send to one.
SCREEN_READER_EVENTS = [
    "object:children-changed",
    "object:property-change:accessible-name",
    "object:property-change:accessible-description",
    "object:state-changed",
    "object:text-changed",
    "focus:",
    "object:active-descendant-changed",
    "window:activate",
]


def listen():
    import pyatspi
    from gi.repository import GLib

    counts = collections.Counter()
    total = [0]

    def counted(event):
        # Nothing but counting: the reader's own cost stays out of what the program is charged.
        total[0] += 1
        counts[event.type] += 1

    def report():
        print(f"count {total[0]}", flush=True)
        return GLib.SOURCE_CONTINUE

    def finish():
        report()
        for kind, n in counts.most_common():
            print(f"{kind} {n}", flush=True)
        pyatspi.Registry.stop()
        return GLib.SOURCE_REMOVE

    pyatspi.Registry.registerEventListener(counted, *SCREEN_READER_EVENTS)
    # Through the main loop, not Python's own handlers, which would wait for the loop to return.
    GLib.unix_signal_add(GLib.PRIORITY_HIGH, signal.SIGUSR1, report)
    GLib.unix_signal_add(GLib.PRIORITY_HIGH, signal.SIGTERM, finish)
    GLib.unix_signal_add(GLib.PRIORITY_HIGH, signal.SIGINT, finish)
    print("listening", flush=True)
    pyatspi.Registry.start()


# First match wins; a sample counts where its own symbol is (no frame pointers in a Release
# build or in the distribution's Qt, so the callers' chains are not to be trusted). The names of
# pieces and pans for a screen reader find each piece's place in its stack with the keyboard's
# PlaceInStack: nothing presses keys during the benchmark, so that time is the bridge's.
AREAS = [
    ("accessibility", re.compile(r"QAccessib|AtSpi|QSpi|Accessib|dbus|DBus", re.I), None),
    ("accessibility", re.compile(r"tarvelo::(PlaceInStack|PanName|PieceName|\(anonymous "
                                 r"namespace\)::PiecesOn)|StackPlace"), None),
    ("accessibility", None, re.compile(r"libQt6DBus|libdbus|libatspi")),
    ("physics", re.compile(r"tarvelo::(Scene|OverlapIndex|ContactMatrix)|FallStep|Contacts"),
     None),
    ("painting", re.compile(r"QPainter|Raster|qt_blend|qt_memfill|qt_fetch|comp_func|blend_|"
                            r"Pixmap|QImage|Paint|Svg|tarvelo::.*(Paint|Draw|Picture)|qt_scale|"
                            r"convert_|fetchTransformed|qt_bitmapblit|QRegion|QPen|QBrush|"
                            r"QTransform|QFont|QText|Glyph|QFreetype|FT_|hb_"), None),
    ("painting", None, re.compile(r"libQt6Svg|libfreetype|libharfbuzz|libpng|libz")),
    ("X11 / xcb", re.compile(r"xcb|QXcb|XPut|XShm", re.I), re.compile(r"libxcb|libX11|XcbQpa")),
    ("other program code", re.compile(r"tarvelo::"), re.compile(r"^tarvelo$")),
    ("event loop, timers, objects", None, re.compile(r"libQt6Core|libglib|libgobject")),
    ("Qt widgets / gui, other", None, re.compile(r"libQt6Widgets|libQt6Gui")),
    ("C and C++ libraries", None, re.compile(r"libc\.so|libm\.so|libstdc\+\+|ld-linux")),
]

# share, samples, object, [.] or [k], symbol
LINE = re.compile(r"^\s*([\d.]+)%\s+(\d+)\s+(\S+)\s+\[(.)\]\s+(.*?)\s*$")


def area_of(dso, level, symbol):
    if level == "k" or dso.startswith("[kernel"):
        return "kernel"
    for name, sym_re, dso_re in AREAS:
        if sym_re is not None and sym_re.search(symbol):
            return name
        if dso_re is not None and dso_re.search(dso):
            return name
    return "other"


def split(data, top):
    out = subprocess.run(
        ["perf", "report", "-i", data, "--stdio", "--no-children", "-g", "none", "-n",
         "--sort", "dso,sym", "--percent-limit", "0"],
        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, check=False).stdout
    rows = []
    samples = 0
    for line in out.splitlines():
        m = LINE.match(line)
        if m:
            rows.append((float(m.group(1)), m.group(3), m.group(4), m.group(5)))
            samples += int(m.group(2))
    if not rows:
        print("    (no samples)")
        return
    areas = collections.Counter()
    for share, dso, level, symbol in rows:
        areas[area_of(dso, level, symbol)] += share
    print(f"    {samples} samples; by area (own time):")
    for name, share in areas.most_common():
        print(f"      {share:6.2f}%  {name}")
    print(f"    top {top} symbols:")
    for share, dso, level, symbol in sorted(rows, reverse=True)[:top]:
        shown = symbol if len(symbol) <= 90 else symbol[:87] + "..."
        print(f"      {share:6.2f}%  {dso:<22.22} {shown}")


def main():
    parser = argparse.ArgumentParser(description="Helpers of bench/frame-cost.sh.")
    sub = parser.add_subparsers(dest="command", required=True)
    sub.add_parser("listen")
    s = sub.add_parser("split")
    s.add_argument("data")
    s.add_argument("--top", type=int, default=15)
    args = parser.parse_args()
    if args.command == "listen":
        listen()
    else:
        split(args.data, args.top)


if __name__ == "__main__":
    sys.exit(main())
