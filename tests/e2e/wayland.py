"""The program on Wayland, driven over the accessibility bus: the main window after the splash
screen, the help window and the help video, whose picture must move (two screenshots by weston's
screenshooter differ), and a message box, which must be given its window as parent
(xdg_toplevel.set_parent in the program's WAYLAND_DEBUG output).

Run by wayland.sh inside its own weston and session bus. Exit 77 = skipped.
"""

import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
try:
    import atspi_tree as tree
except (ImportError, ValueError) as error:
    print(f"SKIPPED: the accessibility client library is missing: {error}")
    sys.exit(77)

shots = os.environ["NUMORA_SHOTS"]
log_path = os.environ.get("NUMORA_LOG", os.path.join(shots, "numora.log"))
failures = []


def fail(message):
    print(f"FAILED: {message}")
    failures.append(message)


def screenshot(name):
    before = set(os.listdir(shots))
    subprocess.run(["weston-screenshooter"], cwd=shots, timeout=20, capture_output=True)
    new = sorted(set(os.listdir(shots)) - before)
    if not new:
        raise RuntimeError("weston-screenshooter wrote no picture")
    path = os.path.join(shots, name)
    os.rename(os.path.join(shots, new[-1]), path)
    return path


def differing_pixels(a, b):
    result = subprocess.run(["compare", "-metric", "AE", a, b, "null:"], capture_output=True, text=True)
    return int(float(result.stderr.split()[0]))


def run(app):
    main = tree.window_named(app, "Corvane Numora 1.6", 20)
    tree.find(main, "Help").press()
    help_window = tree.window_named(app, "Numora Help")
    tree.find(help_window, "Help video").press()
    video = tree.window_named(app, "Numora Help Video Player")
    tree.find(video, "Help video")  # picVideo is there
    time.sleep(3)
    first = screenshot("video-1.png")
    time.sleep(3)
    second = screenshot("video-2.png")
    changed = differing_pixels(first, second)
    if changed < 500:
        fail(f"the help video does not move: {changed} pixels changed in 3 s")
    boxes = [w for w in tree.windows(app) if w.role == "alert"]
    if boxes:
        fail("the video player reported a failure: " + "; ".join(
            n.name for b in boxes for n in tree.descendants(b) if n.name))

    tree.find(main, "649").press()
    entry = tree.window_named(app, "Numora- Enter  6 lucky numbers")
    tree.find(entry, "1").press()
    # A press is an animated click that ends 100 ms later; a second press before then would
    # only restart the same click.
    time.sleep(0.5)
    with open(log_path, errors="replace") as log:
        log.seek(0, os.SEEK_END)
        start = log.tell()
    before = {w.key for w in tree.windows(app)}
    tree.find(entry, "1").press()
    box = tree.wait_window(app, lambda w: w.key not in before, 10, "the box for a number entered twice")
    time.sleep(1)
    screenshot("box.png")
    with open(log_path, errors="replace") as log:
        log.seek(start)
        after = log.read()
    if not any("This number was already entered" in n.name for n in tree.descendants(box)):
        fail("the box does not say 'This number was already entered'")
    if not re.search(r"xdg_toplevel@\d+\.set_parent\(xdg_toplevel@\d+\)", after):
        fail("the message box was given no parent window (no xdg_toplevel.set_parent)")


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="wayland",
               WAYLAND_DEBUG="1")
    log = open(log_path, "w")
    process = subprocess.Popen([sys.argv[1]], env=env, stdout=log, stderr=subprocess.STDOUT)
    try:
        app = tree.application(process.pid, timeout=30)
        if app is None:
            fail("the program never showed on the accessibility bus")
        else:
            run(app)
    except (LookupError, TimeoutError, RuntimeError, subprocess.SubprocessError) as error:
        fail(f"{type(error).__name__}: {error}")
    finally:
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
    if failures:
        print(f"{len(failures)} failed")
        return 1
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
