// The page's entry points into the engine, compiled to WebAssembly. Texts go
// in as UTF-8 with their length in bytes, so that a NUL inside a text is read
// as the native program reads it. Answers come back as one UTF-8 text, JSON
// whose members are read by name (a calculation's three texts, the
// explanation and the formula list document as they are). A returned text stays valid until
// the next call of the same function; its length is that of
// tamrisk_returned_size, and the caller copies it at once.
//
// A call that runs out of memory (a text too large for the module) answers
// with its own failure value, and the module goes on answering.
//
// Everything here only hands the engine's own results through: the lists,
// the calculation, the explanations, the formula list and its search, the
// units that go together and every text said about them are the ones the
// window program uses.
#include <emscripten/emscripten.h>

#include <array>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalogue.h"
#include "engine/document_search.h"
#include "engine/explanations.h"
#include "engine/history.h"
#include "engine/json_text.h"
#include "engine/link.h"
#include "engine/list_choices.h"
#include "engine/partner_choices.h"
#include "engine/search_note.h"
#include "engine/unit_lists.h"
#include "engine/utf8.h"
#include "formulas/catalogue_run.h"

namespace {

// Writes one JSON text: values, and objects and arrays as they are opened
// and closed, the members of an object by name. Strings are written as
// the engine made them: only the quote, the backslash and the control
// characters are escaped.
class Json {
 public:
  explicit Json(std::string& out) : out_(out) { out_.clear(); }

  Json& object() { return open('{'); }
  Json& array() { return open('['); }
  Json& end() {
    out_ += closers_.back();
    closers_.pop_back();
    first_ = false;
    return *this;
  }
  // The next member's name; its value follows.
  Json& key(std::string_view name) {
    value(name);
    out_ += ':';
    first_ = true;
    return *this;
  }
  Json& value(std::string_view text) {
    separate();
    tamrisk::AppendJsonString(out_, text);
    return *this;
  }
  Json& value(const char* text) { return value(std::string_view(text)); }
  Json& value(int number) {
    separate();
    out_ += std::to_string(number);
    return *this;
  }
  Json& value(bool truth) {
    separate();
    out_ += truth ? "true" : "false";
    return *this;
  }
  template <typename T>
  Json& member(std::string_view name, const T& v) {
    return key(name).value(v);
  }
  Json& strings(std::string_view name, const std::vector<std::string_view>& texts) {
    key(name).array();
    for (std::string_view text : texts) value(text);
    return end();
  }

 private:
  Json& open(char opener) {
    separate();
    out_ += opener;
    closers_.push_back(opener == '{' ? '}' : ']');
    first_ = true;
    return *this;
  }
  void separate() {
    if (!first_) out_ += ',';
    first_ = false;
  }

  std::string& out_;
  std::string closers_;
  bool first_ = true;
};

// UTF-8 to UTF-16, for the search, which counts UTF-16 characters. The texts
// come from the engine or from the page's string conversion and are well
// formed; a stray byte becomes U+FFFD.
std::u16string ToUtf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    const tamrisk::Utf8Char ch = tamrisk::Utf8At(s, i);
    i += ch.size;
    if (!ch.valid) {
      out.push_back(u'\uFFFD');
      continue;
    }
    if (ch.code >= 0x10000) {
      const char32_t code = ch.code - 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(ch.code));
    }
  }
  return out;
}

// The seven input texts, each with its length, and the year, as a run takes them.
tamrisk::RunInput InputOf(const char* param1, size_t param1Size, const char* subUnit1,
                          size_t subUnit1Size, const char* unit1, size_t unit1Size,
                          const char* param2, size_t param2Size, const char* subUnit2,
                          size_t subUnit2Size, const char* unit2, size_t unit2Size,
                          const char* unit3, size_t unit3Size, int thisYear) {
  tamrisk::RunInput input;
  input.param1.assign(param1, param1Size);
  input.subUnit1.assign(subUnit1, subUnit1Size);
  input.unit1.assign(unit1, unit1Size);
  input.param2.assign(param2, param2Size);
  input.subUnit2.assign(subUnit2, subUnit2Size);
  input.unit2.assign(unit2, unit2Size);
  input.unit3.assign(unit3, unit3Size);
  input.thisYear = thisYear;
  return input;
}

tamrisk::RunOutput lastRun;
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

// A text of the page: a pointer and a length in bytes.
std::string_view View(const char* text, size_t size) { return {text, size}; }

const std::u16string& DocumentUtf16() {
  static const std::u16string document = ToUtf16(tamrisk::FormulaListDocument());
  return document;
}

tamrisk::DocumentSearch search;

// The units parameter `parameter` may take beside the other one's unit.
std::vector<tamrisk::PartnerUnit> UnitsFor(int parameter, std::string_view otherUnit,
                                           std::string_view filter, std::string_view unitMask) {
  std::vector<tamrisk::PartnerUnit> units;
  for (const tamrisk::UnitChoice& c : tamrisk::UnitsBeside(parameter, otherUnit, filter, unitMask))
    units.push_back({c.unit, c.formulas, c.hidden});
  return units;
}

void WriteColumn(Json& json, const tamrisk::PartnerColumn& column) {
  json.object().member("parameter", column.parameter).member("title", column.title);
  json.key("items").array();
  for (const tamrisk::PartnerItem& item : column.items) {
    json.object().member("unit", item.unit).member("text", item.text).member("hidden", item.hidden).end();
  }
  json.end().member("empty", column.empty).end();
}

void WriteMasks(Json& json, std::string_view prefixMask, std::string_view unitMask) {
  json.object().member("prefixMask", prefixMask).member("unitMask", unitMask).end();
}

}  // namespace

extern "C" {

// One calculation run over the seven input texts (each a pointer and a
// length) and the current year. Returns 1 when the result text is one of the
// two failure messages, else 0, plus 2 when some input was invalid; -1 when
// the memory ran out. The texts are then read with tamrisk_run_text. (The
// one call that is not answered in JSON: a calculation is the page's most
// frequent call, and reading its three texts directly costs the page less
// than parsing them.)
EMSCRIPTEN_KEEPALIVE int tamrisk_calculate(const char* param1, size_t param1Size,
                                           const char* subUnit1, size_t subUnit1Size,
                                           const char* unit1, size_t unit1Size,
                                           const char* param2, size_t param2Size,
                                           const char* subUnit2, size_t subUnit2Size,
                                           const char* unit2, size_t unit2Size,
                                           const char* unit3, size_t unit3Size, int thisYear) {
  return Guarded([&] {
    const tamrisk::RunInput input = InputOf(param1, param1Size, subUnit1, subUnit1Size, unit1, unit1Size,
                                            param2, param2Size, subUnit2, subUnit2Size, unit2, unit2Size,
                                            unit3, unit3Size, thisYear);
    lastRun = tamrisk::Calculate(input);
    return (lastRun.failed ? 1 : 0) | (lastRun.invalidInput ? 2 : 0);
  }, -1);
}

// The formula of each line of the result text for the seven input texts
// and the current year, as a calculation gives it (a run of its own, so
// that a plain calculation does none of this work): [{ title, formulas,
// own, bindings, substitution, documentLine }], one per line, none for a
// message. `formulas` lists the line's own formula first where `own` is
// true. Null when the memory ran out.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_line_formulas(const char* param1, size_t param1Size,
                                                       const char* subUnit1, size_t subUnit1Size,
                                                       const char* unit1, size_t unit1Size,
                                                       const char* param2, size_t param2Size,
                                                       const char* subUnit2, size_t subUnit2Size,
                                                       const char* unit2, size_t unit2Size,
                                                       const char* unit3, size_t unit3Size,
                                                       int thisYear) {
  return Guarded([&] {
    const tamrisk::RunInput input = InputOf(param1, param1Size, subUnit1, subUnit1Size, unit1, unit1Size,
                                            param2, param2Size, subUnit2, subUnit2Size, unit2, unit2Size,
                                            unit3, unit3Size, thisYear);
    const tamrisk::ExplainedRun run = tamrisk::CalculateExplained(input);
    Json json(lastText);
    json.array();
    for (const tamrisk::LineFormula& f : tamrisk::CatalogueFormulasOfLines(run)) {
      json.object().member("title", f.title).strings("formulas", tamrisk::FormulasInOrder(f));
      json.member("own", f.ownFormula >= 0).member("bindings", tamrisk::BindingsText(f));
      json.member("substitution", f.substitution);
      json.member("documentLine", static_cast<int>(f.documentLine)).end();
    }
    json.end();
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
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

// The five lists for two masks: { prefixes, units, filters } and the entry
// each selects when the lists are made, { prefixIndex, unitIndex,
// filterIndex }. Null when the memory ran out.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_lists(const char* prefixMask, size_t prefixMaskSize,
                                               const char* unitMask, size_t unitMaskSize) {
  return Guarded([&] {
    const tamrisk::ListChoices choices =
        tamrisk::ListChoicesFor(View(prefixMask, prefixMaskSize), View(unitMask, unitMaskSize));
    Json(lastText).object()
        .strings("prefixes", choices.lists.prefixes)
        .strings("units", choices.lists.units)
        .strings("filters", choices.lists.filters)
        .member("prefixIndex", choices.prefixIndex)
        .member("unitIndex", choices.unitIndex)
        .member("filterIndex", choices.filterIndex)
        .end();
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

// Two stored masks as the program uses them (UsablePrefixMask,
// UsableUnitMask): { prefixMask, unitMask }. Null when the memory ran out.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_usable_masks(const char* prefixMask, size_t prefixMaskSize,
                                                      const char* unitMask, size_t unitMaskSize) {
  return Guarded([&] {
    Json json(lastText);
    WriteMasks(json, tamrisk::UsablePrefixMask(View(prefixMask, prefixMaskSize)),
               tamrisk::UsableUnitMask(View(unitMask, unitMaskSize)));
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

// The masks from the customisation's boxes 1..100: `ticks` holds "1" for
// each ticked box, anything else for the others (MasksFromTicks):
// { prefixMask, unitMask }. Null when the memory ran out.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_masks_from_ticks(const char* ticks, size_t ticksSize) {
  return Guarded([&] {
    std::array<bool, tamrisk::CheckBoxCount> ticked{};
    for (size_t i = 0; i < ticked.size() && i < ticksSize; ++i) ticked[i] = ticks[i] == '1';
    const tamrisk::Masks masks = tamrisk::MasksFromTicks(ticked);
    Json json(lastText);
    WriteMasks(json, masks.prefixMask, masks.unitMask);
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

// What the customisation offers: { prefixes, units } (the 20 prefix and the
// 80 unit texts by position, spare positions empty), unitGrid (the unit box
// grid, rows of unit positions), firstSpareUnitPosition, the default masks
// { defaultPrefixMask, defaultUnitMask }, the entries { noPrefix, noUnit,
// noFilter }, and partnerHintTip, the 組合せ候補 button's tip.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_catalogue() {
  std::vector<std::string_view> prefixes;
  for (const tamrisk::PrefixEntry& p : tamrisk::PrefixCatalogue) prefixes.push_back(p.text);
  const std::vector<std::string_view> units(tamrisk::UnitCatalogue.begin(),
                                            tamrisk::UnitCatalogue.end());
  Json json(lastText);
  json.object().strings("prefixes", prefixes).strings("units", units);
  json.key("unitGrid").array();
  for (const auto& row : tamrisk::UnitBoxGrid) {
    json.array();
    for (int position : row) json.value(position);
    json.end();
  }
  json.end()
      .member("firstSpareUnitPosition", tamrisk::FirstSpareUnitPosition)
      .member("defaultPrefixMask", tamrisk::DefaultPrefixMask)
      .member("defaultUnitMask", tamrisk::DefaultUnitMask)
      .member("noPrefix", tamrisk::NoPrefix)
      .member("noUnit", tamrisk::NoUnit)
      .member("noFilter", tamrisk::NoFilter)
      .member("partnerHintTip", tamrisk::partner_texts::HintTip)
      .end();
  return Returned(lastText);
}

// The explanation of a prefix and a unit for the result box, as it is;
// empty when neither has one. Null when the memory ran out.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_explanation(const char* prefix, size_t prefixSize,
                                                     const char* unit, size_t unitSize) {
  return Guarded([&] {
    lastText = tamrisk::UnitExplanationText(View(prefix, prefixSize), View(unit, unitSize));
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

// The formula list document as it is, built on the first call.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_formula_document() {
  return Returned(tamrisk::FormulaListDocument());
}

// The search in the formula list document: back to the top, or one click of
// the forward (down != 0) or backward button: { position } (the 1-based
// UTF-16 position of the match to select), or, when the selection stays,
// position 0 and the note that says why. Null when the memory ran out.
EMSCRIPTEN_KEEPALIVE void tamrisk_search_reset() { search.reset(); }

EMSCRIPTEN_KEEPALIVE const char* tamrisk_search(int down, const char* keyword, size_t keywordSize) {
  return Guarded([&] {
    const std::u16string k = ToUtf16(View(keyword, keywordSize));
    const auto match = down ? search.searchDown(DocumentUtf16(), k)
                            : search.searchUp(DocumentUtf16(), k);
    Json json(lastText);
    json.object().member("position", match ? match->position : 0);
    if (!match) json.member("note", tamrisk::SearchMissNote(DocumentUtf16(), k, down != 0));
    json.end();
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

// The units that parameter `parameter` (1 or 2) may take beside the other
// parameter's unit `otherUnit`, under the result-unit filter `filter`, in
// catalogue order: [{ unit, formulas, hidden }], hidden when the unit mask
// `unitMask` leaves the unit out. Null when the memory ran out.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_units_beside(int parameter,
                                                      const char* otherUnit, size_t otherUnitSize,
                                                      const char* filter, size_t filterSize,
                                                      const char* unitMask, size_t unitMaskSize) {
  return Guarded([&] {
    Json json(lastText);
    json.array();
    for (const tamrisk::PartnerUnit& u : UnitsFor(parameter, View(otherUnit, otherUnitSize),
                                                  View(filter, filterSize), View(unitMask, unitMaskSize))) {
      json.object()
          .member("unit", tamrisk::UnitTexts[u.unit])
          .member("formulas", u.formulas)
          .member("hidden", u.hidden)
          .end();
    }
    json.end();
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

// 組合せ候補 for the units `unit1` and `unit2` and the filter `filter`, with
// the unit mask `unitMask`, after a calculation that no formula answered
// (noFormula != 0) or not: { popup: { heading, columns: [parameter 1's,
// parameter 2's], focusParameter }, note }, each column { parameter,
// title, items: [{ unit, text, hidden }], empty } (PartnerPopupFor,
// PartnerNote). Null when the memory ran out.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_partner_hint(const char* unit1, size_t unit1Size,
                                                      const char* unit2, size_t unit2Size,
                                                      const char* filter, size_t filterSize,
                                                      const char* unitMask, size_t unitMaskSize,
                                                      int noFormula) {
  return Guarded([&] {
    const std::string_view u1 = View(unit1, unit1Size);
    const std::string_view u2 = View(unit2, unit2Size);
    const std::string_view f = View(filter, filterSize);
    const std::string_view mask = View(unitMask, unitMaskSize);
    const std::vector<tamrisk::PartnerUnit> forUnit1 = UnitsFor(1, u2, f, mask);
    const std::vector<tamrisk::PartnerUnit> forUnit2 = UnitsFor(2, u1, f, mask);
    const tamrisk::PartnerSituation situation{u1, u2, f, forUnit1, forUnit2, noFormula != 0};
    const tamrisk::PartnerPopupTexts popup = tamrisk::PartnerPopupFor(situation);
    Json json(lastText);
    json.object().key("popup").object().member("heading", popup.heading);
    json.key("columns").array();
    WriteColumn(json, popup.column1);
    WriteColumn(json, popup.column2);
    json.end().member("focusParameter", popup.focusParameter).end();
    json.member("note", tamrisk::PartnerNote(situation)).end();
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

// Before the unit `unit`, which the lists hide, is shown and set for
// parameter `parameter`: { question, yes, no } (the question and its two
// answers) and unitMask, the unit mask `unitMask` with the unit shown; null
// (the JSON text) for a text that is no catalogue unit. Null when the
// memory ran out.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_show_unit(int parameter, const char* unit, size_t unitSize,
                                                   const char* unitMask, size_t unitMaskSize) {
  return Guarded([&] {
    const auto question = tamrisk::AskToShowUnit(parameter, View(unit, unitSize));
    if (!question) {
      lastText = "null";
    } else {
      Json(lastText).object()
          .member("question", question->text)
          .member("yes", question->yes)
          .member("no", question->no)
          .member("unitMask", tamrisk::UnitMaskShowing(View(unitMask, unitMaskSize), question->position))
          .end();
    }
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

}  // extern "C"

// The kept calculations (engine/history.h) and the address of a
// calculation (engine/link.h). The page keeps the record format's whole
// text in the browser's storage and hands it in.

namespace {

tamrisk::RunInput InputFrom(const char* const* texts, const size_t* sizes) {
  tamrisk::RunInput input;
  std::string* fields[] = {&input.param1, &input.subUnit1, &input.unit1, &input.param2,
                           &input.subUnit2, &input.unit2, &input.unit3};
  for (size_t i = 0; i < 7; ++i) fields[i]->assign(texts[i], sizes[i]);
  return input;
}

void WriteInputs(Json& json, const tamrisk::RunInput& input) {
  json.key("fields").array()
      .value(input.param1).value(input.subUnit1).value(input.unit1)
      .value(input.param2).value(input.subUnit2).value(input.unit2).value(input.unit3)
      .end();
}

}  // namespace

extern "C" {

// The entries of a stored text, latest first: { entries: [{ fields (the
// seven texts), time, result }], damaged (the count of lines that could
// not be read), limit }. Null when the memory ran out.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_history_read(const char* text, size_t textSize) {
  return Guarded([&] {
    const tamrisk::HistoryRead read = tamrisk::ParseHistory(View(text, textSize));
    Json json(lastText);
    json.object().key("entries").array();
    for (auto it = read.entries.rbegin(); it != read.entries.rend(); ++it) {
      json.object();
      WriteInputs(json, it->input);
      json.member("time", it->time).member("result", it->result).end();
    }
    json.end()
        .member("damaged", static_cast<int>(read.damaged.size()))
        .member("limit", static_cast<int>(tamrisk::MaxHistoryEntries))
        .end();
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

// A stored text with one calculation added as the latest (the seven inputs,
// the time, the whole result text): { text, added }; added is false when it
// repeated the latest entry. Lines that could not be read are left out.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_history_add(
    const char* text, size_t textSize, const char* p1, size_t p1Size, const char* m1, size_t m1Size,
    const char* u1, size_t u1Size, const char* p2, size_t p2Size, const char* m2, size_t m2Size,
    const char* u2, size_t u2Size, const char* f, size_t fSize, const char* time, size_t timeSize,
    const char* output, size_t outputSize) {
  return Guarded([&] {
    tamrisk::HistoryRead read = tamrisk::ParseHistory(View(text, textSize));
    const char* texts[] = {p1, m1, u1, p2, m2, u2, f};
    const size_t sizes[] = {p1Size, m1Size, u1Size, p2Size, m2Size, u2Size, fSize};
    tamrisk::HistoryEntry entry;
    entry.input = InputFrom(texts, sizes);
    entry.time.assign(time, timeSize);
    entry.result = tamrisk::FirstResultLine(View(output, outputSize));
    const bool added = tamrisk::AddToHistory(read.entries, std::move(entry));
    Json(lastText).object()
        .member("text", tamrisk::SerializeHistory(read.entries))
        .member("added", added)
        .end();
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

// A stored text without the entry `latest` places before the latest (0 the
// latest itself), as the text to store.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_history_remove(const char* text, size_t textSize,
                                                        int latest) {
  return Guarded([&] {
    tamrisk::HistoryRead read = tamrisk::ParseHistory(View(text, textSize));
    if (latest >= 0 && static_cast<size_t>(latest) < read.entries.size())
      tamrisk::RemoveFromHistory(read.entries, read.entries.size() - 1 - static_cast<size_t>(latest));
    lastText = tamrisk::SerializeHistory(read.entries);
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

// The fragment of the page's address for the seven inputs, without "#".
EMSCRIPTEN_KEEPALIVE const char* tamrisk_link_encode(
    const char* p1, size_t p1Size, const char* m1, size_t m1Size, const char* u1, size_t u1Size,
    const char* p2, size_t p2Size, const char* m2, size_t m2Size, const char* u2, size_t u2Size,
    const char* f, size_t fSize) {
  return Guarded([&] {
    const char* texts[] = {p1, m1, u1, p2, m2, u2, f};
    const size_t sizes[] = {p1Size, m1Size, u1Size, p2Size, m2Size, u2Size, fSize};
    lastText = tamrisk::EncodeLink(InputFrom(texts, sizes));
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

// The inputs a fragment carries: { fields } (the seven texts), or
// { reason } (one line that says why nothing is filled), or {} when there
// is no fragment.
EMSCRIPTEN_KEEPALIVE const char* tamrisk_link_decode(const char* fragment, size_t fragmentSize) {
  return Guarded([&] {
    const tamrisk::LinkRead read = tamrisk::DecodeLink(View(fragment, fragmentSize));
    Json json(lastText);
    json.object();
    if (read.input) WriteInputs(json, *read.input);
    if (!read.reason.empty()) json.member("reason", read.reason);
    json.end();
    return Returned(lastText);
  }, static_cast<const char*>(nullptr));
}

}  // extern "C"
