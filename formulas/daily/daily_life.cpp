// Body measures (standard weight, degree of obesity, steps to burn energy),
// the discomfort index, postal fees by weight, television screen dimensions
// and the points and fine for speeding. Categories, fees and fines are read
// from range tables, compared on the computed value as it stands.
#include <limits>

#include "formulas/daily/daily_tables.h"
#include "formulas/unit_factors.h"

namespace tamrisk {

namespace {

constexpr double Unbounded = std::numeric_limits<double>::infinity();

// A row applies to a value below `below` that no earlier row took.
struct BelowRow {
  double below;
  const char* text;
};

// A row applies to a value up to and including `upTo` that no earlier row
// took.
struct UpToRow {
  double upTo;
  const char* text;
};

// By degree of obesity in %.
constexpr BelowRow ObesityTable[] = {
    {-20, " (痩せすぎ)"},
    {10, " (適正)"},
    {20, " (太りぎみ)"},
    {Unbounded, " (太りすぎ)"},
};

// By discomfort index; below 75 nothing is added.
constexpr BelowRow DiscomfortTable[] = {
    {75, ""},
    {80, " (やや暑い)"},
    {85, " (暑くて汗が出る)"},
    {Unbounded, " (暑くてたまらない)"},
};

// By weight in grams, from 0 g to 4000 g.
constexpr UpToRow PostalTable[] = {
    {25, "の定形郵便物の料金は 80円､定形外郵便物の料金は 130円"},
    {50, "の定形郵便物の料金は 90円､定形外郵便物の料金は 130円"},
    {100, "の定形外郵便物の料金は 190円"},
    {250, "の定形外郵便物の料金は 270円"},
    {500, "の定形外郵便物の料金は 390円"},
    {1000, "の定形外郵便物の料金は 700円"},
    {2000, "の定形外郵便物の料金は 950円"},
    {3000, "の定形外郵便物の料金は 1150円"},
    {4000, "の定形外郵便物の料金は 1350円"},
};

// By speed excess in km/h, for an ordinary car.
constexpr BelowRow SpeedingTable[] = {
    {15, "の速度超過違反の点数は 1点､反則金は 9000円"},
    {20, "の速度超過違反の点数は 1点､反則金は 12000円"},
    {25, "の速度超過違反の点数は 2点､反則金は 15000円"},
    {30, "の速度超過違反の点数は 3点､反則金は 18000円"},
    {35, "の速度超過違反の点数は 6点で免許停止(高速道路は 3点､反則金 25000円)"},
    {40, "の速度超過違反の点数は 6点で免許停止(高速道路は 3点､反則金 35000円)"},
    {50, "の速度超過違反の点数は 6点で免許停止"},
    {Unbounded, "の速度超過違反の点数は 12点で免許停止"},
};

template <size_t N>
const char* Lookup(const BelowRow (&table)[N], Num x) {
  for (const BelowRow& row : table) {
    if (x.raw() < row.below) return row.text;
  }
  return "";
}

template <size_t N>
const char* Lookup(const UpToRow (&table)[N], Num x) {
  for (const UpToRow& row : table) {
    if (x.raw() <= row.upTo) return row.text;
  }
  return "";
}

// Standard weight in grams: body-mass index 22.
Num StandardWeight(Num height) { return Sq(height) * 22000; }

bool AdultHeight(const Ctx& c) { return 0.5 <= c["m"] && c["m"] < 3; }

R<2> Obesity(const Ctx& c) {
  const Num x = (c["g"] - StandardWeight(c["m"])) / StandardWeight(c["m"]) * 100;
  return R{Fmt("0.00", x), Lookup(ObesityTable, x)};
}

R<2> Discomfort(Num d) { return R{Fmt("0.000", d), Lookup(DiscomfortTable, d)}; }

// Screen height and width for a diagonal in inches and an aspect angle.
R<2> Screen(const Ctx& c, Num aspect) {
  return R{Eng5(c["in"] * MetresPerInch * Sin(aspect)), Eng5(c["in"] * MetresPerInch * Cos(aspect))};
}

}  // namespace

constexpr auto DailyLifeRows = TableRows{
    Doc({
        " ● 身長から､標準体重を求める",
        "　　 標準体重(g)=身長(m)^2x22000",
    }),
    Rule(Either("m", " "), Filter{"g"}, AdultHeight,
         [](const Ctx& c) { return R{Eng5(StandardWeight(c["m"]))}; },
         "● 身長{m}の人の標準体重は {r}g"),
    Doc({
        " ● 身長と体重から､肥満度を求める",
        "　　 肥満度(%)=(体重(g)-身長(m)^2x22000)/(身長(m)^2x22000)x100",
    }),
    Rule(Either("m", "g"), Filter{"%"}, AdultHeight, Obesity,
         "● 身長{m}､体重{g}の人の肥満度は {r}%{cat}"),
    Doc({
        " ● 体重とｴﾈﾙｷﾞｰ消費量から､必要な歩数を求める",
        "　　 歩数=ｴﾈﾙｷﾞｰ消費量(cal)/体重(g)x2000",
    }),
    Rule(Either("g", "cal"), NoFilterOnly,
         [](const Ctx& c) { return c["g"] >= 10000; },
         [](const Ctx& c) { return R{Fmt("0", c["cal"] / c["g"] * 2000)}; },
         "● 体重{g}の人が徒歩で{cal}のエネルギーを消費するために必要な歩数は約 {r}歩"),
    Doc({
        " ● 気温と相対湿度から､不快指数を求める",
        "　　 不快指数(%)=0.81x気温(℃)+0.01x湿度(%)x(0.99x気温(℃)-14.3)+46.3",
    }),
    Doc({
        " ● 気温と露点温度から､不快指数を求める",
        "　　 不快指数(%)=0.99x気温(℃)+0.36x露点温度(℃)+41.5",
    }),
    Rule(Either("℃", "%"), Filter{"%"},
         [](const Ctx& c) {
           return Discomfort(c["℃"] * 0.81 + c["%"] * 0.01 * (c["℃"] * 0.99 - 14.3) + 46.3);
         },
         "● 気温{℃}､相対湿度{%}時の不快指数は {r}%{cat}"),
    // Of two temperatures the higher is the air temperature and the lower
    // the dew point; at equal values parameter 1 is the air temperature.
    Rule(ThisOrder("℃", "℃"), Filter{"%"},
         [](const Ctx& c) { return c["℃#1"] >= c["℃#2"]; },
         [](const Ctx& c) { return Discomfort(c["℃#1"] * 0.99 + c["℃#2"] * 0.36 + 41.5); },
         "● 気温{℃#1}､露点温度{℃#2}時の不快指数は {r}%{cat}"),
    Rule(ThisOrder("℃", "℃"), Filter{"%"},
         [](const Ctx& c) { return c["℃#1"] < c["℃#2"]; },
         [](const Ctx& c) { return Discomfort(c["℃#2"] * 0.99 + c["℃#1"] * 0.36 + 41.5); },
         "● 気温{℃#2}､露点温度{℃#1}時の不快指数は {r}%{cat}"),
    Doc({
        " ● 郵便物の重さから､郵便料金を求める",
        "　　 郵便料金(円)=80 　(重さ(g)≦25 の定形郵便物)",
        "　　 郵便料金(円)=90　 (25＜重さ(g)≦50 の定形郵便物)",
        "　　 郵便料金(円)=130　(重さ(g)≦25 の定形外郵便物)",
        "　　 郵便料金(円)=130　(25＜重さ(g)≦50 の定形外郵便物)",
        "　　 郵便料金(円)=190　(50＜重さ(g)≦100 の定形外郵便物)",
        "　　 郵便料金(円)=270　(100＜重さ(g)≦250 の定形外郵便物)",
        "　　 郵便料金(円)=390　(250＜重さ(g)≦500 の定形外郵便物)",
        "　　 郵便料金(円)=700　(500＜重さ(g)≦1000 の定形外郵便物)",
        "　　 郵便料金(円)=950　(1000＜重さ(g)≦2000 の定形外郵便物)",
        "　　 郵便料金(円)=1150 (2000＜重さ(g)≦3000 の定形外郵便物)",
        "　　 郵便料金(円)=1350 (3000＜重さ(g)≦4000 の定形外郵便物)",
    }),
    Rule(Either("g", " "), NoFilterOnly,
         [](const Ctx& c) { return 0 <= c["g"] && c["g"] <= 4000; },
         [](const Ctx& c) { return R{Lookup(PostalTable, c["g"])}; },
         "● 重さ{g}{fee} (H9,8,1現在)"),
    Doc({
        " ● ﾃﾚﾋﾞの画面ｻｲｽﾞから､画面の縦横の長さを求める",
        "　　 標準ﾃﾚﾋﾞ画面の縦寸法(m)=画面ｻｲｽﾞ(in)x0.0254xsin(atn(3/4))",
        "　　 標準ﾃﾚﾋﾞ画面の横寸法(m)=画面ｻｲｽﾞ(in)x0.0254xcos(atn(3/4))",
        "　　 ﾜｲﾄﾞﾃﾚﾋﾞ画面の縦寸法(m)=画面ｻｲｽﾞ(in)x0.0254xsin(atn(9/16))",
        "　　 ﾜｲﾄﾞﾃﾚﾋﾞ画面の横寸法(m)=画面ｻｲｽﾞ(in)x0.0254xcos(atn(9/16))",
    }),
    Rule(Either("in", " "), Filter{"m"},
         [](const Ctx& c) { return Screen(c, Atn(3.0 / 4)); },
         "● 標準テレビのサイズ{in}の画面の大きさは､縦：{r1}m×横：{r2}m"),
    Rule(Either("in", " "), Filter{"m"},
         [](const Ctx& c) { return Screen(c, Atn(9.0 / 16)); },
         "● ワイドテレビのサイズ{in}の画面の大きさは､縦：{r1}m×横：{r2}m"),
    Doc({
        " ● 普通車の速度超過から､点数と反則金を求める",
        "　　 点数　=1点　(速度超過(m/h)＜20000)",
        "　　 点数　=2点　(20000≦速度超過(m/h)＜25000)",
        "　　 点数　=3点　(25000≦速度超過(m/h)＜30000､高速道路では＜40000)",
        "　　 点数　=6点　(30000≦速度超過(m/h)＜50000)",
        "　　 点数　=12点 (50000≦速度超過(m/h))",
        "　　 反則金=9000円　(速度超過(m/h)＜15000)",
        "　　 反則金=12000円 (15000≦速度超過(m/h)＜20000)",
        "　　 反則金=15000円 (20000≦速度超過(m/h)＜25000)",
        "　　 反則金=18000円 (25000≦速度超過(m/h)＜30000)",
        "　　 反則金=25000円 (30000≦速度超過(m/h)＜35000､ただし高速道路で)",
        "　　 反則金=35000円 (35000≦速度超過(m/h)＜40000､ただし高速道路で)",
    }),
    // No excess at all (0 m/h) is no offence and gives no line.
    Rule(Either("m/h", " "), NoFilterOnly,
         [](const Ctx& c) { return 0 < c["m/h"] && c["m/h"] <= 200000; },
         [](const Ctx& c) { return R{Lookup(SpeedingTable, c["m/h"] / 1000)}; },
         "● 普通車で{m/h}{fee} (H11,4,1現在)"),
};
constinit const RuleTable DailyLifeTable{DailyLifeRows};

}  // namespace tamrisk
