# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks of the fault finder on a small piece of C++: run by `run.sh --self-test`."""

from fault_rules import faults_in

FIXTURE = r'''
#include <array>
#include "card.h"
#define SQUARE(x) ((x) * (x))
namespace zanfel {
// if (a < b) return 1;  a comment is no code
/* x = y + 2; */
struct Shape {
    bool operator==(const Shape& other) const = default;
    virtual int area() const = 0;
    virtual ~Shape() = default;
    std::array<int, 3> sides{};
};

const char* kName = "a < b && c";
const char kQuote = '>';
const char* kRaw = R"(x > 1 ? "y" : 'z')";

int Shape::area() const {
    assert(sides[0] > 0);
    qWarning() << "area" << sides[1] + 1;
    std::vector<std::pair<int, int>> pairs;
    const Shape* self = this;
    int total = self->sides[0] * sides[1];
    if (!ready())
        return total;
    for (int i = 0; i < 3; ++i)
        total += sides[i];
    refresh(total);
    emit changed();
    [this] { return sides[2]; };
    if (auto other = lookup(total)) {
        total = std::min(total, other->area());
    }
    return total > 4 ? total << 1 : -total;
}

QRect place() { return twipsRect(7, 0, 120, 90); }

}  // namespace zanfel
'''


def check(faults, failures):
    def has(operator, original, mutated):
        return any(m.operator == operator and m.original == original and m.mutated == mutated for m in faults)

    def never(what, test):
        bad = [m for m in faults if test(m)]
        if bad:
            failures.append(f"{what}: {bad[0].line} {bad[0].original!r} -> {bad[0].mutated!r}")

    expected = [
        ("relational", "for (int i = 0; i < 3; ++i)", "for (int i = 0; i <= 3; ++i)"),
        ("relational", "return total > 4 ? total << 1 : -total;", "return total >= 4 ? total << 1 : -total;"),
        ("arithmetic", "int total = self->sides[0] * sides[1];", "int total = self->sides[0] / sides[1];"),
        ("arithmetic", "total += sides[i];", "total -= sides[i];"),
        ("bitwise", "return total > 4 ? total << 1 : -total;", "return total > 4 ? total >> 1 : -total;"),
        ("constant", "for (int i = 0; i < 3; ++i)", "for (int i = 0; i < 4; ++i)"),
        ("constant", "for (int i = 0; i < 3; ++i)", "for (int i = 0; i < 2; ++i)"),
        ("negate-condition", "if (!ready())", "if (ready())"),
        ("negate-condition", "return total > 4 ? total << 1 : -total;",
         "return !(total > 4) ? total << 1 : -total;"),
        ("negate-condition", "if (auto other = lookup(total)) {", "if (auto other = lookup(total); !other) {"),
        ("min-max", "total = std::min(total, other->area());", "total = std::max(total, other->area());"),
        ("remove-call", "refresh(total);", "{}"),
        ("constant", "QRect place() { return twipsRect(7, 0, 120, 90); }",
         "QRect place() { return twipsRect(22, 0, 120, 90); }"),
        ("remove-call", "emit changed();", "{}"),
        ("remove-assignment", "total = std::min(total, other->area());", "{}"),
        ("return-default", "return total;", "return {};"),
    ]
    for operator, original, mutated in expected:
        if not has(operator, original, mutated):
            failures.append(f"missing {operator}: {original!r} -> {mutated!r}")

    never("a fault in a comment, string, character literal or preprocessor line",
          lambda m: m.line < 5 or m.line in (6, 7, 15, 16, 17))
    never("-> touched", lambda m: m.mutated != "{}" and m.original.count("->") != m.mutated.count("->"))
    never("a template bracket touched", lambda m: "std::array<int, 3>" in m.original and m.operator == "relational"
          or "pair<" in m.original and m.operator in ("relational", "bitwise"))
    never("an operator name, = default or = 0 touched", lambda m: "operator==" in m.original or
          "= default" in m.original or "virtual" in m.original)
    never("an assert or logging touched", lambda m: "assert" in m.original or "qWarning" in m.original)
    never("a pointer or reference taken for arithmetic", lambda m: m.operator in ("arithmetic", "bitwise", "logical")
          and ("Shape&" in m.original or "Shape*" in m.original))
    never("a declaration removed", lambda m: m.operator.startswith("remove") and
          ("pairs;" in m.original or "self =" in m.original))
    never("a lambda's deduced return replaced", lambda m: m.operator == "return-default" and "sides[2]" in m.original)
    never("a for loop's step swapped", lambda m: m.operator == "increment")
    never("a unary minus swapped", lambda m: m.operator == "arithmetic" and ": +total" in m.mutated)
    never("a duplicate fault", lambda m: m.occurrence > 1)


def main():
    failures = []
    faults = faults_in("game/fixture.cpp", FIXTURE)
    check(faults, failures)
    for f in failures:
        print(f"FAIL: {f}")
    print(f"{len(faults)} faults in the fixture; {'all checks pass' if not failures else f'{len(failures)} checks fail'}")
    return 1 if failures else 0
