#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How many single faults made by rule does the test suite catch? Draws a random sample of the
faults every mutation operator can put into game/, ui/, net/ and the drawing code, puts each into a
scratch copy of the tree, rebuilds what the tests that run that code need, and runs them.

Read README.md beside this file for how to run it and read its results.
"""

import argparse
import fnmatch
import hashlib
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from collections import Counter
from dataclasses import dataclass
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

from fault_rules import OPERATORS, faults_in  # noqa: E402
from listed_faults import read_listed  # noqa: E402

REPO = HERE.parent.parent
FOLDERS = ("game/", "ui/", "art/", "net/")
# The drawing code moves from tools/artwork/ to art/; tools/artwork/ counts only until then.
ART_ROOTS = ("art", "tools/artwork")
_INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
# The program the end-to-end and install tests start; they name it, or the build folder.
PROGRAM_TARGET = "zanfel"
CONFIG = "Mutation"
JUDGEMENT_FIELDS = 6


# Where the faults go -----------------------------------------------------------------------

def project_files():
    """Every file of the project in the working tree: tracked, or new and not ignored."""
    listing = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                             cwd=REPO, check=True, capture_output=True).stdout
    return sorted({name for name in listing.decode().split("\0") if name and (REPO / name).is_file()})


def roots():
    art = next((r for r in ART_ROOTS if (REPO / r).is_dir()), None)
    return [r for r in ("game", "ui", art, "net") if r and (REPO / r).is_dir()]


def folder_of(path):
    for art in ART_ROOTS:
        if path.startswith(art + "/"):
            return "art/"
    return path.split("/", 1)[0] + "/"


def includes(name):
    text = (REPO / name).read_text(encoding="utf-8", errors="replace")
    return {path.rsplit("/", 1)[-1] for path in _INCLUDE.findall(text)}


def shipped_art(art_files, program_files):
    """The drawing code the program runs: the headers the windows include, their sources, and
    what those include in turn. The rest (the generator of resources/, the icon it draws) is
    not shipped, so no player could notice a fault in it."""
    by_name = {name.rsplit("/", 1)[-1]: name for name in art_files}
    shipped, waiting = set(), set()
    for name in program_files:
        waiting |= {by_name[n] for n in includes(name) if n in by_name}
    while waiting:
        name = waiting.pop()
        if name in shipped:
            continue
        shipped.add(name)
        if name.endswith(".h"):
            source = name[:-2] + ".cpp"
            if source in art_files:
                waiting.add(source)
        waiting |= {by_name[n] for n in includes(name) if n in by_name}
    return shipped


def source_files(files):
    under = {root: [n for n in files if n.startswith(root + "/") and n.endswith((".cpp", ".h"))]
             for root in roots()}
    chosen = []
    for root, names in under.items():
        if root in ART_ROOTS:
            program = [n for r, ns in under.items() if r not in ART_ROOTS for n in ns]
            shipped = shipped_art(set(names), program)
            names = [n for n in names if n in shipped]
        chosen += names
    return chosen


def all_faults(files):
    faults = []
    for name in source_files(files):
        faults += faults_in(name, (REPO / name).read_text(encoding="utf-8", errors="surrogateescape"))
    return faults


# Judgements of equivalent mutants ----------------------------------------------------------

@dataclass
class Judgement:
    file: str
    operator: str
    original: str
    mutated: str
    occurrence: int
    reason: str
    where: str  # equivalent.txt:LINE

    @property
    def key(self):
        return (self.file.rsplit("/", 1)[-1], self.operator, self.original, self.mutated, self.occurrence)


def read_judgements(path):
    judgements = []
    if not Path(path).exists():
        return judgements
    for number, raw in enumerate(Path(path).read_text(encoding="utf-8").splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        fields = [f.strip() for f in line.split(" @@ ")]
        if len(fields) != JUDGEMENT_FIELDS or not fields[4].isdigit() or not fields[5]:
            sys.exit(f"{path}:{number}: expected FILE @@ OPERATOR @@ ORIGINAL @@ MUTATED @@ OCCURRENCE @@ REASON")
        judgements.append(Judgement(*fields[:4], int(fields[4]), fields[5], f"{Path(path).name}:{number}"))
    return judgements


def judgement_line(m, reason="WHY NO PLAYER OR FILE COULD NOTICE IT"):
    return f"{m.file} @@ {m.operator} @@ {m.original} @@ {m.mutated} @@ {m.occurrence} @@ {reason}"


# Choosing the sample -----------------------------------------------------------------------

def population(faults, args):
    chosen = faults
    if args.within:
        chosen = [m for m in chosen if any(fnmatch.fnmatch(m.file, g) or m.file.startswith(g.rstrip("*")) or
                                           folder_of(m.file) == g.rstrip("/*") + "/" for g in args.within)]
    if args.operator:
        unknown = set(args.operator) - set(OPERATORS)
        if unknown:
            sys.exit(f"no such operator: {', '.join(sorted(unknown))} (see --places)")
        chosen = [m for m in chosen if m.operator in args.operator]
    return chosen


def in_running_order(mutants):
    """Source files before headers, which rebuild far more; each file's faults together."""
    return sorted(mutants, key=lambda m: (m.file.endswith(".h"), m.file, m.line, m.operator, m.mutated))


# The scratch copy and its build ------------------------------------------------------------

def run(command, cwd, log, limit, env, nice):
    """Runs a command in its own process group; returns its exit code, or None past the limit."""
    command = ["nice", "-n", str(nice)] + command if nice else command
    with open(log, "a", encoding="utf-8") as out:
        out.write(f"\n$ {' '.join(command)}\n")
        out.flush()
        process = subprocess.Popen(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                   env=env, start_new_session=True)
        try:
            return process.wait(timeout=max(limit, 1))
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            return None


def sync_copy(work, files):
    """Brings work/src up to the working tree, copying only what differs, so the build stays
    incremental; a file left mutated by an interrupted run is put back the same way."""
    src = work / "src"
    manifest = work / "files.txt"
    old = set(manifest.read_text().splitlines()) if manifest.exists() else set()
    for name in sorted(old - set(files)):
        (src / name).unlink(missing_ok=True)
    copied = 0
    for name in files:
        source, target = REPO / name, src / name
        if target.is_file() and target.read_bytes() == source.read_bytes():
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        # A fresh time, not the working tree's: a file checked out before the scratch build last
        # compiled it would otherwise look older than its object, and ninja would keep the stale one.
        shutil.copyfile(source, target)
        shutil.copymode(source, target)
        copied += 1
    manifest.write_text("\n".join(files) + "\n")
    return copied


def configure(work, env, log, args):
    build = work / "build"
    # No -Werror: a fault that only draws a warning still runs against the tests. -O1 without
    # debug information compiles fastest while the random play stays quick; asserts and the
    # standard library's bounds checks stay on, as in the sanitizer run. No benchmarks, fuzz target or package.
    command = ["cmake", "-G", "Ninja", "-S", str(work / "src"), "-B", str(build),
               "-DZANFEL_BUILD_BENCH=OFF", "-DZANFEL_BUILD_TESTS=ON", f"-DCMAKE_BUILD_TYPE={CONFIG}",
               f"-DCMAKE_CXX_FLAGS_{CONFIG.upper()}={args.flags}"]
    if shutil.which("ccache"):
        command.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    if shutil.which("ld.gold"):
        # Five times quicker than the default linker on the Qt test programs, each relinked per fault.
        command.append("-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold")
    stamp = work / "configured.txt"
    if stamp.exists() and stamp.read_text() == " ".join(command) and (build / "build.ninja").exists():
        return True
    shutil.rmtree(build, ignore_errors=True)
    if run(command, work, log, 900, env, 0) != 0:
        return False
    stamp.write_text(" ".join(command))
    return True


def ninja(work, targets, env, log, limit, args):
    return run(["ninja", "-j", str(args.jobs)] + list(targets), work / "build", log, limit, env, args.nice)


def executables(work):
    """Executable target name by its path in the build folder."""
    out = subprocess.run(["ninja", "-t", "targets", "all"], cwd=work / "build", capture_output=True,
                         text=True, check=True).stdout
    found = {}
    for line in out.splitlines():
        path, _, rule = line.rpartition(": ")
        match = re.match(rf"CXX_EXECUTABLE_LINKER__(.+)_{CONFIG}$", rule)
        if match:
            found[str((work / "build" / path).resolve())] = match.group(1)
    return found


def object_sources(work):
    """For every object file, the project files it was compiled from (its source and headers),
    and a guess of its compile time: Qt's headers make the difference between a quarter of a
    second and four, so the count of every header it reads serves (a ccache hit's time would not)."""
    build, src = work / "build", (work / "src").resolve()
    out = subprocess.run(["ninja", "-t", "deps"], cwd=build, capture_output=True, text=True, check=True).stdout
    deps, seconds, current = {}, {}, None
    for line in out.splitlines():
        if line and not line.startswith(" "):
            current = line.split(":", 1)[0]
            deps[current], seconds[current] = set(), 0.0
        elif line.strip() and current:
            seconds[current] += 1 / 150
            path = (build / line.strip()).resolve()
            if path.is_relative_to(src):
                deps[current].add(str(path.relative_to(src)))
    return deps, seconds


def target_objects(work, target):
    """The object files a target is linked from, its libraries' included."""
    out = subprocess.run(["ninja", "-t", "commands", target], cwd=work / "build", capture_output=True,
                         text=True, check=True).stdout
    return set(re.findall(r"\s-o\s+(\S+\.o)\b", out))


def digest(path):
    try:
        return hashlib.sha1(path.read_bytes()).digest()
    except OSError:
        return None


@dataclass
class BuildGraph:
    objects: dict  # target -> its object files
    sources: dict  # object file -> the project files compiled into it
    seconds: dict  # object file -> a guess of the seconds to compile it
    digests: dict = None  # object file -> its digest in the unchanged tree

    def remember_objects(self, build):
        self.digests = {o: digest(build / o) for t in self.objects.values() for o in t}

    def changed(self, objects, build):
        """Those of the objects that no longer compile to what the unchanged tree did."""
        return {o for o in objects if digest(build / o) != self.digests.get(o)}

    def dirty(self, targets, mutant_file):
        return {o for t in targets for o in self.objects[t] if mutant_file in self.sources.get(o, ())}

    def homes(self, targets):
        """The folders of tests/ the programs' own sources are in: game, ui, net, sound..."""
        found = set()
        for target in targets:
            for obj in self.objects[target]:
                parts = re.sub(r"CMakeFiles/[^/]+\.dir/", "", obj).split("/")
                if len(parts) > 2 and parts[0] == "tests":
                    found.add(parts[1])
        return found


def homes_near(mutant_file):
    """The test folders that test a file's own folder: a fault in ui/sound/ is near tests/ui/
    and tests/sound/; the drawing code is tested through the windows."""
    parts = mutant_file.split("/")
    near = {"ui" if folder_of(mutant_file) == "art/" else parts[0]}
    return near | ({parts[1]} if len(parts) > 2 else set())


@dataclass
class Test:
    name: str
    targets: tuple
    seconds: float = 1.0


def discover_tests(work, env):
    """The suite's tests with the targets each runs; tests that run nothing built here (the
    desktop files' and licences' checks) can catch no fault and are left out."""
    out = subprocess.run(["ctest", "--show-only=json-v1"], cwd=work / "build", env=env, capture_output=True,
                         text=True, check=True).stdout
    programs = executables(work)
    build_dir = str((work / "build").resolve())
    tests = []
    for test in json.loads(out)["tests"]:
        targets = set()
        for word in test.get("command", []):
            path = str(Path(word).resolve()) if word.startswith("/") else word
            if path in programs:
                targets.add(programs[path])
            elif path == build_dir:
                targets.add(PROGRAM_TARGET)  # an install of the build folder runs the program
        if targets:
            tests.append(Test(test["name"], tuple(sorted(targets))))
    return tests


def ctest_regex(names):
    return "^(" + "|".join(re.escape(n) for n in names) + ")$"


def run_tests(work, tests, env, log, deadline, args):
    """None when every test passed, else (status, the first failing test)."""
    start = log.stat().st_size if log.exists() else 0
    code = run(["ctest", "--stop-on-failure", "--output-on-failure", "-j", str(args.test_jobs),
                "-R", ctest_regex([t.name for t in tests])],
               work / "build", log, deadline - time.monotonic(), env, args.nice)
    if code is None:
        return "time-limit", f"{', '.join(t.name for t in tests)} ran far past their usual time"
    if code == 0:
        return None
    with open(log, encoding="utf-8", errors="replace") as text:
        text.seek(start)
        output = text.read()
    failed = re.findall(r"\d+ - (\S+) \(([^)]*)\)", output)
    if not failed:
        return "caught", "ctest failed"
    name, why = failed[0]
    return ("time-limit" if why == "Timeout" else "caught"), f"by {name}"


def read_durations(log, tests):
    durations = {}
    for line in Path(log).read_text(encoding="utf-8", errors="replace").splitlines():
        match = re.search(r"Test\s+#\d+: (\S+) \.+\s+Passed\s+([\d.]+) sec", line)
        if match:
            durations[match.group(1)] = float(match.group(2))
    for t in tests:
        t.seconds = durations.get(t.name, t.seconds)


# One mutant --------------------------------------------------------------------------------

@dataclass
class Outcome:
    status: str  # caught, time-limit, survived, same-code, build-broken
    detail: str = ""
    seconds: float = 0.0


def stages(tests, graph, mutant_file):
    """The tests that run the mutated file in at most three stages, in the order that reaches a
    failing test soonest. First the cheapest program of the tests beside the file's own folder
    (tests/ui/ for ui/), counting the objects it must recompile (a header can rebuild every
    window before a rules test could run) and its tests' time; then the rest of those tests
    together; then every other test together. A later stage builds its programs in one
    parallel build and runs its tests in parallel, so a survivor costs one build of what it
    touches, not one build per program."""
    groups = {}
    for t in tests:
        if graph.dirty(t.targets, mutant_file):
            groups.setdefault(t.targets, []).append(t)
    if not groups:
        return []
    near = homes_near(mutant_file)
    near_groups = {k: g for k, g in groups.items() if graph.homes(k) & near} or groups

    def cost(item):
        targets, group = item
        return sum(graph.seconds.get(o, 5.0) for o in graph.dirty(targets, mutant_file)) + \
            sum(t.seconds for t in group)
    first = min(near_groups.items(), key=cost)
    ordered = [first]
    for chosen in ([k for k in near_groups if k != first[0]], [k for k in groups if k not in near_groups]):
        if chosen:
            ordered.append((tuple(sorted({x for k in chosen for x in k})), [t for k in chosen for t in groups[k]]))
    return ordered


def try_mutant(m, number, work, graph, plan, env, args):
    log = work / "logs" / f"{number:03d}.log"
    log.unlink(missing_ok=True)
    target = work / "src" / m.file
    original = target.read_bytes()
    started = time.monotonic()
    deadline = started + args.timeout
    try:
        text = original.decode("utf-8", errors="surrogateescape")
        target.write_bytes(m.apply(text).encode("utf-8", errors="surrogateescape"))
        if not plan:
            return Outcome("survived", "no test runs this code", time.monotonic() - started)
        compiled_alike = True
        for targets, tests in plan:
            code = ninja(work, targets, env, log, args.build_limit, args)
            if code != 0:
                why = "the build ran past its limit" if code is None else "does not compile"
                return Outcome("build-broken", why, time.monotonic() - started)
            # A program whose objects all came out as in the unchanged tree runs as it did there.
            changed = graph.changed(graph.dirty(targets, m.file), work / "build")
            tests = [t for t in tests if graph.dirty(t.targets, m.file) & changed]
            if not tests:
                continue
            compiled_alike = False
            # A hang need not wait for the test's own time limit: far past its usual time is enough.
            patience = max(20.0, 4 * sum(t.seconds for t in tests) + 10)
            failed = run_tests(work, tests, env, log, min(deadline, time.monotonic() + patience), args)
            if failed:
                return Outcome(failed[0], failed[1], time.monotonic() - started)
        if compiled_alike:
            return Outcome("same-code", "compiles to the objects of the unchanged tree", time.monotonic() - started)
        return Outcome("survived", "", time.monotonic() - started)
    finally:
        target.write_bytes(original)


# Reporting ---------------------------------------------------------------------------------

def describe(m):
    head = f"{m.ident} {m.file}:{m.line} {m.operator}"
    return f"{head}: {m.note}\n      {m.original}\n   -> {m.mutated}" if m.note else \
        f"{head}\n      {m.original}\n   -> {m.mutated}"


def listed_summary(listed):
    if not listed:
        return []
    counted = [(m, o) for m, o in listed if o.status not in ("build-broken", "same-code")]
    caught = sum(o.status in ("caught", "time-limit") for _, o in counted)
    lines = ["", f"Listed faults (extra cases, not in the figures): {caught} of {len(counted)} caught"]
    for m, o in listed:
        if o.status in ("survived", "same-code", "build-broken"):
            lines.append(f"  {o.status}: {describe(m)}")
    return lines


def summary(results, judged, seed, seconds, stale, listed=()):
    lines = ["", f"Sample seed {seed}; {len(results)} mutants in {seconds / 60:.1f} min.",
             "Caught of counted per folder (equivalent, compiled-alike and build-broken mutants are not counted;",
             "a test past its time limit counts as caught):"]
    total_caught = total_counted = 0
    for folder in FOLDERS:
        mine = [o for m, o in results if folder_of(m.file) == folder]
        if not mine:
            continue
        count = Counter(o.status for o in mine)
        caught = count["caught"] + count["time-limit"]
        counted = caught + count["survived"]
        total_caught, total_counted = total_caught + caught, total_counted + counted
        share = f"{100 * caught / counted:.0f} %" if counted else "-"
        lines.append(f"  {folder:6} {caught:3} of {counted:3} caught ({share:>5}); {count['survived']} survived, "
                     f"{count['equivalent']} equivalent, {count['same-code']} compiled alike, "
                     f"{count['build-broken']} build-broken, "
                     f"{count['time-limit']} past the time limit")
    if total_counted:
        lines.append(f"  all    {total_caught:3} of {total_counted:3} caught ({100 * total_caught / total_counted:.0f} %)")
    broken = sum(o.status == "build-broken" for _, o in results)
    lines.append(f"  build-broken: {broken} of {len(results)} ({100 * broken / max(len(results), 1):.0f} %)")
    sections = (("survived", "Survivors: write a test a player or a file would notice it by, or judge it "
                 "equivalent in equivalent.txt"),
                ("equivalent", "Judged equivalent (not counted)"),
                ("same-code", "Compiled alike: the very objects of the unchanged tree, so no test can tell "
                 "(not counted)"),
                ("time-limit", "Past the time limit (counted as caught; a slow machine can cause it)"),
                ("build-broken", "Build-broken (not counted)"))
    for status, title in sections:
        chosen = [(m, o) for m, o in results if o.status == status]
        if chosen:
            lines.append(f"\n{title}:")
            for m, o in chosen:
                lines.append(f"  {describe(m)}")
                if status == "equivalent":
                    lines.append(f"      because {judged[m.key].reason} ({judged[m.key].where})")
                elif o.detail and status != "survived":
                    lines.append(f"      [{o.detail}]")
    wrong = [(m, o) for m, o in results if o.status in ("caught", "time-limit") and m.key in judged]
    if wrong:
        lines.append("\nJudged equivalent, yet a test caught it: the judgement is wrong, remove it:")
        lines += [f"  {judged[m.key].where}: {m.ident} {m.file}:{m.line}" for m, _ in wrong]
    lines += listed_summary(listed)
    if stale:
        lines.append("\nStale judgements or listed faults (their line is gone; update or remove them):")
        lines += [f"  {s}" for s in stale]
    return "\n".join(lines)


def show_places(faults, judgements, stale):
    count = Counter((m.operator, folder_of(m.file)) for m in faults)
    print(f"{'operator':18}" + "".join(f"{f:>8}" for f in FOLDERS) + f"{'all':>8}")
    for op in OPERATORS:
        row = [count[(op, f)] for f in FOLDERS]
        print(f"{op:18}" + "".join(f"{n:8}" for n in row) + f"{sum(row):8}   {OPERATORS[op]}")
    totals = [sum(count[(op, f)] for op in OPERATORS) for f in FOLDERS]
    print(f"{'all':18}" + "".join(f"{n:8}" for n in totals) + f"{sum(totals):8}")
    print(f"\nFiles: {', '.join(roots())}; {len(judgements)} judged equivalent.")
    for s in stale:
        print(f"stale: {s}")


def stale_judgements(judgements, faults):
    keys = {m.key for m in faults}
    return [f"{j.where}: {j.file}: {j.original} -> {j.mutated}" for j in judgements if j.key not in keys]


# Main --------------------------------------------------------------------------------------

def arguments():
    parser = argparse.ArgumentParser(description="Mutation run over game/, ui/, net/ and the drawing code.")
    parser.add_argument("work", nargs="?", default=str(REPO / "build-mutation"),
                        help="folder for the scratch copy, its build and the logs (default build-mutation)")
    parser.add_argument("--sample", type=int, default=30, help="how many mutants to draw (default 30)")
    parser.add_argument("--seed", type=int, help="repeat a sample (default: from the clock, printed)")
    parser.add_argument("--in", dest="within", action="append", metavar="GLOB",
                        help="draw only from these files, e.g. --in 'ui/zoom*' (repeatable)")
    parser.add_argument("--operator", action="append", help="draw only faults of this operator (repeatable)")
    parser.add_argument("--id", action="append", help="run exactly these mutants (the 7-letter ids shown)")
    parser.add_argument("--listed", nargs="?", const=str(HERE / "mutants.txt"), metavar="FILE",
                        help="also run the hand-written faults of FILE (default mutants.txt), reported apart")
    parser.add_argument("--judgements", default=str(HERE / "equivalent.txt"), help="the equivalent mutants")
    parser.add_argument("--places", action="store_true", help="count the places of each operator and stop")
    parser.add_argument("--dry-run", action="store_true", help="show the sample, build nothing")
    parser.add_argument("--self-test", action="store_true", help="check the fault finder on fixtures and stop")
    parser.add_argument("--jobs", type=int, default=2, help="build jobs (default 2)")
    # Most tests wait on timers, the network or the display, so twice as many as the cores still
    # leaves them idle part of the time.
    parser.add_argument("--test-jobs", type=int, help="tests run at once (default twice --jobs)")
    parser.add_argument("--nice", type=int, default=10, help="niceness of builds and tests (default 10)")
    parser.add_argument("--flags", default="-O1 -D_GLIBCXX_ASSERTIONS",
                        help="compiler flags of the scratch build (default -O1 -D_GLIBCXX_ASSERTIONS)")
    parser.add_argument("--timeout", type=int, default=600, help="seconds of building and tests per mutant")
    parser.add_argument("--build-limit", type=int, default=900, help="seconds of one build")
    parser.add_argument("--results", help="results file (default WORK/results.txt)")
    args = parser.parse_args()
    args.test_jobs = args.test_jobs or 2 * args.jobs
    return args


def main():
    args = arguments()
    if args.self_test:
        import self_test
        return self_test.main()
    started = time.monotonic()
    files = project_files()
    faults = all_faults(files)
    judgements = read_judgements(args.judgements)
    judged = {j.key: j for j in judgements}
    stale = stale_judgements(judgements, faults)
    if args.places:
        show_places(faults, judgements, stale)
        return 0

    seed = args.seed if args.seed is not None else int(time.time()) % 1_000_000
    if args.id:
        chosen = [m for m in faults if m.ident in args.id]
        missing = set(args.id) - {m.ident for m in chosen}
        if missing:
            sys.exit(f"no such mutant now: {', '.join(sorted(missing))} (its line changed?)")
    else:
        pool = population(faults, args)
        chosen = random.Random(seed).sample(pool, min(args.sample, len(pool)))
        print(f"Sample of {len(chosen)} from {len(pool)} mutants, seed {seed} "
              f"(repeat it with --seed {seed})", flush=True)
    chosen = in_running_order(chosen)
    listed = []
    if args.listed:
        listed, listed_stale = read_listed(Path(args.listed), REPO)
        stale += listed_stale
    if args.dry_run:
        for m in chosen + listed:
            print(describe(m))
        for line in stale:
            print(f"stale: {line}")
        return 0
    for tool in ("cmake", "ninja", "ctest"):
        if not shutil.which(tool):
            sys.exit(f"{tool} is missing: apt-get install cmake ninja-build (and ccache, which makes reruns fast)")

    work = Path(args.work).resolve()
    (work / "logs").mkdir(parents=True, exist_ok=True)
    results_file = Path(args.results) if args.results else work / "results.txt"
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", CCACHE_DIR=str(work / "ccache"),
               CCACHE_SLOPPINESS="include_file_mtime,include_file_ctime,time_macros", CCACHE_MAXSIZE="2G")
    copied = sync_copy(work, files)
    print(f"Scratch copy in {work / 'src'} ({copied} files refreshed)", flush=True)
    setup_log = work / "logs" / "baseline.log"
    setup_log.unlink(missing_ok=True)
    if not configure(work, env, setup_log, args):
        sys.exit(f"configuring failed: see {setup_log}")
    print("Building and running the unchanged suite...", flush=True)
    if ninja(work, [], env, setup_log, 3600, args) != 0:
        sys.exit(f"the unchanged tree does not build: see {setup_log}")
    tests = discover_tests(work, env)
    failed = run_tests(work, tests, env, setup_log, time.monotonic() + 3600, args)
    if failed:
        sys.exit(f"the unchanged suite fails ({failed[1]}): see {setup_log}; nothing can be measured")
    read_durations(setup_log, tests)
    deps, seconds = object_sources(work)
    graph = BuildGraph({target: target_objects(work, target) for target in {x for t in tests for x in t.targets}},
                       deps, seconds)
    graph.remember_objects(work / "build")
    print(f"  passes; {len(tests)} tests, {time.monotonic() - started:.0f} s so far", flush=True)

    results, listed_results = [], []
    with open(results_file, "w", encoding="utf-8") as out:
        out.write(f"# mutation run of {len(chosen)} mutants, seed {seed}, {time.strftime('%Y-%m-%d %H:%M')}\n")
        for number, m in enumerate(chosen + listed, 1):
            outcome = try_mutant(m, number, work, graph, stages(tests, graph, m.file), env, args)
            if outcome.status == "survived" and m.key in judged:
                outcome.status = "equivalent"
            (listed_results if m.operator == "listed" else results).append((m, outcome))
            line = f"{outcome.status:12} {describe(m)}" + (f"\n      [{outcome.detail}]" if outcome.detail else "") + \
                f"  {outcome.seconds:.0f} s"
            print(f"[{number}/{len(chosen) + len(listed)}] {line}", flush=True)
            out.write(line + "\n")
            out.flush()
        text = summary(results, judged, seed, time.monotonic() - started, stale, listed_results)
        out.write(text + "\n")
    print(text)
    survivors = [m for m, o in results if o.status == "survived"]
    if survivors:
        print("\nTo judge a survivor equivalent, add its line to equivalent.txt with the reason, e.g.:")
        print(f"  {judgement_line(survivors[0])}")
    print(f"\nResults in {results_file}; build and test output of mutant N in {work / 'logs'}/N.log")
    return 0


if __name__ == "__main__":
    sys.exit(main())
