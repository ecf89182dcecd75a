#!/usr/bin/python3
"""A seeded random user of the real program, run by monkey.sh under Xvfb, openbox and a private
print scheduler.

For the given time it picks one of the program's visible windows and clicks one of its controls
(places from the windows' design geometry), clicks anywhere in it, presses a key, types into a
text box or drags the slider; a message box is answered with a random key. When the program ends
with status 0 (Close, Print, the main window closed) it is started again. It fails on a
sanitizer report in the program's output, a crash or other non-zero end, and a hang: the
program does not answer a _NET_WM_PING for 10 s. Every action is written to actions.jsonl in
the output folder; `--replay` performs such a log again.
"""

import argparse
import json
import os
import random
import re
import select
import signal
import subprocess
import sys
import time

from Xlib import X, Xatom, display, error
from Xlib.protocol import event

HANG_SECONDS = 10
FIRST_WINDOW_SECONDS = 60   # a sanitizer build of a Qt program starts slowly on a busy machine
NO_WINDOW_SECONDS = 20      # alive, but no window left to answer the user
SANITIZER_MARKS = (b"==ERROR: AddressSanitizer", b"ERROR: LeakSanitizer", b"runtime error:",
                   b"AddressSanitizer:DEADLYSIGNAL", b"SUMMARY: UndefinedBehaviorSanitizer")


def r(left, top, width, height):
    """A control's place in twips, as pixels of the client area (15 twips a pixel)."""
    return (left / 15, top / 15, width / 15, height / 15)


def number_grid(first, count, per_row, across, down):
    left, top, width, height = first
    return {f"btnS{n}": r(left + (n - 1) % per_row * across, top + (n - 1) // per_row * down,
                          width, height) for n in range(1, count + 1)}


def entry(grid, title, shown, percent, slider, odds, quick, undo, nxt):
    controls = dict(grid)
    controls.update(title=r(*title), display=r(*shown), percent=r(*percent), slider=r(*slider),
                    odds=r(*odds), quickPick=r(*quick), undo=r(*undo), next=r(*nxt))
    return controls


def selection(top_options, button_top, skew_top):
    frame_left, frame_top = 1080, 360
    controls = {f"opt{n}": r(frame_left + o[0], frame_top + o[1], o[2], o[3])
                for n, o in zip((5, 10, 20), top_options)}
    controls.update(disSel=r(240, button_top, 1095, 495), prnSel=r(1440, button_top, 1095, 495),
                    cmdClose=r(2640, button_top, 1095, 495), skew=r(600, skew_top, 2775, 255))
    return controls


OPTIONS_649 = ((480, 360, 975, 255), (480, 720, 1095, 375), (480, 1200, 1095, 255))
OPTIONS_S7 = ((360, 360, 1215, 375), (360, 840, 975, 375), (360, 1320, 1095, 375))
FLAGS = (120, 960, 1800, 2640, 3480, 4320, 5160)

# kind: title pattern, client width in pixels, controls (name: left, top, width, height in px).
KINDS = {
    "main": (r"Corvane Numora 1\.6", 328, {
        "cmd649": r(0, 0, 975, 375), "cmdS7": r(960, 0, 975, 375), "btnCst": r(1920, 0, 1095, 375),
        "cmdAbout": r(3000, 0, 975, 375), "CmdHlp": r(3960, 0, 975, 375),
        "Image1": r(0, 375, 4920, 4600)}),
    "entry649": (r"Numora- Enter  6 lucky numbers", 385, entry(
        number_grid((240, 600, 495, 375), 49, 9, 600, 600), (2760, 3480, 1455, 255),
        (2760, 3840, 1455, 255), (1560, 4200, 2775, 255), (1560, 4560, 2775, 630),
        (240, 4320, 1095, 375), (240, 4800, 1095, 375), (4440, 4320, 1095, 375),
        (4440, 4800, 1095, 375))),
    "entryS7": (r"Enter 7 lucky numbers", 384, entry(
        number_grid((240, 600, 495, 375), 47, 9, 600, 600), (2280, 3480, 1575, 255),
        (2280, 3840, 1575, 255), (1560, 4200, 2775, 255), (1560, 4560, 2775, 630),
        (240, 4200, 1095, 375), (240, 4800, 1095, 375), (4560, 4200, 975, 375),
        (4560, 4800, 975, 375))),
    "entryCst": (r"Enter Custom Lottery |Number set size .*", 368, entry(
        number_grid((360, 360, 495, 255), 80, 8, 600, 360), (1440, 3960, 1455, 255),
        (2880, 3960, 2175, 255), (1440, 4320, 2775, 255), (1440, 4680, 2775, 495),
        (360, 4320, 975, 375), (360, 4800, 975, 375), (4320, 4320, 855, 375),
        (4320, 4800, 855, 375))),
    "select649": (r"Number of 649 selections and Print", 265, selection(OPTIONS_649, 2760, 2280)),
    "selectS7": (r"Super 7 selections and print", 265, selection(OPTIONS_S7, 3000, 2520)),
    "selectCst": (r"Custom lottery.*", 265, selection(OPTIONS_S7, 3000, 2520)),
    "display649": (r"Numora", 154, {}),
    "displayS7": (r"Super 7", 157, {}),
    "displayCst": (r"Custom lottery.*", 178, {}),
    "settings": (r"Custom Lottery Settings", 315, {
        **{f"Text{i + 1}": r(2400, top, 375, 285) for i, top in enumerate((240, 840, 1440))},
        **{f"down{i + 1}": r(3000, top - 120, 480, 480) for i, top in enumerate((240, 840, 1440))},
        **{f"up{i + 1}": r(4080, top - 120, 480, 480) for i, top in enumerate((240, 840, 1440))},
        "cmdCancel": r(2640, 2040, 855, 375), "cmdNext": r(3720, 2040, 855, 375)}),
    "odds": (r".*", 362, {"cmdOddsLottClose": r(4440, 120, 855, 375), "canvas": r(0, 600, 5430, 2600)}),
    "help": (r"Numora Help", 449, {
        **{f"flag{i}": r(left, 4800, 615, 615) for i, left in enumerate(FLAGS)},
        "imgFilm": r(6000, 4800, 615, 615), "RtfBoxHlp": r(120, 120, 6495, 4455)}),
    "video": (r"Numora Help Video Player", 354, {"picVideo": r(120, 120, 5055, 5535)}),
    "about": (r"About Numora", 401, {
        "btnUela": r(240, 4320, 2535, 495), "cmdCorvaneSoftware": r(3240, 4320, 2535, 495),
        "cmdOK": r(4440, 5160, 1260, 375), "cmdSysInfo": r(4440, 5640, 1245, 345),
        "lblDescription": r(240, 3720, 5535, 480), "Picture1": r(1230, 1320, 3555, 2340)}),
    "licence": (r"Numora End User License Agreement", 393, {
        "rtfLicbox": r(0, 120, 5895, 3495), "rtfLicRead": r(1680, 3720, 2535, 375)}),
    "splash": (r".*", 318, {}),
}
TEXT_BOXES = ("Text1", "Text2", "Text3")
KEYS = ["Tab", "shift+Tab", "space", "Return", "Escape", "Up", "Down", "Left", "Right"] + \
    [str(d) for d in range(10)]
ANSWER_KEYS = ["Return", "Escape", "space", "Tab", "Left", "Right", "alt+F4"]
TYPED_CHARS = "0123456789" * 4 + "-+ .,eaZ"


def classify(title, width, modal):
    if modal:
        return "msgbox"
    for kind, (pattern, designed, _) in KINDS.items():
        if abs(width - designed) <= 2 and re.fullmatch(pattern, title):
            return kind
    return "other"


class Failure(Exception):
    pass


class Screen:
    """The program's windows as the window manager lists them, and the ping that tells a busy
    program from a hung one."""

    def __init__(self):
        self.d = display.Display()
        self.root = self.d.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask | X.StructureNotifyMask)
        atom = lambda name: self.d.intern_atom(name)
        self.client_list = atom("_NET_CLIENT_LIST")
        self.wm_pid = atom("_NET_WM_PID")
        self.wm_name = atom("_NET_WM_NAME")
        self.utf8 = atom("UTF8_STRING")
        self.wm_state = atom("_NET_WM_STATE")
        self.modal = atom("_NET_WM_STATE_MODAL")
        self.protocols = atom("WM_PROTOCOLS")
        self.ping_atom = atom("_NET_WM_PING")
        self.active_atom = atom("_NET_ACTIVE_WINDOW")
        self.token = 1

    def _prop(self, win, name, kind):
        p = win.get_full_property(name, kind)
        return p.value if p else None

    def windows(self, pid):
        """Visible windows of the process, as (kind, id, title, width, height), sorted by kind."""
        found = []
        ids = self._prop(self.root, self.client_list, Xatom.WINDOW)
        for wid in ids if ids is not None else []:
            win = self.d.create_resource_object("window", wid)
            try:
                pids = self._prop(win, self.wm_pid, Xatom.CARDINAL)
                if pids is None or pids[0] != pid:
                    continue
                if win.get_attributes().map_state != X.IsViewable:
                    continue
                title = self._prop(win, self.wm_name, self.utf8)
                title = title.decode("utf-8", "replace") if title is not None else ""
                states = self._prop(win, self.wm_state, Xatom.ATOM)
                modal = states is not None and self.modal in states
                g = win.get_geometry()
            except (error.BadWindow, error.BadDrawable, error.BadMatch):
                continue
            found.append((classify(title, g.width, modal), wid, title, g.width, g.height))
        found.sort(key=lambda w: (w[0], w[1]))
        return found

    def active(self):
        value = self._prop(self.root, self.active_atom, Xatom.WINDOW)
        return value[0] if value is not None and len(value) else None

    def ping(self, wid):
        """Sends a _NET_WM_PING; gives back its token."""
        self.token += 1
        win = self.d.create_resource_object("window", wid)
        msg = event.ClientMessage(window=win, client_type=self.protocols,
                                  data=(32, [self.ping_atom, self.token, wid, 0, 0]))
        win.send_event(msg, event_mask=0)
        self.d.flush()
        return self.token

    def answered(self, token, wait):
        """Whether the reply to `token` arrives within `wait` seconds."""
        end = time.monotonic() + wait
        while True:
            while self.d.pending_events():
                e = self.d.next_event()
                if (e.type == X.ClientMessage and e.client_type == self.protocols
                        and e.data[1][0] == self.ping_atom and e.data[1][1] == token):
                    return True
            left = end - time.monotonic()
            if left <= 0:
                return False
            select.select([self.d.fileno()], [], [], min(left, 0.1))


class Program:
    def __init__(self, path, out, isolate):
        self.path, self.out, self.isolate = path, out, isolate
        self.proc = None
        self.starts = 0
        self.log_name = None

    def start(self):
        self.starts += 1
        self.log_name = os.path.join(self.out, f"program-{self.starts}.log")
        env = dict(os.environ, QT_QPA_PLATFORM="xcb")
        cmd = (["unshare", "--net"] if self.isolate else []) + [self.path]
        with open(self.log_name, "wb") as log:
            self.proc = subprocess.Popen(cmd, stdin=subprocess.DEVNULL, stdout=log,
                                         stderr=subprocess.STDOUT, env=env,
                                         start_new_session=True)
        self.started = time.monotonic()
        self.last_window = None

    def sanitizer_report(self):
        with open(self.log_name, "rb") as f:
            text = f.read()
        return next((m.decode() for m in SANITIZER_MARKS if m in text), None)

    def stop(self):
        if self.proc and self.proc.poll() is None:
            os.kill(self.proc.pid, signal.SIGKILL)
            self.proc.wait()


def xdo(*args, timeout=6):
    try:
        return subprocess.run(["xdotool", *map(str, args)], timeout=timeout,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def inside(rng, rect):
    left, top, width, height = rect
    return (int(left + 2 + rng.random() * max(1, width - 4)),
            int(top + 2 + rng.random() * max(1, height - 4)))


def choose(rng, wins):
    """The next action for these windows, as a log entry (without its number)."""
    modal = [w for w in wins if w[0] == "msgbox"]
    if modal:
        return {"do": "key", "win": "msgbox", "key": rng.choice(ANSWER_KEYS)}
    kind, _, _, width, height = rng.choice(wins)
    controls = KINDS.get(kind, (None, None, {}))[2]
    roll = rng.random()
    if kind == "settings" and roll < 0.2:
        box = rng.choice(TEXT_BOXES)
        text = "".join(rng.choice(TYPED_CHARS) for _ in range(rng.choice((1, 1, 2, 2, 3, 6))))
        x, y = inside(rng, controls[box])
        return {"do": "type", "win": kind, "ctl": box, "x": x, "y": y,
                "select": rng.random() < 0.6, "text": text}
    if "slider" in controls and roll < 0.1:
        left, top, w, h = controls["slider"]
        y = int(top + h / 3)
        return {"do": "drag", "win": kind, "ctl": "slider", "y": y,
                "x1": int(left + 4 + rng.random() * (w - 8)), "x2": int(left + rng.random() * w)}
    if roll < 0.6 and controls:
        # The number grid and the other controls alike, so that Next, Quick Pick and Undo
        # are pressed as often as numbers.
        numbers = sorted(c for c in controls if c.startswith("btnS"))
        others = sorted(c for c in controls if not c.startswith("btnS"))
        name = rng.choice(numbers if numbers and (not others or rng.random() < 0.5) else others)
        x, y = inside(rng, controls[name])
        return {"do": "click", "win": kind, "ctl": name, "x": x, "y": y, "button": 1}
    if roll < 0.72:
        return {"do": "click", "win": kind, "x": int(rng.random() * width),
                "y": int(rng.random() * height), "button": 3 if rng.random() < 0.1 else 1}
    if roll < 0.97:
        key = "alt+F4" if rng.random() < 0.05 else rng.choice(KEYS)
        return {"do": "key", "win": kind, "key": key}
    return {"do": "wait", "win": kind, "seconds": round(0.5 + rng.random() * 4, 1)}


def perform(a, wid, screen):
    """Performs one action on the window `wid`; gives back what xdotool said when it failed."""
    if a["do"] == "wait":
        time.sleep(a["seconds"])
        return None
    if screen.active() != wid and xdo("windowactivate", "--sync", wid, timeout=4) != 0:
        return "not activated"
    if a["do"] == "key":
        result = xdo("key", "--clearmodifiers", a["key"])
    elif a["do"] == "click":
        result = xdo("mousemove", "--window", wid, a["x"], a["y"], "click", a["button"])
    elif a["do"] == "type":
        result = xdo("mousemove", "--window", wid, a["x"], a["y"], "click", 1)
        if a["select"]:
            xdo("key", "ctrl+a")
        result = result or xdo("type", "--delay", 30, a["text"])
    elif a["do"] == "drag":
        steps = [a["x1"] + (a["x2"] - a["x1"]) * i // 4 for i in range(1, 5)]
        args = ["mousemove", "--window", wid, a["x1"], a["y"], "mousedown", 1, "sleep", 0.1]
        for x in steps:
            args += ["mousemove", "--window", wid, x, a["y"], "sleep", 0.05]
        result = xdo(*args, "mouseup", 1)
    return None if result == 0 else f"xdotool: {result}"


class Monkey:
    def __init__(self, args):
        self.args = args
        self.out = args.out
        os.makedirs(self.out, exist_ok=True)
        self.replayed = []
        if args.replay:
            with open(args.replay) as f:
                self.replayed = [json.loads(line) for line in f if line.strip()]
        for name in os.listdir(self.out):
            if re.fullmatch(r"program-\d+\.log|actions\.jsonl|FAILED|failure\.png|opened", name):
                os.remove(os.path.join(self.out, name))
        self.screen = Screen()
        isolate = subprocess.run(["unshare", "--net", "true"], capture_output=True).returncode == 0
        self.program = Program(os.path.abspath(args.program), self.out, isolate)
        self.actions = 0
        self.skipped = 0
        self.log = open(os.path.join(self.out, "actions.jsonl"), "w")
        self.note({"seed": args.seed, "replay": args.replay, "network": "none" if isolate else "host"})

    def note(self, entry):
        self.log.write(json.dumps(entry) + "\n")
        self.log.flush()

    def ended(self):
        """Whether the program has ended; fails when it ended badly."""
        p = self.program
        if p.proc is None:
            return True
        status = p.proc.poll()
        if status is None:
            return False
        self.check_output()
        if status != 0:
            how = f"signal {-status}" if status < 0 else f"status {status}"
            raise Failure(f"the program ended with {how}")
        return True

    def ensure_running(self):
        """Starts the program when it is not running; fails when it ended badly."""
        p = self.program
        if not self.ended():
            return
        p.start()
        self.note({"start": p.starts, "after": self.actions})

    def check_output(self):
        report = self.program.sanitizer_report()
        if report:
            raise Failure(f"sanitizer report in the program's output: {report}")

    def visible(self):
        """The program's windows; fails when it shows none for too long."""
        p = self.program
        wins = self.screen.windows(p.proc.pid)
        now = time.monotonic()
        if wins:
            p.last_window = now
        elif p.last_window is None and now - p.started > FIRST_WINDOW_SECONDS:
            raise Failure(f"the program showed no window within {FIRST_WINDOW_SECONDS} s")
        elif p.last_window is not None and now - p.last_window > NO_WINDOW_SECONDS:
            raise Failure(f"the program runs on with no window for {NO_WINDOW_SECONDS} s")
        return wins

    def check_answers(self):
        """Fails when the running program does not answer a ping for HANG_SECONDS. Qt answers
        _NET_WM_PING from the event loop of the user-interface thread, the nested loop of a
        message box included, so an answer means the program still handles user input."""
        p = self.program
        end = time.monotonic() + HANG_SECONDS
        while time.monotonic() < end:
            if p.proc.poll() is not None:
                return
            wins = self.screen.windows(p.proc.pid)
            if not wins:
                return
            token = self.screen.ping(wins[0][1])
            if self.screen.answered(token, min(1.0, end - time.monotonic())):
                return
        if p.proc.poll() is None:
            raise Failure(f"the program did not answer for {HANG_SECONDS} s")

    def step(self, action):
        """Performs `action` (a log entry) once a window of its kind shows; notes it."""
        kind = action["win"]
        deadline = time.monotonic() + (10 if self.args.replay else 0)
        while True:
            wins = self.visible()
            match = [w for w in wins if w[0] == kind]
            if match or time.monotonic() >= deadline:
                break
            time.sleep(0.2)
            self.ensure_running()
        self.actions += 1
        entry = dict(action, n=self.actions, t=round(time.monotonic() - self.began, 1))
        if not match:
            entry["skipped"] = "no such window"
            self.skipped += 1
        else:
            problem = perform(action, match[0][1], self.screen)
            if problem:
                entry["problem"] = problem
        self.note(entry)
        time.sleep(0.15)
        self.check_output()
        self.check_answers()

    def run(self):
        self.began = time.monotonic()
        end = self.began + self.args.seconds
        try:
            if self.args.replay:
                for e in self.replayed:
                    if "do" in e:
                        self.ensure_running()
                        self.step({k: v for k, v in e.items()
                                   if k not in ("n", "t", "skipped", "problem")})
            else:
                while time.monotonic() < end:
                    self.ensure_running()
                    wins = self.visible()
                    if not wins:
                        time.sleep(0.2)
                        continue
                    self.step(choose(random.Random(f"{self.args.seed}:{self.actions}"), wins))
            # A program that ends after the last action is given the time to end.
            for _ in range(20 if self.args.replay else 1):
                if self.ended():
                    break
                time.sleep(0.5)
            self.check_output()
        except Failure as f:
            return self.failed(str(f))
        finally:
            self.program.stop()
        self.summary("passed")
        return 0

    def failed(self, reason):
        subprocess.run(["import", "-window", "root", os.path.join(self.out, "failure.png")],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=20)
        with open(os.path.join(self.out, "FAILED"), "w") as f:
            f.write(f"{reason}\nseed {self.args.seed}\n")
        print(f"FAILED: {reason}")
        print(f"--- last actions ({self.out}/actions.jsonl)")
        with open(os.path.join(self.out, "actions.jsonl")) as f:
            print("".join(f.readlines()[-12:]), end="")
        print(f"--- program output ({self.program.log_name})")
        with open(self.program.log_name, errors="replace") as f:
            print(f.read()[-6000:], end="")
        print(f"--- seed {self.args.seed}; replay with: tests/e2e/monkey.sh {self.program.path} "
              f"OUT --replay {self.out}/actions.jsonl")
        self.summary("failed")
        return 1

    def summary(self, verdict):
        jobs = os.path.join(self.out, "jobs")
        printed = len(os.listdir(jobs)) if os.path.isdir(jobs) else 0
        print(f"monkey {verdict}: seed {self.args.seed}, {self.actions} actions "
              f"({self.skipped} skipped), {self.program.starts} program starts, "
              f"{printed} pages printed, {time.monotonic() - self.began:.0f} s")


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("program")
    ap.add_argument("--seconds", type=float, default=600)
    ap.add_argument("--seed", type=int, default=None)
    ap.add_argument("--replay", metavar="LOG", help="perform the actions of a log again")
    ap.add_argument("--out", required=True, help="folder for the action log and the program's output")
    args = ap.parse_args()
    if args.replay:
        with open(args.replay) as f:
            args.seed = json.loads(f.readline()).get("seed")
    elif args.seed is None:
        args.seed = int.from_bytes(os.urandom(4), "little")
    return Monkey(args).run()


if __name__ == "__main__":
    sys.exit(main())
