// Earth science: the line of sight between two heights, the air temperature
// by height in a three-layer standard atmosphere, pressure units, the
// barometric height formula both ways, and the boiling point of water.
#include "formulas/earth/earth_tables.h"
#include "formulas/unit_factors.h"

namespace tamrisk {

namespace {

// The barometric height formula: metres of height per decade of pressure,
// and the sea-level pressure (1013 hPa) of the rules that take none.
constexpr double BarometricHeight = 18410;
constexpr double SeaLevelPressure = 101300;

// The layers of the standard atmosphere, by height in metres: the air cools
// by 0.0065 ℃ per metre up to 11000 m, keeps its temperature up to 20000 m
// and warms by 0.001 ℃ per metre above. The layer is chosen on the height
// itself; every figure is then computed as that layer's formula is written.
enum class Layer { Lower, Constant, Upper };

Layer LayerAt(double height) {
  if (height <= 11000) return Layer::Lower;
  if (height <= 20000) return Layer::Constant;
  return Layer::Upper;
}

// The air temperature at `height` metres for the temperature `ground` at
// ground level.
Num TemperatureAt(Num ground, Num height) {
  switch (LayerAt(height.raw())) {
    case Layer::Lower: return ground - 0.0065 * height;
    case Layer::Constant: return ground - Num(0.0065) * 11000;
    case Layer::Upper: break;
  }
  return ground - Num(0.0065) * 11000 + (height - 20000) * 0.001;
}

// The air temperature at `height` metres less the temperature at ground level.
Num DifferenceToGround(Num height) {
  switch (LayerAt(height.raw())) {
    case Layer::Lower: return -height * 0.0065;
    case Layer::Constant: return -(Num(0.0065) * 11000);
    case Layer::Upper: break;
  }
  return (height - 20000) * 0.001 - Num(0.0065) * 11000;
}

}  // namespace

constexpr auto EarthScienceRows = TableRows{
    Doc({
        " ● 地表上の２点の高度から､見通し距離を求める",
        "　　 距離(m)=3570x(√(高度1(m))+√(高度2(m)))",
    }),
    Rule(ThisOrder("m", "m"), Filter{"m"},
         [](const Ctx& c) { return R{Eng5((Sqr(c["m#1"]) + Sqr(c["m#2"])) * 3570)}; },
         "● 地表上の高度がそれぞれ{m#1},{m#2}とすると､直接見通せる距離は {r}m"),
    Doc({
        " ● 地上の気温と高度から､その高度における気温を求める",
        "　　 気温(℃)=地上気温(℃)-0.0065x高度(m)　　　　　　　　　　　　(高度：0～11000m)",
        "　　 気温(℃)=地上気温(℃)-0.0065x11000　　　　　　　　　　　　　(高度：11000～20000m)",
        "　　 気温(℃)=地上気温(℃)-0.0065x11000+(高度(m)-20000)x0.001　　(高度：20000～32000m)",
        "　　 気温(℃)=地上気温(℃)-0.0065x高度(ft)x0.3048　　　　　　　　　(高度：0～36089ft)",
        "　　 気温(℃)=地上気温(℃)-0.0065x11000　　　　　　　　　　　　　　(高度：36089～65617ft)",
        "　　 気温(℃)=地上気温(℃)-0.0065x11000+(高度(ft)x0.3048-20000)x0.001",
        "　　 　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　(高度：65617～104987ft)",
    }),
    Doc({
        " ● 高度から､地上との気温差を求める",
        "　　 気温差(℃)=-0.0065x高度(m)　　　　　　　　　　　　(高度：0～11000m)",
        "　　 気温差(℃)=-0.0065x11000　　　　　　　　　　　　　(高度：11000～20000m)",
        "　　 気温差(℃)=-0.0065x11000+(高度(m)-20000)x0.001　　(高度：20000～32000m)",
        "　　 気温差(℃)=-0.0065x高度(ft)x0.3048　　　　　　　　　　　(高度：0～36089ft)",
        "　　 気温差(℃)=-0.0065x11000　　　　　　　　　　　　　　　　(高度：36089～65617ft)",
        "　　 気温差(℃)=-0.0065x11000+(高度(ft)x0.3048-20000)x0.001　(高度：65617～104987ft)",
    }),
    Rule(Either("℃", "m"), Filter{"℃"},
         [](const Ctx& c) { return c["m"] >= 1 && c["m"] <= 32000; },
         [](const Ctx& c) { return R{Fmt("0.00000", TemperatureAt(c["℃"], c["m"]))}; },
         "● 地上の気温{℃}のとき､高度{m}であるところの気温は約 {r}℃"),
    Rule(Either("m", " "), Filter{"℃"},
         [](const Ctx& c) { return c["m"] >= 1 && c["m"] <= 32000; },
         [](const Ctx& c) { return R{Fmt("0.00000", DifferenceToGround(c["m"]))}; },
         "● 高度{m}での気温は､地上の気温に対して約 {r}℃"),
    Rule(Either("℃", "ft"), Filter{"℃"},
         [](const Ctx& c) { return c["ft"] <= Num(32000) / MetresPerFoot; },
         [](const Ctx& c) { return R{Fmt("0.00000", TemperatureAt(c["℃"], c["ft"] * MetresPerFoot))}; },
         "● 地上の気温{℃}のとき､高度{ft}であるところの気温は約 {r}℃"),
    Rule(Either("ft", " "), Filter{"℃"},
         [](const Ctx& c) { return c["ft"] <= Num(32000) / MetresPerFoot; },
         [](const Ctx& c) { return R{Fmt("0.00000", DifferenceToGround(c["ft"] * MetresPerFoot))}; },
         "● 高度{ft}での気温は､地上の気温に対して約 {r}℃"),
    Doc({
        " ● 気圧の単位変換",
        "　　 気圧(無単位)=気圧(Pa)/101325",
    }),
    Rule(Either("Pa", " "), NoFilterOnly,
         [](const Ctx& c) { return R{Fmt("0.00000", c["Pa"] / 101325)}; },
         "● 気圧{Pa}は {r}気圧"),
    Doc({
        " ● 海面気圧とある地点の気圧から､その地点の高度を求める",
        "　　 高度(m) =18410x(Log10(海面気圧(Pa))-Log10(気圧(Pa)))",
        "　　 高度(ft)=18410x(Log10(海面気圧(Pa))-Log10(気圧(Pa)))/0.3048",
    }),
    Rule(ThisOrder("Pa", "Pa"), Filter{"ft", "m"},
         [](const Ctx& c) { return c["Pa#1"] > c["Pa#2"]; },
         [](const Ctx& c) {
           const Num height = (Log(c["Pa#1"]) / Log(10) - Log(c["Pa#2"]) / Log(10)) * BarometricHeight;
           return R{Eng5(height), Fmt("0.00000", height / MetresPerFoot)};
         },
         "● 海面気圧{Pa#1}のとき､気圧が{Pa#2}であるところの高度は約 {r1}m または {r2}ft"),
    Rule(ThisOrder("Pa", "Pa"), Filter{"ft", "m"},
         [](const Ctx& c) { return c["Pa#2"] > c["Pa#1"]; },
         [](const Ctx& c) {
           const Num height = (Log(c["Pa#2"]) / Log(10) - Log(c["Pa#1"]) / Log(10)) * BarometricHeight;
           return R{Eng5(height), Fmt("0.00000", height / MetresPerFoot)};
         },
         "● 海面気圧{Pa#2}のとき､気圧が{Pa#1}であるところの高度は約 {r1}m または {r2}ft"),
    Doc({
        " ● 海面気圧1013hPa時の､ある地点の気圧から､その地点の高度を求める",
        "　　 高度(m) =18410x(Log10(101300)-Log10(気圧(Pa)))",
        "　　 高度(ft)=18410x(Log10(101300)-Log10(気圧(Pa)))/0.3048",
    }),
    Rule(Either("Pa", " "), Filter{"ft", "m"},
         [](const Ctx& c) {
           const Num height = (Log(SeaLevelPressure) / Log(10) - Log(c["Pa"]) / Log(10)) * BarometricHeight;
           return R{Eng5(height), Fmt("0.00000", height / MetresPerFoot)};
         },
         "● 海面気圧を 1013hPa としたとき､気圧が{Pa}であるところの高度は約 {r1}m または {r2}ft"),
    Doc({
        " ● 海面気圧とある地点の高度から､その高度における気圧を求める",
        "　　 気圧(hPa)=(10^(Log10(海面気圧(Pa))-高度(m)/18410))/100",
        "　　 気圧(hPa)=(10^(Log10(海面気圧(Pa))-(高度(ft)x0.3048)/18410))/100",
    }),
    Rule(Either("Pa", "m"), Filter{"Pa"},
         [](const Ctx& c) { return c["m"] >= 1; },
         [](const Ctx& c) { return R{Fmt("0.00000", Pow(10, Log(c["Pa"]) / Log(10) - c["m"] / BarometricHeight) / 100)}; },
         "● 海面気圧{Pa}のとき､高度{m}における気圧は約 {r}hPa"),
    Rule(Either("Pa", "ft"), Filter{"Pa"},
         [](const Ctx& c) { return R{Fmt("0.00000", Pow(10, Log(c["Pa"]) / Log(10) - c["ft"] * MetresPerFoot / BarometricHeight) / 100)}; },
         "● 海面気圧{Pa}のとき､高度{ft}における気圧は約 {r}hPa"),
    Doc({
        " ● 海面気圧1013hPa時の､ある地点の高度から､その高度における気圧を求める",
        "　　 気圧(hPa)=(10^(Log10(101300)-高度(m)/18410))/100",
        "　　 気圧(hPa)=(10^(Log10(101300)-(高度(ft)x0.3048)/18410))/100",
    }),
    Rule(Either("m", " "), Filter{"Pa"},
         [](const Ctx& c) { return c["m"] >= 1; },
         [](const Ctx& c) { return R{Fmt("0.00000", Pow(10, Log(SeaLevelPressure) / Log(10) - c["m"] / BarometricHeight) / 100)}; },
         "● 海面気圧を 1013hPa としたとき､高度{m}における気圧は約 {r}hPa"),
    Rule(Either("ft", " "), Filter{"Pa"},
         [](const Ctx& c) { return R{Fmt("0.00000", Pow(10, Log(SeaLevelPressure) / Log(10) - c["ft"] * MetresPerFoot / BarometricHeight) / 100)}; },
         "● 海面気圧を 1013hPa としたとき､高度{ft}における気圧は約 {r}hPa"),
    Doc({
        " ● 気圧から､水の沸点を求める",
        "　　 沸点(℃)=100+0.0367x(気圧(Pa)/133.322-760)-0.000023x(気圧(Pa)/133.322-760)^2",
    }),
    Rule(Either("Pa", " "), Filter{"℃"},
         [](const Ctx& c) {
           const Num p = c["Pa"] / 133.322 - 760;
           return R{Fmt("0.00000", p * 0.0367 + 100 - Sq(p) * 0.000023)};
         },
         "● 気圧{Pa}での水の沸点は {r}℃"),
};
constinit const RuleTable EarthScienceTable{EarthScienceRows};

}  // namespace tamrisk
