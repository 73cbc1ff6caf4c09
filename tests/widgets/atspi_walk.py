#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader hears, over the real AT-SPI bus: walks the main
window's accessible tree and checks that each figure is read with its meaning,
value and unit, and that every list and field is labelled by its caption.
Run by atspi_walk.sh inside its own D-Bus session and X server."""

import shutil
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def application():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name and "velmora" in app.name.lower():
                return app
        time.sleep(0.1)
    return None


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def pump(seconds):
    """Lets the bus deliver its events for a while."""
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def pump_until(done, seconds=10):
    """Lets the bus deliver its events until done() holds, or for at most
    `seconds`: a loaded machine delivers later, an idle one at once."""
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while not done() and time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)
    return done()


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name.strip()
    return None


app = application()
if app is None:
    print("the program did not appear on the accessibility bus")
    sys.exit(1)
failures = 0


def check(ok, what):
    global failures
    if not ok:
        failures += 1
        print("FAILED:", what)


found = list(nodes(app))
labels = {n.name for n in found if n.getRoleName() == "label"}
for figure in ("Общий объём архива за день: 16.64 Гбайт", "Суммарная скорость потока: 1.58 Мбит/с",
               "Объём архива канала за день: 16.64 Гбайт", "Текущий канал: 1", "Всего каналов: 1"):
    check(figure in labels, f"a label reads '{figure}'")
captions = {}
for n in found:
    if n.getRoleName() in ("combo box", "text"):
        captions[n.name] = labelled_by(n)
check(captions.get("(7)хорошее") == "Качество:", f"the quality list is labelled 'Качество:' ({captions})")
unlabelled = [name for name, caption in captions.items() if not caption]
# Every list and field but the disk unit list, which stands right of its field, has its caption.
check(len(unlabelled) <= 1, f"lists and fields without a caption: {unlabelled}")
# The keys, pressed as a user presses them (after a click on a caption of the
# centred window, which gives it the keyboard).
if shutil.which("xdotool"):
    subprocess.run(["xdotool", "mousemove", "1000", "380", "click", "1"], check=False)
    time.sleep(0.3)
    # Shift+F10 and the Menu key open the context menu from the keyboard, away
    # from the bitrate field (first in the focus, it keeps its own text menu):
    # the menu shows, and Down gives its first entry the focus, as a screen
    # reader hears it. Escape closes it again.
    heard = []
    pyatspi.Registry.registerEventListener(
        lambda e: heard.append((e.source.getRoleName(), e.source.name, e.detail1)),
        "object:state-changed:focused", "object:state-changed:showing", "object:property-change:accessible-name")
    pump(0.3)
    # A bitrate typed into the field (where the focus starts): the day total
    # is announced with its new figure.
    subprocess.run(["xdotool", "key", "ctrl+a"], check=False)
    subprocess.run(["xdotool", "type", "2000"], check=False)

    def totals():
        return [name for role, name, _ in heard if role == "label" and name.startswith("Общий объём архива за день:")]

    pump_until(lambda: "Общий объём архива за день: 20.6 Гбайт" in totals())
    check("Общий объём архива за день: 20.6 Гбайт" in totals(), f"the new day total is announced ({totals()})")
    subprocess.run(["xdotool", "key", "Tab"], check=False)
    pump(0.3)
    for keys in ("shift+F10", "Menu"):
        heard.clear()
        subprocess.run(["xdotool", "key", keys], check=False)
        pump_until(lambda: ("popup menu", "", 1) in heard)
        subprocess.run(["xdotool", "key", "Down"], check=False)
        pump_until(lambda: ("menu item", "Открыть план…", 1) in heard)
        check(("popup menu", "", 1) in heard and ("menu item", "Открыть план…", 1) in heard,
              f"{keys} opens the context menu ({heard})")
        subprocess.run(["xdotool", "key", "Escape"], check=False)
        pump_until(lambda: ("popup menu", "", 0) in heard, 1)
    subprocess.run(["xdotool", "key", "F1"], check=False)
    windows = []
    for _ in range(100):
        time.sleep(0.1)
        windows = [app.getChildAtIndex(i).name for i in range(app.childCount)]
        if "Velmora: справка" in windows:
            break
    check("Velmora: справка" in windows, f"F1 opens the help window ({windows})")
else:
    print("xdotool is not installed: the keys not pressed")
print(f"{len(found)} accessible objects, {len(captions)} lists and fields, {failures} failures")
sys.exit(1 if failures else 0)
