#pragma once

// The windows place their controls at absolute positions from a design
// drawn left to right. In a right-to-left layout (Arabic, Urdu) the design is
// read as in a mirror: each control stands as far from the right edge as the
// design puts it from the left, so the reading order runs from the right.

class QWidget;

namespace qarnivo {

// Mirrors the placed children of `area` when it lays out right to left, and
// keeps them at their distance from its right edge as it resizes. Call once,
// after the children are placed; left to right, nothing changes.
void MirrorForRightToLeft(QWidget *area);

} // namespace qarnivo
