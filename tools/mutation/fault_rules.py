# SPDX-License-Identifier: GPL-3.0-or-later
"""Single faults made by rule: every place in a C++ file where a mutation operator applies.

A fault is a list of edits to the file's text. Comments, string and character literals and
preprocessor lines are never touched (they are no tokens); neither are asserts, logging, macro
arguments, template brackets, `operator` names and the `= 0` of pure virtual functions.
"""

import hashlib
import re
from dataclasses import dataclass, field

from cxx_tokens import KEYWORDS, matching, template_brackets, tokenize

# Each operator, with what a developer got wrong.
OPERATORS = {
    "relational": "a comparison the wrong way or off by one (< <= > >=)",
    "equality": "== and != swapped",
    "arithmetic": "+ - * / % (or their compound forms) swapped",
    "bitwise": "& and | swapped, or a shift by a constant the wrong way",
    "constant": "an integer constant one too high or too low (a pixel's worth for twips)",
    "negate-condition": "an if, while or ?: condition inverted, or a ! left out",
    "boolean": "true and false swapped",
    "logical": "&& and || swapped",
    "increment": "++ and -- swapped (outside a for loop's step)",
    "min-max": "std::min and std::max (qMin/qMax) swapped",
    "remove-call": "a call whose result is unused left out",
    "remove-assignment": "an assignment, increment or decrement left out",
    "remove-jump": "a return;, break; or continue; left out",
    "return-default": "a returned value replaced by the type's default ({})",
}

_SWAPS = {
    "relational": {"<": ["<=", ">"], "<=": ["<", ">="], ">": [">=", "<"], ">=": [">", "<="]},
    "equality": {"==": ["!="], "!=": ["=="]},
    "arithmetic": {"+": ["-"], "-": ["+"], "*": ["/"], "/": ["*"], "%": ["/"],
                   "+=": ["-="], "-=": ["+="], "*=": ["/="], "/=": ["*="]},
    "bitwise": {"&": ["|"], "|": ["&"], "&=": ["|="], "|=": ["&="], "<<": [">>"], ">>": ["<<"]},
    "logical": {"&&": ["||"], "||": ["&&"]},
    "increment": {"++": ["--"], "--": ["++"]},
}
_OPERATOR_OF = {op: name for name, table in _SWAPS.items() for op in table}

ASSERTS = frozenset({"assert", "static_assert", "Q_ASSERT", "Q_ASSERT_X", "Q_STATIC_ASSERT"})
LOGGING = frozenset({"qDebug", "qInfo", "qWarning", "qCritical", "qFatal", "qCDebug", "qCInfo",
                     "qCWarning", "qCCritical", "cerr", "clog", "cout", "printf", "fprintf"})
_MACRO = re.compile(r"^[A-Z][A-Z0-9_]+$")
# Words after which *, & and && declare a pointer or reference rather than multiply or combine.
_TYPE_WORDS = frozenset("""auto bool char char8_t char16_t char32_t const double float int long short
    signed unsigned void volatile wchar_t size_t ssize_t qreal qint8 qint16 qint32 qint64 quint8
    quint16 quint32 quint64 qsizetype uint uchar ushort ulong uint8_t uint16_t uint32_t uint64_t
    int8_t int16_t int32_t int64_t std::size_t""".split())
# Before a qualified upper-case name, these say it names a type in a declaration.
_BEFORE_DECLARED_TYPE = frozenset("( , { } ; < const static constexpr inline virtual explicit friend typename mutable".split())
_EXPRESSION_VALUES = frozenset({"this", "true", "false", "nullptr"})
_DEFAULT_VALUES = frozenset({"{}", "0", "false", "true", "nullptr", "0.0", "0u", "QString()", "std::nullopt"})
# The windows' places are written in twips, fifteen to a pixel, and rounded to whole pixels: a
# twip off shows nowhere, a digit slipped by a pixel's worth does. Constants given to these
# calls move by that much instead of one, and so do the multiples of fifteen from 30 up in a
# file that speaks of twips (its tables of places).
UNIT_STEPS = {"twipsRect": 15, "px": 15}
TWIPS_PER_PIXEL = 15
_SPEAKS_OF_TWIPS = re.compile(r"\btwips\b", re.IGNORECASE)
_INTEGER = re.compile(r"^(0[xX][0-9a-fA-F']+|0[bB][01']+|0[0-7']*|[1-9][0-9']*)([uUlLzZ]*)$")


@dataclass
class Mutant:
    file: str  # relative to the repository
    operator: str
    edits: tuple  # ((start, end, replacement), ...) in the file's text
    line: int = 0
    original: str = ""  # the line(s) the edits touch, stripped and joined
    mutated: str = ""
    occurrence: int = 1  # among mutants of this file with the same operator, original and mutated text
    note: str = ""  # for listed mutants: what a developer got wrong

    @property
    def folder(self):
        return self.file.split("/", 1)[0] + "/"

    @property
    def key(self):
        return (self.file.rsplit("/", 1)[-1], self.operator, self.original, self.mutated, self.occurrence)

    @property
    def ident(self):
        """A short name that stays the same while the line and its file's name stay the same."""
        return hashlib.sha1("\0".join(map(str, self.key)).encode()).hexdigest()[:7]

    def apply(self, text):
        for start, end, replacement in sorted(self.edits, reverse=True):
            text = text[:start] + replacement + text[end:]
        return text


@dataclass
class _Function:
    """A body of code: whether `return {};` may stand for its returned value."""
    value_default_ok: bool = True


@dataclass
class _Statement:
    first: int  # token indices, `last` the closing `;`
    last: int
    function: _Function
    block_close: int  # the `}` that closes the enclosing block
    function_body: bool  # that block is a function's body
    switch_body: bool


class FaultFinder:
    """Every fault by rule in one file's text."""

    def __init__(self, path, text):
        self.path, self.text = path, text
        self.tokens = tokenize(text)
        self.brackets = template_brackets(self.tokens)
        self.skipped = self._skipped()
        self.statements = []
        self.conditions = []  # (first, last) token indices of if/while conditions
        self.for_headers = []  # (open, close) of for(...) headers
        self._find_code()
        self.found = []

    # --- what is never touched ---

    def _skipped(self):
        skipped, tokens = set(), self.tokens
        for i, t in enumerate(tokens):
            if t.kind != "id":
                continue
            following = tokens[i + 1].text if i + 1 < len(tokens) else ""
            if (t.text in ASSERTS or _MACRO.match(t.text)) and following == "(":
                skipped.update(range(i, matching(tokens, i + 1) + 1))
            elif t.text in LOGGING:
                k = i
                while k < len(tokens) and tokens[k].text != ";":
                    k += 1
                skipped.update(range(i, k + 1))
            elif t.text == "operator":
                skipped.update(range(i, min(i + 3, len(tokens))))
        return skipped

    # --- blocks and statements ---

    def _prev(self, i):
        return self.tokens[i - 1].text if i > 0 else ""

    def _back_to_open(self, i):
        """The index of the bracket opening the one closing at i (`)` or `]`)."""
        closing = self.tokens[i].text
        opening = {")": "(", "]": "[", "}": "{"}[closing]
        depth = 0
        for k in range(i, -1, -1):
            t = self.tokens[k]
            if t.kind == "op" and t.text == closing:
                depth += 1
            elif t.kind == "op" and t.text == opening:
                depth -= 1
                if depth == 0:
                    return k
        return 0

    def _brace_kind(self, i, in_code):
        """What the `{` at i opens: code (a function, lambda or block), decl (namespace, class,
        enum) or init (braced initialisation)."""
        prev = self._prev(i)
        if prev in (")", "]", "mutable", "noexcept", "override", "final", "else", "do", "try"):
            return "code"
        if prev == "const" and i > 1 and self.tokens[i - 2].text == ")":
            return "code"
        if prev in ("{", ";", "}", ":") and in_code:
            return "code"
        if prev == "}" and not in_code:
            return "code"  # a constructor's body after braced member initialisers
        if self.tokens[i - 1].kind == "id" or (i - 1) in self.brackets:
            for k in range(i - 1, -1, -1):
                t = self.tokens[k].text
                if t in (";", "{", "}"):
                    break
                if t in ("namespace", "class", "struct", "union", "enum"):
                    return "decl"
                if t == "->" and k > 0 and self.tokens[k - 1].text == ")":
                    return "code"  # a trailing return type
            return "init"
        return "code" if in_code and prev not in ("=", "(", ",", "return", "[", "?", ":") else "init"

    def _function_info(self, brace):
        """Whether `return {};` can replace a returned value in the body opening at `brace`."""
        tokens, k = self.tokens, brace - 1
        trailing = None
        for j in range(brace - 1, max(brace - 40, 0), -1):
            if tokens[j].text in (";", "{", "}"):
                break
            if tokens[j].text == "->":
                trailing = j
                break
        if trailing is not None:
            return _Function(tokens[brace - 1].text not in ("&", "&&", "auto"))
        while k > 0 and tokens[k].text in ("const", "override", "final", "noexcept", "mutable", "&", "&&"):
            k -= 1
        if tokens[k].text != ")":
            return _Function(False)
        k = self._back_to_open(k) - 1
        if k < 0 or tokens[k].text == "]":
            return _Function(False)  # a lambda without a declared return type
        while k > 1 and tokens[k - 1].text == "::":
            k -= 2
        before = tokens[k - 1].text if k > 0 else ""
        return _Function(before not in ("&", "&&", "auto", "void"))

    def _find_code(self):
        tokens, i = self.tokens, 0
        while i < len(tokens):
            if tokens[i].text == "{" and tokens[i].kind == "op":
                kind = self._brace_kind(i, False)
                if kind == "code":
                    close = matching(tokens, i)
                    self._block(i, close, self._function_info(i), True, False)
                    i = close
                elif kind == "init":
                    i = self._lambdas_in(i, matching(tokens, i))
            i += 1

    def _lambdas_in(self, first, last):
        """Parses the lambdas' bodies between two indices; returns `last`."""
        k = first
        while k <= last:
            if self.tokens[k].text == "{" and self.tokens[k].kind == "op" and k > first and \
                    self._brace_kind(k, False) == "code":
                close = matching(self.tokens, k)
                self._block(k, close, self._function_info(k), True, False)
                k = close
            k += 1
        return last

    def _block(self, open_, close, function, function_body, switch_body):
        k = open_ + 1
        while k < close:
            k = self._statement(k, close, function, function_body, switch_body)

    def _statement(self, k, close, function, function_body, switch_body):
        """Parses the statement starting at k; returns the index after it."""
        tokens = self.tokens
        t = tokens[k].text
        if t == "{":
            end = matching(tokens, k)
            self._block(k, end, function, False, False)
            return end + 1
        if t in ("if", "while", "switch", "for"):
            paren = k + 1
            if tokens[paren].text == "constexpr":
                paren += 1
            if tokens[paren].text != "(":
                return k + 1
            end = matching(tokens, paren)
            if t in ("if", "while"):
                self.conditions.append((paren + 1, end - 1))
            elif t == "for":
                self.for_headers.append((paren, end))
            self._lambdas_in(paren, end)
            if t == "switch" and tokens[end + 1].text == "{":
                body_end = matching(tokens, end + 1)
                self._block(end + 1, body_end, function, False, True)
                after = body_end + 1
            else:
                after = self._statement(end + 1, close, function, False, False)
            if t == "if" and after < close and tokens[after].text == "else":
                after = self._statement(after + 1, close, function, False, False)
            return after
        if t == "do":
            after = self._statement(k + 1, close, function, False, False)
            if tokens[after].text == "while" and tokens[after + 1].text == "(":
                end = matching(tokens, after + 1)
                self.conditions.append((after + 2, end - 1))
                return end + 2
            return after
        if t in ("try", "catch"):
            j = k + 1
            if tokens[j].text == "(":
                j = matching(tokens, j) + 1
            return self._statement(j, close, function, False, False)
        if t in ("case", "default", "public", "private", "protected") or \
                (tokens[k].kind == "id" and tokens[k + 1].text == ":" and t not in KEYWORDS):
            j = k
            while j < close and tokens[j].text != ":":
                j += 1
            return j + 1
        j, depth = k, 0
        while j < close:
            text = tokens[j].text if tokens[j].kind == "op" else ""
            if text in ("(", "[", "{"):
                depth += 1
            elif text in (")", "]", "}"):
                depth -= 1
            elif text == ";" and depth == 0:
                break
            j += 1
        self._lambdas_in(k, j)
        if j < close:
            self.statements.append(_Statement(k, j, function, close, function_body, switch_body))
        return j + 1

    # --- the faults ---

    def _add(self, operator, edits):
        self.found.append(Mutant(self.path, operator, tuple(edits)))

    def _operand_end(self, i, declares):
        """Whether tokens[i] ends an operand, so that what follows is a binary operator.
        `declares`: the operator could also declare a pointer or reference (*, &, &&)."""
        if i < 0:
            return False
        t = self.tokens[i]
        if t.kind in ("num", "str"):
            return True
        if t.kind == "op":
            return t.text in (")", "]")
        if t.text in KEYWORDS and t.text not in _EXPRESSION_VALUES:
            return False
        if not declares:
            return True
        if t.text in _TYPE_WORDS or t.text.endswith("_t"):
            return False
        if t.text[0].isupper():
            k = i
            while k >= 2 and self.tokens[k - 1].text == "::":
                k -= 2
            return k > 0 and self.tokens[k - 1].text not in _BEFORE_DECLARED_TYPE
        return True

    def _swaps(self):
        tokens = self.tokens
        in_for_step = set()
        for open_, close in self.for_headers:
            in_for_step.update(range(open_, close + 1))
        for i, t in enumerate(tokens):
            if t.kind != "op" or i in self.skipped or i in self.brackets:
                continue
            name = _OPERATOR_OF.get(t.text)
            if name is None:
                continue
            if name == "increment":
                if i in in_for_step:
                    continue
            elif t.text in ("<<", ">>"):
                if not (tokens[i + 1].kind == "num" or tokens[i - 1].kind == "num"):
                    continue  # a stream or list, not a shift
            elif name in ("arithmetic", "bitwise", "logical") and not t.text.endswith("=") or t.text == "&&":
                if not self._operand_end(i - 1, t.text in ("*", "&", "&&")):
                    continue  # a unary + - * &, a pointer or a reference
                if tokens[i + 1].text in (")", ",", ">", ";", "="):
                    continue
            for replacement in _SWAPS[name][t.text]:
                self._add(name, [(t.start, t.end, replacement)])

    def _steps(self):
        """The step of each constant that is not moved by one."""
        steps = {}
        if _SPEAKS_OF_TWIPS.search(self.text):
            for i, t in enumerate(self.tokens):
                if t.kind == "num" and t.text.isdigit() and int(t.text) >= 2 * TWIPS_PER_PIXEL and \
                        int(t.text) % TWIPS_PER_PIXEL == 0:
                    steps[i] = TWIPS_PER_PIXEL
        for i, t in enumerate(self.tokens):
            if t.kind == "id" and t.text in UNIT_STEPS and i + 1 < len(self.tokens) and self.tokens[i + 1].text == "(":
                for k in range(i + 2, matching(self.tokens, i + 1)):
                    steps[k] = UNIT_STEPS[t.text]
        return steps

    def _constants(self):
        tokens = self.tokens
        steps = self._steps()
        for i, t in enumerate(tokens):
            if t.kind != "num" or i in self.skipped:
                continue
            match = _INTEGER.match(t.text)
            if not match:
                continue
            if tokens[i - 1].text == "=" and i + 1 < len(tokens) and tokens[i + 1].text == ";" and \
                    t.text == "0" and tokens[i - 2].text in (")", "const", "override", "noexcept", "final"):
                continue  # a pure virtual function
            digits, suffix = match.groups()
            plain = digits.replace("'", "")
            if plain[:2] in ("0x", "0X"):
                value, form = int(plain, 16), ("%X" if any(c in "ABCDEF" for c in plain) else "%x")
                spell = lambda v, p=plain[:2], f=form: p + f % v
            elif plain[:2] in ("0b", "0B"):
                value, spell = int(plain[2:], 2), lambda v, p=plain[:2]: p + format(v, "b")
            elif len(plain) > 1 and plain[0] == "0":
                value, spell = int(plain, 8), lambda v: "0" + format(v, "o")
            else:
                value, spell = int(plain), str
            step = steps.get(i, 1)
            for moved in (value + step, value - step):
                if moved < 0:
                    if "u" in suffix.lower():
                        continue
                    text = f"({moved})"
                else:
                    text = spell(moved) + suffix
                self._add("constant", [(t.start, t.end, text)])

    def _words(self):
        tokens = self.tokens
        for i, t in enumerate(tokens):
            if t.kind != "id" or i in self.skipped:
                continue
            if t.text in ("true", "false"):
                self._add("boolean", [(t.start, t.end, "false" if t.text == "true" else "true")])
            elif t.text in ("min", "max") and i >= 2 and tokens[i - 1].text == "::" and \
                    tokens[i - 2].text in ("std", "ranges") and tokens[i + 1].text in ("(", "<"):
                self._add("min-max", [(t.start, t.end, "max" if t.text == "min" else "min")])
            elif t.text in ("qMin", "qMax") and tokens[i + 1].text == "(":
                self._add("min-max", [(t.start, t.end, "qMax" if t.text == "qMin" else "qMin")])

    def _negates_whole(self, first, last):
        """Whether tokens first..last are `!` applied to one operand, so that inverting the
        whole is the same fault as leaving the ! out."""
        tokens = self.tokens
        if tokens[first].text != "!":
            return False
        k = first + 1
        while k <= last:
            text = tokens[k].text
            if text in ("(", "["):
                k = matching(tokens, k) + 1
            elif tokens[k].kind == "id" or text in ("::", ".", "->"):
                k += 1
            else:
                return False
        return True

    def _invert(self, first, last):
        if first > last or any(k in self.skipped for k in range(first, last + 1)):
            return
        tokens = self.tokens
        depth, assignment, semicolon = 0, None, None
        for k in range(first, last + 1):
            text = tokens[k].text if tokens[k].kind == "op" else ""
            if text in ("(", "[", "{"):
                depth += 1
            elif text in (")", "]", "}"):
                depth -= 1
            elif depth == 0 and text == ";":
                semicolon = k
            elif depth == 0 and text == "=":
                assignment = k
        if semicolon is not None:
            first = semicolon + 1  # `if (init; condition)`
            if assignment is not None and assignment > semicolon:
                return
        elif assignment is not None:
            # `if (auto x = f())`: the condition is the declared variable.
            name = tokens[assignment - 1]
            if name.kind == "id":
                self._add("negate-condition", [(tokens[last].end, tokens[last].end, f"; !{name.text}")])
            return
        if first > last or self._negates_whole(first, last):
            return
        self._add("negate-condition", [(tokens[first].start, tokens[first].start, "!("),
                                       (tokens[last].end, tokens[last].end, ")")])

    def _conditions(self):
        tokens = self.tokens
        for first, last in self.conditions:
            self._invert(first, last)
        stops = {",", ";", "=", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<=", ">>=", "return",
                 "?", ":", "{", "}", "case", "throw", "co_return"}
        for q, t in enumerate(tokens):
            if t.text == "?" and t.kind == "op" and q not in self.skipped:
                k, depth = q - 1, 0
                while k >= 0:
                    text = tokens[k].text
                    if tokens[k].kind == "op" and text in (")", "]"):
                        depth += 1
                    elif tokens[k].kind == "op" and text in ("(", "["):
                        if depth == 0:
                            break
                        depth -= 1
                    elif depth == 0 and text in stops:
                        break
                    k -= 1
                self._invert(k + 1, q - 1)
            elif t.text == "!" and t.kind == "op" and q not in self.skipped:
                self._add("negate-condition", [(t.start, t.end, "")])

    def _removals(self):
        tokens = self.tokens
        for s in self.statements:
            if any(k in self.skipped for k in range(s.first, s.last + 1)):
                continue
            first, last = tokens[s.first], tokens[s.last]
            whole = [(first.start, last.end, "{}")]
            nxt = tokens[s.last + 1].text if s.last + 1 < len(tokens) else ""
            if first.text in ("break", "continue") and s.last == s.first + 1:
                if not (first.text == "break" and s.switch_body and s.last + 1 == s.block_close):
                    self._add("remove-jump", whole)
                continue
            if first.text == "return":
                if s.last == s.first + 1:
                    if not (s.function_body and s.last + 1 == s.block_close):
                        self._add("remove-jump", whole)
                    continue
                value = self.text[tokens[s.first + 1].start:last.start].strip()
                if s.function.value_default_ok and value not in _DEFAULT_VALUES and nxt is not None:
                    self._add("return-default", [(tokens[s.first + 1].start, last.start, "{}")])
                continue
            kind = self._expression_statement(s.first, s.last)
            if kind:
                self._add(kind, whole)

    def _expression_statement(self, first, last):
        """remove-call, remove-assignment, or None for a statement that is neither (a
        declaration, a macro, logging...)."""
        tokens = self.tokens
        k = first
        if tokens[k].text in ("++", "--"):
            return "remove-assignment"
        if tokens[k].text == "emit":
            k += 1
        if tokens[k].text == "::":
            k += 1
        head = tokens[k]
        if head.kind != "id" or (head.text in KEYWORDS and head.text != "this") or _MACRO.match(head.text) \
                or head.text in LOGGING or head.text in ASSERTS:
            return None
        called = False
        while k < last:
            t = tokens[k]
            if t.kind == "id" and t.text not in KEYWORDS or t.text in ("this", "template"):
                k += 1
                called = False
                if k < last and tokens[k].kind == "id":
                    return None  # `Type name...`: a declaration
            elif t.text in ("::", ".", "->"):
                k += 1
            elif t.text == "(":
                k = matching(tokens, k) + 1
                called = True
            elif t.text == "[":
                k = matching(tokens, k) + 1
                called = False
            elif k in self.brackets and t.text == "<":
                k += 1
                while k < last and not (k in self.brackets and tokens[k].text in (">", ">>")):
                    k += 1
                k += 1
            else:
                break
        if k == last:
            return "remove-call" if called else None
        text = tokens[k].text
        if text in ("=", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<=", ">>="):
            return "remove-assignment"
        if text in ("++", "--") and k + 1 == last:
            return "remove-assignment"
        return None

    # --- all together ---

    def faults(self):
        self._swaps()
        self._constants()
        self._words()
        self._conditions()
        self._removals()
        self._describe()
        return self.found

    def _describe(self):
        text, seen = self.text, {}
        line_starts = [0] + [m.end() for m in re.finditer("\n", text)]
        for m in self.found:
            first = min(e[0] for e in m.edits)
            last = max(e[1] for e in m.edits)
            begin = text.rfind("\n", 0, first) + 1
            end = text.find("\n", last)
            end = len(text) if end < 0 else end
            m.line = _line_of(line_starts, first)
            original = text[begin:end]
            shift = sum(len(r) - (e - s) for s, e, r in m.edits)
            mutated = m.apply(text)[begin:end + shift]
            m.original = " ".join(part.strip() for part in original.split("\n"))
            m.mutated = " ".join(part.strip() for part in mutated.split("\n"))
            key = (m.operator, m.original, m.mutated)
            seen[key] = seen.get(key, 0) + 1
            m.occurrence = seen[key]


def _line_of(line_starts, offset):
    lo, hi = 0, len(line_starts) - 1
    while lo < hi:
        mid = (lo + hi + 1) // 2
        if line_starts[mid] <= offset:
            lo = mid
        else:
            hi = mid - 1
    return lo + 1


def faults_in(path, text):
    return FaultFinder(path, text).faults()
