"""Reading C++ text for mutate: where the code is, where its string literals are, and how it nests."""

import re


def scan(text):
    """The text with comments, literals and preprocessor lines blanked, and the string literals found.

    Offsets and line breaks stay where they were, so what is found in the blanked code can be edited in the
    original. Each literal is (first, end, raw): the span of its content between the quotes; a raw literal
    has no escapes. Character literals and those of directives are not listed.
    """
    out = list(text)
    literals = []
    i, n = 0, len(text)
    at_line_start = True

    def blank(a, b):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = " "

    while i < n:
        c = text[i]
        if c == "\n":
            at_line_start = True
            i += 1
            continue
        if at_line_start and c in " \t":
            i += 1
            continue
        if at_line_start and c == "#":  # a directive, with its continuation lines
            j = i
            while j < n and not (text[j] == "\n" and text[j - 1] != "\\"):
                j += 1
            blank(i, j)
            i = j
            continue
        at_line_start = False
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            blank(i, j)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            blank(i, j)
            i = j
        elif c == '"' or c == "'":
            raw = re.match(r'R"([^(\s]*)\(', text[i - 1 : i + 20]) if i > 0 and text[i - 1] == "R" else None
            if raw:
                end = text.find(")" + raw.group(1) + '"', i)
                j = n if end < 0 else end + len(raw.group(1)) + 2
                if end >= 0:
                    literals.append((i + len(raw.group(1)) + 2, end, True))
            elif c == "'" and i > 0 and text[i - 1].isalnum():  # a digit separator: 1'000
                i += 1
                continue
            else:
                j = i + 1
                while j < n and text[j] != c and text[j] != "\n":
                    j += 2 if text[j] == "\\" else 1
                j += 1
                if c == '"':
                    literals.append((i + 1, min(j - 1, n), False))
            blank(i + 1, min(j - 1, n))  # the quotes stay, so that a literal still reads as one
            i = j
        else:
            i += 1
    return "".join(out), literals


def blank_non_code(text):
    return scan(text)[0]


def matching_paren(code, open_at):
    depth = 0
    for k in range(open_at, len(code)):
        if code[k] == "(":
            depth += 1
        elif code[k] == ")":
            depth -= 1
            if depth == 0:
                return k
    return -1


OPENERS, CLOSERS = "([{", ")]}"


def split_top_level(code, start, end, separators):
    """The spans of code[start:end] between its separators that stand outside any bracket.

    None when the span's brackets do not balance (it is not one expression)."""
    parts, depth, first, k = [], 0, start, start
    while k < end:
        c = code[k]
        if c in OPENERS:
            depth += 1
        elif c in CLOSERS:
            depth -= 1
            if depth < 0:
                return None
        elif depth == 0:
            for sep in separators:
                if code.startswith(sep, k):
                    parts.append((first, k))
                    first = k + len(sep)
                    k = first - 1
                    break
        k += 1
    if depth != 0:
        return None
    parts.append((first, end))
    return parts


def expression_end(code, start):
    """Where the expression that starts here ends: at a ';' or ',' of its own level, or a closing bracket."""
    depth = 0
    for k in range(start, len(code)):
        c = code[k]
        if c in OPENERS:
            depth += 1
        elif c in CLOSERS:
            if depth == 0:
                return k
            depth -= 1
        elif c in ";," and depth == 0:
            return k
    return -1


def stripped(text, span):
    a, b = span
    while a < b and text[a].isspace():
        a += 1
    while b > a and text[b - 1].isspace():
        b -= 1
    return a, b
