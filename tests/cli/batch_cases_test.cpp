// The calculation cases of tests/formulas/cases/ fed to the real program's
// batch mode, one file per run: every block a case expects of its domain must
// stand, its lines whole and in order, in the answer to each of its inputs.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/formulas/case_file.h"

namespace tamrisk::testing {
namespace {

// The text of a JSON string that begins at `at` (just after its opening
// quote); false for an escape that JSON does not have.
bool DecodeJsonString(const std::string& json, size_t at, std::string& text) {
  auto appendUtf8 = [&](unsigned c) {
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else if (c < 0x800) {
      text += static_cast<char>(0xC0 | (c >> 6));
      text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      text += static_cast<char>(0xE0 | (c >> 12));
      text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      text += static_cast<char>(0xF0 | (c >> 18));
      text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  };
  auto hex4 = [&](size_t from, unsigned& value) {
    if (from + 4 > json.size()) return false;
    value = static_cast<unsigned>(std::stoul(json.substr(from, 4), nullptr, 16));
    return true;
  };
  text.clear();
  for (size_t i = at; i < json.size(); ++i) {
    const char c = json[i];
    if (c == '"') return true;
    if (c != '\\') {
      text += c;
      continue;
    }
    if (++i >= json.size()) return false;
    switch (json[i]) {
      case '"': text += '"'; break;
      case '\\': text += '\\'; break;
      case '/': text += '/'; break;
      case 'b': text += '\b'; break;
      case 'f': text += '\f'; break;
      case 'n': text += '\n'; break;
      case 'r': text += '\r'; break;
      case 't': text += '\t'; break;
      case 'u': {
        unsigned c1 = 0;
        if (!hex4(i + 1, c1)) return false;
        i += 4;
        if (c1 >= 0xD800 && c1 < 0xDC00 && json.compare(i + 1, 2, "\\u") == 0) {
          unsigned c2 = 0;
          if (!hex4(i + 3, c2)) return false;
          c1 = 0x10000 + ((c1 - 0xD800) << 10) + (c2 - 0xDC00);
          i += 6;
        }
        appendUtf8(c1);
        break;
      }
      default: return false;
    }
  }
  return false;
}

// The lines of a result text, each without its CR LF.
std::vector<std::string> ResultLines(const std::string& output) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = output.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(output.substr(start, end - start));
  }
  if (start < output.size()) lines.push_back(output.substr(start));
  return lines;
}

bool HoldsRun(const std::vector<std::string>& lines, const std::vector<std::string>& run) {
  if (run.empty()) return true;
  if (run.size() > lines.size()) return false;
  for (size_t i = 0; i + run.size() <= lines.size(); ++i) {
    if (std::equal(run.begin(), run.end(), lines.begin() + static_cast<std::ptrdiff_t>(i))) return true;
  }
  return false;
}

int CurrentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

// The answers of one batch run, a line each.
std::vector<std::string> RunBatch(const std::string& input) {
  std::string inFile = ::testing::TempDir() + "batch_cases_XXXXXX";
  const int fd = mkstemp(inFile.data());
  FILE* f = fdopen(fd, "wb");
  std::fwrite(input.data(), 1, input.size(), f);
  std::fclose(f);
  const std::string cmd = std::string(TAMRISK_CLI_PATH) + " --batch < " + inFile;
  FILE* p = popen(cmd.c_str(), "r");
  std::string out;
  char buf[65536];
  for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  EXPECT_EQ(pclose(p), 0);
  std::remove(inFile.c_str());
  std::vector<std::string> answers;
  size_t start = 0;
  for (size_t end; (end = out.find('\n', start)) != std::string::npos; start = end + 1) {
    answers.push_back(out.substr(start, end - start));
  }
  EXPECT_EQ(start, out.size()) << "the last answer ends with its line feed";
  return answers;
}

class BatchCases : public ::testing::TestWithParam<std::string> {};

TEST_P(BatchCases, EveryBlockStandsInTheAnswer) {
  const CaseFile file = ReadCaseFile(std::filesystem::path(TAMRISK_CASES_DIR) / GetParam());
  ASSERT_EQ(file.errors, std::vector<std::string>{});
  // A case that gives its year runs only in that year: the batch mode takes
  // the computer's.
  const int year = CurrentYear();
  struct Fed {
    const TextCase* c;
    const RunInput* in;
  };
  std::vector<Fed> fed;
  std::string input;
  for (const TextCase& c : file.cases) {
    if (c.yearGiven && c.inputs.front().thisYear != year) continue;
    for (const RunInput& in : c.inputs) {
      fed.push_back({&c, &in});
      input += in.param1 + '\t' + in.subUnit1 + '\t' + in.unit1 + '\t' + in.param2 + '\t' +
               in.subUnit2 + '\t' + in.unit2 + '\t' + in.unit3 + '\n';
    }
  }
  ASSERT_FALSE(fed.empty());
  const std::vector<std::string> answers = RunBatch(input);
  ASSERT_EQ(answers.size(), fed.size());
  const std::string key = "\"output\": \"";
  for (size_t i = 0; i < fed.size(); ++i) {
    SCOPED_TRACE(fed[i].c->where + ": " + InputText(*fed[i].in));
    const size_t at = answers[i].find(key);
    ASSERT_NE(at, std::string::npos) << answers[i];
    std::string output;
    ASSERT_TRUE(DecodeJsonString(answers[i], at + key.size(), output)) << answers[i];
    EXPECT_TRUE(HoldsRun(ResultLines(output), fed[i].c->lines)) << output;
  }
}

std::vector<std::string> CaseFileNames() {
  std::vector<std::string> names;
  for (const auto& path : CaseFilePaths(TAMRISK_CASES_DIR)) names.push_back(path.filename().string());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Files, BatchCases, ::testing::ValuesIn(CaseFileNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.param.substr(0, info.param.find('.'));
                         });

TEST(BatchCasesTest, JsonStringsAndRunsOfLines) {
  std::string text;
  EXPECT_TRUE(DecodeJsonString("\"a\\\"b\\\\c\\r\\n\\t\\u0001\\u00b5\\u03a9\\ud83d\\ude00\" tail", 1, text));
  EXPECT_EQ(text, "a\"b\\c\r\n\t\x01µΩ😀");
  EXPECT_FALSE(DecodeJsonString("\"unclosed", 1, text));
  EXPECT_FALSE(DecodeJsonString("\"\\x\"", 1, text));

  EXPECT_EQ(ResultLines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(ResultLines("\r\n\r\nmessage"), (std::vector<std::string>{"", "", "message"}));
  const std::vector<std::string> lines = {"a", "b", "c"};
  EXPECT_TRUE(HoldsRun(lines, {"b", "c"}));
  EXPECT_TRUE(HoldsRun(lines, {}));
  EXPECT_FALSE(HoldsRun(lines, {"a", "c"})) << "the lines of a block stand together";
  EXPECT_FALSE(HoldsRun(lines, {"c", "d"}));
}

}  // namespace
}  // namespace tamrisk::testing
