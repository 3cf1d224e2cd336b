// The line template of a rule, compiled when its row is made.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/rule_mistake.h"

namespace tamrisk {

// The most results one line may have.
inline constexpr std::size_t MaxResults = 12;

// The names by which a rule's line and computation refer to its two
// parameters (slot 0 the first-named, slot 1 the other); where both have the
// same name (`numbered`), they are "name#1" and "name#2".
struct ParamNames {
  std::string_view first;
  std::string_view second;
  bool numbered = false;

  // The slot that `name` refers to, or -1.
  constexpr int SlotOf(std::string_view name) const {
    if (!numbered) {
      if (name == first) return 0;
      if (name == second) return 1;
      return -1;
    }
    const std::size_t n = first.size();
    if (name.size() != n + 2 || name.substr(0, n) != first || name[n] != '#') return -1;
    return name[n + 1] == '1' ? 0 : name[n + 1] == '2' ? 1 : -1;
  }
};

// A rule's line template, compiled once, when its row is made: the literal
// texts between the placeholders stay where they are in the template, and
// each placeholder becomes one part (how many bytes of literal text come
// before it, how many bytes its braces take and what it stands for), so that
// writing the line appends texts and never looks for a brace. The parts are
// packed into a few words, 16 bits each, which keeps a row small and the
// compiler quick when it copies rows while it builds a table.
class LineTemplate {
 public:
  // The most placeholders one line may have (the nearest resistor pairs'
  // line has 19).
  static constexpr std::size_t MaxPlaceholders = 20;
  // What a placeholder stands for: a result (0 .. MaxResults - 1, in the
  // order in which the results first appear), or one of these.
  enum Code : std::uint8_t { Label0 = MaxResults, Label1, UnitText, CrLf };
  static_assert(CrLf < 16, "a code fits four bits");

  struct Part {
    unsigned literal;  // bytes of literal text before the placeholder (< 256)
    unsigned code;     // a Code
    unsigned braces;   // bytes of the placeholder, braces included (< 16)
  };

  // What the placeholders of one firing stand for.
  struct Values {
    const std::string* results;
    std::string_view labels[2];  // of the parameter in slot 0 and in slot 1
    std::string_view unit;       // the unit text of the parameter in slot 0
  };

  constexpr LineTemplate() = default;
  // Compiles `line`, whose labels are named by `names`.
  constexpr LineTemplate(std::string_view line, const ParamNames& names);

  // The line as it was written. (Defined out of line: a string_view made of
  // a pointer and a length here costs every file that includes this one
  // the compiler's check of string_view's iterator-pair constructor.)
  std::string_view Text() const;
  constexpr std::size_t ResultCount() const { return results_; }
  constexpr std::size_t PartCount() const { return count_; }
  constexpr Part PartAt(std::size_t k) const {
    const unsigned bits = (parts_[k / 4] >> (16 * (k % 4))) & 0xFFFF;
    return {bits & 0xFF, (bits >> 8) & 0xF, bits >> 12};
  }

  // Appends the line, without the CR LF that ends it.
  void AppendTo(std::string& out, const Values& values) const;

 private:
  const char* text_ = "";
  std::uint16_t size_ = 0;
  std::uint8_t count_ = 0;
  std::uint8_t results_ = 0;
  std::uint64_t parts_[(MaxPlaceholders + 3) / 4] = {};
};

constexpr LineTemplate::LineTemplate(std::string_view line, const ParamNames& names)
    : text_(line.data()), size_(static_cast<std::uint16_t>(line.size())) {
  if (line.size() > 65535) RuleMistake("a line of more than 65535 bytes");
  std::string_view results[MaxResults] = {};
  for (std::size_t at = 0;;) {
    const std::size_t open = line.find('{', at);
    if (open == std::string_view::npos) break;
    const std::size_t close = line.find('}', open);
    if (close == std::string_view::npos) RuleMistake("a placeholder without its closing brace");
    if (count_ == MaxPlaceholders) RuleMistake("a line with too many placeholders");
    if (open - at > 255) RuleMistake("a line with more than 255 bytes between two placeholders");
    if (close + 1 - open > 15) RuleMistake("a placeholder of more than 15 bytes");
    const std::string_view key = line.substr(open + 1, close - open - 1);
    unsigned code = 0;
    if (key == "crlf") {
      code = CrLf;
    } else if (const int slot = names.SlotOf(key); slot >= 0) {
      code = slot == 0 ? Label0 : Label1;
    } else if (key == "U") {
      code = UnitText;
    } else {
      while (code < results_ && results[code] != key) ++code;
      if (code == results_) {
        if (results_ == MaxResults) RuleMistake("a line with too many results");
        results[results_++] = key;
      }
    }
    const std::uint64_t bits = (open - at) | code << 8 | (close + 1 - open) << 12;
    parts_[count_ / 4] |= bits << (16 * (count_ % 4));
    ++count_;
    at = close + 1;
  }
}

}  // namespace tamrisk
