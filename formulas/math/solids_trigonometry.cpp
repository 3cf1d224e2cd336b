// Solids, heights and distances from an elevation angle, sine, cosine and
// tangent, rolls of a thin strip, and compound interest over whole years.
#include "formulas/math/math_tables.h"

namespace tamrisk {

namespace {

// A tangent is shown only while it stays clear of the poles at 90 deg (which
// Pi, short of the true circle constant, turns into about 6.2 * 10^14).
bool TanWindow(Num t) { return -Pow(10, 14) < t && t < Pow(10, 14); }

// Up to this many whole years the yearly growth is applied year by year.
constexpr double YearByYearLimit = 1000000;

// The capital after Int(years) whole years at `rate` percent a year, as a
// factor of the initial capital. Each year adds factor*rate/100; beyond
// YearByYearLimit years the factor is taken as one power, so that any number
// of years is quick to compute.
Num GrowthFactor(Num rate, Num years) {
  const Num whole = Floor(years);
  if (whole.raw() > YearByYearLimit) return Pow(1 + rate / 100, whole);
  Num factor = 1;
  const int n = static_cast<int>(whole.raw());
  for (int year = 0; year < n; ++year) factor = factor + factor * rate / 100;
  return factor;
}

}  // namespace

constexpr auto SolidsTrigonometryRows = TableRows{
    Doc({
        " ● 立方体の一辺の長さから､体積を求める",
        "　　 体積(m3)=長さ(m)^3",
    }),
    Rule(Either("m", " "), NoFilterOnly,
         [](const Ctx& c) { return c["m"] >= 0; },
         [](const Ctx& c) { return R{Eng11(c["m"] * c["m"] * c["m"])}; },
         "● 一辺の長さが{m}の立方体の体積は {r}m3"),
    Doc({
        " ● 柱状の物体の､底面積と高さから､体積を求める",
        "　　 体積(m3)=底面積(㎡)x高さ(m)",
    }),
    Rule(Either("㎡", "m"), NoFilterOnly,
         [](const Ctx& c) { return c["㎡"] >= 0 && c["m"] >= 0; },
         [](const Ctx& c) { return R{Eng11(c["㎡"] * c["m"])}; },
         "● 底辺の面積が{㎡}､高さが{m}の柱状の物体の体積は {r}m3"),
    Doc({
        " ● 錐状の物体の､底面積と高さから､体積を求める",
        "　　 体積(m3)=底面積(㎡)x高さ(m)/3",
    }),
    Rule(Either("㎡", "m"), NoFilterOnly,
         [](const Ctx& c) { return c["㎡"] >= 0 && c["m"] >= 0; },
         [](const Ctx& c) { return R{Eng11(c["㎡"] * c["m"] / 3)}; },
         "● 底辺の面積が{㎡}､高さが{m}の円錐または多角錘の物体の体積は {r}m3"),
    Doc({
        " ● 球体の半径から､体積､表面積を求める",
        "　　 体積(m3)　=4xπx半径(m)^3/3",
        "　　 表面積(㎡)=4xπx半径(m)^2",
    }),
    Rule(Either("m", " "), Filter{"㎡"},
         [](const Ctx& c) { return c["m"] >= 0; },
         [](const Ctx& c) {
           return R{Eng11(c["m"] * c["m"] * c["m"] * Pi * 4 / 3),
                    Eng8(Sq(c["m"]) * Pi * 4)};
         },
         "● 半径{m}の球体の体積は {r1}m3,また,表面積は {r2}㎡"),
    Doc({
        " ● ある物体までの距離と仰角から､物体の高さを求める",
        "　　 高さ(m)=距離(m)xtan(仰角(deg))",
    }),
    Rule(Either("m", "deg"), Filter{"m"},
         [](const Ctx& c) { return c["m"] >= 0 && c["deg"] <= 90 && c["deg"] >= 0; },
         [](const Ctx& c) { return R{Eng5(c["m"] * Tan(c["deg"] / 180 * Pi))}; },
         "● ある物体を､距離{m}の水平面から見あげた仰角が{deg}ならば､物体の高さは {r}m"),
    Doc({
        " ● ある物体の高度と仰角から､物体までの距離を求める",
        "　　 距離(m)=高さ(m)/tan(仰角(deg))",
    }),
    Rule(Either("m", "deg"), Filter{"m"},
         [](const Ctx& c) { return c["m"] >= 0 && c["deg"] <= 90 && c["deg"] >= 0; },
         [](const Ctx& c) { return R{Eng5(c["m"] / Tan(c["deg"] / 180 * Pi))}; },
         "● 高さ{m}の物体を水平面から見あげた仰角が{deg}ならば､その物体との水平距離は {r}m"),
    Doc({
        " ● 角度から正弦､余弦､正接を求める",
        "　　 正弦=sin(角度(deg))",
        "　　 正弦=sin(角度(rad))",
        "　　 余弦=cos(角度(deg))",
        "　　 余弦=cos(角度(rad))",
        "　　 正接=tan(角度(deg))",
        "　　 正接=tan(角度(rad))",
    }),
    Rule(Either("deg", " "), NoFilterOnly,
         [](const Ctx& c) { return R{Fmt("0.00000", Sin(c["deg"] / 180 * Pi))}; },
         "● 角度{deg}の正弦(sin)は {r}"),
    Rule(Either("deg", " "), NoFilterOnly,
         [](const Ctx& c) { return R{Fmt("0.00000", Cos(c["deg"] / 180 * Pi))}; },
         "● 角度{deg}の余弦(cos)は {r}"),
    Rule(Either("deg", " "), NoFilterOnly,
         [](const Ctx& c) { return TanWindow(Tan(c["deg"] / 180 * Pi)); },
         [](const Ctx& c) { return R{Fmt("0.00000", Tan(c["deg"] / 180 * Pi))}; },
         "● 角度{deg}の正接(tan)は {r}"),
    Rule(Either("rad", " "), NoFilterOnly,
         [](const Ctx& c) { return R{Fmt("0.00000", Sin(c["rad"]))}; },
         "● 角度{rad}の正弦(sin)は {r}"),
    Rule(Either("rad", " "), NoFilterOnly,
         [](const Ctx& c) { return R{Fmt("0.00000", Cos(c["rad"]))}; },
         "● 角度{rad}の余弦(cos)は {r}"),
    Rule(Either("rad", " "), NoFilterOnly,
         [](const Ctx& c) { return TanWindow(Tan(c["rad"])); },
         [](const Ctx& c) { return R{Fmt("0.00000", Tan(c["rad"]))}; },
         "● 角度{rad}の正接(tan)は {r}"),
    Doc({
        " ● 物体の長さと厚さからﾛｰﾙ状に巻いた場合の直径､巻数を求める",
        "　　 直径(m)=√(長さ(m)x厚さ(m)x4/π)",
        "　　 巻数　 =√(長さ(m)x厚さ(m)x4/π)/2/厚さ(m)",
    }),
    Rule(ThisOrder("m", "m"), Filter{"m"},
         [](const Ctx& c) { return c["m#1"] > c["m#2"]; },
         [](const Ctx& c) {
           return R{Eng5(Sqr(c["m#1"] * c["m#2"] * 4 / Pi)),
                    Fmt("0.0", Sqr(c["m#1"] * c["m#2"] * 4 / Pi) / 2 / c["m#2"])};
         },
         "● 長さ{m#1}､厚さ{m#2}の物体をロール状に巻いた場合の直径は {r1}m､約{r2}回巻き"),
    Rule(ThisOrder("m", "m"), Filter{"m"},
         [](const Ctx& c) { return c["m#2"] > c["m#1"]; },
         [](const Ctx& c) {
           return R{Eng5(Sqr(c["m#2"] * c["m#1"] * 4 / Pi)),
                    Fmt("0.0", Sqr(c["m#2"] * c["m#1"] * 4 / Pi) / 2 / c["m#1"])};
         },
         "● 長さ{m#2}､厚さ{m#1}の物体をロール状に巻いた場合の直径は {r1}m､約{r2}回巻き"),
    Doc({
        " ● 物体の長さとﾛｰﾙ状に巻いた場合の直径から物体の厚さ､巻数を求める",
        "　　 厚さ(m)=直径(m)^2/4xπ/長さ(m)",
        "　　 巻数　 =直径/2/(直径(m)^2/4xπ/長さ(m))",
    }),
    Rule(ThisOrder("m", "m"), Filter{"m"},
         [](const Ctx& c) { return c["m#1"] > c["m#2"]; },
         [](const Ctx& c) {
           return R{Eng5(Sq(c["m#2"]) / 4 * Pi / c["m#1"]),
                    Fmt("0.0", c["m#2"] / 2 / (Sq(c["m#2"]) / 4 * Pi / c["m#1"]))};
         },
         "● 長さ{m#1}の物体が直径{m#2}のロール状に巻いてある場合､物体の厚さは {r1}m､約{r2}回巻き"),
    Rule(ThisOrder("m", "m"), Filter{"m"},
         [](const Ctx& c) { return c["m#2"] > c["m#1"]; },
         [](const Ctx& c) {
           return R{Eng5(Sq(c["m#1"]) / 4 * Pi / c["m#2"]),
                    Fmt("0.0", c["m#1"] / 2 / (Sq(c["m#1"]) / 4 * Pi / c["m#2"]))};
         },
         "● 長さ{m#2}の物体が直径{m#1}のロール状に巻いてある場合､物体の厚さは {r1}m､約{r2}回巻き"),
    Doc({
        " ● 物体の厚さとﾛｰﾙ状に巻いた場合の直径から物体の長さ､巻数を求める",
        "　　 長さ(m)=直径(m)^2/4xπ/厚さ(m)",
        "　　 巻数　 =直径(m)/2/厚さ(m)",
    }),
    Rule(ThisOrder("m", "m"), Filter{"m"},
         [](const Ctx& c) { return c["m#1"] < c["m#2"]; },
         [](const Ctx& c) {
           return R{Eng5(Sq(c["m#2"]) / 4 * Pi / c["m#1"]),
                    Fmt("0.0", c["m#2"] / 2 / c["m#1"])};
         },
         "● 厚さ{m#1}の物体が直径{m#2}のロール状に巻いてある場合､物体の長さは {r1}m､約{r2}回巻き"),
    Rule(ThisOrder("m", "m"), Filter{"m"},
         [](const Ctx& c) { return c["m#2"] < c["m#1"]; },
         [](const Ctx& c) {
           return R{Eng5(Sq(c["m#1"]) / 4 * Pi / c["m#2"]),
                    Fmt("0.0", c["m#1"] / 2 / c["m#2"])};
         },
         "● 厚さ{m#2}の物体が直径{m#1}のロール状に巻いてある場合､物体の長さは {r1}m､約{r2}回巻き"),
    Doc({
        " ● 複利式における､年金利と年数から､利息を求める",
        "　　 ((元金+利息)/元金)=((元金+利息)/元金)+((元金+利息)/元金)x(金利(%)/100)",
        "　　 上記計算の左辺を右辺に代入して､年数回繰り返し､結果に100を乗じる",
        "　　 (単位：%)",
    }),
    Rule(Either("year", "%"), Filter{"%"},
         [](const Ctx& c) { return c["year"] > 0 && c["%"] >= 0; },
         [](const Ctx& c) { return R{Fmt("0.00000", GrowthFactor(c["%"], c["year"]) * 100)}; },
         "● 複利式の年金利{%}の{year}後の元金＋利息は､当初の元金の {r}%"),
};
constinit const RuleTable SolidsTrigonometryTable{SolidsTrigonometryRows};

}  // namespace tamrisk
