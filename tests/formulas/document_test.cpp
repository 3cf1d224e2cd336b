#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/document.h"
#include "engine/rules.h"
#include "formulas/catalogue_run.h"
#include "formulas/circuits/circuit_tables.h"

namespace tamrisk {
namespace {

const char* const kBanners[] = {
    " ■■■■■■■■■■■■■■■■■■■ 単位変換編 ■■■■■■■■■■■■■■■■■■■",
    "■■■■■■■■■■■■■■■■■■■ 　数学編　 ■■■■■■■■■■■■■■■■■■■",
    "■■■■■■■■■■■■■■■■■■■ 　物理編　 ■■■■■■■■■■■■■■■■■■■",
    "■■■■■■■■■■■■■■■■■■■ 　地学編　 ■■■■■■■■■■■■■■■■■■■",
    "■■■■■■■■■■■■■■■■■■■ 電子工学編 ■■■■■■■■■■■■■■■■■■■",
    "■■■■■■■■■■■■■■■■■■■ 情報処理編 ■■■■■■■■■■■■■■■■■■■",
    "■■■■■■■■■■■■■■■■■■■ 　写真編　 ■■■■■■■■■■■■■■■■■■■",
    "■■■■■■■■■■■■■■■■■■■ 　生活編　 ■■■■■■■■■■■■■■■■■■■",
    "■■■■■■■■■■■■■■■■■■ 　単位なし編　 ■■■■■■■■■■■■■■■■■■",
};

std::vector<std::string> DocumentLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (true) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return lines;
}

TEST(FormulaDocumentTest, HeaderBannersAndBlankLines) {
  const FormulaDomain ohm("Ohm", 5, {OhmsLawTable()});
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

}  // namespace
}  // namespace tamrisk
