# SPDX-License-Identifier: GPL-3.0-or-later

"""The real program as a screen reader meets it, over the AT-SPI bus.

run.sh provides the X display, the D-Bus session and the accessibility bus;
this script starts the program, walks every screen through the actions a
screen reader offers, and checks the names, roles and events it reads there.
"""

import re
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# Debian 12's Atspi marks the action names it still needs as deprecated.
warnings.filterwarnings("ignore", category=DeprecationWarning)

TIMEOUT = 30  # seconds: a loaded machine may be slow, a working one is not
FRACTION = re.compile(r"^(un [a-z]+o|\d+ [a-z]+i)$")

failures = []
shown = []  # every object reported as newly showing


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, file=sys.stderr)
    return condition


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, description):
    deadline = time.monotonic() + TIMEOUT
    while True:
        pump()
        result = what()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + description)
        time.sleep(0.05)


def children(node):
    try:
        node.clear_cache()
        return [node.get_child_at_index(i) for i in range(node.get_child_count())]
    except GLib.Error:
        return []


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def descendants(node, role=None):
    found = []
    for child in children(node):
        if child is None:
            continue
        if role is None or child.get_role() == role:
            found.append(child)
        found.extend(descendants(child, role))
    return found


def named(node, role, name):
    for child in descendants(node, role):
        if child.get_name() == name:
            return child
    return None


def application():
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        if app is not None and app.get_name() == "quotelle":
            return app
    return None


def window(app, title):
    def find():
        for child in children(app):
            try:
                if child is not None and child.get_name() == title and showing(child):
                    return child
            except GLib.Error:
                pass  # a window that was just closed
        return None

    return wait_for(find, "window " + repr(title))


def press(node, name, role=Atspi.Role.PUSH_BUTTON):
    button = wait_for(lambda: named(node, role, name), "button " + repr(name))
    for i in range(button.get_n_actions()):
        if button.get_action_name(i) == "Press":
            button.do_action(i)
            return
    raise AssertionError(repr(name) + " has no Press action")


def access_key(node, name):
    button = named(node, Atspi.Role.PUSH_BUTTON, name)
    return button.get_key_binding(0) if button is not None else None


def labels(node):
    return descendants(node, Atspi.Role.LABEL)


def fraction_labels(node):
    """Pairs of (numerator label, description) for every described number."""
    return [(label, label.get_description()) for label in labels(node) if label.get_description()]


def verdict_after_confirm(screen, expected):
    """Presses Conferma and checks that the verdict is shown and announced."""
    check(access_key(screen, "Conferma") == "Alt+C", "Conferma without its access key")
    shown.clear()
    press(screen, "Conferma")
    # The verdict is announced once, followed by the new task after a right
    # answer; the label shows the verdict alone.
    announced = wait_for(
        lambda: next((name for name in map(notification_name, shown)
                      if name and any(name == e or name.startswith(e + " ") for e in expected)),
                     None),
        "the announcement of a verdict among " + repr(expected))
    verdict = next(e for e in expected if announced == e or announced.startswith(e + " "))
    label = named(screen, Atspi.Role.LABEL, verdict)
    check(label is not None, f"{verdict!r} announced but not shown")
    return verdict


def notification_name(source):
    try:
        return source.get_name() if source.get_role() == Atspi.Role.NOTIFICATION else None
    except GLib.Error:
        return None


def on_showing(event):
    if event.type == "object:state-changed:showing" and event.detail1 == 1:
        shown.append(event.source)


def check_menu(menu):
    for tip in ("Calcolo le quotelle", "Confronto le quotelle", "Trovo la frazione complementare",
                "Ripasso le regole"):
        check(named(menu, Atspi.Role.PUSH_BUTTON, tip) is not None,
              "menu: no picture button named " + repr(tip))
    check(access_key(menu, "Esci") == "Alt+E", "menu: Esci without its access key")
    check(menu.get_role() == Atspi.Role.FRAME, "menu: not a frame but " + menu.get_role_name())


def check_fractions(screen, where, least):
    pairs = fraction_labels(screen)
    check(len(pairs) >= least, f"{where}: {len(pairs)} described numbers, expected {least}")
    for label, description in pairs:
        check(FRACTION.match(description), f"{where}: {description!r} is not a spoken fraction")
        check(re.fullmatch(r"\d+", label.get_name() or ""),
              f"{where}: number label named {label.get_name()!r}")


def boxes(screen):
    return descendants(screen, Atspi.Role.TEXT)


def set_text(box, text):
    Atspi.EditableText.set_text_contents(box, text)


def calcolo(app, menu):
    press(menu, "Calcolo le quotelle")
    choice = window(app, "Calcolo le quotelle")
    check(named(choice, Atspi.Role.PUSH_BUTTON, "100") is not None, "frmscelta: no button 100")
    press(choice, "1000")
    screen = window(app, "Calcolo le quotelle entro il 1000")
    names = sorted(box.get_name() for box in boxes(screen))
    check(names == sorted(["risultato", "divisione, dividendo", "divisione, divisore",
                           "divisione, quoziente", "moltiplicazione, primo fattore",
                           "moltiplicazione, secondo fattore", "moltiplicazione, prodotto"]),
          "frmcalcolo: boxes named " + repr(names))
    check_fractions(screen, "frmcalcolo", 2)
    check(verdict_after_confirm(screen, {"Sbagliato!"}) == "Sbagliato!", "frmcalcolo verdict")
    # The same verdict again is announced again.
    verdict_after_confirm(screen, {"Sbagliato!"})

    # Answer right, through the boxes' editable text, and the fraction read
    # out follows the next task.
    described = [label for label, _ in fraction_labels(screen)]
    numerator, denominator = (int(label.get_name()) for label in described)
    start = next(int(label.get_name()) for label in labels(screen)
                 if re.fullmatch(r"\d+", label.get_name()) and not label.get_description())
    quotient = start // denominator
    answers = {"divisione, dividendo": start, "divisione, divisore": denominator,
               "divisione, quoziente": quotient, "moltiplicazione, primo fattore": quotient,
               "moltiplicazione, secondo fattore": numerator,
               "moltiplicazione, prodotto": quotient * numerator, "risultato": quotient * numerator}
    for box in boxes(screen):
        set_text(box, str(answers[box.get_name()]))
    check(verdict_after_confirm(screen, {"Bravissimo!", "Sbagliato!"}) == "Bravissimo!",
          f"frmcalcolo: right answers to {numerator}/{denominator} of {start} not accepted")
    new = [int(label.get_name()) for label, _ in fraction_labels(screen)]
    for _, description in fraction_labels(screen):
        check(description == spoken(*new), f"frmcalcolo: {description!r} after the new task {new}")
    press(screen, "Fine")


def spoken(numerator, denominator):
    """Independent of the program: the handful of ordinals a task may need."""
    stems = {2: "mezz", 3: "terz", 4: "quart", 5: "quint", 6: "sest", 7: "settim", 8: "ottav",
             9: "non"}
    stem = stems[denominator]
    return "un " + stem + "o" if numerator == 1 else f"{numerator} {stem}i"


def complementare(app, menu):
    press(menu, "Trovo la frazione complementare")
    screen = window(app, "Trovo la frazione complementare")
    names = sorted(box.get_name() for box in boxes(screen))
    check(names == sorted(["numeratore della frazione complementare",
                           "denominatore della frazione complementare",
                           "numeratore dell’intero", "denominatore dell’intero"]),
          "frmcomplementare: boxes named " + repr(names))
    check_fractions(screen, "frmcomplementare", 2)
    verdict_after_confirm(screen, {"Sbagliato, riprova!"})
    press(screen, "Fine")


def simbolo(app, choice):
    for caption, key in (("Inserisci il simbolo giusto", "Alt+I"), ("Trova la maggiore", "Alt+T"),
                         ("Metti in ordine", "Alt+M")):
        check(access_key(choice, caption) == key, f"frmscelta2: {caption!r} without {key}")
    press(choice, "Inserisci il simbolo giusto")
    screen = window(app, "Inserisci il simbolo giusto")
    check_fractions(screen, "frmsimbolo", 24)
    spoken_on_screen = {description for _, description in fraction_labels(screen)}
    names = [box.get_name() for box in boxes(screen)]
    check(len(names) == 6, "frmsimbolo: %d boxes" % len(names))
    for name in names:
        pair = re.fullmatch(r"simbolo tra (.+) e (.+)", name)
        check(pair and {pair[1], pair[2]} <= spoken_on_screen,
              "frmsimbolo: box named " + repr(name))
    verdict_after_confirm(screen, {"Sbagliato, riprova!"})
    press(screen, "Fine")


def fraction_buttons(screen, role=Atspi.Role.PUSH_BUTTON):
    return [b for b in descendants(screen, role)
            if FRACTION.match(b.get_name() or "") and showing(b)]


def value(name):
    """The value of a spoken fraction whose denominator is shared or whose
    numerator is: enough to order the fractions of one task."""
    words = name.split(" ", 1)
    return (1 if words[0] == "un" else int(words[0])), words[1]


def massimo(app, choice):
    press(choice, "Trova la maggiore")
    screen = window(app, "Trovo la frazione maggiore")
    # Four choices, one of which stays chosen: radio buttons.
    areas = fraction_buttons(screen, Atspi.Role.RADIO_BUTTON)
    check(len(areas) == 4, "frmmax: %d fractions to choose" % len(areas))
    numbers = [(int(l.get_name()), l.get_name()) for l in labels(screen)
               if re.fullmatch(r"\d+", l.get_name() or "")]
    pairs = list(zip([n for n, _ in numbers[0::2]], [n for n, _ in numbers[1::2]]))
    check(len(pairs) == 4, "frmmax: %d fractions shown" % len(pairs))
    largest = max(pairs, key=lambda p: p[0] / p[1])
    for area, (n, d) in zip(areas, pairs):
        check(value(area.get_name())[0] == n, f"frmmax: {area.get_name()!r} over {n}/{d}")
    target = next((a for a, p in zip(areas, pairs) if p == largest), None)
    if check(target is not None, "frmmax: no button for the largest fraction"):
        press(screen, target.get_name(), Atspi.Role.RADIO_BUTTON)
        check(target.get_state_set().contains(Atspi.StateType.CHECKED),
              "frmmax: the chosen fraction is not checked")
        check(verdict_after_confirm(screen, {"Esatto, complimenti!", "Hai sbagliato, riprova!"})
              == "Esatto, complimenti!", "frmmax: pressing the largest fraction is not right")
    press(screen, "Fine")


def ordine(app, choice):
    press(choice, "Metti in ordine")
    screen = window(app, "Metto in ordine le quotelle")
    areas = fraction_buttons(screen)
    check(len(areas) == 5, "frmordine: %d fractions to press" % len(areas))
    first = areas[0].get_name()
    press(screen, first)
    wait_for(lambda: len(fraction_buttons(screen)) == 4, "the pressed fraction to move")
    placed = [d for _, d in fraction_labels(screen)]
    check(placed == [first, first], f"frmordine: placed fraction described as {placed}")
    verdict_after_confirm(screen, {"Esatto, complimenti!", "Sbagliato, riprova!"})
    wait_for(lambda: len(fraction_buttons(screen)) == 5, "the fractions back on top")
    check(not fraction_labels(screen), "frmordine: an empty place still described")
    press(screen, "Fine")


def regole(app, menu):
    press(menu, "Ripasso le regole")
    for title, button, least in (("Come si calcola la frazione di un numero", "Regola 2", 4),
                                 ("Come si calcola la frazione complementare", "Regola 3", 8),
                                 ("Come si confrontano le quotelle", "Fine", 10)):
        page = window(app, title)
        check_fractions(page, title, least)
        press(page, button)


def main():
    program = sys.argv[1]
    listener = Atspi.EventListener.new(on_showing)
    # As a screen reader does: the new text of a label arrives as an event.
    listener.register("object:state-changed")
    listener.register("object:property-change:accessible-name")
    process = subprocess.Popen([program])
    try:
        app = wait_for(application, "the program on the accessibility bus")
        menu = window(app, "Le quotelle")
        check_menu(menu)
        calcolo(app, menu)
        menu = window(app, "Le quotelle")
        complementare(app, menu)
        for exercise in (simbolo, massimo, ordine):
            menu = window(app, "Le quotelle")
            press(menu, "Confronto le quotelle")
            choice = window(app, "Confronto le quotelle")
            exercise(app, choice)
        menu = window(app, "Le quotelle")
        regole(app, menu)
        menu = window(app, "Le quotelle")
        press(menu, "Esci")
        check(process.wait(TIMEOUT) == 0, "the program did not end cleanly")
    except AssertionError as error:
        failures.append(str(error))
        print("FAIL:", error, file=sys.stderr)
    finally:
        if process.poll() is None:
            process.kill()
    if failures:
        print(f"{len(failures)} accessibility checks failed", file=sys.stderr)
        return 1
    print("accessibility test passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
