# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program as a screen reader sees it, through the AT-SPI tree, in
English and, asked for by the environment, in German; and with --practice,
typed into with xdotool, its verdicts as a screen reader reads them.

Usage: tst_atspi.py PATH-TO-COMPARTICA (inside atspi_session.sh)
"""
import os
import re
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


# For each language: the panels' and the first button's names, how the case
# and answer 1 begin, and how a decimal number is written.
LANGUAGES = [
    ("en", "Case and questions", "Worked answer", "See answer 1", "The patient is a",
     "Antipyrine distrubutes", r"\d\.\d"),
    ("de", "Fall und Fragen", "Lösungsweg", "Antwort 1 zeigen", "Patient", "Antipyrin verteilt",
     r"\d,\d"),
]


def main():
    for language in LANGUAGES:
        walk(*language)
    practise()
    print("atspi: passed")


def keys(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)


def practise():
    """Two slips typed for question 1 (millilitres, a fraction for a
    percentage), checked with Return: each field's description names its
    slip; after "See answer 1" it gives the program's value."""
    program = subprocess.Popen([sys.argv[1], "--practice"], env=dict(os.environ, LANGUAGE="en"))
    try:
        app = wait_for(application, "application named compartica on the AT-SPI bus")
        questions = wait_for(lambda: named(app, "Case and questions", pyatspi.ROLE_LABEL),
                             "question panel")
        case = text_of(questions)
        weight = float(re.search(r"weighs\s+([\d.]+)", case).group(1))
        antipyrine = float(re.search(r"antipyrine =\s+([\d.]+)", case).group(1))
        field = lambda name: wait_for(lambda: pyatspi.findDescendant(
            app, lambda a: a.name == name and a.getRole() != pyatspi.ROLE_LABEL), "field " + name)
        water, percent = field("Total body water, in litres"), field("Percentage of body weight")
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                                 str(program.pid)], capture_output=True, text=True, check=True)
        keys("windowfocus", "--sync", window.stdout.split()[0])
        pump(0.5)
        keys("type", "--delay", "30", str(round(50000 / antipyrine)))
        keys("key", "Tab")
        keys("type", "--delay", "30", "%.4f" % (50 / antipyrine / weight))
        keys("key", "Return")
        for accessible, slip in ((water, "Check the units"), (percent, "This is a fraction")):
            wait_for(lambda: True if accessible.description.startswith(slip) else None,
                     f"verdict \"{slip}\" (has {accessible.description!r})")
        print("ok: practice: typed with xdotool, Return checks; each field's verdict names "
              "its slip")
        see = named(app, "See answer 1", pyatspi.ROLE_PUSH_BUTTON).queryAction()
        see.doAction(0)
        wait_for(lambda: True if water.description.startswith("The answer: ") else None,
                 "the worked value beside the field")
        print(f"ok: practice: after See answer 1 the field reads {water.description!r}")
    finally:
        program.terminate()
        program.wait(timeout=5)


def walk(code, questions_name, answers_name, see_name, case_start, answer_start, number):
    program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, LANGUAGE=code))
    try:
        app = wait_for(application, "application named compartica on the AT-SPI bus")
        questions = wait_for(lambda: named(app, questions_name, pyatspi.ROLE_LABEL),
                             code + " question panel")
        case = text_of(questions)
        if case_start not in case or not re.search(number, case):
            fail("the question panel does not read the case: " + repr(case))
        print(f"ok: {code}: the question panel reads the case")

        see = named(app, see_name, pyatspi.ROLE_PUSH_BUTTON)
        if see is None:
            fail("no button named " + see_name)
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

        answers = wait_for(lambda: named(app, answers_name, pyatspi.ROLE_LABEL),
                           "answer panel")
        wait_for(lambda: True if answer_start in text_of(answers) else None,
                 "worked answer 1 in the answer panel's text")
        print(f"ok: {code}: pressing {see_name} through AT-SPI shows the worked answer in its text")

        # A screen reader hears the new answer once: one insertion, at the
        # start of the empty panel, of exactly the panel's text.
        pump(1.0)
        pyatspi.Registry.deregisterEventListener(record, "object:text-changed")
        expected = [(answers_name, "object:text-changed:insert", 0, text_of(answers))]
        if changes != expected:
            fail("text-change events on %s: %r" % (see_name, changes))
        print(f"ok: {code}: one insertion event carries the whole new answer, and nothing else "
              "changed")
    finally:
        program.terminate()
        program.wait(timeout=5)


main()
