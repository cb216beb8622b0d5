#pragma once

// Windows that fit the screen they open on, and come back where they were.
// The arithmetic is in core/placement/windowfit.h.

#include <QSize>
#include <QString>

class QWidget;

namespace qarnivo {

// A scroll area filling `window` (after its menu bar, if `window` has a box
// layout already) and the widget inside it that takes the window's
// controls: on a screen smaller than the design they scroll, not get cut.
QWidget *ScrollingContents(QWidget *window);

// Sizes `window`, not yet shown, to `wanted` within the free area of its
// screen, centred there, and never smaller than `minimum` or the screen.
void FitToScreen(QWidget *window, const QSize &wanted, const QSize &minimum);

// saveGeometry()'s record of `window` as stored text, and its restoring from
// such text when the frame it gives still lies on a screen; false (the
// window left as it was) otherwise, garbage included.
QString StoredGeometry(const QWidget *window);
bool RestoreStoredGeometry(QWidget *window, const QString &text);
// The same for a position alone, "x y".
bool MoveToStoredPosition(QWidget *window, const QString &text);

} // namespace qarnivo
