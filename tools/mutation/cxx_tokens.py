# SPDX-License-Identifier: GPL-3.0-or-later
"""A small C++ lexer, enough to put faults only into code: comments, string and character
literals (raw strings too) and preprocessor lines never become tokens, and the angle brackets
of templates are told apart from the comparisons."""

import re
from dataclasses import dataclass


@dataclass
class Token:
    kind: str  # id, num, str, op
    text: str
    start: int  # offsets into the file's text
    end: int
    line: int  # 1-based


KEYWORDS = frozenset("""
    alignas alignof asm auto bool break case catch char char8_t char16_t char32_t class co_await
    co_return co_yield concept const consteval constexpr constinit const_cast continue decltype
    default delete do double dynamic_cast else enum explicit export extern false final float for
    friend goto if inline int long mutable namespace new noexcept nullptr operator override
    private protected public register reinterpret_cast requires return short signed sizeof static
    static_assert static_cast struct switch template this thread_local throw true try typedef
    typeid typename union unsigned using virtual void volatile wchar_t while emit signals slots
""".split())

# Longest first, so that `<<=` is never read as `<<` and `=`.
OPERATORS = sorted("""
    <=> <<= >>= ->* ... -> ++ -- << >> <= >= == != && || += -= *= /= %= &= |= ^= :: .*
    { } [ ] ( ) ; : ? , . + - * / % ^ & | ~ ! = < > #
""".split(), key=len, reverse=True)

_STRING_PREFIX = re.compile(r'(?:u8|u|U|L)?R?(?=["\'])')
_IDENT = re.compile(r"[A-Za-z_][A-Za-z0-9_]*")
_NUMBER = re.compile(r"\.?[0-9](?:[eEpP][+-]|'[0-9A-Za-z]|[0-9A-Za-z_.])*")


def _skip_quoted(text, pos, quote):
    """The offset just past the literal whose opening quote is at `pos`."""
    i = pos + 1
    while i < len(text) and text[i] != quote:
        if text[i] == "\\":
            i += 1
        elif text[i] == "\n":
            break  # an unterminated literal ends with its line
        i += 1
    return min(i + 1, len(text))


def _skip_raw(text, pos):
    """`pos` is at the opening quote of R"delim( ... )delim"."""
    open_paren = text.index("(", pos)
    closing = ")" + text[pos + 1:open_paren] + '"'
    end = text.find(closing, open_paren)
    return len(text) if end < 0 else end + len(closing)


def tokenize(text):
    tokens = []
    i, line, at_line_start = 0, 1, True
    n = len(text)
    while i < n:
        c = text[i]
        if c == "\n":
            line += 1
            i += 1
            at_line_start = True
            continue
        if c in " \t\r\f\v":
            i += 1
            continue
        if text.startswith("//", i):
            end = text.find("\n", i)
            i = n if end < 0 else end
            continue
        if text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            line += text.count("\n", i, end)
            i = end
            continue
        if c == "#" and at_line_start:
            # A preprocessor line, with its continuations, is never code to change.
            while i < n and text[i] != "\n":
                if text[i] == "\\" and text.startswith("\n", i + 1):
                    line += 1
                    i += 1
                elif text.startswith("/*", i):
                    end = text.find("*/", i + 2)
                    end = n if end < 0 else end + 2
                    line += text.count("\n", i, end)
                    i = end
                    continue
                i += 1
            continue
        at_line_start = False
        start = i
        prefix = _STRING_PREFIX.match(text, i) if c in "uULR\"'" else None
        if prefix:
            quote_at = prefix.end()
            if "R" in prefix.group(0) and text[quote_at] == '"':
                end = _skip_raw(text, quote_at)
            else:
                end = _skip_quoted(text, quote_at, text[quote_at])
            tokens.append(Token("str", text[start:end], start, end, line))
            line += text.count("\n", start, end)
            i = end
            continue
        match = _IDENT.match(text, i)
        if match:
            tokens.append(Token("id", match.group(0), start, match.end(), line))
            i = match.end()
            continue
        match = _NUMBER.match(text, i)
        if match:
            tokens.append(Token("num", match.group(0), start, match.end(), line))
            i = match.end()
            continue
        for op in OPERATORS:
            if text.startswith(op, i):
                tokens.append(Token("op", op, start, start + len(op), line))
                i += len(op)
                break
        else:
            i += 1  # a stray character (\ or @): not ours to change
    return tokens


# Template brackets -------------------------------------------------------------------------

# Within template arguments, at bracket depth 0, none of these can appear.
_NOT_IN_TEMPLATE_ARGS = frozenset("{ } ; && || ? = == != <= >= += -= *= /= %= &= |= ^= <<= >>= <=> return".split())
# What may follow the closing bracket of template arguments.
_AFTER_TEMPLATE = frozenset("( ) :: { } , ; > >> & * && ... [ ] = : .".split())


def _template_close(tokens, i):
    """If tokens[i] (a `<`) opens template arguments, the indices of every angle bracket
    from it to its closing `>` or `>>`, nested ones included."""
    depth, nesting, angles = 1, 0, [i]
    for k in range(i + 1, min(len(tokens), i + 80)):
        t = tokens[k]
        if t.kind == "str":
            return None
        text = t.text if t.kind == "op" or t.text == "return" else ""
        if text in ("(", "["):
            nesting += 1
        elif text in (")", "]"):
            nesting -= 1
            if nesting < 0:
                return None
        elif nesting == 0:
            if text in _NOT_IN_TEMPLATE_ARGS:
                return None
            if text == "<":
                if tokens[k - 1].kind != "id":
                    return None
                depth += 1
                angles.append(k)
            elif text in (">", ">>"):
                depth -= len(text)
                angles.append(k)
                if depth < 0:
                    return None
                if depth == 0:
                    after = tokens[k + 1] if k + 1 < len(tokens) else None
                    if after is None or after.kind == "id" or after.text in _AFTER_TEMPLATE:
                        return angles
                    return None
    return None


def template_brackets(tokens):
    """The indices of every `<`, `>` and `>>` token that is a template bracket."""
    brackets = set()
    for i, t in enumerate(tokens):
        if t.text != "<" or i == 0 or i in brackets:
            continue
        before = tokens[i - 1]
        if before.text == "operator" or (i > 1 and tokens[i - 2].text == "operator"):
            continue
        if before.text == "template" or (before.kind == "id" and before.text not in KEYWORDS) or \
                before.text in ("static_cast", "dynamic_cast", "const_cast", "reinterpret_cast"):
            angles = _template_close(tokens, i)
            if angles:
                brackets.update(angles)
    return brackets


def matching(tokens, i):
    """The index of the bracket closing the one at tokens[i] (`(`, `[` or `{`)."""
    pairs = {"(": ")", "[": "]", "{": "}"}
    opening, closing = tokens[i].text, pairs[tokens[i].text]
    depth = 0
    for k in range(i, len(tokens)):
        if tokens[k].text == opening and tokens[k].kind == "op":
            depth += 1
        elif tokens[k].text == closing and tokens[k].kind == "op":
            depth -= 1
            if depth == 0:
                return k
    return len(tokens) - 1
