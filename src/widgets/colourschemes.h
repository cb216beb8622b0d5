#pragma once

#include <QColor>
#include <QPalette>

namespace qarnivo {

// The six colour schemes of the month grid: its back colour (also that of
// the frame around it) and its text colour. Some take colours of the
// desktop, so they are worked out against the window's palette.
inline constexpr int kColourSchemeCount = 6;

struct ColourScheme {
    QColor back;
    QColor text;
};

ColourScheme GridColourScheme(int index, const QPalette &windowPalette);

// The colours of the scheme's sample "F"; an invalid back colour keeps the
// label's own background.
ColourScheme SampleColours(int index, const QPalette &windowPalette);

// The step in days that the correction list's entry at `position` means.
inline int CorrectionStep(int position)
{
    return position - 2;
}

// The correction after one more step, kept within 16 bits.
qint16 AddCorrection(qint16 correction, int step);

} // namespace qarnivo
