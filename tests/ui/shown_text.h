// What a label or a tooltip shows of its text: Qt reads a text as markup
// when its format says so or, in the automatic format (a tooltip's always),
// when Qt::mightBeRichText finds markup in its first line.
#pragma once

#include <QString>
#include <QTextDocument>

namespace tamrisk::testing {

inline QString ShownText(const QString& text, Qt::TextFormat format = Qt::AutoText) {
  const bool markup = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
  if (!markup) return text;
  QTextDocument document;
  document.setHtml(text);
  return document.toPlainText();
}

}  // namespace tamrisk::testing
