// The formula list viewer's search: the document as the viewer holds it and
// the search state between clicks (engine/document_search.h).
#pragma once

#include <QString>

#include <optional>

#include "engine/document_search.h"

namespace tamrisk {

class FormulaSearch {
 public:
  using Match = DocumentSearch::Match;

  FormulaSearch() = default;
  explicit FormulaSearch(QString document);

  void setDocument(QString document);
  const QString& document() const { return document_; }

  // Back to the top: searchPos and lastMatchPos become 1.
  void reset();

  // One click of the forward button. Compares at searchPos, searchPos + 1,
  // ... up to the last but one position of the document (never at the last
  // position). Returns the match to select, or nothing when the selection is
  // to stay as it is.
  std::optional<Match> searchDown(const QString& keyword);

  // One click of the backward button. Compares at searchPos, searchPos - 1,
  // ... down to position 1.
  std::optional<Match> searchUp(const QString& keyword);

  // Why the last step found nothing (engine/search_note.h): the text occurs
  // nowhere, or not beyond the last match in that direction.
  QString missNote(const QString& keyword, bool down) const;

  int searchPos() const { return search_.searchPos(); }
  int lastMatchPos() const { return search_.lastMatchPos(); }

 private:
  QString document_;
  DocumentSearch search_;
};

}  // namespace tamrisk
