#!/usr/bin/env python3
"""Times the start of the real program to its shown main window under Xvfb, with a file of few and one of
many addresses, and reads the program's peak memory (VmHWM) once the window is there.

The X server runs with -noreset, so that its own reset between two clients adds no noise. The window counts
as there when xdotool finds it visible under the file's description.

    python3 tools/startzeit.py [--runden 9] [--build build] [--wenig 10] [--viel 32000] [--anzeige :93]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ERZEUGER = os.path.join(WURZEL, "tools", "adressen.py")


def vmhwm_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        for zeile in f:
            if zeile.startswith("VmHWM:"):
                return int(zeile.split()[1])
    return 0


def ein_start(programm, env, beschreibung, anzeige):
    beginn = time.perf_counter()
    p = subprocess.Popen([programm], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while True:
            r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", beschreibung],
                               env={"DISPLAY": anzeige}, capture_output=True)
            if r.returncode == 0 and r.stdout.strip():
                dauer = time.perf_counter() - beginn
                break
            if p.poll() is not None:
                raise RuntimeError("das Programm endete, bevor sein Fenster erschien")
            if time.perf_counter() - beginn > 60:
                raise RuntimeError("kein Fenster nach 60 s")
        time.sleep(0.5)  # the first paint and whatever the window does right after it
        speicher = vmhwm_kb(p.pid)
    finally:
        p.kill()
        p.wait()
    return dauer, speicher


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--runden", type=int, default=9)
    ap.add_argument("--build", default=os.path.join(WURZEL, "build"))
    ap.add_argument("--wenig", type=int, default=10)
    ap.add_argument("--viel", type=int, default=32000)
    ap.add_argument("--anzeige", default=":93")
    args = ap.parse_args()
    programm = os.path.join(args.build, "kartulon")
    for noetig in ("Xvfb", "xdotool"):
        if not shutil.which(noetig):
            sys.exit(f"{noetig} fehlt: bash tools/deps.sh")

    xvfb = subprocess.Popen(["Xvfb", args.anzeige, "-noreset", "-screen", "0", "1280x1024x24"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    ergebnisse = {}
    try:
        for anzahl in (args.wenig, args.viel):
            with tempfile.TemporaryDirectory() as ordner:
                prog = os.path.join(ordner, "programm")
                win = os.path.join(ordner, "windows")
                os.makedirs(prog)
                os.makedirs(win)
                with open(os.path.join(win, "Zedured.ini"), "wb") as f:
                    f.write(b"[Allgemein]\r\nUser=Maier\r\nL\xe4nderHinweis=0\r\n[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n")
                datei = os.path.join(prog, "kartulon.dat")
                subprocess.run([sys.executable, ERZEUGER, str(anzahl), datei], check=True, stdout=subprocess.DEVNULL)
                with open(datei, "rb") as f:
                    beschreibung = f.readline().rstrip(b"\r\n")[2:].decode("cp1252")
                env = dict(os.environ, KARTULON_HOME=prog, KARTULON_WINDIR=win, QT_QPA_PLATFORM="xcb",
                           DISPLAY=args.anzeige, HOME=ordner)
                ein_start(programm, env, beschreibung, args.anzeige)  # warms the disk cache
                zeiten, speicher = [], []
                for _ in range(args.runden):
                    d, s = ein_start(programm, env, beschreibung, args.anzeige)
                    zeiten.append(d)
                    speicher.append(s)
                ergebnisse[anzahl] = (statistics.median(zeiten), max(speicher), os.path.getsize(datei))
                print(f"{anzahl:6d} Adressen: Start im Median {statistics.median(zeiten) * 1000:.0f} ms "
                      f"(min {min(zeiten) * 1000:.0f}, max {max(zeiten) * 1000:.0f}); Speicherspitze "
                      f"{max(speicher) / 1024:.1f} MB; Datei {os.path.getsize(datei) / 1048576:.1f} MB", flush=True)
    finally:
        xvfb.kill()
        xvfb.wait()
    wenig, viel = ergebnisse[args.wenig], ergebnisse[args.viel]
    print(f"Verhältnis {args.viel} zu {args.wenig}: {viel[0] / wenig[0]:.2f}; zusätzlicher Speicher "
          f"{(viel[1] - wenig[1]) / 1024:.1f} MB für {viel[2] / 1048576:.1f} MB Datei")


if __name__ == "__main__":
    main()
