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

// Each category holds the sections of its domains, in run order and in rule
// order within a domain, each section followed by its blank line.
TEST(FormulaDocumentTest, CategoriesHoldTheSectionsOfTheirDomainsInRunOrder) {
  const std::vector<std::string> lines = DocumentLines();
  for (int category = kConversion; category <= kPlainNumbers; ++category) {
    std::vector<SectionLines> expected;
    for (const FormulaDomain* domain : AllDomains()) {
      if (domain->Category() != category) continue;
      for (const Section& section : domain->Sections()) {
        expected.emplace_back(section.lines.begin(), section.lines.end());
      }
    }
    EXPECT_FALSE(expected.empty()) << category;
    EXPECT_EQ(Category(category, lines).sections, expected) << "category " << category;
  }
}

// The physics category has as many formula lines as the header counts for it.
TEST(FormulaDocumentTest, PhysicsHasAsManyFormulaLinesAsTheHeaderCounts) {
  const std::vector<std::string> lines = DocumentLines();
  ASSERT_GT(lines.size(), 22u);
  const std::string& count = lines[19 + kPhysics];
  ASSERT_EQ(count.rfind("　　 　物理編　　：", 0), 0u) << count;
  size_t formulas = 0;
  for (const SectionLines& s : Category(kPhysics, lines).sections) formulas += s.size() - 1;
  EXPECT_EQ(std::to_string(formulas), count.substr(count.rfind("：") + std::string("：").size()));
}

}  // namespace
}  // namespace tamrisk::testing
