#!/usr/bin/env python3
"""Checks the source tree's layout rules; exits 1, saying where, when one is broken.

    tools/check_layout.py                         # every check
    tools/check_layout.py --only cycles,hooks     # some of them
    tools/check_layout.py --root /some/copy       # another tree

The checks:
  hooks              no file under src/ or tests/ mentions UpwardHooks or
                     TPrefStoreSlots: a lower layer owns its seam to an upper
                     one in its own header, with no shared table of hooks.
  cycles             no include cycle between units of src/ (a unit is a
                     header and its source of the same name in one folder;
                     A depends on B when A.h or A.cpp includes B.h).
  platform-includes  outside src/platform/ only the programs' entry points
                     include a platform implementation (win32, memory,
                     libxml2, fake); the rest of src/ sees interfaces alone.
"""

import argparse
import re
import sys
from pathlib import Path

HOOK_NAMES = ("UpwardHooks", "TPrefStoreSlots")
IMPLEMENTATIONS = ("win32", "memory", "libxml2", "fake")
ENTRY_POINTS = ("shell/WinMain.cpp", "check/CheckMain.cpp", "check/ExportMain.cpp")
SOURCE_SUFFIXES = (".h", ".cpp")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def sources(src):
    return sorted(p for p in src.rglob("*") if p.is_file() and p.suffix in SOURCE_SUFFIXES)


def includes(path):
    """(line number, included name) of each quoted include of the file."""
    found = []
    with path.open(encoding="utf-8", errors="replace") as text:
        for number, line in enumerate(text, 1):
            match = INCLUDE.match(line)
            if match:
                found.append((number, match.group(1)))
    return found


def check_hooks(root):
    problems = []
    for folder in ("src", "tests"):
        for path in sorted((root / folder).rglob("*")):
            if not path.is_file():
                continue
            data = path.read_bytes()
            for name in HOOK_NAMES:
                if name.encode() not in data:
                    continue
                lines = data.decode("utf-8", errors="replace").splitlines()
                numbers = [str(n) for n, line in enumerate(lines, 1) if name in line]
                problems.append(
                    f"{path.relative_to(root)}:{','.join(numbers)}: mentions {name}; an upward "
                    "seam belongs to the lower module's own header, not a shared table of hooks"
                )
    return problems


def unit_of(path, src):
    """A unit's name: its folder below src/ and its base name, "prefstore/ConfigCommon"."""
    return path.relative_to(src).with_suffix("").as_posix()


def include_graph(src):
    """Unit -> the units whose headers it includes (itself left out)."""
    graph = {}
    for path in sources(src):
        unit = unit_of(path, src)
        edges = graph.setdefault(unit, set())
        for _, name in includes(path):
            for candidate in (src / name, path.parent / name):
                candidate = candidate.resolve()
                if candidate.suffix == ".h" and candidate.is_file():
                    if candidate.is_relative_to(src.resolve()):
                        target = unit_of(candidate, src.resolve())
                        if target != unit:
                            edges.add(target)
                    break
    return graph


def strongly_connected(graph):
    """Tarjan's components of the graph, iteratively, each in a stable order."""
    index, low, on_stack, stack, components = {}, {}, set(), [], []
    counter = 0
    for start in sorted(graph):
        if start in index:
            continue
        work = [(start, iter(sorted(graph[start])))]
        index[start] = low[start] = counter
        counter += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, children = work[-1]
            child = next(children, None)
            if child is not None:
                if child not in index:
                    index[child] = low[child] = counter
                    counter += 1
                    stack.append(child)
                    on_stack.add(child)
                    work.append((child, iter(sorted(graph.get(child, ())))))
                elif child in on_stack:
                    low[node] = min(low[node], index[child])
                continue
            work.pop()
            if work:
                parent = work[-1][0]
                low[parent] = min(low[parent], low[node])
            if low[node] == index[node]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == node:
                        break
                components.append(sorted(component))
    return components


def cycle_through(graph, component):
    """The shortest cycle inside a component, from its first unit back to it."""
    members = set(component)
    start = component[0]
    previous = {}
    frontier = [start]
    while frontier:
        following = []
        for node in frontier:
            for child in sorted(graph.get(node, ())):
                if child not in members or child in previous:
                    continue
                previous[child] = node
                if child == start:
                    path = [start]
                    while node != start:
                        path.append(node)
                        node = previous[node]
                    path.append(start)
                    return list(reversed(path))
                following.append(child)
        frontier = following
    return component + [start]


def check_cycles(root):
    src = root / "src"
    graph = include_graph(src)
    problems = []
    for component in strongly_connected(graph):
        if len(component) < 2:
            continue
        problem = "include cycle between units of src/: " + " -> ".join(
            cycle_through(graph, component)
        )
        if len(component) > 2:
            problem += " (units in one circle: " + ", ".join(component) + ")"
        problems.append(problem)
    return problems


def check_platform_includes(root):
    src = root / "src"
    implementation = re.compile(r"^platform/(%s)/" % "|".join(IMPLEMENTATIONS))
    problems = []
    for path in sources(src):
        relative = path.relative_to(src).as_posix()
        if relative.startswith("platform/") or relative in ENTRY_POINTS:
            continue
        for number, name in includes(path):
            if implementation.match(name):
                problems.append(
                    f"src/{relative}:{number}: includes {name}, a platform implementation; outside "
                    "src/platform/ only the entry points (" + ", ".join(ENTRY_POINTS) + ") may: "
                    "depend on an interface of src/platform/ and let the entry point choose"
                )
    return problems


CHECKS = {
    "hooks": check_hooks,
    "cycles": check_cycles,
    "platform-includes": check_platform_includes,
}


def main():
    parser = argparse.ArgumentParser(
        description=__doc__.split("\n\n")[0],
        epilog="checks: " + ", ".join(CHECKS),
    )
    parser.add_argument(
        "--only", metavar="CHECK,...", help="run only these checks, comma-separated"
    )
    parser.add_argument(
        "--root",
        type=Path,
        default=Path(__file__).resolve().parent.parent,
        help="the tree to check (default: this script's own)",
    )
    options = parser.parse_args()
    chosen = list(CHECKS) if options.only is None else options.only.split(",")
    unknown = [name for name in chosen if name not in CHECKS]
    if unknown or not chosen:
        parser.error(f"unknown check {', '.join(unknown) or '(none)'}; known: {', '.join(CHECKS)}")
    if not (options.root / "src").is_dir():
        parser.error(f"{options.root} has no src/ folder")

    failed = False
    for name in chosen:
        problems = CHECKS[name](options.root)
        for problem in problems:
            print(f"check_layout: {name}: {problem}", file=sys.stderr, flush=True)
        print(f"check_layout: {name}: {'FAILED' if problems else 'ok'}", flush=True)
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
