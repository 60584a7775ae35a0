#!/usr/bin/env python3
"""The balloon tooltip as a person sees it, in the real program under Xvfb.

The pointer moves onto "Apri" and rests there for a second: a balloon with
the button's tooltip text and the information icon must appear just above
the pointer, its corners cut so that what lies beneath shows through, and
the container's own tooltip must not show at the same time. The pointer
moves away: the balloon must go. With --screenshot FILE the hover is also
saved as a PNG (the window and the balloon).
"""
import argparse
import json
import os
import subprocess
import sys
import time

INFO_BK = (255, 255, 225)
FRAME = (0, 0, 0)
INFO_ICON_DISC = (0x3C, 0x78, 0xDC)


class Screen:
    """A screenshot of the whole display, as RGB rows."""

    def __init__(self, display):
        ppm = subprocess.run(["import", "-display", display, "-window", "root", "-depth", "8", "ppm:-"],
                             check=True, capture_output=True).stdout
        fields, at = [], 0
        while len(fields) < 4:  # magic, width, height, maximum
            while ppm[at:at + 1].isspace():
                at += 1
            start = at
            while not ppm[at:at + 1].isspace():
                at += 1
            fields.append(ppm[start:at])
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = ppm[at + 1:]
        self.ppm = ppm

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def count(self, colour, box):
        left, top, right, bottom = box
        return sum(1 for y in range(top, bottom) for x in range(left, right) if self.at(x, y) == colour)


def run(*command, display):
    return subprocess.run(command, check=True, capture_output=True, text=True,
                          env=dict(os.environ, DISPLAY=display)).stdout


def start_xvfb():
    """An X server on a display number it picks itself, free of other servers."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as number:
        display = ":" + number.readline().strip()
    if display == ":" or xvfb.poll() is not None:
        sys.exit("Xvfb did not start")
    return xvfb, display


def search(display, *criteria):
    """Visible windows matching; xdotool fails when there is none."""
    try:
        return run("xdotool", "search", "--onlyvisible", *criteria, display=display).split()
    except subprocess.CalledProcessError:
        return []


def visible_windows(pid, display):
    return search(display, "--pid", str(pid))


def open_button_centre(source):
    """Where "Apri" is in the window's client area, from the form description (twips)."""
    with open(os.path.join(source, "resources", "frmDOSOutput.json")) as f:
        form = json.load(f)
    left, top, width, height = next(c["rect"] for c in form["controls"] if c["name"] == "cmdOpen")
    return (left + width // 2) // 15, (top + height // 2) // 15


def most_windows(pid, display, seconds):
    """The most windows the program showed at once over that time."""
    end = time.monotonic() + seconds
    most = 0
    while time.monotonic() < end:
        most = max(most, len(visible_windows(pid, display)))
        time.sleep(0.05)
    return most


def settled_screen(display, seconds=5):
    """The display once two screenshots a moment apart agree: everything has painted."""
    end = time.monotonic() + seconds
    last = Screen(display)
    while time.monotonic() < end:
        time.sleep(0.2)
        now = Screen(display)
        if now.pixels == last.pixels:
            break
        last = now
    return last


def wait_for(condition, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    return condition()


def balloon_box(screen, pointer):
    """The balloon's bounding box, found from the pointer: the body is above it."""
    px, py = pointer
    y = py - 16  # two rows above the body's bottom frame
    if screen.at(px, y) != INFO_BK:
        return None
    right = px
    while right < screen.width and screen.at(right, y) != FRAME:
        right += 1
    top = y
    while top > 0 and screen.at(right - 3, top) != FRAME:
        top -= 1
    return px - 20, top, right + 1, py


def check(args):
    failures = []

    def expect(condition, message):
        if not condition:
            failures.append(message)

    xvfb, display = start_xvfb()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    app = subprocess.Popen(["./corvalmire"], cwd=args.bin, env=env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    try:
        window = wait_for(lambda: app.poll() is None and search(display, "--name", "^Corvalmire"), 15)
        if not window:
            sys.exit("the window did not appear")
        geometry = dict(line.split("=") for line in
                        run("xdotool", "getwindowgeometry", "--shell", window[0], display=display).split())
        bx, by = open_button_centre(args.source)
        pointer = (int(geometry["X"]) + bx, int(geometry["Y"]) + by)
        run("xdotool", "mousemove", "10", "740", display=display)  # off the window
        before = settled_screen(display)

        # As a hand moves a mouse: a few steps from below-left onto the button.
        for step in range(8, -1, -1):
            run("xdotool", "mousemove", str(pointer[0] - 4 * step), str(pointer[1] + 3 * step), display=display)
            time.sleep(0.03)
        # The container's tooltip would come some 700 ms into the rest.
        most = most_windows(app.pid, display, 1.0)
        box = wait_for(lambda: balloon_box(Screen(display), pointer), 4)
        hover = Screen(display)
        most = max(most, most_windows(app.pid, display, 0.5))
        expect(box is not None, "no balloon above the pointer after resting on Apri")
        if box:
            left, top, right, bottom = box
            expect(right - left > 120, f"the balloon is {right - left} pixels wide: too narrow for its text")
            for corner in ((left, top), (right - 1, top), (left, bottom - 14)):
                expect(hover.at(*corner) == before.at(*corner),
                       f"corner {corner} shows {hover.at(*corner)}, not what lies beneath ({before.at(*corner)})")
            icon = (left + 10, top + 10, left + 26, top + 26)
            expect(hover.count(INFO_ICON_DISC, icon) > 50, "no information icon in the title row")
            text = (left + 10, top + 34, right - 10, bottom - 23)
            dark = sum(1 for y in range(text[1], text[3]) for x in range(text[0], text[2])
                       if max(hover.at(x, y)) < 100)
            expect(dark > 80, f"only {dark} text pixels in the balloon")
        expect(most <= 2 and len(visible_windows(app.pid, display)) == 2,
               "the program shows other windows than its own and the balloon (the container's tooltip?)")
        if args.screenshot and box:
            left = min(int(geometry["X"]), box[0]) - 10
            top = min(int(geometry["Y"]), box[1]) - 10
            right = max(int(geometry["X"]) + int(geometry["WIDTH"]), box[2]) + 10
            bottom = int(geometry["Y"]) + int(geometry["HEIGHT"]) + 10
            subprocess.run(["convert", "ppm:-", "-crop", f"{right - left}x{bottom - top}+{left}+{top}", "+repage",
                            "-strip", args.screenshot], input=hover.ppm, check=True)

        # Onto the stem: the pointer goes through the balloon to the button.
        run("xdotool", "mousemove", str(pointer[0] + 1), str(pointer[1] - 3), display=display)
        time.sleep(0.3)
        expect(len(visible_windows(app.pid, display)) == 2, "the balloon went when the pointer moved onto its stem")

        run("xdotool", "mousemove", "10", "740", display=display)
        gone = wait_for(lambda: len(visible_windows(app.pid, display)) == 1, 3)
        expect(gone, "the balloon stayed after the pointer left")
        if box and gone:
            after = Screen(display)
            expect(all(after.at(x, y) == before.at(x, y) for y in range(box[1], box[3]) for x in range(box[0], box[2])),
                   "the balloon's place does not show what was there before")
    finally:
        app.terminate()
        try:
            app.wait(10)
        except subprocess.TimeoutExpired:
            app.kill()
        xvfb.terminate()
        xvfb.wait()
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", default=os.environ.get("CORVALMIRE_BIN", "build/bin"))
    parser.add_argument("--source", default=os.environ.get("CORVALMIRE_SOURCE", "."))
    parser.add_argument("--screenshot")
    sys.exit(check(parser.parse_args()))
