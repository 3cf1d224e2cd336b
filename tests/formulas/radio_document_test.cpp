// The radio sections of the formula list document: they follow the circuit
// sections in the electronics category and close it, in rule order, with the
// noise lines in kelvin from 273.15 and the available noise over a bandwidth
// stated as a power.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "formulas/catalogue_run.h"
#include "tests/formulas/document_support.h"
#include "formulas/domains.h"

namespace tamrisk::testing {
namespace {


const std::vector<std::string> kRadioTitles = {
    " ● 高周波電力とｲﾝﾋﾟｰﾀﾞﾝｽから､高周波電圧を求める",
    " ● 高周波電圧とｲﾝﾋﾟｰﾀﾞﾝｽから､高周波電力を求める",
    " ● 不整合減衰量から､電圧定在波比を求める",
    " ● 電圧定在波比から､不整合減衰量を求める",
    " ● 信号源ｲﾝﾋﾟｰﾀﾞﾝｽと負荷ｲﾝﾋﾟｰﾀﾞﾝｽから､電圧定在波比を求める",
    " ● 信号源ｲﾝﾋﾟｰﾀﾞﾝｽと負荷ｲﾝﾋﾟｰﾀﾞﾝｽから､不整合減衰量を求める",
    " ● 非同調給電線における電圧の最小値と最大値から､電圧定在波比を求める",
    " ● 非同調給電線における電流の最小値と最大値から､電圧定在波比を求める",
    " ● 高周波信号の進行波電力と反射波電力から､電圧定在波比を求める",
    " ● 2つのｲﾝﾋﾟｰﾀﾞﾝｽを整合させる1/4波長線路のｲﾝﾋﾟｰﾀﾞﾝｽを求める",
    " ● 1/4波長線路のｲﾝﾋﾟｰﾀﾞﾝｽと終端ｲﾝﾋﾟｰﾀﾞﾝｽから入力ｲﾝﾋﾟｰﾀﾞﾝｽを求める",
    " ● 平行２線式給電線の､線の直径と２線の間隔から､ｲﾝﾋﾟｰﾀﾞﾝｽを求める",
    " ● 平行２線式給電線の､ｲﾝﾋﾟｰﾀﾞﾝｽと線の直径から､２線の間隔を求める",
    " ● 平行２線式給電線の､ｲﾝﾋﾟｰﾀﾞﾝｽと２線の間隔から､線の直径を求める",
    " ● 同軸給電線の､内部導体の外径と外部導体の内径から､ｲﾝﾋﾟｰﾀﾞﾝｽを求める",
    " ● 同軸給電線の､ｲﾝﾋﾟｰﾀﾞﾝｽと内部導体の外径から､外部導体の内径を求める",
    " ● 同軸給電線の､ｲﾝﾋﾟｰﾀﾞﾝｽと外部導体の内径から､内部導体の外径を求める",
    " ● AM変調波の､変調度から､搬送波に対する側帯波ﾚﾍﾞﾙを求める",
    " ● AM変調波の､搬送波に対する側帯波レベルから､AM変調度を求める",
    " ● AM変調波包絡線の､最大電圧と最小電圧から､AM変調度を求める",
    " ● AM変調波の､搬送波電力とAM変調度から､被変調波電力を求める",
    " ● AM変調波の､搬送波電力と変調度から､ﾋﾟｰｸ電力およびﾃﾞｨｯﾌﾟ電力を求める",
    " ● FM変調波の､FM周波数偏移と変調波周波数から､変調指数を求める",
    " ● FM変調波の､FM周波数偏移と変調波周波数から､φM位相偏移量を求める",
    " ● φM変調波の､φM位相偏移と変調波周波数から､FM周波数偏移量を求める",
    " ● ｽｰﾊﾟｰﾍﾃﾛﾀﾞｲﾝ受信機の､受信周波数と中間周波数から､局発周波数､ｲﾒｰｼﾞ周波数を求める",
    " ● 温度から､有能雑音電力を求める",
    " ● 温度と周波数帯域幅から､その帯域幅での雑音電力を求める",
    " ● 周波数帯域幅から､常温における有能雑音電力を求める",
    " ● 受信機の帯域幅と雑音指数から､入力換算雑音電力を求める",
    " ● 周波数帯域幅とその帯域幅での雑音電力から､帯域1Hzあたりの雑音電力を求める",
    " ● 2つの信号の雑音電力(無相関)から､雑音の合成電力を求める",
    " ● 2信号の雑音ﾚﾍﾞﾙから､ﾐｷｻで合成後の出力信号の雑音ﾚﾍﾞﾙを求める",
    " ● 既知の雑音ﾚﾍﾞﾙとﾐｷｻで合成後の出力信号の雑音ﾚﾍﾞﾙから､未知の雑音ﾚﾍﾞﾙを求める",
    " ● 受信機の雑音指数と入力信号の雑音電力から､入力換算雑音電力を求める",
    " ● 雑音の､異なる帯域幅あたりのトータル電力の比を求める",
    " ● ﾃﾚﾋﾞの画面ｻｲｽﾞと反射波伝搬経路差から､ｺﾞｰｽﾄ幅を求める",
    " ● ﾃﾚﾋﾞの画面ｻｲｽﾞとｺﾞｰｽﾄ幅から､反射波の伝搬経路差を求める",
};

const std::vector<std::string> kVoltageToLevel = {
    " ● 高周波電圧とｲﾝﾋﾟｰﾀﾞﾝｽから､高周波電力を求める",
    "　　 高周波電力(dBm)=10xLog10(終端電圧(V)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x1000)",
    "　　 高周波電力(dBm)=10xLog10((開放電圧(V)/2)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x1000)",
    "　　 高周波電力(dBm)=10xLog10((10^(終端電圧(dBμV)/20)/10^6)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x1000)",
    "　　 高周波電力(dBm)=10xLog10(((10^(開放電圧(dBμV)/20)/10^6)/2)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x1000)",
    "　　 高周波電力(dBf)=10xLog10(終端電圧(V)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x10^15)",
    "　　 高周波電力(dBf)=10xLog10((開放電圧(V)/2)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x10^15)",
    "　　 高周波電力(dBf)=10xLog10((10^(終端電圧(dBμV)/20)/10^6)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x10^15",
    "　　 高周波電力(dBf)=10xLog10(((10^(開放電圧(dBμV)/20)/10^6)/2)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x10^15",
};

const std::vector<std::string> kThermalNoise = {
    " ● 温度から､有能雑音電力を求める",
    "　　 有能雑音(W/Hz)　=(1.38x10^(-23))x(273.15+温度(℃))",
    "　　 有能雑音(W/Hz)　=(1.38x10^(-23))x温度(K)",
    "　　 有能雑音(dBm/Hz)=10xLog10((1.38x10^(-23))x(273.15+温度(℃))x1000)",
    "　　 有能雑音(dBm/Hz)=10xLog10((1.38x10^(-23))x温度(K)x1000)",
};

const std::vector<std::string> kBandNoise = {
    " ● 温度と周波数帯域幅から､その帯域幅での雑音電力を求める",
    "　　 雑音(W)　=(1.38x10^(-23))x帯域幅(Hz)x(273.15+温度(℃)) ",
    "　　 雑音(dBm)=10xLog10((1.38x10^(-23))x帯域幅(Hz)x(273.15+温度(℃))x1000)",
};

const std::vector<std::string> kRoomTemperatureNoise = {
    " ● 周波数帯域幅から､常温における有能雑音電力を求める",
    "　　 有能雑音(W)　=10^(-174/10)/1000x帯域幅(Hz)",
    "　　 有能雑音(dBm)=-174+10xLog10(帯域幅(Hz))",
};

const std::vector<std::string> kGhostWidth = {
    " ● ﾃﾚﾋﾞの画面ｻｲｽﾞと反射波伝搬経路差から､ｺﾞｰｽﾄ幅を求める",
    "　　 ｺﾞｰｽﾄ幅(m)=画面ｻｲｽﾞ(in)x0.0254xcos(atn(3 / 4))x(525x30/0.83)x(経路差(m)/299792500)",
};

TEST(RadioDocument, RadioSectionsFollowTheCircuitSectionsInRuleOrder) {
  const CategoryLines electronics = Category(kElectronics);
  EXPECT_EQ(electronics.next, kBanners[kInformation - 1]);
  const auto& sections = electronics.sections;
  const size_t circuits = CircuitDomain.Sections().size();
  ASSERT_EQ(sections.size(), circuits + kRadioTitles.size());
  for (size_t i = 0; i < circuits; ++i) {
    EXPECT_EQ(sections[i].front(), CircuitDomain.Sections()[i].lines.front()) << i;
  }
  std::vector<std::string> titles;
  for (size_t i = circuits; i < sections.size(); ++i) titles.push_back(sections[i].front());
  EXPECT_EQ(titles, kRadioTitles);
}

TEST(RadioDocument, SectionsLineByLine) {
  const auto sections = Category(kElectronics).sections;
  for (const std::vector<std::string>* expected :
       {&kVoltageToLevel, &kThermalNoise, &kBandNoise, &kRoomTemperatureNoise, &kGhostWidth}) {
    ExpectSection(sections, *expected);
  }
}

}  // namespace
}  // namespace tamrisk::testing
