"""The program's windows and controls as a screen reader reads them, over the accessibility bus.

Used by the end-to-end tests (and usable by any driver that wants control places): finds the
running program by its process id, lists its windows, and reads each control's role, name,
states, actions and place on the screen. Everything is read afresh from the program on each
call; nothing is cached, since the program changes its windows while a test runs.

Needs Debian's python3-gi and python3-pyatspi (run it with /usr/bin/python3).
"""

import functools
import time
from dataclasses import dataclass

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# The roles a user acts on: what Tab must reach and a press or a value must work on.
ACTIONABLE_ROLES = {
    "push button", "toggle button", "radio button", "check box", "text", "entry",
    "password text", "slider", "spin button", "combo box", "link",
}
WINDOW_ROLES = {"frame", "dialog", "alert", "window"}


@dataclass
class Rect:
    x: int
    y: int
    width: int
    height: int

    @property
    def centre(self):
        return (self.x + self.width // 2, self.y + self.height // 2)

    def contains_point(self, px, py):
        return self.x <= px < self.x + self.width and self.y <= py < self.y + self.height

    def intersection_area(self, other):
        w = min(self.x + self.width, other.x + other.width) - max(self.x, other.x)
        h = min(self.y + self.height, other.y + other.height) - max(self.y, other.y)
        return max(w, 0) * max(h, 0)

    def __str__(self):
        return f"{self.width}x{self.height}+{self.x}+{self.y}"


class Node:
    """One accessible object. Each property is asked of the program when it is first read, then
    kept: read the object again (read(node.acc)) to see it change."""

    def __init__(self, acc, parent_path=""):
        self.acc = acc
        self._parent_path = parent_path

    @functools.cached_property
    def role(self):
        return self.acc.get_role_name()

    @functools.cached_property
    def name(self):
        return self.acc.get_name() or ""

    @functools.cached_property
    def states(self):
        return _states(self.acc)

    @functools.cached_property
    def actions(self):
        return _actions(self.acc)

    @functools.cached_property
    def extents(self):
        return _extents(self.acc)

    @property
    def path(self):
        """The chain of names from the window down, for messages."""
        return (self._parent_path + "/" if self._parent_path else "") + (self.name or self.role)

    @property
    def key(self):
        """The same object read at two moments has the same key."""
        return self.acc.path

    @property
    def focused(self):
        return "focused" in self.states

    @property
    def enabled(self):
        return "enabled" in self.states and "sensitive" in self.states

    @property
    def showing(self):
        return "showing" in self.states

    def press(self):
        """Runs the control's press (or first) action, as a screen reader's user would."""
        action = self.acc.get_action_iface()
        if action is None:
            raise RuntimeError(f"{self.path} has no action")
        names = [action.get_action_name(i) for i in range(action.get_n_actions())]
        index = names.index("Press") if "Press" in names else 0
        action.do_action(index)

    def do(self, name):
        """Runs the control's action of this name ("Press", "Toggle", "SetFocus")."""
        action = self.acc.get_action_iface()
        names = [action.get_action_name(i) for i in range(action.get_n_actions())] if action else []
        if name not in names:
            raise RuntimeError(f"{self.path} offers no {name} action (it offers {', '.join(names) or 'none'})")
        action.do_action(names.index(name))

    @property
    def text(self):
        """The object's text, as a screen reader reads it; None where it has no text."""
        text = self.acc.get_text_iface()
        return None if text is None else text.get_text(0, -1)

    def label(self):
        return f"{self.role} '{self.name}' ({self.path})"

    def __repr__(self):
        return f"Node({self.label()})"


def _states(acc):
    state_set = acc.get_state_set()
    return frozenset(Atspi.StateType(s).value_nick.replace("-", " ") for s in state_set.get_states())


def _actions(acc):
    action = acc.get_action_iface()
    if action is None:
        return ()
    return tuple(action.get_action_name(i) for i in range(action.get_n_actions()))


def _extents(acc):
    component = acc.get_component_iface()
    if component is None:
        return Rect(0, 0, 0, 0)
    r = component.get_extents(Atspi.CoordType.SCREEN)
    return Rect(r.x, r.y, r.width, r.height)


def read(acc, parent_path=""):
    """A Node for one accessible object."""
    return Node(acc, parent_path)


def uncached(acc):
    """Makes the bus client ask the program every time for this application's objects."""
    app = acc.get_application() if acc.get_role_name() != "application" else acc
    if app is not None:
        app.set_cache_mask(Atspi.Cache.NONE)
    return acc


def application(pid, timeout=15.0):
    """The program's application object on the bus, once it shows a window; None on time-out."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            try:
                if app is not None and app.get_process_id() == pid and app.get_child_count() > 0:
                    return uncached(app)
            except gi.repository.GLib.Error:
                continue
        time.sleep(0.1)
    return None


def windows(app):
    """The program's shown windows, as Nodes."""
    found = []
    for i in range(app.get_child_count()):
        child = app.get_child_at_index(i)
        if child is None:
            continue
        node = read(child)
        try:
            if node.showing:
                found.append(node)
        except gi.repository.GLib.Error:
            continue  # a window closing while it is read
    return found


def wait_window(app, predicate, timeout=10.0, what="a window"):
    """The first shown window that satisfies predicate(node); raises TimeoutError naming what."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for node in windows(app):
            if predicate(node):
                return node
        time.sleep(0.05)
    shown = ", ".join(f"{w.role} '{w.name}'" for w in windows(app)) or "none"
    raise TimeoutError(f"{what} did not show (shown: {shown})")


def window_named(app, name, timeout=10.0):
    return wait_window(app, lambda w: w.name == name, timeout, f"the window '{name}'")


def descendants(window):
    """Every object below a window, depth first, as Nodes (the window itself not included)."""
    out = []

    def walk(acc, path):
        for i in range(acc.get_child_count()):
            child = acc.get_child_at_index(i)
            if child is None:
                continue
            node = read(child, path)
            out.append(node)
            walk(child, node.path)

    walk(window.acc, window.path)
    return out


def controls(window, roles=ACTIONABLE_ROLES):
    """The shown controls of a window whose role is one of roles."""
    return [n for n in descendants(window) if n.role in roles and n.showing]


def focused(window):
    """The control of a window that has the keyboard focus, or None. Where a group passes its
    focus on to a control inside it (a dialog's button box to its default button), both read
    as focused: the control inside is the one. A text box's inner area (its viewport) reads as
    focused with it: the text box is the one."""
    found = [node for node in descendants(window) if node.focused]
    controls_found = [node for node in found if node.role in ACTIONABLE_ROLES]
    return (controls_found or found or [None])[-1]


def focus_within(node):
    """The control that has the focus, given the object a focus event came from: the event may
    name a group around the control, or the inner area of a text box (its viewport)."""
    inner = focused(node) if node.acc.get_child_count() else None
    if inner is not None and (inner.role in ACTIONABLE_ROLES or node.role not in ACTIONABLE_ROLES):
        return inner
    if node.role in ("filler", "panel", "viewport"):
        parent = node.acc.get_parent()
        if parent is not None and read(parent).role in ACTIONABLE_ROLES:
            return read(parent)
    return node


def find(window, name, role=None):
    """The shown control of a window with this name (and role); raises LookupError."""
    for node in descendants(window):
        if node.name == name and node.showing and (role is None or node.role == role):
            return node
    raise LookupError(f"no {role or 'control'} '{name}' in the window '{window.name}'")


class FocusWatcher:
    """Collects the controls that gain the keyboard focus, from the program's focus events."""

    def __init__(self):
        self._gained = []
        self._listener = Atspi.EventListener.new(self._event)
        self._listener.register("object:state-changed:focused")

    def _event(self, event):
        if event.detail1 == 1 and event.source is not None:
            node = read(event.source)
            try:
                node.role, node.name, node.states  # read now, while it is there
                self._gained.append(node)
            except gi.repository.GLib.Error:
                pass  # gone again before it could be read

    def pump(self, seconds):
        """Delivers the events that arrive within seconds."""
        context = gi.repository.GLib.MainContext.default()
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if not context.iteration(False):
                time.sleep(0.01)

    def next_gained(self, timeout=5.0):
        """The next control to gain the focus, or None after timeout."""
        context = gi.repository.GLib.MainContext.default()
        deadline = time.monotonic() + timeout
        while not self._gained and time.monotonic() < deadline:
            if not context.iteration(False):
                time.sleep(0.01)
        return self._gained.pop(0) if self._gained else None

    def take(self, quiet=0.5, timeout=15.0, enough=None):
        """The controls that gained the focus since the last call, once no event came for quiet
        seconds, once there are `enough` of them, or after timeout."""
        deadline = time.monotonic() + timeout
        seen = len(self._gained)
        last_change = time.monotonic()
        context = gi.repository.GLib.MainContext.default()
        while time.monotonic() < deadline and time.monotonic() - last_change < quiet \
                and (enough is None or len(self._gained) < enough):
            if not context.iteration(False):
                time.sleep(0.01)
            if len(self._gained) != seen:
                seen = len(self._gained)
                last_change = time.monotonic()
        gained, self._gained = self._gained, []
        return gained

    def close(self):
        self._listener.deregister("object:state-changed:focused")
