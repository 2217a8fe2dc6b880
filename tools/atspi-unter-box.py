#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later
"""Presses under the open question, through AT-SPI, as a screen reader does.

Starts the program, ticks "Stop bei Lösung", makes 218 single steps through
the buttons' Press action (the 218th asks "weitersuchen?" in a box titled
"hurra!"), then presses "Einzelschritt" and "Null" under the question
where they offer a press (they are off there and offer none), reads the board and the step count, answers "Nein" and checks that the
program is still running and the first solution stands unchanged.

Run inside a desktop session with the accessibility bus:
    tests/desktop-session.sh /usr/bin/python3 tools/atspi-unter-box.py PROGRAM
Exit status 0 when everything held, 1 otherwise.
"""

import subprocess
import sys
import time

import pyatspi

from atspi_hilfe import SPALTEN, anwendung, druecke, frage, log, suche, text, warte

LOESUNG = "1 5 8 6 3 7 2 4"


def main():
    programm = sys.argv[1]
    proc = subprocess.Popen([programm])
    ok = True
    try:
        app = warte(lambda: anwendung(proc.pid))
        fenster = warte(lambda: next((f for f in app if f is not None and f.name == "Acht Damen"), None))
        if not fenster:
            log("FEHLER: kein Fenster 'Acht Damen' auf dem Bus")
            return 1
        schritt = suche(fenster, pyatspi.ROLE_PUSH_BUTTON, "Einzelschritt")
        null = suche(fenster, pyatspi.ROLE_PUSH_BUTTON, "Null")
        stop = suche(fenster, pyatspi.ROLE_CHECK_BOX, "Stop bei Lösung")
        zaehler = suche(fenster, pyatspi.ROLE_TEXT, "Such- bzw. Rechenschritte")
        werte = [suche(fenster, pyatspi.ROLE_TEXT, f"Reihe der Dame in Spalte {s}") for s in SPALTEN]
        brett = lambda: " ".join(text(w) for w in werte)
        log(f"Programm {programm}, pid {proc.pid}: Fenster gefunden")

        druecke(stop)
        warte(lambda: stop.getState().contains(pyatspi.STATE_CHECKED), 5)
        log(f"'Stop bei Lösung' angekreuzt: {stop.getState().contains(pyatspi.STATE_CHECKED)}")

        for n in range(1, 219):
            druecke(schritt)
            if not warte(lambda: text(zaehler) == str(n), 5):
                log(f"FEHLER: Schritt {n} nicht fertig geworden (Zähler {text(zaehler)!r})")
                return 1
        box = warte(lambda: frage(app), 5)
        if not box:
            log("FEHLER: nach Schritt 218 keine Frage 'hurra!'")
            return 1
        frage_text = suche(box, pyatspi.ROLE_LABEL, "weitersuchen?")
        log(f"218 Schritte per Press; offen: Box '{box.name}', Text "
            f"{'weitersuchen?' if frage_text else '?'}; Brett {brett()}, Zähler {text(zaehler)}")

        for knopf in (schritt, null):
            # Under the box the buttons are off: they offer no action at all.
            if knopf.queryAction().nActions == 0:
                log(f"unter der Frage: '{knopf.name}' bietet keine Aktion an "
                    f"({'aus' if not knopf.getState().contains(pyatspi.STATE_ENABLED) else 'an'})")
                continue
            druecke(knopf)
            log(f"unter der Frage: Press auf '{knopf.name}'")
        time.sleep(1.0)

        if proc.poll() is not None:
            log(f"FEHLER: Programm beendet, Status {proc.returncode}")
            return 1
        gelesen, schritte = brett(), text(zaehler)
        log(f"1 s später, Frage offen: Brett {gelesen}, Zähler {schritte}")
        ok &= gelesen == LOESUNG and schritte == "218"

        nein = suche(box, pyatspi.ROLE_PUSH_BUTTON, "Nein")
        druecke(nein)
        log("'Nein' per Press")
        warte(lambda: frage(app) is None, 5)
        time.sleep(1.0)
        if proc.poll() is not None:
            log(f"FEHLER: Programm beendet, Status {proc.returncode}")
            return 1
        gelesen, schritte = brett(), text(zaehler)
        log(f"1 s nach 'Nein': Programm läuft, Frage {'offen' if frage(app) else 'zu'}, "
            f"Brett {gelesen}, Zähler {schritte}")
        ok &= gelesen == LOESUNG and schritte == "218"
        log("ERGEBNIS: " + ("bestanden" if ok else f"NICHT bestanden (erwartet Brett {LOESUNG}, Zähler 218)"))
        return 0 if ok else 1
    except Exception as fehler:  # a program that died leaves the bus mid-call
        status = proc.poll()
        log(f"FEHLER: {type(fehler).__name__}: {fehler}; Programm "
            + ("läuft noch" if status is None else f"beendet, Status {status}"))
        return 1
    finally:
        if proc.poll() is None:
            proc.terminate()
            try:
                proc.wait(10)
            except subprocess.TimeoutExpired:
                proc.kill()


if __name__ == "__main__":
    sys.exit(main())
