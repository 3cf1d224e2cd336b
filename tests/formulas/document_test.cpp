#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/document.h"
#include "engine/rules.h"
#include "formulas/catalogue_run.h"
#include "formulas/circuits/circuit_tables.h"
#include "tests/formulas/document_support.h"

namespace tamrisk::testing {
namespace {

const char* const kOhmsLawSections[] = {
    " ● 抵抗器の両端の電圧と抵抗値から､抵抗を流れる電流を求める",
    "　　 電流(A)=電圧(V)/抵抗値(Ω)",
    " ",
    " ● 抵抗器の抵抗値と流れる電流から､両端の電圧を求める",
    "　　 電圧(V)=電流(A)x抵抗値(Ω)",
    " ",
    " ● 抵抗器の両端の電圧と流れる電流から､抵抗値を求める",
    "　　 抵抗値(Ω)=電圧(V)/電流(A)",
    " ",
    " ● 抵抗器に印加する電圧と流す電流から､消費される電力を求める",
    "　　 電力(W)=電圧(V)x電流(A)",
    " ",
    " ● 抵抗器に流す電流と消費される電力から､印加する電圧を求める",
    "　　 電圧(V)=電力(W)/電流(A)",
    " ",
    " ● 抵抗器に印加する電圧と消費される電力から､流す電流を求める",
    "　　 電流(A)=電力(W)/電圧(V)",
    " ",
    " ● 抵抗器の抵抗値と流す電流から､消費される電力を求める",
    "　　 電力(W)=電流(A)^2x抵抗値(Ω)",
    " ",
    " ● 抵抗器に流す電流と消費される電力から､抵抗値を求める",
    "　　 抵抗値(Ω)=電力(W)/電流(A)^2",
    " ",
    " ● 抵抗器の抵抗値と消費される電力から､流す電流を求める",
    "　　 電流(A)=√(電力(W)/抵抗値(Ω))",
    " ",
    " ● 抵抗器の抵抗値と印加する電圧から､消費される電力を求める",
    "　　 電力(W)=電圧(V)^2/抵抗値(Ω)",
    " ",
    " ● 抵抗器の抵抗値と印加する正弦波のﾋﾟｰｸ電圧から､消費される電力を求める",
    "　　 電力(W)=(電圧(V)/√2)^2/抵抗値(Ω)",
    "　　 電力(dBm)=10xLog10((電圧(V)/√2)^2/抵抗値(Ω)x1000)",
    " ",
    " ● 抵抗器の抵抗値と印加する方形波のﾋﾟｰｸ-ﾋﾟｰｸ間電圧から､消費される電力を求める",
    "　　 電力(W)=(電圧(V)/(0.7854x2x√2))^2/抵抗値(Ω)",
    "　　 電力(dBm)=10xLog10((電圧(V)/(0.7854x2x√2))^2/抵抗値(Ω)x1000)",
    " ",
    " ● 抵抗器に印加する電圧と消費される電力から､抵抗値を求める",
    "　　 抵抗値(Ω)=電圧(V)^2/電力(W)",
    " ",
    " ● 抵抗器の抵抗値と消費される電力から､印加する電圧を求める",
    "　　 電圧(V)=√(電力(W)x抵抗値(Ω))",
    " ",
    " ● 有効電力と皮相電力から､力率を求める",
    "　　 力率(%)=有効電力(W)/皮相電力(VA)x100",
    " ",
    " ● 皮相電力と力率から､有効電力を求める",
    "　　 有効電力(W)=(力率(%)/100)x皮相電力(VA)",
    " ",
    " ● 有効電力と力率から､皮相電力を求める",
    "　　 皮相電力(VA)=有効電力(W)/(力率(%)/100)",
    " ",
    " ● 電源の無負荷時および定格負荷時の電圧から､電圧変動率を求める",
    "　　 電圧変動率(%)=(無負荷電圧(V)-定格負荷電圧(V))/定格負荷電圧(V)x100",
    " ",
};

TEST(FormulaDocumentTest, HeaderBannersAndBlankLines) {
  const FormulaDomain ohm("Ohm", 5, {OhmsLawTable});
  const FormulaDomain* const domains[] = {&ohm};
  const std::string text = BuildFormulaDocument(domains);
  ASSERT_EQ(text.substr(0, 2), "\r\n");
  ASSERT_EQ(text.substr(text.size() - 3), "\r\n ");
  const std::vector<std::string> lines = DocumentLines(text);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], " **************************************************************************************");
  EXPECT_EQ(lines[2], " **　           　計算式不要の賢い電卓 Tamrisk 収録計算式一覧                        **");
  EXPECT_EQ(lines[19], " 計算式数");
  EXPECT_EQ(lines[31], " ");
  EXPECT_EQ(lines[33], " ");
  // Empty categories: banner, one blank line, two more blank lines.
  for (int k = 0; k < 4; ++k) {
    const size_t at = 34 + 4 * static_cast<size_t>(k);
    EXPECT_EQ(lines[at], kBanners[k]) << k;
    EXPECT_EQ(lines[at + 1], " ");
    EXPECT_EQ(lines[at + 2], " ");
    EXPECT_EQ(lines[at + 3], " ");
  }
  // Electronics: banner, blank, then each section followed by one blank line.
  EXPECT_EQ(lines[50], kBanners[4]);
  EXPECT_EQ(lines[51], " ");
  EXPECT_EQ(lines[52], " ● 抵抗器の両端の電圧と抵抗値から､抵抗を流れる電流を求める");
  EXPECT_EQ(lines[53], "　　 電流(A)=電圧(V)/抵抗値(Ω)");
  EXPECT_EQ(lines[54], " ");
  EXPECT_EQ(lines[55], " ● 抵抗器の抵抗値と流れる電流から､両端の電圧を求める");
  // The last category ends with its blank line and nothing after it.
  EXPECT_EQ(lines[lines.size() - 2], kBanners[8]);
  EXPECT_EQ(lines.back(), " ");
  size_t sections = 0;
  for (const std::string& l : lines) sections += l.rfind(" ● ", 0) == 0;
  EXPECT_EQ(sections, 18);
}

TEST(FormulaDocumentTest, OhmsLawSectionsOpenTheElectronicsCategoryWhole) {
  const std::vector<std::string> lines = DocumentLines(FormulaListDocument());
  size_t at = 0;
  while (at < lines.size() && lines[at] != kBanners[4]) ++at;
  ASSERT_LT(at + 1, lines.size());
  EXPECT_EQ(lines[at + 1], " ");
  at += 2;
  for (const char* expected : kOhmsLawSections) {
    ASSERT_LT(at, lines.size());
    EXPECT_EQ(lines[at++], expected);
  }
}

TEST(FormulaDocumentTest, WholeCatalogueDocumentIsBuiltOnceAndKeepsItsShape) {
  const std::string& doc = FormulaListDocument();
  EXPECT_EQ(&doc, &FormulaListDocument());
  const std::vector<std::string> lines = DocumentLines(doc);
  EXPECT_EQ(lines[34], kBanners[0]) << "the first banner is the 34th line after the empty first line";
  EXPECT_EQ(lines.back(), " ");
  size_t banner = 0;
  for (size_t i = 0; i < lines.size() && banner < 9; ++i) {
    if (lines[i] == kBanners[banner]) {
      EXPECT_EQ(lines[i + 1], " ");
      if (banner > 0) {
        EXPECT_EQ(lines[i - 1], " ");
        EXPECT_EQ(lines[i - 2], " ");
        EXPECT_EQ(lines[i - 3], " ");
      }
      ++banner;
    }
  }
  EXPECT_EQ(banner, 9u) << "all nine banners, in order";
}

// The whole document, every line compared: formula_list_document.txt holds
// the 1412 lines that follow the empty first line (UTF-8, one per line).
TEST(FormulaDocumentTest, EveryLineOfTheWholeDocument) {
  std::ifstream file(TAMRISK_FORMULA_LIST_FILE);
  ASSERT_TRUE(file) << TAMRISK_FORMULA_LIST_FILE;
  std::vector<std::string> expected{""};
  for (std::string line; std::getline(file, line);) expected.push_back(line);
  const std::vector<std::string> lines = DocumentLines();
  ASSERT_EQ(lines.size(), expected.size());
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i;
}

TEST(FormulaDocumentTest, CompleteCatalogueHasEverySectionOfEveryCategory) {
  // The whole document: 1412 lines after the empty first one, the banners in
  // their places, and the number of sections each category holds.
  const std::vector<std::string> lines = DocumentLines(FormulaListDocument());
  EXPECT_EQ(lines.size(), 1413u);
  const size_t bannerLines[9] = {34, 256, 400, 684, 730, 1271, 1333, 1345, 1396};
  const size_t sectionsPerCategory[9] = {18, 34, 57, 9, 153, 12, 2, 8, 2};
  for (size_t k = 0; k < 9; ++k) {
    ASSERT_LT(bannerLines[k], lines.size());
    EXPECT_EQ(lines[bannerLines[k]], kBanners[k]) << k;
    const size_t end = k < 8 ? bannerLines[k + 1] : lines.size();
    size_t sections = 0;
    for (size_t i = bannerLines[k]; i < end && i < lines.size(); ++i) {
      if (lines[i].rfind(" ● ", 0) != 0) continue;
      ++sections;
      EXPECT_EQ(lines[i - 1], " ") << "a blank line before every section title: " << lines[i];
    }
    EXPECT_EQ(sections, sectionsPerCategory[k]) << "category " << k + 1;
  }
}

}  // namespace
}  // namespace tamrisk::testing
