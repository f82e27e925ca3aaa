# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program as a screen reader sees it, through the AT-SPI tree.

Usage: tst_atspi.py PATH-TO-COMPARTICA (inside atspi_session.sh)
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(find, what, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    fail("no " + what)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "compartica":
            return app
    return None


def named(app, name, role):
    return pyatspi.findDescendant(app, lambda a: a.name == name and a.getRole() == role)


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def pump(seconds):
    """Lets AT-SPI events arrive for a while."""
    context = GLib.MainContext.default()
    deadline = time.time() + seconds
    while time.time() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def main():
    program = subprocess.Popen([sys.argv[1]])
    try:
        app = wait_for(application, "application named compartica on the AT-SPI bus")
        questions = wait_for(lambda: named(app, "Case and questions", pyatspi.ROLE_LABEL),
                             "question panel")
        if "The patient is a" not in text_of(questions):
            fail("the question panel does not read the case: " + repr(text_of(questions)))
        print("ok: the question panel reads the case")

        see = named(app, "See answer 1", pyatspi.ROLE_PUSH_BUTTON)
        if see is None:
            fail("no button named See answer 1")
        action = see.queryAction()
        press = [i for i in range(action.nActions) if action.getName(i) in ("press", "Press")]
        if not press:
            fail("See answer 1 offers no press action")
        changes = []

        def record(event):
            if event.host_application is not None and event.host_application.name == "compartica":
                changes.append((event.source.name, event.type, event.detail1, event.any_data))

        pyatspi.Registry.registerEventListener(record, "object:text-changed")
        pump(0.3)
        action.doAction(press[0])

        answers = wait_for(lambda: named(app, "Worked answer", pyatspi.ROLE_LABEL),
                           "answer panel")
        wait_for(lambda: True if "Antipyrine distrubutes" in text_of(answers) else None,
                 "worked answer 1 in the answer panel's text")
        print("ok: pressing See answer 1 through AT-SPI shows the worked answer in its text")

        # A screen reader hears the new answer once: one insertion, at the
        # start of the empty panel, of exactly the panel's text.
        pump(1.0)
        pyatspi.Registry.deregisterEventListener(record, "object:text-changed")
        expected = [("Worked answer", "object:text-changed:insert", 0, text_of(answers))]
        if changes != expected:
            fail("text-change events on See answer 1: %r" % (changes,))
        print("ok: one insertion event carries the whole new answer, and nothing else changed")
    finally:
        program.terminate()
        program.wait(timeout=5)
    print("atspi: passed")


main()
