// The simple pendulum, energy units, heating water and electric energy.
#include "formulas/physics/physics_tables.h"

namespace tamrisk {

constexpr auto EnergyRows = TableRows{
    Doc({
        " ● 単振り子の糸の長さから､周期を求める",
        "　　 周期(sec)=2xπx√(糸の長さ(m)/9.80665)",
    }),
    Rule(Either("m", " "), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(Pi * 2 * Sqr(c["m"] / Gravity))}; },
         "● 糸の長さ{m}の単振り子の周期は約 {r}sec"),
    Doc({
        " ● 単振り子の周期から､糸の長さを求める",
        "　　 糸の長さ(m)=周期(sec)^2/4/π^2x9.80665",
    }),
    Rule(Either("sec", " "), Filter{"m"},
         [](const Ctx& c) { return R{Eng5(Sq(c["sec"]) / 4 / Sq(Pi) * Gravity)}; },
         "● 周期{sec}の単振り子の糸の長さは約 {r}m"),
    Doc({
        " ● ｴﾈﾙｷﾞｰの単位変換",
        "　　 ｴﾈﾙｷﾞｰ(cal)=ｴﾈﾙｷﾞｰ(J)/4.18605",
        "　　 ｴﾈﾙｷﾞｰ(erg)=ｴﾈﾙｷﾞｰ(J)x10000000",
        "　　 ｴﾈﾙｷﾞｰ(J)　=ｴﾈﾙｷﾞｰ(cal)x4.18605",
    }),
    Rule(Either("J", " "), Filter{"cal"},
         [](const Ctx& c) {
           return R{Eng5(c["J"] / JoulePerCal),
                    Eng5(c["J"] * 10000000)};
         },
         "● エネルギー{J}は {r1}cal または {r2}erg"),
    Rule(Either("cal", " "), Filter{"J"},
         [](const Ctx& c) { return R{Eng5(c["cal"] * JoulePerCal)}; },
         "● エネルギー{cal}を joule単位で表すと {r}J"),
    Doc({
        " ● 水量と与えるｴﾈﾙｷﾞｰから､温度上昇量を求める",
        "　　 温度上昇(℃)=ｴﾈﾙｷﾞｰ(cal)/(水量(l)x1000)",
        "　　 温度上昇(℃)=ｴﾈﾙｷﾞｰ(cal)/水量(g)",
        "　　 温度上昇(℃)=ｴﾈﾙｷﾞｰ(J)/4.18605/(水量(l)x1000)",
        "　　 温度上昇(℃)=ｴﾈﾙｷﾞｰ(J)/4.18605/水量(g)",
    }),
    Rule(Either("l", "cal"), Filter{"℃"},
         [](const Ctx& c) { return R{Fmt("0.0000℃", c["cal"] / (c["l"] * 1000))}; },
         "● 水{l}にエネルギー{cal}が加えられると,上昇温度は {r}"),
    Rule(Either("g", "cal"), Filter{"℃"},
         [](const Ctx& c) { return R{Fmt("0.0000℃", c["cal"] / c["g"])}; },
         "● 水{g}にエネルギー{cal}が加えられると,上昇温度は {r}"),
    Rule(Either("l", "J"), Filter{"℃"},
         [](const Ctx& c) { return R{Fmt("0.0000℃", c["J"] / JoulePerCal / (c["l"] * 1000))}; },
         "● 水{l}にエネルギー{J}が加えられると,上昇温度は {r}"),
    Rule(Either("g", "J"), Filter{"℃"},
         [](const Ctx& c) { return R{Fmt("0.0000℃", c["J"] / JoulePerCal / c["g"])}; },
         "● 水{g}にエネルギー{J}が加えられると,上昇温度は {r}"),
    Doc({
        " ● 水量と温度上昇から､与えられたｴﾈﾙｷﾞｰを求める",
        "　　 ｴﾈﾙｷﾞｰ(cal)=水量(l)x1000x温度上昇(℃)",
        "　　 ｴﾈﾙｷﾞｰ(cal)=水量(g)x温度上昇(℃)",
        "　　 ｴﾈﾙｷﾞｰ(J)　=水量(l)x1000x温度上昇(℃)x4.18605",
        "　　 ｴﾈﾙｷﾞｰ(J)　=水量(g)x温度上昇(℃)x4.18605",
    }),
    Rule(Either("l", "℃"), Filter{"J", "cal"},
         [](const Ctx& c) {
           return R{Eng5(c["l"] * 1000 * c["℃"]),
                    Eng5(c["l"] * 1000 * c["℃"] * JoulePerCal)};
         },
         "● 水{l}を温度{℃}上昇させるために必要なエネルギーは {r1}cal または {r2}J"),
    Rule(Either("g", "℃"), Filter{"J", "cal"},
         [](const Ctx& c) {
           return R{Eng5(c["g"] * c["℃"]),
                    Eng5(c["g"] * c["℃"] * JoulePerCal)};
         },
         "● 水{g}を温度{℃}上昇させるために必要なエネルギーは {r1}cal または {r2}J"),
    Doc({
        " ● 水量に与えたｴﾈﾙｷﾞｰと､それによる温度上昇から､水量を求める",
        "　　 水量(l)=ｴﾈﾙｷﾞｰ(cal)/温度上昇(℃)/1000",
        "　　 水量(l)=ｴﾈﾙｷﾞｰ(J)/4.18605/温度上昇(℃)/1000",
    }),
    Rule(Either("cal", "℃"), Filter{"l"},
         [](const Ctx& c) { return R{Eng5(c["cal"] / c["℃"] / 1000)}; },
         "● エネルギー{cal}を加えたところ,水温が{℃}上昇したとすると,水量は {r}l"),
    Rule(Either("J", "℃"), Filter{"l"},
         [](const Ctx& c) { return R{Eng5(c["J"] / JoulePerCal / c["℃"] / 1000)}; },
         "● エネルギー{J}を加えたところ,水温が{℃}上昇したとすると,水量は {r}l"),
    Doc({
        " ● 供給した電力量と時間から､得られるｴﾈﾙｷﾞｰを求める",
        "　　 ｴﾈﾙｷﾞｰ(J)　=電力(W)x時間(sec)",
        "　　 ｴﾈﾙｷﾞｰ(cal)=電力(W)x時間(sec)/4.18605",
    }),
    Rule(Either("W", "sec"), Filter{"J", "cal"},
         [](const Ctx& c) {
           return R{Eng5(c["W"] * c["sec"]),
                    Eng5(c["W"] * c["sec"] / JoulePerCal)};
         },
         "● 電力{W}を時間{sec}間消費させた場合に得られるエネルギーは {r1}J または {r2}cal"),
    Doc({
        " ● 供給する電力と得られるｴﾈﾙｷﾞｰから､必要な時間を求める",
        "　　 時間(sec)=ｴﾈﾙｷﾞｰ(J)/電力(W)",
        "　　 時間(sec)=(ｴﾈﾙｷﾞｰ(cal)x4.18605)/電力(W)",
    }),
    Rule(Either("W", "J"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(c["J"] / c["W"])}; },
         "● 電力{W}でエネルギー{J}を得るために必要な時間は {r}sec"),
    Rule(Either("W", "cal"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(c["cal"] * JoulePerCal / c["W"])}; },
         "● 電力{W}でエネルギー{cal}を得るために必要な時間は {r}sec"),
    Doc({
        " ● 得られるｴﾈﾙｷﾞｰと要した時間から､供給した電力量を求める",
        "　　 電力(W)=ｴﾈﾙｷﾞｰ(J)/時間(sec)",
        "　　 電力(W)=(ｴﾈﾙｷﾞｰ(cal)x4.18605)/時間(sec)",
    }),
    Rule(Either("J", "sec"), Filter{"W"},
         [](const Ctx& c) { return R{Eng5(c["J"] / c["sec"])}; },
         "● 時間{sec}間でエネルギー{J}を発生するために必要な電力は {r}W"),
    Rule(Either("cal", "sec"), Filter{"W"},
         [](const Ctx& c) { return R{Eng5(c["cal"] * JoulePerCal / c["sec"])}; },
         "● 時間{sec}間でエネルギー{cal}を発生するために必要な電力は {r}W"),
};
constinit const RuleTable EnergyTable{EnergyRows};

}  // namespace tamrisk
