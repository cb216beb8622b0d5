#pragma once

// The windows are laid out in pixels on a design drawn for a bare Debian
// desktop's face, DejaVu Sans 9 pt at 96 dots an inch. A desktop whose face
// is larger or wider scales the whole design by one factor: every box, gap
// and fixed font grows with the text it holds, so nothing is cut and each
// window keeps its proportions. A smaller face keeps the design as drawn.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace qarnivo {

// The text whose width measures a face: the sample the day grid's columns
// were once measured with.
inline constexpr char kLayoutSampleText[] = "ZZZIZZZZZZZZ";

// The design face, DejaVu Sans 9 pt at 96 dots an inch: its sample text is
// 94 pixels wide. Its lines are 14 pixels high, but the design's shallowest
// text box holds a line of 17, so a face with tall line spacing and glyphs
// of the same size (Noto Sans 9 or 10 pt) needs no more room.
inline constexpr qreal kDesignSampleWidth = 94.0;
inline constexpr qreal kDesignLineHeight = 17.0;

// The factor for a face whose sample text is `sampleWidth` pixels wide and
// whose lines are `lineHeight` pixels high: the larger of the two ratios to
// the design face, never below 1. Sizes that cannot be read (zero, negative,
// not a number) count as the design's own.
qreal LayoutFactor(qreal sampleWidth, qreal lineHeight);

class LayoutScale {
public:
    explicit LayoutScale(qreal factor = 1.0) : m_factor(factor) {}
    // The scale for a window whose text is drawn in `font`.
    static LayoutScale ForFont(const QFont &font);

    qreal factor() const { return m_factor; }
    // A length of the design in pixels of this desktop.
    int operator()(int designPixels) const;
    QPoint point(int x, int y) const { return {(*this)(x), (*this)(y)}; }
    QSize size(int width, int height) const { return {(*this)(width), (*this)(height)}; }
    // Both edges are scaled, so boxes that touch in the design still touch
    // and never overlap by a rounding pixel.
    QRect rect(int x, int y, int width, int height) const;
    // `font` at the design's point size scaled for this desktop.
    QFont font(QFont font, qreal designPoints) const;

private:
    qreal m_factor;
};

// `font`, made smaller in quarter points (down to `smallestPoints`) until
// `text`, wrapped at word boundaries, fits `box`.
QFont FontToFit(QFont font, const QString &text, const QSize &box, qreal smallestPoints);

} // namespace qarnivo
