#pragma once

// The main window's fixed layout, from its design in twips at 15 twips a
// pixel. The calendar fills the short view; the right-hand column is seen
// only in the full view.

namespace qarnivo::layout {

inline constexpr int kFullWidth = 11970 / 15;
inline constexpr int kShortWidth = 8840 / 15;
inline constexpr int kShortHeight = 8700 / 15;
inline constexpr int kHeaderRowHeight = (550 + 7) / 15;
inline constexpr int kDayRowHeight = (1000 + 7) / 15;
inline constexpr int kTopRowHeight = 44;
inline constexpr int kGridTop = kTopRowHeight + 6;
inline constexpr int kSideLeft = kShortWidth + 6;
inline constexpr int kSideWidth = kFullWidth - kSideLeft - 8;

} // namespace qarnivo::layout
