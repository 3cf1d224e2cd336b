// The physics category of the formula list document: its banner, every
// section title in order, the sections whose formula lines were brought in
// line with the rules, and as many formula lines as the header counts.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "formulas/catalogue_run.h"
#include "tests/formulas/document_support.h"

namespace tamrisk::testing {
namespace {

const std::string kPhysicsCount = "　　 　物理編　　：166";

const std::vector<std::string> kTitles = {
    " ● 容積と質量から､比重を求める",
    " ● 板金の面積と厚さから､質量を求める",
    " ● 走行距離と燃料消費量から､燃費を求める",
    " ● 移動距離と移動時間から､速度を求める",
    " ● 速度の単位変換",
    " ● 速度と時間から､移動距離を求める",
    " ● 速度と移動距離から､移動に要する時間を求める",
    " ● 初速度0の物体の､加速度と時間から､移動距離と最終速度を求める",
    " ● 初速度0の物体の､加速度と最終速度から､要する時間と距離を求める",
    " ● 初速度0の物体の､加速度と移動距離から､最終速度と要する時間を求める",
    " ● 初速度0の物体の､経過時間と最終速度から､加速度と移動距離を求める",
    " ● 初速度0の物体の､経過時間と移動距離から､加速度と最終速度を求める",
    " ● 初速度0の物体の､最終速度と移動距離から､必要な加速度と時間を求める",
    " ● 回転速度の単位変換",
    " ● 車輪の直径と回転速度から､速度を求める",
    " ● 速度と車輪の直径から､車輪の回転速度を求める",
    " ● 物体の質量と加速度から､与えられる力を求める",
    " ● 物体の質量と与える力から､加速度を求める",
    " ● 物体の加速度と与えられる力から､質量を求める",
    " ● 高度から､自由落下に要する時間を求める",
    " ● 自由落下に要した時間から､高度を求める",
    " ● 高度から､自由落下時の最終速度を求める",
    " ● 自由落下に要した時間から､最終速度を求める",
    " ● 垂直方向に打ち上げた物体の､初速度から､到達高度を求める",
    " ● 水平方向に打ち出した物体の､高度と初速度から､到達距離を求める",
    " ● 斜め情報に打ち上げた物体の､仰角と速度から､到達高度と飛距離を求める",
    " ● 円軌道の人工衛星の高度から､周期と速度を求める",
    " ● 円軌道の人工衛星の周期から､高度と速度を求める",
    " ● 光､電磁波において､時間から､進む距離を求める",
    " ● 光､電磁波の進む距離から､要する時間を求める",
    " ● 電磁波の周波数から､真空中での波長を求める",
    " ● 電磁波の真空中での波長から､周波数を求める",
    " ● 電磁波の周波数と長さから､波長に対する比を求める",
    " ● 電磁波の周波数と波長に対する比から､長さを求める",
    " ● 電磁波の波長に対する比と長さから､周波数を求める",
    " ● 気温から､音速を求める",
    " ● 気温と音が伝わる時間から､音源までの距離を求める",
    " ● 常温において､音の伝わる時間から､音源までの距離を求める",
    " ● 気温と音の伝わる距離から､要する時間を求める",
    " ● 常温において､音の伝わる距離から､要する時間を求める",
    " ● 音源の周波数と音源が近づく速度から､観測点での周波数を求める",
    " ● 音源の周波数と音源が遠ざかる速度から､観測点での周波数を求める",
    " ● 音源の周波数と観測点が近づく速度から､観測点での周波数を求める",
    " ● 音源の周波数と観測点が遠ざかる速度から､観測点での周波数を求める",
    " ● 電磁波発信源の周波数と移動速度から､ﾄﾞｯﾌﾟﾗｼﾌﾄ量を求める",
    " ● 単振り子の糸の長さから､周期を求める",
    " ● 単振り子の周期から､糸の長さを求める",
    " ● ｴﾈﾙｷﾞｰの単位変換",
    " ● 水量と与えるｴﾈﾙｷﾞｰから､温度上昇量を求める",
    " ● 水量と温度上昇から､与えられたｴﾈﾙｷﾞｰを求める",
    " ● 水量に与えたｴﾈﾙｷﾞｰと､それによる温度上昇から､水量を求める",
    " ● 供給した電力量と時間から､得られるｴﾈﾙｷﾞｰを求める",
    " ● 供給する電力と得られるｴﾈﾙｷﾞｰから､必要な時間を求める",
    " ● 得られるｴﾈﾙｷﾞｰと要した時間から､供給した電力量を求める",
    " ● ﾊﾟﾗﾒｰﾀ値の､比率を乗じた値を求める",
    " ● ﾊﾟﾗﾒｰﾀ値の､±比率の範囲を求める",
    " ● 比率単位値を指数で表す",
};

// The sections whose formula lines state what the rules compute.
const std::vector<std::vector<std::string>> kCorrectedSections = {
    {" ● 容積と質量から､比重を求める",
     "　　 比重=質量(g)/容積(l)/1000"},
    {" ● 板金の面積と厚さから､質量を求める",
     "　　 ｱﾙﾐﾆｳﾑの質量(g) =2690000x面積(㎡)と厚さ(m)",
     "　　 鉄の質量(g)　 　=7870000x面積(㎡)と厚さ(m)",
     "　　 銅の質量(g)　 　=8960000x面積(㎡)と厚さ(m)",
     "　　 ﾁﾀﾝの質量(g)　　=4507000x面積(㎡)と厚さ(m)",
     "　　 ﾏｸﾞﾈｼｳﾑの質量(g)=1740000x面積(㎡)と厚さ(m)"},
    {" ● 速度と移動距離から､移動に要する時間を求める",
     "　　 時間(sec) =移動距離(m)/速度(m/h)x3600",
     "　　 時間(sec) =移動距離(m)/速度(m/s)",
     "　　 時間(sec) =移動距離(m)/(速度(knot)x1852)x3600",
     "　　 時間(sec) =移動距離(mile)/速度(mile/h)x3600",
     "　　 時間(hour)=移動距離(m)/速度(m/h)",
     "　　 時間(hour)=移動距離(m)/(速度(knot)x1852)",
     "　　 時間(hour)=移動距離(mile)/速度(mile/h)"},
    {" ● 物体の加速度と与えられる力から､質量を求める",
     "　　 質量(g)=力(N)/加速度(m/s2)x1000"},
    {" ● 比率単位値を指数で表す",
     "　　 指数値=指数表記(%値/100)",
     "　　 指数値=指数表記(ppm値/1000000)",
     "　　 指数値=指数表記(ppb値/1000000000)"},
};

TEST(PhysicsDocument, SectionsInOrderBeforeEarthScience) {
  const CategoryLines physics = Category(kPhysics);
  EXPECT_EQ(Titles(physics.sections), kTitles);
  EXPECT_EQ(physics.next, kBanners[kEarthScience - 1]);
}

TEST(PhysicsDocument, FormulaLinesStateWhatTheRulesCompute) {
  const CategoryLines physics = Category(kPhysics);
  for (const std::vector<std::string>& expected : kCorrectedSections) {
    ExpectSection(physics.sections, expected);
  }
}

TEST(PhysicsDocument, AsManyFormulaLinesAsTheHeaderCounts) {
  const std::vector<std::string> lines = DocumentLines();
  ASSERT_GT(lines.size(), 22u);
  EXPECT_EQ(lines[22], kPhysicsCount);
  size_t formulas = 0;
  for (const auto& s : Category(kPhysics, lines).sections) formulas += s.size() - 1;
  EXPECT_EQ(formulas, 166u);
}

}  // namespace
}  // namespace tamrisk::testing
