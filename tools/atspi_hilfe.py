# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the AT-SPI drivers in this folder share: starting the program and
reporting what failed, waiting for it, finding its windows and controls by
role and name, reading and pressing them, its menu from the keyboard."""

import subprocess
import time

import pyatspi

SPALTEN = "abcdefgh"


def log(text):
    print(text, flush=True)


def warte(bedingung, sekunden=10.0, takt=0.02):
    """The first true answer of `bedingung` within the time, else None."""
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        try:
            wert = bedingung()
        except Exception:  # the program may be gone, or not yet on the bus
            wert = None
        if wert:
            return wert
        time.sleep(takt)
    return None


def anwendung(pid):
    return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == pid), None)


def suche(wurzel, rolle, name):
    return pyatspi.findDescendant(wurzel, lambda a: a is not None and a.getRole() == rolle and a.name == name)


def text(feld):
    return feld.queryText().getText(0, -1)


def druecke(ziel, namen=("Press", "Toggle")):
    """Carries out the control's first action named in `namen`."""
    act = ziel.queryAction()
    for i in range(act.nActions):
        if act.getName(i) in namen:
            return act.doAction(i)
    raise RuntimeError(f"{ziel.name!r} hat keine Aktion aus {namen}")


def frage(app):
    """The question at a solution: a top-level window of the program."""
    return next((f for f in app if f is not None and f.name == "hurra!"), None)


def xdo(*args):
    subprocess.run(["xdotool", *map(str, args)], check=False)


def fenster(app, anfang):
    return next((f for f in app if f is not None and f.name.startswith(anfang)), None)


def ausmass(f):
    e = f.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (e.x, e.y, e.width, e.height)


# The screen the drivers run on.
SCHIRM = (0, 0, 1280, 1024)


def auf_dem_schirm(name, r, fehler):
    """Notes in `fehler` where the extents `r` leave the screen."""
    if r[0] < SCHIRM[0] or r[1] < SCHIRM[1] or r[0] + r[2] > SCHIRM[2] or r[1] + r[3] > SCHIRM[3]:
        fehler.append(f"{name} nicht ganz auf dem Schirm: {r}")


def fenster_auf_dem_schirm(name, r, fehler):
    """As `auf_dem_schirm`, for a window's inside: its title bar above it too."""
    auf_dem_schirm(name, r, fehler)
    if r[1] <= SCHIRM[1]:
        fehler.append(f"{name}: die Titelleiste liegt über dem Schirm: {r}")


# The items of the window's menu the keys go down to, in order (the menu
# opens as a window of its own, which AT-SPI clients learn of late).
MENUE = ["Tempo des Durchlaufs", "Versuche und Bedrohungen zeigen", "Suchbaum", "Ablauf", "Suchprotokoll",
         "Vorhersage üben"]


def menuepunkt(name):
    """Opens the window's menu from the keyboard and chooses `name`."""
    xdo("key", "shift+F10")
    time.sleep(0.4)
    for _ in range(MENUE.index(name) + 1):
        xdo("key", "Down")
    xdo("key", "Return")
    time.sleep(0.5)


def bildschirm(ordner, name):
    """The whole screen as `name`.png in `ordner`, where one is given."""
    if ordner:
        subprocess.run(["import", "-window", "root", f"{ordner}/{name}.png"], check=False)


def pruefe(argv, ablauf, bild):
    """Starts the program `argv[1]`, runs `ablauf(proc, fehler, ordner)` with
    the folder `argv[2]` for screenshots if one is given, takes `bild` there,
    ends the program and reports what went into `fehler`: the exit status, 0
    when nothing did."""
    proc = subprocess.Popen([argv[1]])
    ordner = argv[2] if len(argv) > 2 else None
    fehler = []
    try:
        ablauf(proc, fehler, ordner)
        bildschirm(ordner, bild)
    except Exception as ausnahme:  # noqa: BLE001 - reported as a failure
        fehler.append(repr(ausnahme))
    finally:
        proc.terminate()
        proc.wait(10)
    for f in fehler:
        log("FEHLER: " + f)
    log("in Ordnung" if not fehler else f"{len(fehler)} Fehler")
    return 1 if fehler else 0
