#!/usr/bin/env python3
"""Kills the program at random moments while it saves an address file of 32000 addresses, and checks
after every kill that the file is complete: the old or the new version, every address there.

The saving process is the test program's child mode (DatenSpeichernTest.KindSpeichertBisEsGetoetetWird):
it loads the file, then changes one address and saves, again and again. Each round starts it, lets it
save one to three times, kills it with SIGKILL at a random moment of the next save, and checks the file.
A backup copy left beside the file (kunden.BAK) and any other file left over are counted, then removed.

    python3 tools/kill-during-save.py [--runden 300] [--build build]
"""
import argparse
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

HIER = os.path.dirname(os.path.abspath(__file__))
WURZEL = os.path.dirname(HIER)


def indexe(pfad):
    """The running numbers (field 23) of every record, and the number of record lines."""
    with open(pfad, "rb") as f:
        bytes_ = f.read()
    zeilen = bytes_.split(b"\r\n")
    if not zeilen or not zeilen[0].startswith(b".."):
        return None, 0
    if zeilen[-1] != b"":
        return None, 0  # the last line lacks its CR LF: cut short
    saetze = [z for z in zeilen[1:] if z]
    return {z.split(b"\t")[23] for z in saetze if z.count(b"\t") >= 23}, len(saetze)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--runden", type=int, default=300)
    ap.add_argument("--build", default=os.path.join(WURZEL, "build"))
    ap.add_argument("--anzahl", type=int, default=32000)
    args = ap.parse_args()

    programm = os.path.join(args.build, "tests", "test_mainwindow")
    ordner = tempfile.mkdtemp(prefix="kartulon-kill-")
    datei = os.path.join(ordner, "kunden.dat")
    subprocess.run([sys.executable, os.path.join(WURZEL, "tools", "adressen.py"), str(args.anzahl), datei], check=True,
                   stdout=subprocess.DEVNULL)
    alle = {str(i).encode() for i in range(1, args.anzahl + 1)}
    gefunden, n = indexe(datei)
    assert gefunden == alle and n == args.anzahl, "the generated file is not complete"

    env = dict(os.environ, KARTULON_KIND_DATEI=datei, QT_QPA_PLATFORM="offscreen")
    kaputt = sicherungen = reste = getoetet = 0
    speicherzeiten = []
    beginn = time.monotonic()
    for runde in range(args.runden):
        kind = subprocess.Popen([programm, "--gtest_filter=DatenSpeichernTest.KindSpeichertBisEsGetoetetWird"],
                                env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        ziel = random.randint(1, 3)
        gesehen = 0
        letzte = None
        while gesehen < ziel:
            zeile = kind.stdout.readline()
            if not zeile:
                break
            if zeile.startswith(b"gespeichert"):
                jetzt = time.monotonic()
                if letzte is not None:
                    speicherzeiten.append(jetzt - letzte)
                letzte = jetzt
                gesehen += 1
        if kind.poll() is not None:
            print(f"Runde {runde}: das Kind endete von selbst ({kind.returncode})", file=sys.stderr)
            kaputt += 1
            continue
        # A random moment within the next save (the loop is almost all saving).
        dauer = sorted(speicherzeiten)[len(speicherzeiten) // 2] if speicherzeiten else 0.3
        time.sleep(random.uniform(0, dauer))
        kind.send_signal(signal.SIGKILL)
        kind.wait()
        getoetet += 1

        gefunden, n = indexe(datei)
        if gefunden != alle or n != args.anzahl:
            kaputt += 1
            print(f"Runde {runde}: Datei unvollständig ({n} Datensätze)", file=sys.stderr)
        for name in os.listdir(ordner):
            if name == "kunden.dat":
                continue
            if name.lower() == "kunden.bak":
                sicherungen += 1
            else:
                reste += 1
            os.remove(os.path.join(ordner, name))
        if (runde + 1) % 50 == 0:
            print(f"{runde + 1} Runden, {kaputt} unvollständig, {sicherungen} Sicherungen, {reste} andere Reste",
                  flush=True)

    mittel = sorted(speicherzeiten)[len(speicherzeiten) // 2] if speicherzeiten else 0
    print(f"SIGKILLs: {getoetet}; Datei unvollständig: {kaputt}; Sicherung (kunden.BAK) übrig: {sicherungen}; "
          f"andere Reste: {reste}; Speichern dauerte im Median {mittel * 1000:.0f} ms; "
          f"{time.monotonic() - beginn:.0f} s")
    os.remove(datei)
    os.rmdir(ordner)
    return 1 if kaputt else 0


if __name__ == "__main__":
    sys.exit(main())
