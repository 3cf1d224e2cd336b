#include "ui/formula_search.h"

#include <utility>

#include "engine/search_note.h"
#include "ui/app_state.h"

namespace tamrisk {

namespace {

std::u16string_view View(const QString& s) {
  return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<size_t>(s.size())};
}

}  // namespace

FormulaSearch::FormulaSearch(QString document) : document_(std::move(document)) {}

void FormulaSearch::setDocument(QString document) {
  document_ = std::move(document);
  reset();
}

void FormulaSearch::reset() { search_.reset(); }

std::optional<FormulaSearch::Match> FormulaSearch::searchDown(const QString& keyword) {
  return search_.searchDown(View(document_), View(keyword));
}

std::optional<FormulaSearch::Match> FormulaSearch::searchUp(const QString& keyword) {
  return search_.searchUp(View(document_), View(keyword));
}

QString FormulaSearch::missNote(const QString& keyword, bool down) const {
  return FromUtf8(SearchMissNote(View(document_), View(keyword), down));
}

}  // namespace tamrisk
