// Text search over the formula list document: the state the viewer keeps
// between clicks of its two search buttons, and the stepping from match to
// match.
//
// Positions are 1-based and count the UTF-16 characters of the document,
// CR and LF each counting as one. The stepping is defined one position at a
// time (compare, then move one character); the scan itself uses a string
// search over the same range, so the result of every click is exactly that
// of the stepwise walk.
#pragma once

#include <QString>

#include <optional>

namespace tamrisk {

class FormulaSearch {
 public:
  struct Match {
    int position;  // 1-based start of the match in the document
    int length;    // length of the search text (0 for an empty text)
  };

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

  int searchPos() const { return searchPos_; }
  int lastMatchPos() const { return lastMatchPos_; }

 private:
  int length() const { return static_cast<int>(document_.size()); }

  QString document_;
  int searchPos_ = 1;
  int lastMatchPos_ = 1;
};

}  // namespace tamrisk
