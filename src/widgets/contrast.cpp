#include "widgets/contrast.h"

#include <algorithm>
#include <cmath>

namespace qarnivo {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](int a, int b) { return qRound(a + (b - a) * share); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

double ContrastRatio(const QColor &first, const QColor &second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ReadableColour(const QColor &text, const QColor &background, double minimum)
{
    if (ContrastRatio(text, background) >= minimum)
        return text;
    // Luminance 0.18 is where white and black stand equally far off.
    const QColor goal = luminance(background) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
    for (int step = 1; step < 20; ++step) {
        const QColor candidate = mixed(text.toRgb(), goal, step / 20.0);
        if (ContrastRatio(candidate, background) >= minimum)
            return candidate;
    }
    return goal;
}

QString TextColourRule(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return QStringLiteral("color: rgb(%1, %2, %3);")
        .arg(rgb.red())
        .arg(rgb.green())
        .arg(rgb.blue());
}

} // namespace qarnivo
