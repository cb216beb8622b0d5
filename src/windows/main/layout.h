#pragma once

// The main window's design in pixels, from its drawing in twips at 15 twips
// a pixel; LayoutScale grows it for the desktop's face. The calendar fills
// the short view; the right-hand column is seen only in the full view.

namespace qarnivo::layout {

inline constexpr int kFullWidth = 11970 / 15;
inline constexpr int kShortWidth = 8840 / 15;
// The drawing's height, and below it the line about the new crescent.
inline constexpr int kCrescentLineHeight = 36;
inline constexpr int kShortHeight = 8700 / 15 + kCrescentLineHeight;
inline constexpr int kHeaderRowHeight = (550 + 7) / 15;
inline constexpr int kDayRowHeight = (1000 + 7) / 15;
// Each of the seven columns is as wide as "ZZZIZZZZZZZZ" in the small face
// the window was drawn for: 1200 twips.
inline constexpr int kColumnWidth = 1200 / 15;
// The face of the day numbers, in points.
inline constexpr qreal kDayPoints = 27.75;
inline constexpr int kGridWidth = 7 * kColumnWidth + 2;
inline constexpr int kGridLeft = (kShortWidth - kGridWidth) / 2;
inline constexpr int kTopRowHeight = 44;
inline constexpr int kGridTop = kTopRowHeight + 6;
inline constexpr int kSideLeft = kShortWidth + 6;
inline constexpr int kSideWidth = kFullWidth - kSideLeft - 8;

} // namespace qarnivo::layout
