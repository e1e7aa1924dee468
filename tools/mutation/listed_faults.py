# SPDX-License-Identifier: GPL-3.0-or-later
"""The hand-written faults of mutants.txt: extra cases beside the faults made by rule."""

import glob
import os
import re
import sys
from pathlib import Path

from fault_rules import Mutant

SEPARATOR = re.compile(r"\s+@@\s+")
# A replacement of exactly this removes the matched text.
NOTHING = "<nothing>"


def read_listed(path, root):
    """The listed faults that apply, and the lines of those that no longer do (stale)."""
    found, stale = [], []
    for number, raw in enumerate(Path(path).read_text(encoding="utf-8").splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        fields = SEPARATOR.split(line)
        if len(fields) != 4:
            sys.exit(f"{path}:{number}: expected FILE @@ PATTERN @@ REPLACEMENT @@ DESCRIPTION")
        where, pattern, replacement, description = fields
        replacement = "" if replacement == NOTHING else replacement
        problem, mutant = _locate(root, where, pattern, replacement)
        if problem:
            stale.append(f"{path.name if hasattr(path, 'name') else path}:{number}: {problem}: {description}")
        else:
            mutant.note = description
            found.append(mutant)
    return found, stale


def _locate(root, where, pattern, replacement):
    """The one line the pattern matches among the files `where` names (a path or a glob)."""
    try:
        regex = re.compile(pattern)
    except re.error as error:
        return f"bad pattern: {error}", None
    names = sorted(p for p in glob.glob(str(root / where), recursive=True) if os.path.isfile(p))
    hits = []
    for name in names:
        text = Path(name).read_text(encoding="utf-8", errors="surrogateescape")
        offset = 0
        for line in text.split("\n"):
            for _ in regex.finditer(line):
                hits.append((name, text, offset, line))
            offset += len(line) + 1
    if len(hits) != 1:
        return f"matches {len(hits)} times", None
    name, text, offset, line = hits[0]
    try:
        mutated = regex.sub(replacement, line, count=1)
    except (re.error, IndexError) as error:
        return f"bad replacement: {error}", None
    if mutated == line:
        return "the replacement changes nothing", None
    mutant = Mutant(os.path.relpath(name, root), "listed", ((offset, offset + len(line), mutated),),
                    line=text.count("\n", 0, offset) + 1, original=line.strip(), mutated=mutated.strip())
    return "", mutant
