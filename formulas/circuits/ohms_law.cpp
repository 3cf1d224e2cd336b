// Ohm's law and Joule's law for a resistor, the power of sine and square
// waves, power factor and the voltage regulation of a power supply.
#include "formulas/circuits/circuit_tables.h"

namespace tamrisk {

constexpr auto OhmsLawRows = TableRows{
    Doc({
        " ● 抵抗器の両端の電圧と抵抗値から､抵抗を流れる電流を求める",
        "　　 電流(A)=電圧(V)/抵抗値(Ω)",
    }),
    Rule(Either("V", "Ω"), Filter{"A"},
         [](const Ctx& c) { return R{Eng5(c["V"] / c["Ω"])}; },
         "●{Ω}の抵抗に電圧{V}を印加した場合に流れる電流は {r}A"),
    Doc({
        " ● 抵抗器の抵抗値と流れる電流から､両端の電圧を求める",
        "　　 電圧(V)=電流(A)x抵抗値(Ω)",
    }),
    Rule(Either("A", "Ω"), Filter{"V"},
         [](const Ctx& c) { return R{Eng5(c["A"] * c["Ω"])}; },
         "●{Ω}の抵抗に電流{A}が流れた場合の抵抗の両端の電圧は {r}V"),
    Doc({
        " ● 抵抗器の両端の電圧と流れる電流から､抵抗値を求める",
        "　　 抵抗値(Ω)=電圧(V)/電流(A)",
    }),
    Rule(Either("A", "V"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(c["V"] / c["A"])}; },
         "● 電圧{V}を印加した場合に電流{A}が流れる抵抗の抵抗値は {r}Ω"),
    Doc({
        " ● 抵抗器に印加する電圧と流す電流から､消費される電力を求める",
        "　　 電力(W)=電圧(V)x電流(A)",
    }),
    Rule(Either("A", "V"), Filter{"W"},
         [](const Ctx& c) { return R{Eng5(c["A"] * c["V"])}; },
         "● 電圧{V}を印加した場合に電流{A}が流れる抵抗で消費される電力は {r}W"),
    Doc({
        " ● 抵抗器に流す電流と消費される電力から､印加する電圧を求める",
        "　　 電圧(V)=電力(W)/電流(A)",
    }),
    Rule(Either("W", "A"), Filter{"V"},
         [](const Ctx& c) { return R{Eng5(c["W"] / c["A"])}; },
         "● 電流{A}を流した場合に消費される電力が{W}であるとすると,その抵抗の両端の電圧は {r}V"),
    Doc({
        " ● 抵抗器に印加する電圧と消費される電力から､流す電流を求める",
        "　　 電流(A)=電力(W)/電圧(V)",
    }),
    Rule(Either("W", "V"), Filter{"A"},
         [](const Ctx& c) { return R{Eng5(c["W"] / c["V"])}; },
         "● 電圧{V}を印加した場合に消費される電力が{W}であるとすると,その抵抗に流れる電流は {r}A"),
    Doc({
        " ● 抵抗器の抵抗値と流す電流から､消費される電力を求める",
        "　　 電力(W)=電流(A)^2x抵抗値(Ω)",
    }),
    Rule(Either("A", "Ω"), Filter{"W"},
         [](const Ctx& c) { return R{Eng5(Sq(c["A"]) * c["Ω"])}; },
         "●{Ω}の抵抗に電流{A}を流した場合に消費される電力は {r}W"),
    Doc({
        " ● 抵抗器に流す電流と消費される電力から､抵抗値を求める",
        "　　 抵抗値(Ω)=電力(W)/電流(A)^2",
    }),
    Rule(Either("W", "A"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(c["W"] / Sq(c["A"]))}; },
         "● 抵抗に{A}の電流を流した場合に消費される電力が{W}であるとすると,その抵抗値は {r}Ω"),
    Doc({
        " ● 抵抗器の抵抗値と消費される電力から､流す電流を求める",
        "　　 電流(A)=√(電力(W)/抵抗値(Ω))",
    }),
    Rule(Either("W", "Ω"), Filter{"A"},
         [](const Ctx& c) { return R{Eng5(Sqr(c["W"] / c["Ω"]))}; },
         "●{Ω}の抵抗で消費電力を{W}とするために,抵抗に流す電流は {r}A"),
    Doc({
        " ● 抵抗器の抵抗値と印加する電圧から､消費される電力を求める",
        "　　 電力(W)=電圧(V)^2/抵抗値(Ω)",
    }),
    Rule(Either("V", "Ω"), Filter{"W"},
         [](const Ctx& c) { return R{Eng5(Sq(c["V"]) / c["Ω"])}; },
         "●{Ω}の抵抗に電圧{V}を印加した場合に消費される電力は {r}W"),
    Doc({
        " ● 抵抗器の抵抗値と印加する正弦波のﾋﾟｰｸ電圧から､消費される電力を求める",
        "　　 電力(W)=(電圧(V)/√2)^2/抵抗値(Ω)",
        "　　 電力(dBm)=10xLog10((電圧(V)/√2)^2/抵抗値(Ω)x1000)",
    }),
    Rule(Either("V", "Ω"), Filter{"W", "dBm"},
         [](const Ctx& c) { return R{Eng5(Sq(c["V"] / Sqr(2)) / c["Ω"]), Fmt("0.000dBm", Log(Sq(c["V"] / Sqr(2)) / c["Ω"] * 1000) * 10 / Log(10))}; },
         "●{Ω}の抵抗にピーク電圧{V}の正弦波を印加時の電力は {r1}W または {r2}"),
    Doc({
        " ● 抵抗器の抵抗値と印加する方形波のﾋﾟｰｸ-ﾋﾟｰｸ間電圧から､消費される電力を求める",
        "　　 電力(W)=(電圧(V)/(0.7854x2x√2))^2/抵抗値(Ω)",
        "　　 電力(dBm)=10xLog10((電圧(V)/(0.7854x2x√2))^2/抵抗値(Ω)x1000)",
    }),
    Rule(Either("V", "Ω"), Filter{"W", "dBm"},
         [](const Ctx& c) { return R{Eng5(Sq(c["V"] / SquareToFundamental / (Sqr(2) * 2)) / c["Ω"]), Fmt("0.000dBm", Log(Sq(c["V"] / SquareToFundamental / (Sqr(2) * 2)) / c["Ω"] * 1000) * 10 / Log(10))}; },
         "●{Ω}の抵抗にピーク-ピーク間電圧{V}の方形波を印加時の基本波成分電力は {r1}W または {r2}"),
    Doc({
        " ● 抵抗器に印加する電圧と消費される電力から､抵抗値を求める",
        "　　 抵抗値(Ω)=電圧(V)^2/電力(W)",
    }),
    Rule(Either("W", "V"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(Sq(c["V"]) / c["W"])}; },
         "● 抵抗に{V}の電圧を印加した場合に消費される電力が{W}であるとすると,その抵抗値は {r}Ω"),
    Doc({
        " ● 抵抗器の抵抗値と消費される電力から､印加する電圧を求める",
        "　　 電圧(V)=√(電力(W)x抵抗値(Ω))",
    }),
    Rule(Either("W", "Ω"), Filter{"V"},
         [](const Ctx& c) { return R{Eng5(Sqr(c["W"] * c["Ω"]))}; },
         "● 抵抗値{Ω}の抵抗で消費電力を{W}とするために,抵抗に印加する電圧は {r}V"),
    Doc({
        " ● 有効電力と皮相電力から､力率を求める",
        "　　 力率(%)=有効電力(W)/皮相電力(VA)x100",
    }),
    Rule(Either("VA", "W"), Filter{"%"},
         [](const Ctx& c) { return R{Fmt("0.00", c["W"] / c["VA"] * 100)}; },
         "● 有効電力{W}および皮相電力{VA}とすると,力率は {r}%"),
    Doc({
        " ● 皮相電力と力率から､有効電力を求める",
        "　　 有効電力(W)=(力率(%)/100)x皮相電力(VA)",
    }),
    Rule(Either("VA", "%"), Filter{"W"},
         [](const Ctx& c) { return R{Eng5(c["%"] / 100 * c["VA"])}; },
         "● 皮相電力{VA}および力率{%}とすると,有効電力は {r}W"),
    Doc({
        " ● 有効電力と力率から､皮相電力を求める",
        "　　 皮相電力(VA)=有効電力(W)/(力率(%)/100)",
    }),
    Rule(Either("W", "%"), Filter{"VA"},
         [](const Ctx& c) { return R{Eng5(c["W"] / (c["%"] / 100))}; },
         "● 有効電力{W}および力率{%}とすると,皮相電力は {r}VA"),
    Doc({
        " ● 電源の無負荷時および定格負荷時の電圧から､電圧変動率を求める",
        "　　 電圧変動率(%)=(無負荷電圧(V)-定格負荷電圧(V))/定格負荷電圧(V)x100",
    }),
    Rule(ThisOrder("V", "V"), Filter{"%"},
         [](const Ctx& c) { return c["V#1"] > c["V#2"]; },
         [](const Ctx& c) { return R{Fmt("0.00", (c["V#1"] - c["V#2"]) / c["V#2"] * 100)}; },
         "● 無負荷時電圧{V#1}､定格負荷時電圧{V#2}の電源の電圧変動率は {r}%"),
    Rule(ThisOrder("V", "V"), Filter{"%"},
         [](const Ctx& c) { return c["V#1"] < c["V#2"]; },
         [](const Ctx& c) { return R{Fmt("0.00", (c["V#2"] - c["V#1"]) / c["V#1"] * 100)}; },
         "● 無負荷時電圧{V#2}､定格負荷時電圧{V#1}の電源の電圧変動率は {r}%"),
};
constinit const RuleTable OhmsLawTable{OhmsLawRows};

}  // namespace tamrisk
