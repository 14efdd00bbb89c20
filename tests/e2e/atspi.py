# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the program through AT-SPI only, as a screen reader user would.

Run by atspi.sh inside a private X server and D-Bus session: starts the AT-SPI
bus, then the program with accessibility on; finds 图形字 by name, types 福,
presses 拼字 by its action, reads the 21 lines of the output box, opens the
alignment check with its key and reads its verdicts, and walks every window
for focusable controls without a name. Exit status 0 passed, 1 failed, 77
skipped (with the reason)."""

import os
import re
import subprocess
import sys
import time

import pyatspi

PROGRAM = sys.argv[1]
failures = []


def check(name, ok, detail=""):
    print(("PASS   : " if ok else "FAIL!  : ") + name + ("" if ok else f" ({detail})"), flush=True)
    if not ok:
        failures.append(name)
    return ok


def until(seconds, probe):
    """Polls probe until it gives something true; None when time is up."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = probe()
        except Exception:  # the tree changes under the walk while windows open
            found = None
        if found:
            return found
        time.sleep(0.1)
    return None


# Containers whose entries are data, not controls: checked as a whole.
DATA_ROLES = {pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE,
              pyatspi.ROLE_MENU, pyatspi.ROLE_LIST_BOX}


def walk(node):
    yield node
    if node.getRole() in DATA_ROLES:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find(root, name=None, role=None, pattern=None):
    for node in walk(root):
        if role is not None and node.getRole() != role:
            continue
        if name is not None and node.name != name:
            continue
        if pattern is not None and not re.search(pattern, node.name or ""):
            continue
        return node
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and (app.name or "").lower() == os.path.basename(PROGRAM).lower():
            return app
    return None


def window(title_pattern):
    app = application()
    if app is None:
        return None
    for i in range(app.childCount):
        frame = app.getChildAtIndex(i)
        if frame is not None and re.search(title_pattern, frame.name or "") and \
                frame.getState().contains(pyatspi.STATE_SHOWING):
            return frame
    return None


def press(button):
    actions = button.queryAction()
    names = [actions.getName(i).lower() for i in range(actions.nActions)]
    actions.doAction(names.index("press") if "press" in names else 0)


def unnamed_controls(frame):
    """The focusable, showing controls that a screen reader could not name."""
    missing = []
    for node in walk(frame):
        state = node.getState()
        if state.contains(pyatspi.STATE_FOCUSABLE) and state.contains(pyatspi.STATE_SHOWING) \
                and not (node.name or "").strip():
            missing.append(f"{node.getRoleName()} in {frame.name}")
    return missing


def main():
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    program = None
    try:
        if until(15, lambda: pyatspi.Registry.getDesktop(0) is not None and
                 subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                                 "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0) is None:
            print("SKIP: the AT-SPI bus did not start", flush=True)
            return 77
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   QT_ACCESSIBILITY="1")
        program = subprocess.Popen([PROGRAM], env=env)
        main_window = until(30, lambda: window(r"^Tessellon加强版 +这是您第"))
        if not check("the main window appears on the AT-SPI desktop with its title", main_window is not None,
                     "no application " + os.path.basename(PROGRAM)):
            return 1

        glyph = find(main_window, name="图形字", role=pyatspi.ROLE_TEXT)
        if check("图形字 found by its name", glyph is not None, "no text box named 图形字"):
            glyph.queryEditableText().setTextContents("福")
            foreground = find(main_window, name="前景字", role=pyatspi.ROLE_TEXT)
            check("typing 福 fills 前景字 too", foreground is not None and
                  until(5, lambda: foreground.queryText().getText(0, -1) == "福"), "前景字 did not follow")

        compose = find(main_window, pattern=r"^拼字", role=pyatspi.ROLE_PUSH_BUTTON)
        output = find(main_window, name="拼出的文字")
        if check("拼字 and the output box found by name", compose is not None and output is not None):
            press(compose)
            lines = until(15, lambda: [line for line in output.queryText().getText(0, -1).split("\n") if line]
                          if "福" in output.queryText().getText(0, -1) else None)
            check("the output box's text reads 21 lines of 福 art", lines is not None and len(lines) == 21,
                  f"{len(lines) if lines else 0} lines")
            check("the composition is announced", "21" in (output.description or "") or
                  any("21" in (node.description or "") for node in (compose, main_window)),
                  "no description tells of it")

            # The alignment check is an entry of the output box's menu; its key opens it. With no window
            # manager to hand the window the keyboard, a click into the box does.
            box = output.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, "b1c")
            output.queryComponent().grabFocus()
            until(5, lambda: output.getState().contains(pyatspi.STATE_FOCUSED))
            pyatspi.Registry.generateKeyboardEvent(0xFFC4, None, pyatspi.KEY_SYM)  # F7
            alignment = until(10, lambda: window(r"^对齐检查$"))
            if check("对齐检查 opens from the keyboard", alignment is not None):
                verdicts = [node.name for node in walk(alignment) if re.search(r"：(不)?对齐$", node.name or "")]
                check("对齐检查 reads out a verdict for every place", len(verdicts) >= 2, str(verdicts))
                print("verdicts: " + "；".join(verdicts), flush=True)

        for caption, title in (("图像", r"^处理为图像$"), ("保存", r"^保存为TXT文本文件$"),
                               ("帮助", r"^关于Tessellon加强版$")):
            button = find(main_window, pattern="^" + caption, role=pyatspi.ROLE_PUSH_BUTTON)
            if check(f"{caption} found by name", button is not None):
                press(button)
                check(f"{caption} opens its window", until(10, lambda: window(title)) is not None)
        image_view = window(r"^处理为图像$")
        if image_view is not None:
            picture = find(image_view, role=pyatspi.ROLE_CANVAS)
            check("the image view's picture tells its colours and size",
                  picture is not None and "像素" in (picture.description or ""),
                  picture.description if picture else "no picture")
            combine = find(image_view, pattern=r"^图片", role=pyatspi.ROLE_PUSH_BUTTON)
            if combine is not None:
                press(combine)
                check("图片 opens the combination window", until(10, lambda: window(r"^图片组合方式$")) is not None)

        app = application()
        frames = [app.getChildAtIndex(i) for i in range(app.childCount)]
        frames = [f for f in frames if f is not None and f.getState().contains(pyatspi.STATE_SHOWING)]
        check("six windows are open to walk", len(frames) >= 6, str([f.name for f in frames]))
        for frame in frames:
            check(f"window “{frame.name}” has a title", bool((frame.name or "").strip()))
            missing = unnamed_controls(frame)
            check(f"every focusable control in “{frame.name}” has a name", not missing, "; ".join(missing))
    finally:
        if program is not None:
            program.kill()
            program.wait()
        bus.terminate()
        bus.wait()
    print(f"{'FAILED: ' + ', '.join(failures) if failures else 'all passed'}", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
