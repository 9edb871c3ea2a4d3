#!/usr/bin/env python3
"""Times the close of the real program under Xvfb: from the window system's close request to the end of the
process, once after one typed character (the close saves the address file) and once unchanged, and beside it
the floor: writing and syncing the saved file's bytes into a new file in the same folder.

The address file is either given (--datei, copied afresh for every round) or written by a generator
(--erzeuger, called as `python3 GENERATOR COUNT FILE`). Every round starts from the same file, alternating
changed and unchanged closes so that a slower moment of the machine falls on both; the settings stay from
round to round (after one unmeasured run of each kind), as a user's do. A changed close must leave a file
that differs from the original, an unchanged one the same file.

    python3 tools/schliesszeit.py [--datei adressen.dat | --erzeuger GENERATOR.py] [--anzahl 32000]
                                  [--runden 7] [--build build] [--anzeige :93]
"""
import argparse
import ctypes
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
EINSTELLUNGEN = b"[Allgemein]\r\nUser=Maier\r\nL\xe4nderHinweis=0\r\n[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n"


class Nachricht(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]


class Ereignis(ctypes.Union):
    _fields_ = [("xclient", Nachricht), ("pad", ctypes.c_long * 24)]


class X:
    """The close request that a window manager sends for the close box, sent from this process (no helper
    process start falls into the measured time)."""

    def __init__(self, anzeige):
        self.x = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XInternAtom.restype = ctypes.c_ulong
        self.x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                      ctypes.POINTER(Ereignis)]
        self.x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.d = self.x.XOpenDisplay(anzeige.encode())
        if not self.d:
            raise RuntimeError(f"keine Verbindung zum X-Server {anzeige}")
        self.protokolle = self.x.XInternAtom(self.d, b"WM_PROTOCOLS", 0)
        self.loeschen = self.x.XInternAtom(self.d, b"WM_DELETE_WINDOW", 0)

    def schliessen(self, fenster):
        e = Ereignis()
        e.xclient.type = 33  # ClientMessage
        e.xclient.window = fenster
        e.xclient.message_type = self.protokolle
        e.xclient.format = 32
        e.xclient.l[0] = self.loeschen
        self.x.XSendEvent(self.d, fenster, 0, 0, ctypes.byref(e))
        self.x.XSync(self.d, 0)

    def ende(self):
        self.x.XCloseDisplay(self.d)


def xdotool(anzeige, *argumente):
    r = subprocess.run(["xdotool", *argumente], env=dict(os.environ, DISPLAY=anzeige), capture_output=True,
                       text=True)
    return r.returncode, r.stdout.strip()


def fenster_warten(p, anzeige, beschreibung):
    beginn = time.perf_counter()
    while True:
        rc, aus = xdotool(anzeige, "search", "--onlyvisible", "--name", beschreibung)
        if rc == 0 and aus:
            return int(aus.split()[0])
        if p.poll() is not None:
            raise RuntimeError("das Programm endete, bevor sein Fenster erschien")
        if time.perf_counter() - beginn > 60:
            raise RuntimeError("kein Fenster nach 60 s")
        time.sleep(0.05)


def ordner_anlegen(wurzel, name):
    """The program and Windows folder of one kind of run, kept from round to round as a user's are."""
    prog = os.path.join(wurzel, name, "programm")
    win = os.path.join(wurzel, name, "windows")
    os.makedirs(prog)
    os.makedirs(win)
    with open(os.path.join(win, "Zedured.ini"), "wb") as f:
        f.write(EINSTELLUNGEN)
    return prog, win


def ein_lauf(programm, ordner, original, beschreibung, anzeige, x, geaendert):
    """One start, an optional typed character, the close; returns the close's seconds and the saved file."""
    prog, win = ordner
    datei = os.path.join(prog, "kartulon.dat")
    with open(datei, "wb") as f:
        f.write(original)
    env = dict(os.environ, KARTULON_HOME=prog, KARTULON_WINDIR=win, QT_QPA_PLATFORM="xcb", DISPLAY=anzeige,
               HOME=os.path.dirname(prog))
    p = subprocess.Popen([programm], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        fenster = fenster_warten(p, anzeige, beschreibung)
        time.sleep(1.0)  # the first paint and whatever the window does right after it
        if geaendert:
            # The focus starts in the search box; Tab leads into a field of the shown record. (Any key
            # released in a field counts as a change, Tab too: the unchanged run presses none.)
            xdotool(anzeige, "windowfocus", "--sync", str(fenster))
            xdotool(anzeige, "key", "Tab")
            xdotool(anzeige, "type", "x")
        time.sleep(0.7)
        beginn = time.perf_counter()
        x.schliessen(fenster)
        p.wait(timeout=60)
        dauer = time.perf_counter() - beginn
    finally:
        if p.poll() is None:
            p.kill()
            p.wait()
    with open(datei, "rb") as f:
        gespeichert = f.read()
    if p.returncode != 0:
        raise RuntimeError(f"das Programm endete mit {p.returncode}")
    if geaendert == (gespeichert == original):
        raise RuntimeError("nach dem getippten Zeichen wurde nicht gespeichert" if geaendert else
                           "ohne Änderung wurde die Datei verändert")
    return dauer, gespeichert


def boden(bytes_, runden, wurzel):
    """Writing and syncing the same bytes into a new file, on the same file system as the program's files."""
    zeiten = []
    with tempfile.TemporaryDirectory(dir=wurzel) as ordner:
        for i in range(runden):
            pfad = os.path.join(ordner, f"boden{i}.dat")
            beginn = time.perf_counter()
            fd = os.open(pfad, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
            os.write(fd, bytes_)
            os.fsync(fd)
            os.close(fd)
            zeiten.append(time.perf_counter() - beginn)
    return statistics.median(zeiten)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    quelle = ap.add_mutually_exclusive_group()
    quelle.add_argument("--datei", help="an address file (Windows-1252, CR LF) to open")
    quelle.add_argument("--erzeuger", default=os.path.join(WURZEL, "tools", "adressen.py"),
                        help="a generator, called as: python3 GENERATOR COUNT FILE (default: tools/adressen.py)")
    ap.add_argument("--anzahl", type=int, default=32000, help="addresses the generator writes")
    ap.add_argument("--runden", type=int, default=7)
    ap.add_argument("--build", default=os.path.join(WURZEL, "build"))
    ap.add_argument("--anzeige", default=":93")
    args = ap.parse_args()
    programm = os.path.join(args.build, "kartulon")
    for noetig in ("Xvfb", "xdotool"):
        if not shutil.which(noetig):
            sys.exit(f"{noetig} fehlt: bash tools/deps.sh")
    if not os.access(programm, os.X_OK):
        sys.exit(f"{programm} fehlt: bash tools/build.sh")

    if args.datei:
        with open(args.datei, "rb") as f:
            original = f.read()
    else:
        with tempfile.TemporaryDirectory() as ordner:
            pfad = os.path.join(ordner, "adressen.dat")
            subprocess.run([sys.executable, args.erzeuger, str(args.anzahl), pfad], check=True,
                           stdout=subprocess.DEVNULL)
            with open(pfad, "rb") as f:
                original = f.read()
    erste = original.split(b"\n", 1)[0].rstrip(b"\r")
    if not erste.startswith(b"..") or b"\t" in erste or len(erste) < 3:
        sys.exit("die Datei braucht eine Kopfzeile mit Beschreibung (..Name): an ihr wird das Fenster erkannt")
    beschreibung = erste[2:].decode("cp1252")

    xvfb = subprocess.Popen(["Xvfb", args.anzeige, "-noreset", "-screen", "0", "1280x1024x24"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    x = X(args.anzeige)
    zeiten = {True: [], False: []}
    gespeichert = b""
    wurzel = tempfile.mkdtemp(prefix="schliesszeit-")
    try:
        ordner = {g: ordner_anlegen(wurzel, "geaendert" if g else "unveraendert") for g in (True, False)}
        # A first run of each kind writes the settings a first start writes, and warms the disk cache.
        for geaendert in (True, False):
            ein_lauf(programm, ordner[geaendert], original, beschreibung, args.anzeige, x, geaendert)
        for _ in range(args.runden):
            for geaendert in (True, False):
                dauer, datei = ein_lauf(programm, ordner[geaendert], original, beschreibung, args.anzeige, x,
                                        geaendert)
                zeiten[geaendert].append(dauer)
                if geaendert:
                    gespeichert = datei
        b = boden(gespeichert, max(args.runden, 7), wurzel)
    finally:
        x.ende()
        xvfb.kill()
        xvfb.wait()
        shutil.rmtree(wurzel, ignore_errors=True)

    def zeile(name, werte):
        return (f"{name}: Median {statistics.median(werte) * 1000:.0f} ms "
                f"(min {min(werte) * 1000:.0f}, max {max(werte) * 1000:.0f})")

    print(f"{len(original) / 1048576:.1f} MB Adressdatei, {args.runden} Runden")
    print(zeile("Schließen nach einem getippten Zeichen", zeiten[True]))
    print(zeile("Schließen ohne Änderung", zeiten[False]))
    differenz = statistics.median(zeiten[True]) - statistics.median(zeiten[False])
    print(f"Unterschied {differenz * 1000:.0f} ms; Boden (Schreiben und Sync derselben Bytes) {b * 1000:.1f} ms; "
          f"Unterschied / Boden {differenz / b:.1f}")


if __name__ == "__main__":
    main()
