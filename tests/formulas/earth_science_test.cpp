// Earth science: line of sight, temperature by height in the three layers
// (metres and feet), pressure units, the barometric height both ways and the
// boiling point, in both input orders where either order is allowed.
#include <string>
#include <vector>

#include "tests/formulas/domain_support.h"

namespace tamrisk::testing {
namespace {

const DomainCase kLineOfSight[] = {
    {{"100", " ", "m", "100", " ", "m", " 指定なし", 2026},
     {"● 地表上の高度がそれぞれ 100m, 100mとすると､直接見通せる距離は 71.400km"},
     false},
    {{"100", " ", "m", "100", " ", "m", "m", 2026},
     {"● 地表上の高度がそれぞれ 100m, 100mとすると､直接見通せる距離は 71.400km"},
     false},
    {{"100", " ", "m", "100", " ", "m", "℃", 2026},
     {},
     false},
    {{"-1", " ", "m", "100", " ", "m", " 指定なし", 2026},
     {},
     true},
};

// Heights from 1 m to 32000 m; inside each layer the figure shows which
// formula applies.
const DomainCase kTemperatureByMetres[] = {
    {{"20", " ", "℃", "1000", " ", "m", " 指定なし", 2026},
     {"● 地上の気温 20℃のとき､高度 1000mであるところの気温は約 13.50000℃"},
     false},
    {{"20", " ", "℃", "0.5", " ", "m", " 指定なし", 2026},
     {},
     false},
    {{"20", " ", "℃", "1", " ", "m", " 指定なし", 2026},
     {"● 地上の気温 20℃のとき､高度 1mであるところの気温は約 19.99350℃"},
     false},
    {{"20", " ", "℃", "11000", " ", "m", " 指定なし", 2026},
     {"● 地上の気温 20℃のとき､高度 11000mであるところの気温は約 -51.50000℃"},
     false},
    {{"20", " ", "℃", "15000", " ", "m", " 指定なし", 2026},
     {"● 地上の気温 20℃のとき､高度 15000mであるところの気温は約 -51.50000℃"},
     false},
    {{"20", " ", "℃", "20000", " ", "m", " 指定なし", 2026},
     {"● 地上の気温 20℃のとき､高度 20000mであるところの気温は約 -51.50000℃"},
     false},
    {{"20", " ", "℃", "30000", " ", "m", " 指定なし", 2026},
     {"● 地上の気温 20℃のとき､高度 30000mであるところの気温は約 -41.50000℃"},
     false},
    {{"20", " ", "℃", "32000", " ", "m", " 指定なし", 2026},
     {"● 地上の気温 20℃のとき､高度 32000mであるところの気温は約 -39.50000℃"},
     false},
    {{"20", " ", "℃", "32001", " ", "m", " 指定なし", 2026},
     {},
     false},
    {{"-5", " ", "℃", "25000", " ", "m", " 指定なし", 2026},
     {"● 地上の気温-5℃のとき､高度 25000mであるところの気温は約 -71.50000℃"},
     false},
    {{"20", " ", "℃", "1", "k", "m", "℃", 2026},
     {"● 地上の気温 20℃のとき､高度 1kmであるところの気温は約 13.50000℃"},
     false},
    {{"20", " ", "℃", "1000", " ", "m", "m", 2026},
     {},
     false},
};

// Feet have no lower limit; the upper one is 32000/0.3048 ft. A huge ground
// temperature overflows instead of printing a figure.
const DomainCase kTemperatureByFeet[] = {
    {{"20", " ", "℃", "-1000", " ", "ft", " 指定なし", 2026},
     {"● 地上の気温 20℃のとき､高度-1000ftであるところの気温は約 21.98120℃"},
     false},
    {{"20", " ", "℃", "0", " ", "ft", " 指定なし", 2026},
     {"● 地上の気温 20℃のとき､高度 0ftであるところの気温は約 20.00000℃"},
     false},
    {{"20", " ", "℃", "36089.2388451443", " ", "ft", " 指定なし", 2026},
     {"● 地上の気温 20℃のとき､高度 36089.2388451443ftであるところの気温は約 -51.50000℃"},
     false},
    {{"20", " ", "℃", "50000", " ", "ft", " 指定なし", 2026},
     {"● 地上の気温 20℃のとき､高度 50000ftであるところの気温は約 -51.50000℃"},
     false},
    {{"20", " ", "℃", "65616.7979002625", " ", "ft", " 指定なし", 2026},
     {"● 地上の気温 20℃のとき､高度 65616.7979002625ftであるところの気温は約 -51.50000℃"},
     false},
    {{"20", " ", "℃", "90000", " ", "ft", " 指定なし", 2026},
     {"● 地上の気温 20℃のとき､高度 90000ftであるところの気温は約 -44.06800℃"},
     false},
    {{"20", " ", "℃", "104986.8766404", " ", "ft", " 指定なし", 2026},
     {"● 地上の気温 20℃のとき､高度 104986.8766404ftであるところの気温は約 -39.50000℃"},
     false},
    {{"20", " ", "℃", "104986.87664042", " ", "ft", " 指定なし", 2026},
     {},
     false},
    {{"1.7976E308", " ", "℃", "-1E308", " ", "ft", " 指定なし", 2026},
     {},
     true},
};

const DomainCase kHeightAlone[] = {
    {{"1000", " ", "m", "7", " ", " ", " 指定なし", 2026},
     {"● 高度 1000mでの気温は､地上の気温に対して約 -6.50000℃",
      "● 海面気圧を 1013hPa としたとき､高度 1000mにおける気圧は約 893.90453hPa"},
     false},
    {{"1000", " ", "m", "7", " ", " ", "℃", 2026},
     {"● 高度 1000mでの気温は､地上の気温に対して約 -6.50000℃"},
     false},
    {{"1000", " ", "m", "7", " ", " ", "Pa", 2026},
     {"● 海面気圧を 1013hPa としたとき､高度 1000mにおける気圧は約 893.90453hPa"},
     false},
    {{"15000", " ", "m", "7", " ", " ", "℃", 2026},
     {"● 高度 15000mでの気温は､地上の気温に対して約 -71.50000℃"},
     false},
    {{"30000", " ", "m", "7", " ", " ", "℃", 2026},
     {"● 高度 30000mでの気温は､地上の気温に対して約 -61.50000℃"},
     false},
    {{"0.5", " ", "m", "7", " ", " ", " 指定なし", 2026},
     {},
     false},
    {{"1000", " ", "ft", "7", " ", " ", " 指定なし", 2026},
     {"● 高度 1000ftでの気温は､地上の気温に対して約 -1.98120℃",
      "● 海面気圧を 1013hPa としたとき､高度 1000ftにおける気圧は約 975.10914hPa"},
     false},
    {{"-1000", " ", "ft", "7", " ", " ", " 指定なし", 2026},
     {"● 高度-1000ftでの気温は､地上の気温に対して約 1.98120℃",
      "● 海面気圧を 1013hPa としたとき､高度-1000ftにおける気圧は約 1052.36323hPa"},
     false},
    {{"90000", " ", "ft", "7", " ", " ", "℃", 2026},
     {"● 高度 90000ftでの気温は､地上の気温に対して約 -64.06800℃"},
     false},
    {{"110000", " ", "ft", "7", " ", " ", " 指定なし", 2026},
     {"● 海面気圧を 1013hPa としたとき､高度 110000ftにおける気圧は約 15.29063hPa"},
     false},
};

const DomainCase kPressureAlone[] = {
    {{"101325", " ", "Pa", "7", " ", " ", " 指定なし", 2026},
     {"● 気圧 101325Paは 1.00000気圧",
      "● 海面気圧を 1013hPa としたとき､気圧が 101325Paであるところの高度は約 -1.9729m または -6.47292ft",
      "● 気圧 101325Paでの水の沸点は 100.00008℃"},
     false},
    {{"101325", " ", "Pa", "7", " ", " ", "m", 2026},
     {"● 海面気圧を 1013hPa としたとき､気圧が 101325Paであるところの高度は約 -1.9729m または -6.47292ft"},
     false},
    {{"101325", " ", "Pa", "7", " ", " ", "℃", 2026},
     {"● 気圧 101325Paでの水の沸点は 100.00008℃"},
     false},
    {{"0", " ", "Pa", "7", " ", " ", " 指定なし", 2026},
     {"● 気圧 0Paは 0.00000気圧",
      "● 気圧 0Paでの水の沸点は 58.82320℃"},
     true},
    {{"90", "k", "Pa", "7", " ", " ", "ft", 2026},
     {"● 海面気圧を 1013hPa としたとき､気圧が 90kPaであるところの高度は約 945.67m または 3102.57641ft"},
     false},
};

// The higher pressure is the sea-level pressure; equal pressures give nothing.
const DomainCase kTwoPressures[] = {
    {{"101300", " ", "Pa", "90000", " ", "Pa", " 指定なし", 2026},
     {"● 海面気圧 101300Paのとき､気圧が 90000Paであるところの高度は約 945.67m または 3102.57641ft"},
     false},
    {{"90000", " ", "Pa", "101300", " ", "Pa", " 指定なし", 2026},
     {"● 海面気圧 101300Paのとき､気圧が 90000Paであるところの高度は約 945.67m または 3102.57641ft"},
     false},
    {{"90000", " ", "Pa", "90000", " ", "Pa", " 指定なし", 2026},
     {},
     false},
    {{"0", " ", "Pa", "90000", " ", "Pa", " 指定なし", 2026},
     {},
     true},
    {{"101300", " ", "Pa", "90000", " ", "Pa", "℃", 2026},
     {},
     false},
};

const DomainCase kPressureAndHeight[] = {
    {{"101300", " ", "Pa", "1000", " ", "m", " 指定なし", 2026},
     {"● 海面気圧 101300Paのとき､高度 1000mにおける気圧は約 893.90453hPa"},
     false},
    {{"101300", " ", "Pa", "0.5", " ", "m", " 指定なし", 2026},
     {},
     false},
    {{"0", " ", "Pa", "1000", " ", "m", " 指定なし", 2026},
     {},
     true},
    {{"101300", " ", "Pa", "1000", " ", "ft", " 指定なし", 2026},
     {"● 海面気圧 101300Paのとき､高度 1000ftにおける気圧は約 975.10914hPa"},
     false},
    {{"101300", " ", "Pa", "-1000", " ", "ft", "Pa", 2026},
     {"● 海面気圧 101300Paのとき､高度-1000ftにおける気圧は約 1052.36323hPa"},
     false},
    {{"101300", " ", "Pa", "1000", " ", "ft", "m", 2026},
     {},
     false},
};

TEST(EarthScienceDomain, LineOfSight) { ExpectCases(EarthScienceDomain, kLineOfSight, false); }
TEST(EarthScienceDomain, TemperatureByMetres) {
  ExpectCases(EarthScienceDomain, kTemperatureByMetres, true);
}
TEST(EarthScienceDomain, TemperatureByFeet) {
  ExpectCases(EarthScienceDomain, kTemperatureByFeet, true);
}
TEST(EarthScienceDomain, HeightAlone) { ExpectCases(EarthScienceDomain, kHeightAlone, true); }
TEST(EarthScienceDomain, PressureAlone) { ExpectCases(EarthScienceDomain, kPressureAlone, true); }
TEST(EarthScienceDomain, TwoPressures) { ExpectCases(EarthScienceDomain, kTwoPressures, false); }
TEST(EarthScienceDomain, PressureAndHeight) {
  ExpectCases(EarthScienceDomain, kPressureAndHeight, true);
}

}  // namespace
}  // namespace tamrisk::testing
