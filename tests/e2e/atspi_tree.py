#!/usr/bin/python3
# Reads the running program's accessibility tree from the AT-SPI bus, as a screen reader sees it.
#
# Runs on the system /usr/bin/python3 (pyatspi is a Debian package), with DBUS_SESSION_BUS_ADDRESS
# set to the bus the program talks to:
#   atspi_tree.py --pid PID --dump               the whole tree, indented
#   atspi_tree.py --pid PID --names ROLE         the name of each showing object of ROLE, a line
#                                                each
#   atspi_tree.py --pid PID --texts ROLE         the text held by each showing object of ROLE
#   atspi_tree.py --pid PID --focused            role, name, description and screen box (x y w h)
#                                                of the focused object, a line each
#   atspi_tree.py --pid PID --focused --showing  the same, of the focused object within showing
#                                                objects only: a combo box's closed list still
#                                                says the choice in it is focused
#   atspi_tree.py --pid PID --listen SECONDS     every description change, a line each, for SECONDS
#   atspi_tree.py --pid PID --box ROLE NAME      the screen box (x y w h) of the showing object of
#                                                ROLE named NAME, or labelled by a label so named
#                                                (as Qt names a combo box by its current text)
#   atspi_tree.py --pid PID --items ROLE NAME    the name of each list item of that object, a
#                                                line each: a list's lines, a combo box's choices
#   atspi_tree.py --pid PID --item-box ROLE NAME ITEM
#                                                the screen box of that object's list item named
#                                                ITEM, the part within its list, while the list
#                                                shows (a combo box's, once opened)
#   atspi_tree.py --pid PID --boxes ROLE         the screen box (x y w h) and name of each showing
#                                                object of ROLE, a line each: "x y w h name"
#   atspi_tree.py --pid PID --value ROLE NAME    the current value of the showing object of ROLE
#                                                named NAME (a number box's number), as a whole
#                                                number when it is one
#   atspi_tree.py --translation TS CONTEXT TEXT  TEXT as the translation file TS has it
# Ends with status 1 when the program is not (yet) on the bus or nothing matches, so that a test
# can wait for what it expects by asking again.
import argparse
import sys
import xml.etree.ElementTree as ElementTree

# Deep enough for window, surface, scene, list, pan, piece; a bound against a cycle in the tree.
DEFAULT_DEPTH = 12


def application(pid):
    import pyatspi

    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def walk(node, depth, limit):
    """Yields (depth, object) for the object and its descendants down to `limit` levels."""
    yield depth, node
    if depth >= limit:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1, limit)


def states_of(node):
    import pyatspi

    state = node.getState()
    words = []
    if state.contains(pyatspi.STATE_FOCUSED):
        words.append("focused")
    if not state.contains(pyatspi.STATE_SHOWING):
        words.append("not showing")
    return words


def box_of(node):
    import pyatspi

    try:
        return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return None


def dump(app, limit):
    for depth, node in walk(app, 0, limit):
        line = "  " * depth + f'{node.getRoleName()} "{node.name}"'
        if node.description:
            line += f' - "{node.description}"'
        states = states_of(node)
        if states:
            line += " [" + ", ".join(states) + "]"
        print(line)


def showing(app, role, limit):
    import pyatspi

    for _, node in walk(app, 0, limit):
        if node.getRoleName() == role and node.getState().contains(pyatspi.STATE_SHOWING):
            yield node


def names(app, role, limit):
    found = False
    for node in showing(app, role, limit):
        print(node.name)
        found = True
    return found


def texts(app, role, limit):
    found = False
    for node in showing(app, role, limit):
        try:
            print(node.queryText().getText(0, -1))
            found = True
        except NotImplementedError:
            pass
    return found


def labelled_by(node, name):
    """True when a label named `name` labels the object."""
    import pyatspi

    for relation in node.getRelationSet():
        if relation.getRelationType() != pyatspi.RELATION_LABELLED_BY:
            continue
        for i in range(relation.getNTargets()):
            label = relation.getTarget(i)
            if label is not None and label.name == name:
                return True
    return False


def find(app, role, name, limit):
    """The first showing object of `role` named `name`, or labelled by a label so named."""
    for node in showing(app, role, limit):
        if node.name == name or labelled_by(node, name):
            return node
    return None


def print_box(node):
    box = box_of(node) if node is not None else None
    if box is None:
        return False
    print(" ".join(str(v) for v in (box.x, box.y, box.width, box.height)))
    return True


def list_items(node):
    """The object's list items: its own children, or (as a combo box holds its choices in a
    list) its list's."""
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        if child.getRoleName() == "list item":
            yield node, child
        elif child.getRoleName() == "list":
            for j in range(child.childCount):
                item = child.getChildAtIndex(j)
                if item is not None and item.getRoleName() == "list item":
                    yield child, item


def items(app, role, name, limit):
    node = find(app, role, name, limit)
    if node is None:
        return False
    for _, item in list_items(node):
        print(item.name)
    return True


def item_box(app, role, name, item_name, limit):
    import pyatspi

    node = find(app, role, name, limit)
    if node is None:
        return False
    for holder, item in list_items(node):
        if item.name != item_name:
            continue
        # A combo box's choices say they show while their list is closed: only an open list's
        # count. And an item's box may run past its list's edge: the part within the list is
        # the part that shows.
        if not holder.getState().contains(pyatspi.STATE_SHOWING):
            return False
        box, edge = box_of(item), box_of(holder)
        if box is None or edge is None:
            return False
        left, top = max(box.x, edge.x), max(box.y, edge.y)
        right = min(box.x + box.width, edge.x + edge.width)
        bottom = min(box.y + box.height, edge.y + edge.height)
        if right <= left or bottom <= top:
            return False
        print(left, top, right - left, bottom - top)
        return True
    return False


def boxes(app, role, limit):
    found = False
    for node in showing(app, role, limit):
        box = box_of(node)
        if box is not None:
            print(box.x, box.y, box.width, box.height, node.name)
            found = True
    return found


def print_value(node):
    if node is None:
        return False
    try:
        value = node.queryValue().currentValue
    except NotImplementedError:
        return False
    print(int(value) if float(value).is_integer() else value)
    return True


def walk_showing(node, depth, limit):
    """Yields (depth, object) as walk does, leaving out what lies within an object not showing."""
    import pyatspi

    if depth > 0 and not node.getState().contains(pyatspi.STATE_SHOWING):
        return
    yield depth, node
    if depth >= limit:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk_showing(child, depth + 1, limit)


def focused(app, limit, showing_only=False):
    import pyatspi

    # The deepest focused object: in a dialog its panel and its button are both focused.
    last = None
    for _, node in (walk_showing if showing_only else walk)(app, 0, limit):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            last = node
    if last is None:
        return False
    box = box_of(last)
    print(last.getRoleName())
    print(last.name)
    print(last.description)
    print(" ".join(str(v) for v in (box.x, box.y, box.width, box.height)) if box else "")
    return True


def listen(pid, seconds):
    import pyatspi
    from gi.repository import GLib

    # What the program says out of turn: a notification that starts showing, as a screen
    # reader hears it.
    def shown(event):
        source = event.source
        try:
            if source.get_process_id() != pid or not event.detail1:
                return
            if source.getRole() == pyatspi.ROLE_NOTIFICATION:
                # The bus's client keeps names it has read; the notification's is new each time.
                source.clear_cache()
                print(f"{source.getRoleName()}\t{source.name}", flush=True)
        except Exception:  # the object went away meanwhile
            pass

    pyatspi.Registry.registerEventListener(shown, "object:state-changed:showing")
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop())
    # Registered: the caller may now do what should be told.
    print("listening", flush=True)
    pyatspi.Registry.start()
    return True


def translation(ts_file, context, text):
    for ctx in ElementTree.parse(ts_file).getroot().iter("context"):
        if ctx.findtext("name") != context:
            continue
        for message in ctx.iter("message"):
            if message.findtext("source") == text:
                translated = message.find("translation")
                if translated is None or translated.get("type") == "unfinished":
                    return None
                # A text with plural forms holds them as numerus forms: the first will do.
                form = translated.find("numerusform")
                return (form.text if form is not None else translated.text) or None
    return None


def main():
    parser = argparse.ArgumentParser(description="Reads the accessibility tree of a program.")
    parser.add_argument("--pid", type=int)
    parser.add_argument("--depth", type=int, default=DEFAULT_DEPTH)
    parser.add_argument("--showing", action="store_true", help="with --focused: showing only")
    what = parser.add_mutually_exclusive_group(required=True)
    what.add_argument("--dump", action="store_true")
    what.add_argument("--names", metavar="ROLE")
    what.add_argument("--texts", metavar="ROLE")
    what.add_argument("--focused", action="store_true")
    what.add_argument("--listen", metavar="SECONDS", type=float)
    what.add_argument("--translation", nargs=3, metavar=("TS", "CONTEXT", "TEXT"))
    what.add_argument("--box", nargs=2, metavar=("ROLE", "NAME"))
    what.add_argument("--items", nargs=2, metavar=("ROLE", "NAME"))
    what.add_argument("--item-box", nargs=3, metavar=("ROLE", "NAME", "ITEM"))
    what.add_argument("--value", nargs=2, metavar=("ROLE", "NAME"))
    what.add_argument("--boxes", metavar="ROLE")
    args = parser.parse_args()

    if args.translation:
        text = translation(*args.translation)
        if text is None:
            return 1
        print(text)
        return 0
    if args.pid is None:
        parser.error("--pid is needed")
    if args.listen is not None:
        return 0 if listen(args.pid, args.listen) else 1
    try:
        app = application(args.pid)
        if app is None:
            return 1
        if args.dump:
            dump(app, args.depth)
            return 0
        if args.names:
            return 0 if names(app, args.names, args.depth) else 1
        if args.texts:
            return 0 if texts(app, args.texts, args.depth) else 1
        if args.box:
            return 0 if print_box(find(app, *args.box, args.depth)) else 1
        if args.items:
            return 0 if items(app, *args.items, args.depth) else 1
        if args.item_box:
            return 0 if item_box(app, *args.item_box, args.depth) else 1
        if args.boxes:
            return 0 if boxes(app, args.boxes, args.depth) else 1
        if args.value:
            return 0 if print_value(find(app, *args.value, args.depth)) else 1
        return 0 if focused(app, args.depth, args.showing) else 1
    except Exception as error:  # the program busy or an object gone while the tree was read
        print(f"atspi_tree: {error}", file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
