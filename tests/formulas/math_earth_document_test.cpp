// The mathematics and earth science categories of the formula list document:
// their sections in order, and the sections whose formula lines state what
// the rules compute (base and apex of isosceles triangles, pressure units,
// heights in feet and their ranges).
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "formulas/catalogue_run.h"
#include "tests/formulas/document_support.h"

namespace tamrisk::testing {
namespace {


// The ellipse section stands before the sector section, although its rules
// run after the sector rule.
const std::vector<std::string> kMathTitles = {
    " ● 正方形の面積から､一辺および対角線の長さを求める",
    " ● 正方形の一辺の長さから､面積､対角線の長さを求める",
    " ● 長方形の各辺の長さから､面積､対角線の長さを求める",
    " ● 三角形の､2点の内角から､残りの1点の内角を求める",
    " ● 直角三角形の､直角を挟む2辺の長さから､面積､斜辺の長さを求める",
    " ● 二等辺三角形の2辺の長さと頂点角度から､底辺の長さ､高さ､面積を求める",
    " ● 二等辺三角形の底辺の長さと頂点角度から､斜辺の長さ､高さ､面積を求める",
    " ● 二等辺三角形の高さと頂点角度から､底辺､斜辺の長さ､面積を求める",
    " ● 二等辺三角形の底辺と斜辺の長さから､高さ､面積､頂点角度を求める",
    " ● 二等辺三角形の高さと斜辺の長さから､底辺の長さ､面積､頂点角度を求める",
    " ● 二等辺三角形の高さと底辺の長さから､斜辺の長さ､面積を求める",
    " ● 二等辺三角形の底辺の長さと面積から､高さ､斜辺の長さを求める",
    " ● 二等辺三角形の高さと面積から､底辺､斜辺の長さを求める",
    " ● 正三角形の一辺の長さから､面積を求める",
    " ● 正三角形の面積から､一辺の長さを求める",
    " ● 正五角形の一辺の長さから､面積を求める",
    " ● 正六角形の一辺の長さから､面積を求める",
    " ● 円の半径から､面積､円周を求める",
    " ● 円の直径から､面積､円周を求める",
    " ● 円の円周から､面積､直径を求める",
    " ● 円の面積から､直径､円周を求める",
    " ● 楕円の長径と短径から､面積を求める",
    " ● 扇形の半径と内角から､面積､円弧の長さを求める",
    " ● 立方体の一辺の長さから､体積を求める",
    " ● 柱状の物体の､底面積と高さから､体積を求める",
    " ● 錐状の物体の､底面積と高さから､体積を求める",
    " ● 球体の半径から､体積､表面積を求める",
    " ● ある物体までの距離と仰角から､物体の高さを求める",
    " ● ある物体の高度と仰角から､物体までの距離を求める",
    " ● 角度から正弦､余弦､正接を求める",
    " ● 物体の長さと厚さからﾛｰﾙ状に巻いた場合の直径､巻数を求める",
    " ● 物体の長さとﾛｰﾙ状に巻いた場合の直径から物体の厚さ､巻数を求める",
    " ● 物体の厚さとﾛｰﾙ状に巻いた場合の直径から物体の長さ､巻数を求める",
    " ● 複利式における､年金利と年数から､利息を求める",
};

const std::vector<std::string> kEarthTitles = {
    " ● 地表上の２点の高度から､見通し距離を求める",
    " ● 地上の気温と高度から､その高度における気温を求める",
    " ● 高度から､地上との気温差を求める",
    " ● 気圧の単位変換",
    " ● 海面気圧とある地点の気圧から､その地点の高度を求める",
    " ● 海面気圧1013hPa時の､ある地点の気圧から､その地点の高度を求める",
    " ● 海面気圧とある地点の高度から､その高度における気圧を求める",
    " ● 海面気圧1013hPa時の､ある地点の高度から､その高度における気圧を求める",
    " ● 気圧から､水の沸点を求める",
};

const std::vector<std::string> kIsoscelesHeightAndApex = {
    " ● 二等辺三角形の高さと頂点角度から､底辺､斜辺の長さ､面積を求める",
    "　　 底辺(m) =2x高さ(m)xtan(頂点(deg)/2))",
    "　　 斜辺(m) =√(高さ(m)^2+(高さ(m)xtan(頂点(deg)/2))^2)",
    "　　 面積(㎡)=高さ(m)^2x(tan(頂点(deg)/2))",
};

const std::vector<std::string> kIsoscelesHeightAndSide = {
    " ● 二等辺三角形の高さと斜辺の長さから､底辺の長さ､面積､頂点角度を求める",
    "　　 底辺(m) =2x√(斜辺(m)^2-高さ(m)^2)",
    "　　 面積(㎡)=高さ(m)x√(斜辺(m)^2-高さ(m)^2)",
    "　　 頂点(deg)=Atn(√(斜辺(m)^2-高さ(m)^2)/高さ(m))x2",
};

const std::vector<std::string> kIsoscelesHeightAndBase = {
    " ● 二等辺三角形の高さと底辺の長さから､斜辺の長さ､面積を求める",
    "　　 斜辺(m) =√((底辺(m)/2)^2+高さ(m)^2)",
    "　　 面積(㎡)=底辺(m)x高さ(m)/2",
    "　　 頂点(deg)=Atn((底辺(m)/2)/高さ(m))x2",
};

const std::vector<std::string> kTemperature = {
    " ● 地上の気温と高度から､その高度における気温を求める",
    "　　 気温(℃)=地上気温(℃)-0.0065x高度(m)　　　　　　　　　　　　(高度：0～11000m)",
    "　　 気温(℃)=地上気温(℃)-0.0065x11000　　　　　　　　　　　　　(高度：11000～20000m)",
    "　　 気温(℃)=地上気温(℃)-0.0065x11000+(高度(m)-20000)x0.001　　(高度：20000～32000m)",
    "　　 気温(℃)=地上気温(℃)-0.0065x高度(ft)x0.3048　　　　　　　　　(高度：0～36089ft)",
    "　　 気温(℃)=地上気温(℃)-0.0065x11000　　　　　　　　　　　　　　(高度：36089～65617ft)",
    "　　 気温(℃)=地上気温(℃)-0.0065x11000+(高度(ft)x0.3048-20000)x0.001",
    "　　 　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　(高度：65617～104987ft)",
};

const std::vector<std::string> kTemperatureDifference = {
    " ● 高度から､地上との気温差を求める",
    "　　 気温差(℃)=-0.0065x高度(m)　　　　　　　　　　　　(高度：0～11000m)",
    "　　 気温差(℃)=-0.0065x11000　　　　　　　　　　　　　(高度：11000～20000m)",
    "　　 気温差(℃)=-0.0065x11000+(高度(m)-20000)x0.001　　(高度：20000～32000m)",
    "　　 気温差(℃)=-0.0065x高度(ft)x0.3048　　　　　　　　　　　(高度：0～36089ft)",
    "　　 気温差(℃)=-0.0065x11000　　　　　　　　　　　　　　　　(高度：36089～65617ft)",
    "　　 気温差(℃)=-0.0065x11000+(高度(ft)x0.3048-20000)x0.001　(高度：65617～104987ft)",
};

const std::vector<std::string> kPressureUnits = {
    " ● 気圧の単位変換",
    "　　 気圧(無単位)=気圧(Pa)/101325",
};

const std::vector<std::string> kPressureAtHeight = {
    " ● 海面気圧とある地点の高度から､その高度における気圧を求める",
    "　　 気圧(hPa)=(10^(Log10(海面気圧(Pa))-高度(m)/18410))/100",
    "　　 気圧(hPa)=(10^(Log10(海面気圧(Pa))-(高度(ft)x0.3048)/18410))/100",
};

const std::vector<std::string> kPressureAtHeightFrom1013 = {
    " ● 海面気圧1013hPa時の､ある地点の高度から､その高度における気圧を求める",
    "　　 気圧(hPa)=(10^(Log10(101300)-高度(m)/18410))/100",
    "　　 気圧(hPa)=(10^(Log10(101300)-(高度(ft)x0.3048)/18410))/100",
};

TEST(MathEarthDocument, SectionsInOrder) {
  EXPECT_EQ(Titles(Category(kMath).sections), kMathTitles);
  EXPECT_EQ(Titles(Category(kEarthScience).sections), kEarthTitles);
}

TEST(MathEarthDocument, IsoscelesSectionsStateTheComputedFormulas) {
  const auto sections = Category(kMath).sections;
  for (const auto* expected :
       {&kIsoscelesHeightAndApex, &kIsoscelesHeightAndSide, &kIsoscelesHeightAndBase}) {
    ExpectSection(sections, *expected);
  }
}

TEST(MathEarthDocument, EarthSectionsStateTheComputedFormulas) {
  const auto sections = Category(kEarthScience).sections;
  for (const auto* expected : {&kTemperature, &kTemperatureDifference, &kPressureUnits,
                               &kPressureAtHeight, &kPressureAtHeightFrom1013}) {
    ExpectSection(sections, *expected);
  }
}

}  // namespace
}  // namespace tamrisk::testing
