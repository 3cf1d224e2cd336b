#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/link.h"

namespace tamrisk {
namespace {

RunInput Inputs(std::string p1, std::string m1, std::string u1, std::string p2, std::string m2,
                std::string u2, std::string f = " 指定なし") {
  RunInput input;
  input.param1 = std::move(p1);
  input.subUnit1 = std::move(m1);
  input.unit1 = std::move(u1);
  input.param2 = std::move(p2);
  input.subUnit2 = std::move(m2);
  input.unit2 = std::move(u2);
  input.unit3 = std::move(f);
  return input;
}

void ExpectInputs(const RunInput& a, const RunInput& b) {
  EXPECT_EQ(a.param1, b.param1);
  EXPECT_EQ(a.subUnit1, b.subUnit1);
  EXPECT_EQ(a.unit1, b.unit1);
  EXPECT_EQ(a.param2, b.param2);
  EXPECT_EQ(a.subUnit2, b.subUnit2);
  EXPECT_EQ(a.unit2, b.unit2);
  EXPECT_EQ(a.unit3, b.unit3);
}

TEST(Link, EncodesShortAndReadsBack) {
  struct Case {
    RunInput input;
    std::string fragment;
  };
  const std::vector<Case> cases = {
      {Inputs("10", " ", "V", "5", " ", "Ω"), "p1=10&u1=V&p2=5&u2=%CE%A9"},
      {Inputs("1.5e-3", "μ", "F", "50", "k", "Hz", "Ω"),
       "p1=1.5e-3&m1=%CE%BC&u1=F&p2=50&m2=k&u2=Hz&f=%CE%A9"},
      {Inputs("", " ", " ", "0", " ", " "), "p1=&p2=0"},
      {Inputs("a&b=c#d %", " ", "gal UK", "<b>x</b>", " ", "ﾟF"),
       "p1=a%26b%3Dc%23d%20%25&u1=gal%20UK&p2=%3Cb%3Ex%3C%2Fb%3E&u2=%EF%BE%9FF"},
  };
  for (const Case& c : cases) {
    const std::string fragment = EncodeLink(c.input);
    EXPECT_EQ(fragment, c.fragment);
    const LinkRead read = DecodeLink("#" + fragment);
    ASSERT_TRUE(read.input) << read.reason;
    EXPECT_EQ(read.reason, "");
    ExpectInputs(*read.input, c.input);
  }
}

TEST(Link, LeftOutFieldsAreTheBlankEntries) {
  const LinkRead read = DecodeLink("u2=V&&p2=3");
  ASSERT_TRUE(read.input);
  ExpectInputs(*read.input, Inputs("0", " ", " ", "3", " ", "V"));
  // No fragment: no link, and nothing to say.
  for (const char* none : {"", "#"}) {
    const LinkRead empty = DecodeLink(none);
    EXPECT_FALSE(empty.input);
    EXPECT_EQ(empty.reason, "");
  }
}

TEST(Link, RefusedLinksFillNothingAndSayWhy) {
  const std::string huge(100'000, '9');
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"p1=1&u1=volt", "リンクのパラメータ１の単位「volt」は Tamrisk の単位にないため､入力しませんでした。"},
      {"m2=X", "リンクのパラメータ２の倍数「X」は Tamrisk の倍数にないため､入力しませんでした。"},
      {"f=%3Cscript%3E", "リンクの結果単位指定「<script>」は Tamrisk の単位にないため､入力しませんでした。"},
      {"u1=", "リンクのパラメータ１の単位「」は Tamrisk の単位にないため､入力しませんでした。"},
      {"p1=" + huge, "リンクのパラメータ１の数値が長すぎるため（100 文字まで）､入力しませんでした。"},
      {"p2=" + std::string(101, '1'), "リンクのパラメータ２の数値が長すぎるため（100 文字まで）､入力しませんでした。"},
      {"p1=1&q=2", "リンクに Tamrisk の入力でない項目があるため､入力しませんでした。"},
      {"p1=%zz", "リンクの書き方が正しくないため､入力しませんでした。"},
      {"p1=1%", "リンクの書き方が正しくないため､入力しませんでした。"},
      {"p1=%FF", "リンクの書き方が正しくないため､入力しませんでした。"},
      {"p1=%0A1", "リンクの書き方が正しくないため､入力しませんでした。"},
      {"p1=1&p1=2", "リンクの書き方が正しくないため､入力しませんでした。"},
      {"p1", "リンクの書き方が正しくないため､入力しませんでした。"},
  };
  for (const auto& [fragment, reason] : cases) {
    const LinkRead read = DecodeLink(fragment);
    EXPECT_FALSE(read.input) << fragment.substr(0, 40);
    EXPECT_EQ(read.reason, reason) << fragment.substr(0, 40);
  }
  // 100 characters is the most, counted as characters, not bytes.
  std::string kanji;
  for (int i = 0; i < 100; ++i) kanji += "%E5%86%86";
  EXPECT_TRUE(DecodeLink("p1=" + kanji).input);
  EXPECT_FALSE(DecodeLink("p1=" + kanji + "1").input);
}

}  // namespace
}  // namespace tamrisk
