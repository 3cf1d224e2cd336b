// T and π attenuators, resistive splitters, voltage dividers, inverting and
// non-inverting operational-amplifier stages, and third-order intermodulation.
#include <string>

#include "formulas/circuits/circuit_tables.h"

namespace tamrisk {

constexpr auto AttenuatorsAmplifiersRows = TableRows{
    Doc({
        " ● 特性ｲﾝﾋﾟｰﾀﾞﾝｽとT型減衰器の減衰量から､各抵抗値を求める",
        "　　 ｼﾘｰｽﾞ抵抗(Ω)=特性ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x((10^(減衰量(dB)/20)-1)/(10^(減衰量(dB)/20)+1))",
        "　　 ｼｬﾝﾄ抵抗(Ω) =特性ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x(2x10^(減衰量(dB)/20)/((10^(減衰量(dB)/20))^2-1))",
    }),
    Rule(Either("Ω", "dB"), Filter{"Ω"},
         [](const Ctx& c) {
           const Num n = Pow(10, Abs(c["dB"]) / 20);
           const std::string series = Eng5(c["Ω"] * ((n - 1) / (n + 1)));
           return R{series, Eng5(c["Ω"] * ((n * 2) / (Sq(n) - 1))), series};
         },
         "● 特性インピーダンス{Ω}で{dB}のＴ型減衰器を構成すると {r1}Ω, {r2}Ω, {r3}Ω"),
    Doc({
        " ● 特性ｲﾝﾋﾟｰﾀﾞﾝｽとπ型減衰器の減衰量から､各抵抗値を求める",
        "　　 ｼｬﾝﾄ抵抗(Ω) =特性ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x((10^(減衰量(dB)/20)+1)/(10^(減衰量(dB)/20)-1))",
        "　　 ｼﾘｰｽﾞ抵抗(Ω)=特性ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x(((10^(減衰量(dB)/20))^2-1)/(2x10^(減衰量(dB)/20)))",
    }),
    Rule(Either("Ω", "dB"), Filter{"Ω"},
         [](const Ctx& c) {
           const Num n = Pow(10, Abs(c["dB"]) / 20);
           const std::string shunt = Eng5(c["Ω"] * ((n + 1) / (n - 1)));
           return R{shunt, Eng5(c["Ω"] * ((Sq(n) - 1) / (n * 2))), shunt};
         },
         "● 特性インピーダンス{Ω}で{dB}のπ型減衰器を構成すると {r1}Ω, {r2}Ω, {r3}Ω"),
    Doc({
        " ● 特性ｲﾝﾋﾟｰﾀﾞﾝｽから､2信号T型分岐器を構成する3つの抵抗値と挿入損失を求める",
        "　　 抵抗値(Ω)　=特性ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)/3",
        "　　 挿入損失(dB)=20xLog10(1/2)",
    }),
    Rule(Either("Ω", " "), Filter{"dB", "Ω"},
         [](const Ctx& c) { return R{Eng5(c["Ω"] / 3), Eng5(Log(0.5) * 20 / Log(10))}; },
         "● 特性インピーダンス{Ω}の､2信号T型分岐回路を構成する3つの抵抗値は {r1}Ω,挿入損失は {r2}dB"),
    Doc({
        " ● 特性ｲﾝﾋﾟｰﾀﾞﾝｽから､3信号+型分岐器を構成する4つの抵抗値と挿入損失を求める",
        "　　 抵抗値(Ω)　=特性ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)/2",
        "　　 挿入損失(dB)=20xLog10(1/3)",
    }),
    Rule(Either("Ω", " "), Filter{"dB", "Ω"},
         [](const Ctx& c) { return R{Eng5(c["Ω"] / 2), Eng5(Log(0.3333333333333333) * 20 / Log(10))}; },
         "● 特性インピーダンス{Ω}の､3信号+型分岐回路を構成する4つの抵抗値は {r1}Ω,挿入損失は {r2}dB"),
    Doc({
        " ● 抵抗分圧器において､直列合成抵抗と電圧比から､各抵抗値を求める",
        "　　 入力抵抗(Ω)=直列抵抗(Ω)-直列抵抗(Ω)x10^(-(電圧比(dB)/20))",
        "　　 ｼｬﾝﾄ抵抗(Ω)=直列抵抗(Ω)x10^(-(電圧比(dB)/20))",
        "　　 入力抵抗(Ω)=直列抵抗(Ω)-直列抵抗(Ω)x(電圧比(%)/100)",
        "　　 ｼｬﾝﾄ抵抗(Ω)=直列抵抗(Ω)x(電圧比(%)/100)",
    }),
    Rule(Either("Ω", "dB"), Filter{"Ω"},
         [](const Ctx& c) {
           const Num shunt = Pow(10, -Abs(c["dB"] / 20)) * c["Ω"];
           return R{Eng5(c["Ω"] - shunt), Eng5(shunt)};
         },
         "● 直列合成抵抗が{Ω}の分圧器で､電圧比{dB}とする場合の各々の抵抗値は {r1}Ω, {r2}Ω"),
    Rule(Either("Ω", "%"), Filter{"Ω"},
         [](const Ctx& c) { return c["%"] < 100; },
         [](const Ctx& c) {
           const Num shunt = c["Ω"] * c["%"] / 100;
           return R{Eng5(c["Ω"] - shunt), Eng5(shunt)};
         },
         "● 直列合成抵抗が{Ω}の分圧器で､電圧比{%}とする場合の各々の抵抗値は {r1}Ω, {r2}Ω"),
    Doc({
        " ● ｵﾍﾟｱﾝﾌﾟの反転増幅器で､入力抵抗と帰還抵抗から､電圧利得を求める",
        "　　 電圧利得(無単位)=-帰還抵抗(Ω)/入力抵抗(Ω)",
        "　　 電圧利得(dB)　　=20xLog10(帰還抵抗(Ω)/入力抵抗(Ω))",
    }),
    Rule(ThisOrder("Ω", "Ω"), Filter{"%", "dB"},
         [](const Ctx& c) { return R{Fmt("0.00000", -c["Ω#2"] / c["Ω#1"]), Fmt("0.000dB", Log(c["Ω#2"] / c["Ω#1"]) * 20 / Log(10))}; },
         "● 入力-[-In]{Ω#1}､[Out]-[-In]{Ω#2}のオペアンプ反転増幅器の電圧利得は {r1} ({r2})"),
    Rule(ThisOrder("Ω", "Ω"), Filter{"%", "dB"},
         [](const Ctx& c) { return c["Ω#1"] != c["Ω#2"]; },
         [](const Ctx& c) { return R{Fmt("0.00000", -c["Ω#1"] / c["Ω#2"]), Fmt("0.000dB", Log(c["Ω#1"] / c["Ω#2"]) * 20 / Log(10))}; },
         "● 入力-[-In]{Ω#2}､[Out]-[-In]{Ω#1}のオペアンプ反転増幅器の電圧利得は {r1} ({r2})"),
    Doc({
        " ● ｵﾍﾟｱﾝﾌﾟの反転増幅器で､入力抵抗と電圧利得から､帰還抵抗を求める",
        "　　 帰還抵抗(Ω)=入力抵抗(Ω)x10^(電圧利得(dB)/20)",
        "　　 帰還抵抗(Ω)=入力抵抗(Ω)x(電圧利得(%)/100)",
    }),
    Rule(Either("Ω", "dB"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(Pow(10, c["dB"] / 20) * c["Ω"])}; },
         "● 入力-[-In]{Ω}､電圧利得{dB}のオペアンプ反転増幅器の[Out]-[-In]の抵抗は {r}Ω"),
    Rule(Either("Ω", "%"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(c["Ω"] * c["%"] / 100)}; },
         "● 入力-[-In]{Ω}､電圧利得{%}のオペアンプ反転増幅器の[Out]-[-In]の抵抗は {r}Ω"),
    Doc({
        " ● ｵﾍﾟｱﾝﾌﾟの反転増幅器で､帰還抵抗と電圧利得から､入力抵抗を求める",
        "　　 入力抵抗(Ω)=帰還抵抗(Ω)/10^(電圧利得(dB)/20)",
        "　　 入力抵抗(Ω)=帰還抵抗(Ω)/(電圧利得(%)/100)",
    }),
    Rule(Either("Ω", "dB"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(c["Ω"] / Pow(10, c["dB"] / 20))}; },
         "● [Out]-[-In]{Ω}､電圧利得{dB}のオペアンプ反転増幅器の入力-[-In]の抵抗は {r}Ω"),
    Rule(Either("Ω", "%"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(c["Ω"] / (c["%"] / 100))}; },
         "● [Out]-[-In]{Ω}､電圧利得{%}のオペアンプ反転増幅器の入力-[-In]の抵抗は {r}Ω"),
    Doc({
        " ● ｵﾍﾟｱﾝﾌﾟの非反転増幅器で､ｼｬﾝﾄ抵抗と帰還抵抗から､電圧利得を求める",
        "　　 電圧利得(無単位)=(ｼｬﾝﾄ抵抗(Ω)+帰還抵抗(Ω))/ｼｬﾝﾄ抵抗(Ω)",
        "　　 電圧利得(dB)　　=20xLog10((ｼｬﾝﾄ抵抗(Ω)+帰還抵抗(Ω))/ｼｬﾝﾄ抵抗(Ω))",
    }),
    Rule(ThisOrder("Ω", "Ω"), Filter{"%", "dB"},
         [](const Ctx& c) {
           return R{Fmt("0.00000", (c["Ω#1"] + c["Ω#2"]) / c["Ω#1"]),
                    Fmt("0.000dB", Log((c["Ω#1"] + c["Ω#2"]) / c["Ω#1"]) * 20 / Log(10))};
         },
         "● GND-[-In]{Ω#1}､[Out]-[-In]{Ω#2}のオペアンプ非反転増幅器の電圧利得は {r1} ({r2})"),
    Rule(ThisOrder("Ω", "Ω"), Filter{"%", "dB"},
         [](const Ctx& c) { return c["Ω#1"] != c["Ω#2"]; },
         [](const Ctx& c) {
           return R{Fmt("0.00000", (c["Ω#1"] + c["Ω#2"]) / c["Ω#2"]),
                    Fmt("0.000dB", Log((c["Ω#2"] + c["Ω#1"]) / c["Ω#2"]) * 20 / Log(10))};
         },
         "● GND-[-In]{Ω#2}､[Out]-[-In]{Ω#1}のオペアンプ非反転増幅器の電圧利得は {r1} ({r2})"),
    Doc({
        " ● ｵﾍﾟｱﾝﾌﾟの非反転増幅器で､ｼｬﾝﾄ抵抗と電圧利得から､帰還抵抗を求める",
        "　　 帰還抵抗(Ω)=ｼｬﾝﾄ抵抗(Ω)x(10^(電圧利得(dB)/20)-1)",
        "　　 帰還抵抗(Ω)=ｼｬﾝﾄ抵抗(Ω)x(電圧利得(%)/100-1)",
    }),
    Rule(Either("Ω", "dB"), Filter{"Ω"},
         [](const Ctx& c) { return c["dB"] > 0; },
         [](const Ctx& c) { return R{Eng5((Pow(10, c["dB"] / 20) - 1) * c["Ω"])}; },
         "● GND-[-In]{Ω}､電圧利得{dB}のオペアンプ非反転増幅器の[Out]-[-In]の抵抗は {r}Ω"),
    Rule(Either("Ω", "%"), Filter{"Ω"},
         [](const Ctx& c) { return c["%"] > 100; },
         [](const Ctx& c) { return R{Eng5((c["%"] / 100 - 1) * c["Ω"])}; },
         "● GND-[-In]{Ω}､電圧利得{%}のオペアンプ非反転増幅器の[Out]-[-In]の抵抗は {r}Ω"),
    Doc({
        " ● ｵﾍﾟｱﾝﾌﾟの非反転増幅器で､帰還抵抗と電圧利得から､ｼｬﾝﾄ抵抗を求める",
        "　　 ｼｬﾝﾄ抵抗(Ω)=帰還抵抗(Ω)/(10^(電圧利得(dB)/20)-1)",
        "　　 ｼｬﾝﾄ抵抗(Ω)=帰還抵抗(Ω)/(電圧利得(%)/100-1)",
    }),
    Rule(Either("Ω", "dB"), Filter{"Ω"},
         [](const Ctx& c) { return c["dB"] > 0; },
         [](const Ctx& c) { return R{Eng5(c["Ω"] / (Pow(10, c["dB"] / 20) - 1))}; },
         "● [Out]-[-In]{Ω}､電圧利得{dB}のオペアンプ非反転増幅器のGND-[-In]の抵抗は {r}Ω"),
    Rule(Either("Ω", "%"), Filter{"Ω"},
         [](const Ctx& c) { return c["%"] > 100; },
         [](const Ctx& c) { return R{Eng5(c["Ω"] / (c["%"] / 100 - 1))}; },
         "● [Out]-[-In]{Ω}､電圧利得{%}のオペアンプ非反転増幅器のGND-[-In]の抵抗は {r}Ω"),
    Doc({
        " ● ﾃﾞﾊﾞｲｽのｲﾝﾀｰｾﾌﾟﾄﾎﾟｲﾝﾄIP3と動作ﾚﾍﾞﾙから､相互変調ひずみを求める",
        "　　 相互変調ひずみ(dBc)=2x(ｲﾝﾀｰｾﾌﾟﾄﾎﾟｲﾝﾄ(dBm)-動作ﾚﾍﾞﾙ(dBm))",
    }),
    Rule(ThisOrder("dBm", "dBm"), Filter{"dBc"},
         [](const Ctx& c) { return c["dBm#2"] > c["dBm#1"]; },
         [](const Ctx& c) { return R{Fmt("###0.000dBc", (c["dBm#1"] - c["dBm#2"]) * 2)}; },
         "● IP3{dBm#2}のデバイスを{dBm#1}で動作させた場合の三次相互変調歪(IM3)は {r}"),
    Rule(ThisOrder("dBm", "dBm"), Filter{"dBc"},
         [](const Ctx& c) { return c["dBm#1"] > c["dBm#2"]; },
         [](const Ctx& c) { return R{Fmt("###0.000dBc", (c["dBm#2"] - c["dBm#1"]) * 2)}; },
         "● IP3{dBm#1}のデバイスを{dBm#2}で動作させた場合の三次相互変調歪(IM3)は {r}"),
};
constinit const RuleTable AttenuatorsAmplifiersTable{AttenuatorsAmplifiersRows};

}  // namespace tamrisk
