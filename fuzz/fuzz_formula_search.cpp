// The formula list search: a document and a sequence of clicks on the two
// search buttons, each with a keyword. The fast search selects exactly what
// the one-position-at-a-time walk selects, click after click.
//
// Input (UTF-8): the document, then for each click a U+0001, "d" or "u" for
// down or up, and the keyword.
#include <cstddef>
#include <cstdint>

#include <QString>
#include <QStringList>

#include "fuzz/fuzz_support.h"
#include "tests/ui/stepwise_search.h"
#include "ui/formula_search.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;  // the walk is quadratic; small inputs find the faults
  const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data),
                                          static_cast<qsizetype>(size));
  const QStringList parts = input.split(QChar(1));
  const QString& document = parts.front();
  tamrisk::FormulaSearch search(document);
  tamrisk::testing::StepwiseSearch walk{document};
  for (qsizetype i = 1; i < parts.size() && i <= 32; ++i) {
    const bool down = !parts[i].startsWith(u'u');
    const QString keyword = parts[i].mid(1);
    const auto fast = down ? search.searchDown(keyword) : search.searchUp(keyword);
    const auto slow = down ? walk.down(keyword) : walk.up(keyword);
    tamrisk::fuzz::Check(fast.has_value() == slow.has_value() &&
                             (!fast || fast->position == *slow),
                         "the search selects what the stepwise walk selects",
                         keyword.toStdString());
    tamrisk::fuzz::Check(search.searchPos() == walk.searchPos &&
                             search.lastMatchPos() == walk.lastMatchPos,
                         "the search stands where the walk stands");
  }
  return 0;
}
