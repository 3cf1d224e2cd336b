// Power levels in W, dBm and dBf, voltage levels in V and dBμV, and ratios
// and tolerances in dB as percentages and the other way round.
#include "formulas/circuits/circuit_tables.h"

namespace tamrisk {

constexpr auto LevelsRows = TableRows{
    Doc({
        " ● 電力の単位変換",
        "　　 電力(dBm)=10xLog10(電力(W)x1000)",
        "　　 電力(dBm)=電力(dBf)-120",
        "　　 電力(dBf)=10xLog10(電力(W)x10^15)",
        "　　 電力(dBf)=電力(dBm)+120",
        "　　 電力(W)　=10^(電力(dBm)/10)/1000",
        "　　 電力(W)　=10^(電力(dBf)/10)/10^15",
    }),
    Rule(Either("W", " "), Filter{"dBf", "dBm"},
         [](const Ctx& c) {
           return R{Fmt("###0.000dBm", Log(c["W"] * 1000) * 10 / Log(10)),
                    Fmt("###0.000dBf", Log(c["W"] * 1e15) * 10 / Log(10))};
         },
         "● 電力{W}を dBm,dBf単位で表すと {r1},{r2}"),
    Rule(Either("dBm", " "), Filter{"W", "dBf"},
         [](const Ctx& c) { return R{Eng5(Pow(10, c["dBm"] / 10) / 1000), Fmt("###0.000dBf", c["dBm"] + 120)}; },
         "● 電力{dBm}を W,dBf単位で表すと {r1}W,{r2}"),
    Rule(Either("dBf", " "), Filter{"W", "dBm"},
         [](const Ctx& c) { return R{Eng5(Pow(10, c["dBf"] / 10) / 1e15), Fmt("###0.000dBm", c["dBf"] - 120)}; },
         "● 電力{dBf}を W,dBm単位で表すと {r1}W,{r2}"),
    Doc({
        " ● 電圧の単位変換",
        "　　 電圧(dBμV)=20xLog10(電圧(V)x1000000)",
        "　　 電圧(V)　　=10^(電圧(dBμV)/20)/1000000",
    }),
    Rule(Either("V", " "), Filter{"dBμV"},
         [](const Ctx& c) { return R{Fmt("###0.000dBμV", Log(c["V"] * 1e6) * 20 / Log(10))}; },
         "● 電圧{V}rms を dBμV単位で表すと {r}"),
    Rule(Either("dBμV", " "), Filter{"V"},
         [](const Ctx& c) { return R{Eng5(Pow(10, c["dBμV"] / 20) / 1e6)}; },
         "● 電圧{dBμV}を V単位で表すと {r}Vrms"),
    Doc({
        " ● 電圧値および電流値における±dBの範囲を､百分率で表す",
        "　　 下限(%)=(10^(-比率(dB)/20))x100",
        "　　 上限(%)=(10^(+比率(dB)/20))x100",
    }),
    Rule(Either("dB", " "), Filter{"%"},
         [](const Ctx& c) {
           const Num lower = Pow(10, -Abs(c["dB"]) / 20) * 100;
           const Num upper = Pow(10, Abs(c["dB"]) / 20) * 100;
           return R{Fmt("0.00000", lower), Fmt("0.00000", lower - 100),
                    Fmt("0.00000", upper), Fmt("0.00000", upper - 100)};
         },
         "● 電圧比または電流比で,±{dB}の範囲は {r1}%({r2}%)～{r3}%(+{r4}%)"),
    Doc({
        " ● 電力値における±dBの範囲を､百分率で表す",
        "　　 下限(%)=(10^(-比率(dB)/10))x100",
        "　　 上限(%)=(10^(+比率(dB)/10))x100",
    }),
    Rule(Either("dB", " "), Filter{"%"},
         [](const Ctx& c) {
           const Num lower = Pow(10, -Abs(c["dB"]) / 10) * 100;
           const Num upper = Pow(10, Abs(c["dB"]) / 10) * 100;
           return R{Fmt("0.00000", lower), Fmt("0.00000", lower - 100),
                    Fmt("0.00000", upper), Fmt("0.00000", upper - 100)};
         },
         "● 電力比で,±{dB}の範囲は {r1}%({r2}%)～{r3}%(+{r4}%)"),
    Doc({
        " ● 電圧値および電流値における百分率を､dBで表す",
        "　　 比率(dB)=20xLog10(比率(%)/100)",
    }),
    Rule(Either("%", " "), Filter{"dB"},
         [](const Ctx& c) { return R{Fmt("###0.000dB", Log(c["%"] / 100) * 20 / Log(10))}; },
         "● 電圧比または電流比とすると,{%}は {r}"),
    Doc({
        " ● 電圧値および電流値における±百分率の範囲を､dBで表す",
        "　　 下限(dB)=20xLog10((100-比率(%))/100)",
        "　　 上限(dB)=20xLog10((100+比率(%))/100)",
    }),
    Rule(Either("%", " "), Filter{"dB"},
         [](const Ctx& c) {
           return R{Fmt("###0.000dB", Log((100 - c["%"]) / 100) * 20 / Log(10)),
                    Fmt("###0.000dB", Log((c["%"] + 100) / 100) * 20 / Log(10))};
         },
         "● 電圧比または電流比とすると,±{%}の範囲は {r1}～{r2}"),
    Doc({
        " ● 電力値における百分率を､dBで表す",
        "　　 比率(dB)=10xLog10(比率(%)/100)",
    }),
    Rule(Either("%", " "), Filter{"dB"},
         [](const Ctx& c) { return R{Fmt("###0.000dB", Log(c["%"] / 100) * 10 / Log(10))}; },
         "● 電力比とすると,{%}は {r}"),
    Doc({
        " ● 電力値における±百分率の範囲を､dBで表す",
        "　　 下限(dB)=10xLog10((100-比率(%))/100)",
        "　　 上限(dB)=10xLog10((100+比率(%))/100)",
    }),
    Rule(Either("%", " "), Filter{"dB"},
         [](const Ctx& c) {
           return R{Fmt("###0.000dB", Log((100 - c["%"]) / 100) * 10 / Log(10)),
                    Fmt("###0.000dB", Log((c["%"] + 100) / 100) * 10 / Log(10))};
         },
         "● 電力比とすると,±{%}の範囲は {r1}～{r2}"),
    Doc({
        " ● dB表記の電力の､±比率の電力範囲を求める",
        "　　 下限値(dBm,dBf)=10xLog10(10^(電力(dBm,dBf)/10)x(1-(比率(%)/100)))",
        "　　 上限値(dBm,dBf)=10xLog10(10^(電力(dBm,dBf)/10)x(1+(比率(%)/100)))",
    }),
    Doc({
        " ● dB表記の電圧の､±比率の電圧範囲を求める",
        "　　 下限値(dBμV)=20xLog10(10^(電圧(dBμV)/20)x(1-(比率(%)/100)))",
        "　　 上限値(dBμV)=20xLog10(10^(電圧(dBμV)/20)x(1+(比率(%)/100)))",
    }),
    Doc({
        " ● dBを百分率で表す",
        "　　 電圧､電流比百分率値(%)=10^(dB値(dB)/20)x100",
        "　　 電力比百分率値(%)=10^(dB値(dB)/10)x100",
    }),
};
constinit const RuleTable LevelsTable{LevelsRows};

}  // namespace tamrisk
