#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts single faults into a scratch copy of the tree and runs the test suite on each.

Read README.md beside this file for how to run it and read its results.
"""

import argparse
import glob
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, field
from pathlib import Path

HERE = Path(__file__).resolve().parent
REPO = HERE.parent.parent
SEPARATOR = re.compile(r"\s+@@\s+")
# A replacement of exactly this removes the matched text.
NOTHING = "<nothing>"


@dataclass
class Mutant:
    index: int
    path: str  # a file, or a glob such as ui/*.cpp: the pattern must then match once among them all
    pattern: str
    replacement: str
    description: str
    # Filled in by locate():
    file: str = ""
    line: int = 0
    original: str = ""
    mutated: str = ""
    stale: str = ""

    @property
    def folder(self):
        return (self.file or self.path).split("/", 1)[0] + "/"


@dataclass
class Outcome:
    status: str  # caught, survived, stale, build-broken, time-limit
    detail: str = ""
    seconds: float = 0.0


def read_mutants(path):
    mutants = []
    for number, raw in enumerate(Path(path).read_text(encoding="utf-8").splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        fields = SEPARATOR.split(line)
        if len(fields) != 4:
            sys.exit(f"{path}:{number}: expected FILE @@ PATTERN @@ REPLACEMENT @@ DESCRIPTION")
        replacement = "" if fields[2] == NOTHING else fields[2]
        mutants.append(Mutant(len(mutants) + 1, fields[0], fields[1], replacement, fields[3]))
    return mutants


def locate(mutant, root):
    """Finds the one line the pattern matches under `root`; marks the mutant stale otherwise."""
    try:
        regex = re.compile(mutant.pattern)
    except re.error as error:
        mutant.stale = f"bad pattern: {error}"
        return
    files = sorted(p for p in glob.glob(str(root / mutant.path), recursive=True) if os.path.isfile(p))
    if not files:
        mutant.stale = "no such file"
        return
    hits = []
    for name in files:
        text = Path(name).read_text(encoding="utf-8", errors="surrogateescape")
        for number, line in enumerate(text.splitlines(), 1):
            for _ in regex.finditer(line):
                hits.append((name, number, line))
    if len(hits) != 1:
        where = ", ".join(f"{os.path.relpath(n, root)}:{l}" for n, l, _ in hits[:4])
        mutant.stale = f"matches {len(hits)} times" + (f" ({where})" if hits else "")
        return
    name, number, line = hits[0]
    mutant.file = os.path.relpath(name, root)
    mutant.line = number
    mutant.original = line
    try:
        mutant.mutated = regex.sub(mutant.replacement, line, count=1)
    except (re.error, IndexError) as error:
        mutant.stale = f"bad replacement: {error}"
        return
    if mutant.mutated == line:
        mutant.stale = "the replacement changes nothing"


def select(mutants, only, grep):
    chosen = mutants
    if only:
        wanted = set()
        for part in only.split(","):
            first, _, last = part.partition("-")
            wanted.update(range(int(first), int(last or first) + 1))
        chosen = [m for m in chosen if m.index in wanted]
    if grep:
        regex = re.compile(grep, re.IGNORECASE)
        chosen = [m for m in chosen if regex.search(f"{m.path} {m.pattern} {m.description}")]
    return chosen


def run(command, cwd, log, limit, env=None):
    """Runs a command in its own process group; returns its exit code, or None past the limit."""
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


# The scratch copy ---------------------------------------------------------------------------

def project_files():
    """Every file of the project in the working tree: tracked, or new and not ignored."""
    listing = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                             cwd=REPO, check=True, capture_output=True).stdout
    return sorted({name for name in listing.decode().split("\0") if name and (REPO / name).is_file()})


def sync_copy(work):
    """Brings work/src up to the working tree, copying only what differs, so the build stays
    incremental; a file left mutated by an interrupted run is put back the same way."""
    src = work / "src"
    manifest = work / "files.txt"
    files = project_files()
    old = set(manifest.read_text().splitlines()) if manifest.exists() else set()
    for name in sorted(old - set(files)):
        (src / name).unlink(missing_ok=True)
    copied = 0
    for name in files:
        source, target = REPO / name, src / name
        if target.is_file() and target.read_bytes() == source.read_bytes():
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(source, target)
        copied += 1
    manifest.write_text("\n".join(files) + "\n")
    return copied


def configure(work, env, log):
    build = work / "build"
    if (build / "CMakeCache.txt").exists():
        return True
    # No -Werror: a fault that only draws a warning is still worth running the tests on.
    # The benchmarks, the fuzz target and the sanitizer build are not part of the run.
    command = ["cmake", "-S", str(work / "src"), "-B", str(build), "-DZANFEL_BUILD_BENCH=OFF",
               "-DZANFEL_BUILD_TESTS=ON", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
    return run(command, work, log, 600, env) == 0


def build(work, jobs, env, log, limit):
    return run(["cmake", "--build", str(work / "build"), "--parallel", str(jobs)], work, log, limit, env)


# The suite ----------------------------------------------------------------------------------

def ctest_regex(names):
    escaped = [re.sub(r"([.+*?\[\]()^$|\\])", r"\\\1", n) for n in names]
    return "^(" + "|".join(escaped) + ")$"


def listed_tests(work, env):
    out = subprocess.run(["ctest", "-N"], cwd=work / "build", env=env, capture_output=True, text=True).stdout
    return [m.group(1) for m in re.finditer(r"Test\s+#\d+: (\S+)", out)]


def plan_stages(work, env):
    """The tests in groups, fastest first: everything under two seconds at once, then each slower
    test alone in order of its time in the baseline run."""
    costs = {}
    cost_file = work / "build" / "Testing" / "Temporary" / "CTestCostData.txt"
    if cost_file.exists():
        for line in cost_file.read_text().splitlines():
            parts = line.split()
            if len(parts) == 3:
                costs[parts[0]] = float(parts[2])
    names = sorted(listed_tests(work, env), key=lambda n: costs.get(n, 0.0))
    quick = [n for n in names if costs.get(n, 0.0) < 2.0]
    return ([quick] if quick else []) + [[n] for n in names if costs.get(n, 0.0) >= 2.0]


def run_suite(work, stages, env, log, deadline):
    """None when every test passed, else the first failing test's name (or the time limit)."""
    for stage in stages:
        left = deadline - time.monotonic()
        if left <= 0:
            return "time limit"
        start = log.stat().st_size if log.exists() else 0
        code = run(["ctest", "--stop-on-failure", "--output-on-failure", "-R", ctest_regex(stage)],
                   work / "build", log, left, env)
        if code is None:
            return "time limit"
        if code != 0:
            with open(log, encoding="utf-8", errors="replace") as text:
                text.seek(start)
                failed = re.findall(r"\d+ - (\S+) \(", text.read())
            return failed[0] if failed else "ctest failed"
    return None


# One mutant ---------------------------------------------------------------------------------

def try_mutant(mutant, work, stages, args, env):
    log = work / "logs" / f"{mutant.index:03d}.log"
    log.unlink(missing_ok=True)
    target = work / "src" / mutant.file
    original = target.read_bytes()
    lines = original.decode("utf-8", errors="surrogateescape").split("\n")
    lines[mutant.line - 1] = mutant.mutated
    started = time.monotonic()
    try:
        target.write_bytes("\n".join(lines).encode("utf-8", errors="surrogateescape"))
        code = build(work, args.jobs, env, log, args.build_limit)
        if code is None:
            return Outcome("build-broken", "the build ran past its limit", time.monotonic() - started)
        if code != 0:
            return Outcome("build-broken", "does not compile", time.monotonic() - started)
        failed = run_suite(work, stages, env, log, time.monotonic() + args.timeout)
        seconds = time.monotonic() - started
        if failed == "time limit":
            return Outcome("time-limit", f"the suite ran past {args.timeout} s", seconds)
        if failed:
            return Outcome("caught", f"by {failed}", seconds)
        return Outcome("survived", "", seconds)
    finally:
        target.write_bytes(original)


# Reporting ----------------------------------------------------------------------------------

def describe(mutant):
    where = f"{mutant.file}:{mutant.line}" if mutant.file else mutant.path
    return f"#{mutant.index} {where}: {mutant.description}"


def summary(results):
    lines = ["", "Share caught per folder (stale and build-broken mutants are not counted;",
             "a suite that runs past the time limit counts as caught):"]
    for folder in sorted({m.folder for m, _ in results}):
        mine = [o for m, o in results if m.folder == folder]
        counted = [o for o in mine if o.status in ("caught", "survived", "time-limit")]
        caught = sum(o.status != "survived" for o in counted)
        share = f"{100 * caught / len(counted):.0f} %" if counted else "-"
        others = {s: sum(o.status == s for o in mine) for s in ("stale", "build-broken")}
        lines.append(f"  {folder:6} {caught} of {len(counted)} caught ({share}); "
                     f"{others['stale']} stale, {others['build-broken']} build-broken")
    for status, title in (("survived", "Survivors"), ("time-limit", "Past the time limit"),
                          ("build-broken", "Build-broken (not counted)"), ("stale", "Stale (not counted)")):
        chosen = [(m, o) for m, o in results if o.status == status]
        if chosen:
            lines.append(f"\n{title}:")
            for m, o in chosen:
                lines.append(f"  {describe(m)}" + (f"  [{o.detail}]" if o.detail and status != "survived" else ""))
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description="Mutation run over game/ and ui/.")
    parser.add_argument("work", nargs="?", default=str(REPO / "build-mutation"),
                        help="folder for the scratch copy, its build and the logs (default build-mutation)")
    parser.add_argument("--mutants", default=str(HERE / "mutants.txt"), help="the mutant list")
    parser.add_argument("--list", action="store_true", help="show where each mutant applies, build nothing")
    parser.add_argument("--only", help="mutant numbers, e.g. 3,7,10-12")
    parser.add_argument("--grep", help="mutants whose file, pattern or description matches this")
    parser.add_argument("--jobs", type=int, default=2, help="build jobs (default 2)")
    parser.add_argument("--timeout", type=int, default=420, help="seconds of tests per mutant (default 420)")
    parser.add_argument("--build-limit", type=int, default=900, help="seconds of building per mutant")
    parser.add_argument("--results", help="results file (default WORK/results.txt)")
    args = parser.parse_args()

    mutants = read_mutants(args.mutants)
    chosen = select(mutants, args.only, args.grep)
    for m in mutants:
        locate(m, REPO)
    if args.list:
        for m in chosen:
            state = f"STALE ({m.stale})" if m.stale else "ok"
            print(f"{describe(m)}\n      {state}" + ("" if m.stale else f": {m.original.strip()}  ->  {m.mutated.strip()}"))
        fresh = sum(not m.stale for m in chosen)
        print(f"\n{fresh} of {len(chosen)} apply; " + ", ".join(
            f"{f} {sum(m.folder == f and not m.stale for m in chosen)}" for f in ("game/", "ui/")))
        return 0

    work = Path(args.work).resolve()
    (work / "logs").mkdir(parents=True, exist_ok=True)
    results_file = Path(args.results) if args.results else work / "results.txt"
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    env.setdefault("CCACHE_BASEDIR", str(REPO.parent))

    copied = sync_copy(work)
    print(f"Scratch copy in {work / 'src'} ({copied} files refreshed)", flush=True)
    setup_log = work / "logs" / "baseline.log"
    setup_log.unlink(missing_ok=True)
    if not configure(work, env, setup_log):
        sys.exit(f"configuring failed: see {setup_log}")
    print("Building and running the unchanged suite once...", flush=True)
    started = time.monotonic()
    if build(work, args.jobs, env, setup_log, 3600) != 0:
        sys.exit(f"the unchanged tree does not build: see {setup_log}")
    failed = run_suite(work, [listed_tests(work, env)], env, setup_log, time.monotonic() + 3600)
    if failed:
        sys.exit(f"the unchanged suite fails ({failed}): see {setup_log}; nothing can be measured")
    stages = plan_stages(work, env)
    print(f"  passes, {time.monotonic() - started:.0f} s; {sum(map(len, stages))} tests in {len(stages)} stages",
          flush=True)

    results = []
    with open(results_file, "w", encoding="utf-8") as out:
        out.write(f"# mutation run of {len(chosen)} mutants, {time.strftime('%Y-%m-%d %H:%M')}\n")
        for m in chosen:
            outcome = Outcome("stale", m.stale) if m.stale else try_mutant(m, work, stages, args, env)
            results.append((m, outcome))
            line = f"{outcome.status:12} {describe(m)}" + (f"  [{outcome.detail}]" if outcome.detail else "") + \
                (f"  {outcome.seconds:.0f} s" if outcome.seconds else "")
            print(line, flush=True)
            out.write(line + "\n")
            out.flush()
        text = summary(results)
        out.write(text + "\n")
    # The last mutant's file is back; rebuilding now leaves the scratch build matching the tree.
    build(work, args.jobs, env, setup_log, 3600)
    print(text)
    print(f"\nResults in {results_file}; build and test output of mutant N in {work / 'logs'}/N.log")
    return 0


if __name__ == "__main__":
    sys.exit(main())
