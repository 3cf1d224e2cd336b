// The ratio of two currents, voltages or powers in decibels, a value with a
// tolerance in decibels turned into its range, and the rms, peak and
// peak-to-peak voltages of a sine wave and of a square wave's fundamental.
// The ratios show the magnitude, whichever value is the larger; the
// tolerances use the magnitude of the decibel figure for both bounds.
#include "formulas/circuits/circuit_tables.h"

namespace tamrisk {

constexpr auto DecibelsRangesRows = TableRows{
    Doc({
        " ● 2つの電流値から､dB 単位での電流比を求める",
        "　　 電流比(dB)=20xLog10(電流値1(A)/電流値2(A))",
    }),
    Rule(ThisOrder("A", "A"), Filter{"dB"},
         [](const Ctx& c) { return R{Fmt("###0.000dB", Abs(Log(c["A#1"] / c["A#2"]) * 20 / Log(10)))}; },
         "● 電流{A#1}と{A#2}の比率をdBで表すと {r}"),
    Doc({
        " ● 2つの電圧値から､dB 単位での電圧比を求める",
        "　　 電圧比(dB)=20xLog10(電圧値1(V)/電圧値2(V))",
    }),
    Rule(ThisOrder("V", "V"), Filter{"dB"},
         [](const Ctx& c) { return R{Fmt("###0.000dB", Abs(Log(c["V#1"] / c["V#2"]) * 20 / Log(10)))}; },
         "● 電圧{V#1}と{V#2}の比率をdBで表すと {r}"),
    Doc({
        " ● 2つの電力値から､dB 単位での電力比を求める",
        "　　 電力比(dB)=10xLog10(電力値1(W)/電力値2(W))",
    }),
    Rule(ThisOrder("W", "W"), Filter{"dB"},
         [](const Ctx& c) { return R{Fmt("###0.000dB", Abs(Log(c["W#1"] / c["W#2"]) * 10 / Log(10)))}; },
         "● 電力{W#1}と{W#2}の比率をdBで表すと {r}"),
    Doc({
        " ● 電流値とdB単位による誤差範囲から､電流値の範囲を求める",
        "　　 電流最低値(A)=電流値(A)x10^(-誤差(dB)/20)",
        "　　 電流最大値(A)=電流値(A)x10^(+誤差(dB)/20)",
    }),
    Rule(Either("A", "dB"), Filter{"A"},
         [](const Ctx& c) { return R{Eng5(Pow(10, -Abs(c["dB"]) / 20) * c["A"]), Eng5(Pow(10, Abs(c["dB"]) / 20) * c["A"])}; },
         "● 電流{A}の±{dB}の範囲は {r1}A～{r2}A"),
    Doc({
        " ● 電圧値とdB単位による誤差範囲から､電圧値の範囲を求める",
        "　　 電圧最低値(V)=電圧値(V)x10^(-誤差(dB)/20)",
        "　　 電圧最大値(V)=電圧値(V)x10^(+誤差(dB)/20)",
    }),
    Rule(Either("V", "dB"), Filter{"V"},
         [](const Ctx& c) { return R{Eng5(Pow(10, -Abs(c["dB"]) / 20) * c["V"]), Eng5(Pow(10, Abs(c["dB"]) / 20) * c["V"])}; },
         "● 電圧{V}の±{dB}の範囲は {r1}V～{r2}V"),
    Doc({
        " ● 電力値とdB単位による誤差範囲から､電力値の範囲を求める",
        "　　 電力最低値(W)=電力値(W)x10^(-誤差(dB)/10)",
        "　　 電力最大値(W)=電力値(W)x10^(+誤差(dB)/10)",
    }),
    Rule(Either("W", "dB"), Filter{"W"},
         [](const Ctx& c) { return R{Eng5(Pow(10, -Abs(c["dB"]) / 10) * c["W"]), Eng5(Pow(10, Abs(c["dB"]) / 10) * c["W"])}; },
         "● 電力{W}の±{dB}の範囲は {r1}W～{r2}W"),
    Doc({
        " ● 正弦波交流の実効値電圧から､ﾋﾟｰｸ電圧を求める",
        "　　 ﾋﾟｰｸ電圧(Vpeak)　　　=実効値電圧(Vrms)x√(2)",
        "　　 ﾋﾟｰｸ-ﾋﾟｰｸ間電圧(Vp-p)=実効値電圧(Vrms)x√(2)x2",
    }),
    Rule(Either("V", " "), Filter{"V"},
         [](const Ctx& c) { return R{Eng5(c["V"] * Sqr(2)), Eng5(c["V"] * Sqr(2) * 2)}; },
         "● 実効値電圧が{V}rms の正弦波のピーク電圧は {r1}Vpeak または {r2}Vp-p"),
    Doc({
        " ● 正弦波交流のﾋﾟｰｸ電圧から､実効値電圧を求める",
        "　　 実効値電圧(Vrms)=ﾋﾟｰｸ電圧(Vpeak)/√(2)",
        "　　 実効値電圧(Vrms)=ﾋﾟｰｸ-ﾋﾟｰｸ間電圧(Vp-p)/2/x√(2)",
    }),
    Rule(Either("V", " "), Filter{"V"},
         [](const Ctx& c) { return R{Eng5(c["V"] / Sqr(2))}; },
         "● ピーク値電圧が{V}peak の正弦波の実効値電圧は {r}Vrms"),
    Rule(Either("V", " "), Filter{"V"},
         [](const Ctx& c) { return R{Eng5(c["V"] / 2 / Sqr(2))}; },
         "● ピーク-ピーク間電圧が{V}p-p の正弦波の実効値電圧は {r}Vrms"),
    Doc({
        " ● 方形波のﾋﾟｰｸ-ﾋﾟｰｸ電圧から､基本波正弦波の電圧を求める",
        "　　 正弦波ﾋﾟｰｸ-ﾋﾟｰｸ電圧(Vp-p)=方形波ﾋﾟｰｸ-ﾋﾟｰｸ電圧(Vp-p)/0.7854",
        "　　 正弦波実効値電圧(Vrms)　 =方形波ﾋﾟｰｸ-ﾋﾟｰｸ電圧(Vp-p)/0.7854/2/x√(2)",
    }),
    Rule(Either("V", " "), Filter{"V"},
         [](const Ctx& c) { return R{Eng5(c["V"] / SquareToFundamental), Eng5(c["V"] / SquareToFundamental / 2 / Sqr(2))}; },
         "● ピーク-ピーク間電圧が{V}p-p の方形波の基本周波数成分の正弦波は {r1}Vp-p､{r2}Vrms"),
};
constinit const RuleTable DecibelsRangesTable{DecibelsRangesRows};

}  // namespace tamrisk
