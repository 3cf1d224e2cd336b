// Reading the formula list document in tests: its lines, the nine category
// banners, and the sections of one category.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formulas/catalogue_run.h"

namespace tamrisk::testing {

inline const char* const kBanners[9] = {
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

// The document's places in the header and the categories' numbers.
enum DocumentCategoryNumber {
  kConversion = 1, kMath, kPhysics, kEarthScience, kElectronics,
  kInformation, kPhotography, kDailyLife, kPlainNumbers,
};

inline const std::string kBlankLine = " ";

// The lines of a document text, cut at CR LF; the text begins with CR LF, so
// the first line is empty.
inline std::vector<std::string> DocumentLines(const std::string& text = FormulaListDocument()) {
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

using SectionLines = std::vector<std::string>;

// One category of the document: its sections (each without its closing blank
// line) and the first line after the blank lines that close it (the next
// banner, or nothing after the last category).
struct CategoryLines {
  std::vector<SectionLines> sections;
  std::string next;
};

inline CategoryLines Category(int number, const std::vector<std::string>& lines = DocumentLines()) {
  CategoryLines category;
  const std::string banner = kBanners[number - 1];
  size_t at = 0;
  while (at < lines.size() && lines[at] != banner) ++at;
  EXPECT_LT(at + 1, lines.size()) << "no banner " << banner;
  if (at + 1 >= lines.size()) return category;
  EXPECT_EQ(lines[at + 1], kBlankLine) << "one blank line after the banner " << banner;
  SectionLines current;
  size_t i = at + 2;
  for (; i < lines.size(); ++i) {
    if (lines[i] != kBlankLine) {
      current.push_back(lines[i]);
      continue;
    }
    if (current.empty()) break;  // the blank lines that close the category
    category.sections.push_back(current);
    current.clear();
  }
  EXPECT_TRUE(current.empty()) << "the last section of " << banner << " ends with its blank line";
  while (i < lines.size() && lines[i] == kBlankLine) ++i;
  if (i < lines.size()) category.next = lines[i];
  return category;
}

}  // namespace tamrisk::testing
