"""The faults that look like a slip in what a program says or names: a character of a string, two arguments
in the wrong order, the wrong one of a family of names, a clause or an operand left out."""

import os
import re
import zlib
from pathlib import Path

from mutation_scan import expression_end, matching_paren, scan, split_top_level, stripped

# Literals that are not the program's text: a plug-in's interface name, a class's metadata, an assertion's.
NOT_A_TEXT_BEFORE = re.compile(r"(Q_PLUGIN_METADATA\s*\(\s*IID|Q_CLASSINFO\s*\(|static_assert\s*\(.*,|extern|"
                               r"operator)\s*$")
SHELL_OPTION = re.compile(r"(?<![\w-])--?([A-Za-z])")
WORD = re.compile(r"[A-Za-z]{3,}")
SHELL_JOIN = re.compile(r"\s(&&|\|\|)\s")


def pick(choices, path, at):
    """One of the choices, the same one on every run for this place (a hash, not the seed's shuffle)."""
    return choices[zlib.crc32(f"{os.path.basename(path)}:{at}".encode()) % len(choices)]


def slipped(ch):
    if ch.isdigit():
        return str((int(ch) + 1) % 10)
    if ch in "zZ":
        return chr(ord(ch) - 1)
    return chr(ord(ch) + 1)


def plain_characters(text, first, end, raw):
    """Offsets of the characters the literal holds as written, its escape sequences left out."""
    k, found = first, []
    while k < end:
        if not raw and text[k] == "\\":
            k += 2
            if k - 1 < end and text[k - 1] in "xuU01234567":
                while k < end and text[k] in "0123456789abcdefABCDEF" and text[k - 1] != "\\":
                    k += 1
            continue
        found.append(k)
        k += 1
    return found


def string_faults(path, text, code, literals, add):
    for first, end, raw in literals:
        quote = first - 1 if not raw else text.rfind('"', 0, first)
        if NOT_A_TEXT_BEFORE.search(code[max(0, quote - 60) : quote].replace("\n", " ")):
            continue
        plain = set(plain_characters(text, first, end, raw))
        body = text[first:end]
        places = []
        options = [first + m.start(1) for m in SHELL_OPTION.finditer(body) if first + m.start(1) in plain]
        if options:
            places.append(pick(options, path, first))
        words = [m for m in WORD.finditer(body) if all(first + k in plain for k in range(m.start(), m.end()))]
        if words:
            word = pick(words, path, first)
            places.append(first + (word.start() + word.end()) // 2)
        for at in sorted(set(places)):
            add(at, at + 1, slipped(text[at]), "string")

        # One clause of a shell text joined by && or || dropped, with the operator that joined it.
        joins = list(SHELL_JOIN.finditer(body))
        bounds = [0] + [m.end() for m in joins]
        for index, start in enumerate(bounds):
            stop = joins[index].start() if index < len(joins) else len(body)
            if not body[start:stop].strip():
                continue
            if index == 0 and joins:
                add(first, first + joins[0].end(), "", "shell clause dropped")
            elif index > 0:
                add(first + joins[index - 1].start(), first + stop, "", "shell clause dropped")


KEYWORDS = {"if", "for", "while", "switch", "return", "sizeof", "catch", "decltype", "alignof", "noexcept",
            "static_assert", "defined", "operator", "requires", "alignas", "tr", "QT_TR_NOOP"}
# "const QString &path", "int count": a parameter list, not a call's arguments.
DECLARATION = re.compile(r"[\w>]\s*[&*]*\s+[&*]*\s*[A-Za-z_]\w*\s*(=.*)?$", re.S)


def swap_faults(text, code, add):
    for m in re.finditer(r"\b([A-Za-z_]\w*)\s*\(", code):
        if m.group(1) in KEYWORDS or m.group(1).isupper():
            continue
        open_at = m.end() - 1
        close_at = matching_paren(code, open_at)
        parts = split_top_level(code, open_at + 1, close_at, (",",)) if close_at > 0 else None
        if not parts or len(parts) < 2:
            continue
        spans = [stripped(text, p) for p in parts]
        if any(a == b or DECLARATION.search(code[a:b]) for a, b in spans):
            continue
        for (a1, b1), (a2, b2) in zip(spans, spans[1:]):
            if text[a1:b1] != text[a2:b2]:
                add(a1, b2, text[a2:b2] + text[b1:a2] + text[a1:b1], "arguments swapped")


def operand_faults(text, code, add):
    """One operand of a condition dropped with its operator: in a bracket, after a return or an '='."""
    regions = []
    for m in re.finditer(r"\(", code):
        close_at = matching_paren(code, m.start())
        if close_at > 0:
            regions += split_top_level(code, m.start() + 1, close_at, (",",)) or []
    for m in re.finditer(r"\breturn\b|(?<![=!<>+\-*/%&|^])=(?!=)", code):
        end = expression_end(code, m.end())
        if end > 0:
            regions.append((m.end(), end))
    for start, end in regions:
        operands = split_top_level(code, start, end, (" && ", " || "))
        if not operands or len(operands) < 2 or "?" in code[start:end]:
            continue
        operands = [stripped(text, o) for o in operands]
        for index, (a, b) in enumerate(operands):
            if index == 0:
                add(a, operands[1][0], "", "operand dropped")
            else:
                add(operands[index - 1][1], b, "", "operand dropped")


class Vocabulary:
    """The families of names a fault may confuse: each enum class's enumerators, and named constants (kName)
    of one type declared in one file, those that share their first word (kExit…) first."""

    ENUM = re.compile(r"\benum\s+class\s+(\w+)\s*(?::\s*[\w:]+\s*)?\{([^}]*)\}")
    CONSTANT = re.compile(r"\b(?:constexpr|const)\s+([\w:]+(?:<[^;={}]*>)?)\s+(k[A-Z]\w*)\s*=")

    def __init__(self, paths):
        self.enums, self.constants = {}, {}
        declared = []
        for path in paths:
            try:
                code = scan(Path(path).read_text(errors="replace"))[0]
            except OSError:
                continue
            for m in self.ENUM.finditer(code):
                names = [v.group(1) for v in (re.match(r"\s*(\w+)", e) for e in m.group(2).split(",")) if v]
                if len(names) > 1:
                    self.enums.setdefault(m.group(1), names)
            for m in self.CONSTANT.finditer(code):
                declared.append((path, m.group(1), m.group(2)))
        for path, kind, name in declared:
            same_type = [n for p, t, n in declared if p == path and t == kind]
            family = [n for n in same_type if first_word(n) == first_word(name)]
            siblings = family if len(family) > 1 else same_type
            if len(siblings) > 1:
                self.constants.setdefault(name, siblings[(siblings.index(name) + 1) % len(siblings)])

    def faults(self, code, add):
        for m in re.finditer(r"\b(\w+)::(\w+)\b", code):
            values = self.enums.get(m.group(1))
            if values and m.group(2) in values:
                sibling = values[(values.index(m.group(2)) + 1) % len(values)]
                kind = "exit status" if "Exit" in m.group(1) else "enumerator"
                add(m.start(2), m.end(2), sibling, kind)
        for m in re.finditer(r"(?<![\w.])(k[A-Z]\w*)\b(?!\s*=[^=])", code):
            if m.group(1) in self.constants:
                kind = "exit status" if m.group(1).startswith("kExit") else "named constant"
                add(m.start(1), m.end(1), self.constants[m.group(1)], kind)


def first_word(name):
    return re.match(r"k[A-Z][a-z0-9]*", name).group(0)
