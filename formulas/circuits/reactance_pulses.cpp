// Impedance of a resistance and a reactance, the reactance of a capacitor or
// an inductor at a frequency, period and frequency, phase angle and time, and
// the repetition frequency, width and duty ratio of a pulse train. Reactances
// are written with "-j " (capacitive) or "j " (inductive) before the
// magnitude.
#include "formulas/circuits/circuit_tables.h"

namespace tamrisk {

constexpr auto ReactancePulsesRows = TableRows{
    Doc({
        " ● 抵抗値とﾘｱｸﾀﾝｽ値から､合成ｲﾝﾋﾟｰﾀﾞﾝｽを求める",
        "　　 ｲﾝﾋﾟｰﾀﾞﾝｽ合成値(Ω)=√(抵抗値(Ω)^2+ﾘｱｸﾀﾝｽ値(Ω)^2)",
    }),
    Rule(ThisOrder("Ω", "Ω"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(Sqr(Sq(c["Ω#2"]) + Sq(c["Ω#1"])))}; },
         "● 純抵抗分,リアクタンス分が{Ω#1}({Ω#2}),{Ω#2}({Ω#1})とすると,インピーダンスは {r}Ω"),
    Doc({
        " ● 周波数とｺﾝﾃﾞﾝｻの静電容量から､その周波数におけるｲﾝﾋﾟｰﾀﾞﾝｽを求める",
        "　　 ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)=-j/(2xπx周波数(Hz)x静電容量(F))",
    }),
    // The two input orders differ by one word: with the frequency first the
    // line has no "の" after the capacitance.
    Rule(ThisOrder("F", "Hz"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(1 / (Pi * 2 * c["F"] * c["Hz"]))}; },
         "● 周波数{Hz}における{F}のコンデンサのインピーダンスは -j {r}Ω"),
    Rule(ThisOrder("Hz", "F"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(1 / (Pi * 2 * c["F"] * c["Hz"]))}; },
         "● 周波数{Hz}における{F}コンデンサのインピーダンスは -j {r}Ω"),
    Doc({
        " ● 周波数とｺｲﾙのｲﾝﾀﾞｸﾀﾝｽから､その周波数におけるｲﾝﾋﾟｰﾀﾞﾝｽを求める",
        "　　 ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)=jx2xπx周波数(Hz)xｲﾝﾀﾞｸﾀﾝｽ(H)",
    }),
    Rule(Either("H", "Hz"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(Pi * 2 * c["H"] * c["Hz"])}; },
         "● 周波数{Hz}における{H}のコイルのインピーダンスは j {r}Ω"),
    Doc({
        " ● 周波数とｲﾝﾋﾟｰﾀﾞﾝｽから､ｺﾝﾃﾞﾝｻの静電容量を求める",
        "　　 静電容量(F)=1/(2xπx周波数(Hz)xｲﾝﾋﾟｰﾀﾞﾝｽ(Ω))",
    }),
    Rule(Either("Hz", "Ω"), Filter{"F"},
         [](const Ctx& c) { return R{Eng5(1 / (Pi * 2 * c["Hz"] * c["Ω"]))}; },
         "● 周波数{Hz}におけるインピーダンスが -j{Ω}のコンデンサの静電容量は {r}F"),
    Doc({
        " ● 周波数とｲﾝﾋﾟｰﾀﾞﾝｽから､ｺｲﾙのｲﾝﾀﾞｸﾀﾝｽを求める",
        "　　 ｲﾝﾀﾞｸﾀﾝｽ(H)=ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)/(2xπx周波数(Hz))",
    }),
    Rule(Either("Hz", "Ω"), Filter{"H"},
         [](const Ctx& c) { return R{Eng5(c["Ω"] / (Pi * 2 * c["Hz"]))}; },
         "● 周波数{Hz}におけるインピーダンスが j{Ω}のコイルのインダクタンスは {r}H"),
    Doc({
        " ● 静電容量とｲﾝﾋﾟｰﾀﾞﾝｽから､周波数を求める",
        "　　 周波数(Hz)=1/(2xπx静電容量(F)xｲﾝﾋﾟｰﾀﾞﾝｽ(Ω))",
    }),
    Rule(Either("F", "Ω"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(1 / (Pi * 2 * c["F"] * c["Ω"]))}; },
         "● 静電容量{F}のコンデンサのインピーダンスが -j{Ω}となる周波数は {r}Hz"),
    Doc({
        " ● ｲﾝﾀﾞｸﾀﾝｽとｲﾝﾋﾟｰﾀﾞﾝｽから､周波数を求める",
        "　　 周波数(Hz)=ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)/(2xπxｲﾝﾀﾞｸﾀﾝｽ(H))",
    }),
    Rule(Either("H", "Ω"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(c["Ω"] / (Pi * 2 * c["H"]))}; },
         "● インダクタンス{H}のコイルのインピーダンスが j{Ω}となる周波数は {r}Hz"),
    Doc({
        " ● 周波数から､周期を求める",
        "　　 周期(sec)=1/周波数(Hz)",
    }),
    Rule(Either("Hz", " "), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(1 / c["Hz"])}; },
         "● 周波数{Hz}の周期は {r}sec"),
    Doc({
        " ● 周期から､周波数を求める",
        "　　 周波数(Hz)=1/周期(sec)",
    }),
    Rule(Either("sec", " "), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(1 / c["sec"])}; },
         "● 周期{sec}の周波数は {r}Hz"),
    Doc({
        " ● 周波数と位相角から､時間を求める",
        "　　 時間(sec)=1/周波数(Hz)x位相角(deg)/360",
        "　　 時間(sec)=1/周波数(Hz)x位相角(rad)/(2xπ)",
    }),
    Rule(Either("Hz", "deg"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(1 / c["Hz"] * c["deg"] / 360)}; },
         "● 周波数{Hz}の信号で位相角が{deg}となる時間は{r}sec"),
    Rule(Either("Hz", "rad"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(1 / c["Hz"] * c["rad"] / (Pi * 2))}; },
         "● 周波数{Hz}の信号で位相角が{rad}となる時間は{r}sec"),
    Doc({
        " ● 周波数と時間から､位相角を求める",
        "　　 位相角(deg)=周波数(Hz)x時間(sec)x360",
        "　　 位相角(rad)=周波数(Hz)x時間(sec)x2xπ",
    }),
    Rule(Either("Hz", "sec"), Filter{"deg", "rad"},
         [](const Ctx& c) { return R{Eng5(c["Hz"] * c["sec"] * 360), Eng5(c["Hz"] * c["sec"] * 2 * Pi)}; },
         "● 周波数{Hz}の信号が{sec}間に回る位相は{r1}deg または{r2}rad"),
    Doc({
        " ● 時間と位相角ら､周波数を求める",
        "　　 周波数(Hz)=1/時間(sec)x位相角(deg)/360",
        "　　 周波数(Hz)=1/時間(sec)x位相角(rad)/(2xπ)",
    }),
    Rule(Either("sec", "deg"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(1 / c["sec"] * c["deg"] / 360)}; },
         "● 時間{sec}間に位相が{deg}回る信号の周波数は{r}Hz"),
    Rule(Either("sec", "rad"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(1 / c["sec"] * c["rad"] / (Pi * 2))}; },
         "● 時間{sec}間に位相が{rad}回る信号の周波数は{r}Hz"),
    Doc({
        " ● ﾊﾟﾙｽ信号の繰返周波数とﾃﾞｭｰﾃｨ比から､ﾊﾟﾙｽ幅を求める",
        "　　 ﾊﾟﾙｽ幅(sec)=1/周波数(Hz)x(ﾃﾞｭｰﾃｨ比(%)/100)",
    }),
    Rule(Either("Hz", "%"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(1 / c["Hz"] * c["%"] / 100)}; },
         "● 繰返周波数{Hz}､デューティ比{%}のパルス信号のパルス幅は {r}sec"),
    Doc({
        " ● ﾊﾟﾙｽ信号のﾊﾟﾙｽ幅とﾃﾞｭｰﾃｨ比から､ﾊﾟﾙｽ繰返周波数を求める",
        "　　 周波数(Hz)=(ﾃﾞｭｰﾃｨ比(%)/100)/ﾊﾟﾙｽ幅(sec)",
    }),
    Rule(Either("sec", "%"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(c["%"] / 100 / c["sec"])}; },
         "● パルス幅{sec}､デューティ比{%}のパルス信号のパルス繰返周波数は {r}Hz"),
    Doc({
        " ● ﾊﾟﾙｽ信号の繰返周波数とﾊﾟﾙｽ幅から､ﾃﾞｭｰﾃｨ比を求める",
        "　　 ﾃﾞｭｰﾃｨ比(%)=ﾊﾟﾙｽ幅(sec)x周波数(Hz)x100",
    }),
    Rule(Either("Hz", "sec"), Filter{"%"},
         [](const Ctx& c) { return R{Eng5(c["sec"] * c["Hz"] * 100)}; },
         "● 繰返周波数{Hz}､パルス幅{sec}のパルス信号のデューティ比は {r}%"),
};
constinit const RuleTable ReactancePulsesTable{ReactancePulsesRows};

}  // namespace tamrisk
