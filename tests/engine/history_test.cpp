#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/history.h"
#include "engine/json_text.h"

namespace tamrisk {
namespace {

HistoryEntry Entry(std::string param1, std::string unit1, std::string param2, std::string unit2,
                   std::string result = "●line") {
  HistoryEntry entry;
  entry.input.param1 = std::move(param1);
  entry.input.subUnit1 = " ";
  entry.input.unit1 = std::move(unit1);
  entry.input.param2 = std::move(param2);
  entry.input.subUnit2 = "k";
  entry.input.unit2 = std::move(unit2);
  entry.input.unit3 = " 指定なし";
  entry.time = "2026-12-11T10:15:00Z";
  entry.result = std::move(result);
  return entry;
}

void ExpectSame(const HistoryEntry& a, const HistoryEntry& b) {
  EXPECT_TRUE(SameCalculation(a, b));
  EXPECT_EQ(a.time, b.time);
}

TEST(HistoryRecord, LineIsReadableAndReadsBack) {
  const HistoryEntry entry = Entry("10", "V", "5", "Ω", "●5kΩの抵抗に電圧10Vを印加した場合に流れる電流は 2.0000mA");
  const std::string line = HistoryLine(entry);
  EXPECT_EQ(line,
            "{\"v\":1,\"time\":\"2026-12-11T10:15:00Z\",\"p1\":\"10\",\"m1\":\" \",\"u1\":\"V\","
            "\"p2\":\"5\",\"m2\":\"k\",\"u2\":\"Ω\",\"f\":\" 指定なし\","
            "\"result\":\"●5kΩの抵抗に電圧10Vを印加した場合に流れる電流は 2.0000mA\"}");
  const HistoryRead read = ParseHistory(line + "\n");
  ASSERT_EQ(read.entries.size(), 1u);
  EXPECT_TRUE(read.damaged.empty());
  ExpectSame(read.entries[0], entry);
}

// What a user may type into an entry comes back byte for byte: quotes,
// backslashes, markup, control characters, characters beyond the BMP, a
// 100,000-character text. Bytes that are no UTF-8 are kept as U+FFFD.
TEST(HistoryRecord, AnyTypedTextRoundTrips) {
  const std::vector<std::string> texts = {
      "",  "\"quoted\" \\ back\\slash", "<script>alert(1)</script>&amp;", "tab\tcr\rlf\n\x01\x7f",
      "𝟙𝟘 全角１０", std::string(100'000, '9'), "/slash/ \u2028"};
  for (const std::string& text : texts) {
    HistoryEntry entry = Entry(text, "V", text, "Ω", text);
    entry.time = text;
    const std::string line = HistoryLine(entry);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    const HistoryRead read = ParseHistory(line);
    ASSERT_EQ(read.entries.size(), 1u) << text.substr(0, 40);
    ExpectSame(read.entries[0], entry);
  }
  HistoryEntry bad = Entry("1\xff" "2", "V", "\xe3\x81", "Ω");
  const HistoryRead read = ParseHistory(HistoryLine(bad));
  ASSERT_EQ(read.entries.size(), 1u);
  EXPECT_EQ(read.entries[0].input.param1, "1\xEF\xBF\xBD" "2");
  // A character cut short is one U+FFFD, as in every JSON the programs write.
  EXPECT_EQ(read.entries[0].input.param2, "\xEF\xBF\xBD");
}

// A damaged file keeps every line it can read; the others come back apart,
// as they stood. A later version's line with more members is read.
TEST(HistoryRecord, DamagedLinesAreSetApart) {
  const std::string good = HistoryLine(Entry("1", "V", "2", "Ω"));
  const std::string later =
      "{\"v\":2,\"time\":\"t\",\"p1\":\"3\",\"m1\":\" \",\"u1\":\"m\",\"p2\":\"4\",\"m2\":\" \","
      "\"u2\":\"m\",\"f\":\" 指定なし\",\"result\":\"r\",\"note\":{\"a\":[1,2.5,true,null]},\"n\":-1e3}";
  const std::vector<std::string> damaged = {
      "not json",
      good.substr(0, good.size() / 2),                      // cut short
      "{\"time\":\"t\",\"p1\":\"1\"}",                         // no version, fields missing
      "{\"v\":0,\"time\":\"t\",\"p1\":\"1\",\"m1\":\" \",\"u1\":\"m\",\"p2\":\"4\",\"m2\":\" \","
      "\"u2\":\"m\",\"f\":\" 指定なし\",\"result\":\"r\"}",   // no such version
      "{\"v\":1,\"v\":1}",                                    // a name twice
      good + "x",                                             // trailing bytes
      "{\"v\":1,\"time\":\"\\ud800\"}",                       // a lone surrogate
      "[1,2]",
      "{\"v\":1,\"time\":\"\xff\"}",                          // no UTF-8
      std::string(100, '[') + std::string(100, ']'),
  };
  std::string text = good + "\r\n\n   \n";
  for (const std::string& line : damaged) text += line + "\n";
  text += later + "\n" + good;
  const HistoryRead read = ParseHistory(text);
  EXPECT_EQ(read.damaged, damaged);
  ASSERT_EQ(read.entries.size(), 3u);
  EXPECT_EQ(read.entries[1].input.param1, "3");
  EXPECT_EQ(read.entries[1].result, "r");
}

TEST(HistoryRecord, DeeplyNestedValueIsRefusedNotOverflowed) {
  const std::string deep = "{\"x\":" + std::string(100'000, '[') + std::string(100'000, ']') + "}";
  EXPECT_FALSE(ReadFlatJsonObject(deep));
  EXPECT_TRUE(ReadFlatJsonObject("{\"x\":[[[]]],\"v\":7}"));
}

TEST(History, AddDropsTheOldestBeyondTheLimitAndSkipsARepeat) {
  std::vector<HistoryEntry> entries;
  for (int i = 0; i < 1005; ++i) EXPECT_TRUE(AddToHistory(entries, Entry(std::to_string(i), "V", "1", "Ω")));
  ASSERT_EQ(entries.size(), MaxHistoryEntries);
  EXPECT_EQ(entries.front().input.param1, "5");
  EXPECT_EQ(entries.back().input.param1, "1004");

  // The same calculation again, at a later time: kept once.
  HistoryEntry again = Entry("1004", "V", "1", "Ω");
  again.time = "later";
  EXPECT_FALSE(AddToHistory(entries, again));
  EXPECT_EQ(entries.size(), MaxHistoryEntries);
  // Another input or another answer is a new entry; a repeat of an older
  // one is too.
  EXPECT_TRUE(AddToHistory(entries, Entry("1004", "V", "1", "Ω", "other answer")));
  EXPECT_TRUE(AddToHistory(entries, Entry("1004", "V", "1", "Ω")));
  EXPECT_EQ(entries.front().input.param1, "7");

  // Read back from a longer file, the latest 1,000 are kept.
  std::vector<HistoryEntry> many;
  for (int i = 0; i < 1200; ++i) many.push_back(Entry(std::to_string(i), "V", "1", "Ω"));
  const HistoryRead read = ParseHistory(SerializeHistory(many));
  ASSERT_EQ(read.entries.size(), MaxHistoryEntries);
  EXPECT_EQ(read.entries.front().input.param1, "200");
}

TEST(History, RemoveOne) {
  std::vector<HistoryEntry> entries = {Entry("1", "V", "1", "Ω"), Entry("2", "V", "1", "Ω"),
                                       Entry("3", "V", "1", "Ω")};
  EXPECT_TRUE(RemoveFromHistory(entries, 1));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].input.param1, "3");
  EXPECT_FALSE(RemoveFromHistory(entries, 2));
  EXPECT_EQ(entries.size(), 2u);
}

TEST(History, FirstResultLine) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"●a\r\n●b\r\n", "●a"},
      {"\r\n\r\n\r\n\r\n !!! 申し訳ありませんが !!!", "!!! 申し訳ありませんが !!!"},
      {"\r\n\r\n", ""},
      {"", ""},
      {"only", "only"},
  };
  for (const auto& [output, line] : cases) EXPECT_EQ(FirstResultLine(output), line) << output;
}

}  // namespace
}  // namespace tamrisk
