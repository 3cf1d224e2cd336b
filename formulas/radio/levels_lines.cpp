// Radio-frequency levels across an impedance, standing waves and mismatch,
// quarter-wave transformers, and the impedance and dimensions of two-wire and
// coaxial feed lines. Common logarithms are written k*(Log(x)/Log(10)) in the
// order of the formula list, so that every figure agrees to the last digit.
#include "formulas/radio/radio_tables.h"

namespace tamrisk {

constexpr auto LevelsLinesRows = TableRows{
    Doc({
        " ● 高周波電力とｲﾝﾋﾟｰﾀﾞﾝｽから､高周波電圧を求める",
        "　　 終端電圧(V)　　=√(((10^(電力(dBm)/10))/1000)xｲﾝﾋﾟｰﾀﾞﾝｽ(Ω))",
        "　　 終端電圧(V)　　=√(((10^(電力(dBf)/10))/10^15)xｲﾝﾋﾟｰﾀﾞﾝｽ(Ω))",
        "　　 開放電圧(V)　　=2x√(((10^(電力(dBm)/10))/1000)xｲﾝﾋﾟｰﾀﾞﾝｽ(Ω))",
        "　　 開放電圧(V)　　=2x√(((10^(電力(dBf)/10))/10^15)xｲﾝﾋﾟｰﾀﾞﾝｽ(Ω))",
        "　　 終端電圧(dBμV)=20xLog10(√(((10^(電力(dBm)/10))/1000)xｲﾝﾋﾟｰﾀﾞﾝｽ(Ω))x10^6)",
        "　　 終端電圧(dBμV)=20xLog10(√(((10^(電力(dBf)/10))/10^15)xｲﾝﾋﾟｰﾀﾞﾝｽ(Ω))x10^6)",
        "　　 開放電圧(dBμV)=20xLog10(2x√(((10^(電力(dBm)/10))/1000)xｲﾝﾋﾟｰﾀﾞﾝｽ(Ω))x10^6)",
        "　　 開放電圧(dBμV)=20xLog10(2x√(((10^(電力(dBf)/10))/10^15)xｲﾝﾋﾟｰﾀﾞﾝｽ(Ω))x10^6)",
    }),
    Rule(Either("dBm", "Ω"), Filter{"V", "dBμV"},
         [](const Ctx& c) {
           return R{Eng5(Sqr(Pow(10, c["dBm"] / 10) / 1000 * c["Ω"])),
                    Fmt("0.000dBμV", 20 * (Log(Sqr(Pow(10, c["dBm"] / 10) / 1000 * c["Ω"]) * Pow(10, 6)) / Log(10)))};
         },
         "● 出力インピーダンス{Ω}の信号源のレベル{dBm}時の終端電圧は {r1}V, {r2}"),
    Rule(Either("dBm", "Ω"), Filter{"V", "dBμV"},
         [](const Ctx& c) {
           return R{Eng5(Sqr(Pow(10, c["dBm"] / 10) / 1000 * c["Ω"]) * 2),
                    Fmt("0.000dBμV", 20 * (Log(Sqr(Pow(10, c["dBm"] / 10) / 1000 * c["Ω"]) * 2 * Pow(10, 6)) / Log(10)))};
         },
         "● 出力インピーダンス{Ω}の信号源のレベル{dBm}時の開放電圧は {r1}V, {r2}"),
    Rule(Either("dBf", "Ω"), Filter{"V", "dBμV"},
         [](const Ctx& c) {
           return R{Eng5(Sqr(Pow(10, c["dBf"] / 10) / Pow(10, 15) * c["Ω"])),
                    Fmt("0.000dBμV", 20 * (Log(Sqr(Pow(10, c["dBf"] / 10) / Pow(10, 15) * c["Ω"]) * Pow(10, 6)) / Log(10)))};
         },
         "● 出力インピーダンス{Ω}の信号源のレベル{dBf}時の終端電圧は {r1}V, {r2}"),
    Rule(Either("dBf", "Ω"), Filter{"V", "dBμV"},
         [](const Ctx& c) {
           return R{Eng5(Sqr(Pow(10, c["dBf"] / 10) / Pow(10, 15) * c["Ω"]) * 2),
                    Fmt("0.000dBμV", 20 * (Log(Sqr(Pow(10, c["dBf"] / 10) / Pow(10, 15) * c["Ω"]) * 2 * Pow(10, 6)) / Log(10)))};
         },
         "● 出力インピーダンス{Ω}の信号源のレベル{dBf}時の開放電圧は {r1}V, {r2}"),
    Doc({
        " ● 高周波電圧とｲﾝﾋﾟｰﾀﾞﾝｽから､高周波電力を求める",
        "　　 高周波電力(dBm)=10xLog10(終端電圧(V)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x1000)",
        "　　 高周波電力(dBm)=10xLog10((開放電圧(V)/2)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x1000)",
        "　　 高周波電力(dBm)=10xLog10((10^(終端電圧(dBμV)/20)/10^6)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x1000)",
        "　　 高周波電力(dBm)=10xLog10(((10^(開放電圧(dBμV)/20)/10^6)/2)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x1000)",
        "　　 高周波電力(dBf)=10xLog10(終端電圧(V)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x10^15)",
        "　　 高周波電力(dBf)=10xLog10((開放電圧(V)/2)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x10^15)",
        "　　 高周波電力(dBf)=10xLog10((10^(終端電圧(dBμV)/20)/10^6)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x10^15",
        "　　 高周波電力(dBf)=10xLog10(((10^(開放電圧(dBμV)/20)/10^6)/2)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x10^15",
    }),
    Rule(Either("V", "Ω"), Filter{"dBf", "dBm"},
         [](const Ctx& c) {
           return R{Fmt("0.000dBm", 10 * (Log(Sq(c["V"]) / c["Ω"] * 1000) / Log(10))),
                    Fmt("0.000dBf", 10 * (Log(Sq(c["V"]) / c["Ω"] * Pow(10, 15)) / Log(10)))};
         },
         "● 伝送インピーダンス{Ω}において,終端電圧が{V}となる信号源レベルは {r1},{r2}"),
    Rule(Either("V", "Ω"), Filter{"dBf", "dBm"},
         [](const Ctx& c) {
           return R{Fmt("0.000dBm", 10 * (Log(Sq(c["V"] / 2) / c["Ω"] * 1000) / Log(10))),
                    Fmt("0.000dBf", 10 * (Log(Sq(c["V"] / 2) / c["Ω"] * Pow(10, 15)) / Log(10)))};
         },
         "● 伝送インピーダンス{Ω}において,開放電圧が{V}となる信号源レベルは {r1},{r2}"),
    Rule(Either("dBμV", "Ω"), Filter{"dBf", "dBm"},
         [](const Ctx& c) {
           return R{Fmt("0.000dBm", 10 * (Log(Sq(Pow(10, c["dBμV"] / 20) / Pow(10, 6)) / c["Ω"] * 1000) / Log(10))),
                    Fmt("0.000dBf", 10 * (Log(Sq(Pow(10, c["dBμV"] / 20) / Pow(10, 6)) / c["Ω"] * Pow(10, 15)) / Log(10)))};
         },
         "● 伝送インピーダンス{Ω}において,終端電圧が{dBμV}となる信号源レベルは {r1},{r2}"),
    Rule(Either("dBμV", "Ω"), Filter{"dBf", "dBm"},
         [](const Ctx& c) {
           return R{Fmt("0.000dBm", 10 * (Log(Sq(Pow(10, c["dBμV"] / 20) / Pow(10, 6) / 2) / c["Ω"] * 1000) / Log(10))),
                    Fmt("0.000dBf", 10 * (Log(Sq(Pow(10, c["dBμV"] / 20) / Pow(10, 6) / 2) / c["Ω"] * Pow(10, 15)) / Log(10)))};
         },
         "● 伝送インピーダンス{Ω}において,開放電圧が{dBμV}となる信号源レベルは {r1},{r2}"),
    Doc({
        " ● 不整合減衰量から､電圧定在波比を求める",
        "　　 電圧定在波比(VSWR)=(10^(不整合減衰量(dB)/20)+1)/(10^(不整合減衰量(dB)/20)-1)",
    }),
    Rule(Either("dB", " "), Filter{"VSWR"},
         [](const Ctx& c) {
           return R{Fmt("0.000", (Pow(10, Abs(c["dB"]) / 20) + 1) / (Pow(10, Abs(c["dB"]) / 20) - 1))};
         },
         "● 不整合減衰量{dB}をVSWRで表すと {r}"),
    Doc({
        " ● 電圧定在波比から､不整合減衰量を求める",
        "　　 不整合減衰量(dB)=20xLog10((電圧定在波比(VSWR)+1)/(電圧定在波比(VSWR)-1))",
    }),
    Rule(Either("VSWR", " "), Filter{"dB"},
         [](const Ctx& c) { return c["VSWR"] > 1; },
         [](const Ctx& c) { return R{Fmt("###0.000dB", 20 * (Log((c["VSWR"] + 1) / (c["VSWR"] - 1)) / Log(10)))}; },
         "● VSWR {VSWR}を不整合減衰量で表すと {r}"),
    Rule(Either("VSWR", " "), Filter{"dB"},
         [](const Ctx& c) { return c["VSWR"] == 1; },
         [](const Ctx&) { return R{}; },
         "● VSWR {VSWR}を不整合減衰量で表すと 無限大 dB"),
    Doc({
        " ● 信号源ｲﾝﾋﾟｰﾀﾞﾝｽと負荷ｲﾝﾋﾟｰﾀﾞﾝｽから､電圧定在波比を求める",
        "　　 電圧定在波比(VSWR)=(信号源､負荷の大きい方(Ω))/(信号源､負荷の小さい方(Ω))",
    }),
    Rule(ThisOrder("Ω", "Ω"), Filter{"VSWR"},
         [](const Ctx& c) { return R{Fmt("0.000", Max(c["Ω#1"], c["Ω#2"]) / Min(c["Ω#1"], c["Ω#2"]))}; },
         "● {Ω#1}および{Ω#2}を信号源および負荷のインピーダンスとすると､VSWRは {r}"),
    Doc({
        " ● 信号源ｲﾝﾋﾟｰﾀﾞﾝｽと負荷ｲﾝﾋﾟｰﾀﾞﾝｽから､不整合減衰量を求める",
        "　　 不整合減衰量(dB)=20xLog10((信号源(Ω)+負荷(Ω))/(｜信号源(Ω)-負荷(Ω)｜))",
    }),
    Rule(ThisOrder("Ω", "Ω"), Filter{"dB"},
         [](const Ctx& c) {
           return R{Fmt("###0.000dB", 20 * (Log((c["Ω#1"] + c["Ω#2"]) / Abs(c["Ω#1"] - c["Ω#2"])) / Log(10)))};
         },
         "● {Ω#1}および{Ω#2}を信号源および負荷のインピーダンスとすると､不整合減衰量は {r}"),
    Doc({
        " ● 非同調給電線における電圧の最小値と最大値から､電圧定在波比を求める",
        "　　 電圧定在波比(VSWR)=電圧最大値(V)/電圧最小値(V)",
    }),
    Rule(ThisOrder("V", "V"), Filter{"VSWR"},
         [](const Ctx& c) { return c["V#1"] > c["V#2"]; },
         [](const Ctx& c) { return R{Fmt("0.000", c["V#1"] / c["V#2"])}; },
         "● 非同調給電線における電圧の最小値が{V#2}､最大値が{V#1}であるときのVSWRは {r}"),
    Rule(ThisOrder("V", "V"), Filter{"VSWR"},
         [](const Ctx& c) { return c["V#1"] < c["V#2"]; },
         [](const Ctx& c) { return R{Fmt("0.000", c["V#2"] / c["V#1"])}; },
         "● 非同調給電線における電圧の最小値が{V#1}､最大値が{V#2}であるときのVSWRは {r}"),
    Doc({
        " ● 非同調給電線における電流の最小値と最大値から､電圧定在波比を求める",
        "　　 電圧定在波比(VSWR)=電流最大値(A)/電流最小値(A)",
    }),
    Rule(ThisOrder("A", "A"), Filter{"VSWR"},
         [](const Ctx& c) { return c["A#1"] > c["A#2"]; },
         [](const Ctx& c) { return R{Fmt("0.000", c["A#1"] / c["A#2"])}; },
         "● 非同調給電線における電流の最小値が{A#2}､最大値が{A#1}であるときのVSWRは {r}"),
    Rule(ThisOrder("A", "A"), Filter{"VSWR"},
         [](const Ctx& c) { return c["A#1"] < c["A#2"]; },
         [](const Ctx& c) { return R{Fmt("0.000", c["A#2"] / c["A#1"])}; },
         "● 非同調給電線における電流の最小値が{A#1}､最大値が{A#2}であるときのVSWRは {r}"),
    Doc({
        " ● 高周波信号の進行波電力と反射波電力から､電圧定在波比を求める",
        "　　 電圧定在波比(VSWR)=(1+√(反射波(W)/進行波(W)))/(1-√(反射波(W)/進行波(W)))",
    }),
    Rule(ThisOrder("W", "W"), Filter{"VSWR"},
         [](const Ctx& c) { return c["W#1"] > c["W#2"]; },
         [](const Ctx& c) { return R{Fmt("0.000", (Sqr(c["W#2"] / c["W#1"]) + 1) / (1 - Sqr(c["W#2"] / c["W#1"])))}; },
         "● 高周波信号の進行波電力が{W#1}､反射波電力が{W#2}であるときのVSWRは {r}"),
    Rule(ThisOrder("W", "W"), Filter{"VSWR"},
         [](const Ctx& c) { return c["W#1"] < c["W#2"]; },
         [](const Ctx& c) { return R{Fmt("0.000", (Sqr(c["W#1"] / c["W#2"]) + 1) / (1 - Sqr(c["W#1"] / c["W#2"])))}; },
         "● 高周波信号の進行波電力が{W#2}､反射波電力が{W#1}であるときのVSWRは {r}"),
    Doc({
        " ● 2つのｲﾝﾋﾟｰﾀﾞﾝｽを整合させる1/4波長線路のｲﾝﾋﾟｰﾀﾞﾝｽを求める",
        "　　 線路ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)=√(ｲﾝﾋﾟｰﾀﾞﾝｽ1(Ω)xｲﾝﾋﾟｰﾀﾞﾝｽ2(Ω))",
    }),
    Doc({
        " ● 1/4波長線路のｲﾝﾋﾟｰﾀﾞﾝｽと終端ｲﾝﾋﾟｰﾀﾞﾝｽから入力ｲﾝﾋﾟｰﾀﾞﾝｽを求める",
        "　　 入力ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)＝線路ｲﾝﾋﾟｰﾀﾞﾝｽ^2/終端ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)",
    }),
    Rule(ThisOrder("Ω", "Ω"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(Sqr(c["Ω#1"] * c["Ω#2"]))}; },
         "● インピーダンス{Ω#1}と{Ω#2}を 1/4波長線路で整合させるためのインピーダンスは {r}Ω"),
    Rule(ThisOrder("Ω", "Ω"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(Sq(c["Ω#1"]) / c["Ω#2"])}; },
         "● インピーダンス{Ω#1}の1/4波長線路を{Ω#2}で終端した場合の入力から見たインピーダンスは {r}Ω"),
    Rule(ThisOrder("Ω", "Ω"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(Sq(c["Ω#2"]) / c["Ω#1"])}; },
         "● インピーダンス{Ω#2}の1/4波長線路を{Ω#1}で終端した場合の入力から見たインピーダンスは {r}Ω"),
    Doc({
        " ● 平行２線式給電線の､線の直径と２線の間隔から､ｲﾝﾋﾟｰﾀﾞﾝｽを求める",
        "　　 ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)=277xLog10(2x２線の間隔(m)/線の直径(m))",
    }),
    Rule(ThisOrder("m", "m"), Filter{"Ω"},
         [](const Ctx& c) { return c["m#1"] < c["m#2"]; },
         [](const Ctx& c) { return R{Eng5(277 * (Log(c["m#2"] * 2 / c["m#1"]) / Log(10)))}; },
         "● 平行２線式給電線で､線の直径{m#1},２線の間隔{m#2}とすれば､インピーダンスは {r}Ω"),
    Rule(ThisOrder("m", "m"), Filter{"Ω"},
         [](const Ctx& c) { return c["m#1"] > c["m#2"]; },
         [](const Ctx& c) { return R{Eng5(277 * (Log(c["m#1"] * 2 / c["m#2"]) / Log(10)))}; },
         "● 平行２線式給電線で､線の直径{m#2},２線の間隔{m#1}とすれば､インピーダンスは {r}Ω"),
    Doc({
        " ● 平行２線式給電線の､ｲﾝﾋﾟｰﾀﾞﾝｽと線の直径から､２線の間隔を求める",
        "　　 ２線の間隔(m)=10^((ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)+277xLog10(線の直径(m)))/277)/2",
    }),
    Rule(Either("m", "Ω"), Filter{"m"},
         [](const Ctx& c) { return c["m"] < c["Ω"]; },
         [](const Ctx& c) { return R{Eng5(Pow(10, (277 * (Log(c["m"]) / Log(10)) + c["Ω"]) / 277) / 2)}; },
         "● 平行２線式給電線で､インピーダンス{Ω},線の直径{m}とすれば､２線の間隔は {r}m"),
    Doc({
        " ● 平行２線式給電線の､ｲﾝﾋﾟｰﾀﾞﾝｽと２線の間隔から､線の直径を求める",
        "　　 線の直径(m)=10^((-ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)+277xLog10(2x２線の間隔(m)))/277)",
    }),
    Rule(Either("m", "Ω"), Filter{"m"},
         [](const Ctx& c) { return c["m"] < c["Ω"]; },
         [](const Ctx& c) { return R{Eng5(Pow(10, (277 * (Log(c["m"] * 2) / Log(10)) - c["Ω"]) / 277))}; },
         "● 平行２線式給電線で､インピーダンス{Ω},２線の間隔{m}とすれば､線の直径は {r}m"),
    Doc({
        " ● 同軸給電線の､内部導体の外径と外部導体の内径から､ｲﾝﾋﾟｰﾀﾞﾝｽを求める",
        "　　 ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)=138xLog10(外部導体の内径(m)/内部導体の外径(m))",
    }),
    Rule(ThisOrder("m", "m"), Filter{"Ω"},
         [](const Ctx& c) { return c["m#1"] < c["m#2"]; },
         [](const Ctx& c) { return R{Eng5(138 * (Log(c["m#2"] / c["m#1"]) / Log(10)))}; },
         "● 同軸給電線の外部導体の内径{m#2},内部導体の外径{m#1}とすれば､インピーダンスは {r}Ω"),
    Rule(ThisOrder("m", "m"), Filter{"Ω"},
         [](const Ctx& c) { return c["m#1"] > c["m#2"]; },
         [](const Ctx& c) { return R{Eng5(138 * (Log(c["m#1"] / c["m#2"]) / Log(10)))}; },
         "● 同軸給電線の外部導体の内径{m#1},内部導体の外径{m#2}とすれば､インピーダンスは {r}Ω"),
    Doc({
        " ● 同軸給電線の､ｲﾝﾋﾟｰﾀﾞﾝｽと内部導体の外径から､外部導体の内径を求める",
        "　　 外部導体の内径(m)=10^((ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)+138xLog10(内部導体の外径(m)))/138)",
    }),
    Rule(Either("m", "Ω"), Filter{"m"},
         [](const Ctx& c) { return c["m"] < c["Ω"]; },
         [](const Ctx& c) { return R{Eng5(Pow(10, (138 * (Log(c["m"]) / Log(10)) + c["Ω"]) / 138))}; },
         "● 同軸給電線で､インピーダンス{Ω},内部導体の外径{m}とすれば､外部導体の内径は {r}m"),
    Doc({
        " ● 同軸給電線の､ｲﾝﾋﾟｰﾀﾞﾝｽと外部導体の内径から､内部導体の外径を求める",
        "　　 内部導体の外径(m)=10^((-ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)+138xLog10(外部導体の内径(m)))/138)",
    }),
    Rule(Either("m", "Ω"), Filter{"m"},
         [](const Ctx& c) { return c["m"] < c["Ω"]; },
         [](const Ctx& c) { return R{Eng5(Pow(10, (138 * (Log(c["m"]) / Log(10)) - c["Ω"]) / 138))}; },
         "● 同軸給電線で､インピーダンス{Ω},外部導体の内径{m}とすれば､内部導体の外径は {r}m"),
};
constinit const RuleTable LevelsLinesTable{LevelsLinesRows};

}  // namespace tamrisk
