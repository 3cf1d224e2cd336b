// Two resistors, capacitors or inductors in series and in parallel, the
// unknown component that turns a known one into a wanted total, and two
// voltages in quadrature. Of two values of one unit, the larger is the wanted
// series total and the smaller the wanted parallel total (for capacitors the
// other way round); equal values name no unknown component.
#include "formulas/circuits/circuit_tables.h"

namespace tamrisk {

EntryTable CombinationsTable() {
  return {
    Doc({
        " ● 2つの抵抗値から､直列接続時および並列接続時の合成抵抗値を求める",
        "　　 直列合成値(Ω)=抵抗値1(Ω)+抵抗値2(Ω)",
        "　　 並列合成値(Ω)=1/((1/抵抗値1(Ω))+(1/抵抗値2(Ω)))",
    }),
    Rule(ThisOrder("Ω", "Ω"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(c["Ω#1"] + c["Ω#2"])}; },
         "● 抵抗値{Ω#1}と{Ω#2}の抵抗の,直列接続時の合成抵抗値は {r}Ω"),
    Rule(ThisOrder("Ω", "Ω"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(1 / (1 / c["Ω#1"] + 1 / c["Ω#2"]))}; },
         "● 抵抗値{Ω#1}と{Ω#2}の抵抗の,並列接続時の合成抵抗値は {r}Ω"),
    Doc({
        " ● 既知と未知の抵抗値の直列接続において､合成値から､未知抵抗値を求める",
        "　　 未知値(Ω)=直列合成値(Ω)-既知値(Ω)",
    }),
    Doc({
        " ● 既知と未知の抵抗値の並列接続において､合成値から､未知抵抗値を求める",
        "　　 未知値(Ω)=既知値(Ω)x並列合成値(Ω)/(既知値(Ω)-並列合成値(Ω))",
    }),
    Rule(ThisOrder("Ω", "Ω"), Filter{"Ω"},
         [](const Ctx& c) { return c["Ω#1"] > c["Ω#2"]; },
         [](const Ctx& c) { return R{Eng5(c["Ω#1"] * c["Ω#2"] / (c["Ω#1"] - c["Ω#2"]))}; },
         "● 抵抗値{Ω#1}の抵抗に並列接続して{Ω#2}の抵抗値にするための抵抗は {r}Ω"),
    Rule(ThisOrder("Ω", "Ω"), Filter{"Ω"},
         [](const Ctx& c) { return c["Ω#1"] < c["Ω#2"]; },
         [](const Ctx& c) { return R{Eng5(c["Ω#2"] - c["Ω#1"])}; },
         "● 抵抗値{Ω#1}の抵抗に直列接続して{Ω#2}の抵抗値にするための抵抗は {r}Ω"),
    Rule(ThisOrder("Ω", "Ω"), Filter{"Ω"},
         [](const Ctx& c) { return c["Ω#1"] < c["Ω#2"]; },
         [](const Ctx& c) { return R{Eng5(c["Ω#1"] * c["Ω#2"] / (c["Ω#2"] - c["Ω#1"]))}; },
         "● 抵抗値{Ω#2}の抵抗に並列接続して{Ω#1}の抵抗値にするための抵抗は {r}Ω"),
    Rule(ThisOrder("Ω", "Ω"), Filter{"Ω"},
         [](const Ctx& c) { return c["Ω#1"] > c["Ω#2"]; },
         [](const Ctx& c) { return R{Eng5(c["Ω#1"] - c["Ω#2"])}; },
         "● 抵抗値{Ω#2}の抵抗に直列接続して{Ω#1}の抵抗値にするための抵抗は {r}Ω"),
    Doc({
        " ● 2つの静電容量値から､直列接続時および並列接続時の合成静電容量値を求める",
        "　　 直列合成静電容量値(F)=1/((1/静電容量値1(F))+(1/静電容量値2(F)))",
        "　　 並列合成静電容量値(F)=静電容量値1(F)+静電容量値2(F)",
    }),
    Rule(ThisOrder("F", "F"), Filter{"F"},
         [](const Ctx& c) { return R{Eng5(1 / (1 / c["F#1"] + 1 / c["F#2"]))}; },
         "● 容量{F#1}と{F#2}のコンデンサの,直列接続時の合成容量は {r}F"),
    Rule(ThisOrder("F", "F"), Filter{"F"},
         [](const Ctx& c) { return R{Eng5(c["F#1"] + c["F#2"])}; },
         "● 容量{F#1}と{F#2}のコンデンサの,並列接続時の合成容量は {r}F"),
    Doc({
        " ● 既知と未知の静電容量値の直列接続において､合成静電容量値から､未知の静電容量値を求める",
        "　　 未知値(F)=既知値(F)x直列合成値(F)/(既知値(F)-直列合成値(F))",
    }),
    Doc({
        " ● 既知と未知の静電容量値の並列接続において､合成静電容量値から､未知の静電容量値を求める",
        "　　 未知値(F)=並列合成値(F)-既知値(F)",
    }),
    Rule(ThisOrder("F", "F"), Filter{"F"},
         [](const Ctx& c) { return c["F#1"] > c["F#2"]; },
         [](const Ctx& c) { return R{Eng5(c["F#1"] * c["F#2"] / (c["F#1"] - c["F#2"]))}; },
         "● 静電容量{F#1}のコンデンサに直列接続して{F#2}の静電容量にするためのコンデンサは {r}F"),
    Rule(ThisOrder("F", "F"), Filter{"F"},
         [](const Ctx& c) { return c["F#1"] < c["F#2"]; },
         [](const Ctx& c) { return R{Eng5(c["F#2"] - c["F#1"])}; },
         "● 静電容量{F#1}のコンデンサに並列接続して{F#2}の静電容量にするためのコンデンサは {r}F"),
    Rule(ThisOrder("F", "F"), Filter{"F"},
         [](const Ctx& c) { return c["F#1"] < c["F#2"]; },
         [](const Ctx& c) { return R{Eng5(c["F#1"] * c["F#2"] / (c["F#2"] - c["F#1"]))}; },
         "● 静電容量{F#2}のコンデンサに直列接続して{F#1}の静電容量にするためのコンデンサは {r}F"),
    Rule(ThisOrder("F", "F"), Filter{"F"},
         [](const Ctx& c) { return c["F#1"] > c["F#2"]; },
         [](const Ctx& c) { return R{Eng5(c["F#1"] - c["F#2"])}; },
         "● 静電容量{F#2}のコンデンサに並列接続して{F#1}の静電容量にするためのコンデンサは {r}F"),
    Doc({
        " ● 2つのｲﾝﾀﾞｸﾀﾝｽ値から､直列接続時および並列接続時の合成ｲﾝﾀﾞｸﾀﾝｽ値を求める",
        "　　 直列合成値(H)=ｲﾝﾀﾞｸﾀﾝｽ値1(H)+ｲﾝﾀﾞｸﾀﾝｽ値2(H)",
        "　　 並列合成値(H)=1/((1/ｲﾝﾀﾞｸﾀﾝｽ値1(H))+(1/ｲﾝﾀﾞｸﾀﾝｽ値2(H)))",
    }),
    Rule(ThisOrder("H", "H"), Filter{"H"},
         [](const Ctx& c) { return R{Eng5(c["H#1"] + c["H#2"])}; },
         "● インダクタンス{H#1}と{H#2}のコイルの,直列接続時の合成インダクタンスは {r}H"),
    Rule(ThisOrder("H", "H"), Filter{"H"},
         [](const Ctx& c) { return R{Eng5(1 / (1 / c["H#1"] + 1 / c["H#2"]))}; },
         "● インダクタンス{H#1}と{H#2}のコイルの,並列接続時の合成インダクタンスは {r}H"),
    Doc({
        " ● 既知と未知のｲﾝﾀﾞｸﾀﾝｽ値の直列接続において､合成ｲﾝﾀﾞｸﾀﾝｽ値から､未知のｲﾝﾀﾞｸﾀﾝｽ値を求める",
        "　　 未知値(H)=直列合成値(H)-既知値(H)",
    }),
    Doc({
        " ● 既知と未知のｲﾝﾀﾞｸﾀﾝｽ値の並列接続において､合成ｲﾝﾀﾞｸﾀﾝｽ値から､未知のｲﾝﾀﾞｸﾀﾝｽ値を求める",
        "　　 未知値(H)=既知値(H)x並列合成値(H)/(既知値(H)-並列合成値(H))",
    }),
    Rule(ThisOrder("H", "H"), Filter{"H"},
         [](const Ctx& c) { return c["H#1"] > c["H#2"]; },
         [](const Ctx& c) { return R{Eng5(c["H#1"] * c["H#2"] / (c["H#1"] - c["H#2"]))}; },
         "● インダクタンス{H#1}のコイルに並列接続して{H#2}のインダクタンスにするためのコイルは {r}H"),
    Rule(ThisOrder("H", "H"), Filter{"H"},
         [](const Ctx& c) { return c["H#1"] < c["H#2"]; },
         [](const Ctx& c) { return R{Eng5(c["H#2"] - c["H#1"])}; },
         "● インダクタンス{H#1}のコイルに直列接続して{H#2}のインダクタンスにするためのコイルは {r}H"),
    Rule(ThisOrder("H", "H"), Filter{"H"},
         [](const Ctx& c) { return c["H#1"] < c["H#2"]; },
         [](const Ctx& c) { return R{Eng5(c["H#1"] * c["H#2"] / (c["H#2"] - c["H#1"]))}; },
         "● インダクタンス{H#2}のコイルに並列接続して{H#1}のインダクタンスにするためのコイルは {r}H"),
    Rule(ThisOrder("H", "H"), Filter{"H"},
         [](const Ctx& c) { return c["H#1"] > c["H#2"]; },
         [](const Ctx& c) { return R{Eng5(c["H#1"] - c["H#2"])}; },
         "● インダクタンス{H#2}のコイルに直列接続して{H#1}のインダクタンスにするためのコイルは {r}H"),
    Doc({
        " ● 互いに位相が直交する信号の電圧から､電圧の合成値を求める",
        "　　 電圧合成値(V)=√(電圧1(V)^2+電圧2(V)^2)",
    }),
    Rule(ThisOrder("V", "V"), Filter{"V"},
         [](const Ctx& c) { return R{Eng5(Sqr(Sq(c["V#2"]) + Sq(c["V#1"])))}; },
         "● 互いに位相が直交する信号の電圧{V#1}と{V#2}の,電圧合成値は {r}V"),
  };
}

}  // namespace tamrisk
