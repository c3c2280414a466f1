#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Mutation testing of the calculator units and the calculation core.

Plants small, realistic faults one at a time in a scratch copy of the tree: in every
calculator unit that calc/registry.cpp includes (calc/<area>/<unit>.cpp, not its form's
declaration) and in the calculation core (the files of core/ named in QUOTAS): an
operator swapped in a formula, a product regrouped, a lenient reading made strict or the
other way round, a rounding through text dropped, a comparison or a constant changed, a
condition negated, a rule or a block deleted, two rules or two blocks swapped, a box a rule
reads swapped for another box of its unit, a rule's pre-empted mark dropped. For each fault it rebuilds the tests that exercise the units and the core
(tst_core, tst_ui, tst_cli, tst_calc_<area> of every area with tests, tst_calc_forms, and the
replays of the fuzz corpora), runs them and records whether any failed. A fault that no test catches is then
pressed side by side with the original over a large fixed set of inputs (probe.cpp, which
presses every button of every calculator in the registry); when every result is the same
it cannot change a result there, and it is counted as equivalent, not as a gap. A fault
that changes only the recorded work (what --explain shows) survives as well, and says so.

    tools/mutation/run.py                  # every fault, some 230: 3 to 10 s each on 2 cores
    tools/mutation/run.py --list           # the faults it would plant
    tools/mutation/run.py --only swap      # the faults whose description contains "swap"
    tools/mutation/run.py --only circle.cpp --only relation.cpp    # those of either

The scratch copy lives in --scratch (default /tmp/ampora-mutation) and is reused, so a
second run rebuilds little (the first builds the tests once, some 5 minutes more); the
working tree is only read. Not run by CI.
"""

import argparse
import dataclasses
import functools
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]


def registry_units():
    """The units of the calculators in the registry: calc/<area>/<unit>.cpp for each
    calc/<area>/<unit>.h that calc/registry.cpp includes."""
    text = (ROOT / "calc/registry.cpp").read_text()
    units = []
    for header in re.findall(r'^#include "(calc/\w+/\w+)\.h"', text, re.M):
        if (ROOT / f"{header}.cpp").is_file():
            units.append(f"{header}.cpp")
    assert units, "calc/registry.cpp includes no unit"
    return units


def test_targets():
    """The tests that exercise the units and the core, as build targets and as ctest names:
    the core's and the form framework's, each area's that has tests and the calculators'
    forms', the command line's (its worked examples explained, and its agreement with the
    desktop) and each fuzz corpus replayed."""
    areas = sorted({path.split("/")[1] for path in registry_units()})
    targets = ["tst_core", "tst_ui", "tst_cli"]
    targets += [f"tst_calc_{area}" for area in areas if any((ROOT / "tests/calc" / area).glob("*.cpp"))]
    if any((ROOT / "tests/forms").glob("*.cpp")):
        targets.append("tst_calc_forms")
    fuzzers = re.search(r"set\(AMPORA_FUZZ_TARGETS ([^)]*)\)", (ROOT / "fuzz/CMakeLists.txt").read_text())
    names = list(targets)
    for fuzzer in fuzzers.group(1).split():
        targets.append(f"{fuzzer}_replay")
        names.append(f"{fuzzer}_corpus")
    return targets, "^(" + "|".join(names) + ")$"


# How many faults of each kind to plant per file, at most; the candidates are picked
# evenly through the file. A unit gets UNIT_QUOTA unless named here.
QUOTAS = {
    "calc/electrical/basic_electricity.cpp": dict(delete=4, swap=4, blocks=2, operands=4, arith=6, regroup=4,
                                                  mark=2),
    "calc/magnetism/electro_magnetism.cpp": dict(delete=4, swap=4, blocks=2, operands=4, arith=6, regroup=4,
                                                 constant=2, mark=2),
    "core/conversions.cpp": dict(compare=6, constant=4, arith=2, negate=2),
    "core/checked.cpp": dict(compare=3, constant=3, arith=3, negate=1),
    "core/term.cpp": dict(arith=1, constant=1, negate=1, statement=1),
    "core/evaluation.cpp": dict(arith=2, negate=1),
    "core/step.cpp": dict(compare=2, statement=1),
    "core/relation.cpp": dict(compare=1, arith=1),
    "core/solve_pass.cpp": dict(negate=2, statement=2),
    "core/component_list.cpp": dict(compare=1, constant=2, arith=2, negate=1, statement=1, read=1, unround=1),
    "core/fault.cpp": dict(negate=1),
    "core/list_press.cpp": dict(statement=1),
}
UNIT_QUOTA = dict(delete=2, swap=2, blocks=1, operands=2, arith=3, regroup=2, constant=2, compare=2,
                  negate=1, read=1, unround=1)

# Functions of the core that lay out a form rather than work anything out: no faults there.
LAYOUT = {"core/component_list.cpp": ["AddControls"]}

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


def closing(code, i, pair="{}"):
    """The index after the bracket that closes the one at i: a brace, or the pair given."""
    depth = 0
    for j in range(i, len(code)):
        if code[j] == pair[0]:
            depth += 1
        elif code[j] == pair[1]:
            depth -= 1
            if depth == 0:
                return j + 1
    raise ValueError("unbalanced " + pair)


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


def elements(code, start, end):
    """The elements of a list between `start` and `end`, split at the commas outside any
    bracket, as (start, end) without the blanks around them."""
    spans, depth, first = [], 0, start
    for j in range(start, end):
        if code[j] in "([{":
            depth += 1
        elif code[j] in ")]}":
            depth -= 1
        elif code[j] == "," and depth == 0:
            spans.append((first, j))
            first = j + 1
    spans.append((first, end))
    trimmed = []
    for a, b in spans:
        while a < b and code[a].isspace():
            a += 1
        while b > a and code[b - 1].isspace():
            b -= 1
        if a < b:
            trimmed.append((a, b))
    return trimmed


@dataclasses.dataclass
class Block:
    target: str
    span: tuple
    rules: list  # spans of the rules
    marked: list  # for each rule its relation's span when it is marked pre-empted, else None


@dataclasses.dataclass
class Table:
    boxes: str  # the box table it runs over: "kBoxes"
    blocks: list


def pass_tables(code):
    """Every `const Pass kName = {kBoxes.rows, {blocks}, {constants}}` of a file. A block
    is `{Target, {rules}}`, a rule `[](X x) { return formula; }`, or one marked pre-empted
    `PreEmpted("reason", [](X x) { return formula; })`."""
    tables = []
    for match in re.finditer(r"const Pass \w+ = \{\s*(\w+)\.rows\s*,", code):
        start = match.start() + code[match.start():].index("{")
        blocks = groups(code, start)[0]
        table = Table(match.group(1), [])
        for span in groups(code, blocks[0]):
            target = re.match(r"\{\s*(\w+)\s*,", code[span[0]:span[1]]).group(1)
            rules_group = groups(code, span[0])[0]
            rules = elements(code, rules_group[0] + 1, rules_group[1] - 1)
            marked = []
            for rule in rules:
                if code.startswith("PreEmpted(", rule[0]):
                    inner = elements(code, rule[0] + len("PreEmpted("), closing(code, rule[0] + 9, "()") - 1)
                    marked.append(inner[-1])  # the reason, a string, is blanked out
                else:
                    marked.append(None)
            table.blocks.append(Block(target, span, rules, marked))
        tables.append(table)
    return tables


@functools.cache
def box_names(path, table):
    """The boxes of the unit's box table `table`, from the enum its count closes."""
    header = (ROOT / path).with_suffix(".h").read_text()
    count = re.search(rf"\b{table} =\s*DeclareBoxes<(\w+)>", header).group(1)
    body = re.search(rf"enum \w+ \{{([^}}]*\b{count}\b[^}}]*)\}}", header).group(1)
    return [n.strip() for n in body.split(",") if n.strip() and n.strip() != count]


def formula_spans(code):
    """Where a file declares formulas, each with a name for the descriptions: the rules and
    constants of its passes, its relations and the helpers that make terms."""
    spans = []
    for table in pass_tables(code):
        for block in table.blocks:
            for r, (rule, relation) in enumerate(zip(block.rules, block.marked)):
                spans.append((rule[0], rule[1], f"{block.target} rule {r + 1}"))
                if relation:  # the relation of a rule marked pre-empted, inside its mark
                    spans.append((relation[0], relation[1], f"{block.target} rule {r + 1}"))
    for match in re.finditer(r"\[\]\(X(?: x)?\) \{", code):
        spans.append((match.start(), closing(code, match.end() - 1), "a formula"))
    for match in re.finditer(r"\bconst (?:std::vector<)?Relation>? (\w+)(\(|\s*=)", code):
        if match.group(2) == "(":
            spans.append((match.start(), closing(code, match.end() - 1, "()"), match.group(1)))
    for match in re.finditer(r"\b(?:Term|std::vector<Relation>) (\w+)\([^)]*\)(?: const)? \{", code):
        spans.append((match.start(), closing(code, match.end() - 1), match.group(1)))
    return spans


def innermost(spans, offset):
    """The name of the smallest span around `offset`, or None."""
    around = [(end - start, name) for start, end, name in spans if start <= offset < end]
    return min(around)[1] if around else None


def functions(code):
    """Every function defined in a file, as (start, end, return type, name)."""
    found = []
    for match in re.finditer(r"^ *(?:(?:static|inline|constexpr|explicit) )*((?:const )?[\w:<>]+[&*]?) "
                             r"(\w+(?:::\w+)?)\([^;{}()]*(?:\([^;{}()]*\)[^;{}()]*)*\)(?: const)? \{", code, re.M):
        if match.group(1) in ("return", "else", "new", "throw"):
            continue
        found.append((match.start(), closing(code, match.end() - 1), match.group(1), match.group(2)))
    return found


# -------------------------------------------------------------------------- mutations

# An operand of a product: a box read strictly or leniently, a constant, a helper that
# makes a term from the operands, a number.
TOKEN = r"(?:x\[\w+\]|x\.\w+\(\w+\)|\w+\(x(?:, \w+)*\)|Term\([\w.]+\)|[\w.]+)"
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
    unit = path.startswith("calc/")
    spans = formula_spans(code)

    # The kinds that change an expression say where it is: "P rule 2", "kNominalValue".
    expression = {"arith", "regroup", "constant", "read", "unround"}
    defined = functions(code)
    layout = [(start, end) for start, end, _, name in defined if name in LAYOUT.get(path, [])]

    # What a formula returns, where it is written out: a rule's, a relation's, a helper's.
    returned = []
    for start, end, _ in spans:
        match = re.compile(r"\{ return (.*?); \}", re.S).search(code, start, end)
        if match:
            returned.append(match.span(1))

    def add(kind, offset, old, new, where):
        if any(start <= offset < end for start, end in layout):
            return
        place = innermost(spans, offset)
        if kind in expression and place:
            # The formula before and after, where it is short enough to read.
            for start, end in returned:
                if start <= offset and offset + len(old) <= end and end - start <= 90:
                    before = text[start:end]
                    after = text[start:offset] + new + text[offset + len(old):end]
                    where = f"{' '.join(before.split())} -> {' '.join(after.split())}"
                    break
            if place != "a formula":
                where = f"{place}: {where}"
        found.setdefault(kind, []).append(Mutant(path, kind, offset, old, new, where))

    def in_formula(offset):
        return innermost(spans, offset) is not None

    def around(offset, width=24):
        """The code around `offset` on its line, for a description."""
        start = max(code.rfind("\n", 0, offset) + 1, offset - width)
        end = code.find("\n", offset)
        end = min(len(code) if end < 0 else end, offset + width)
        return " ".join(text[start:end].split())

    for table in pass_tables(code):
        blocks = table.blocks
        boxes = box_names(path, table.boxes)
        for b, block in enumerate(blocks):
            n = len(block.rules)
            if n == 1 and len(blocks) > 1:
                # A block of one rule goes as a whole, with the separator after it (before
                # it for the last block).
                start, end = block.span
                cut = (start, blocks[b + 1].span[0]) if b + 1 < len(blocks) else (blocks[b - 1].span[1], end)
                add("delete", cut[0], text[cut[0]:cut[1]], "", f"deletes the {block.target} block, one rule")
            for r, (rule, relation) in enumerate(zip(block.rules, block.marked)):
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
                # A box the rule reads, each time, read as another box of its unit instead.
                reads = re.compile(r"\bx(?:\[(\w+)\]|\.leading\((\w+)\))")
                read = {m.group(1) or m.group(2) for m in reads.finditer(code, *rule)}
                names = [x for x in boxes if x in read]
                others = [x for x in boxes if x not in names and x != block.target]
                if names and others:
                    k = (b + r) % len(names)
                    other = others[(b + r) % len(others)]

                    def swapped(m):
                        name = m.group(1) or m.group(2)
                        return m.group(0).replace(name, other) if name == names[k] else m.group(0)

                    add("operands", rule[0], text[rule[0]:rule[1]],
                        reads.sub(swapped, text[rule[0]:rule[1]]), f"{label}: reads {other} for {names[k]}")
                if relation:
                    add("mark", rule[0], text[rule[0]:rule[1]], text[relation[0]:relation[1]],
                        f"{label}: drops its pre-empted mark")
            if b + 1 < len(blocks):
                s1, e1 = block.span
                s2, e2 = blocks[b + 1].span
                add("blocks", s1, text[s1:e2], text[s2:e2] + text[e1:s2] + text[s1:e1],
                    f"swaps the {block.target} and {blocks[b + 1].target} blocks")
    # Text joined to text: on a line with a string, or in a function that makes text.
    text_functions = [(start, end) for start, end, kind, _ in defined if kind in ("std::string", "Printed")]
    lines = text.split("\n")
    for match in re.finditer(r" ([*/+-]) ", code):
        offset, op = match.start(1), match.group(1)
        if unit and not in_formula(offset):
            continue
        line = lines[text.count("\n", 0, offset)]
        if op in "+-" and ('"' in line or "std::string" in line or
                           any(start <= offset < end for start, end in text_functions)):
            continue
        add("arith", offset, op, ARITH[op], f"{around(offset)}: '{op}' -> '{ARITH[op]}'")
    for pattern, replace in [(rf"({TOKEN}) \* \(({TOKEN}) \* ({TOKEN})\)", r"(\1 * \2) * \3"),
                             (rf"\(({TOKEN}) \* ({TOKEN})\) \* ({TOKEN})", r"\1 * (\2 * \3)"),
                             (rf"\(({TOKEN}) \* ({TOKEN})\) / ({TOKEN})", r"\1 * (\2 / \3)")]:
        for match in re.finditer(pattern, code):
            old = text[match.start():match.end()]
            new = match.expand(replace)
            add("regroup", match.start(), old, new, f"{old} -> {new}")
    # A box read leniently ("90 ohms" counts as 90) or strictly, the other way.
    for match in re.finditer(r"\bx\.leading\((\w+)\)|\bx\[(\w+)\]", code):
        if not in_formula(match.start()):
            continue
        old = text[match.start():match.end()]
        new = f"x[{match.group(1)}]" if match.group(1) else f"x.leading({match.group(2)})"
        add("read", match.start(), old, new, f"{old} -> {new}")
    # A value no longer rounded through its text.
    for match in re.finditer(r"\bRounded\(", code):
        end = closing(code, match.end() - 1, "()")
        inner = code[match.end():end - 1]
        value = text[match.end():match.end() + inner.rindex(",")]
        add("unround", match.start(), text[match.start():end], f"({value})",
            f"{text[match.start():end]} -> ({value})")
    for match in re.finditer(r" (<=|>=|==|!=|<|>) ", code):
        op = match.group(1)
        add("compare", match.start(1), op, COMPARE[op], f"{around(match.start(1))}: '{op}' -> '{COMPARE[op]}'")
    for match in re.finditer(r"(?<![\w.\[])(\d+\.\d+|\d+)(?![\w.'\]>])", code):
        literal = match.group(1)
        context = code[max(0, match.start() - 1):match.start()]
        if context == "[" or literal in ("0",) and "." not in literal:
            continue
        add("constant", match.start(), literal, bumped(literal),
            f"{around(match.start())}: {literal} -> {bumped(literal)}")
    for match in re.finditer(r"\bif \(!", code):
        cond = text[match.start():closing(code, match.end() - 2, "()")]
        add("negate", match.start(), "if (!", "if (", f"{' '.join(cond.split())}: drops the '!'")
    for match in re.finditer(r"\bif \((?!!)", code):
        end = closing(code, match.end() - 1, "()")
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
    files = registry_units()
    # The calculation core; the declarations, the settings and the JSON of the command
    # line have tests of their own that this measure does not run.
    files += sorted(path for path in QUOTAS if path.startswith("core/"))
    assert all(path in files for path in QUOTAS), "a quota names a file that is no unit of the registry"
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


def build(scratch, targets):
    result = run(["cmake", "--build", str(scratch / "build"), "--target", *targets, *PROBE_LIBRARIES], scratch,
                 scratch / "build.log")
    return result.returncode == 0


def tests_pass(scratch, names):
    result = run(["ctest", "--test-dir", str(scratch / "build"), "-R", names, "--stop-on-failure",
                  "--timeout", "120"], scratch, scratch / "tests.log", timeout=1800)
    return result.returncode == 0


# What the probe links, the library that uses the others first.
PROBE_LIBRARIES = ["ampora_request", "ampora_calc", "ampora_core"]


def compile_probe(scratch):
    """Compiles the probe once: it reads only headers, which no fault touches."""
    run(["g++", "-std=c++20", "-O2", "-c", "-I", str(scratch / "src"), str(scratch / "src/tools/mutation/probe.cpp"),
         "-o", str(scratch / "build/mutation_probe.o")], scratch).check_returncode()


def probe(scratch):
    """One digest per button of every calculator of everything it writes and tells over
    the probe's inputs, one of the work it records, and one of the conversions."""
    exe = scratch / "build" / "mutation_probe"
    run(["g++", str(scratch / "build/mutation_probe.o"),
         *[str(scratch / f"build/lib{library}.a") for library in PROBE_LIBRARIES], "-o", str(exe)],
        scratch).check_returncode()
    try:
        result = run([str(exe)], scratch, timeout=1200)
    except subprocess.TimeoutExpired:
        return {"the probe": "ran out of time"}
    digests = dict(line.split() for line in result.stdout.split("\n") if line.strip())
    if result.returncode != 0:
        digests["the probe"] = f"ended with {result.returncode}"
    return digests


def verdict(original, probed):
    """Whether a fault the tests missed changes what the probe saw, and where."""
    changed = [name for name in sorted(set(original) | set(probed)) if original.get(name) != probed.get(name)]
    results = [name for name in changed if not name.endswith("/explained")]
    explained = [name.removesuffix("/explained") for name in changed if name.endswith("/explained")]
    if results:
        return "SURVIVED", "changes results of " + ", ".join(results)
    if explained:
        return "SURVIVED", "changes only the recorded work of " + ", ".join(explained)
    return "equivalent", "no result changes over the probe's inputs"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--scratch", default="/tmp/ampora-mutation", type=Path)
    parser.add_argument("--only", action="append",
                        help="plant only the faults whose description contains this text (repeat for several)")
    parser.add_argument("--list", action="store_true", help="list the faults and stop")
    args = parser.parse_args()

    planted = [m for m in mutants() if not args.only or any(o in f"{m.path} {m.kind} {m.where}" for o in args.only)]
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
    targets, names = test_targets()
    print(f"building the original in {scratch} ...", flush=True)
    if not build(scratch, targets) or not tests_pass(scratch, names):
        print(f"the original does not build or pass its tests: see {scratch}/build.log and tests.log")
        return 1
    compile_probe(scratch)
    original = probe(scratch)

    results = []
    started = time.time()
    for k, m in enumerate(planted, 1):
        source = scratch / "src" / m.path
        source.write_text(m.apply(texts[m.path]))
        try:
            if not build(scratch, targets):
                outcome, detail = "does not compile", ""
            elif not tests_pass(scratch, names):
                failed = re.findall(r"\d+ - (\S+) \(", (scratch / "tests.log").read_text())
                outcome, detail = "caught", ", ".join(failed)
            else:
                outcome, detail = verdict(original, probe(scratch))
        finally:
            source.write_text(texts[m.path])
        results.append((m, outcome, detail))
        print(f"[{k}/{len(planted)} {time.time() - started:5.0f} s] {outcome:17} {m.path}:{m.line(texts[m.path])} "
              f"{m.kind}: {m.where}" + (f" ({detail})" if detail else ""), flush=True)
    build(scratch, targets)

    count = {o: sum(1 for _, outcome, _ in results if outcome == o)
             for o in ("caught", "SURVIVED", "equivalent", "does not compile")}
    live = count["caught"] + count["SURVIVED"]
    work_only = sum(1 for _, outcome, detail in results if outcome == "SURVIVED" and "recorded work" in detail)
    print()
    print(f"planted {len(results)}: caught {count['caught']}, survived {count['SURVIVED']} ({work_only} of them "
          f"change only the recorded work), equivalent {count['equivalent']}, did not compile "
          f"{count['does not compile']}")
    if live:
        print(f"score: {count['caught']} of {live} faults that change a result or the recorded work caught "
              f"({100.0 * count['caught'] / live:.1f} %)")
    for m, outcome, detail in results:
        if outcome in ("SURVIVED", "equivalent"):
            print(f"  {outcome}: {m.path}:{m.line(texts[m.path])} {m.kind}: {m.where} ({detail})")
    return 0 if count["SURVIVED"] == 0 else 2


if __name__ == "__main__":
    sys.exit(main())
