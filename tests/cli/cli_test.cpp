#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/answers.h"
#include "cli/batch.h"
#include "cli/json.h"
#include "cli/options.h"
#include "cli/spellings.h"
#include "engine/catalogue.h"

namespace tamrisk {
namespace {

struct Result {
  int status;
  std::string out;
};

// Runs the real program through the shell with the given arguments, its
// input redirected by `redirect`.
Result RunShell(const std::string& args, const std::string& redirect) {
  const std::string cmd = std::string(TAMRISK_CLI_PATH) + " " + args + " " + redirect + " 2>&1";
  FILE* p = popen(cmd.c_str(), "r");
  std::string out;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  const int rc = pclose(p);
  return {WEXITSTATUS(rc), out};
}

// Runs the real program through the shell with the given arguments and input.
Result RunCli(const std::string& args, const std::string& input = "") {
  // Tests run in parallel processes: each call gets a file of its own.
  std::string inFile = testing::TempDir() + "cli_in_XXXXXX";
  const int fd = mkstemp(inFile.data());
  FILE* f = fdopen(fd, "wb");
  std::fwrite(input.data(), 1, input.size(), f);
  std::fclose(f);
  const Result result = RunShell(args, "< " + inFile);
  std::remove(inFile.c_str());
  return result;
}

TEST(CliTest, OhmsLawLinesWithPlainLineEnds) {
  const Result r = RunCli("10 V 5 Ω");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("● 5Ωの抵抗に電圧 10Vを印加した場合に流れる電流は 2.0000A\n"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.out.find('\r'), std::string::npos);
}

TEST(CliTest, FilterPrefixAndExitStatus) {
  const Result r = RunCli("--filter A 10 V 5 kΩ");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("● 5kΩの抵抗に電圧 10Vを印加した場合に流れる電流は 2.0000mA\n"),
            std::string::npos)
      << r.out;
  const Result none = RunCli("10 V 0 Ω --filter A");
  EXPECT_EQ(none.status, 1) << none.out;
  EXPECT_NE(none.out.find("!!!"), std::string::npos);
}

TEST(CliTest, UsageErrors) {
  struct C {
    const char* args;
    const char* says;
  };
  const C cases[] = {
      {"10 furlong", "unknown unit: furlong"},
      {"--filter parsec 1 V", "unknown filter unit: parsec"},
      {"", "a NUMBER is needed"},
      {"--this-year soon 1 V", "not a year: soon"},
      {"--frobnicate 1 V", "unknown option: --frobnicate"},
      {"1 V 2 Ω 3", "unexpected argument: 3"},
      {"--formula-list extra", "unexpected argument: extra"},
      {"--partners", "--partners needs a unit"},
      {"--partners ohms", "unknown unit: ohms (closest: ohm)"},
      {"--produces kfoo", "unknown unit: kfoo"},
      {"--produces nome", "unknown unit: nome (closest: none)"},
      {"--partners V 3", "unexpected argument: 3"},
      {"--filter A --produces W", "--filter does not go with --produces"},
      {"--url --json 1 V", "--url does not go with --json"},
      {"--url --batch", "--url does not go with --batch"},
      {"--url --partners V", "--url does not go with --partners"},
  };
  for (const C& c : cases) {
    const Result r = RunCli(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_NE(r.out.find(c.says), std::string::npos) << c.args << "\n" << r.out;
  }
  // One line, the nearest spellings when there are any, and where to look.
  EXPECT_EQ(RunCli("10 furlong").out, "tamrisk-cli: unknown unit: furlong; see tamrisk-cli --help\n");
  EXPECT_EQ(RunCli("10 kohms").out,
            "tamrisk-cli: unknown unit: kohms (closest: kohm); see tamrisk-cli --help\n");
  EXPECT_EQ(RunCli("--fliter W 1 V").out,
            "tamrisk-cli: unknown option: --fliter (closest: --filter); see tamrisk-cli --help\n");
  EXPECT_EQ(RunCli("1 OHM").out,
            "tamrisk-cli: unknown unit: OHM (closest: ohm); see tamrisk-cli --help\n");
}

// What the user typed comes back in a message with nothing that acts on a
// terminal: control characters, the C1 controls, direction marks and bytes
// that are no valid UTF-8 are escaped byte by byte; printable text, Japanese
// too, stays as it is.
TEST(CliTest, MessagesShowUnprintableBytesEscaped) {
  struct C {
    std::string in;
    std::string out;
  };
  const C cases[] = {
      {"V", "V"},
      {"単位Ω\U0001F600", "単位Ω\U0001F600"},
      {"\x1b[31mV", "\\x1b[31mV"},
      {"V\xff", "V\\xff"},
      {"a\tb\r\n\x7f", "a\\x09b\\x0d\\x0a\\x7f"},
      {"\xe3\x81", "\\xe3\\x81"},                   // a cut sequence
      {"\xe3\x81" "A", "\\xe3\\x81A"},
      {"\xc0\xaf", "\\xc0\\xaf"},                   // an overlong form
      {"\xed\xa0\x80", "\\xed\\xa0\\x80"},          // a surrogate
      {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},  // above U+10FFFF
      {"\xc2\x9b" "2J", "\\xc2\\x9b2J"},            // the C1 control CSI
      {"\u202e" "V", "\\xe2\\x80\\xaeV"},           // RIGHT-TO-LEFT OVERRIDE
      {"\\x1b", "\\x1b"},                            // typed as it is shown
  };
  for (const C& c : cases) EXPECT_EQ(Printable(c.in), c.out) << c.out;

  // Every message that repeats an argument, from the program itself.
  const std::string typed = "\"$(printf 'k\\033[2J\\377')\"";
  for (const std::string& args :
       {"10 " + typed, "--filter " + typed + " 1 V", "--this-year " + typed + " 1 V",
        "--partners " + typed, "--produces " + typed, "1 V 2 Ω " + typed,
        "--formula-list " + typed, "--" + typed, "1 V " + typed}) {
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.out.find("k\\x1b[2J\\xff"), std::string::npos) << args << "\n" << r.out;
    EXPECT_EQ(r.out.find_first_of("\x1b\xff"), std::string::npos) << args;
  }
}

// The page's link for a calculation: the inputs as the window would hold
// them, on the default relative address or TAMRISK_PAGE_URL's, which the
// page reads back to the same seven texts.
TEST(CliTest, UrlPrintsThePageLink) {
  struct C {
    const char* args;
    const char* link;
  };
  const C cases[] = {
      {"--url 10 V 5 kohm", "index.html#p1=10&u1=V&p2=5&m2=k&u2=%CE%A9\n"},
      {"--url --filter W 1e3 uF 2", "index.html#p1=1e3&m1=%CE%BC&u1=F&p2=2&f=W\n"},
      {"--url 7", "index.html#p1=7&p2=\n"},
      {"--url 10 gal\\ UK", "index.html#p1=10&u1=gal%20UK&p2=\n"},
      {"--url -3 V", "index.html#p1=-3&u1=V&p2=\n"},
  };
  for (const C& c : cases) {
    const Result r = RunCli(c.args);
    EXPECT_EQ(r.status, 0) << c.args;
    EXPECT_EQ(r.out, c.link) << c.args;
  }
  for (const char* base : {"https://example.org/tamrisk/", "https://example.org/tamrisk/#old=1"}) {
    const std::string env = std::string("TAMRISK_PAGE_URL='") + base + "' ";
    FILE* p = popen((env + TAMRISK_CLI_PATH + " --url 10 V 5 Ω").c_str(), "r");
    char buf[256] = {};
    const size_t n = std::fread(buf, 1, sizeof buf - 1, p);
    EXPECT_EQ(pclose(p), 0);
    EXPECT_EQ(std::string(buf, n), "https://example.org/tamrisk/#p1=10&u1=V&p2=5&u2=%CE%A9\n") << base;
  }
  RunInput input;
  input.param1 = "1.5";
  input.subUnit1 = "k";
  input.unit1 = "Ω";
  input.param2 = "";
  input.subUnit2 = " ";
  input.unit2 = " ";
  input.unit3 = "A";
  EXPECT_EQ(PageLink("", input), "index.html#p1=1.5&m1=k&u1=%CE%A9&p2=&f=A");
}

TEST(CliTest, NoAnswerIsTheMessageAloneAndStatusOne) {
  const Result none = RunCli("10 Hz 5 g");
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out,
            " !!! 申し訳ありませんが､入力パラメータをもとに結果を導き出す計算式が登録されていません !!!\n");
}

// --json is the batch object with the lines' formulas beside its members;
// --batch alone writes the members as before, --batch --explain adds the
// lines too.
TEST(CliTest, JsonIsTheBatchObjectWithLines) {
  const Result json = RunCli("--json 10 V 5 Ω --filter A");
  const Result batch = RunCli("--batch", "10\t \tV\t5\t \tΩ\tA\n");
  const Result explained = RunCli("--batch --explain", "10\t \tV\t5\t \tΩ\tA\n");
  EXPECT_EQ(json.status, 0);
  EXPECT_EQ(json.out, explained.out);
  const std::string lines =
      ", \"lines\": [{\"text\": \"● 5Ωの抵抗に電圧 10Vを印加した場合に流れる電流は 2.0000A\", "
      "\"title\": \"● 抵抗器の両端の電圧と抵抗値から､抵抗を流れる電流を求める\", "
      "\"formulas\": [\"電流(A)=電圧(V)/抵抗値(Ω)\"], \"own\": true, "
      "\"bindings\": [\"電圧(V) = 10V\", \"抵抗値(Ω) = 5Ω\"], "
      "\"substitution\": \"電流(A) = 10V / 5Ω = 2.0000A\"}]}\n";
  ASSERT_GT(json.out.size(), lines.size());
  EXPECT_EQ(json.out.substr(json.out.size() - lines.size()), lines);
  EXPECT_EQ(json.out.substr(0, json.out.size() - lines.size()) + "}\n", batch.out);
  EXPECT_EQ(batch.out.find("lines"), std::string::npos);

  const Result none = RunCli("--json 10 Hz 5 g");
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.out.find(", \"lines\": []}"), std::string::npos) << none.out;
}

// --explain: each line followed by its formula, indented; a message alone.
TEST(CliTest, ExplainFollowsEachLineWithItsFormula) {
  const Result current = RunCli("--explain --filter A 10 V 5 Ω");
  EXPECT_EQ(current.status, 0);
  EXPECT_EQ(current.out,
            "● 5Ωの抵抗に電圧 10Vを印加した場合に流れる電流は 2.0000A\n"
            "    ● 抵抗器の両端の電圧と抵抗値から､抵抗を流れる電流を求める\n"
            "    電流(A)=電圧(V)/抵抗値(Ω)\n"
            "    電圧(V) = 10V､抵抗値(Ω) = 5Ω\n"
            "    電流(A) = 10V / 5Ω = 2.0000A\n");
  // A temperature: the line's own formula of the entry first.
  const std::string kelvin = RunCli("--explain --filter K 100 ℃").out;
  EXPECT_EQ(kelvin.substr(0, kelvin.find("\n    温度(℃)=温度(K)")),
            "● 温度 100℃を絶対温度で表すと 373.15000K\n"
            "    ● 温度の単位変換\n"
            "    温度(K)=温度(℃)+273.15");
  EXPECT_NE(kelvin.find("\n    温度(K) = 100℃ + 273.15 = 373.15000K\n"), std::string::npos) << kelvin;

  // Every line of the plain text is there, in order, with its formula under it.
  const std::string plain = RunCli("10 V 5 Ω").out;
  std::string kept;
  const std::string all = RunCli("--explain 10 V 5 Ω").out;
  for (std::size_t at = 0; at < all.size();) {
    const std::size_t end = all.find('\n', at);
    if (all.compare(at, 4, "    ") != 0) kept += all.substr(at, end + 1 - at);
    at = end + 1;
  }
  EXPECT_EQ(kept, plain);

  const Result none = RunCli("--explain 10 Hz 5 g");
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, RunCli("10 Hz 5 g").out);
  EXPECT_EQ(RunCli("--explain --partners V").status, 2);
}

// Which units go with a unit, and which pairs give a result unit: one line
// a pair in catalogue order ("none" first), or a JSON object; status 1 when
// nothing is listed.
TEST(CliTest, PartnersAndProducers) {
  const Result v = RunCli("--partners V");
  EXPECT_EQ(v.status, 0);
  EXPECT_EQ(v.out.rfind("V + none: ", 0), 0u) << v.out;
  EXPECT_NE(v.out.find("\nV + Ω: 6\n"), std::string::npos) << v.out;
  EXPECT_NE(v.out.find("\nV + %: 2\n"), std::string::npos) << v.out;  // a ratio of any unit
  EXPECT_EQ(v.out.find("Hz"), std::string::npos) << v.out;
  // An ASCII spelling, and "none" for a number without unit.
  EXPECT_NE(RunCli("--partners ohm").out.find("\nΩ + V: 6\n"), std::string::npos);
  EXPECT_EQ(RunCli("--partners none").out.rfind("none + none: ", 0), 0u);

  const Result underW = RunCli("--filter W --partners V");
  EXPECT_EQ(underW.status, 0);
  EXPECT_EQ(underW.out, "V + A: 1\nV + Ω: 3\n");
  const Result never = RunCli("--partners K --filter 匁");
  EXPECT_EQ(never.status, 1);
  EXPECT_EQ(never.out, "");

  const Result monme = RunCli("--produces 匁");
  EXPECT_EQ(monme.status, 0);
  EXPECT_EQ(monme.out, "none + g: 1\nnone + 貫: 1\n");
  EXPECT_EQ(RunCli("--json --produces 匁").out,
            "{\"result\": \"匁\", \"pairs\": [{\"unit1\": \" \", \"unit2\": \"g\", \"forward\": 1, "
            "\"backward\": 1}, {\"unit1\": \" \", \"unit2\": \"貫\", \"forward\": 1, \"backward\": 1}]}\n");
  const Result json = RunCli("--partners H --json --filter Ω");
  EXPECT_EQ(json.out,
            "{\"unit\": \"H\", \"filter\": \"Ω\", \"partners\": [{\"unit\": \"sec\", \"asSecond\": 1, "
            "\"asFirst\": 1}, {\"unit\": \"Hz\", \"asSecond\": 2, \"asFirst\": 2}]}\n");
  const Result empty = RunCli("--json --partners K --filter 匁");
  EXPECT_EQ(empty.status, 1);
  EXPECT_EQ(empty.out, "{\"unit\": \"K\", \"filter\": \"匁\", \"partners\": []}\n");
}

// A unit with a prefix, as --help allows for a UNIT: the prefix is dropped,
// as a calculation drops it.
TEST(CliTest, PartnersAndProducersDropAPrefix) {
  struct C {
    const char* prefixed;
    const char* unit;
  };
  const C cases[] = {
      {"--partners kΩ", "--partners Ω"},
      {"--partners mH", "--partners H"},
      {"--partners kohm", "--partners Ω"},
      {"--filter W --partners mV", "--filter W --partners V"},
      {"--json --partners MHz", "--json --partners Hz"},
      {"--produces kΩ", "--produces Ω"},
      {"--json --produces mA", "--json --produces A"},
  };
  for (const C& c : cases) {
    const Result prefixed = RunCli(c.prefixed);
    const Result unit = RunCli(c.unit);
    EXPECT_EQ(prefixed.status, 0) << c.prefixed << "\n" << prefixed.out;
    EXPECT_NE(prefixed.out, "") << c.prefixed;
    EXPECT_EQ(prefixed.out, unit.out) << c.prefixed;
  }
}

TEST(CliTest, VersionAndCompletionLists) {
  EXPECT_EQ(RunCli("--version").out, "tamrisk-cli 1.41\n");
  const std::string units = RunCli("--list-units").out;
  EXPECT_EQ(units.rfind("m\nin\nft\n", 0), 0u);
  EXPECT_NE(units.find("\nΩ\n"), std::string::npos);
  EXPECT_NE(units.find("\nohm\n"), std::string::npos);
  const std::string prefixes = RunCli("--list-prefixes").out;
  EXPECT_NE(prefixes.find("\nμ\n"), std::string::npos);
  EXPECT_NE(prefixes.find("\nu\n"), std::string::npos);
}

TEST(CliTest, FailedWriteIsAnErrorInEveryMode) {
  // /dev/full accepts no byte: the program must not report success.
  const std::string line = testing::TempDir() + "cli_full_in";
  FILE* f = std::fopen(line.c_str(), "wb");
  std::fputs("10\t \tV\t5\t \tΩ\t 指定なし\n", f);
  std::fclose(f);
  for (const char* args : {"--formula-list", "10 V 5 Ω", "--batch", "--help", "--partners V"}) {
    const std::string cmd = std::string(TAMRISK_CLI_PATH) + " " + args + " <" + line +
                            " >/dev/full 2>/dev/null";
    const int rc = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(rc)) << args;
    EXPECT_EQ(WEXITSTATUS(rc), 3) << args;
  }
}

TEST(CliTest, UnitsAreNeverSplitWhenTheyAreUnitsThemselves) {
  struct C {
    const char* text;
    const char* prefix;
    const char* unit;
  };
  const C cases[] = {{"mile", " ", "mile"}, {"min", " ", "min"},   {"Pa", " ", "Pa"},
                     {"dBm", " ", "dBm"},   {"kΩ", "k", "Ω"},      {"mV", "m", "V"},
                     {"μF", "μ", "F"},      {"dam", "da", "m"},    {"dm", "d", "m"},
                     {"ma", "m", "a"},      {"km/h", "k", "m/h"},  {"Mbps", "M", "bps"},
                     // ASCII spellings, alone and after a prefix
                     {"ohm", " ", "Ω"},     {"kohm", "k", "Ω"},    {"uF", "μ", "F"},
                     {"µF", "μ", "F"}, {"degC", " ", "℃"},    {"degF", " ", "ﾟF"},
                     {"m2", " ", "㎡"},     {"km2", "k", "㎡"},    {"dBuV", " ", "dBμV"},
                     {"m/s^2", " ", "m/s2"}, {"mm/s^2", "m", "m/s2"}, {"in2", " ", "in2"}};
  for (const C& c : cases) {
    std::string prefix, unit;
    ASSERT_TRUE(SplitUnit(c.text, prefix, unit)) << c.text;
    EXPECT_EQ(prefix, c.prefix) << c.text;
    EXPECT_EQ(unit, c.unit) << c.text;
  }
  std::string prefix, unit;
  EXPECT_FALSE(SplitUnit("k", prefix, unit));
  EXPECT_FALSE(SplitUnit("kfoo", prefix, unit));
}

// Every ASCII spelling that --help and the manual page list (the list
// itself, so that a new one is checked too) names a catalogue unit that some
// formula takes, and both documents give it with the catalogue's text.
TEST(CliTest, EveryDocumentedSpellingFindsItsUnit) {
  const std::string usage = CliUsage();
  std::ifstream file(TAMRISK_MAN_PAGE);
  const std::string manual{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(manual.empty());
  for (const UnitAlias& a : UnitAliases()) {
    const std::string spelling(a.spelling), unit(a.unit);
    SCOPED_TRACE(spelling);
    EXPECT_NE(std::find(UnitCatalogue.begin(), UnitCatalogue.end(), a.unit), UnitCatalogue.end());
    std::string prefix, split;
    ASSERT_TRUE(SplitUnit(spelling, prefix, split));
    EXPECT_EQ(prefix, " ");
    EXPECT_EQ(split, unit);
    EXPECT_FALSE(PartnersAnswer(unit, " 指定なし", false).empty);
    EXPECT_NE(usage.find("  " + spelling + " = " + unit + "\n"), std::string::npos);
    EXPECT_NE(manual.find(".B " + spelling + "\n" + unit), std::string::npos);
    const Result byProgram = RunCli("--partners '" + spelling + "'");
    EXPECT_EQ(byProgram.status, 0) << byProgram.out;
    EXPECT_EQ(byProgram.out, RunCli("--partners '" + unit + "'").out);
  }
  // The angstrom answers as its catalogue unit, also typed as the letter
  // that looks the same (U+00C5, which normalisation gives for U+212B).
  const Result angstrom = RunCli("5 angstrom");
  EXPECT_EQ(angstrom.status, 0) << angstrom.out;
  EXPECT_EQ(angstrom.out, RunCli("5 \u212B").out);
  EXPECT_EQ(RunCli("5 \u00C5").out, angstrom.out);
  EXPECT_NE(usage.find("angstrom = \u212B\n"), std::string::npos);
  struct Look {
    const char* text;
    const char* prefix;
    const char* unit;
  };
  const Look looks[] = {{"\u00C5", " ", "\u212B"}, {"k\u2126", "k", "\u03A9"},
                        {"m\u212A", "m", "K"},     {"dB\u00B5V", " ", "dB\u03BCV"}};
  for (const Look& c : looks) {
    std::string prefix, unit;
    ASSERT_TRUE(SplitUnit(c.text, prefix, unit)) << c.text;
    EXPECT_EQ(prefix, c.prefix) << c.text;
    EXPECT_EQ(unit, c.unit) << c.text;
  }
  // Each prefix spelling stands for a catalogue prefix.
  std::istringstream prefixes(PrefixList());
  for (std::string p; std::getline(prefixes, p);) {
    std::string prefix, unit;
    ASSERT_TRUE(SplitUnit(p + "V", prefix, unit)) << p;
    EXPECT_TRUE(std::any_of(PrefixCatalogue.begin(), PrefixCatalogue.end(),
                            [&](const PrefixEntry& e) { return e.text == prefix; })) << p;
  }
}

TEST(CliTest, ArgumentsFillTheSevenTexts) {
  CliCommand cmd;
  std::string error;
  ASSERT_TRUE(ParseCliArgs({"--this-year", "1999", "4.7", "kΩ", "-3"}, cmd, error)) << error;
  EXPECT_EQ(cmd.input.param1, "4.7");
  EXPECT_EQ(cmd.input.subUnit1, "k");
  EXPECT_EQ(cmd.input.unit1, "Ω");
  EXPECT_EQ(cmd.input.param2, "-3");
  EXPECT_EQ(cmd.input.subUnit2, " ");
  EXPECT_EQ(cmd.input.unit2, " ");
  EXPECT_EQ(cmd.input.unit3, " 指定なし");
  EXPECT_EQ(*cmd.thisYear, 1999);
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// Each option goes with the modes that use it; anything else, and two
// modes, is a usage error that names the two. --help goes with any command
// line that is otherwise right.
TEST(CliOptionsTest, EachOptionGoesWithItsModes) {
  using M = CliMode;
  struct C {
    const char* args;
    M mode;              // when right
    const char* error;  // when wrong: the whole message
  };
  const C cases[] = {
      {"--filter W --this-year 2000 --json 1 V", M::Calculate, nullptr},
      {"--this-year 2000 --batch", M::Batch, nullptr},
      {"--batch --this-year 2000", M::Batch, nullptr},
      {"--json --filter W --partners V", M::Partners, nullptr},
      {"--produces W --json", M::Produces, nullptr},
      {"--batch --batch", M::Batch, nullptr},
      {"--json --batch", M::Calculate, "--json does not go with --batch"},
      {"--batch --filter W", M::Calculate, "--filter does not go with --batch"},
      {"--formula-list --json", M::Calculate, "--json does not go with --formula-list"},
      {"--filter W --formula-list", M::Calculate, "--filter does not go with --formula-list"},
      {"--this-year 2000 --formula-list", M::Calculate, "--this-year does not go with --formula-list"},
      {"--this-year 2000 --partners V", M::Calculate, "--this-year does not go with --partners"},
      {"--filter A --produces W", M::Calculate, "--filter does not go with --produces"},
      {"--list-units --json", M::Calculate, "--json does not go with --list-units"},
      {"--version --this-year 1", M::Calculate, "--this-year does not go with --version"},
      {"--batch --formula-list", M::Calculate, "--formula-list does not go with --batch"},
      {"--partners V --produces W", M::Calculate, "--produces does not go with --partners"},
      {"--version --list-prefixes", M::Calculate, "--list-prefixes does not go with --version"},
      {"--list-units 3", M::Calculate, "unexpected argument: 3"},
      {"--version 1 V", M::Calculate, "unexpected argument: 1"},
      // --help: anywhere, on a command line that is right.
      {"--help", M::Help, nullptr},
      {"-h", M::Help, nullptr},
      {"10 V --help", M::Help, nullptr},
      {"--help --batch", M::Help, nullptr},
      {"--json --partners V -h", M::Help, nullptr},
      {"--version --help", M::Help, nullptr},
      {"--help --bogus", M::Calculate, "unknown option: --bogus"},
      {"--bogus --help", M::Calculate, "unknown option: --bogus"},
      {"--help --json --batch", M::Calculate, "--json does not go with --batch"},
      {"--batch --help --formula-list", M::Calculate, "--formula-list does not go with --batch"},
      {"--help --partners", M::Calculate, "--partners needs a unit"},
      {"--help 10 furlong", M::Calculate, "unknown unit: furlong"},
      {"--this-year", M::Calculate, "--this-year needs a year"},
  };
  for (const C& c : cases) {
    SCOPED_TRACE(c.args);
    CliCommand cmd;
    std::string error;
    const bool right = ParseCliArgs(Words(c.args), cmd, error);
    if (c.error) {
      EXPECT_FALSE(right);
      EXPECT_EQ(error, c.error);
    } else {
      EXPECT_TRUE(right) << error;
      EXPECT_EQ(cmd.mode, c.mode);
    }
  }
  // The last of an option given twice counts.
  CliCommand cmd;
  std::string error;
  ASSERT_TRUE(ParseCliArgs(Words("--partners V --filter A --partners mH --filter W"), cmd, error));
  EXPECT_EQ(cmd.unit, "H");
  EXPECT_EQ(cmd.input.unit3, "W");
}

// The same from the program: the usage and status 0 for --help on a right
// command line, one line and status 2 for any mistake, wherever --help is.
TEST(CliTest, HelpAndMistakesWhateverTheirOrder) {
  const std::string usage = CliUsage();
  for (const char* args : {"--help", "-h", "1 V --help", "--help --batch", "--json --help --produces W"}) {
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, 0) << args;
    EXPECT_EQ(r.out, usage) << args;
  }
  struct C {
    const char* args;
    const char* line;
  };
  const C cases[] = {
      {"--help --bogus", "unknown option: --bogus"},
      {"--bogus --help", "unknown option: --bogus"},
      {"--batch --json", "--json does not go with --batch"},
      {"--json --help --batch", "--json does not go with --batch"},
      {"--formula-list --batch", "--batch does not go with --formula-list"},
  };
  for (const C& c : cases) {
    const Result r = RunCli(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_EQ(r.out, "tamrisk-cli: " + std::string(c.line) + "; see tamrisk-cli --help\n") << c.args;
  }
}

std::string ReadFile(const char* path) {
  std::ifstream file(path);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The text of a line of the manual page's source: a macro's words run
// together where it alternates fonts (.BR a " | " b), spaced where it sets
// one (.B a b); "\-" is "-".
std::string RoffText(const std::string& line) {
  std::vector<std::string> words;
  std::string macro;
  size_t i = 0;
  if (line.rfind('.', 0) == 0) {
    i = line.find(' ');
    macro = line.substr(1, i == std::string::npos ? std::string::npos : i - 1);
    if (i == std::string::npos) return "";
  }
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    if (i >= line.size()) break;
    std::string word;
    if (line[i] == '"') {
      const size_t end = line.find('"', i + 1);
      word = line.substr(i + 1, end - i - 1);
      i = end + 1;
    } else {
      const size_t end = std::min(line.find(' ', i), line.size());
      word = line.substr(i, end - i);
      i = end;
    }
    for (size_t k; (k = word.find("\\-")) != std::string::npos;) word.replace(k, 2, "-");
    words.push_back(word);
  }
  const bool alternating = macro.size() == 2;
  std::string text;
  for (size_t k = 0; k < words.size(); ++k) text += (k && !alternating ? " " : "") + words[k];
  return text;
}

// The manual page's synopsis and option list are those of the table: an
// option added to the table and not to the page, or the other way, fails.
TEST(CliOptionsTest, ManualPageFollowsTheTable) {
  const std::string manual = ReadFile(TAMRISK_MAN_PAGE);
  ASSERT_FALSE(manual.empty());
  auto section = [&](const std::string& name) {
    const size_t start = manual.find(".SH " + name + "\n");
    EXPECT_NE(start, std::string::npos) << name;
    const size_t body = manual.find('\n', start) + 1;
    return manual.substr(body, manual.find(".SH ", body) - body);
  };
  std::vector<std::string> synopsis{""};
  std::istringstream lines(section("SYNOPSIS"));
  for (std::string line; std::getline(lines, line);) {
    if (line == ".br") {
      synopsis.emplace_back();
      continue;
    }
    synopsis.back() += (synopsis.back().empty() ? "" : " ") + RoffText(line);
  }
  EXPECT_EQ(synopsis, CliSynopsis());

  std::vector<std::string> listed;
  std::istringstream options(section("OPTIONS"));
  for (std::string line, previous; std::getline(options, line); previous = line) {
    if (previous == ".TP") listed.push_back(RoffText(line));
  }
  std::vector<std::string> table;
  for (const CliOption& o : CliOptions()) {
    std::string entry = o.alias.empty() ? "" : std::string(o.alias) + ", ";
    entry += std::string(o.name);
    if (!o.argument.empty()) entry += " " + std::string(o.argument);
    table.push_back(entry);
  }
  EXPECT_EQ(listed, table);
}

// The completion offers every option of the table, and a unit, a year or
// nothing after each option that takes an argument.
TEST(CliOptionsTest, CompletionFollowsTheTable) {
  const std::string script = ReadFile(TAMRISK_COMPLETION);
  ASSERT_FALSE(script.empty());
  const std::string words = "compgen -W \"";
  const size_t start = script.find(words);
  ASSERT_NE(start, std::string::npos);
  const size_t begin = start + words.size();
  std::vector<std::string> offered = Words(script.substr(begin, script.find('"', begin) - begin));
  std::vector<std::string> table, withArgument;
  for (const CliOption& o : CliOptions()) {
    table.emplace_back(o.name);
    if (!o.argument.empty()) withArgument.emplace_back(o.name);
  }
  std::sort(offered.begin(), offered.end());
  std::sort(table.begin(), table.end());
  EXPECT_EQ(offered, table);
  // The patterns of `case $prev in`: "    --partners | --produces)".
  std::vector<std::string> completed;
  std::istringstream lines(script);
  for (std::string line; std::getline(lines, line);) {
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos || line.compare(first, 2, "--") != 0 || line.back() != ')') continue;
    for (const std::string& w : Words(line.substr(first, line.size() - first - 1))) {
      if (w != "|") completed.push_back(w);
    }
  }
  std::sort(completed.begin(), completed.end());
  std::sort(withArgument.begin(), withArgument.end());
  EXPECT_EQ(completed, withArgument);
}

TEST(CliTest, BatchWritesOneJsonObjectPerLine) {
  const Result r = RunCli("--batch",
                          "10\t \tV\t5\t \tΩ\tW\n"
                          "1e999\t \tV\t5\t \tΩ\t 指定なし\n"
                          "only\ttwo\n"
                          "1\t2\t3\t4\t5\t6\t7\t8\r\n"
                          "4.70\t \tHz\t\t \t \t 指定なし\r\n");
  EXPECT_EQ(r.status, 0);
  std::vector<std::string> lines;
  size_t start = 0, end;
  while ((end = r.out.find('\n', start)) != std::string::npos) {
    lines.push_back(r.out.substr(start, end - start));
    start = end + 1;
  }
  ASSERT_EQ(lines.size(), 5u) << r.out;
  EXPECT_EQ(lines[0].rfind("{\"param1\": \"10\", \"param2\": \"5\", \"output\": \"● 5Ωの抵抗に電圧 10Vを印加した場合に消費される電力は 20.000W\\r\\n", 0), 0u)
      << lines[0];
  EXPECT_EQ(lines[1].rfind("{\"param1\": \"1e999\", \"param2\": \"5\", \"output\": \"\\r\\n\\r\\n\\r\\n\\r\\n          !!!", 0), 0u)
      << lines[1];
  EXPECT_EQ(lines[2], "{\"error\": \"expected 7 TAB-separated fields, got 2\"}");
  EXPECT_EQ(lines[3], "{\"error\": \"expected 7 TAB-separated fields, got 8\"}");
  EXPECT_EQ(lines[4].rfind("{\"param1\": \"4.7\", \"param2\": \"0\", ", 0), 0u) << lines[4];
}

// Full-width digits, as a Japanese input method types them, are the numbers
// they show, in a batch line and as arguments; the entries come back ASCII.
TEST(CliTest, FullWidthNumbers) {
  const Result batch = RunCli("--batch", "１０\t \tV\t\u2212５\t \tΩ\t 指定なし\n");
  EXPECT_EQ(batch.out.rfind("{\"param1\": \"10\", \"param2\": \"-5\", ", 0), 0u) << batch.out;
  EXPECT_EQ(batch.out, RunCli("--batch", "10\t \tV\t-5\t \tΩ\t 指定なし\n").out);
  const Result args = RunCli("１０ V ５ kΩ");
  EXPECT_EQ(args.status, 0) << args.out;
  EXPECT_EQ(args.out, RunCli("10 V 5 kΩ").out);
}

// Input that cannot be read is an error, not an empty input: one line on
// standard error and a status of its own.
TEST(CliTest, BatchReadErrorIsReported) {
  const Result folder = RunShell("--batch", "< /");
  EXPECT_EQ(folder.status, 4);
  EXPECT_EQ(folder.out, "tamrisk-cli: cannot read the input: Is a directory\n");
  const Result closed = RunShell("--batch", "<&-");
  EXPECT_EQ(closed.status, 4);
  EXPECT_EQ(closed.out, "tamrisk-cli: cannot read the input: Bad file descriptor\n");
  // An empty input is no error.
  EXPECT_EQ(RunShell("--batch", "< /dev/null").status, 0);
  EXPECT_NE(CliUsage().find("4 when --batch could not read its input"), std::string::npos);
}

// Writes `text`, or `count` bytes `c` a block at a time, to `fd`.
bool WriteText(int fd, std::string_view text) {
  return write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}
bool WriteBytes(int fd, char c, size_t count) {
  const std::string block(64 * 1024, c);
  for (size_t n; count > 0; count -= n) {
    n = std::min(count, block.size());
    if (!WriteText(fd, std::string_view(block).substr(0, n))) return false;
  }
  return true;
}

// The program run with --batch over the input that `writeInput` writes to a
// file: its exit status, its peak resident memory (in KB) and its output.
// The input is written piece by piece: a process spawned from this one
// starts with this one's peak, which must stay small.
struct BatchRun {
  int status = -1;
  long peakKB = 0;
  std::string out;
};
BatchRun RunBatchFile(const std::function<bool(int)>& writeInput) {
  BatchRun run;
  std::string inFile = testing::TempDir() + "cli_batch_XXXXXX";
  const int in = mkstemp(inFile.data());
  std::string outFile = testing::TempDir() + "cli_batch_out_XXXXXX";
  const int out = mkstemp(outFile.data());
  if (in >= 0 && out >= 0 && writeInput(in) && lseek(in, 0, SEEK_SET) == 0) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in, 0);
    posix_spawn_file_actions_adddup2(&actions, out, 1);
    char program[] = TAMRISK_CLI_PATH;
    char batch[] = "--batch";
    char* argv[] = {program, batch, nullptr};
    pid_t child = 0;
    int status = 0;
    rusage usage{};
    if (posix_spawn(&child, program, &actions, nullptr, argv, environ) == 0 &&
        wait4(child, &status, 0, &usage) == child && WIFEXITED(status)) {
      run.status = WEXITSTATUS(status);
      run.peakKB = usage.ru_maxrss;
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out.resize(static_cast<size_t>(std::max<off_t>(lseek(out, 0, SEEK_END), 0)));
    run.out.resize(static_cast<size_t>(
        std::max<ssize_t>(pread(out, run.out.data(), run.out.size(), 0), 0)));
  }
  if (in >= 0) close(in);
  if (out >= 0) close(out);
  std::remove(inFile.c_str());
  std::remove(outFile.c_str());
  return run;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr long kSanitizerKB = 64 * 1024;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr long kSanitizerKB = 64 * 1024;
#else
constexpr long kSanitizerKB = 0;
#endif
#else
constexpr long kSanitizerKB = 0;
#endif

// A line of 20 million TABs is longer than a line may be: it is answered
// without being held (it cost 35 MB when it was held, and 55 times its size
// when every field was built). A line of a million TABs, within the limit,
// is an error line found by counting, without building its fields.
TEST(CliTest, TwentyMegabyteTabLineInBoundedMemory) {
  const BatchRun run = RunBatchFile([](int fd) {
    return WriteBytes(fd, '\t', 20 * 1000 * 1000) && WriteText(fd, "\n") &&
           WriteBytes(fd, '\t', 1000 * 1000) && WriteText(fd, "\n");
  });
  EXPECT_EQ(run.status, 0);
  // About 4 MB; under the address sanitizer more.
  EXPECT_LT(run.peakKB, 12 * 1024 + kSanitizerKB) << "peak resident memory in KB";
  EXPECT_EQ(run.out,
            "{\"error\": \"line longer than the limit of 1048576 bytes\"}\n"
            "{\"error\": \"expected 7 TAB-separated fields, got 1000001\"}\n");
}

// A line longer than the limit is one error object that names the limit, and
// the lines after it are answered; a line of exactly the limit is read and
// answered as any other, also its seven fields.
TEST(CliTest, BatchLineOverTheLimitIsOneErrorAndTheRunGoesOn) {
  ASSERT_EQ(kMaxBatchLineBytes, 1048576u);
  const std::string good = "10\t \tV\t5\t \tΩ\tW";
  // The number of the first field padded with blanks, which reading ignores.
  const std::string rest = good.substr(good.find('\t'));
  auto line = [&](size_t bytes) { return "1" + std::string(bytes - 1 - rest.size(), ' ') + rest; };
  const std::string atTheLimit = line(kMaxBatchLineBytes);
  const std::string overTheLimit = line(kMaxBatchLineBytes + 1);
  ASSERT_EQ(atTheLimit.size(), kMaxBatchLineBytes);
  const BatchRun run = RunBatchFile([&](int fd) {
    // The last line without its line feed.
    return WriteText(fd, good + "\n" + overTheLimit + "\n" + good + "\n" + atTheLimit + "\n" +
                             overTheLimit);
  });
  EXPECT_EQ(run.status, 0);
  std::vector<std::string> answers;
  for (size_t start = 0, end; (end = run.out.find('\n', start)) != std::string::npos; start = end + 1)
    answers.push_back(run.out.substr(start, end - start));
  ASSERT_EQ(answers.size(), 5u) << run.out.substr(0, 1000);
  const std::string error = "{\"error\": \"line longer than the limit of 1048576 bytes\"}";
  EXPECT_EQ(answers[0].rfind("{\"param1\": \"10\", \"param2\": \"5\", ", 0), 0u);
  EXPECT_EQ(answers[1], error);
  EXPECT_EQ(answers[2], answers[0]);
  EXPECT_EQ(answers[3].rfind("{\"param1\": \"1\", \"param2\": \"5\", \"output\": \"● 5Ωの抵抗に電圧 1V", 0), 0u)
      << answers[3].substr(0, 200);
  EXPECT_EQ(answers[4], error);
  EXPECT_NE(CliUsage().find("a line longer than 1048576 bytes gets an error object"), std::string::npos);
}

// A program can talk to the batch mode line by line: the answer to a line
// comes before the next line is sent, although the answers to lines that
// arrive together are written together.
TEST(CliTest, BatchAnswersALineBeforeTheNextArrives) {
  int toCli[2], fromCli[2];
  ASSERT_EQ(pipe(toCli), 0);
  ASSERT_EQ(pipe(fromCli), 0);
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    dup2(toCli[0], STDIN_FILENO);
    dup2(fromCli[1], STDOUT_FILENO);
    for (int fd : {toCli[0], toCli[1], fromCli[0], fromCli[1]}) close(fd);
    execl(TAMRISK_CLI_PATH, TAMRISK_CLI_PATH, "--batch", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(toCli[0]);
  close(fromCli[1]);
  // The next whole line of the answers, waiting at most ten seconds for it.
  std::string pending;
  auto nextAnswer = [&]() -> std::string {
    size_t end;
    while ((end = pending.find('\n')) == std::string::npos) {
      pollfd p{fromCli[0], POLLIN, 0};
      if (poll(&p, 1, 10000) != 1) return "(no answer)";
      char buf[4096];
      const ssize_t n = read(fromCli[0], buf, sizeof buf);
      if (n <= 0) return "(end of output)";
      pending.append(buf, static_cast<size_t>(n));
    }
    std::string line = pending.substr(0, end);
    pending.erase(0, end + 1);
    return line;
  };
  auto send = [&](const std::string& text) {
    ASSERT_EQ(write(toCli[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
  };
  send("10\t \tV\t5\t \tΩ\tA\n");
  EXPECT_EQ(nextAnswer().rfind("{\"param1\": \"10\", \"param2\": \"5\", ", 0), 0u);
  send("2\t \tV\t1\t \tΩ\tA\n3\t \tV\t1\t \tΩ\tA\n");
  EXPECT_EQ(nextAnswer().rfind("{\"param1\": \"2\", ", 0), 0u);
  EXPECT_EQ(nextAnswer().rfind("{\"param1\": \"3\", ", 0), 0u);
  send("4\t \tV\t1\t \tΩ\tA\n");
  EXPECT_EQ(nextAnswer().rfind("{\"param1\": \"4\", ", 0), 0u);
  close(toCli[1]);
  EXPECT_EQ(nextAnswer(), "(end of output)");
  close(fromCli[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST(CliTest, FormulaListIsTheDocumentExactly) {
  const Result r = RunCli("--formula-list");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.substr(0, 2), "\r\n");
  EXPECT_EQ(r.out.substr(r.out.size() - 3), "\r\n ");
}

TEST(JsonEscapeTest, ControlCharactersAndQuotes) {
  EXPECT_EQ(JsonEscape("a\"b\\c\r\n\t\x01"), "\"a\\\"b\\\\c\\r\\n\\t\\u0001\"");
  EXPECT_EQ(JsonEscape("Ω"), "\"Ω\"");
}

TEST(JsonEscapeTest, InvalidUtf8BecomesReplacementCharacters) {
  struct C {
    const char* in;
    const char* out;
  };
  const C cases[] = {
      {"V\xff", "\"V\uFFFD\""},                 // a byte that never starts a sequence
      {"\xe2\x82", "\"\uFFFD\""},              // a cut sequence is one replacement
      {"\xe2\x82" "A", "\"\uFFFD" "A\""},            // ... and the next character survives
      {"\xc0\xaf", "\"\uFFFD\uFFFD\""},       // an overlong form
      {"\xed\xa0\x80", "\"\uFFFD\uFFFD\uFFFD\""},  // a surrogate
      {"\xf4\x90\x80\x80", "\"\uFFFD\uFFFD\uFFFD\uFFFD\""},  // above U+10FFFF
      {"\xf0\x9f\x98\x80\x80", "\"\U0001F600\uFFFD\""},  // a stray continuation byte
      {"あ\xe3\x81", "\"あ\uFFFD\""},          // a whole three-byte sequence, then a cut one
      {"\xe3\x81" "A", "\"\uFFFD" "A\""},            // a three-byte sequence broken at its end
  };
  for (const C& c : cases) EXPECT_EQ(JsonEscape(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace tamrisk
