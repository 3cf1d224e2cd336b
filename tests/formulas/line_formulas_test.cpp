// The formula behind each line of a result: its entry of the formula list,
// the inputs under the formula's own names and, where the terms leave no
// doubt, the formula with the values in place.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/calc_input.h"
#include "engine/document.h"
#include "engine/formula_domain.h"
#include "engine/line_formulas.h"
#include "formulas/catalogue_run.h"

namespace tamrisk {
namespace {

RunInput In(const char* p1, const char* u1, const char* p2, const char* u2,
            const char* prefix1 = " ", const char* prefix2 = " ") {
  return RunInput{p1, prefix1, u1, p2, prefix2, u2, " 指定なし", 2026};
}

// The entry's title and formula lines as the document prints them.
void ExpectEntryOfDocument(const LineFormula& f) {
  static const std::vector<std::string_view> doc = ResultLines(FormulaListDocument());
  ASSERT_LT(f.documentLine + f.formulas.size(), doc.size());
  EXPECT_NE(doc[f.documentLine].find(f.title), std::string_view::npos) << f.title;
  for (std::size_t k = 0; k < f.formulas.size(); ++k) {
    EXPECT_NE(doc[f.documentLine + 1 + k].find(f.formulas[k]), std::string_view::npos)
        << f.formulas[k];
  }
}

struct Case {
  RunInput input;
  std::size_t line;       // the line of the result text
  const char* title;      // its entry's title
  const char* formula;    // the formula shown first
  const char* bindings;   // the inputs under the formula's names
  const char* substitution;
};

TEST(LineFormulas, EachLineShowsItsEntryAndNumbers) {
  const Case cases[] = {
      // Ohm's and Joule's law: one input unit per term.
      {In("10", "V", "5", "Ω"), 0, "● 抵抗器の両端の電圧と抵抗値から､抵抗を流れる電流を求める",
       "電流(A)=電圧(V)/抵抗値(Ω)", "電圧(V) = 10V､抵抗値(Ω) = 5Ω", "電流(A) = 10V / 5Ω = 2.0000A"},
      {In("10", "V", "5", "Ω"), 1, "● 抵抗器の抵抗値と印加する電圧から､消費される電力を求める",
       "電力(W)=電圧(V)^2/抵抗値(Ω)", "電圧(V) = 10V､抵抗値(Ω) = 5Ω", "電力(W) = 10V^2 / 5Ω = 20.000W"},
      {In("2", "A", "5", "Ω"), 0, "● 抵抗器の抵抗値と流れる電流から､両端の電圧を求める",
       "電圧(V)=電流(A)x抵抗値(Ω)", "電流(A) = 2A､抵抗値(Ω) = 5Ω", "電圧(V) = 2A x 5Ω = 10.000V"},
      {In("2", "A", "5", "Ω"), 1, "● 抵抗器の抵抗値と流す電流から､消費される電力を求める",
       "電力(W)=電流(A)^2x抵抗値(Ω)", "電流(A) = 2A､抵抗値(Ω) = 5Ω", "電力(W) = 2A^2 x 5Ω = 20.000W"},
      // With prefixes, the numbers as the line quotes them.
      {In("10", "V", "5", "Ω", "m", "k"), 0,
       "● 抵抗器の両端の電圧と抵抗値から､抵抗を流れる電流を求める", "電流(A)=電圧(V)/抵抗値(Ω)",
       "電圧(V) = 10mV､抵抗値(Ω) = 5kΩ", "電流(A) = 10mV / 5kΩ = 2.0000μA"},
      // Two results on one line (W and dBm): the entry's two formulas, no substitution.
      {In("10", "V", "5", "Ω"), 2, "● 抵抗器の抵抗値と印加する正弦波のﾋﾟｰｸ電圧から､消費される電力を求める",
       "電力(W)=(電圧(V)/√2)^2/抵抗値(Ω)", "電圧(V) = 10V､抵抗値(Ω) = 5Ω", ""},
      // Two names for volts in the entry: that input stays a parameter.
      {In("10", "V", "5", "Ω"), 4, "● 高周波電圧とｲﾝﾋﾟｰﾀﾞﾝｽから､高周波電力を求める",
       "高周波電力(dBm)=10xLog10(終端電圧(V)^2/ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω)x1000)",
       "入力パラメータ1 = 10V､ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω) = 5Ω", ""},
      {In("20", "dBm", "50", "Ω"), 0, "● 高周波電力とｲﾝﾋﾟｰﾀﾞﾝｽから､高周波電圧を求める",
       "終端電圧(V)　　=√(((10^(電力(dBm)/10))/1000)xｲﾝﾋﾟｰﾀﾞﾝｽ(Ω))",
       "電力(dBm) = 20dBm､ｲﾝﾋﾟｰﾀﾞﾝｽ(Ω) = 50Ω", ""},
      // A decibel line from two inputs of one unit: no term can be told apart.
      {In("10", "V", "5", "V"), 1, "● 2つの電圧値から､dB 単位での電圧比を求める",
       "電圧比(dB)=20xLog10(電圧値1(V)/電圧値2(V))", "入力パラメータ1 = 10V､入力パラメータ2 = 5V", ""},
      {In("10", "V", "5", "V"), 0, "● 電源の無負荷時および定格負荷時の電圧から､電圧変動率を求める",
       "電圧変動率(%)=(無負荷電圧(V)-定格負荷電圧(V))/定格負荷電圧(V)x100",
       "入力パラメータ1 = 10V､入力パラメータ2 = 5V", ""},
      // The temperature group: the line's own formula first.
      {In("100", "℃", "", " "), 0, "● 温度の単位変換", "温度(ﾟF)=9/5x温度(℃)+32", "温度(℃) = 100℃",
       "温度(ﾟF) = 9 / 5 x 100℃ + 32 = 212.00000ﾟF"},
      {In("100", "℃", "", " "), 1, "● 温度の単位変換", "温度(K)=温度(℃)+273.15", "温度(℃) = 100℃",
       "温度(K) = 100℃ + 273.15 = 373.15000K"},
      {In("-40", "ﾟF", "", " "), 0, "● 温度の単位変換", "温度(℃)=5/9x(温度(ﾟF)-32)", "温度(ﾟF) = -40ﾟF",
       "温度(℃) = 5 / 9 x (-40ﾟF - 32) = -40.00000℃"},
      // Time units: three results on the line, the whole entry.
      {In("1999", "year", "", " "), 0, "● 時間の単位変換", "時間(sec) =時間(min)x60",
       "時間(year) = 1999year", ""},
      // The calendar.
      {In("1999", "year", "", " "), 1, "● 西暦から､干支を求める", "干支=(西暦(year)/12) の余り",
       "西暦(year) = 1999year", ""},
      {In("1999", "year", "", " "), 2, "● 和暦から西暦を求める", "西暦=明治(year)+1867",
       "入力パラメータ1 = 1999year", ""},
      // E12/E24: a prose entry, both lines of one rule.
      {In("1", "Ω", "", " ", "k"), 0,
       "● 所望の抵抗値から､E12､E24系列抵抗器の並列接続による最も近い組合せを求める",
       "並列抵抗(Ω)=1/(1/抵抗値1(Ω)+1/抵抗値2(Ω))", "入力パラメータ1 = 1kΩ", ""},
      {In("1", "Ω", "", " ", "k"), 1,
       "● 所望の抵抗値から､E12､E24系列抵抗器の並列接続による最も近い組合せを求める",
       "並列抵抗(Ω)=1/(1/抵抗値1(Ω)+1/抵抗値2(Ω))", "入力パラメータ1 = 1kΩ", ""},
      // Physics: each input's unit named once in the entry.
      {In("100", "m", "20", "sec"), 0, "● 移動距離と移動時間から､速度を求める",
       "速度(m/s) 　=移動距離(m)/移動時間(sec)", "移動距離(m) = 100m､移動時間(sec) = 20sec", ""},
      {In("100", "m", "20", "sec"), 1, "● 初速度0の物体の､経過時間と移動距離から､加速度と最終速度を求める",
       "加速度(m/s2) =2x移動距離(m)/(時間(sec)^2)", "移動距離(m) = 100m､時間(sec) = 20sec", ""},
      // Mathematics: a rule line continued on a second line of the text.
      {In("3", "m", "4", "m"), 1, "● 長方形の各辺の長さから､面積､対角線の長さを求める",
       "面積(㎡) =辺1(m)x辺2(m)", "入力パラメータ1 = 3m､入力パラメータ2 = 4m", ""},
      // Information processing.
      {In("8", "bit", "", " "), 0, "● ﾋﾞｯﾄをﾊﾞｲﾄで表す", "ﾊﾞｲﾄ数(byte)=ﾋﾞｯﾄ数(bit)/8",
       "ﾋﾞｯﾄ数(bit) = 8bit", "ﾊﾞｲﾄ数(byte) = 8bit / 8 = 1.0000byte"},
      {In("8", "bit", "", " "), 1, "● ﾃﾞｰﾀのﾋﾞｯﾄ数で表せる 10進数の範囲を求める",
       "10進数の範囲(無単位)=[0] ～ [2^ﾋﾞｯﾄ数-1]", "入力パラメータ1 = 8bit", ""},
      // Plain numbers: no unit, no terms.
      {In("3", " ", "4", " "), 0, "● ﾊﾟﾗﾒｰﾀ2つの計算", "(ﾊﾟﾗﾒｰﾀ値)+(ﾊﾟﾗﾒｰﾀ値)",
       "入力パラメータ1 = 3､入力パラメータ2 = 4", ""},
  };
  for (const Case& c : cases) {
    const ExplainedRun run = CalculateExplained(c.input);
    const std::vector<LineFormula> lines = CatalogueFormulasOfLines(run);
    SCOPED_TRACE(c.input.param1 + c.input.subUnit1 + c.input.unit1 + " " + c.input.param2 +
                 c.input.subUnit2 + c.input.unit2 + " line " + std::to_string(c.line));
    ASSERT_EQ(lines.size(), ResultLines(run.output.output).size());
    ASSERT_LT(c.line, lines.size());
    const LineFormula& f = lines[c.line];
    EXPECT_EQ(f.title, c.title);
    ASSERT_FALSE(FormulasInOrder(f).empty());
    EXPECT_EQ(FormulasInOrder(f).front(), c.formula);
    EXPECT_EQ(BindingsText(f), c.bindings);
    EXPECT_EQ(f.substitution, c.substitution);
    ExpectEntryOfDocument(f);
  }
}

TEST(LineFormulas, FailedRuleLeavesItsNeighboursExplained) {
  // The power and current of a negative resistance are lines; the rules
  // whose arithmetic fails on it write none.
  const ExplainedRun run = CalculateExplained(In("10", "V", "-5", "Ω"));
  EXPECT_TRUE(run.output.invalidInput);
  const std::vector<LineFormula> lines = CatalogueFormulasOfLines(run);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].substitution, "電流(A) = 10V / -5Ω = -2.0000A");
  EXPECT_EQ(lines[1].substitution, "電力(W) = 10V^2 / -5Ω = -20.000W");
}

TEST(LineFormulas, MessagesHaveNoLinesAndTheRunIsUnchanged) {
  const RunInput inputs[] = {In("1", "V", "1", "℃"), In("10", "V", "0", "Ω"), In("1e999", "V", "5", "Ω"),
                             In("10", "V", "5", "Ω"), In("3", "m", "4", "m")};
  for (const RunInput& in : inputs) {
    const RunOutput plain = Calculate(in);
    const ExplainedRun run = CalculateExplained(in);
    EXPECT_EQ(run.output.output, plain.output);
    EXPECT_EQ(run.output.param1, plain.param1);
    EXPECT_EQ(run.output.param2, plain.param2);
    EXPECT_EQ(run.output.invalidInput, plain.invalidInput);
    EXPECT_EQ(run.output.failed, plain.failed);
    EXPECT_EQ(run.lines.size(), plain.failed ? 0u : ResultLines(plain.output).size());
  }
}

// A unit that the parameter takes: its own, or the first of its set.
std::string UnitFor(const AcceptedUnits& a) {
  if (a.exact != OtherUnit) return std::string(UnitTexts[a.exact]);
  for (std::size_t id = 1; id < UnitIdCount; ++id) {
    if (a.Matches(static_cast<UnitId>(id))) return std::string(UnitTexts[id]);
  }
  return " ";
}

// Every rule of the catalogue has its entry, and its inputs bound; a run of
// a generated input for it explains each line with the entry the document
// prints at that place, and writes the same text as the plain run.
TEST(LineFormulas, EveryRuleHasItsEntryAndNumbers) {
  FormulaDomain::strictRules = true;
  std::size_t rules = 0, fired = 0, substituted = 0;
  const char* const values[][2] = {{"3", "2"}, {"2", "3"}, {"2000", "10"}, {"0.5", "0.25"}, {"-1", "2"}};
  for (const FormulaDomain* domain : AllDomains()) {
    for (const RuleTable* table : domain->Tables()) {
      for (std::size_t row = 0; row < table->rows.size(); ++row) {
        const RuleRow& rule = table->rows[row];
        for (int order = 0; order < (rule.eitherOrder ? 2 : 1); ++order) {
          ++rules;
          const AcceptedUnits& at1 = order == 0 ? rule.first : rule.second;
          const AcceptedUnits& at2 = order == 0 ? rule.second : rule.first;
          const std::string u1 = UnitFor(at1), u2 = UnitFor(at2);
          const std::string r0 = "1.0000";
          // Without firing: the formula made from the rule alone.
          CalcInput ci;
          ci.unit1 = u1;
          ci.unit2 = u2;
          ci.label1 = " 3" + u1;
          ci.label2 = " 2" + u2;
          const std::string results[MaxResults] = {r0};
          const LineFormula alone = FormulaOfRule(*domain, *table, row, order, ci, results);
          SCOPED_TRACE(std::string(domain->Name()) + " row " + std::to_string(alone.row) + " " +
                       u1 + " " + u2);
          EXPECT_TRUE(alone.title.starts_with("●")) << alone.title;
          EXPECT_FALSE(alone.formulas.empty());
          EXPECT_FALSE(alone.bindings.empty());
          substituted += !alone.substitution.empty();

          // Fired: some generated input makes the rule write its line.
          bool wrote = false;
          for (const auto& v : values) {
            const RunInput in{v[0], " ", u1, v[1], " ", u2, " 指定なし", 2026};
            const ExplainedRun run = CalculateExplained(in);
            ASSERT_EQ(run.output.output, Calculate(in).output);
            ASSERT_EQ(run.lines.size(), run.output.failed ? 0u : ResultLines(run.output.output).size());
            for (const LineFormula& f : CatalogueFormulasOfLines(run)) {
              ExpectEntryOfDocument(f);
              EXPECT_FALSE(f.bindings.empty());
              if (f.domain == domain && f.row == alone.row && f.order == order) {
                wrote = true;
                EXPECT_EQ(f.title, alone.title);
              }
            }
            if (wrote) break;
          }
          fired += wrote;
        }
      }
    }
  }
  // Most rules fire on one of the generated inputs; the rest need values
  // in a narrow range (a year of an era, a ratio below one ...).
  std::size_t catalogued = 0;
  for (const FormulaDomain* domain : AllDomains()) catalogued += domain->RuleCount();
  EXPECT_EQ(rules, catalogued);
  EXPECT_GT(fired * 10, rules * 8) << fired << " of " << rules;
  EXPECT_GT(substituted, 100u);
  std::printf("%zu rules, %zu fired, %zu with the values in place\n", rules, fired, substituted);
}

}  // namespace
}  // namespace tamrisk
