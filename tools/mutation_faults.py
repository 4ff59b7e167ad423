"""The faults mutate plants, each one small edit of the kind a slip of the hand makes, and why a survivor may be
no fault at all."""

import re
from dataclasses import dataclass

from mutation_kinds import operand_faults, string_faults, swap_faults
from mutation_scan import matching_paren, scan


@dataclass
class Mutant:
    path: str
    start: int
    end: int
    replacement: str
    kind: str
    line: int
    original: str = ""
    outcome: str = ""
    seconds: float = 0.0
    killed_by: str = ""
    context: tuple = ("", "")  # what stands either side of the edit, where the edit alone says little
    why: str = ""  # for a survivor: why it is likely no fault at all

    def describe(self):
        before, after = self.context
        was = (before + self.original + after).strip() or self.original
        now = (before + self.replacement + after).strip() or "(nothing)"
        return f"{self.kind}: '{was}' -> '{now}'"


SWAPS = {
    " < ": (" <= ", "boundary"),
    " <= ": (" < ", "boundary"),
    " > ": (" >= ", "boundary"),
    " >= ": (" > ", "boundary"),
    " == ": (" != ", "comparison"),
    " != ": (" == ", "comparison"),
    " && ": (" || ", "boolean operator"),
    " || ": (" && ", "boolean operator"),
}
# Words after which a literal is not a value the program computes with.
NOT_A_CONSTANT_BEFORE = re.compile(r"(Q_PROPERTY|Q_DECLARE\w*|alignas|static_assert)\s*\($")


def find_mutants(path, text, vocabulary=None):
    code, literals = scan(text)
    line_of = [0] * (len(text) + 1)
    line = 1
    for k, ch in enumerate(text):
        line_of[k] = line
        if ch == "\n":
            line += 1
    line_of[len(text)] = line
    found = []

    seen = set()

    def add(start, end, replacement, kind):
        if (start, end, replacement) not in seen:
            seen.add((start, end, replacement))
            mu = Mutant(path, start, end, replacement, kind, line_of[start], text[start:end])
            if kind == "string":  # the word the character is in
                left = re.search(r"[^\s\"(]*$", text[max(0, start - 20) : start]).group(0)
                mu.context = (left, re.match(r"[^\s\"]*", text[end : end + 20]).group(0))
            found.append(mu)

    # Comparisons, their boundaries and boolean operators: the house format puts blanks around binary
    # operators, and never around a template's angle brackets.
    for m in re.finditer(r" (<=|>=|==|!=|<|>|&&|\|\|) ", code):
        op = m.group(0)
        if op in (" < ", " > ") and re.search(r"(operator|template)\s*$", code[: m.start() + 1]):
            continue
        replacement, kind = SWAPS[op]
        add(m.start(), m.end(), replacement, kind)

    # A negation dropped.
    for m in re.finditer(r"!(?=[\w(])", code):
        add(m.start(), m.end(), "", "negation dropped")

    # A constant off by one, both ways (not inside a name, a float or a hexadecimal's letters).
    for m in re.finditer(r"(?<![\w.'])(\d+)(?![\w.'])", code):
        if NOT_A_CONSTANT_BEFORE.search(code[max(0, m.start() - 40) : m.start()]):
            continue
        value = int(m.group(1))
        add(m.start(), m.end(), str(value + 1), "constant +1")
        if value > 0:
            add(m.start(), m.end(), str(value - 1), "constant -1")

    # A branch forced: the whole condition of an if, however many lines it takes.
    for m in re.finditer(r"\bif (constexpr )?\(", code):
        if m.group(1):
            continue
        open_at = m.end() - 1
        close_at = matching_paren(code, open_at)
        if close_at < 0 or ";" in code[open_at:close_at]:  # an if with an initialiser: left alone
            continue
        for forced in ("true", "false"):
            add(open_at + 1, close_at, forced, "branch forced")

    # A return removed where that still compiles: a void function's early return; a boolean flipped where
    # the value is a constant.
    for m in re.finditer(r"\breturn;", code):
        add(m.start(), m.end(), ";", "return removed")
    for m in re.finditer(r"\breturn (true|false);", code):
        flipped = "false" if m.group(1) == "true" else "true"
        add(m.start(), m.end(), f"return {flipped};", "returned constant flipped")

    # A call removed: a statement of its own that is nothing but a call (no declaration, no assignment).
    for m in re.finditer(r"(?m)^([ \t]*)(?:Q_EMIT |emit )?((?:[A-Za-z_]\w*(?:::|->|\.))*[A-Za-z_]\w*)\(", code):
        head = m.group(2)
        if head.split("::")[-1].split(".")[-1].split("->")[-1] in KEYWORDS_LIKE_CALLS:
            continue
        open_at = m.end() - 1
        close_at = matching_paren(code, open_at)
        if close_at < 0:
            continue
        tail = STATEMENT_END.match(code, close_at + 1)
        if tail:
            add(m.start() + len(m.group(1)), tail.end(), ";", "call removed")

    string_faults(path, text, code, literals, add)
    swap_faults(text, code, add)
    operand_faults(text, code, add)
    if vocabulary:
        vocabulary.faults(code, add)

    found.sort(key=lambda mu: (mu.start, mu.kind, mu.replacement))
    return found


STATEMENT_END = re.compile(r"\s*;")
KEYWORDS_LIKE_CALLS = {
    "if", "for", "while", "switch", "return", "sizeof", "Q_OBJECT", "Q_PROPERTY", "Q_UNUSED",
    "Q_DECLARE_TR_FUNCTIONS", "Q_DISABLE_COPY", "Q_DISABLE_COPY_MOVE", "Q_INTERFACES", "Q_PLUGIN_METADATA",
    "static_assert", "Q_DECLARE_METATYPE", "Q_ENUM", "Q_GADGET", "Q_NAMESPACE", "QTEST_MAIN",
    "QTEST_GUILESS_MAIN", "QTEST_APPLESS_MAIN", "Q_IMPORT_PLUGIN", "Q_LOGGING_CATEGORY",
}


# Survivors that are likely no fault at all, by the kind of fault and the line it is on: (kinds, line, why).
LIKELY_EQUIVALENT = [
    ({"call removed", "constant +1", "constant -1"}, re.compile(r"\b(reserve|squeeze|shrink_to_fit)\("),
     "a capacity hint: the values are the same"),
    ({"constant +1", "constant -1", "named constant"},
     re.compile(r"(?i)(timeout|interval|msec|\bms\b|seconds|sleep|waitFor|deadline)"),
     "a timing constant: only a timed test could tell"),
    ({"constant +1", "constant -1", "call removed", "returned constant flipped"},
     re.compile(r"(setContentsMargins|setSpacing|setMinimum|setMaximum|setFixed|addSpacing|addStretch|setWordWrap"
                r"|setMargin|resize)\("), "layout: seen on screen, not asserted"),
    ({"constant +1", "constant -1", "boundary"}, re.compile(r"\b(fd|descriptor)\b.*[<>]=? [01]\b|[<>]=? [01]\b.*"
                                                          r"\bfd\b"), "a descriptor's 0 is never one we opened"),
    ({"string"}, re.compile(r"\b(qDebug|qInfo)\b"), "a debugging message no one reads"),
]


def likely_equivalent(mu, text):
    line = text.splitlines()[mu.line - 1] if mu.line <= len(text.splitlines()) else ""
    if mu.kind == "constant +1" and mu.original == "1" and text[mu.start - 1 : mu.start] == "-":
        return "-1 turned -2: a sentinel, whose sign alone is likely read"
    if mu.kind.startswith("constant") and re.match(r"\s*(\w+ )+m_\w+ = -?\d+;", line):
        return "a member's default: equivalent where every constructor sets it"
    for kinds, pattern, why in LIKELY_EQUIVALENT:
        if mu.kind in kinds and pattern.search(line):
            return why
    return ""
