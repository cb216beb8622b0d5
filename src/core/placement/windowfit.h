#pragma once

// Where a window goes on the desktop: its size within the screen's free
// area, and whether a remembered place is still on a screen.

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace qarnivo {

struct WindowFit {
    QRect geometry; // the size to use, centred in the free area
    QSize minimum;  // the smallest size the window may be dragged to
    bool scroll;    // the contents do not fit and must scroll
};

// The window for a design of `wanted` pixels that needs at least `minimum`,
// on a screen whose free area (without panels) is `available`. It never
// grows beyond the free area; when even the minimum is larger, the window
// takes what there is and its contents scroll.
WindowFit FitWindow(const QSize &wanted, const QSize &minimum, const QRect &available);

// Whether `frame` lies wholly within one of the screens' free areas, so that
// the user can reach its title bar and every edge.
bool FitsAScreen(const QRect &frame, const QList<QRect> &screens);

// A window's position as stored, "x y" in pixels of the desktop.
QString PositionText(const QPoint &position);
std::optional<QPoint> PositionFromText(const QString &text);

// saveGeometry()'s record as stored: base64, which holds no character that
// an INI file quotes or splits (no comma, semicolon, quote or backslash).
QString GeometryText(const QByteArray &saved);
QByteArray GeometryFromText(const QString &text);
// The frame a record of saveGeometry() restores, or nothing when the record
// is not one.
std::optional<QRect> SavedFrame(const QByteArray &saved);

} // namespace qarnivo
