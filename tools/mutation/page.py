#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Mutation testing of the web page's modules.

Plants small, realistic faults one at a time in a scratch copy of the built site's
JavaScript modules (app.js, drawing.js, engine.js, form_drawing.js, forms.js): a comparison
or a boolean operator flipped, a condition negated or its '!' dropped, a statement deleted,
an event listener never added, a text set or read as markup (textContent -> innerHTML),
children added where they replace, two arguments of a call or two property names swapped,
a number off by one, a string constant changed, an early return at the top of a function,
an `await` dropped, an optional chain made plain. For each fault it runs the page's browser
tests (web/test/page.mjs of this tree) against the mutated copy, first the forms part and,
where that passes, the differential part, each stopping at its first failure
(AMPORA_WEB_FAIL_FAST=1) and the differential with 10 generated inputs per calculator
rather than 200 (AMPORA_WEB_INPUTS), and records whether any check failed. A fault no test
catches is counted as equivalent when EQUIVALENT says why it cannot change what a user sees
or gets, and as survived otherwise.

    tools/mutation/page.py                 # every fault
    tools/mutation/page.py --list          # the faults it would plant
    tools/mutation/page.py --only markup   # the faults whose description contains "markup"
    tools/mutation/page.py --site DIR --calc PATH --modes forms,solution

Its last full run, `tools/mutation/page.py --site /work/pagemut-site --calc /work/pagemut-calc`
(copies of a fresh build; 50 minutes on 2 cores shared with a build), planted 126 faults: 95
caught (every one by the forms part: the differential part caught nothing more), 13
equivalent and 18 survived. For the survivors that change what a user sees the tests then
gained Tab on the panel, the readings as typed as well as after a press, the caret of a box
a press wrote, the summary's rows in the drawings' digest and the fonts in the wide layout's;
those survivors planted again with --only (5 minutes): 7 caught, 1 more equivalent; the other
10 are in EQUIVALENT. In all: 126 planted, 102 caught, 24 equivalent, 0 survived: all 102
faults that change what a user sees or gets are caught (100 %).

The scratch copy lives in --scratch (default /tmp/ampora-page-mutation): the site, the tests
as they stood when the run began, and the browser's profiles (TMPDIR), emptied after each run. The site given is only read. Not run
by CI.
"""

import argparse
import dataclasses
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
MODULES = ["app.js", "drawing.js", "engine.js", "form_drawing.js", "forms.js"]

# How many faults of each kind to plant per module, at most; the candidates are picked
# evenly through the module.
QUOTAS = {
    "app.js": dict(compare=4, boolean=3, negate=4, statement=6, listener=5, markup=3, dom=2, arguments=2,
                   property=2, number=2, string=4, early=4, await_=2, optional=2),
    "forms.js": dict(compare=4, boolean=3, negate=4, statement=6, listener=2, markup=1, arguments=3,
                     property=3, number=2, string=3, early=4, optional=2),
    "form_drawing.js": dict(compare=3, boolean=2, negate=3, statement=5, markup=3, dom=1, arguments=2,
                            property=2, number=2, string=3, early=3, optional=2),
    "drawing.js": dict(compare=1, statement=2, arguments=1, property=1, number=1, string=1, early=2),
    "engine.js": dict(number=1, statement=1, early=1, await_=1, arguments=1),
}

# Faults that once went unnoticed by every test, planted whatever the sampling.
NAMED = []

# Faults that change nothing a user sees or gets, each with the reason. A survivor whose
# description holds the words given is counted here rather than as a gap.
EQUIVALENT = [
    ("app.js", "markup", "$('solution-status').textContent = 'Copy the solution from the box.';",
     "a constant sentence without markup reads the same as text or as markup"),
    ("forms.js", "optional", "{pressed: this.pressedLink ?? null})?.link;",
     "the engine refuses no share event the page sends: its controls only ever hold what it set"),
    ("app.js", "compare", "if (at < 0) return;",
     "Tab at the page's first stop, the header's home link, is left to the browser, whose order is the page's there"),
    ("app.js", "number", "if (at < 0) return;",
     "Tab at the page's first stop, the header's home link, is left to the browser, whose order is the page's there"),
    ("app.js", "dom", "$('form-slot').replaceChildren();",
     "the panel hides the calculator's view, and the next calculator opened replaces what the slot holds"),
    ("app.js", "listener", "'close'",
     "no press tells more than one thing at once, and the browser gives the focus back when a dialog closes"),
    ("app.js", "negate", "if (!focusAfter)",
     "no press tells more than one thing at once, and the browser gives the focus back when a dialog closes"),
    ("app.js", "markup", "'Link copied.'", "a constant text with no markup"),
    ("app.js", "number", "120 -> 121", "a twip more margin: a fifteenth of a pixel, lost in the rounding"),
    ("app.js", "optional", "current?.reread()", "the prefixes box is only ever shown with a calculator open"),
    ("app.js", "optional", "querySelector('a')?.focus()", "the chooser always holds its calculators' links"),
    ("app.js", "statement", "if (!fragment) return;",
     "Copy link is only shown with a calculator open, and the engine never refuses to share"),
    ("engine.js", "arguments", "module._ampora_answer", "the page only ever asks the engine events, never answers"),
    ("engine.js", "statement", "module._free(at);",
     "leaks each event's text, some hundred bytes a press: nothing shown or given changes in a visit"),
    ("forms.js", "statement", "this.ui.report([{title: this.decl.caption, text: answer.error}]);",
     "the engine refuses only events the page never sends"),
    ("forms.js", "optional", "this.#send('share', null)?.link",
     "the engine refuses only events the page never sends"),
    ("forms.js", "boolean", "if (button && this.#visible(button) && !button.disabled)",
     "the default the engine names is always a button that is shown, and no button is ever disabled"),
    ("forms.js", "boolean", "if (!e || !this.#visible(e) || e.disabled || !e.matches",
     "no control is ever disabled, and every control a tab order names is a box, a button, an option or a list"),
    ("forms.js", "compare", "(kind === 'input' && !(event.target instanceof HTMLInputElement))",
     "the engine moves the default only when a box gains or loses the focus or is edited, and a list's choice "
     "changes no reading"),
    ("forms.js", "string", "'radio' -> 'radi' in for (const [name, e] of this.controls)",
     "an option is only ever hidden with its frame, which hides its caption as well"),
    ("form_drawing.js", "markup", "if (text !== undefined) e.textContent = text;",
     "it sets only the declarations' captions and the engine's readings, none of which holds markup or '&'"),
    ("form_drawing.js", "markup", "e.textContent = text;",
     "a reading is the engine's number with its unit, never markup, whatever a box holds"),
    ("form_drawing.js", "markup", ".summary-reading').textContent = text;",
     "a reading is the engine's number with its unit, never markup, whatever a box holds"),
    ("form_drawing.js", "number", "e.dataset.captionOf = captionOf[0]",
     "data-caption-of is read by nothing: neither the style sheet nor the page's modules"),
    ("form_drawing.js", "optional", "this.decl.spoken[box.name]?.name",
     "the forms document speaks for every box"),
    ("form_drawing.js", "property", "named.name = `${this.decl.name}",
     "an option group's name stays one per frame of the form, whichever of the form's names it is made of"),
    ("form_drawing.js", "string", "const caption = element('span', 'frame-caption'",
     "a frame's caption is drawn and named the same in an unknown element as in a span"),
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

    def describe(self, text):
        return f"{self.path}:{self.line(text)} {self.kind}: {self.where}"


# ---------------------------------------------------------------------------- parsing

def masked(text):
    """The text with comments and the insides of string and template literals blanked out,
    the same length (a template's ${expressions} stay code), and the spans of the string
    literals' insides."""
    out = list(text)
    strings = []
    n = len(text)

    def blank(a, b):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = " "

    def string(i):
        j = i + 1
        while text[j] != text[i]:
            j += 2 if text[j] == "\\" else 1
        blank(i + 1, j)
        strings.append((i + 1, j))
        return j + 1

    def template(i):
        j = start = i + 1
        while text[j] != "`":
            if text[j] == "\\":
                j += 2
            elif text.startswith("${", j):
                blank(start, j)
                j = start = code(j + 2, True) + 1
            else:
                j += 1
        blank(start, j)
        return j + 1

    def code(i, closing):
        depth = 0
        while i < n:
            if text.startswith("//", i):
                end = text.find("\n", i)
                end = n if end < 0 else end
                blank(i, end)
                i = end
            elif text.startswith("/*", i):
                end = text.index("*/", i) + 2
                blank(i, end)
                i = end
            elif text[i] in "'\"":
                i = string(i)
            elif text[i] == "`":
                i = template(i)
            elif text[i] == "{":
                depth += 1
                i += 1
            elif text[i] == "}":
                if depth == 0 and closing:
                    return i
                depth -= 1
                i += 1
            else:
                i += 1
        return i

    code(0, False)
    return "".join(out), strings


def closing(code, i, pair):
    """The index after the bracket that closes the one at i."""
    depth = 0
    for j in range(i, len(code)):
        if code[j] == pair[0]:
            depth += 1
        elif code[j] == pair[1]:
            depth -= 1
            if depth == 0:
                return j + 1
    raise ValueError("unbalanced " + pair)


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


# -------------------------------------------------------------------------- mutations

COMPARE = {"===": "!==", "!==": "===", "<": "<=", "<=": "<", ">": ">=", ">=": ">"}
BOOLEAN = {"&&": "||", "||": "&&"}
# Property names a slip swaps for their partner.
PARTNERS = {
    "left": "top", "top": "left", "width": "height", "height": "width", "x2": "y2", "y2": "x2",
    "title": "text", "text": "title", "readings": "preferred", "preferred": "readings", "options": "lists",
    "lists": "options", "caption": "name", "name": "caption", "checked": "hidden", "hidden": "checked",
    "focusin": "focusout", "focusout": "focusin", "altKey": "shiftKey", "shiftKey": "altKey",
    "isConnected": "hidden", "value": "defaultValue",
}
KEYWORDS = ("if", "for", "while", "switch", "catch", "function", "return", "typeof", "await", "new", "of", "in")
STATEMENT_STARTS = ("const ", "let ", "return", "throw ", "import ", "export ", "break", "continue", "case ",
                    "default:", "else", "}", "{", "//")


def candidates(path, text):
    code, strings = masked(text)
    found = {}
    lines_at = [m.start() for m in re.finditer(r"^", text, re.M)]

    def snippet(offset):
        start = text.rfind("\n", 0, offset) + 1
        end = text.find("\n", offset)
        return " ".join(text[start:end if end >= 0 else len(text)].split())[:90]

    def add(kind, offset, old, new, where):
        found.setdefault(kind, []).append(Mutant(path, kind, offset, old, new, where))

    for match in re.finditer(r" (===|!==|<=|>=|<|>) ", code):
        op = match.group(1)
        add("compare", match.start(1), op, COMPARE[op], f"'{op}' -> '{COMPARE[op]}' in {snippet(match.start())}")
    for match in re.finditer(r" (&&|\|\|) ", code):
        op = match.group(1)
        add("boolean", match.start(1), op, BOOLEAN[op], f"'{op}' -> '{BOOLEAN[op]}' in {snippet(match.start())}")

    # A condition negated, or its '!' dropped.
    for match in re.finditer(r"\b(if|while) \(", code):
        end = closing(code, match.end() - 1, "()")
        inner = (match.end(), end - 1)
        if code[inner[0]] == "!" and code[inner[0] + 1] != "=":
            add("negate", inner[0], "!", "", f"drops the '!' of {snippet(match.start())}")
        else:
            cond = text[inner[0]:inner[1]]
            add("negate", inner[0], cond, f"!({cond})", f"negates {snippet(match.start())}")
    for match in re.finditer(r"(?<=[(\s])!(?!=)(?=[\w$(.#])", code):
        if code[match.start() - 1] == "(" and re.search(r"\b(if|while) \($", code[:match.start()]):
            continue  # a condition's own '!', above
        add("negate", match.start(), "!", "", f"drops a '!' in {snippet(match.start())}")
    for match in re.finditer(r"\? ", code):
        # A conditional expression's two branches' condition negated: `a ? b : c` read as `!a`.
        if code[match.start() - 1] in "?.":
            continue
        start = max(code.rfind(c, 0, match.start()) for c in "(=,:{\n") + 1
        while code[start] == " ":
            start += 1
        cond = text[start:match.start()].rstrip()
        if cond and "?" not in cond and len(cond) < 50 and not cond.startswith("return"):
            add("negate", start, cond, f"!({cond})", f"negates the choice {snippet(match.start())}")

    # A statement deleted: a whole line that is one statement.
    for k, start in enumerate(lines_at):
        end = text.find("\n", start)
        end = len(text) if end < 0 else end
        line = code[start:end]
        stripped = line.strip()
        if not stripped.endswith(";") or stripped.startswith(STATEMENT_STARTS):
            continue
        if any(line.count(a) != line.count(b) for a, b in ("()", "[]", "{}")):
            continue
        indent = len(line) - len(line.lstrip())
        if indent == 0:
            continue
        add("statement", start + indent, text[start + indent:end], "", f"deletes '{snippet(start)}'")

    # An event listener never added: the same as deleting it, wherever the call stands.
    for match in re.finditer(r"\.addEventListener\(", code):
        end = closing(code, match.end() - 1, "()")
        args = elements(code, match.end(), end - 1)
        event = text[args[0][0]:args[0][1]]
        add("listener", match.start(), ".addEventListener(", ".removeEventListener(",
            f"never listens for {event}: {snippet(match.start())}")

    # Text as markup, and children added where they should replace.
    for match in re.finditer(r"\.textContent\b", code):
        add("markup", match.start(), ".textContent", ".innerHTML", f"textContent -> innerHTML in {snippet(match.start())}")
    for match in re.finditer(r"\.replaceChildren\(", code):
        add("dom", match.start(), ".replaceChildren(", ".append(", f"appends rather than replaces: {snippet(match.start())}")

    # Two arguments of a call swapped: the first two of a call of two or more short ones.
    for match in re.finditer(r"\b(\w+)\(", code):
        if match.group(1) in KEYWORDS:
            continue
        end = closing(code, match.end() - 1, "()")
        args = elements(code, match.end(), end - 1)
        if len(args) < 2:
            continue
        (a0, a1), (b0, b1) = args[0], args[1]
        first, second = text[a0:a1], text[b0:b1]
        if first == second or len(first) > 40 or len(second) > 40 or "\n" in first + second or "=>" in first + second:
            continue
        add("arguments", a0, text[a0:b1], second + text[a1:b0] + first,
            f"swaps {first} and {second} in {snippet(match.start())}")

    # A property's name swapped for its partner's.
    for match in re.finditer(r"(?<=\.)(#?\w+)\b|\b(\w+)(?=: )", code):
        name = match.group(1) or match.group(2)
        if name in PARTNERS:
            add("property", match.start(), name, PARTNERS[name], f"{name} -> {PARTNERS[name]} in {snippet(match.start())}")
    for start, end in strings:
        if text[start:end] in PARTNERS:
            name = text[start:end]
            add("property", start, name, PARTNERS[name], f"'{name}' -> '{PARTNERS[name]}' in {snippet(start)}")

    # A number off by one.
    for match in re.finditer(r"(?<![\w.])(\d+(?:\.\d+)?)(?![\w.])", code):
        literal = match.group(1)
        if "." in literal:
            new = str(float(literal) + 1).removesuffix(".0") if literal.endswith(".5") else literal + "1"
        else:
            new = str(int(literal) + 1) if literal != "1" else "0"
        add("number", match.start(), literal, new, f"{literal} -> {new} in {snippet(match.start())}")

    # A string constant changed: its last character dropped, an empty one given a space.
    for start, end in strings:
        old = text[start:end]
        new = old[:-1] if old else " "
        if old.endswith(("\\u", "\\")):
            continue
        add("string", start, old, new, f"'{old}' -> '{new}' in {snippet(start)}")

    # A return at the top of a function.
    for match in re.finditer(r"(?:=> |\bfunction \w*\([^)]*\) |^ +(?:async )?(?:static )?(#?\w+)\([^)]*\) )\{\n",
                             code, re.M):
        if match.group(1) in KEYWORDS:
            continue
        brace = match.end() - 2
        add("early", brace + 1, "", " return;", f"returns at once from {snippet(brace)}")

    for match in re.finditer(r"\bawait ", code):
        add("await_", match.start(), "await ", "", f"drops an await in {snippet(match.start())}")
    for match in re.finditer(r"\?\.(?=[\w#])", code):
        add("optional", match.start(), "?.", ".", f"'?.' -> '.' in {snippet(match.start())}")
    return found


def pick(items, quota):
    if quota >= len(items):
        return items
    return [items[int((k + 0.5) * len(items) / quota)] for k in range(quota)]


def mutants(site):
    chosen = []
    for path in MODULES:
        text = (site / path).read_text()
        found = candidates(path, text)
        quota = QUOTAS[path]
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

def page_test(scratch, calc, mode, inputs, timeout):
    """Runs page.mjs's `mode` against the scratch site: (passed, the last lines it printed)."""
    profiles = scratch / "tmp"
    profiles.mkdir(exist_ok=True)
    env = dict(os.environ, AMPORA_WEB_FAIL_FAST="1", AMPORA_WEB_INPUTS=str(inputs), TMPDIR=str(profiles))
    env.pop("AMPORA_WEB_SCREENSHOTS", None)
    # "solution" is the solutions' test of its own (solution.mjs); the others, page.mjs's parts.
    script = ["test/solution.mjs"] if mode == "solution" else ["test/page.mjs"]
    command = ["node", str(scratch / script[0]), str(scratch / "site"), str(calc)] + ([] if mode == "solution" else [mode])
    process = subprocess.Popen(command, cwd=scratch, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               text=True, start_new_session=True)
    try:
        output, _ = process.communicate(timeout=timeout)
        passed = process.returncode == 0
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        output, _ = process.communicate()
        output += f"\nran out of time after {timeout} s"
        passed = False
    finally:
        shutil.rmtree(profiles, ignore_errors=True)
    failed = [line for line in output.split("\n") if line.startswith("FAIL: ")]
    detail = failed[0][6:] if failed else output.strip().split("\n")[-1]
    return passed, " ".join(detail.split())[:200]


def equivalent(m):
    for path, kind, words, reason in EQUIVALENT:
        if path == m.path and kind == m.kind and words in m.where:
            return reason
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--site", default=ROOT / "build/web/site", type=Path, help="the built site")
    parser.add_argument("--calc", default=ROOT / "build/release/ampora-calc", type=Path, help="ampora-calc")
    parser.add_argument("--scratch", default="/tmp/ampora-page-mutation", type=Path)
    parser.add_argument("--modes", default="forms,solution,differential",
                        help="the parts to run, in order: page.mjs's forms and differential, solution.mjs")
    parser.add_argument("--inputs", default=10, type=int, help="generated inputs per calculator (differential)")
    parser.add_argument("--timeout", default=300, type=int, help="seconds for one part")
    parser.add_argument("--only", action="append",
                        help="plant only the faults whose description contains this text (repeat for several)")
    parser.add_argument("--list", action="store_true", help="list the faults and stop")
    args = parser.parse_args()
    site, calc = args.site.resolve(), args.calc.resolve()
    modes = args.modes.split(",")

    planted = [m for m in mutants(site) if not args.only or any(o in f"{m.path} {m.kind} {m.where}" for o in args.only)]
    texts = {path: (site / path).read_text() for path in MODULES}
    if args.list:
        for k, m in enumerate(planted, 1):
            print(f"{k:3} {m.describe(texts[m.path])}")
        print(f"{len(planted)} faults")
        return 0

    scratch = args.scratch.resolve()
    shutil.rmtree(scratch / "site", ignore_errors=True)
    scratch.mkdir(parents=True, exist_ok=True)
    shutil.copytree(site, scratch / "site")
    # The tests as they stand now, with the packages they load beside them.
    shutil.rmtree(scratch / "test", ignore_errors=True)
    shutil.copytree(ROOT / "web/test", scratch / "test")
    if not (scratch / "node_modules").exists():
        (scratch / "node_modules").symlink_to((ROOT / "web/node_modules").resolve())
    started = time.time()
    print(f"the original in {scratch} ...", flush=True)
    for mode in modes:
        passed, detail = page_test(scratch, calc, mode, args.inputs, args.timeout)
        if not passed:
            print(f"the original fails page.mjs {mode} ({detail}); once more ...", flush=True)
            passed, detail = page_test(scratch, calc, mode, args.inputs, args.timeout)
        if not passed:
            print(f"the original fails page.mjs {mode}: {detail}")
            return 1
    print(f"passes in {time.time() - started:.0f} s", flush=True)

    results = []
    started = time.time()
    for k, m in enumerate(planted, 1):
        target = scratch / "site" / m.path
        target.write_text(m.apply(texts[m.path]))
        outcome, detail = "SURVIVED", ""
        try:
            for mode in modes:
                passed, detail = page_test(scratch, calc, mode, args.inputs, args.timeout)
                if not passed:
                    outcome, detail = "caught", f"{mode}: {detail}"
                    break
        finally:
            target.write_text(texts[m.path])
        if outcome == "SURVIVED":
            reason = equivalent(m)
            if reason:
                outcome, detail = "equivalent", reason
        results.append((m, outcome, detail))
        print(f"[{k}/{len(planted)} {time.time() - started:5.0f} s] {outcome:10} {m.describe(texts[m.path])}"
              + (f" ({detail})" if detail else ""), flush=True)

    count = {o: sum(1 for _, outcome, _ in results if outcome == o) for o in ("caught", "SURVIVED", "equivalent")}
    live = count["caught"] + count["SURVIVED"]
    print()
    print(f"planted {len(results)} in {time.time() - started:.0f} s: caught {count['caught']}, "
          f"equivalent {count['equivalent']}, survived {count['SURVIVED']}")
    if live:
        print(f"score: {count['caught']} of {live} faults that change what a user sees or gets caught "
              f"({100.0 * count['caught'] / live:.1f} %)")
    for m, outcome, detail in results:
        if outcome in ("SURVIVED", "equivalent"):
            print(f"  {outcome}: {m.describe(texts[m.path])}" + (f" ({detail})" if outcome == "equivalent" else ""))
    return 0 if count["SURVIVED"] == 0 else 2


if __name__ == "__main__":
    sys.exit(main())
