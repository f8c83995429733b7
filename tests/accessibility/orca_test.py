# SPDX-License-Identifier: GPL-3.0-or-later

"""What Orca says while a child opens an exercise and answers with keys alone.

orca.sh provides the X display, the window manager and the accessibility bus.
Orca speaks nothing aloud here: no speech server runs, and every phrase it
would speak is a line "SPEECH OUTPUT: '...'" in its debug output. That output
goes to a pseudo-terminal, so that Orca writes it line by line and not in
blocks.
"""

import os
import pty
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

TIMEOUT = 60  # seconds: Orca and the program start slowly on a loaded machine
SPEECH = re.compile(r" - SPEECH OUTPUT: '(.*?)'")
TASK = re.compile(r"^notification (un [a-z]+o|\d [a-z]+i) di \d+\.?$")
FRACTION = r"(un [a-z]+o|\d+ [a-z]+i)"
# What Orca says after each step, in order, from the verdict on frmcalcolo99 on.
STEPS = [
    (["ctrl+l"], TASK.pattern),
    (["KP_Home"], FRACTION + r" di \d+ = risultato"),
    (["F3"], r"notification Scrivi i numeri dell’esercizio: numeratore\."),
    (["Escape"], r"divisione, dividendo text\."),
    (["F1"], r"notification Dividi .*"),
    (["F1"], r"notification \d+ diviso .*"),
    (["F1"], r"notification Questo è tutto l’aiuto\."),
    (["Tab", "alt+c"], r"notification Sbagliato! .* Ora in divisione, dividendo: vuota\."),
    (["F2"], r"notification .*Tavola pitagorica: riga del \d+ evidenziata\."),
    # Entering the table names it and its cell at the highlighted row; each
    # arrow then reads one cell, never the whole row.
    (["Tab"] * 7, r"\d+ per 1, \d+\."),
    (["Up"], r"\d+ per 1, \d+\."),
    (["Right"], r"\d+ per 2, \d+\."),
    (["Escape"], r"Le quotelle frame\."),
    (["Tab", "Tab", "Return"], r"SCEGLI !"),
    (["alt+m"], r"notification .*; in ordine crescente\."),
    (["shift+Tab", "shift+Tab", "space"], r"notification " + FRACTION + r" al primo posto\."),
    (["ctrl+l"], r"notification .* In ordine finora: " + FRACTION + r"\."),
    (["alt+a"], r"notification I posti sono di nuovo vuoti\."),
]


class Orca:
    def __init__(self):
        self.home = tempfile.mkdtemp(prefix="quotelle-orca-")
        self.phrases = []
        self.lock = threading.Lock()
        master, self.slave = pty.openpty()
        env = dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, "config"),
                   # A speech server started without a sound device can stall Orca's start.
                   SPEECHD_ADDRESS="unix_socket:" + os.path.join(self.home, "none"))
        self.process = subprocess.Popen(
            ["orca", "--replace", "--debug-file=" + os.ttyname(self.slave)], env=env,
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        threading.Thread(target=self.read, args=(master,), daemon=True).start()

    def read(self, master):
        pending = b""
        while True:
            try:
                chunk = os.read(master, 65536)
            except OSError:
                return
            if not chunk:
                return
            *lines, pending = (pending + chunk).split(b"\n")
            for line in lines:
                match = SPEECH.search(line.decode("utf-8", "replace"))
                if match:
                    with self.lock:
                        self.phrases.append(match.group(1))

    def said(self):
        with self.lock:
            return list(self.phrases)

    def wait_for(self, what, description, since=0):
        deadline = time.monotonic() + TIMEOUT
        while time.monotonic() < deadline:
            found = [p for p in self.said()[since:] if what(p)]
            if found:
                return found[0]
            time.sleep(0.1)
        raise AssertionError(f"Orca never said {description}; it said: {self.said()[since:]}")

    def close(self):
        try:
            os.killpg(self.process.pid, signal.SIGTERM)
            self.process.wait(5)
        except Exception:
            os.killpg(self.process.pid, signal.SIGKILL)
        shutil.rmtree(self.home, ignore_errors=True)


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)


def main():
    program = sys.argv[1]
    orca = Orca()
    app = None
    try:
        orca.wait_for(lambda p: p == "Screen reader on.", "that it is on")
        # The times table, which the teacher switches on.
        os.makedirs(os.path.join(orca.home, "config", "quotelle"))
        with open(os.path.join(orca.home, "config", "quotelle", "quotelle.conf"), "w") as conf:
            conf.write("[aiuti]\ntavola_pitagorica = si\n[argomenti]\ndecimali = si\n")
        app = subprocess.Popen([program], env=dict(os.environ,
                                                  XDG_CONFIG_HOME=os.path.join(orca.home, "config")))
        orca.wait_for(lambda p: p == "Calcolo le quotelle push button.", "the menu's first button")
        # Enter on the focused picture button, then on "100".
        key("Return")
        orca.wait_for(lambda p: p == "100 push button.", "the choice of range")
        mark = len(orca.said())
        key("Return")
        task = orca.wait_for(TASK.match, "the task of the fraction of a number", mark)
        opening = orca.said()[mark:]
        print("opening frmcalcolo99:", " | ".join(opening))
        assert "Calcolo le quotelle entro il 100 frame." in opening, opening
        assert "divisione, dividendo text." in opening, opening
        assert opening.count(task) == 1, opening

        mark = len(orca.said())
        key("alt+c")
        orca.wait_for(lambda p: p.startswith("notification Sbagliato"), "the verdict", mark)
        time.sleep(2)
        verdicts = [p for p in orca.said()[mark:] if p.startswith("notification")]
        assert verdicts == ["notification Sbagliato! Controlla la divisione."], verdicts
        assert "notification." not in orca.said(), "an empty notification was spoken"

        for keys, phrase in STEPS:
            mark = len(orca.said())
            for name in keys:
                key(name)
            orca.wait_for(lambda p: re.fullmatch(phrase, p), repr(phrase), mark)
        assert "Entro il 100 o il 1000?" in orca.said(), "the choice's question unheard"
        row = int(re.search(r"riga del (\d+)", " ".join(orca.said())).group(1))
        cells = [p for p in orca.said() if re.fullmatch(r"\d+ per \d+, \d+\.", p)]
        assert cells == [f"{row} per 1, {row}.", f"{row - 1} per 1, {row - 1}.",
                         f"{row - 1} per 2, {2 * row - 2}."], cells
        assert "Tavola pitagorica." in orca.said()
        # The group of options is named once, not as a panel and again.
        assert "Ordine panel." not in orca.said() and "Ordine." in orca.said()

        key("Escape")
        orca.wait_for(lambda p: p == "Le quotelle frame.", "the menu again", mark)
        # The topics' choice screen: its question as it opens, then Ctrl+L,
        # a caption on two lines read as one.
        for _ in range(10):
            mark = len(orca.said())
            key("Tab")
            if orca.wait_for(lambda p: p.endswith("push button."), "a button", mark) \
                    == "Altre quotelle push button.":
                break
        key("Return")
        orca.wait_for(lambda p: p == "SCEGLI !", "the topics' question", mark)
        key("ctrl+l")
        orca.wait_for(lambda p: p.startswith("notification Altre quotelle, SCEGLI !, Frazioni e "
                                             "numeri decimali, Regole: decimali, intero"),
                      "the topics' choice again", mark)
        # A topic is heard as an exercise is: its task once, then a verdict.
        mark = len(orca.said())
        key("Return")
        orca.wait_for(lambda p: p == "Frazioni decimali e numeri decimali frame.", "a topic", mark)
        orca.wait_for(lambda p: p.startswith("notification "), "the topic's task", mark)
        mark = len(orca.said())
        key("0")  # never a right answer: no decimal task is worth 0
        key("alt+c")
        orca.wait_for(lambda p: p.startswith("notification Sbagliato, riprova! Controlla"),
                      "the topic's verdict", mark)
        key("Escape")
        orca.wait_for(lambda p: p == "Le quotelle frame.", "the menu again", mark)
        key("Escape")
        app.wait(TIMEOUT)
        app = None
    finally:
        if app:
            app.kill()
        orca.close()
    print("orca test passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
