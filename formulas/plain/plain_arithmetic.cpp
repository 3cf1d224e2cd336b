// A plain two-operand calculator for two numbers without unit. Every rule
// fires only when no result unit is chosen: a filter names a unit, and these
// results have none. One number alone (the other entry empty, that is 0)
// gives its logarithms and its powers of 10 and e; the arithmetic of two
// numbers is written both in general format and with an SI prefix.
#include "formulas/plain/plain_tables.h"

namespace tamrisk {

namespace {

// Both parameters without unit, named p1 and p2.
constexpr Units Plain() { return ThisOrder(Named(" ", "p1"), Named(" ", "p2")); }

// One number: the other entry is 0.
bool OnlyFirst(const Ctx& c) { return c["p2"] == 0; }
bool OnlySecond(const Ctx& c) { return c["p1"] == 0; }

// An exponent between -100 and 100 keeps 10^x and e^x within range.
bool ModerateExponent(Num x) { return -100 < x && x < 100; }
bool OnlyFirstModerate(const Ctx& c) { return c["p2"] == 0 && ModerateExponent(c["p1"]); }
bool OnlySecondModerate(const Ctx& c) { return c["p1"] == 0 && ModerateExponent(c["p2"]); }

// The same result in general format and with an SI prefix.
R<2> Both(Num x) { return R{SignReserving(x), Eng5(x)}; }

}  // namespace

constexpr auto PlainArithmeticRows = TableRows{
    Doc({
        " ● ﾊﾟﾗﾒｰﾀ1つの計算",
        "　　 log10(ﾊﾟﾗﾒｰﾀ値)",
        "　　 log(ﾊﾟﾗﾒｰﾀ値)",
        "　　 10^(ﾊﾟﾗﾒｰﾀ値)",
        "　　 Exp(ﾊﾟﾗﾒｰﾀ値)",
    }),
    Rule(Plain(), NoFilterOnly, OnlyFirst,
         [](const Ctx& c) { return R{SignReserving(Log(c["p1"]) / Log(10))}; },
         "● log10({p1})＝ {s}"),
    Rule(Plain(), NoFilterOnly, OnlySecond,
         [](const Ctx& c) { return R{SignReserving(Log(c["p2"]) / Log(10))}; },
         "● log10({p2})＝ {s}"),
    Rule(Plain(), NoFilterOnly, OnlyFirst,
         [](const Ctx& c) { return R{SignReserving(Log(c["p1"]))}; },
         "● log({p1})＝ {s}"),
    Rule(Plain(), NoFilterOnly, OnlySecond,
         [](const Ctx& c) { return R{SignReserving(Log(c["p2"]))}; },
         "● log({p2})＝ {s}"),
    Rule(Plain(), NoFilterOnly, OnlyFirstModerate,
         [](const Ctx& c) { return R{Eng5(Pow(10, c["p1"]))}; },
         "● 10^{p1}＝ {r}"),
    Rule(Plain(), NoFilterOnly, OnlySecondModerate,
         [](const Ctx& c) { return R{Eng5(Pow(10, c["p2"]))}; },
         "● 10^{p2}＝ {r}"),
    Rule(Plain(), NoFilterOnly, OnlyFirstModerate,
         [](const Ctx& c) { return R{Eng5(Exp(c["p1"]))}; },
         "● e^{p1}＝ {r}"),
    Rule(Plain(), NoFilterOnly, OnlySecondModerate,
         [](const Ctx& c) { return R{Eng5(Exp(c["p2"]))}; },
         "● e^{p2}＝ {r}"),
    Doc({
        " ● ﾊﾟﾗﾒｰﾀ2つの計算",
        "　　 (ﾊﾟﾗﾒｰﾀ値)+(ﾊﾟﾗﾒｰﾀ値)",
        "　　 (ﾊﾟﾗﾒｰﾀ値)-(ﾊﾟﾗﾒｰﾀ値)",
        "　　 (ﾊﾟﾗﾒｰﾀ値)x(ﾊﾟﾗﾒｰﾀ値)",
        "　　 (ﾊﾟﾗﾒｰﾀ値)/(ﾊﾟﾗﾒｰﾀ値)",
        "　　 (ﾊﾟﾗﾒｰﾀ値)^(ﾊﾟﾗﾒｰﾀ値)",
        "　　 ((ﾊﾟﾗﾒｰﾀ値)+(ﾊﾟﾗﾒｰﾀ値))/2",
        "　　 √((ﾊﾟﾗﾒｰﾀ値)^2＋(ﾊﾟﾗﾒｰﾀ値)^2)",
    }),
    Rule(Plain(), NoFilterOnly,
         [](const Ctx& c) { return Both(c["p1"] + c["p2"]); },
         "● {p1}＋{p2}＝ {s}＝ {r}"),
    Rule(Plain(), NoFilterOnly,
         [](const Ctx& c) { return Both(c["p1"] - c["p2"]); },
         "● {p1}－{p2}＝ {s}＝ {r}"),
    Rule(Plain(), NoFilterOnly,
         [](const Ctx& c) { return Both(c["p2"] - c["p1"]); },
         "● {p2}－{p1}＝ {s}＝ {r}"),
    Rule(Plain(), NoFilterOnly,
         [](const Ctx& c) { return Both(c["p1"] * c["p2"]); },
         "● {p1}×{p2}＝ {s}＝ {r}"),
    Rule(Plain(), NoFilterOnly,
         [](const Ctx& c) { return Both(c["p1"] / c["p2"]); },
         "● {p1}／{p2}＝ {s}＝ {r}"),
    Rule(Plain(), NoFilterOnly,
         [](const Ctx& c) { return Both(c["p2"] / c["p1"]); },
         "● {p2}／{p1}＝ {s}＝ {r}"),
    Rule(Plain(), NoFilterOnly,
         [](const Ctx& c) { return ModerateExponent(c["p2"]); },
         [](const Ctx& c) { return Both(Pow(c["p1"], c["p2"])); },
         "● {p1}＾{p2}＝ {s}＝ {r}"),
    Rule(Plain(), NoFilterOnly,
         [](const Ctx& c) { return ModerateExponent(c["p1"]); },
         [](const Ctx& c) { return Both(Pow(c["p2"], c["p1"])); },
         "● {p2}＾{p1}＝ {s}＝ {r}"),
    Rule(Plain(), NoFilterOnly,
         [](const Ctx& c) { return Both((c["p1"] + c["p2"]) / 2); },
         "● ({p1}＋{p2})／2 ＝ {s}＝ {r}"),
    Rule(Plain(), NoFilterOnly,
         [](const Ctx& c) { return Both(Sqr(Sq(c["p2"]) + Sq(c["p1"]))); },
         "● √({p1}^2＋{p2}^2) ＝ {s}＝ {r}"),
};
constinit const RuleTable PlainArithmeticTable{PlainArithmeticRows};

}  // namespace tamrisk
