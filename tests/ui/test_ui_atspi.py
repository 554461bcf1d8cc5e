#!/usr/bin/python3
"""Drives the window over AT-SPI, as a screen reader or other accessibility client would:
Browse and the real file dialog, three mappings, version 3.0, Convert, the end question.
Every control is found by its role and spoken name and used through its accessible actions
and text; nothing touches the mouse or the keyboard.

    test_ui_atspi.py PROGRAM WORKBOOK SAVE_FOLDER

Run by test_ui_atspi.sh inside a private D-Bus session on a virtual X server."""

import glob
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi

PROGRAM, WORKBOOK, SAVE_FOLDER = sys.argv[1:4]
STEP_TIMEOUT = 15.0  # seconds for any one thing to appear
START = time.monotonic()


class Failure(Exception):
    pass


def log(text):
    print(f"[{time.monotonic() - START:5.1f}s] {text}", flush=True)


def wait_for(what, probe, timeout=STEP_TIMEOUT):
    """Polls probe() until it returns something true; fails naming what was awaited."""
    deadline = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < deadline:
        try:
            found = probe()
            if found:
                return found
        except Exception as error:  # a node may vanish while it is walked
            last_error = error
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what}" + (f" ({last_error})" if last_error else ""))


def children(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield child


def find(root, role, name=None, predicate=None):
    """The first node under root with this role (and name), depth first. Tables are not
    entered: the preview grid is looked at through its table interface."""
    stack = [root]
    while stack:
        node = stack.pop()
        if node.getRoleName() == role and (name is None or node.name == name) and (
            predicate is None or predicate(node)
        ):
            return node
        if node.getRoleName() != "table":
            stack.extend(reversed(list(children(node))))
    return None


def has_state(node, state):
    return node.getState().contains(state)


def showing(node):
    return has_state(node, pyatspi.STATE_SHOWING)


def act(node, *names):
    """Runs the first of the named actions the node offers."""
    action = node.queryAction()
    offered = [action.getName(i) for i in range(action.nActions)]
    for name in names:
        if name in offered:
            log(f"{name}: {node.getRoleName()} '{node.name}'")
            action.doAction(offered.index(name))
            return
    raise Failure(f"{node.getRoleName()} '{node.name}' offers none of {names}: {offered}")


def value_text(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def check(condition, message):
    if not condition:
        raise Failure(message)


def find_application(process):
    desktop = pyatspi.Registry.getDesktop(0)
    if process.poll() is not None:
        raise Failure(f"the program ended at start with {process.returncode}")
    for app in children(desktop):
        if app.name == "excel2vcard":
            return app
    return None


def top_level(app, role, name=None):
    for window in children(app):
        if window.getRoleName() == role and (name is None or window.name == name):
            return window
    return None


def step_tabs(frame):
    """Which tab reports itself selected, and which are enabled."""
    tabs = find(frame, "page tab list")
    selected = [t.name for t in children(tabs) if has_state(t, pyatspi.STATE_SELECTED)]
    enabled = [t.name for t in children(tabs) if has_state(t, pyatspi.STATE_ENABLED)]
    return selected, enabled


def on_step(frame, tab):
    selected, enabled = step_tabs(frame)
    return selected == [tab] and enabled == [tab]


def run(process):
    app = wait_for("the program on the accessibility bus", lambda: find_application(process))
    # Every question goes to the program: what it answers is what is checked.
    app.set_cache_mask(Atspi.Cache.NONE)
    frame = wait_for("the main window", lambda: top_level(app, "frame"))
    check(on_step(frame, "1. Select"), f"step 1 tabs: {step_tabs(frame)}")

    # Step 1: Browse, then the real file dialog: the name typed through its text, Open.
    act(find(frame, "push button", "Browse..."), "Press")
    dialog = wait_for("the file dialog", lambda: top_level(app, "dialog", "Open"))
    file_name = wait_for("the file name box", lambda: find(dialog, "text", "File name:"))
    file_name.queryEditableText().setTextContents(WORKBOOK)
    act(find(dialog, "push button", "Open"), "Press")
    panel = wait_for(
        "the count of contacts",
        lambda: find(frame, "label", predicate=lambda n: n.name.startswith("Items Found:")),
    )
    check(panel.name == "Items Found:  6", f"count panel reads '{panel.name}'")
    path = find(frame, "text", "Select Excel File")
    check(value_text(path) == WORKBOOK, f"file path box reads '{value_text(path)}'")
    check(has_state(path, pyatspi.STATE_FOCUSABLE), "the file path box cannot be reached")
    preview = find(frame, "table", "Excel File Preview").queryTable()
    check((preview.nRows, preview.nColumns) == (6, 8),
          f"preview presents {preview.nRows} x {preview.nColumns} cells")
    check(preview.getAccessibleAt(0, 0).name == "José", "preview cell 1,1")

    act(find(frame, "push button", "Next"), "Press")
    wait_for("step 2", lambda: on_step(frame, "2. Map Columns"))

    # Step 2: three mappings. The header is chosen in its list, the field typed.
    headers = find(frame, "combo box", predicate=lambda n: showing(n) and n.childCount == 1)
    fields = find(frame, "combo box", predicate=lambda n: showing(n) and n.childCount == 2)
    field_text = find(fields, "text", "vCard Fields")
    mapped = find(frame, "list", "Selected Fields (Excel to vCard)")
    add = find(frame, "push button", "Add")
    wanted = [("First name", "FirstName"), ("Last name", "LastName"),
              ("Phone", "BusinessTelephoneNumber")]
    for count, (header, field) in enumerate(wanted, start=1):
        item = find(headers, "list item", header)
        check(item is not None, f"no header '{header}' offered")
        act(item, "Toggle")
        # On Linux a combo box is named by its current text.
        wait_for(f"'{header}' chosen", lambda: headers.name == header)
        field_text.queryEditableText().setTextContents(field)
        act(add, "Press")
        wait_for(f"mapping {count}", lambda: mapped.childCount == count)
    spoken = [item.name for item in children(mapped)]
    check(spoken == [f"{h} to {f}" for h, f in wanted], f"mappings read {spoken}")

    act(find(frame, "push button", "Next"), "Press")
    wait_for("step 3", lambda: on_step(frame, "3. Export"))

    # Step 3: 3.0 through the option's own action, then Convert.
    version = find(frame, "radio button", "vCard 3.0 Version")
    act(version, "Toggle", "Press")
    wait_for("3.0 checked", lambda: has_state(version, pyatspi.STATE_CHECKED))
    save = find(frame, "text", "Saving Location")
    check(value_text(save) == SAVE_FOLDER, f"save location reads '{value_text(save)}'")
    act(find(frame, "push button", "Convert"), "Press")

    question = wait_for(
        "the end question",
        lambda: top_level(app, "dialog", "Open Destination Folder")
        or top_level(app, "alert", "Open Destination Folder"),
    )
    counted = find(frame, "label", predicate=lambda n: n.name.startswith("Number of Contacts Added:"))
    check(counted.name == "Number of Contacts Added: 6/6", f"count reads '{counted.name}'")
    progress = find(frame, "progress bar").queryValue()
    check(progress.currentValue == 100, f"progress reads {progress.currentValue}")
    # No: the window closes and the program ends.
    act(find(question, "push button", "No"), "Press")
    wait_for("the program to end", lambda: process.poll() is not None)
    check(process.returncode == 0, f"the program ended with {process.returncode}")

    folders = glob.glob(os.path.join(SAVE_FOLDER, "Brinmark_Excel_vCard_*"))
    check(len(folders) == 1, f"output folders: {folders}")
    cards = sorted(glob.glob(os.path.join(folders[0], "*.vcf")))
    check(len(cards) == 6, f"cards written: {cards}")
    for card in cards:
        with open(card, encoding="utf-8", newline="") as f:
            text = f.read()
        check("\r\nVERSION:3.0\r\n" in text, f"{card} is not a 3.0 card:\n{text}")
    log(f"{len(cards)} cards, all VERSION:3.0")


def main():
    try:
        pyatspi.Registry.getDesktop(0).childCount
    except Exception as error:
        print(f"test_ui_atspi: the accessibility registry does not answer: {error}",
              file=sys.stderr)
        sys.exit(1 if os.environ.get("CI") else 77)

    process = subprocess.Popen([PROGRAM])
    try:
        run(process)
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
    print(f"PASS: the window was driven over AT-SPI in {time.monotonic() - START:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
