// The page's entry points into the engine, compiled to WebAssembly. Texts go
// in and out as UTF-8 with their length in bytes, so that a NUL inside a
// text is read as the native program reads it. A returned text stays valid
// until the next call of the same function; its length is that of
// tamrisk_returned_size, and the caller copies it at once.
//
// A call that runs out of memory (a text too large for the module) answers
// with its own failure value, and the module goes on answering.
//
// Everything here only hands the engine's own results through: the lists,
// the calculation, the explanations, the formula list and its search are the
// ones the window program uses.
#include <emscripten/emscripten.h>

#include <new>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalogue.h"
#include "engine/document_search.h"
#include "engine/explanations.h"
#include "engine/unit_lists.h"
#include "engine/version.h"
#include "formulas/catalogue_run.h"

namespace {

using tamrisk::RunOutput;

// Joins texts with one separator character.
std::string Join(const std::vector<std::string_view>& texts, char separator) {
  std::string joined;
  for (size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) joined.push_back(separator);
    joined.append(texts[i]);
  }
  return joined;
}

// UTF-8 to UTF-16, for the search, which counts UTF-16 characters. The texts
// come from the engine or from the page's string conversion and are well
// formed; a stray byte becomes U+FFFD.
std::u16string ToUtf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const size_t length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
    if (length == 0 || i + length > s.size()) {
      out.push_back(u'\uFFFD');
      ++i;
      continue;
    }
    char32_t code = length == 1 ? c : c & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) code = (code << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    if (code >= 0x10000) {
      code -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(code));
    }
    i += length;
  }
  return out;
}

RunOutput lastRun;
std::string lastText;
size_t returnedSize = 0;

// A text handed back: its length is kept for tamrisk_returned_size.
const char* Returned(const std::string& text) {
  returnedSize = text.size();
  return text.c_str();
}

// Runs `f`, or answers `outOfMemory` when an allocation fails on the way.
template <typename F, typename R>
R Guarded(F f, R outOfMemory) {
  try {
    return f();
  } catch (const std::bad_alloc&) {
    return outOfMemory;
  } catch (const std::length_error&) {
    return outOfMemory;
  }
}

const std::u16string& DocumentUtf16() {
  static const std::u16string document = ToUtf16(tamrisk::FormulaListDocument());
  return document;
}

tamrisk::DocumentSearch search;

}  // namespace

extern "C" {

// One calculation run over the seven input texts (each a pointer and a
// length) and the current year. Returns 1 when the result text is one of the
// two failure messages, else 0, plus 2 when some input was invalid; -1 when
// the memory ran out. The texts are then read with tamrisk_run_text.
EMSCRIPTEN_KEEPALIVE int tamrisk_calculate(const char* param1, size_t param1Size,
                                           const char* subUnit1, size_t subUnit1Size,
                                           const char* unit1, size_t unit1Size,
                                           const char* param2, size_t param2Size,
                                           const char* subUnit2, size_t subUnit2Size,
                                           const char* unit2, size_t unit2Size,
                                           const char* unit3, size_t unit3Size, int thisYear) {
  return Guarded([&] {
    tamrisk::RunInput input;
    input.param1.assign(param1, param1Size);
    input.subUnit1.assign(subUnit1, subUnit1Size);
    input.unit1.assign(unit1, unit1Size);
    input.param2.assign(param2, param2Size);
    input.subUnit2.assign(subUnit2, subUnit2Size);
    input.unit2.assign(unit2, unit2Size);
    input.unit3.assign(unit3, unit3Size);
    input.thisYear = thisYear;
    lastRun = tamrisk::Calculate(input);
    return (lastRun.failed ? 1 : 0) | (lastRun.invalidInput ? 2 : 0);
  }, -1);
}

// A text of the last run: 0 the rewritten Param_1, 1 the rewritten Param_2,
// 2 the result text.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_run_text(int which) {
  switch (which) {
    case 0: return Returned(lastRun.param1);
    case 1: return Returned(lastRun.param2);
    default: return Returned(lastRun.output);
  }
}

// The length in bytes of the text that the last call returned.
EMSCRIPTEN_KEEPALIVE size_t tamrisk_returned_size() { return returnedSize; }

// The five lists for two masks: the index of the blank prefix entry, the
// prefix list, the unit list and the filter list, separated by form feeds;
// the entries of a list are separated by line feeds. Null when the memory
// ran out.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_lists(const char* prefixMask, size_t prefixMaskSize,
                                               const char* unitMask, size_t unitMaskSize) {
  return Guarded([&] {
    const tamrisk::ListContents lists = tamrisk::BuildListContents(
        std::string_view(prefixMask, prefixMaskSize), std::string_view(unitMask, unitMaskSize));
    lastText = std::to_string(lists.blankPrefixIndex) + '\f' + Join(lists.prefixes, '\n') + '\f' +
               Join(lists.units, '\n') + '\f' + Join(lists.filters, '\n');
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

// What the customisation offers, separated by form feeds: the 20 prefix
// texts and the 80 unit texts (line feeds between them; spare positions
// empty), the unit box grid (unit positions row by row, commas between
// them), the first spare unit position, the two default masks, and the
// no-prefix, no-unit and no-filter entries.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_catalogue() {
  std::vector<std::string_view> prefixes;
  for (const tamrisk::PrefixEntry& p : tamrisk::PrefixCatalogue) prefixes.push_back(p.text);
  const std::vector<std::string_view> units(tamrisk::UnitCatalogue.begin(),
                                            tamrisk::UnitCatalogue.end());
  std::string grid;
  for (const auto& row : tamrisk::UnitBoxGrid) {
    for (int position : row) {
      if (!grid.empty()) grid.push_back(',');
      grid += std::to_string(position);
    }
  }
  lastText = Join(prefixes, '\n') + '\f' + Join(units, '\n') + '\f' + grid + '\f' +
             std::to_string(tamrisk::FirstSpareUnitPosition) + '\f' +
             std::string(tamrisk::DefaultPrefixMask) + '\f' +
             std::string(tamrisk::DefaultUnitMask) + '\f' + std::string(tamrisk::NoPrefix) + '\f' +
             std::string(tamrisk::NoUnit) + '\f' + std::string(tamrisk::NoFilter);
  return Returned(lastText);
}

// The explanation of a prefix and a unit for the result box; empty when
// neither has one. Null when the memory ran out.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_explanation(const char* prefix, size_t prefixSize,
                                                     const char* unit, size_t unitSize) {
  return Guarded([&] {
    lastText = tamrisk::UnitExplanationText(std::string_view(prefix, prefixSize),
                                            std::string_view(unit, unitSize));
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

// The formula list document, built on the first call.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_formula_document() {
  return Returned(tamrisk::FormulaListDocument());
}

// The search in the formula list document: back to the top, or one click of
// the forward (down != 0) or backward button. Returns the 1-based UTF-16
// position of the match to select, 0 when the selection stays, or -1 when
// the memory ran out.
EMSCRIPTEN_KEEPALIVE void tamrisk_search_reset() { search.reset(); }

EMSCRIPTEN_KEEPALIVE int tamrisk_search(int down, const char* keyword, size_t keywordSize) {
  return Guarded([&] {
    const std::u16string k = ToUtf16(std::string_view(keyword, keywordSize));
    const auto match = down ? search.searchDown(DocumentUtf16(), k)
                            : search.searchUp(DocumentUtf16(), k);
    return match ? match->position : 0;
  }, -1);
}

// The units that parameter `parameter` (1 or 2) may take beside the other
// parameter's unit `otherUnit`, under the result-unit filter `filter`: a line
// each, the unit text, a TAB, the number of formulas, a TAB and 1 when the
// unit mask `unitMask` hides the unit, else 0. Null when the memory ran out.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_units_beside(int parameter,
                                                      const char* otherUnit, size_t otherUnitSize,
                                                      const char* filter, size_t filterSize,
                                                      const char* unitMask, size_t unitMaskSize) {
  return Guarded([&] {
    lastText.clear();
    for (const tamrisk::UnitChoice& choice : tamrisk::UnitsBeside(
             parameter, std::string_view(otherUnit, otherUnitSize),
             std::string_view(filter, filterSize), std::string_view(unitMask, unitMaskSize))) {
      if (!lastText.empty()) lastText.push_back('\n');
      lastText.append(tamrisk::UnitTexts[choice.unit]);
      lastText.push_back('\t');
      lastText += std::to_string(choice.formulas);
      lastText += choice.hidden ? "\t1" : "\t0";
    }
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

}  // extern "C"
