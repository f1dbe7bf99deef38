#!/usr/bin/env python3
"""Times RegisterWrenfold.exe against Wine's own `reg import` of the same values
and against the floor of each profile.  Prints one Markdown table and one line
per target.

    bench/run.sh [--runs N] [--sizes 1000,10000,100000]
                 [--profiles real-size,no-machine-keys,machine-defaults]

Profiles:
  real-size         the example file and a whole save of the settings, against
                    the start-up floor (bench/floor.cpp: the program's two
                    hidden windows and its message loop, nothing else);
  no-machine-keys   generated files of per-user values only, so that no
                    machine key exists (the usual machine): each value costs
                    its write, as in `reg import`;
  machine-defaults  generated files over all three scopes, so that per-user
                    sections meet machine keys and each value costs a read of
                    the machine's key and the write.
The generated profiles' floor is the registry floor (bench/regfloor.cpp: the
registry requests the store's rules make for these values, and nothing else).

Every command writes into fresh product keys, in turn, the order reversing
from round to round, and every program is started the same way, by its own
path.  The first round exports what each importer wrote and stops the run
unless they all wrote the same.
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
WHOLE_SAVE = os.environ.get("WRENFOLD_BENCH_WHOLE_SAVE",
                            os.path.join(os.path.dirname(PROGRAM), "bench_wholesave.exe"))
EXAMPLE = os.path.join(ROOT, "examples", "Wrenfold-Preferences.xml")
FLOOR = os.path.join(BENCH, "floor.exe")
FLOOR_MSXML = os.path.join(BENCH, "floor-msxml.exe")
REGFLOOR = os.path.join(BENCH, "regfloor.exe")
# `wine reg` would first start a launcher process that then starts reg.exe.
REG = r"C:\windows\system32\reg.exe"
PRODUCT = r"Software\Orlavex\Wrenfold 4"
KEYS = ["HKCU\\" + PRODUCT, "HKLM\\" + PRODUCT]
# A message box would block the run on the virtual display; unattended, it is
# written here instead, and any line in it fails the benchmark.
BOX_LOG = os.path.join(BENCH, "boxes.log")

PROFILES = ["real-size", "no-machine-keys", "machine-defaults"]
TARGET_REAL_SIZE = 1.05        # x the start-up floor
TARGET_NO_MACHINE = {10000: 1.3, 100000: 1.15}  # x reg import
TARGET_MACHINE = 1.10          # x the registry floor, at 10,000 and 100,000 values
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


def read_reg(path):
    if not os.path.exists(path):
        return []
    with open(path, encoding="utf-16") as export:
        return export.read().replace("\r\n", "\n").split("\n")


def merge_exports(files, out):
    """One .reg file holding every key of the exports."""
    lines = ["Windows Registry Editor Version 5.00", ""]
    for path in files:
        lines += [line for line in read_reg(path)[1:]]
    with open(out, "w", encoding="utf-16", newline="\r\n") as merged:
        merged.write("\n".join(lines) + "\n")


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


# --- the whole save as a preferences file -----------------------------------

def encode_name(name):
    return (name.replace("[", "_0x5B_").replace("]", "_0x5D_").replace("$", "_0x24_")
            .replace(" ", "_"))


def encode_text(text):
    text = text.replace("&", "&amp;amp;").replace("<", "$lt;").replace(">", "$gt;")
    text = text.replace('"', "&amp;#34;").replace("'", "&amp;pos;").replace("$", "&amp;#36;")
    return text.replace("[", "_0x5B_").replace("]", "_0x5D_").replace(" ", "_")


def unescape_reg(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            i += 1
        out.append(text[i])
        i += 1
    return "".join(out)


def split_value(line):
    """("name", "data") of an exported value line."""
    i, name = 1, []
    while line[i] != '"':
        if line[i] == "\\":
            i += 1
        name.append(line[i])
        i += 1
    return "".join(name), line[i + 2:]


def whole_save_file(out_xml):
    """Runs a whole save into fresh keys and writes its values as a preferences
    file: each section as a section element, the product key's values directly
    in the scope.  The import skips "$Temp" sections, and a file cannot name
    the main window's nested key, so its values go to the "Main Window"
    section.  Returns the number of values in the file."""
    reset_keys()
    run(["wine", WHOLE_SAVE])
    files = export_keys("wholesave")
    reset_keys()
    sections = {}
    for path, scope in zip(files, ["PerUserRoam", "PerMachine"]):
        key = None
        for line in read_reg(path):
            if line.startswith("["):
                sub = line[1:-1].split(PRODUCT, 1)[1].lstrip("\\")
                if sub.startswith("$Temp"):
                    key = None
                elif sub.startswith("Windows\\"):
                    key = (scope, "Main Window")
                else:
                    key = (scope, sub)
            elif line.startswith('"') and key is not None:
                sections.setdefault(key, []).append(split_value(line))
    xml = ['<?xml version="1.0" encoding="windows-1252"?>',
           "<!DOCTYPE Wrenfold_Preferences>", "<Wrenfold_Preferences>", "<Wrenfold>"]
    count = 0
    for (scope, sub), values in sections.items():
        xml.append("<%s>" % scope)
        if sub:
            xml.append("<%s>" % encode_name(sub))
        for name, data in values:
            element = encode_name(name)
            if data.startswith("dword:"):
                number = int(data[6:], 16)
                kind, text = "integer", str(number - (1 << 32) if number >= 1 << 31 else number)
            elif data.startswith("hex:"):
                kind, text = "binary", data[4:].replace(",", "").upper()
            else:
                kind, text = "string", encode_text(unescape_reg(data[1:-1]))
            xml.append('<%s type="%s">%s</%s>' % (element, kind, text, element))
            count += 1
        if sub:
            xml.append("</%s>" % encode_name(sub))
        xml.append("</%s>" % scope)
    xml += ["</Wrenfold>", "</Wrenfold_Preferences>", ""]
    with open(out_xml, "w", encoding="cp1252", newline="\r\n") as out:
        out.write("\n".join(xml))
    return count


# --- timing -----------------------------------------------------------------

def measure(label, commands, runs, compare):
    """Medians of `runs` alternating rounds of `commands` (name -> command),
    each into fresh keys; the program's peak memory.  The first round checks
    that the importers in `compare` wrote what reg import wrote."""
    times = {name: [] for name in commands}
    written, memory = {}, []
    for round_number in range(runs):
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
            if round_number == 0 and (name in compare or name == "reg"):
                written[name] = export_keys("%s-%s" % (name, label))
        if round_number == 0:
            for name in compare:
                for mine, theirs in zip(written[name], written["reg"]):
                    if not same_content(mine, theirs):
                        sys.exit("%s and reg import wrote different values for %s: %s, %s" %
                                 (name, label, mine, theirs))
    reset_keys()
    return {name: statistics.median(values) for name, values in times.items()}, max(memory)


def real_size(args, rows):
    files = [("example", EXAMPLE, None)]
    whole = os.path.join(BENCH, "whole-save.xml")
    files.append(("whole save", whole, whole_save_file(whole)))
    runs = max(3 * args.runs, 15)
    for label, xml, count in files:
        # The same values for reg import: what the program itself wrote.
        reset_keys()
        run(["wine", PROGRAM, "/IC", wine_path(xml)])
        check_no_boxes("RegisterWrenfold.exe")
        reg = os.path.join(BENCH, "real-%s.reg" % label.replace(" ", "-"))
        exports = export_keys("real-%s" % label.replace(" ", "-"))
        merge_exports(exports, reg)
        if count is None:
            count = sum(1 for line in read_reg(reg) if line.startswith('"'))
        commands = {
            "program": ["wine", PROGRAM, "/IC", wine_path(xml)],
            "reg": ["wine", REG, "import", wine_path(reg)],
            "floor": ["wine", FLOOR],
            "floor+msxml": ["wine", FLOOR_MSXML],
        }
        medians, rss = measure(label, commands, runs, ["program"])
        rows.append(("real size", label, count, os.path.getsize(xml), medians, "start-up", rss,
                     runs))


def generated(args, rows, profile, sizes):
    for size in sizes:
        tag = "%s-%d" % (profile, size)
        xml = os.path.join(BENCH, "%s.xml" % tag)
        reg = os.path.join(BENCH, "%s.reg" % tag)
        options = ["--no-machine"] if profile == "no-machine-keys" else []
        subprocess.run([sys.executable, os.path.join(ROOT, "bench", "generate.py")] + options +
                       [str(size), xml, reg], check=True)
        commands = {
            "program": ["wine", PROGRAM, "/IC", wine_path(xml)],
            "reg": ["wine", REG, "import", wine_path(reg)],
            "floor": ["wine", REGFLOOR, wine_path(reg)],
        }
        medians, rss = measure(tag, commands, args.runs, ["program", "floor"])
        rows.append((profile.replace("-", " "), "generated", size, os.path.getsize(xml), medians,
                     "registry", rss, args.runs))


def verdict(met):
    return "met" if met else "not met"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--sizes", help="sizes of the generated profiles "
                        "(default: 10000,100000 without machine keys; 1000,10000,100000 with)")
    parser.add_argument("--profiles", default=",".join(PROFILES))
    args = parser.parse_args()
    profiles = args.profiles.split(",")
    for profile in profiles:
        if profile not in PROFILES:
            sys.exit("unknown profile %s; choose from %s" % (profile, ", ".join(PROFILES)))
    given = [int(s) for s in args.sizes.split(",")] if args.sizes else None
    os.environ["WRENFOLD_UNATTENDED_LOG"] = wine_path(BOX_LOG)
    if os.path.exists(BOX_LOG):
        os.remove(BOX_LOG)

    # The program's resident memory and time when it imports nothing.
    starts, floors, idle_memory = [], [], []
    for _ in range(max(2 * args.runs, 20)):
        seconds, rss = run(["wine", PROGRAM])
        starts.append(seconds)
        idle_memory.append(rss)
        floors.append(run(["wine", FLOOR])[0])
    check_no_boxes("The run with no switches")
    idle_rss = statistics.median(idle_memory)

    rows = []
    if "real-size" in profiles:
        real_size(args, rows)
    if "no-machine-keys" in profiles:
        generated(args, rows, "no-machine-keys", given or [10000, 100000])
    if "machine-defaults" in profiles:
        generated(args, rows, "machine-defaults", given or [1000, 10000, 100000])

    print("| profile | file | values | file size | program | reg import | program / reg "
          "| floor | floor / reg | program / floor | peak RSS | (RSS - idle) / file | values/s |")
    print("|---|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|")
    for profile, label, count, file_size, medians, kind, rss, _ in rows:
        mine, other, floor = medians["program"], medians["reg"], medians["floor"]
        print("| %s | %s | %d | %.2f MB | %.3f s | %.3f s | %.2f | %s %.3f s | %.2f | %.2f | "
              "%.1f MB | %.1f | %.0f |" %
              (profile, label, count, file_size / 1e6, mine, other, mine / other, kind, floor,
               floor / other, mine / floor, rss / 1024, (rss - idle_rss) * 1024 / file_size,
               count / mine))
    start, floor = statistics.median(starts), statistics.median(floors)
    runs = sorted({row[7] for row in rows})
    print("\nMedians of %s alternating runs; start-up floor: the two hidden windows and the "
          "message loop (bench/floor.cpp); registry floor: the store's registry requests alone "
          "(bench/regfloor.cpp); idle RSS: the run with no switches, %.1f MB." %
          (" / ".join(str(r) for r in runs) or args.runs, idle_rss / 1024))
    print("No switches: %.3f s; start-up floor: %.3f s; ratio %.2f." %
          (start, floor, start / floor))

    print()
    for profile, label, count, _, medians, _, _, _ in rows:
        if profile == "real size":
            ratio = medians["program"] / medians["floor"]
            print("- Real size, %s (%d values) <= %.2f x the start-up floor: %s (%.2f x; "
                  "%.3f s over it; reg import %.2f x; the floor that also creates the MSXML "
                  "document %.3f s, %.2f x, and the program %.2f x that)." %
                  (label, count, TARGET_REAL_SIZE, verdict(ratio <= TARGET_REAL_SIZE), ratio,
                   medians["program"] - medians["floor"], medians["reg"] / medians["floor"],
                   medians["floor+msxml"], medians["floor+msxml"] / medians["floor"],
                   medians["program"] / medians["floor+msxml"]))
    for profile, _, count, _, medians, _, _, _ in rows:
        if profile == "no machine keys" and count in TARGET_NO_MACHINE:
            ratio = medians["program"] / medians["reg"]
            print("- No machine keys, %d values <= %.2f x reg import: %s (%.2f x; registry "
                  "floor / reg import %.2f)." %
                  (count, TARGET_NO_MACHINE[count], verdict(ratio <= TARGET_NO_MACHINE[count]),
                   ratio, medians["floor"] / medians["reg"]))
    by_size = {}
    for profile, _, count, file_size, medians, _, rss, _ in rows:
        if profile == "machine defaults":
            by_size[count] = (file_size, medians, rss)
    for size in (10000, 100000):
        if size in by_size:
            medians = by_size[size][1]
            ratio = medians["program"] / medians["floor"]
            print("- Machine defaults, %d values <= %.2f x the registry floor: %s (%.2f x; "
                  "registry floor / reg import %.2f)." %
                  (size, TARGET_MACHINE, verdict(ratio <= TARGET_MACHINE), ratio,
                   medians["floor"] / medians["reg"]))
    if 10000 in by_size and 100000 in by_size:
        growth = by_size[100000][1]["program"] / by_size[10000][1]["program"]
        print("- Linear growth, 100,000 values <= %d x the 10,000-value time: %s (%.2f x)." %
              (TARGET_GROWTH, verdict(growth <= TARGET_GROWTH), growth))
    for size, (file_size, _, rss) in sorted(by_size.items()):
        times_file = rss * 1024 / file_size
        print("- Peak memory < %d x file size at %d values: %s (%.1f x; %.1f x above the idle "
              "run)." % (TARGET_MEMORY, size, verdict(times_file < TARGET_MEMORY), times_file,
                         (rss - idle_rss) * 1024 / file_size))
    print("- No-switch run <= %.1f x start-up floor: %s (%.2f x)." %
          (TARGET_START, verdict(start / floor <= TARGET_START), start / floor))


if __name__ == "__main__":
    main()
