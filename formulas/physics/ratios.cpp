// A ratio in %, ppm or ppb applied to a value of almost any unit (its share
// and the range value ± ratio), tolerance ranges of decibel values, ratios
// in exponent notation, and decibels as percentages.
#include "formulas/physics/physics_tables.h"

namespace tamrisk {

namespace {

// The value a ratio applies to: any unit but none, temperatures, standing
// wave ratios and decibels, whose share or range taken linearly means nothing.
constexpr AcceptedUnits RatioBase() {
  return AnyUnitExcept({" ", "K", "VSWR", "dB", "dBc", "dBm", "dBμV", "℃", "ﾟF", "dBf"}, "X");
}

// A share or range is written in the value's own unit; areas in ㎡ and in2
// take the area formatter, whose prefix steps are 10^6 as in the area input.
std::string InUnitOf(const Ctx& c, Num x) {
  const std::string& unit = c.Unit("X");
  return unit == "㎡" || unit == "in2" ? Eng8(x) : Eng5(x);
}

}  // namespace

constexpr auto RatiosRows = TableRows{
    Doc({
        " ● ﾊﾟﾗﾒｰﾀ値の､比率を乗じた値を求める",
        "　　 求める値=ﾊﾟﾗﾒｰﾀ値x比率(%)/100",
        "　　 求める値=ﾊﾟﾗﾒｰﾀ値x比率(ppm)/1000000",
        "　　 求める値=ﾊﾟﾗﾒｰﾀ値x比率(ppb)/1000000000",
    }),
    Doc({
        " ● ﾊﾟﾗﾒｰﾀ値の､±比率の範囲を求める",
        "　　 下限値=ﾊﾟﾗﾒｰﾀ値x(100-比率(%))/100",
        "　　 上限値=ﾊﾟﾗﾒｰﾀ値x(100+比率(%))/100",
        "　　 下限値=ﾊﾟﾗﾒｰﾀ値x(1000000-比率(ppm))/1000000",
        "　　 上限値=ﾊﾟﾗﾒｰﾀ値x(1000000+比率(ppm))/1000000",
        "　　 下限値=ﾊﾟﾗﾒｰﾀ値x(1000000000-比率(ppb))/1000000000",
        "　　 上限値=ﾊﾟﾗﾒｰﾀ値x(1000000000+比率(ppb))/1000000000",
    }),
    Rule(Either(RatioBase(), "%"), NoFilterOnly,
         [](const Ctx& c) { return R{InUnitOf(c, c["X"] * c["%"] / 100)}; },
         "● パラメータ{X}の{%}は {r}{U}"),
    Rule(Either(RatioBase(), "%"), NoFilterOnly,
         [](const Ctx& c) {
           return R{InUnitOf(c, (100 - c["%"]) * c["X"] / 100),
                    InUnitOf(c, (c["%"] + 100) * c["X"] / 100)};
         },
         "● パラメータ{X}の±{%}の範囲は {r1}{U}～{r2}{U}"),
    Rule(Either(RatioBase(), "ppm"), NoFilterOnly,
         [](const Ctx& c) { return R{InUnitOf(c, c["X"] * c["ppm"] / 1000000)}; },
         "● パラメータ{X}の{ppm}は {r}{U}"),
    Rule(Either(RatioBase(), "ppm"), NoFilterOnly,
         [](const Ctx& c) {
           return R{InUnitOf(c, (1000000 - c["ppm"]) * c["X"] / 1000000),
                    InUnitOf(c, (c["ppm"] + 1000000) * c["X"] / 1000000)};
         },
         "● パラメータ{X}の±{ppm}の範囲は {r1}{U}～{r2}{U}"),
    Rule(Either(RatioBase(), "ppb"), NoFilterOnly,
         [](const Ctx& c) { return R{InUnitOf(c, c["X"] * c["ppb"] / 1000000000)}; },
         "● パラメータ{X}の{ppb}は {r}{U}"),
    Rule(Either(RatioBase(), "ppb"), NoFilterOnly,
         [](const Ctx& c) {
           return R{InUnitOf(c, (1000000000 - c["ppb"]) * c["X"] / 1000000000),
                    InUnitOf(c, (c["ppb"] + 1000000000) * c["X"] / 1000000000)};
         },
         "● パラメータ{X}の±{ppb}の範囲は {r1}{U}～{r2}{U}"),
    Rule(Either(AnyOf({"dBm", "dBf"}, "dB"), "%"), Filter{"dBf", "dBm"},
         [](const Ctx& c) {
           return R{Fmt("0.0000", Log(Pow(10, c["dB"] / 10) * (1 - c["%"] / 100)) * 10 / Log(10)),
                    Fmt("0.0000", Log(Pow(10, c["dB"] / 10) * (c["%"] / 100 + 1)) * 10 / Log(10))};
         },
         "● パラメータ{dB}の±{%}の範囲は {r1}{U}～{r2}{U}"),
    Rule(Either("dBμV", "%"), Filter{"dBμV"},
         [](const Ctx& c) {
           return R{Fmt("0.0000", Log(Pow(10, c["dBμV"] / 20) * (1 - c["%"] / 100)) * 20 / Log(10)),
                    Fmt("0.0000", Log(Pow(10, c["dBμV"] / 20) * (c["%"] / 100 + 1)) * 20 / Log(10))};
         },
         "● パラメータ{dBμV}の±{%}の範囲は {r1}{U}～{r2}{U}"),
    Doc({
        " ● 比率単位値を指数で表す",
        "　　 指数値=指数表記(%値/100)",
        "　　 指数値=指数表記(ppm値/1000000)",
        "　　 指数値=指数表記(ppb値/1000000000)",
    }),
    Rule(Either("%", " "), NoFilterOnly,
         [](const Ctx& c) { return R{Scientific(c["%"] / 100)}; },
         "● {%}を指数で表すと {r}"),
    Rule(Either("ppm", " "), NoFilterOnly,
         [](const Ctx& c) { return R{Scientific(c["ppm"] / 1000000)}; },
         "● {ppm}を指数で表すと {r}"),
    Rule(Either("ppb", " "), NoFilterOnly,
         [](const Ctx& c) { return R{Scientific(c["ppb"] / 1000000000)}; },
         "● {ppb}を指数で表すと {r}"),
    Rule(Either("dB", " "), Filter{"%"},
         [](const Ctx& c) {
           return R{Fmt("0.000000000", Pow(10, c["dB"] / 20) * 100),
                    Fmt("0.000000000", Pow(10, c["dB"] / 10) * 100)};
         },
         "● {dB}をパーセントで表すと {r1}% (電圧､電流)または {r2}% (電力)"),
};
constinit const RuleTable RatiosTable{RatiosRows};

}  // namespace tamrisk
