// AM and FM modulation, superheterodyne receivers, thermal and receiver noise,
// noise levels combined in a mixer, and the ghost width on a television screen.
#include "formulas/radio/radio_tables.h"
#include "formulas/unit_factors.h"

namespace tamrisk {

namespace {

// The modulation depth of an AM wave whose envelope peaks and dips are
// asked for, in %. Beyond 100 % the envelope touches zero and the dip is no
// longer (1 - m)^2: only 0 to 100 % has an answer; any other fails the line.
Num EnvelopeDepth(const Ctx& c) {
  Require(c["%"] >= 0 && c["%"] <= 100);
  return c["%"];
}

}  // namespace

constexpr auto ModulationNoiseRows = TableRows{
    Doc({
        " ● AM変調波の､変調度から､搬送波に対する側帯波ﾚﾍﾞﾙを求める",
        "　　 側帯波ﾚﾍﾞﾙ(dBc)=20xLog10(変調度(%)/200)",
    }),
    Rule(Either("%", " "), Filter{"dBc"},
         [](const Ctx& c) { return R{Fmt("###0.000dBc", 20 * (Log(c["%"] / 200) / Log(10)))}; },
         "● AM変調度{%}時の,搬送波に対する側帯波レベルは {r}"),
    Doc({
        " ● AM変調波の､搬送波に対する側帯波レベルから､AM変調度を求める",
        "　　 変調度(%)=200x10^(側帯波レベル(dBc)/20)",
    }),
    Rule(Either("dBc", " "), Filter{"%"},
         [](const Ctx& c) { return R{Fmt("###0.000", Pow(10, c["dBc"] / 20) * 200)}; },
         "● 搬送波に対する側帯波レベルが{dBc}とすると､AM変調度は {r}%"),
    Doc({
        " ● AM変調波包絡線の､最大電圧と最小電圧から､AM変調度を求める",
        "　　 変調度(%)=(最大電圧(V)-最小電圧(V))/(最大電圧(V)+最小電圧(V))x100",
    }),
    Rule(ThisOrder("V", "V"), Filter{"%"},
         [](const Ctx& c) { return c["V#1"] > c["V#2"]; },
         [](const Ctx& c) { return R{Fmt("###0.000", Abs(c["V#1"] - c["V#2"]) / (c["V#1"] + c["V#2"]) * 100)}; },
         "● 包絡線電圧の最大値を{V#1}､最小値を{V#2}とするAM波の変調度は {r}%"),
    Rule(ThisOrder("V", "V"), Filter{"%"},
         [](const Ctx& c) { return c["V#1"] < c["V#2"]; },
         [](const Ctx& c) { return R{Fmt("###0.000", Abs(c["V#2"] - c["V#1"]) / (c["V#2"] + c["V#1"]) * 100)}; },
         "● 包絡線電圧の最大値を{V#2}､最小値を{V#1}とするAM波の変調度は {r}%"),
    Doc({
        " ● AM変調波の､搬送波電力とAM変調度から､被変調波電力を求める",
        "　　 被変調波(W)　=搬送波(W)x(1+(変調度(%)/100)^2/2)",
        "　　 被変調波(dBm)=10xLog10((10^(搬送波(dBm)/10)/1000)x(1+(変調度(%)/100)^2/2)x1000)",
    }),
    Rule(Either("W", "%"), Filter{"W"},
         [](const Ctx& c) { return R{Eng5((Sq(c["%"] / 100) / 2 + 1) * c["W"])}; },
         "● 搬送波電力{W}､AM変調度{%}のときの被変調波電力は {r}W"),
    Doc({
        " ● AM変調波の､搬送波電力と変調度から､ﾋﾟｰｸ電力およびﾃﾞｨｯﾌﾟ電力を求める",
        "　　 ﾋﾟｰｸ(W)　　=搬送波(W)x((1+(AM変調度(%)/100))^2)",
        "　　 ﾋﾟｰｸ(dBm)　=10xLog10(10^(搬送波(dBm)/10)x(1+(変調度(%)/100))^2)",
        "　　 ﾃﾞｨｯﾌﾟ(W)　=搬送波(W)x((1-(変調度(%)/100))^2)",
        "　　 ﾃﾞｨｯﾌﾟ(dBm)=10xLog10(10^(搬送波(dBm)/10)x(1-(変調度(%)/100))^2)",
    }),
    Rule(Either("W", "%"), Filter{"W"},
         [](const Ctx& c) {
           return R{Eng5(Sq(EnvelopeDepth(c) / 100 + 1) * c["W"]),
                    Eng5(Sq(1 - EnvelopeDepth(c) / 100) * c["W"])};
         },
         "● 搬送波電力{W}､AM変調度{%}のときのピーク電力は {r1}W､ディップ電力は {r2}W"),
    Rule(Either("dBm", "%"), Filter{"dBm"},
         [](const Ctx& c) {
           return R{Fmt("0.000dBm", 10 * (Log((Sq(c["%"] / 100) / 2 + 1) * Pow(10, c["dBm"] / 10) / 1000 * 1000) / Log(10)))};
         },
         "● 搬送波電力{dBm}､AM変調度{%}のときの被変調波電力は {r}"),
    Rule(Either("dBm", "%"), Filter{"dBm"},
         [](const Ctx& c) {
           return R{Fmt("0.0000dBm", 10 * (Log(Sq(EnvelopeDepth(c) / 100 + 1) * Pow(10, c["dBm"] / 10)) / Log(10))),
                    Fmt("0.0000dBm", 10 * (Log(Sq(1 - EnvelopeDepth(c) / 100) * Pow(10, c["dBm"] / 10)) / Log(10)))};
         },
         "● 搬送波電力{dBm}､AM変調度{%}のときのピーク電力は {r1}､ディップ電力は {r2}"),
    Doc({
        " ● FM変調波の､FM周波数偏移と変調波周波数から､変調指数を求める",
        "　　 変調指数(無単位)=FM周波数偏移(Hz)/変調波周波数(Hz)",
    }),
    Rule(ThisOrder("Hz", "Hz"), NoFilterOnly,
         [](const Ctx& c) { return R{Fmt("###0.00000", c["Hz#1"] / c["Hz#2"])}; },
         "● FM周波数偏移{Hz#1},変調波の周波数{Hz#2}のときの変調指数は {r}"),
    Rule(ThisOrder("Hz", "Hz"), NoFilterOnly,
         [](const Ctx& c) { return R{Fmt("###0.00000", c["Hz#2"] / c["Hz#1"])}; },
         "● FM周波数偏移{Hz#2},変調波の周波数{Hz#1}のときの変調指数は {r}"),
    Doc({
        " ● FM変調波の､FM周波数偏移と変調波周波数から､φM位相偏移量を求める",
        "　　 位相偏移量(rad)=FM周波数偏移(Hz)/変調波周波数(Hz)",
    }),
    Rule(ThisOrder("Hz", "Hz"), Filter{"rad"},
         [](const Ctx& c) { return R{Fmt("###0.00000rad", c["Hz#1"] / c["Hz#2"])}; },
         "● FM周波数偏移{Hz#1},変調波が{Hz#2}の正弦波のときの位相偏移量は {r}"),
    Rule(ThisOrder("Hz", "Hz"), Filter{"rad"},
         [](const Ctx& c) { return R{Fmt("###0.00000rad", c["Hz#2"] / c["Hz#1"])}; },
         "● FM周波数偏移{Hz#2},変調波が{Hz#1}の正弦波のときの位相偏移量は {r}"),
    Doc({
        " ● φM変調波の､φM位相偏移と変調波周波数から､FM周波数偏移量を求める",
        "　　 FM周波数偏移(Hz)=位相偏移量(rad)x変調波周波数(Hz)",
    }),
    Rule(Either("rad", "Hz"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(c["rad"] * c["Hz"])}; },
         "● 位相偏移{rad},変調波が{Hz}の正弦波のときのFM周波数偏移量は {r}Hz"),
    Doc({
        " ● ｽｰﾊﾟｰﾍﾃﾛﾀﾞｲﾝ受信機の､受信周波数と中間周波数から､局発周波数､ｲﾒｰｼﾞ周波数を求める",
        "　　 局発周波数(Hz) =受信周波数(Hz)-中間周波数(Hz)",
        "　　 ｲﾒｰｼﾞ周波数(Hz)=受信周波数(Hz)-中間周波数(Hz)x2",
        "　　 局発周波数(Hz) =受信周波数(Hz)+中間周波数(Hz)",
        "　　 ｲﾒｰｼﾞ周波数(Hz)=受信周波数(Hz)+中間周波数(Hz)x2",
    }),
    Rule(ThisOrder("Hz", "Hz"), Filter{"Hz"},
         [](const Ctx& c) {
           return R{Eng5(c["Hz#1"] - c["Hz#2"]),
                    Eng5(c["Hz#1"] + c["Hz#2"]),
                    Eng5(c["Hz#1"] - c["Hz#2"] * 2),
                    Eng5(c["Hz#2"] * 2 + c["Hz#1"])};
         },
         "● 受信周波数{Hz#1},中間周波数{Hz#2}のスーパーへテロダイン受信機の{crlf}　　局発周波数は {r1}Hzまたは {r2}Hz､イメージ周波数はそれぞれ {r3}Hz または {r4}Hz"),
    Rule(ThisOrder("Hz", "Hz"), Filter{"Hz"},
         [](const Ctx& c) {
           return R{Eng5(c["Hz#2"] - c["Hz#1"]),
                    Eng5(c["Hz#2"] + c["Hz#1"]),
                    Eng5(c["Hz#2"] - c["Hz#1"] * 2),
                    Eng5(c["Hz#1"] * 2 + c["Hz#2"])};
         },
         "● 受信周波数{Hz#2},中間周波数{Hz#1}のスーパーへテロダイン受信機の{crlf}　　局発周波数は {r1}Hzまたは {r2}Hz､イメージ周波数はそれぞれ {r3}Hz または {r4}Hz"),
    Doc({
        " ● 温度から､有能雑音電力を求める",
        "　　 有能雑音(W/Hz)　=(1.38x10^(-23))x(273.15+温度(℃))",
        "　　 有能雑音(W/Hz)　=(1.38x10^(-23))x温度(K)",
        "　　 有能雑音(dBm/Hz)=10xLog10((1.38x10^(-23))x(273.15+温度(℃))x1000)",
        "　　 有能雑音(dBm/Hz)=10xLog10((1.38x10^(-23))x温度(K)x1000)",
    }),
    Rule(Either("℃", " "), Filter{"W", "dBm"},
         [](const Ctx& c) {
           return R{Eng5((c["℃"] + ZeroCelsius) * Boltzmann),
                    Fmt("###0.000dBm/Hz", 10 * (Log((c["℃"] + ZeroCelsius) * Boltzmann * 1000) / Log(10)))};
         },
         "● 温度{℃}時の有能雑音電力は {r1}W/Hz または {r2}"),
    Rule(Either("K", " "), Filter{"W", "dBm"},
         [](const Ctx& c) {
           return R{Eng5(Boltzmann * c["K"]),
                    Fmt("###0.000dBm/Hz", 10 * (Log(Boltzmann * c["K"] * 1000) / Log(10)))};
         },
         "● 温度{K}時の有能雑音電力は {r1}W/Hz または {r2}"),
    Doc({
        " ● 温度と周波数帯域幅から､その帯域幅での雑音電力を求める",
        "　　 雑音(W)　=(1.38x10^(-23))x帯域幅(Hz)x(273.15+温度(℃)) ",
        "　　 雑音(dBm)=10xLog10((1.38x10^(-23))x帯域幅(Hz)x(273.15+温度(℃))x1000)",
    }),
    Rule(Either("℃", "Hz"), Filter{"W", "dBm"},
         [](const Ctx& c) {
           return R{Eng5(Boltzmann * c["Hz"] * (c["℃"] + ZeroCelsius)),
                    Fmt("###0.000dBm", 10 * (Log(Boltzmann * c["Hz"] * (c["℃"] + ZeroCelsius) * 1000) / Log(10)))};
         },
         "● 温度{℃}時の{Hz}帯域の雑音電力は {r1}W または {r2}"),
    Rule(Either("K", "Hz"), Filter{"W", "dBm"},
         [](const Ctx& c) {
           return R{Eng5(Boltzmann * c["Hz"] * c["K"]),
                    Fmt("###0.000dBm", 10 * (Log(Boltzmann * c["Hz"] * c["K"] * 1000) / Log(10)))};
         },
         "● 温度{K}時の{Hz}帯域の雑音電力は {r1}W または {r2}"),
    Doc({
        " ● 周波数帯域幅から､常温における有能雑音電力を求める",
        "　　 有能雑音(W)　=10^(-174/10)/1000x帯域幅(Hz)",
        "　　 有能雑音(dBm)=-174+10xLog10(帯域幅(Hz))",
    }),
    Rule(Either("Hz", " "), Filter{"W", "dBm"},
         [](const Ctx& c) {
           return R{Eng5(Pow(10, Num(-174) / 10) / 1000 * c["Hz"]),
                    Fmt("###0.000dBm", 10 * (Log(c["Hz"]) / Log(10)) - 174)};
         },
         "● 帯域{Hz}の有能雑音電力は {r1}W または {r2}"),
    Doc({
        " ● 受信機の帯域幅と雑音指数から､入力換算雑音電力を求める",
        "　　 入力換算雑音(W)　=10^((-174+雑音指数(dB))/10)/1000x帯域幅(Hz)",
        "　　 入力換算雑音(dBm)=-174+雑音指数(dB)+10xLog10(帯域幅(Hz))",
    }),
    Rule(Either("Hz", "dB"), Filter{"W", "dBm"},
         [](const Ctx& c) {
           return R{Eng5(Pow(10, (c["dB"] - 174) / 10) / 1000 * c["Hz"]),
                    Fmt("###0.000dBm", c["dB"] - 174 + 10 * (Log(c["Hz"]) / Log(10)))};
         },
         "● 帯域幅{Hz}､NF{dB}の受信機の入力換算雑音電力は {r1}W または {r2}"),
    Doc({
        " ● 周波数帯域幅とその帯域幅での雑音電力から､帯域1Hzあたりの雑音電力を求める",
        "　　 雑音電力(dBm/Hz)=雑音電力(dBm)-10xLog10(帯域幅(Hz))",
    }),
    Rule(Either("Hz", "dBm"), Filter{"dBm"},
         [](const Ctx& c) { return R{Fmt("0.000dBm/Hz", c["dBm"] - 10 * (Log(c["Hz"]) / Log(10)))}; },
         "● 帯域幅{Hz}における雑音電力が {dBm}とすると,帯域 1Hz あたりの雑音電力は {r}"),
    Doc({
        " ● 2つの信号の雑音電力(無相関)から､雑音の合成電力を求める",
        "　　 雑音合成電力(dBm)=10xLog10(10^(雑音電力1(dBm)/10)+10^(雑音電力2(dBm)/10))",
    }),
    Rule(ThisOrder("dBm", "dBm"), Filter{"dBm"},
         [](const Ctx& c) {
           return R{Fmt("###0.000dBm", 10 * (Log(Pow(10, c["dBm#2"] / 10) + Pow(10, c["dBm#1"] / 10)) / Log(10)))};
         },
         "● 無相関の２つのランダム雑音電力が{dBm#1}と{dBm#2}とすると､雑音の合成電力は {r}"),
    Doc({
        " ● 2信号の雑音ﾚﾍﾞﾙから､ﾐｷｻで合成後の出力信号の雑音ﾚﾍﾞﾙを求める",
        "　　 出力雑音(dBc)=10xLog10(10^(入力1雑音(dBc)/10)+10^(入力2雑音(dBc)/10))",
    }),
    Rule(ThisOrder("dBc", "dBc"), Filter{"dBc"},
         [](const Ctx& c) {
           return R{Fmt("###0.000dBc", 10 * (Log(Pow(10, c["dBc#2"] / 10) + Pow(10, c["dBc#1"] / 10)) / Log(10)))};
         },
         "● キャリアに対する雑音レベルが{dBc#1}と{dBc#2}の2信号を､{crlf}　　ミキサで合成して得られる信号のキャリアに対する雑音レベルは {r}"),
    Doc({
        " ● 既知の雑音ﾚﾍﾞﾙとﾐｷｻで合成後の出力信号の雑音ﾚﾍﾞﾙから､未知の雑音ﾚﾍﾞﾙを求める",
        "　　 未知雑音(dBc)=10xLog10(10^(出力雑音(dBc)/10)-10^(既知雑音(dBc)/10))",
    }),
    Rule(ThisOrder("dBc", "dBc"), Filter{"dBc"},
         [](const Ctx& c) { return c["dBc#1"] >= c["dBc#2"]; },
         [](const Ctx& c) {
           return R{Fmt("###0.000dBc", 10 * (Log(Pow(10, c["dBc#1"] / 10) - Pow(10, c["dBc#2"] / 10)) / Log(10)))};
         },
         "● キャリアに対する雑音レベルが{dBc#2}と未知の2信号を､ミキサで合成して得られた信号の雑音レベルが{crlf}　　 {dBc#1}とすると､未知の信号のキャリアに対する雑音レベルは {r}"),
    Rule(ThisOrder("dBc", "dBc"), Filter{"dBc"},
         [](const Ctx& c) { return c["dBc#2"] > c["dBc#1"]; },
         [](const Ctx& c) {
           return R{Fmt("###0.000dBc", 10 * (Log(Pow(10, c["dBc#2"] / 10) - Pow(10, c["dBc#1"] / 10)) / Log(10)))};
         },
         "● キャリアに対する雑音レベルが{dBc#1}と未知の2信号を､ミキサで合成して得られた信号の雑音レベルが{crlf}　　 {dBc#2}とすると､未知の信号のキャリアに対する雑音レベルは {r}"),
    Doc({
        " ● 受信機の雑音指数と入力信号の雑音電力から､入力換算雑音電力を求める",
        "　　 入力換算雑音(dBm/Hz)=10xLog10(10^(雑音(dBm)/10)+10^((-174+雑音指数(dB))/10))",
    }),
    Rule(Either("dBm", "dB"), Filter{"dBm"},
         [](const Ctx& c) {
           return R{Fmt("###0.000dBm/Hz", 10 * (Log(Pow(10, (c["dB"] - 174) / 10) + Pow(10, c["dBm"] / 10)) / Log(10)))};
         },
         "● NF{dB}の受信機に､雑音電力{dBm}/Hzをもつ信号を入力時の入力換算雑音電力は {r}"),
    Doc({
        " ● 雑音の､異なる帯域幅あたりのトータル電力の比を求める",
        "　　 雑音レベル比(dB)=10xLog10(帯域幅1(Hz)/帯域幅2(Hz))",
    }),
    Rule(ThisOrder("Hz", "Hz"), Filter{"dB"},
         [](const Ctx& c) {
           return R{Fmt("###0.000dB", 10 * (Log(Max(c["Hz#1"], c["Hz#2"]) / Min(c["Hz#1"], c["Hz#2"])) / Log(10)))};
         },
         "● ランダム雑音の帯域幅{Hz#1}と{Hz#2}あたりのトータル電力の比は {r}"),
    Doc({
        " ● ﾃﾚﾋﾞの画面ｻｲｽﾞと反射波伝搬経路差から､ｺﾞｰｽﾄ幅を求める",
        "　　 ｺﾞｰｽﾄ幅(m)=画面ｻｲｽﾞ(in)x0.0254xcos(atn(3 / 4))x(525x30/0.83)x(経路差(m)/299792500)",
    }),
    Rule(Either("in", "m"), Filter{"m"},
         [](const Ctx& c) { return c["in"] < 100 && c["m"] > 10 && c["m"] < 15800; },
         [](const Ctx& c) {
           return R{Eng5(c["in"] * MetresPerInch * Cos(Atn(Num(3) / 4)) * (Num(15750) / 0.83) * c["m"] / LightSpeed)};
         },
         "● 画面サイズ{in}の標準テレビにおいて､伝搬経路差{m}の反射電波により発生するゴースト幅は {r}m"),
    Doc({
        " ● ﾃﾚﾋﾞの画面ｻｲｽﾞとｺﾞｰｽﾄ幅から､反射波の伝搬経路差を求める",
        "　　 経路差(m)=299792500xｺﾞｰｽﾄ幅(m)/(画面ｻｲｽﾞ(in)x0.0254xcos(atn(3/4))x(525x30/0.83))",
    }),
    Rule(Either("in", "m"), Filter{"m"},
         [](const Ctx& c) { return c["in"] < 100 && c["in"] * MetresPerInch * Cos(Atn(Num(3) / 4)) > c["m"]; },
         [](const Ctx& c) {
           return R{Eng5(LightSpeed * c["m"] / (c["in"] * MetresPerInch * Cos(Atn(Num(3) / 4)) * (Num(15750) / 0.83)))};
         },
         "● 画面サイズ{in}の標準テレビにおいて､幅{m}のゴースト発生時の反射電波の伝搬経路差は {r}m"),
};
constinit const RuleTable ModulationNoiseTable{ModulationNoiseRows};

}  // namespace tamrisk
