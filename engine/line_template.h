// The line template of a rule, compiled when its row is made.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/rule_mistake.h"

namespace tamrisk {

// The most results one line may have.
inline constexpr std::size_t MaxResults = 12;

// A rule's line template, compiled once, when its row is made: the literal
// texts between the placeholders stay where they are in the template, and
// each placeholder becomes one part (how many bytes of literal text come
// before it, how many bytes its braces take and what it stands for), so that
// writing the line appends texts and never looks for a brace.
class LineTemplate {
 public:
  // The most placeholders one line may have (22 fills the template's last
  // eight bytes; the nearest resistor pairs' line has 19).
  static constexpr std::size_t MaxPlaceholders = 22;
  // What a placeholder stands for: a result (0 .. MaxResults - 1, in the
  // order in which the results first appear), or one of these.
  enum Code : std::uint8_t { Label0 = MaxResults, Label1, UnitText, CrLf };
  static_assert(CrLf < 16, "a code fits four bits");

  struct Part {
    std::uint8_t literal = 0;     // bytes of literal text before the placeholder
    std::uint8_t code : 4 = 0;    // a Code
    std::uint8_t braces : 4 = 0;  // bytes of the placeholder, braces included
  };

  // What the placeholders of one firing stand for.
  struct Values {
    const std::string* results;
    std::string_view labels[2];  // of the parameter in slot 0 and in slot 1
    std::string_view unit;       // the unit text of the parameter in slot 0
  };

  constexpr LineTemplate() = default;
  // Compiles `line`; `slotOf(name)` is the parameter slot (0 or 1) of a
  // label's name, or -1 when the name is no parameter's.
  template <class SlotOf>
  constexpr LineTemplate(std::string_view line, SlotOf slotOf);

  std::string_view Text() const { return {text_, size_}; }
  constexpr std::size_t ResultCount() const { return results_; }
  std::span<const Part> Parts() const { return {parts_, count_}; }

  // Appends the line, without the CR LF that ends it.
  void AppendTo(std::string& out, const Values& values) const;

 private:
  const char* text_ = "";
  std::uint16_t size_ = 0;
  std::uint8_t count_ = 0;
  std::uint8_t results_ = 0;
  Part parts_[MaxPlaceholders] = {};
};

template <class SlotOf>
constexpr LineTemplate::LineTemplate(std::string_view line, SlotOf slotOf)
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
    } else if (const int slot = slotOf(key); slot >= 0) {
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
    Part& part = parts_[count_++];
    part.literal = static_cast<std::uint8_t>(open - at);
    part.code = static_cast<std::uint8_t>(code);
    part.braces = static_cast<std::uint8_t>(close + 1 - open);
    at = close + 1;
  }
}

}  // namespace tamrisk
