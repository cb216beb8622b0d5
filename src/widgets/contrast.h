#pragma once

// Text that stays readable on any desktop palette. The program's texts have
// colours of their own (a green month caption, blue day numbers) drawn on
// the desktop's window colour; on a dark desktop those colours are moved
// toward white, on a light one toward black, just far enough to be read.

#include <QColor>
#include <QString>

namespace qarnivo {

// Contrast the eye needs: small text, and large or bold emphasis such as
// the day numbers and the pointer's feedback.
inline constexpr double kSmallTextContrast = 4.5;
inline constexpr double kLargeTextContrast = 3.0;

// The contrast ratio of two colours, 1 (same) to 21 (black on white), from
// their relative luminance as the WCAG defines it.
double ContrastRatio(const QColor &first, const QColor &second);

// `text` itself when it reaches `minimum` against `background`; otherwise
// `text` mixed toward white (dark background) or black (light background)
// until it does.
QColor ReadableColour(const QColor &text, const QColor &background, double minimum);

// The style-sheet rule "color: rgb(r, g, b);" for `colour`.
QString TextColourRule(const QColor &colour);

} // namespace qarnivo
