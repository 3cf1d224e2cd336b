// Captions shown whole: the windows are placed in twips, and where a caption
// drawn in its font at the screen's resolution needs more room than its
// control was given, the control grows (and what holds it).
#pragma once

#include <QSize>

class QWidget;

namespace tamrisk {

// The size a control needs to show its whole caption: its size hint, less
// the least width a style may give every push button, which is no part of
// the caption. An invalid size for a control without a caption.
QSize CaptionSize(const QWidget* control);

// Grows every captioned label, button and check box inside `window` that is
// too small for its caption: wider to the right, taller about its middle, so
// that it stays in line with its row. A parent that no longer holds a grown
// control grows with it, up to the window, whose fixed or least size follows.
void FitCaptions(QWidget* window);

}  // namespace tamrisk
