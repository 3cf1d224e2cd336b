// Two lengths in metres, told apart by their values: a focal length below
// 2 m with a longer subject distance gives the field covered by a 35 mm film
// frame (36 mm x 24 mm); a focal length below 2 m with an aperture below
// 0.5 m gives the f-number.
#include "formulas/photo/photo_tables.h"

namespace tamrisk {

namespace {

// The 35 mm film frame in metres.
constexpr double FrameWidth = 0.036;
constexpr double FrameHeight = 0.024;

R<2> FieldSize(Num focal, Num distance) {
  return R{Eng5((distance - focal) * FrameWidth / focal),
           Eng5((distance - focal) * FrameHeight / focal)};
}

}  // namespace

constexpr auto PhotographyRows = TableRows{
    Doc({
        " ● 35mmﾌｨﾙﾑｶﾒﾗにおいて､ﾚﾝｽﾞの焦点距離と被写体までの距離から､",
        "　　 　　　　　　　　　　　　　　　　　　　　　　　　　　撮影される被写体のｻｲｽﾞを求める",
        "　　 被写体の横ｻｲｽﾞ(m)=0.036x(距離(m)-焦点距離(m))/焦点距離(m)",
        "　　 被写体の縦ｻｲｽﾞ(m)=0.024x(距離(m)-焦点距離(m))/焦点距離(m)",
    }),
    // The shorter length is the focal length; two equal lengths give no field.
    Rule(ThisOrder("m", "m"), Filter{"m"},
         [](const Ctx& c) { return c["m#1"] < 2 && c["m#2"] > c["m#1"]; },
         [](const Ctx& c) { return FieldSize(c["m#1"], c["m#2"]); },
         "● 35mmフィルムカメラに焦点距離{m#1}レンズで､距離{m#2}にあるものを撮影すると､{crlf}             　　　　　　　　　　　　　　　   撮影される被写体のサイズは {r1}m×{r2}m"),
    Rule(ThisOrder("m", "m"), Filter{"m"},
         [](const Ctx& c) { return c["m#2"] < 2 && c["m#1"] > c["m#2"]; },
         [](const Ctx& c) { return FieldSize(c["m#2"], c["m#1"]); },
         "● 35mmフィルムカメラに焦点距離{m#2}レンズで､距離{m#1}にあるものを撮影すると､{crlf}              　　　　　　　　　　　　　　　  撮影される被写体のサイズは {r1}m×{r2}m"),
    Doc({
        " ● ﾚﾝｽﾞの焦点距離と口径から､ﾚﾝｽﾞの明るさを求める",
        "　　 明るさF値(無単位)=焦点距離(m)/有効口径(m)",
    }),
    // Both lengths may serve as either role; equal lengths give one f-number.
    Rule(ThisOrder("m", "m"), NoFilterOnly,
         [](const Ctx& c) { return c["m#1"] < 2 && c["m#2"] < 0.5; },
         [](const Ctx& c) { return R{Fmt("0.000", c["m#1"] / c["m#2"])}; },
         "● 焦点距離{m#1}､有効口径{m#2}のレンズの明るさ F値は {r}"),
    Rule(ThisOrder("m", "m"), NoFilterOnly,
         [](const Ctx& c) { return c["m#2"] < 2 && c["m#1"] < 0.5 && c["m#1"] != c["m#2"]; },
         [](const Ctx& c) { return R{Fmt("0.000", c["m#2"] / c["m#1"])}; },
         "● 焦点距離{m#2}､有効口径{m#1}のレンズの明るさ F値は {r}"),
};
constinit const RuleTable PhotographyTable{PhotographyRows};

}  // namespace tamrisk
