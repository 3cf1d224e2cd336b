// The unit conversion category of the formula list document: its sections
// in order, the era lists with every era, the litres per sho, zero Celsius in
// kelvin, and the header's formula counts.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "formulas/catalogue_run.h"
#include "tests/formulas/document_support.h"

namespace tamrisk::testing {
namespace {

const std::vector<std::string> kTitles = {
    " ● 長さの単位変換",
    " ● 質量の単位変換",
    " ● 容積の単位変換",
    " ● 角度の単位変換",
    " ● 面積の単位変換",
    " ● 温度の単位変換",
    " ● 仕事率の単位変換",
    " ● 時間の'秒'を､'時：分：秒'で表す",
    " ● 時間の'分'を､'時：分：秒'で表す",
    " ● 時間の'時'を､'時：分：秒'で表す",
    " ● 時間の単位変換",
    " ● 西暦から和暦を求める",
    " ● 西暦から､今年を基準とした年数を求める",
    " ● 西暦から､干支を求める",
    " ● 和暦から西暦を求める",
    " ● 経過年数から､西暦を求める",
    " ● 経過年数から､和暦を求める",
    " ● 経過年数から､干支を求める",
};

const std::vector<std::string> kWesternToEra = {
    " ● 西暦から和暦を求める",
    "　　 享和=西暦(year)-1800　(西暦：1801～1803)",
    "　　 文化=西暦(year)-1803　(西暦：1804～1817)",
    "　　 文政=西暦(year)-1817　(西暦：1818～1829)",
    "　　 天保=西暦(year)-1829　(西暦：1830～1843)",
    "　　 弘化=西暦(year)-1843　(西暦：1844～1847)",
    "　　 嘉永=西暦(year)-1847　(西暦：1848～1853)",
    "　　 安政=西暦(year)-1853　(西暦：1854～1859)",
    "　　 万延=西暦(year)-1859　(西暦：1860)",
    "　　 文久=西暦(year)-1860　(西暦：1861～1863)",
    "　　 元治=西暦(year)-1863　(西暦：1864)",
    "　　 慶応=西暦(year)-1864　(西暦：1865～1867)",
    "　　 明治=西暦(year)-1867　(西暦：1868～1911)",
    "　　 大正=西暦(year)-1911　(西暦：1912～1925)",
    "　　 昭和=西暦(year)-1925　(西暦：1926～1988)",
    "　　 平成=西暦(year)-1988　(西暦：1989～2018)",
    "　　 令和=西暦(year)-2018　(西暦：2019～)",
};

const std::vector<std::string> kEraToWestern = {
    " ● 和暦から西暦を求める",
    "　　 西暦=明治(year)+1867",
    "　　 西暦=大正(year)+1911",
    "　　 西暦=昭和(year)+1925",
    "　　 西暦=平成(year)+1988",
    "　　 西暦=令和(year)+2018",
};

const std::vector<std::string> kElapsedToEra = {
    " ● 経過年数から､和暦を求める",
    "　　 享和=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1800　(西暦：1801～1803)",
    "　　 文化=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1803　(西暦：1804～1817)",
    "　　 文政=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1817　(西暦：1818～1829)",
    "　　 天保=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1829　(西暦：1830～1843)",
    "　　 弘化=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1843　(西暦：1844～1847)",
    "　　 嘉永=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1847　(西暦：1848～1853)",
    "　　 安政=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1853　(西暦：1854～1859)",
    "　　 万延=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1859　(西暦：1860)",
    "　　 文久=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1860　(西暦：1861～1863)",
    "　　 元治=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1863　(西暦：1864)",
    "　　 慶応=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1864　(西暦：1865～1867)",
    "　　 明治=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1867　(西暦：1868～1911)",
    "　　 大正=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1911　(西暦：1912～1925)",
    "　　 昭和=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1925　(西暦：1926～1988)",
    "　　 平成=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1988　(西暦：1989～2018)",
    "　　 令和=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-2018　(西暦：2019～)",
};

const std::vector<std::string> kVolumeLitreLines = {
    "　　 容積(l)     =容積(升)x1.8039",
    "　　 容積(升)    =容積(l)/1.8039",
    "　　 容積(合)    =容積(l)/1.8039x10",
    "　　 容積(斗)    =容積(l)/1.8039/10",
};

const std::vector<std::string> kTemperature = {
    " ● 温度の単位変換",
    "　　 温度(℃)=温度(K)-273.15",
    "　　 温度(℃)=5/9x(温度(ﾟF)-32)",
    "　　 温度(K)=温度(℃)+273.15",
    "　　 温度(K)=5/9x(温度(ﾟF)-32)+273.15",
    "　　 温度(ﾟF)=9/5x温度(℃)+32",
    "　　 温度(ﾟF)=9/5x(温度(K)-273.15)+32",
};

const std::string kConversionCount = "　　 　単位変換編：176";
const std::string kTotalCount = "　　 　合計　　　：739";

const std::string kWrongLitres = "1.3089";
const std::string kTriplePoint = "273.16";

TEST(ConversionDocument, HeaderCountsIncludeTheNewEraLines) {
  const std::vector<std::string> lines = DocumentLines();
  ASSERT_GT(lines.size(), 30u);
  EXPECT_EQ(lines[20], kConversionCount);
  EXPECT_EQ(lines[30], kTotalCount);
}

TEST(ConversionDocument, SectionsInOrder) {
  const std::vector<std::string> lines = DocumentLines();
  EXPECT_EQ(lines[34], kBanners[0]) << "the category follows the header";
  EXPECT_EQ(Titles(Category(kConversion, lines).sections), kTitles);
}

TEST(ConversionDocument, EraListsNameEveryEra) {
  const auto sections = Category(kConversion).sections;
  for (const std::vector<std::string>* expected : {&kWesternToEra, &kEraToWestern, &kElapsedToEra}) {
    ExpectSection(sections, *expected);
  }
}

TEST(ConversionDocument, VolumeAndTemperatureLinesUseTheRulesConstants) {
  const auto sections = Category(kConversion).sections;
  ExpectSection(sections, kTemperature);

  std::vector<std::string> litreLines;
  for (const auto& s : sections) {
    for (const std::string& line : s) {
      EXPECT_EQ(line.find(kWrongLitres), std::string::npos) << line;
      EXPECT_EQ(line.find(kTriplePoint), std::string::npos) << line;
      if (line.find("1.8039") != std::string::npos) litreLines.push_back(line);
    }
  }
  EXPECT_EQ(litreLines, kVolumeLitreLines);
}

}  // namespace
}  // namespace tamrisk::testing
