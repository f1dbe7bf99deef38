#!/usr/bin/env python3
"""Times RegisterWrenfold.exe against Wine's own `reg import` of the same values,
and a run with no switches against the start-up floor.  Prints a Markdown table
and one line per target.

    bench/run.sh [--runs N] [--sizes 1000,10000,100000]

Both imports, and the registry floor (bench/regfloor.cpp: the registry requests
the store's rules make for these values, and nothing else), write into fresh
product keys, in turn, the order changing from round to round.  Every program
is started the same way, by its own path, so that no side pays for a process
the other does not start.  The first round of each size exports what each of
the three wrote and stops the run unless all three wrote the same.
"""
import argparse
import filecmp
import os
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROGRAM = os.environ.get("WRENFOLD_BENCH_PROGRAM",
                         os.path.join(ROOT, "build", "windows", "bin", "RegisterWrenfold.exe"))
BENCH = os.environ.get("WRENFOLD_BENCH_DIR",
                       os.path.join(os.path.dirname(os.path.dirname(PROGRAM)), "bench"))
FLOOR = os.path.join(BENCH, "floor.exe")
REGFLOOR = os.path.join(BENCH, "regfloor.exe")
# `wine reg` would first start a launcher process that then starts reg.exe.
REG = r"C:\windows\system32\reg.exe"
KEYS = [r"HKCU\Software\Orlavex\Wrenfold 4", r"HKLM\Software\Orlavex\Wrenfold 4"]
# A message box would block the run on the virtual display; unattended, it is
# written here instead, and any line in it fails the benchmark.
BOX_LOG = os.path.join(BENCH, "boxes.log")

TARGET_RATIO = 1.0
TARGET_GROWTH = 11.0
TARGET_MEMORY = 20.0
TARGET_START = 1.2


def run(command):
    """Runs a command; returns (seconds, peak resident KiB)."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    seconds = time.perf_counter() - start
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        sys.exit("%s exited with %d" % (" ".join(command), code))
    return seconds, usage.ru_maxrss


def wine_path(path):
    out = subprocess.run(["wine", "winepath", "-w", path], capture_output=True, text=True)
    return out.stdout.strip()


def reset_keys():
    for key in KEYS:
        subprocess.run(["wine", REG, "delete", key, "/f"], capture_output=True)


def export_keys(name):
    """Exports both product keys into files named after `name`; returns them."""
    files = []
    for key in KEYS:
        path = os.path.join(BENCH, "%s-%s.reg" % (name, key[:4]))
        if os.path.exists(path):
            os.remove(path)
        subprocess.run(["wine", REG, "export", key, wine_path(path), "/y"], capture_output=True)
        files.append(path)
    return files


def same_content(a, b):
    """Whether two exports hold the same; a key that does not exist exports nothing."""
    if not os.path.exists(a) or not os.path.exists(b):
        return os.path.exists(a) == os.path.exists(b)
    return filecmp.cmp(a, b, shallow=False)


def check_no_boxes(what):
    if not os.path.exists(BOX_LOG):
        return
    with open(BOX_LOG, encoding="utf-8", errors="replace") as log:
        # Each run ends with its outcome record; anything else is a box.
        boxes = [line for line in log if not line.startswith('{"outcome":')]
    if boxes:
        sys.exit("%s showed message boxes:\n%s" % (what, "".join(boxes)[:2000]))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--sizes", default="1000,10000,100000")
    args = parser.parse_args()
    sizes = [int(s) for s in args.sizes.split(",")]
    os.environ["WRENFOLD_UNATTENDED_LOG"] = wine_path(BOX_LOG)
    if os.path.exists(BOX_LOG):
        os.remove(BOX_LOG)

    # The program's resident memory when it imports nothing: the share of its
    # peak that a Wine process with windows costs whatever the file.
    starts, floors, idle_memory = [], [], []
    for _ in range(max(2 * args.runs, 20)):
        seconds, rss = run(["wine", PROGRAM])
        starts.append(seconds)
        idle_memory.append(rss)
        floors.append(run(["wine", FLOOR])[0])
    check_no_boxes("The run with no switches")
    idle_rss = statistics.median(idle_memory)

    rows = []
    for size in sizes:
        xml = os.path.join(BENCH, "prefs-%d.xml" % size)
        reg = os.path.join(BENCH, "prefs-%d.reg" % size)
        subprocess.run([sys.executable, os.path.join(ROOT, "bench", "generate.py"), str(size),
                        xml, reg], check=True)
        commands = {
            "program": ["wine", PROGRAM, "/IC", wine_path(xml)],
            "reg": ["wine", REG, "import", wine_path(reg)],
            "floor": ["wine", REGFLOOR, wine_path(reg)],
        }
        times = {name: [] for name in commands}
        written = {}
        memory = []
        for round_number in range(args.runs):
            order = list(commands)
            if round_number % 2:
                order.reverse()
            for name in order:
                reset_keys()
                seconds, rss = run(commands[name])
                times[name].append(seconds)
                if name == "program":
                    memory.append(rss)
                    check_no_boxes("RegisterWrenfold.exe")
                if round_number == 0:
                    written[name] = export_keys("%s-%d" % (name, size))
            if round_number == 0:
                for name in ("program", "floor"):
                    for mine, theirs in zip(written[name], written["reg"]):
                        if not same_content(mine, theirs):
                            sys.exit("%s and reg import wrote different values: %s, %s" %
                                     (name, mine, theirs))
        medians = {name: statistics.median(values) for name, values in times.items()}
        rows.append((size, os.path.getsize(xml), medians, max(memory)))
    reset_keys()

    print("| values | file size | program | reg import | ratio | registry floor | floor / reg "
          "| peak RSS | RSS / file | (RSS - idle RSS) / file | values/s |")
    print("|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|")
    for size, file_size, medians, rss in rows:
        mine, other, floor = medians["program"], medians["reg"], medians["floor"]
        print("| %d | %.2f MB | %.3f s | %.3f s | %.2f | %.3f s | %.2f | %.1f MB | %.1f | %.1f | "
              "%.0f |" % (size, file_size / 1e6, mine, other, mine / other, floor, floor / other,
                          rss / 1024, rss * 1024 / file_size, (rss - idle_rss) * 1024 / file_size,
                          size / mine))
    start, floor = statistics.median(starts), statistics.median(floors)
    print("\nMedians of %d runs; registry floor: the store's registry requests alone "
          "(bench/regfloor.cpp); idle RSS: the run with no switches, %.1f MB." %
          (args.runs, idle_rss / 1024))
    print("No switches: %.3f s; start-up floor (one hidden window): %.3f s; ratio %.2f." %
          (start, floor, start / floor))

    def verdict(met):
        return "met" if met else "not met"

    by_size = {row[0]: row for row in rows}
    print()
    for size in (10000, 100000):
        if size in by_size:
            medians = by_size[size][2]
            ratio = medians["program"] / medians["reg"]
            print("- Ratio program / reg import <= %.1f at %d values: %s (%.2f; registry floor "
                  "/ reg import %.2f)." % (TARGET_RATIO, size, verdict(ratio <= TARGET_RATIO),
                                           ratio, medians["floor"] / medians["reg"]))
    if 10000 in by_size and 100000 in by_size:
        growth = by_size[100000][2]["program"] / by_size[10000][2]["program"]
        print("- Linear growth, 100,000 values <= %d x the 10,000-value time: %s (%.2f x)." %
              (TARGET_GROWTH, verdict(growth <= TARGET_GROWTH), growth))
    for size, file_size, _, rss in rows:
        times_file = rss * 1024 / file_size
        print("- Peak memory < %d x file size at %d values: %s (%.1f x; %.1f x above the idle "
              "run)." % (TARGET_MEMORY, size, verdict(times_file < TARGET_MEMORY), times_file,
                         (rss - idle_rss) * 1024 / file_size))
    print("- No-switch run <= %.1f x start-up floor: %s (%.2f x)." %
          (TARGET_START, verdict(start / floor <= TARGET_START), start / floor))


if __name__ == "__main__":
    main()
