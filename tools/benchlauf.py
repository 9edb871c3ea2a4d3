#!/usr/bin/env python3
"""Runs each benchmark program whole with a short minimum time, once in order and once interleaved at
random, and fails unless every benchmark it lists reported a result without an error and the program ended
by itself with code 0. A benchmark that ends the process, hangs in a window or leaves the environment broken
for the ones after it shows up here, not only when somebody measures.

    python3 tools/benchlauf.py [--art reihe|gemischt|beide] [--zeit 900] build/bench/kartulon_bench_kern ...
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile


def namen(programm):
    r = subprocess.run([programm, "--benchmark_list_tests=true"], capture_output=True, text=True, timeout=120)
    if r.returncode != 0:
        raise SystemExit(f"{programm} --benchmark_list_tests endete mit Code {r.returncode}:\n{r.stderr}")
    return [z.strip() for z in r.stdout.splitlines() if z.strip()]


def lauf(programm, erwartet, gemischt, zeit):
    art = "gemischt" if gemischt else "der Reihe nach"
    with tempfile.TemporaryDirectory() as ordner:
        ausgabe = os.path.join(ordner, "ergebnis.json")
        befehl = [programm, "--benchmark_min_time=0.01", f"--benchmark_out={ausgabe}",
                  "--benchmark_out_format=json", "--benchmark_format=console"]
        if gemischt:
            befehl.append("--benchmark_enable_random_interleaving=true")
        try:
            r = subprocess.run(befehl, capture_output=True, text=True, timeout=zeit)
        except subprocess.TimeoutExpired as e:
            rest = (e.stdout or b"")[-3000:]
            rest = rest.decode(errors="replace") if isinstance(rest, bytes) else rest
            return [f"{art}: nach {zeit} s nicht fertig (wartet ein Fenster?); zuletzt:\n{rest}"]
        fehler = []
        if r.returncode != 0:
            fehler.append(f"{art}: endete mit Code {r.returncode}\n{r.stderr[-3000:]}")
        try:
            with open(ausgabe) as f:
                ergebnisse = json.load(f).get("benchmarks", [])
        except (OSError, ValueError) as e:
            return fehler + [f"{art}: kein vollständiges Ergebnis ({e}); der Lauf brach ab\n{r.stderr[-3000:]}"]
        gemeldet = {}
        for e in ergebnisse:
            gemeldet.setdefault(e.get("run_name", e.get("name")), []).append(e)
        for name in erwartet:
            if name not in gemeldet:
                fehler.append(f"{art}: {name} hat kein Ergebnis gemeldet")
                continue
            for e in gemeldet[name]:
                if e.get("error_occurred"):
                    fehler.append(f"{art}: {name} meldet einen Fehler: {e.get('error_message', '')}")
        return fehler


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("programme", nargs="+")
    ap.add_argument("--zeit", type=int, default=900, help="Sekunden je Lauf, bevor er als hängend gilt")
    ap.add_argument("--art", choices=("reihe", "gemischt", "beide"), default="beide")
    args = ap.parse_args()
    fehler = []
    for programm in args.programme:
        erwartet = namen(programm)
        if not erwartet:
            fehler.append(f"{programm}: listet keine Benchmarks")
            continue
        arten = {"reihe": (False,), "gemischt": (True,), "beide": (False, True)}[args.art]
        for gemischt in arten:
            f = lauf(programm, erwartet, gemischt, args.zeit)
            fehler += [f"{os.path.basename(programm)}, {x}" for x in f]
            print(f"{os.path.basename(programm)}: {len(erwartet)} Benchmarks "
                  f"{'gemischt' if gemischt else 'der Reihe nach'}: {'ganz' if not f else 'UNVOLLSTÄNDIG'}", flush=True)
    if fehler:
        print("\n".join(fehler), file=sys.stderr)
        sys.exit(1)


if __name__ == "__main__":
    main()
