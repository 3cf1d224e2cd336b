// Plane figures: squares, rectangles, triangles, regular polygons, circles,
// ellipses and sectors, from one or two known lengths, areas or angles.
// Angles in deg enter as [deg]/180*Pi; angle results leave as x/Pi*180.
#include "formulas/math/math_tables.h"
#include "formulas/unit_factors.h"

namespace tamrisk {

constexpr auto PlaneFiguresRows = TableRows{
    Doc({
        " ● 正方形の面積から､一辺および対角線の長さを求める",
        "　　 一辺(m)　=√(面積(㎡))",
        "　　 一辺(m)　=√(面積(in2)x0.0254^2)",
        "　　 一辺(m)　=√(面積(a)x100)",
        "　　 対角線(m)=√(面積(㎡))x√(2)",
    }),
    Rule(Either("㎡", " "), Filter{"m"},
         [](const Ctx& c) { return c["㎡"] >= 0; },
         [](const Ctx& c) { return R{Eng5(Sqr(c["㎡"])), Eng5(Sqr(c["㎡"]) * Sqr(2))}; },
         "● 面積が{㎡} の正方形の､一辺の長さは {r1}m､対角線の長さは {r2}m"),
    Rule(Either("in2", " "), Filter{"m"},
         [](const Ctx& c) { return c["in2"] >= 0; },
         [](const Ctx& c) { return R{Eng5(Sqr(Sq(MetresPerInch) * c["in2"]))}; },
         "● 面積が{in2} の正方形の､一辺の長さは {r}m"),
    Rule(Either("a", " "), Filter{"m"},
         [](const Ctx& c) { return c["a"] >= 0; },
         [](const Ctx& c) { return R{Eng5(Sqr(c["a"] * 100))}; },
         "● 面積が{a} の正方形の､一辺の長さは {r}m"),
    Doc({
        " ● 正方形の一辺の長さから､面積､対角線の長さを求める",
        "　　 面積(㎡) =一辺(m)^2",
        "　　 面積(坪) =(一辺(m)^2)/3.3058",
        "　　 対角線(m)=一辺(m)x√(2)",
    }),
    Rule(Either("m", " "), Filter{"m", "㎡", "坪"},
         [](const Ctx& c) { return c["m"] >= 0; },
         [](const Ctx& c) {
           return R{Eng8(Sq(c["m"])),
                    Eng5(Sq(c["m"]) / SquareMetresPerTsubo),
                    Eng5(c["m"] * Sqr(2))};
         },
         "● 一辺の長さ{m}の正方形の面積は {r1}㎡ または {r2}坪､対角線の長さは {r3}m"),
    Doc({
        " ● 長方形の各辺の長さから､面積､対角線の長さを求める",
        "　　 面積(㎡) =辺1(m)x辺2(m)",
        "　　 面積(坪) =(辺1(m)x辺2(m))/3.3058",
        "　　 対角線(m)=√(辺1(m)^2+辺2^2)",
    }),
    Rule(ThisOrder("m", "m"), Filter{"m", "㎡", "坪"},
         [](const Ctx& c) { return c["m#1"] >= 0 && c["m#2"] >= 0; },
         [](const Ctx& c) {
           return R{Eng8(c["m#1"] * c["m#2"]),
                    Eng5(c["m#1"] * c["m#2"] / SquareMetresPerTsubo),
                    Eng5(Sqr(Sq(c["m#2"]) + Sq(c["m#1"])))};
         },
         "● 二辺の長さを{m#1}および{m#2}とする長方形の面積は {r1}㎡ または {r2}坪､{crlf}　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　対角線の長さは {r3}m"),
    Doc({
        " ● 三角形の､2点の内角から､残りの1点の内角を求める",
        "　　 内角(deg)=180-内角1(deg)-内角2(deg)",
    }),
    Rule(ThisOrder("deg", "deg"), Filter{"deg"},
         [](const Ctx& c) { return c["deg#1"] + c["deg#2"] < 180; },
         [](const Ctx& c) { return R{Eng5(180 - c["deg#1"] - c["deg#2"])}; },
         "● 三角形の2点の内角が{deg#1}および{deg#2}とすると､残りの点の内角は {r}deg"),
    Doc({
        " ● 直角三角形の､直角を挟む2辺の長さから､面積､斜辺の長さを求める",
        "　　 面積(㎡)=長さ1(m)x長さ2(m)/2",
        "　　 斜辺(m) =√(長さ1(m)^2+長さ2(m)^2)",
    }),
    Rule(ThisOrder("m", "m"), Filter{"m", "㎡"},
         [](const Ctx& c) { return c["m#1"] >= 0 && c["m#2"] >= 0; },
         [](const Ctx& c) {
           return R{Eng5(Sqr(Sq(c["m#2"]) + Sq(c["m#1"]))),
                    Eng8(c["m#1"] * c["m#2"] / 2)};
         },
         "● 直角を挟む二辺の長さが{m#1}および{m#2}の直角三角形の斜辺の長さは {r1}m､面積は {r2}㎡"),
    Doc({
        " ● 二等辺三角形の2辺の長さと頂点角度から､底辺の長さ､高さ､面積を求める",
        "　　 底辺(m) =2x斜辺(m)xsin(頂点(deg)/2)",
        "　　 高さ(m) =斜辺(m)xcos(頂点(deg)/2)",
        "　　 面積(㎡)=斜辺(m)^2/2xsin(頂点(deg))",
    }),
    Rule(Either("m", "deg"), Filter{"m", "㎡"},
         [](const Ctx& c) { return c["m"] >= 0 && c["deg"] <= 180 && c["deg"] >= 0; },
         [](const Ctx& c) {
           return R{Eng5(c["m"] * 2 * Sin(c["deg"] / 180 * Pi / 2)),
                    Eng5(c["m"] * Cos(c["deg"] / 180 * Pi / 2)),
                    Eng8(Sq(c["m"]) / 2 * Sin(c["deg"] / 180 * Pi))};
         },
         "● 二辺が{m},頂点の角度が{deg}の二等辺三角形の底辺は {r1}m,高さは {r2}m,面積は {r3}㎡"),
    Doc({
        " ● 二等辺三角形の底辺の長さと頂点角度から､斜辺の長さ､高さ､面積を求める",
        "　　 斜辺(m) =底辺(m)/(2xsin(頂点(deg)/2))",
        "　　 高さ(m) =底辺(m)/(2xtan(頂点(deg)/2))",
        "　　 面積(㎡)=底辺(m)^2/(4xtan(頂点(deg)/2))",
    }),
    Rule(Either("m", "deg"), Filter{"m", "㎡"},
         [](const Ctx& c) { return c["m"] >= 0 && c["deg"] <= 180 && c["deg"] >= 0; },
         [](const Ctx& c) {
           return R{Eng5(c["m"] / (Sin(c["deg"] / 180 * Pi / 2) * 2)),
                    Eng5(c["m"] / (Tan(c["deg"] / 180 * Pi / 2) * 2)),
                    Eng8(Sq(c["m"]) / (Tan(c["deg"] / 180 * Pi / 2) * 4))};
         },
         "● 底辺が{m},頂点の角度が{deg}の二等辺三角形の二辺は {r1}m,高さは {r2}m,面積は {r3}㎡"),
    Doc({
        " ● 二等辺三角形の高さと頂点角度から､底辺､斜辺の長さ､面積を求める",
        "　　 底辺(m) =2x高さ(m)xtan(頂点(deg)/2))",
        "　　 斜辺(m) =√(高さ(m)^2+(高さ(m)xtan(頂点(deg)/2))^2)",
        "　　 面積(㎡)=高さ(m)^2x(tan(頂点(deg)/2))",
    }),
    Rule(Either("m", "deg"), Filter{"m", "㎡"},
         [](const Ctx& c) { return c["m"] >= 0 && c["deg"] <= 180 && c["deg"] >= 0; },
         [](const Ctx& c) {
           return R{Eng5(c["m"] * Tan(c["deg"] / 180 * Pi / 2) * 2),
                    Eng5(Sqr(Sq(c["m"] * Tan(c["deg"] / 180 * Pi / 2)) + Sq(c["m"]))),
                    Eng8(Sq(c["m"]) * Tan(c["deg"] / 180 * Pi / 2))};
         },
         "● 高さが{m},頂点の角度が{deg}の二等辺三角形の底辺は {r1}m,二辺は {r2}m,面積は {r3}㎡"),
    Doc({
        " ● 二等辺三角形の底辺と斜辺の長さから､高さ､面積､頂点角度を求める",
        "　　 高さ(m)  =√(4x斜辺(m)^2-底辺(m)^2)/2",
        "　　 面積(㎡) =底辺(m)x√(4x斜辺(m)^2-底辺(m)^2)/4",
        "　　 頂点(deg)=Atn((底辺(m)/2)/√(斜辺(m)^2-(底辺(m)/2)^2))x2",
    }),
    Rule(ThisOrder("m", "m"), Filter{"deg", "m", "㎡"},
         [](const Ctx& c) { return c["m#1"] * 2 >= c["m#2"] && c["m#2"] >= 0; },
         [](const Ctx& c) {
           return R{Eng5(Sqr(Sq(c["m#1"]) * 4 - Sq(c["m#2"])) / 2),
                    Eng8(c["m#2"] * Sqr(Sq(c["m#1"]) * 4 - Sq(c["m#2"])) / 4),
                    Eng5(Atn(c["m#2"] / 2 / Sqr(Sq(c["m#1"]) - Sq(c["m#2"] / 2))) * 2 / Pi * 180)};
         },
         "● 二辺が{m#1},底辺が{m#2}の二等辺三角形の高さは {r1}m,面積は {r2}㎡,頂点は {r3}deg"),
    Rule(ThisOrder("m", "m"), Filter{"deg", "m", "㎡"},
         [](const Ctx& c) { return c["m#1"] != c["m#2"] && c["m#1"] >= 0 && c["m#2"] * 2 >= c["m#1"]; },
         [](const Ctx& c) {
           return R{Eng5(Sqr(Sq(c["m#2"]) * 4 - Sq(c["m#1"])) / 2),
                    Eng8(c["m#1"] * Sqr(Sq(c["m#2"]) * 4 - Sq(c["m#1"])) / 4),
                    Eng5(Atn(c["m#1"] / 2 / Sqr(Sq(c["m#2"]) - Sq(c["m#1"] / 2))) * 2 / Pi * 180)};
         },
         "● 二辺が{m#2},底辺が{m#1}の二等辺三角形の高さは {r1}m,面積は {r2}㎡,頂点は {r3}deg"),
    Doc({
        " ● 二等辺三角形の高さと斜辺の長さから､底辺の長さ､面積､頂点角度を求める",
        "　　 底辺(m) =2x√(斜辺(m)^2-高さ(m)^2)",
        "　　 面積(㎡)=高さ(m)x√(斜辺(m)^2-高さ(m)^2)",
        "　　 頂点(deg)=Atn(√(斜辺(m)^2-高さ(m)^2)/高さ(m))x2",
    }),
    Rule(ThisOrder("m", "m"), Filter{"deg", "m", "㎡"},
         [](const Ctx& c) { return c["m#1"] >= 0 && c["m#2"] >= c["m#1"]; },
         [](const Ctx& c) {
           return R{Eng5(Sqr(Sq(c["m#2"]) - Sq(c["m#1"])) * 2),
                    Eng8(c["m#1"] * Sqr(Sq(c["m#2"]) - Sq(c["m#1"]))),
                    Eng5(Atn(Sqr(Sq(c["m#2"]) - Sq(c["m#1"])) / c["m#1"]) * 2 / Pi * 180)};
         },
         "● 二辺が{m#2},高さが{m#1}の二等辺三角形の底辺は {r1}m,面積は {r2}㎡,頂点は {r3}deg"),
    Rule(ThisOrder("m", "m"), Filter{"deg", "m", "㎡"},
         [](const Ctx& c) { return c["m#1"] != c["m#2"] && c["m#1"] >= c["m#2"] && c["m#2"] >= 0; },
         [](const Ctx& c) {
           return R{Eng5(Sqr(Sq(c["m#1"]) - Sq(c["m#2"])) * 2),
                    Eng8(c["m#2"] * Sqr(Sq(c["m#1"]) - Sq(c["m#2"]))),
                    Eng5(Atn(Sqr(Sq(c["m#1"]) - Sq(c["m#2"])) / c["m#2"]) * 2 / Pi * 180)};
         },
         "● 二辺が{m#1},高さが{m#2}の二等辺三角形の底辺は {r1}m,面積は {r2}㎡,頂点は {r3}deg"),
    Doc({
        " ● 二等辺三角形の高さと底辺の長さから､斜辺の長さ､面積を求める",
        "　　 斜辺(m) =√((底辺(m)/2)^2+高さ(m)^2)",
        "　　 面積(㎡)=底辺(m)x高さ(m)/2",
        "　　 頂点(deg)=Atn((底辺(m)/2)/高さ(m))x2",
    }),
    Rule(ThisOrder("m", "m"), Filter{"deg", "m", "㎡"},
         [](const Ctx& c) { return c["m#1"] >= 0 && c["m#2"] >= 0; },
         [](const Ctx& c) {
           return R{Eng5(Sqr(Sq(c["m#2"]) + Sq(c["m#1"] / 2))),
                    Eng8(c["m#1"] * c["m#2"] / 2),
                    Eng5(Atn(c["m#1"] / (c["m#2"] * 2)) * 2 / Pi * 180)};
         },
         "● 底辺が{m#1},高さが{m#2}の二等辺三角形の二辺は {r1}m,面積は {r2}㎡,頂点は {r3}deg"),
    Rule(ThisOrder("m", "m"), Filter{"deg", "m", "㎡"},
         [](const Ctx& c) { return c["m#1"] != c["m#2"] && c["m#1"] >= 0 && c["m#2"] >= 0; },
         [](const Ctx& c) {
           return R{Eng5(Sqr(Sq(c["m#1"]) + Sq(c["m#2"] / 2))),
                    Eng8(c["m#2"] * c["m#1"] / 2),
                    Eng5(Atn(c["m#2"] / (c["m#1"] * 2)) * 2 / Pi * 180)};
         },
         "● 底辺が{m#2},高さが{m#1}の二等辺三角形の二辺は {r1}m,面積は {r2}㎡,頂点は {r3}deg"),
    Doc({
        " ● 二等辺三角形の底辺の長さと面積から､高さ､斜辺の長さを求める",
        "　　 高さ(m)=2x面積(㎡)/底辺(m)",
        "　　 斜辺(m)=√(底辺(m)^4+16x面積(㎡)^2)/(2x底辺(m))",
    }),
    Rule(Either("m", "㎡"), Filter{"m"},
         [](const Ctx& c) { return c["m"] >= 0 && c["㎡"] >= 0; },
         [](const Ctx& c) {
           return R{Eng5(c["㎡"] * 2 / c["m"]),
                    Eng5(Sqr(Sq(c["㎡"]) * 16 + c["m"] * c["m"] * c["m"] * c["m"]) / (c["m"] * 2))};
         },
         "● 底辺が{m},面積が{㎡}の二等辺三角形の高さは {r1}m,二辺は {r2}m"),
    Doc({
        " ● 二等辺三角形の高さと面積から､底辺､斜辺の長さを求める",
        "　　 底辺(m)=2x面積(㎡)/高さ(m)",
        "　　 斜辺(m)=√(高さ(m)^4+面積(㎡)^2)/高さ(m)",
    }),
    Rule(Either("m", "㎡"), Filter{"m"},
         [](const Ctx& c) { return c["m"] >= 0 && c["㎡"] >= 0; },
         [](const Ctx& c) {
           return R{Eng5(c["㎡"] * 2 / c["m"]),
                    Eng5(Sqr(Sq(c["㎡"]) + c["m"] * c["m"] * c["m"] * c["m"]) / c["m"])};
         },
         "● 高さが{m},面積が{㎡}の二等辺三角形の底辺は {r1}m,二辺は {r2}m"),
    Doc({
        " ● 正三角形の一辺の長さから､面積を求める",
        "　　 面積(㎡)=√(3)/4x一辺(m)^2",
    }),
    Rule(Either("m", " "), Filter{"㎡"},
         [](const Ctx& c) { return c["m"] >= 0; },
         [](const Ctx& c) { return R{Eng8(Sq(c["m"]) * Sqr(3) / 4)}; },
         "● 一辺の長さが{m}の正三角形の面積は {r}㎡"),
    Doc({
        " ● 正三角形の面積から､一辺の長さを求める",
        "　　 一辺(m)=2x√(面積(㎡)/√(3))",
    }),
    Rule(Either("㎡", " "), Filter{"m"},
         [](const Ctx& c) { return c["㎡"] >= 0; },
         [](const Ctx& c) { return R{Eng5(Sqr(c["㎡"] / Sqr(3)) * 2)}; },
         "● 面積が{㎡}の正三角形の一辺の長さは {r}m"),
    Doc({
        " ● 正五角形の一辺の長さから､面積を求める",
        "　　 面積(㎡)=一辺(m)^2/(4xtan(36))x5",
    }),
    Rule(Either("m", " "), Filter{"deg", "㎡"},
         [](const Ctx& c) { return c["m"] >= 0; },
         [](const Ctx& c) { return R{Eng8(Sq(c["m"]) / (Tan(Num(Pi) * 36 / 180) * 4) * 5)}; },
         "● 一辺の長さが{m}の正五角形の面積は {r}㎡､各点の内角は 108deg"),
    Doc({
        " ● 正六角形の一辺の長さから､面積を求める",
        "　　 面積(㎡)=一辺(m)^2/(4xtan(30))x6",
    }),
    Rule(Either("m", " "), Filter{"deg", "㎡"},
         [](const Ctx& c) { return c["m"] >= 0; },
         [](const Ctx& c) { return R{Eng8(Sq(c["m"]) / (Tan(Num(Pi) * 30 / 180) * 4) * 6)}; },
         "● 一辺の長さが{m}の正六角形の面積は {r}㎡､各点の内角は 120deg"),
    Doc({
        " ● 円の半径から､面積､円周を求める",
        "　　 面積(㎡)=半径(m)^2xπ",
        "　　 円周(m) =2x半径(m)xπ",
    }),
    Rule(Either("m", " "), Filter{"m", "㎡"},
         [](const Ctx& c) { return c["m"] >= 0; },
         [](const Ctx& c) { return R{Eng8(Sq(c["m"]) * Pi), Eng5(Num(Pi) * 2 * c["m"])}; },
         "● 長さ{m}を半径とする円の面積は {r1}㎡,また,円周の長さは {r2}m"),
    Doc({
        " ● 円の直径から､面積､円周を求める",
        "　　 面積(㎡)=(直径(m)/2)^2xπ",
        "　　 円周(m) =直径(m)xπ",
    }),
    Rule(Either("m", " "), Filter{"m", "㎡"},
         [](const Ctx& c) { return c["m"] >= 0; },
         [](const Ctx& c) { return R{Eng8(Sq(c["m"] / 2) * Pi), Eng5(Num(Pi) * c["m"])}; },
         "● 長さ{m}を直径とする円の面積は {r1}㎡,また,円周の長さは {r2}m"),
    Doc({
        " ● 円の円周から､面積､直径を求める",
        "　　 面積(㎡)=円周(m)^2/(4xπ)",
        "　　 直径(m) =円周(m)/π",
    }),
    Rule(Either("m", " "), Filter{"m", "㎡"},
         [](const Ctx& c) { return c["m"] >= 0; },
         [](const Ctx& c) { return R{Eng8(Sq(c["m"]) / (Num(Pi) * 4)), Eng5(c["m"] / Pi)}; },
         "● 長さ{m}を円周とする円の面積は {r1}㎡,また,直径は {r2}m"),
    Doc({
        " ● 円の面積から､直径､円周を求める",
        "　　 直径(m)=2x√(面積(㎡)/π)",
        "　　 円周(m)=2x√(面積(㎡)xπ)",
    }),
    Rule(Either("㎡", " "), Filter{"m"},
         [](const Ctx& c) { return c["㎡"] >= 0; },
         [](const Ctx& c) {
           return R{Eng5(Sqr(c["㎡"] / Pi) * 2),
                    Eng5(Sqr(Num(Pi) * c["㎡"]) * 2)};
         },
         "● 面積が{㎡}の円の直径は {r1}m,また,円周の長さは {r2}m"),
    Doc({
        " ● 楕円の長径と短径から､面積を求める",
        "　　 面積(㎡)=長径(m)x短径(m)xπ/4",
    }),
    Doc({
        " ● 扇形の半径と内角から､面積､円弧の長さを求める",
        "　　 面積(㎡)=半径(m)^2xπx角度(deg)/360",
        "　　 円弧(m) =2xπx半径(m)x角度(deg)/360",
    }),
    Rule(Either("m", "deg"), Filter{"m", "㎡"},
         [](const Ctx& c) { return c["m"] >= 0 && c["deg"] <= 360 && c["deg"] >= 0; },
         [](const Ctx& c) {
           return R{Eng8(Sq(c["m"]) * Pi * c["deg"] / 360),
                    Eng5(Num(Pi) * 2 * c["m"] * c["deg"] / 360)};
         },
         "● 長さ{m}が半径の角度{deg}の扇形の面積は {r1}㎡,また,円弧の長さは {r2}m"),
    // The ellipse is listed before the sector, but its rules run after the
    // sector rule, so its line follows the sector line.
    Rule(ThisOrder("m", "m"), Filter{"㎡"},
         [](const Ctx& c) { return c["m#1"] > c["m#2"] && c["m#1"] >= 0 && c["m#2"] >= 0; },
         [](const Ctx& c) { return R{Eng8(c["m#1"] * c["m#2"] * Pi / 4)}; },
         "● 長径{m#1}､短径{m#2}の楕円の面積は {r}㎡"),
    Rule(ThisOrder("m", "m"), Filter{"㎡"},
         [](const Ctx& c) { return c["m#1"] >= 0 && c["m#2"] > c["m#1"] && c["m#2"] >= 0; },
         [](const Ctx& c) { return R{Eng8(c["m#2"] * c["m#1"] * Pi / 4)}; },
         "● 長径{m#2}､短径{m#1}の楕円の面積は {r}㎡"),
};
constinit const RuleTable PlaneFiguresTable{PlaneFiguresRows};

}  // namespace tamrisk
