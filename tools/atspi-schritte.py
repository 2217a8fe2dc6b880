#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later
"""Steps, "Null" and "Schritt zurück" in the real program, as a screen reader acts.

Three runs of the program, each driven through AT-SPI (presses on the
buttons) and the keyboard (xdotool, for the context menu and Alt+Left):
  1. a run at 20 steps per second, paused, "Null", then a run with "Stop bei
     Lösung" ticked: Null ends the first run and empties the board, and the
     next run asks only at a true solution;
  2. five single steps, "Null", then single steps until the eighth column has
     been filled three times: no question and no count for a board with gaps;
  3. 50 single steps, 20 steps back by Alt+Left, 20 steps forward: after each
     the board and the counter are read and compared with those after the
     same step on the way there.

Run inside a desktop session with the accessibility bus and a window manager
(the keys go to the active window):
    tests/desktop-session.sh bash -c 'openbox & sleep 1; /usr/bin/python3 tools/atspi-schritte.py PROGRAM'
Exit status 0 when everything held, 1 otherwise.
"""

import subprocess
import sys
import time

import pyatspi

from atspi_hilfe import SPALTEN, anwendung, druecke, frage, log, suche, text, warte


def xdo(*args):
    subprocess.run(["xdotool", *map(str, args)], check=False)


def loesung(werte):
    """Eight queens, none attacked: what alone may be asked about."""
    return all(werte) and all(
        werte[a] != werte[b] and abs(werte[a] - werte[b]) != b - a for a in range(8) for b in range(a + 1, 8))


class Programm:
    def __init__(self, pfad):
        self.proc = subprocess.Popen([pfad])
        self.app = warte(lambda: anwendung(self.proc.pid), 15)
        self.fenster = warte(lambda: next(f for f in self.app if f is not None and f.name.startswith("Acht Damen")))
        f = self.fenster
        self.schritt = suche(f, pyatspi.ROLE_PUSH_BUTTON, "Einzelschritt")
        self.durchlauf = suche(f, pyatspi.ROLE_PUSH_BUTTON, "Durchlauf")
        self.null = suche(f, pyatspi.ROLE_PUSH_BUTTON, "Null")
        self.stop = suche(f, pyatspi.ROLE_CHECK_BOX, "Stop bei Lösung")
        self.zaehler = suche(f, pyatspi.ROLE_TEXT, "Such- bzw. Rechenschritte")
        self.loesungen = suche(f, pyatspi.ROLE_TEXT, "Lösungszähler")
        self.werte = [suche(f, pyatspi.ROLE_TEXT, f"Reihe der Dame in Spalte {s}") for s in SPALTEN]
        # The keyboard's window: a click on its background, clear of any control.
        e = f.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.ecke = (e.x + e.width - 4, e.y + e.height - 4)
        xdo("mousemove", *self.ecke, "click", 1)
        time.sleep(0.5)

    def brett(self):
        return [int(text(w) or 0) for w in self.werte]

    def stand(self):
        return " ".join(map(str, self.brett())) + f" | Schritt {text(self.zaehler) or '-'}" \
               + f" | Lösungen {text(self.loesungen) or '-'}"

    def schritte(self):
        t = text(self.zaehler)
        return int(t) if t.isdigit() else 0

    def aktiv(self, knopf):
        return knopf.getState().contains(pyatspi.STATE_SENSITIVE)

    def frage(self):
        return frage(self.app)

    def einzelschritt(self):
        n = self.schritte() + 1
        druecke(self.schritt)
        return warte(lambda: self.schritte() == n or self.frage(), 5)

    def tempo(self, abwaerts):
        """The pace's submenu by keys: Shift+F10, "Tempo des Durchlaufs", Right."""
        xdo("key", "shift+F10")
        time.sleep(0.4)
        xdo("key", "Down", "Right")
        time.sleep(0.3)
        for _ in range(abwaerts):
            xdo("key", "Down")
        xdo("key", "Return")
        time.sleep(0.3)

    def ende(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait(10)


def null_im_lauf(p):
    ok = True
    p.tempo(2)  # zum Zuschauen (20 Schritte pro Sekunde)
    druecke(p.durchlauf)
    time.sleep(1.5)
    druecke(p.durchlauf)
    warte(lambda: p.aktiv(p.schritt), 5)
    log(f"1. angehalten: Titel '{p.fenster.name}', {p.stand()}")
    druecke(p.null)
    warte(lambda: not any(p.brett()), 5)
    time.sleep(0.5)
    geht_weiter = p.schritte()
    time.sleep(0.5)
    log(f"1. nach 'Null': Titel '{p.fenster.name}', {p.stand()}, 'Einzelschritt' "
        f"{'an' if p.aktiv(p.schritt) else 'aus'}, 0.5 s später Schritt {p.schritte()}")
    ok &= not any(p.brett()) and p.schritte() == geht_weiter and p.fenster.name == "Acht Damen"
    p.tempo(0)  # sofort
    druecke(p.stop)
    druecke(p.durchlauf)
    box = warte(p.frage, 10)
    log(f"1. neuer Durchlauf mit 'Stop bei Lösung': Frage {'offen' if box else 'keine'} bei {p.stand()}, "
        f"{'eine Lösung' if loesung(p.brett()) else 'KEINE Lösung'}")
    ok &= bool(box) and loesung(p.brett()) and p.schritte() == 218
    if box:
        druecke(suche(box, pyatspi.ROLE_PUSH_BUTTON, "Nein"))
    return ok


def null_dann_schritte(p):
    ok = True
    druecke(p.stop)
    for _ in range(5):
        p.einzelschritt()
    log(f"2. fünf Schritte: {p.stand()}")
    druecke(p.null)
    warte(lambda: not any(p.brett()), 5)
    log(f"2. nach 'Null': {p.stand()}")
    gefuellt = 0
    while gefuellt < 3 and p.schritte() < 400:
        if p.einzelschritt() and p.frage():
            log(f"2. Frage bei {p.stand()}: {'eine Lösung' if loesung(p.brett()) else 'KEINE Lösung'}")
            ok &= loesung(p.brett())
            druecke(suche(p.frage(), pyatspi.ROLE_PUSH_BUTTON, "Ja"))
            warte(lambda: not p.frage(), 5)
        elif p.brett()[7]:
            gefuellt += 1
            log(f"2. Spalte h gefüllt, ohne Frage: {p.stand()}")
            ok &= text(p.loesungen) == ""
    return ok and gefuellt == 3


def zurueck_und_vor(p):
    ok = True
    gesehen = [p.stand()]
    for _ in range(50):
        p.einzelschritt()
        gesehen.append(p.stand())
    log(f"3. nach 50 Schritten: {gesehen[-1]}")
    for k in range(1, 21):
        xdo("key", "alt+Left")
        warte(lambda: p.schritte() == 50 - k, 5)
        passt = p.stand() == gesehen[50 - k]
        ok &= passt
        log(f"3. {k:2} zurück: {p.stand()}{'' if passt else '  ANDERS als nach Schritt ' + str(50 - k)}")
    for k in range(1, 21):
        p.einzelschritt()
        passt = p.stand() == gesehen[30 + k]
        ok &= passt
        log(f"3. {k:2} vor:    {p.stand()}{'' if passt else '  ANDERS als nach Schritt ' + str(30 + k)}")
    return ok


def main():
    ok = True
    for teil in (null_im_lauf, null_dann_schritte, zurueck_und_vor):
        p = Programm(sys.argv[1])
        try:
            ok &= teil(p)
        except Exception as fehler:  # a program that died leaves the bus mid-call
            log(f"FEHLER in {teil.__name__}: {type(fehler).__name__}: {fehler}")
            ok = False
        finally:
            p.ende()
    log("ERGEBNIS: " + ("bestanden" if ok else "NICHT bestanden"))
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
