"""The program as a screen reader reads it: every window opened the way a user opens it, read
over the accessibility bus. Each window must be a frame or a dialog named by its caption (a
message box an alert or dialog), every control a user acts on must say what it is, have a
name and a place inside its window, and Tab must reach it; the windows are opened partly by
Tab and Space or Return, so those keys are shown to press what they reach.

Run by accessibility.sh inside its own session bus and X display. Exit 77 = skipped.
"""

import os
import re
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

try:
    import atspi_tree as tree
    from gi.repository import Atspi, GLib
except (ImportError, ValueError) as error:
    print(f"SKIPPED: the accessibility client library is missing: {error}")
    sys.exit(77)

failures = []
checked = []

# The actions a screen reader may run on a control: each must do what a click does (an option
# taking the focus is selected and runs its click, as a click does; the slider's steps move it
# as a click on it does, which updates the percent).
KNOWN_ACTIONS = {"Press", "Toggle", "SetFocus", "Increase", "Decrease"}
CLICK_ACTION = {"push button": "Press", "radio button": "Toggle"}


def fail(message):
    print(f"FAILED: {message}")
    failures.append(message)


class Abort(Exception):
    """The flow cannot go on; the message says where it stopped."""


def xdo(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20).stdout


def ere(text):
    return "^" + re.sub(r"([][.^$*+?(){}|\\])", r"\\\1", text) + "$"


def wait_until(condition, timeout=5.0):
    deadline = time.monotonic() + timeout
    while not condition() and time.monotonic() < deadline:
        time.sleep(0.05)
    return condition()


def has_focus(node):
    now = tree.read(node.acc, node._parent_path)
    return now.focused or any(d.focused for d in tree.descendants(now))


def x_window(window, timeout=5.0):
    """The X window that shows an accessible window: the one with its caption at its place."""
    # A search that meets a window being unmapped or destroyed can come back empty: look again.
    deadline = time.monotonic() + timeout
    ids = xdo("search", "--onlyvisible", "--name", ere(window.name)).split()
    while not ids and time.monotonic() < deadline:
        time.sleep(0.2)
        ids = xdo("search", "--onlyvisible", "--name", ere(window.name)).split()
    for wid in ids:
        geometry = dict(line.split("=", 1) for line in xdo("getwindowgeometry", "--shell", wid).split())
        if (int(geometry["X"]), int(geometry["Y"])) == (window.extents.x, window.extents.y):
            return wid
    return ids[-1] if ids else None


def activate(window):
    wid = x_window(window)
    if wid is None:
        raise Abort(f"no X window shows '{window.name}'")
    xdo("windowactivate", "--sync", wid)
    return wid


def shown_keys(app):
    return {w.key for w in tree.windows(app)}


def new_window(app, before, what, timeout=10.0):
    try:
        return tree.wait_window(app, lambda w: w.key not in before, timeout, what)
    except TimeoutError as error:
        raise Abort(str(error))


def settled(window):
    """The window read again once the window manager has placed it: its place and its first
    control's place unchanged over a tenth of a second."""
    def places():
        first = window.acc.get_child_at_index(0) if window.acc.get_child_count() else None
        return (tree.read(window.acc).extents, first and tree.read(first).extents)
    last = places()
    deadline = time.monotonic() + 3
    while time.monotonic() < deadline:
        time.sleep(0.1)
        now = places()
        if str(now) == str(last):
            break
        last = now
    return tree.read(window.acc)


def check_window(window, caption=None, roles=("frame", "dialog"), captionless=False):
    """The window's role and name, its controls, and that Tab reaches every one of them."""
    started = time.monotonic()
    window = settled(window)
    where = f"window '{window.name}'"
    checked.append(window.name)
    if window.role not in roles:
        fail(f"{where} reads as a {window.role}, not as a {' or '.join(roles)}")
    if not window.name.strip():
        fail(f"{where}: the {window.role} has no name")
    elif caption is not None and window.name != caption:
        fail(f"{where} is named '{window.name}', its caption is '{caption}'")
    elif not captionless and x_window(window) is None:
        fail(f"{where}: no visible window has the caption '{window.name}'")

    nodes = tree.descendants(window)
    actionable = [n for n in nodes if n.showing and n.role in tree.ACTIONABLE_ROLES]
    for n in actionable:
        if not n.name.strip():
            fail(f"{where}: a {n.role} at {n.extents} has no name")
        centre = n.extents.centre
        area = n.extents.width * n.extents.height
        if area == 0 or not window.extents.contains_point(*centre) \
                or 2 * window.extents.intersection_area(n.extents) < area:
            fail(f"{where}: {n.label()} at {n.extents} lies outside its window at {window.extents}")
        if n.role in ("push button", "toggle button", "radio button", "check box") and n.enabled \
                and not set(n.actions) - {"SetFocus"}:
            fail(f"{where}: {n.label()} offers no action to press it")

    wanted = [n for n in actionable if n.enabled]
    if not wanted:
        print(f"  {window.role} '{window.name}': {len(nodes)} objects, nothing to press "
              f"({time.monotonic() - started:.1f} s)")
        return
    activate(window)
    watcher.take(quiet=0.1)
    first = tree.focused(window)
    tabs = sum(1 for n in nodes if n.showing and "focusable" in n.states) + 2
    xdo("key", "--delay", "10", *["Tab"] * tabs)
    # Each Tab moves the focus once, but where there is one control it stays where it is.
    gained = [tree.focus_within(n) for n in watcher.take(quiet=0.5, enough=tabs)]
    reached = {n.key for n in gained} | ({first.key} if first else set())
    for n in gained:
        if n.role not in tree.ACTIONABLE_ROLES:
            fail(f"{where}: Tab reaches {n.label()}, which reads as a {n.role}, not as a control")
    groups = {n.acc.get_parent().path for n in wanted if n.key in reached and n.role == "radio button"}
    for n in wanted:
        if n.key in reached:
            continue
        # Tab enters a group of option buttons at one of them; the arrow keys move inside it.
        if n.role == "radio button" and n.acc.get_parent().path in groups:
            continue
        fail(f"{where}: Tab does not reach {n.label()} (reached: "
             f"{', '.join(g.label() for g in gained) or (first.label() if first else 'nothing')})")
    focus_each(window, wanted)
    print(f"  {window.role} '{window.name}': {len(nodes)} objects, {len(wanted)} controls, "
          f"{len(reached)} reached by Tab ({time.monotonic() - started:.1f} s)")


def focus_each(window, controls):
    """Every action each control offers is one a screen reader may run, the one that clicks it
    is there, and its focus action gives it the focus (an option, selected). Last to first, so
    a group of options ends on its first one, as the window opened."""
    where = f"window '{window.name}'"
    for n in reversed(controls):
        unknown = set(n.actions) - KNOWN_ACTIONS
        if unknown:
            fail(f"{where}: {n.label()} offers {', '.join(sorted(unknown))}, which no test shows to click it")
        wanted = CLICK_ACTION.get(n.role)
        if wanted and wanted not in n.actions:
            fail(f"{where}: {n.label()} offers {', '.join(n.actions) or 'nothing'}, no {wanted}")
        if "SetFocus" not in n.actions:
            continue
        n.do("SetFocus")
        if not wait_until(lambda: has_focus(n), 3):
            fail(f"{where}: SetFocus on {n.label()} does not give it the focus")
        elif n.role == "radio button" and not wait_until(lambda: "checked" in tree.read(n.acc).states, 3):
            fail(f"{where}: SetFocus on {n.label()} does not select it")
    watcher.take(quiet=0.1)


def act(window, name, action):
    """Runs one action of the named control over the accessibility bus."""
    tree.find(window, name).do(action)


def frame_height(window):
    """The window manager's frame above and below the window's client area, in pixels."""
    wid = x_window(window)
    out = subprocess.run(["xprop", "-id", wid, "_NET_FRAME_EXTENTS"], capture_output=True,
                         text=True, timeout=10).stdout
    numbers = [int(v) for v in re.findall(r"\d+", out.split("=", 1)[-1])] if "=" in out else []
    return numbers[2] + numbers[3] if len(numbers) == 4 else 0


# Client height at design (twips) and the share of the outer height kept for 5 and 10 tickets.
DISPLAY_CLIENT_TWIPS = {"6/49": 4815, "Super 7": 4890, "custom": 4890}
SHARE = {5: 0.27, 10: 0.51}


def check_tickets(display, lottery, count, drawn):
    """The display window shows `count` tickets of `drawn` numbers, as a screen reader reads
    them, and has the height for that many."""
    display = settled(display)
    where = f"the {lottery} display window"
    texts = [n.text for n in tree.descendants(display) if n.text]
    lines = [line for text in texts for line in text.split("\n") if line.strip()]
    if len(lines) != count:
        fail(f"{where} reads {len(lines)} tickets, not {count}: {lines}")
    for line in lines:
        if len(line.split()) != drawn:
            fail(f"{where}: the ticket '{line}' has not {drawn} numbers")
    frame = frame_height(display) * 15
    outer = DISPLAY_CLIENT_TWIPS[lottery] + frame
    if count in SHARE:
        outer = int(outer * SHARE[count]) + 260
    expected = round((outer - frame) / 15)
    # The window manager's frame as the program reads it may differ by a few pixels.
    if abs(display.extents.height - expected) > 5:
        fail(f"{where} is {display.extents.height} px high inside, not {expected} px for {count} tickets")
    print(f"  {where}: {len(lines)} tickets, {display.extents.height} px high inside")


def choose(select, option):
    """Toggles an option as a screen reader does; it must be selected."""
    node = tree.find(select, option)
    node.do("Toggle")
    if not wait_until(lambda: "checked" in tree.read(node.acc).states, 3):
        fail(f"window '{select.name}': Toggle does not select {node.label()}")


def press_by_keyboard(window, name, key="space"):
    """Tabs to the named control of the window and presses it with key."""
    target = tree.find(window, name)
    activate(window)
    watcher.take(quiet=0.1)
    for _ in range(100):
        if tree.read(target.acc).focused:
            xdo("key", key)
            return
        xdo("key", "Tab")
        watcher.next_gained()
    raise Abort(f"window '{window.name}': Tab never reaches {target.label()} to press it")


def press(window, name):
    tree.find(window, name).press()


def answer_box(app, before, what, key="Return"):
    box = new_window(app, before, what)
    check_window(box, roles=("alert", "dialog"))
    activate(box)
    xdo("key", key)
    deadline = time.monotonic() + 10
    while box.key in shown_keys(app) and time.monotonic() < deadline:
        time.sleep(0.05)
    if box.key in shown_keys(app):
        raise Abort(f"{key} did not close the box '{box.name}'")


def run(app, program):
    splash = tree.wait_window(app, lambda w: True, 15, "the splash screen")
    # A window without a caption: its name is the program's.
    check_window(splash, captionless=True)
    if xdo("search", "--onlyvisible", "--name", ere("Corvane Numora 1.6")).strip():
        raise Abort("the main window was up before the splash screen had gone")
    ids = xdo("search", "--onlyvisible", "--name", "^$").split()
    if ids:
        xdo("key", "--window", ids[-1], "space")
    main = tree.window_named(app, "Corvane Numora 1.6")
    check_window(main, "Corvane Numora 1.6")

    # The picture below the buttons, pressed by Return, tells how to start.
    before = shown_keys(app)
    press_by_keyboard(main, "Numora: lottery balls", "Return")
    answer_box(app, before, "the tip of the main window's picture")
    before = shown_keys(app)
    act(main, "Numora: lottery balls", "Press")
    answer_box(app, before, "the tip of the main window's picture, pressed over the bus")

    # 6/49: the entry screen by Tab and Space, six numbers and Next by keyboard.
    before = shown_keys(app)
    press_by_keyboard(main, "649")
    entry = new_window(app, before, "the 6/49 entry screen")
    check_window(entry, "Numora- Enter  6 lucky numbers")
    # The slider's steps over the bus update the percent, as a click on the slider does.
    for action, percent in (("Increase", 30), ("Decrease", 20)):
        act(entry, "Lucky number skew", action)
        label = f"Percent chance of lucky numbers= {percent}"
        if not wait_until(lambda: any(n.name == label for n in tree.descendants(entry)), 3):
            fail(f"{action} on the slider does not make the percent read '{label}'")
    before = shown_keys(app)
    press(entry, "Odds")
    odds = new_window(app, before, "the odds window")
    check_window(odds)
    press(odds, "Close")
    for number in ("1", "2", "3", "4", "5"):
        press_by_keyboard(entry, number)
    before = shown_keys(app)
    press_by_keyboard(entry, "6")
    answer_box(app, before, "'Entry of Draws done' after six numbers")
    before = shown_keys(app)
    press_by_keyboard(entry, "Next")
    select = new_window(app, before, "the 6/49 selection screen")
    check_window(select, "Number of 649 selections and Print")
    choose(select, "Ten")
    before = shown_keys(app)
    press_by_keyboard(select, "Show")
    display = new_window(app, before, "the 6/49 display window")
    check_window(display)
    check_tickets(display, "6/49", 10, 6)

    # Super 7 by Quick Pick.
    before = shown_keys(app)
    press(main, "Super 7")
    entry = new_window(app, before, "the Super 7 entry screen")
    check_window(entry)
    before = shown_keys(app)
    press(entry, "Quick Pick")
    select = new_window(app, before, "the Super 7 selection screen")
    check_window(select)
    choose(select, "Twenty")
    before = shown_keys(app)
    press(select, "Show")
    display = new_window(app, before, "the Super 7 display window")
    check_window(display)
    check_tickets(display, "Super 7", 20, 7)

    # The custom lottery: its settings, its entry screen, Quick Pick, its display.
    before = shown_keys(app)
    press_by_keyboard(main, "Custom")
    settings = new_window(app, before, "the custom settings screen")
    check_window(settings, "Custom Lottery Settings")
    # The arrow pictures pressed over the bus change the value as a click does.
    for up in [n for n in tree.controls(settings, {"push button"}) if n.name.endswith(" up")]:
        box = tree.find(settings, up.name[:-len(" up")])
        def value():
            return (tree.read(box.acc).text or "").strip()
        was = value()
        act(settings, up.name, "Press")
        if not wait_until(lambda: value() == str(int(was) + 1), 3):
            fail(f"Press on {up.label()} leaves '{box.name}' at {value()}, not {int(was) + 1}")
        act(settings, box.name + " down", "Press")
        if not wait_until(lambda: value() == was, 3):
            fail(f"Press on '{box.name} down' does not bring '{box.name}' back to {was}")
    before = shown_keys(app)
    press(settings, "Next")
    entry = new_window(app, before, "the custom entry screen")
    check_window(entry)
    before = shown_keys(app)
    press(entry, "Quick Pick")
    select = new_window(app, before, "the custom selection screen")
    check_window(select)
    before = shown_keys(app)
    press(select, "Show")
    display = new_window(app, before, "the custom display window")
    check_window(display)
    check_tickets(display, "custom", 5, 6)

    # Help, and its video by the film picture pressed with Space.
    before = shown_keys(app)
    press_by_keyboard(main, "Help")
    help_window = new_window(app, before, "the help window")
    check_window(help_window, "Numora Help")
    before = shown_keys(app)
    press_by_keyboard(help_window, "Help video", "Return")
    check_window(new_window(app, before, "the help video window"), "Numora Help Video Player")

    # About, and the agreement by its button pressed with Space.
    before = shown_keys(app)
    press_by_keyboard(main, "About")
    about = new_window(app, before, "the About box")
    check_window(about, "About Numora")
    before = shown_keys(app)
    press_by_keyboard(about, "End User Licence Agreement")
    check_window(new_window(app, before, "the agreement viewer"), "Numora End User License Agreement")


def bus_problem():
    """Why the accessibility bus cannot be used, or None: the session bus must start it and its
    registry must answer."""
    from gi.repository import Gio
    try:
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                  None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 10000, None)
        address = reply.unpack()[0]
        Gio.DBusConnection.new_for_address_sync(
            address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None).close_sync(None)
        Atspi.get_desktop(0).get_child_count()
    except GLib.Error as error:
        return f"the accessibility bus did not start: {error.message}"
    return None


def main():
    program = sys.argv[1]
    problem = bus_problem()
    if problem:
        print(f"SKIPPED: {problem}")
        return 77
    global watcher
    watcher = tree.FocusWatcher()

    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    log = open(os.environ.get("NUMORA_LOG", os.devnull), "w")
    process = subprocess.Popen([program], env=env, stdout=log, stderr=subprocess.STDOUT)
    started = time.monotonic()
    try:
        app = tree.application(process.pid, timeout=20)
        if app is None:
            fail("the program never showed on the accessibility bus")
        else:
            run(app, program)
    except Abort as error:
        fail(str(error))
    except (GLib.Error, LookupError, TimeoutError) as error:
        fail(f"{type(error).__name__}: {error}")
    finally:
        if process.poll() is None:
            process.send_signal(signal.SIGTERM)
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
    print(f"windows read: {len(checked)} ({'; '.join(checked)}) in {time.monotonic() - started:.1f} s")
    if failures:
        print(f"{len(failures)} failed")
        return 1
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
