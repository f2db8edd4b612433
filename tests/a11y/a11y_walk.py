#!/usr/bin/python3
"""Walks the program's windows through the accessibility bus, as a screen reader sees them.

Runs inside a virtual X server and a session D-Bus (a11y_walk.sh starts both). Starts the
AT-SPI bus, the program on a copy of the sample collection, opens each window of JOURNEYS by
the keyboard, and walks its accessible tree: every visible focusable control and every picture
must have a name.
Prints per window the count of focusable controls and of those without a name, and the
pictures with what they say. Exits 1 on an unnamed control or a window that did not open or
close, 77 (skipped) only when the AT-SPI packages are missing.
Usage: a11y_walk.py PROGRAM SAMPLE.QF3 WORK-FOLDER  (A11Y_SHOTS=FOLDER keeps a screenshot of each)
"""
import importlib.util
import os
import shutil
import signal
import subprocess
import sys
import time

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

# Each journey: steps of (keys typed into the window on top, title of the window they open,
# and CLOSES when the keys also close the window they were typed into);
# every window reached is walked, then the journey closes them from the top with Escape
# (a window that Escape does not close is a fault of its own). Titles are matched exactly.
MAIN = "Quernfold 98 (SAMPLE)"
CLOSES = True
JOURNEYS = [
    [],
    [("ctrl+w", "Create New Puzzle"), ("alt+y", "Puzzle Page Layouts")],
    [("ctrl+w", "Create New Puzzle"), ("alt+s", "Spelling Ok")],
    [("ctrl+m", "Modify Existing Puzzle")],
    [("ctrl+l", "Puzzle Page Layouts"), ("alt+n", "Page Creator")],
    [("ctrl+h", "Shapes"), ("alt+n", "Shape Creator")],
    [("ctrl+p", "Reports"), ("alt+u", "Bonus Question")],
    [("ctrl+p", "Reports"), ("Return", "Report Status Screen"), ("Return", "Puzzle Preview", CLOSES),
     ("ctrl+m", "Multi-Copies")],
    [("ctrl+e", "Export Crossword Puzzles")],
    [("ctrl+shift+p", "Print Booklet")],
    [("ctrl+f", "Manual Word Addition")],
    [("ctrl+t", "Dictionary Maintenance")],
    [("alt+o c Return", "Default Clue Headers")],
    [("ctrl+j", "JPEG Factor")],
    [("ctrl+y", "International Characters")],
    [("ctrl+b", "Word Separator Characters")],
    [("alt+h r", "Tip of the Day")],
    [("ctrl+k", "Quernfold 98 Help")],
    [("ctrl+a", "About")],
]


# The exit status when the program never reached the accessibility bus: the start-up, not a name,
# failed, and the shell script tries once more.
NOT_ON_BUS = 3


def fail(text, status=1):
    print("FAILED: " + text, flush=True)
    sys.exit(status)


def wait_for(what, test, seconds=15.0, status=1):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = test()
        if value:
            return value
        time.sleep(0.1)
    fail(what() if callable(what) else what, status)


def answers(command):
    return subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def start_bus():
    """Starts the AT-SPI bus on the session bus and waits until it answers."""
    # Its own process group: the bus it starts goes with it at the end.
    launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, start_new_session=True)
    ask = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
           "org.a11y.Bus.GetAddress"]
    wait_for("the AT-SPI bus does not answer", lambda: answers(ask), 20)
    answers(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:IsEnabled",
             "variant:boolean:true"])
    return launcher


def x_window(title):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % escape(title)],
                         capture_output=True, text=True).stdout.split()
    return out[0] if out else None


def escape(title):
    return "".join("\\" + c if c in ".()[]*+?^$|\\" else c for c in title)


def keys(title, typed):
    window = x_window(title)
    if not window:
        fail("no window '%s' to type %s into" % (title, typed))
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "--delay", "150"] + typed.split(),
                   check=True)


def main():
    program, sample, work = (os.path.abspath(a) for a in sys.argv[1:4])
    if not os.path.exists(LAUNCHER) or importlib.util.find_spec("pyatspi") is None:
        print("SKIPPED: AT-SPI cannot run here: at-spi2-core or python3-pyatspi is missing "
              "(bash scripts/setup.sh installs them)")
        sys.exit(77)
    wait_for("the virtual X server does not answer on " + os.environ.get("DISPLAY", "?"),
             lambda: answers(["xdpyinfo"]), 10)
    launcher = start_bus()
    import pyatspi

    shutil.copy(sample, os.path.join(work, "SAMPLE.QF3"))
    with open(os.path.join(work, "QFOLD3.INI"), "w") as ini:
        ini.write("[Misc]\nShow Tips=No\n")
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    proc = subprocess.Popen([program], cwd=work, env=env)
    try:
        return walk_all(pyatspi, proc)
    finally:
        if proc.poll() is None:
            proc.kill()
        os.killpg(launcher.pid, signal.SIGTERM)


def app_of(pyatspi, proc):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == proc.pid:
                return app
        except Exception:
            pass
    return None


def app_names(pyatspi):
    desktop = pyatspi.Registry.getDesktop(0)
    return [desktop.getChildAtIndex(i).name for i in range(desktop.childCount) if desktop.getChildAtIndex(i)]


def top_window(pyatspi, proc, title):
    app = app_of(pyatspi, proc)
    if app is None:
        return None
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.name == title:
            return window
    return None


def open_titles(pyatspi, proc):
    app = app_of(pyatspi, proc)
    return [] if app is None else [app.getChildAtIndex(i).name for i in range(app.childCount)]


# Controls whose items are content, not controls: the control itself is counted, not its rows.
def inner_roles(pyatspi):
    return {pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE,
            pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_MENU, pyatspi.ROLE_COMBO_BOX}


def walk(pyatspi, window):
    """The visible focusable controls of a window, and its pictures, as (role, name, path)."""
    controls, pictures = [], []
    stop = inner_roles(pyatspi)

    def visit(node, path):
        states = node.getState()
        if not states.contains(pyatspi.STATE_VISIBLE):
            return
        role = node.getRole()
        name = (node.name or "").strip()
        path += "/" + (name or node.getRoleName())
        if states.contains(pyatspi.STATE_FOCUSABLE):
            controls.append((node.getRoleName(), name, path))
        if role in (pyatspi.ROLE_IMAGE, pyatspi.ROLE_CANVAS):
            pictures.append((node.getRoleName(), name, (node.description or "").strip()))
        if role in stop:
            return
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                visit(child, path)

    visit(window, "")
    return controls, pictures


def walk_all(pyatspi, proc):
    unnamed_total = 0
    # A loaded machine may take a while to start the program and register it on the bus.
    wait_for(lambda: "the main window '%s' is not on the accessibility bus (%s; applications there: %s)"
             % (MAIN, "the program ended with %s" % proc.poll() if proc.poll() is not None else "the program runs",
                app_names(pyatspi)),
             lambda: proc.poll() is None and top_window(pyatspi, proc, MAIN), 60, NOT_ON_BUS)
    seen = set()
    for journey in JOURNEYS:
        stack = [MAIN]
        for typed, title, *closes in [(None, MAIN)] + journey:
            if typed:
                keys(stack[-1], typed)
                if closes:
                    stack.pop()
                stack.append(title)
            window = wait_for(lambda: "'%s' did not open (or is not on the accessibility bus); open: %s"
                              % (title, open_titles(pyatspi, proc)),
                              lambda: x_window(title) and top_window(pyatspi, proc, title))
            time.sleep(0.3)
            if title in seen:
                continue
            seen.add(title)
            if os.environ.get("A11Y_SHOTS"):  # a folder for a picture of each window, to look at
                subprocess.run(["import", "-window", "root",
                                os.path.join(os.environ["A11Y_SHOTS"], title.replace(" ", "_") + ".png")])
            controls, pictures = walk(pyatspi, window)
            unnamed = [c for c in controls if not c[1]]
            unnamed_total += len(unnamed)
            print("%-32s focusable %3d  without a name %3d" % (title, len(controls), len(unnamed)), flush=True)
            for role, _, path in unnamed:
                print("    unnamed %s at %s" % (role, path))
            for role, name, description in pictures:
                print("    %s: %s%s" % (role, name or "UNNAMED", " - " + description if description else ""))
            unnamed_total += sum(1 for picture in pictures if not picture[1])  # a picture says what it shows
        for title in reversed(stack[1:]):
            keys(title, "Escape")
            wait_for("Escape did not close '%s'" % title, lambda: not x_window(title), 5)
    keys(MAIN, "ctrl+x")
    wait_for("Exit did not end the program", lambda: proc.poll() is not None, 10)
    if unnamed_total:
        fail("%d focusable controls or pictures without a name" % unnamed_total)
    print("every focusable control and picture of %d windows has a name" % len(seen))
    return 0


if __name__ == "__main__":
    sys.exit(main())
