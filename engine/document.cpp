#include "engine/document.h"

#include <iterator>
#include <vector>

#include "engine/formula_domain.h"

namespace tamrisk {

namespace {

// The header explains the notation and states the formula counts per category.
const char* const kHeader[] = {
    " **************************************************************************************",
    " **　           　計算式不要の賢い電卓 Tamrisk 収録計算式一覧                        **",
    " **************************************************************************************",
    " ",
    " 本ファイルは､｢計算式不要の賢い電卓 Tamrisk｣に収録されている計算式をすべて記述したものです｡",
    " Tamrisk は計算式を全く意識せずに複雑､多様な計算を行いますが､実際にどのような計算ができ",
    " るのか､またどのような計算式で結果を導き出しているのかを示すために作成しました｡",
    " ",
    " 計算式と Tamrisk の関係について",
    "　　 計算式の右辺の､単位表記のある項(1つまたは2つ)が入力パラメータとなる。",
    "　　 入力ﾊﾟﾗﾒｰﾀは､Tamrisk の入力パラメータ1､2 のどちらに入力しても構わない。",
    " ",
    " 関数表記について",
    "　　 10^3 　 ：10の3乗を示す",
    "　　 Log10( )：常用対数(底が10)を示す",
    "　　 Log( )　：自然対数(底が2.71828)を示す",
    "　　 Exp( )　：指数関数を示す",
    " ",
    " 計算式数",
    "　　 　単位変換編：176",
    "　　 　数学編　　： 70",
    "　　 　物理編　　：166",
    "　　 　地学編　　： 23",
    "　　 　電子工学編：226",
    "　　 　情報処理編： 33",
    "　　 　写真編　　：  3",
    "　　 　生活編　　： 31",
    "　　 　単位なし　： 11",
    "　　 ------------------",
    "　　 　合計　　　：739",
    " ",
    " ",
    " ",
};

// One banner per category, in document order.
const char* const kBanners[9] = {
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

}  // namespace

std::string BuildFormulaDocument(std::span<const FormulaDomain* const> domains) {
  std::vector<std::string> lines;
  for (const char* line : kHeader) lines.emplace_back(line);
  for (int category = 1; category <= 9; ++category) {
    lines.emplace_back(kBanners[category - 1]);
    lines.emplace_back(" ");
    for (const FormulaDomain* domain : domains) {
      if (domain->Category() != category) continue;
      for (const Section& section : domain->Sections()) {
        for (std::string_view line : section.lines) lines.emplace_back(line);
        lines.emplace_back(" ");
      }
    }
    if (category < 9) {
      lines.emplace_back(" ");
      lines.emplace_back(" ");
    }
  }
  std::string text;
  for (const std::string& line : lines) {
    text += "\r\n";
    text += line;
  }
  return text;
}

std::size_t FormulaDocumentLine(std::span<const FormulaDomain* const> domains,
                                const FormulaDomain& domain, std::size_t section) {
  // Counted as BuildFormulaDocument lays the lines out.
  std::size_t line = 1 + std::size(kHeader);
  for (int category = 1; category <= 9; ++category) {
    line += 2;  // the banner and a blank
    for (const FormulaDomain* d : domains) {
      if (d->Category() != category) continue;
      const std::vector<Section> sections = d->Sections();
      for (std::size_t i = 0; i < sections.size(); ++i) {
        if (d == &domain && i == section) return line;
        line += sections[i].lines.size() + 1;
      }
    }
    if (category < 9) line += 2;
  }
  return 0;
}

}  // namespace tamrisk
