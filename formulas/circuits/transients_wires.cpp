// Series RC and RL circuits (time constants and transient voltages), LC
// resonance, RC and RL cut-off, the plate capacitor in vacuum and the
// resistance of a wire of six metals.
#include "formulas/circuits/circuit_tables.h"

namespace tamrisk {

namespace {

// The share of the applied voltage reached after a time, in %. Only a share
// strictly between 0 and 100 % is ever reached; any other has no time
// constant and fails the line.
Num VoltageShare(const Ctx& c) {
  Require(c["%"] > 0 && c["%"] < 100);
  return c["%"];
}

}  // namespace

constexpr auto TransientsWiresRows = TableRows{
    Doc({
        " ● RC直列回路で､抵抗値と静電容量から､時定数を求める",
        "　　 時定数τ(sec)=抵抗値(Ω)x静電容量(F)",
    }),
    Rule(Either("Ω", "F"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(c["Ω"] * c["F"])}; },
         "● 抵抗値{Ω}の抵抗と容量{F}のコンデンサによるRC直列回路の時定数τは {r}sec"),
    Doc({
        " ● RC直列回路で､抵抗値と時定数から､静電容量を求める",
        "　　 静電容量(F)=時定数τ(sec)/抵抗値(Ω)",
    }),
    Rule(Either("Ω", "sec"), Filter{"F"},
         [](const Ctx& c) { return R{Eng5(c["sec"] / c["Ω"])}; },
         "● 時定数τを{sec}とするRC直列回路の構成要素は,抵抗{Ω}とコンデンサ {r}F"),
    Doc({
        " ● RC直列回路で､静電容量と時定数から､抵抗値を求める",
        "　　 抵抗値(Ω)=時定数τ(sec)/静電容量(F)",
    }),
    Rule(Either("F", "sec"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(c["sec"] / c["F"])}; },
         "● 時定数τを{sec}とするRC直列回路の構成要素は,コンデンサ{F}と抵抗 {r}Ω"),
    Doc({
        " ● RL直列回路で､抵抗値とｲﾝﾀﾞｸﾀﾝｽから､時定数を求める",
        "　　 時定数τ(sec)=ｲﾝﾀﾞｸﾀﾝｽ(H)/抵抗値(Ω)",
    }),
    Rule(Either("Ω", "H"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(c["H"] / c["Ω"])}; },
         "● 抵抗値{Ω}の抵抗とインダクタンス{H}のコイルによるRL直列回路の時定数τは {r}sec"),
    Doc({
        " ● RL直列回路で､抵抗値と時定数から､ｲﾝﾀﾞｸﾀﾝｽを求める",
        "　　 ｲﾝﾀﾞｸﾀﾝｽ(H)=抵抗値(Ω)x時定数τ(sec)",
    }),
    Rule(Either("Ω", "sec"), Filter{"H"},
         [](const Ctx& c) { return R{Eng5(c["Ω"] * c["sec"])}; },
         "● 時定数τを{sec}とするRL直列回路の構成要素は,抵抗{Ω}とコイル {r}H"),
    Doc({
        " ● RL直列回路で､ｲﾝﾀﾞｸﾀﾝｽと時定数から､抵抗値を求める",
        "　　 抵抗値(Ω)=ｲﾝﾀﾞｸﾀﾝｽ(H)/時定数τ(sec)",
    }),
    Rule(Either("H", "sec"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(c["H"] / c["sec"])}; },
         "● 時定数τを{sec}とするRL直列回路の構成要素は,コイル{H}と抵抗 {r}Ω"),
    Doc({
        " ● RC直列回路に定電圧を印加したときの､回路時定数と経過時間から､各素子の両端電圧を求める",
        "　　 抵抗の両端電圧(%)　=Exp(-経過時間(sec)/時定数τ(sec))x100",
        "　　 ｺﾝﾃﾞﾝｻの両端電圧(%)=(1-Exp(-経過時間(sec)/時定数τ(sec)))x100",
    }),
    Rule(ThisOrder("sec", "sec"), Filter{"%"},
         [](const Ctx& c) {
           const Num e = Exp(-c["sec#2"] / c["sec#1"]);
           return R{Fmt("0.000", e * 100), Fmt("0.000", (1 - e) * 100)};
         },
         "● 時定数τ={sec#1}の RC直列回路に定電圧を印加した{sec#2}後における､{crlf}　　　　　　抵抗およびコンデンサの両端の電圧は､印加電圧のそれぞれ {r1}%､ {r2}%"),
    Rule(ThisOrder("sec", "sec"), Filter{"%"},
         [](const Ctx& c) { return c["sec#1"] != c["sec#2"]; },
         [](const Ctx& c) {
           const Num e = Exp(-c["sec#1"] / c["sec#2"]);
           return R{Fmt("0.000", e * 100), Fmt("0.000", (1 - e) * 100)};
         },
         "● 時定数τ={sec#2}の RC直列回路に定電圧を印加した{sec#1}後における､{crlf}　　　　　　抵抗およびコンデンサの両端の電圧は､印加電圧のそれぞれ {r1}%､ {r2}%"),
    Doc({
        " ● RC直列回路に定電圧を印加したときの､経過時間と抵抗の両端電圧から､回路時定数を求める",
        "　　 時定数τ(sec)=-経過時間(sec)/Log(抵抗の両端電圧(%)/100)",
    }),
    Rule(Either("sec", "%"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(-c["sec"] / Log(VoltageShare(c) / 100))}; },
         "● RC直列回路に定電圧を印加した{sec}後における抵抗の両端の電圧が､{crlf}           印加電圧の{%}となるための､RC直列回路の時定数は {r}sec"),
    Doc({
        " ● RC直列回路に定電圧を印加したときの､経過時間とｺﾝﾃﾞﾝｻの両端電圧から､回路時定数を求める",
        "　　 時定数τ(sec)=-経過時間(sec)/Log(1-ｺﾝﾃﾞﾝｻの両端電圧(%)/100)",
    }),
    Rule(Either("sec", "%"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(-c["sec"] / Log(1 - VoltageShare(c) / 100))}; },
         "● RC直列回路に定電圧を印加した{sec}後におけるコンデンサの両端の電圧が､{crlf}           印加電圧の{%}となるための､RC直列回路の時定数は {r}sec"),
    Doc({
        " ● RL直列回路に低電圧を印加したときの､回路時定数と経過時間から､各素子の両端電圧を求める",
        "　　 抵抗の両端電圧(%)=(1-Exp(-経過時間(sec)/時定数τ(sec)))x100",
        "　　 ｺｲﾙの両端電圧(%) =Exp(-経過時間(sec)/時定数τ(sec))x100",
    }),
    Rule(ThisOrder("sec", "sec"), Filter{"%"},
         [](const Ctx& c) {
           const Num e = Exp(-c["sec#2"] / c["sec#1"]);
           return R{Fmt("0.000", (1 - e) * 100), Fmt("0.000", e * 100)};
         },
         "● 時定数τ={sec#1}の RL直列回路に定電圧を印加した{sec#2}後における､{crlf}　　　　　　抵抗およびコイルの両端の電圧は､印加電圧のそれぞれ {r1}%､ {r2}%"),
    Rule(ThisOrder("sec", "sec"), Filter{"%"},
         [](const Ctx& c) { return c["sec#1"] != c["sec#2"]; },
         [](const Ctx& c) {
           const Num e = Exp(-c["sec#1"] / c["sec#2"]);
           return R{Fmt("0.000", (1 - e) * 100), Fmt("0.000", e * 100)};
         },
         "● 時定数τ={sec#2}の RL直列回路に定電圧を印加した{sec#1}後における､{crlf}　　　　　　抵抗およびコイルの両端の電圧は､印加電圧のそれぞれ {r1}%､ {r2}%"),
    Doc({
        " ● RL直列回路に定電圧を印加したときの､経過時間と抵抗両端の電圧から､回路時定数を求める",
        "　　 時定数τ(sec)=-経過時間(sec)/Log(1-抵抗の両端電圧(%)/100)",
    }),
    Rule(Either("sec", "%"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(-c["sec"] / Log(1 - VoltageShare(c) / 100))}; },
         "● RL直列回路に定電圧を印加した{sec}後における抵抗の両端の電圧が､{crlf}           印加電圧の{%}となるための､RL直列回路の時定数は {r}sec"),
    Doc({
        " ● RL直列回路に定電圧を印加したときの､経過時間とｺｲﾙの両端電圧から､回路時定数を求める",
        "　　 時定数τ(sec)=-経過時間(sec)/Log(ｺｲﾙの両端電圧(%)/100)",
    }),
    Rule(Either("sec", "%"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(-c["sec"] / Log(VoltageShare(c) / 100))}; },
         "● RL直列回路に定電圧を印加した{sec}後におけるコイルの両端の電圧が､{crlf}           印加電圧の{%}となるための､RL直列回路の時定数は {r}sec"),
    Doc({
        " ● LC共振回路の､静電容量とｲﾝﾀﾞｸﾀﾝｽから､共振周波数を求める",
        "　　 共振周波数(Hz)=1/(2xπx√(静電容量(F)xｲﾝﾀﾞｸﾀﾝｽ(H)))",
    }),
    Rule(Either("F", "H"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(1 / (Pi * 2 * Sqr(c["F"] * c["H"])))}; },
         "● 容量{F}のコンデンサとインダクタンス{H}のコイルによるLC回路の共振周波数は {r}Hz"),
    Doc({
        " ● LC共振回路の､共振周波数とｲﾝﾀﾞｸﾀﾝｽから､静電容量を求める",
        "　　 静電容量(F)=1/((2xπx共振周波数(Hz))^2xｲﾝﾀﾞｸﾀﾝｽ(H))",
    }),
    Rule(Either("Hz", "H"), Filter{"F"},
         [](const Ctx& c) { return R{Eng5(1 / Sq(Pi * 2 * c["Hz"]) / c["H"])}; },
         "● 共振周波数を{Hz}とするLC回路の構成要素は,コイル{H}とコンデンサ{r}F"),
    Doc({
        " ● LC共振回路の､共振周波数と静電容量から､ｲﾝﾀﾞｸﾀﾝｽを求める",
        "　　 ｲﾝﾀﾞｸﾀﾝｽ(H)=1/((2xπx共振周波数(Hz))^2x静電容量(F))",
    }),
    Rule(Either("Hz", "F"), Filter{"H"},
         [](const Ctx& c) { return R{Eng5(1 / Sq(Pi * 2 * c["Hz"]) / c["F"])}; },
         "● 共振周波数を{Hz}とするLC回路の構成要素は,コンデンサ{F}とコイル{r}H"),
    Doc({
        " ● RC直列回路の､抵抗値と静電容量から､遮断周波数を求める",
        "　　 遮断周波数(Hz)=1/(2xπx抵抗値(Ω)x静電容量(F))",
    }),
    Rule(Either("Ω", "F"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(1 / (Pi * 2 * c["Ω"] * c["F"]))}; },
         "● 抵抗値{Ω}の抵抗と容量{F}のコンデンサによるRC直列回路の遮断周波数は {r}Hz"),
    Doc({
        " ● RC直列回路の､抵抗値と遮断周波数から､静電容量を求める",
        "　　 静電容量(F)=1/(2xπx遮断周波数(Hz)x抵抗値(Ω))",
    }),
    Rule(Either("Hz", "Ω"), Filter{"F"},
         [](const Ctx& c) { return R{Eng5(1 / (Pi * 2 * c["Hz"] * c["Ω"]))}; },
         "● 遮断周波数を{Hz}とするRC直列回路の構成要素は,抵抗{Ω}とコンデンサ{r}F"),
    Doc({
        " ● RC直列回路の､静電容量と遮断周波数から､抵抗値を求める",
        "　　 抵抗値(Ω)=1/(2xπx遮断周波数(Hz)x静電容量(F))",
    }),
    Rule(Either("Hz", "F"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(1 / (Pi * 2 * c["Hz"] * c["F"]))}; },
         "● 遮断周波数を{Hz}とするRC直列回路の構成要素は,コンデンサ{F}と抵抗{r}Ω"),
    Doc({
        " ● RL直列回路の､抵抗値とｲﾝﾀﾞｸﾀﾝｽから､遮断周波数を求める",
        "　　 遮断周波数(Hz)=抵抗値(Ω)/(2xπxｲﾝﾀﾞｸﾀﾝｽ(H))",
    }),
    Rule(Either("Ω", "H"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(c["Ω"] / (Pi * 2 * c["H"]))}; },
         "● 抵抗値{Ω}の抵抗とインダクタンス{H}のコイルによるRL直列回路の遮断周波数は {r}Hz"),
    Doc({
        " ● RL直列回路の､抵抗値と遮断周波数から､ｲﾝﾀﾞｸﾀﾝｽを求める",
        "　　 ｲﾝﾀﾞｸﾀﾝｽ(H)=抵抗値(Ω)/(2xπx遮断周波数(Hz))",
    }),
    Rule(Either("Hz", "Ω"), Filter{"H"},
         [](const Ctx& c) { return R{Eng5(c["Ω"] / (Pi * 2 * c["Hz"]))}; },
         "● 遮断周波数を{Hz}とするRL直列回路の構成要素は,抵抗{Ω}とコイル{r}H"),
    Doc({
        " ● RL直列回路の､ｲﾝﾀﾞｸﾀﾝｽと遮断周波数から､抵抗値を求める",
        "　　 抵抗値(Ω)=2xπx遮断周波数(Hz)xｲﾝﾀﾞｸﾀﾝｽ(H)",
    }),
    Rule(Either("Hz", "H"), Filter{"Ω"},
         [](const Ctx& c) { return R{Eng5(Pi * 2 * c["Hz"] * c["H"])}; },
         "● 遮断周波数を{Hz}とするRL直列回路の構成要素は,コイル{H}と抵抗{r}Ω"),
    Doc({
        " ● 真空中におかれた2枚の導体の､面積と導体間の距離から､静電容量を求める",
        "　　 静電容量(F)=0.000000000008854x面積(㎡)/距離(m)",
    }),
    Rule(Either("㎡", "m"), Filter{"F"},
         [](const Ctx& c) { return R{Eng5(VacuumPermittivity * c["㎡"] / c["m"])}; },
         "● 導体面積を{㎡}､導体間距離を{m}とするコンデンサの､真空中における静電容量は {r}F"),
    Doc({
        " ● 電線の断面積と長さから､抵抗値を求める",
        "　　 ｱﾙﾐﾆｳﾑ電線の抵抗値(Ω)=0.000000025x長さ(m)/断面積(㎡)",
        "　　 金電線の抵抗値(Ω)　　=0.0000000205x長さ(m)/断面積(㎡)",
        "　　 銀電線の抵抗値(Ω)　　=0.0000000147x長さ(m)/断面積(㎡)",
        "　　 黄銅電線の抵抗値(Ω)　=0.000000063x長さ(m)/断面積(㎡)",
        "　　 純鉄電線の抵抗値(Ω)　=0.000000089x長さ(m)/断面積(㎡)",
        "　　 銅電線の抵抗値(Ω)　　=0.0000000155x長さ(m)/断面積(㎡)",
    }),
    Rule(Either("㎡", "m"), Filter{"Ω"},
         [](const Ctx& c) {
           return R{Eng5(0.000000025 * c["m"] / c["㎡"]), Eng5(0.0000000205 * c["m"] / c["㎡"]),
                    Eng5(0.0000000147 * c["m"] / c["㎡"]), Eng5(0.000000063 * c["m"] / c["㎡"]),
                    Eng5(0.000000089 * c["m"] / c["㎡"]), Eng5(0.0000000155 * c["m"] / c["㎡"])};
         },
         "● 断面積{㎡}､長さ{m}の電線の抵抗は,{crlf}　 アルミ:{r1}Ω,金:{r2}Ω,銀:{r3}Ω,黄銅:{r4}Ω,純鉄:{r5}Ω,銅:{r6}Ω"),
};
constinit const RuleTable TransientsWiresTable{TransientsWiresRows};

}  // namespace tamrisk
