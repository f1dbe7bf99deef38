#!/usr/bin/env python3
"""Times RegisterWrenfold.exe against Wine's own `reg import` of the same values,
and a run with no switches against the start-up floor.  Prints a Markdown table.

    bench/run.sh [--runs N] [--sizes 1000,10000,100000]
"""
import argparse
import os
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BENCH = os.path.join(ROOT, "build", "bench")
PROGRAM = os.path.join(ROOT, "build", "windows", "bin", "RegisterWrenfold.exe")
FLOOR = os.path.join(BENCH, "floor.exe")
KEYS = [r"HKCU\Software\Orlavex\Wrenfold 4", r"HKLM\Software\Orlavex\Wrenfold 4"]


def run(command, quiet=True):
    """Runs a command; returns (seconds, peak resident KiB, exit code)."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL if quiet else None,
                               stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    seconds = time.perf_counter() - start
    return seconds, usage.ru_maxrss, os.waitstatus_to_exitcode(status)


def wine_path(path):
    out = subprocess.run(["wine", "winepath", "-w", path], capture_output=True, text=True)
    return out.stdout.strip()


def reset_keys():
    for key in KEYS:
        subprocess.run(["wine", "reg", "delete", key, "/f"], capture_output=True)


def count_values():
    total = 0
    for key in KEYS:
        out = subprocess.run(["wine", "reg", "query", key, "/s"], capture_output=True, text=True,
                             errors="replace")
        total += sum(1 for line in out.stdout.splitlines() if line.startswith("    "))
    return total


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--sizes", default="1000,10000,100000")
    args = parser.parse_args()
    sizes = [int(s) for s in args.sizes.split(",")]

    rows = []
    for size in sizes:
        xml = os.path.join(BENCH, "prefs-%d.xml" % size)
        reg = os.path.join(BENCH, "prefs-%d.reg" % size)
        subprocess.run([sys.executable, os.path.join(ROOT, "bench", "generate.py"), str(size),
                        xml, reg], check=True)
        xml_w, reg_w = wine_path(xml), wine_path(reg)
        ours, theirs, memory = [], [], []
        counts = set()
        for _ in range(args.runs):
            reset_keys()
            seconds, rss, code = run(["wine", PROGRAM, "/IC", xml_w])
            if code != 0:
                sys.exit("RegisterWrenfold.exe exited with %d" % code)
            ours.append(seconds)
            memory.append(rss)
            counts.add(("program", count_values()))
            reset_keys()
            seconds, _, code = run(["wine", "reg", "import", reg_w])
            if code != 0:
                sys.exit("reg import exited with %d" % code)
            theirs.append(seconds)
            counts.add(("reg", count_values()))
        found = {count for _, count in counts}
        if len(found) != 1:
            sys.exit("the two imports wrote different numbers of values: %s" % sorted(counts))
        median_ours, median_theirs = statistics.median(ours), statistics.median(theirs)
        rows.append((size, os.path.getsize(xml), median_ours, median_theirs, max(memory),
                     size / median_ours))
    reset_keys()

    starts = [run(["wine", PROGRAM])[0] for _ in range(max(args.runs, 10))]
    floors = [run(["wine", FLOOR])[0] for _ in range(max(args.runs, 10))]

    print("| values | file size | program (median) | reg import (median) | ratio | "
          "peak RSS (program) | RSS / file size | values/s |")
    print("|---:|---:|---:|---:|---:|---:|---:|---:|")
    for size, file_size, mine, other, rss, rate in rows:
        print("| %d | %.1f MB | %.3f s | %.3f s | %.2f | %.1f MB | %.1f | %.0f |" % (
            size, file_size / 1e6, mine, other, mine / other, rss / 1024, rss * 1024 / file_size,
            rate))
    if len(rows) >= 2 and rows[-2][0] * 10 == rows[-1][0]:
        print("\nGrowth from %d to %d values: %.2f times." % (
            rows[-2][0], rows[-1][0], rows[-1][2] / rows[-2][2]))
    start, floor = statistics.median(starts), statistics.median(floors)
    print("\nNo switches: %.3f s; start-up floor (one hidden window): %.3f s; ratio %.2f." % (
        start, floor, start / floor))


if __name__ == "__main__":
    main()
