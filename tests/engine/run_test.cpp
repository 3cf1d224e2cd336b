#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/rules.h"
#include "engine/run.h"

namespace tamrisk {
namespace {

const std::string kMessageNoFormula = "\r\n\r\n\r\n\r\n" " !!! 申し訳ありませんが､入力パラメータをもとに結果を導き出す計算式が登録されていません !!!";
const std::string kMessageInvalid = "\r\n\r\n\r\n\r\n" "          !!! 該当する計算式が登録されてないか､入力パラメータが適切でありません !!!";

// A small catalogue that exercises the matcher: two domains, either and this
// order, a condition, a wildcard parameter, a rule with an inner line break
// and a rule that fires only unfiltered.
// Results fill their placeholders in order of first appearance in the line,
// whatever their names: in "P" the first result is {r2}.
constexpr TableRows FirstRows{
    Doc({"first section"}),
    Rule(Either("V", "Ω"), Filter{"A"}, [](const Ctx& c) { return R{Eng5(c["V"] / c["Ω"])}; },
         "I {V} {Ω} {r}A"),
    Rule(Either("V", "Ω"), Filter{"W", "dBm"},
         [](const Ctx& c) { return R{Eng5(c["V"] * c["V"] / c["Ω"]), Fmt("0.0", c["Ω"])}; },
         "P {Ω}/{V} {r2} {r1}W{crlf}  next"),
    Rule(ThisOrder("V", "V"), Filter{"%"}, [](const Ctx& c) { return c["V#1"] > c["V#2"]; },
         [](const Ctx& c) { return R{Fmt("0.00", (c["V#1"] - c["V#2"]) / c["V#2"] * 100)}; },
         "reg {V#1} {V#2} {r}%"),
    // A condition whose own arithmetic fails (a zero divisor) does not hold.
    Rule(ThisOrder("A", "A"), Filter{}, [](const Ctx& c) { return c["A#1"] / c["A#2"] > 1; },
         [](const Ctx& c) { return R{Eng5(c["A#1"] / c["A#2"])}; }, "ratio {r}"),
    Rule(Either(AnyUnitExcept({" ", "K"}, "X"), "%"), NoFilterOnly,
         [](const Ctx& c) { return R{Eng5(c["X"] * c["%"] / 100)}; }, "share {X} {%} {r}{U}"),
    Rule(Either("m", " "), Filter{"m"}, [](const Ctx& c) { return R{Eng5(c["m"] * 2)}; },
         "two {m} {r}m"),
    Rule(Either("m", " "), Filter{"m"}, [](const Ctx& c) { return R{Eng5(1 / c[" "])}; },
         "inverse {r}"),
    Rule(Either("m", " "), Filter{"m"}, [](const Ctx& c) { return R{Eng5(c["m"] * 3)}; },
         "three {r}m"),
};
constexpr RuleTable FirstTable{FirstRows};

constexpr TableRows SecondRows{
    Doc({"second section"}),
    Rule(Either("V", "Ω"), Filter{"A"},
         [](const Ctx& c) { return R{Eng5(c["V"] / c["Ω"] * 1000)}; }, "mA {r}"),
};
constexpr RuleTable SecondTable{SecondRows};

const FormulaDomain& First() {
  static const FormulaDomain d("First", 1, {FirstTable});
  return d;
}
const FormulaDomain& Second() {
  static const FormulaDomain d("Second", 2, {SecondTable});
  return d;
}

RunOutput Calc(const char* p1, const char* u1, const char* p2, const char* u2,
              const char* filter = " 指定なし") {
  static const FormulaDomain* const domains[] = {&First(), &Second()};
  return RunCalculation(RunInput{p1, " ", u1, p2, " ", u2, filter, 2026}, domains);
}

TEST(RunTest, DomainsInOrderRulesInOrder) {
  FormulaDomain::strictRules = true;
  const RunOutput out = Calc("10", "V", "5", "Ω");
  EXPECT_EQ(out.output,
            "I  10V  5Ω 2.0000A\r\nP  5Ω/ 10V 20.000 5.0W\r\n  next\r\nmA 2.0000k\r\n");
  EXPECT_EQ(out.param1, "10");
  EXPECT_EQ(out.param2, "5");
  EXPECT_FALSE(out.failed);
  EXPECT_EQ(Calc("5", "Ω", "10", "V").output, out.output) << "either order";
}

TEST(RunTest, FilterKeepsOnlyRulesWithThatResultUnit) {
  EXPECT_EQ(Calc("10", "V", "5", "Ω", "A").output, "I  10V  5Ω 2.0000A\r\nmA 2.0000k\r\n");
  EXPECT_EQ(Calc("10", "V", "5", "Ω", "dBm").output, "P  5Ω/ 10V 20.000 5.0W\r\n  next\r\n");
  EXPECT_EQ(Calc("10", "V", "5", "Ω", "Hz").output, kMessageNoFormula);
}

TEST(RunTest, FailureMessages) {
  const RunOutput none = Calc("1", "Hz", "2", "g");
  EXPECT_EQ(none.output, kMessageNoFormula);
  EXPECT_TRUE(none.failed);
  EXPECT_FALSE(none.invalidInput);

  const RunOutput zero = Calc("10", "V", "0", "Ω", "A");
  EXPECT_EQ(zero.output, kMessageInvalid);
  EXPECT_TRUE(zero.invalidInput);
  EXPECT_TRUE(zero.failed);
}

TEST(RunTest, FailingLineIsLeftOutWholeOthersStay) {
  // Unit " " has the value 0: "inverse" divides by it and is dropped; the
  // lines before and after it stay and no message is shown.
  const RunOutput out = Calc("4", "m", "", " ", "m");
  EXPECT_EQ(out.output, "two  4m 8.0000m\r\nthree 12.000m\r\n");
  EXPECT_TRUE(out.invalidInput);
  EXPECT_FALSE(out.failed);
  EXPECT_EQ(Calc("", " ", "4", "m", "m").output, "two  4m 8.0000m\r\nthree 12.000m\r\n")
      << "the second input order";
}

TEST(RunTest, ConditionAndThisOrder) {
  EXPECT_EQ(Calc("12", "V", "10", "V", "%").output, "reg  12V  10V 20.00%\r\n");
  EXPECT_EQ(Calc("10", "V", "12", "V", "%").output, kMessageNoFormula);
  EXPECT_EQ(Calc("10", "V", "10", "V").output, kMessageNoFormula);
  EXPECT_EQ(Calc("3", "A", "2", "A").output, "ratio 1.5000\r\n");
  const RunOutput failedCondition = Calc("3", "A", "0", "A");
  EXPECT_EQ(failedCondition.output, kMessageNoFormula) << "a failing condition is no failure";
  EXPECT_FALSE(failedCondition.invalidInput);
}

TEST(RunTest, WildcardParameterTakesAnyUnitButTheExcluded) {
  EXPECT_EQ(Calc("5", "Hz", "10", "%").output, "share  5Hz  10% 500.00mHz\r\n");
  EXPECT_EQ(Calc("10", "%", "5", "dBf").output, "share  5dBf  10% 500.00mdBf\r\n");
  EXPECT_EQ(Calc("5", "K", "10", "%").output, kMessageNoFormula);
  EXPECT_EQ(Calc("5", "Hz", "10", "%", "Hz").output, kMessageNoFormula) << "fires only unfiltered";
  // Both parameters in %: each reading, parameter 1 as X first.
  EXPECT_EQ(Calc("20", "%", "10", "%").output,
            "share  20%  10% 2.0000%\r\nshare  10%  20% 2.0000%\r\n");
}

// Rules for an exact unit pair, rules with one open parameter (in either
// place) and rules with two keep their table order when they fire together.
TEST(RunTest, RulesOfEveryKindOfUnitMatchKeepTheirOrder) {
  static constexpr TableRows rows{
      Doc({"mixed section"}),
      Rule(ThisOrder("%", "%"), NoFilterOnly, [](const Ctx&) { return R{}; }, "exact1"),
      Rule(Either(AnyUnitExcept({" "}, "X"), "%"), NoFilterOnly,
           [](const Ctx&) { return R{}; }, "one {X}"),
      Rule(ThisOrder(AnyUnitExcept({}, "X"), AnyUnitExcept({}, "Y")), NoFilterOnly,
           [](const Ctx&) { return R{}; }, "both"),
      Rule(ThisOrder(AnyOf({"Hz", "%"}, "f"), "%"), NoFilterOnly,
           [](const Ctx&) { return R{}; }, "exact2"),
  };
  static constexpr RuleTable table{rows};
  static const FormulaDomain mixed("Mixed", 1, {table});
  static const FormulaDomain* const domains[] = {&mixed};
  auto run = [](const char* u1, const char* u2) {
    return RunCalculation(RunInput{"1", " ", u1, "2", " ", u2, " 指定なし", 2026}, domains).output;
  };
  EXPECT_EQ(run("%", "%"), "exact1\r\none  1%\r\none  2%\r\nboth\r\nexact2\r\n");
  EXPECT_EQ(run("Hz", "%"), "one  1Hz\r\nboth\r\nexact2\r\n");
  EXPECT_EQ(run("%", "V"), "one  2V\r\nboth\r\n");
  EXPECT_EQ(run("V", "A"), "both\r\n");
}

TEST(RunTest, BadEntryIsInvalidInputAndKeepsItsText) {
  const RunOutput out = Calc("1e999", "V", "5", "Ω");
  EXPECT_EQ(out.output, kMessageInvalid);
  EXPECT_EQ(out.param1, "1e999");
  const RunOutput scaled =
      RunCalculation(RunInput{"1E300", "Y", "V", "5", " ", "Ω", " 指定なし", 2026},
                     std::span<const FormulaDomain* const>{});
  EXPECT_EQ(scaled.output, kMessageInvalid);
  EXPECT_EQ(scaled.param1, "1E300");
}

TEST(RunTest, SameInputTwiceGivesTheSameText) {
  EXPECT_EQ(Calc("10", "V", "0", "Ω").output, Calc("10", "V", "0", "Ω").output);
  EXPECT_EQ(Calc("10", "V", "5", "Ω").output, Calc("10", "V", "5", "Ω").output);
}

// A parameter name the computation or the condition does not have shows
// only when the rule runs.
constexpr TableRows UnknownNameRows{
    Doc({"bad section"}),
    Rule(Either("V", "Ω"), Filter{}, [](const Ctx& c) { return R{Eng5(c["A"])}; }, "{r}"),
};
constexpr RuleTable UnknownNameTable{UnknownNameRows};
constexpr TableRows BadConditionRows{
    Doc({"bad section"}),
    Rule(Either("V", "Ω"), Filter{}, [](const Ctx& c) { return c["A"] > 0; },
         [](const Ctx& c) { return R{Eng5(c["V"])}; }, "{r}"),
};
constexpr RuleTable BadConditionTable{BadConditionRows};

TEST(RuleDefinitionTest, MistakesAreCaught) {
  FormulaDomain::strictRules = true;
  const FormulaDomain unknownName("Bad", 1, {UnknownNameTable});
  CalcInput in;
  in.unit1 = "V";
  in.unit2 = "Ω";
  in.filter = " 指定なし";
  bool invalid = false;
  EXPECT_THROW(unknownName.Evaluate(in, 2026, invalid), RuleDefinitionError);
  // A condition that names a unit its rule does not have is a mistake too;
  // outside the tests it costs the line, never the run.
  const FormulaDomain badCondition("Bad", 1, {BadConditionTable});
  EXPECT_THROW(badCondition.Evaluate(in, 2026, invalid), RuleDefinitionError);
  FormulaDomain::strictRules = false;
  invalid = false;
  EXPECT_EQ(badCondition.Evaluate(in, 2026, invalid), "");
  EXPECT_TRUE(invalid);
}

// What a row shows by itself stops a table from compiling (see
// tests/compile); a row made at run time throws.
TEST(RuleDefinitionTest, WrongRowsAreRefusedWhenMade) {
  const auto one = [](const Ctx& c) { return R{Eng5(c["V"])}; };
  EXPECT_THROW(Rule(Either("V", "Ω"), Filter{}, one, "{r1} {r2}"), RuleDefinitionError);
  EXPECT_THROW(Rule(Either("V", "Ω"), Filter{}, one, "{r"), RuleDefinitionError);
  EXPECT_THROW(Rule(Either("V", "V"), Filter{}, [](const Ctx&) { return R{}; }, "x"),
               RuleDefinitionError);
  EXPECT_THROW(Rule(Either("V", "Volt"), Filter{}, one, "{r}"), RuleDefinitionError);
  EXPECT_THROW(Rule(Either("V", "Ω"), Filter{"Volt"}, one, "{r}"), RuleDefinitionError);
  EXPECT_NO_THROW(Rule(Either("V", "Ω"), Filter{"A"}, one, "{V} {Ω} {r}{crlf}{U}"));
}

// The limits of a compiled line: each is refused with its reason, and a line
// at the limit is taken.
TEST(RuleDefinitionTest, LineTemplateLimits) {
  const auto one = [](const Ctx& c) { return R{Eng5(c["V"])}; };
  const auto reason = [&](const std::string& line) -> std::string {
    try {
      Rule(Either("V", "Ω"), Filter{}, one, line);
    } catch (const RuleDefinitionError& e) {
      return e.what();
    }
    return "";
  };
  std::string placeholders = "{r}";
  for (int i = 0; i < 19; ++i) placeholders += "{V}";
  EXPECT_EQ(reason(placeholders), "");
  EXPECT_EQ(reason(placeholders + "{Ω}"), "a line with too many placeholders");
  EXPECT_EQ(reason("{a}{b}{c}{d}{e}{f}{g}{h}{i}{j}{k}{l}{m}"), "a line with too many results");
  EXPECT_EQ(reason(std::string(255, 'x') + "{r}"), "");
  EXPECT_EQ(reason(std::string(256, 'x') + "{r}"),
            "a line with more than 255 bytes between two placeholders");
  EXPECT_EQ(reason("{r} {abcdefghijklm}"), "a line whose results differ from the computation's");
  EXPECT_EQ(reason("{r} {abcdefghijklmn}"), "a placeholder of more than 15 bytes");
}

// A compiled line writes its literal texts and, for each placeholder, what
// it stands for; results are numbered by their first appearance.
TEST(LineTemplateTest, AppendsPartsInOrder) {
  const ParamNames names{"a", "b", false};
  const LineTemplate line("●{b}/{a} {r2}{U}{crlf}  {r1}={r2}", names);
  EXPECT_EQ(line.ResultCount(), 2u);
  EXPECT_EQ(line.PartCount(), 7u);
  const std::string results[] = {"first", "second"};
  std::string out = "before ";
  line.AppendTo(out, {results, {" 1a", " 2b"}, "unit"});
  EXPECT_EQ(out, "before ● 2b/ 1a firstunit\r\n  second=first");
  const LineTemplate plain("no placeholder", names);
  out.clear();
  plain.AppendTo(out, {nullptr, {}, {}});
  EXPECT_EQ(out, "no placeholder");
}

// The index of a table relies on these orders: rule numbers in the order in
// which rules are tried (row, then input order), unit pairs by parameter 1's
// unit, then parameter 2's, over the whole range of unit ids.
TEST(EncodingTest, RuleNumbersAndUnitPairsDecodeAndSort) {
  static_assert(RuleNumber(300, 1).Row() == 300 && RuleNumber(300, 1).Order() == 1);
  static_assert(RuleNumber(3, 1) < RuleNumber(4, 0) && RuleNumber(4, 0) < RuleNumber(4, 1));
  static_assert(UnitPair(2, 255).First() == 2 && UnitPair(2, 255).Second() == 255);
  static_assert(UnitPair(2, 255) < UnitPair(3, 0) && UnitPair(3, 0) < UnitPair(3, 1));
  static_assert(UnitPair(UnitIdOf("V"), UnitIdOf("Ω")) != UnitPair(UnitIdOf("Ω"), UnitIdOf("V")));
  SUCCEED();
}

TEST(CheckedArithmeticTest, EveryFailingOperationThrows) {
  const Num big(1e308);
  EXPECT_THROW(big * 10, CalcFailure);
  EXPECT_THROW(big + big, CalcFailure);
  EXPECT_THROW(Num(1) / 0, CalcFailure);
  EXPECT_THROW(Num(0) / 0, CalcFailure);
  EXPECT_THROW(Sqr(-1), CalcFailure);
  EXPECT_THROW(Log(0), CalcFailure);
  EXPECT_THROW(Log(-2), CalcFailure);
  EXPECT_THROW(Exp(1000), CalcFailure);
  EXPECT_THROW(Pow(-8, 0.5), CalcFailure);
  EXPECT_THROW(Pow(10, 400), CalcFailure);
  EXPECT_THROW(Pow(0, -1), CalcFailure);
  EXPECT_THROW(RoundToInt32(2147483648.0), CalcFailure);
  EXPECT_EQ(Pow(-2, 3).raw(), -8);
  EXPECT_EQ(Pow(0, 0).raw(), 1);
  EXPECT_EQ((Num(1e-300) * 1e-300).raw(), 0) << "underflow is no failure";
  EXPECT_EQ(Sqr(-0.0).raw(), 0);
  EXPECT_EQ(RoundToInt32(2.5), 2);
  EXPECT_EQ(RoundToInt32(3.5), 4);
  EXPECT_EQ(RoundToInt32(-2147483648.0), -2147483647 - 1);
}

}  // namespace
}  // namespace tamrisk
