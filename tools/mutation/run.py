#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Mutation testing of the calculator units and the calculation core.

Plants small, realistic faults one at a time in a scratch copy of the tree: in the units
(calc/**/*.cpp without the forms' declarations) and the calculation core (the files of
core/ named in QUOTAS): an operator swapped, a
product regrouped, a comparison or a constant changed, a condition negated, a rule
deleted, two rules or two blocks swapped, an operand list changed. For each fault it
rebuilds the tests that exercise the units and the core (tst_forms_core, tst_forms_ui,
the four tst_calc_* and the fuzz corpus replays), runs them and records whether any
failed. A fault that no test catches is then pressed side by side with the original
over a large fixed set of inputs (probe.cpp); when every result is the same it cannot
change a result there, and it is counted as equivalent, not as a gap.

    tools/mutation/run.py                  # every fault; about 10 minutes on 2 cores
    tools/mutation/run.py --list           # the faults it would plant
    tools/mutation/run.py --only swap      # the faults whose description contains "swap"

The scratch copy lives in --scratch (default /tmp/ampora-mutation) and is reused, so a
second run rebuilds little (the first builds the tests once, some 5 minutes more); the
working tree is only read. Not run by CI.
"""

import argparse
import dataclasses
import functools
import os
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
TEST_TARGETS = ["tst_forms_core", "tst_forms_ui", "tst_calc_electrical", "tst_calc_magnetism",
                "tst_calc_instruments", "tst_calc_geometry", "conversions_fuzzer_replay",
                "units_fuzzer_replay"]
TEST_NAMES = r"^(tst_forms_core|tst_forms_ui|tst_calc_.*|conversions_fuzzer_corpus|units_fuzzer_corpus)$"

# How many faults of each kind to plant per file, at most; the candidates are picked
# evenly through the file.
QUOTAS = {
    "calc/electrical/basic_electricity.cpp": dict(delete=4, swap=4, blocks=2, operands=4, arith=6, regroup=4),
    "calc/magnetism/electro_magnetism.cpp": dict(delete=4, swap=4, blocks=2, operands=4, arith=6, regroup=4,
                                                 constant=2),
    "core/conversions.cpp": dict(compare=5, constant=3, arith=2, negate=2),
    "core/checked.cpp": dict(compare=3, constant=3, arith=3, negate=1),
    "core/solve_pass.cpp": dict(negate=2, statement=2),
    "core/component_list.cpp": dict(compare=1, constant=2, arith=2, negate=1, statement=1),
    "core/fault.cpp": dict(negate=1),
}
UNIT_QUOTA = dict(delete=2, swap=2, blocks=1, operands=2, arith=3, regroup=2, constant=2, compare=2,
                  negate=1)

# Faults that once went unnoticed by every test, planted whatever the sampling.
NAMED = [
    ("calc/electrical/basic_electricity.cpp", "swap", "swaps T rules 1 and 2"),
    ("calc/magnetism/electro_magnetism.cpp", "swap", "swaps Flux rules 1 and 2"),
    ("calc/electrical/basic_electricity.cpp", "operands", "I rule 6:"),
    ("calc/magnetism/electro_magnetism.cpp", "delete", "I rule 12 of"),
    ("core/conversions.cpp", "compare", "magnitude < 10"),
]


@dataclasses.dataclass
class Mutant:
    path: str
    kind: str
    offset: int
    old: str
    new: str
    where: str  # what the fault changes, in words

    def line(self, text):
        return text.count("\n", 0, self.offset) + 1

    def apply(self, text):
        assert text[self.offset:self.offset + len(self.old)] == self.old
        return text[:self.offset] + self.new + text[self.offset + len(self.old):]


# ---------------------------------------------------------------------------- parsing

def masked(text):
    """The text with comments, strings and character literals blanked out, same length."""
    out = list(text)
    i = 0
    while i < len(text):
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = len(text) if end < 0 else end
        elif text[i] == "'" and text[i - 1].isdigit():  # a digit separator
            i += 1
            continue
        elif text[i] in "\"'":
            end = i + 1
            while text[end] != text[i]:
                end += 2 if text[end] == "\\" else 1
            end += 1
        elif text[i] == "#" and (i == 0 or text[i - 1] == "\n"):
            end = text.find("\n", i)
        else:
            i += 1
            continue
        for k in range(i, end):
            if out[k] != "\n":
                out[k] = " "
        i = end
    return "".join(out)


def closing(code, i):
    """The index after the brace that closes the one at i."""
    depth = 0
    for j in range(i, len(code)):
        if code[j] == "{":
            depth += 1
        elif code[j] == "}":
            depth -= 1
            if depth == 0:
                return j + 1
    raise ValueError("unbalanced braces")


def groups(code, i):
    """The brace groups directly inside the group at i, as (start, end)."""
    spans, j, end = [], i + 1, closing(code, i) - 1
    while j < end:
        if code[j] == "{":
            k = closing(code, j)
            spans.append((j, k))
            j = k
        else:
            j += 1
    return spans


@dataclasses.dataclass
class Block:
    target: str
    span: tuple
    rules: list  # spans of the rules
    operands: list  # span of each rule's operand list


def pass_tables(code):
    """Every `const Pass kName = {names, {blocks}}` of a unit: its blocks."""
    tables = []
    for match in re.finditer(r"const Pass \w+ = \{", code):
        start = match.end() - 1
        _, blocks = groups(code, start)[:2]
        table = []
        for span in groups(code, blocks[0]):
            target = re.match(r"\{\s*(\w+)\s*,", code[span[0]:span[1]]).group(1)
            rules_group = groups(code, span[0])[0]
            rules = groups(code, rules_group[0])
            table.append(Block(target, span, rules, [groups(code, r[0])[0] for r in rules]))
        tables.append(table)
    return tables


@functools.cache
def box_names(path):
    header = (ROOT / path).with_suffix(".h").read_text()
    names = []
    for body in re.findall(r"enum \w*Box \{([^}]*)\}", header):
        names += [n.strip() for n in body.split(",") if n.strip() and not n.strip().startswith("k")]
    return names


# -------------------------------------------------------------------------- mutations

TOKEN = r"(?:x\[\w+\]|x\.constant\(\w+\)|x\.leading\(\w+\)|mu\(x\)|sinAng\(x\)|Num\([\w.]+\)|[\w.]+)"
ARITH = {"*": "/", "/": "*", "+": "-", "-": "+"}
COMPARE = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}


def bumped(literal):
    """A constant changed in its last figure."""
    if "." in literal:
        head, last = literal[:-1], literal[-1]
        return head + ("0" if last == "9" else str(int(last) + 1))
    return str(int(literal) + 1)


def candidates(path, text):
    code = masked(text)
    found = {}

    def add(kind, offset, old, new, where):
        found.setdefault(kind, []).append(Mutant(path, kind, offset, old, new, where))

    tables = pass_tables(code) if "const Pass" in code else []
    # The table lines that are not formulas: names and operand lists are structure.
    structure = set()
    for table in tables:
        for b, block in enumerate(table):
            for r, (rule, ops) in enumerate(zip(block.rules, block.operands)):
                structure.update(range(*ops))
                n = len(block.rules)
                label = f"{block.target} rule {r + 1}"
                if n > 1:
                    start, end = rule
                    if r + 1 < n:
                        cut = (start, block.rules[r + 1][0])
                    else:
                        cut = (block.rules[r - 1][1], end)
                    add("delete", cut[0], text[cut[0]:cut[1]], "", f"deletes the {label} of {n}")
                if r + 1 < n:
                    s1, e1 = rule
                    s2, e2 = block.rules[r + 1]
                    add("swap", s1, text[s1:e2], text[s2:e2] + text[e1:s2] + text[s1:e1],
                        f"swaps {block.target} rules {r + 1} and {r + 2}")
                names = [n.strip() for n in text[ops[0] + 1:ops[1] - 1].split(",")]
                boxes = box_names(path)
                others = [x for x in boxes if x not in names and x != block.target]
                if others:
                    k = (b + r) % len(names)
                    other = others[(b + r) % len(others)]
                    changed = names[:k] + [other] + names[k + 1:]
                    add("operands", ops[0], text[ops[0]:ops[1]], "{" + ", ".join(changed) + "}",
                        f"{label}: operands {{{', '.join(names)}}} -> {{{', '.join(changed)}}}")
            if b + 1 < len(table):
                s1, e1 = block.span
                s2, e2 = table[b + 1].span
                add("blocks", s1, text[s1:e2], text[s2:e2] + text[e1:s2] + text[s1:e1],
                    f"swaps the {block.target} and {table[b + 1].target} blocks")
    # Names of the pass (the first group of a table) are text for fault reports only.
    for match in re.finditer(r" ([*/+-]) ", code):
        if match.start(1) in structure:
            continue
        op = match.group(1)
        add("arith", match.start(1), op, ARITH[op], f"'{op}' -> '{ARITH[op]}'")
    for pattern, replace in [(rf"({TOKEN}) \* \(({TOKEN}) \* ({TOKEN})\)", r"(\1 * \2) * \3"),
                             (rf"\(({TOKEN}) \* ({TOKEN})\) \* ({TOKEN})", r"\1 * (\2 * \3)"),
                             (rf"\(({TOKEN}) \* ({TOKEN})\) / ({TOKEN})", r"\1 * (\2 / \3)")]:
        for match in re.finditer(pattern, code):
            old = text[match.start():match.end()]
            new = match.expand(replace)
            add("regroup", match.start(), old, new, f"{old} -> {new}")
    for match in re.finditer(r" (<=|>=|==|!=|<|>) ", code):
        op = match.group(1)
        add("compare", match.start(1), op, COMPARE[op], f"{code[max(0, match.start() - 12):match.end() + 8].strip()}: "
                                                          f"'{op}' -> '{COMPARE[op]}'")
    for match in re.finditer(r"(?<![\w.\[])(\d+\.\d+|\d+)(?![\w.'\]])", code):
        literal = match.group(1)
        context = code[max(0, match.start() - 1):match.start()]
        if context == "[" or literal in ("0",) and "." not in literal:
            continue
        add("constant", match.start(), literal, bumped(literal),
            f"{code[max(0, match.start() - 16):match.end() + 4].strip()}: {literal} -> {bumped(literal)}")
    for match in re.finditer(r"\bif \(!", code):
        add("negate", match.start(), "if (!", "if (", f"{code[match.start():match.start() + 40].strip()}: drops the '!'")
    for match in re.finditer(r"\bif \((?!!)", code):
        end = closing(code.replace("(", "{").replace(")", "}"), match.end() - 1)
        cond = text[match.end():end - 1]
        if cond.startswith("const "):  # a declaration, not a condition
            continue
        add("negate", match.start(), text[match.start():end], f"if (!({cond}))", f"if ({cond.strip()}): negated")
    for match in re.finditer(r"\bstd::(none_of|any_of)\b", code):
        other = "any_of" if match.group(1) == "none_of" else "none_of"
        add("negate", match.start(), match.group(0), f"std::{other}", f"std::{match.group(1)} -> std::{other}")
    if path.startswith("core/"):
        for match in re.finditer(r"\n( +)((?:if \([^\n]*\) )?(?:continue|[\w.\[\]>-]+ [+-]?= [^\n]*);)\n", code):
            statement = text[match.start(2):match.end(2)]
            add("statement", match.start(2), statement, "", f"deletes '{statement.strip()[:60]}'")
    return found


def pick(items, quota):
    if quota >= len(items):
        return items
    return [items[int((k + 0.5) * len(items) / quota)] for k in range(quota)]


def mutants():
    files = sorted(str(p.relative_to(ROOT)) for p in ROOT.glob("calc/*/*.cpp")
                   if not re.search(r"_(form|diagram)\.cpp$", p.name))
    # The calculation core; the declarations, the settings and the JSON of the command
    # line have tests of their own that this measure does not run.
    files += sorted(path for path in QUOTAS if path.startswith("core/"))
    chosen = []
    for path in files:
        text = (ROOT / path).read_text()
        found = candidates(path, text)
        quota = QUOTAS.get(path, UNIT_QUOTA)
        for kind, items in sorted(found.items()):
            chosen += pick(items, quota.get(kind, 0))
        for named_path, kind, words in NAMED:
            if named_path == path:
                extra = [m for m in found.get(kind, []) if words in m.where]
                assert extra, (path, kind, words)
                if extra[0] not in chosen:
                    chosen.append(extra[0])
    return chosen


# ------------------------------------------------------------------------- the runs

def run(command, cwd, log=None, timeout=None):
    result = subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                            timeout=timeout)
    if log:
        log.write_text(result.stdout)
    return result


def sync(scratch):
    """Copies the working tree's files into the scratch copy, touching only what differs."""
    files = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=ROOT,
                           stdout=subprocess.PIPE, check=True).stdout.decode().split("\0")
    for name in filter(None, files):
        source, target = ROOT / name, scratch / "src" / name
        if not source.is_file():
            continue
        data = source.read_bytes()
        if not target.is_file() or target.read_bytes() != data:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
            shutil.copymode(source, target)


def build(scratch):
    result = run(["cmake", "--build", str(scratch / "build"), "--target", *TEST_TARGETS, "ampora_core"], scratch,
                 scratch / "build.log")
    return result.returncode == 0


def tests_pass(scratch):
    result = run(["ctest", "--test-dir", str(scratch / "build"), "-R", TEST_NAMES, "--stop-on-failure",
                  "--timeout", "120"], scratch, scratch / "tests.log", timeout=1800)
    return result.returncode == 0


def probe(scratch):
    """One digest per unit of every result over the probe's inputs."""
    exe = scratch / "build" / "mutation_probe"
    run(["g++", "-std=c++20", "-O2", "-I", str(scratch / "src"), str(scratch / "src/tools/mutation/probe.cpp"),
         str(scratch / "build/libampora_core.a"), "-o", str(exe)], scratch).check_returncode()
    lines = run([str(exe)], scratch).stdout.split("\n")
    return dict(line.split() for line in lines if line.strip())


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--scratch", default="/tmp/ampora-mutation", type=Path)
    parser.add_argument("--only", help="plant only the faults whose description contains this text")
    parser.add_argument("--list", action="store_true", help="list the faults and stop")
    args = parser.parse_args()

    planted = [m for m in mutants() if not args.only or args.only in f"{m.path} {m.kind} {m.where}"]
    texts = {m.path: (ROOT / m.path).read_text() for m in planted}
    if args.list:
        for k, m in enumerate(planted, 1):
            print(f"{k:3} {m.path}:{m.line(texts[m.path])} {m.kind}: {m.where}")
        print(f"{len(planted)} faults")
        return 0

    scratch = args.scratch.resolve()
    (scratch / "src").mkdir(parents=True, exist_ok=True)
    sync(scratch)
    if not (scratch / "build" / "build.ninja").exists():
        run(["cmake", "-S", str(scratch / "src"), "-B", str(scratch / "build"), "-G", "Ninja",
             "-DCMAKE_BUILD_TYPE=Release", "-DAMPORA_BENCH=OFF"], scratch).check_returncode()
    print(f"building the original in {scratch} ...", flush=True)
    if not build(scratch) or not tests_pass(scratch):
        print(f"the original does not build or pass its tests: see {scratch}/build.log and tests.log")
        return 1
    original = probe(scratch)

    results = []
    started = time.time()
    for k, m in enumerate(planted, 1):
        source = scratch / "src" / m.path
        source.write_text(m.apply(texts[m.path]))
        try:
            if not build(scratch):
                outcome, detail = "does not compile", ""
            elif not tests_pass(scratch):
                failed = re.findall(r"\d+ - (\S+) \(", (scratch / "tests.log").read_text())
                outcome, detail = "caught", ", ".join(failed)
            else:
                changed = [unit for unit, digest in probe(scratch).items() if original.get(unit) != digest]
                if changed:
                    outcome, detail = "SURVIVED", "changes results of " + ", ".join(changed)
                else:
                    outcome, detail = "equivalent", "no result changes over the probe's inputs"
        finally:
            source.write_text(texts[m.path])
        results.append((m, outcome, detail))
        print(f"[{k}/{len(planted)} {time.time() - started:5.0f} s] {outcome:17} {m.path}:{m.line(texts[m.path])} "
              f"{m.kind}: {m.where}" + (f" ({detail})" if detail else ""), flush=True)
    build(scratch)

    count = {o: sum(1 for _, outcome, _ in results if outcome == o)
             for o in ("caught", "SURVIVED", "equivalent", "does not compile")}
    live = count["caught"] + count["SURVIVED"]
    print()
    print(f"planted {len(results)}: caught {count['caught']}, survived {count['SURVIVED']}, equivalent "
          f"{count['equivalent']}, did not compile {count['does not compile']}")
    if live:
        print(f"score: {count['caught']} of {live} faults that change a result caught "
              f"({100.0 * count['caught'] / live:.1f} %)")
    for m, outcome, detail in results:
        if outcome in ("SURVIVED", "equivalent"):
            print(f"  {outcome}: {m.path}:{m.line(texts[m.path])} {m.kind}: {m.where} ({detail})")
    return 0 if count["SURVIVED"] == 0 else 2


if __name__ == "__main__":
    sys.exit(main())
