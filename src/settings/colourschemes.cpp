#include "settings/colourschemes.h"

#include <algorithm>

namespace qarnivo {

ColourScheme GridColourScheme(int index, const QPalette &windowPalette)
{
    const QColor highlightedText = windowPalette.color(QPalette::HighlightedText);
    switch (index) {
    case 1:
        return {highlightedText, QColor(0, 0, 128)};
    case 2:
        return {QColor(0, 128, 0), QColor(255, 255, 255)};
    case 3:
        return {QColor(255, 192, 192), QColor(0, 0, 0)};
    case 4:
        return {QColor(0, 0, 0), highlightedText};
    case 5:
        return {QColor(0, 0, 192), QColor(255, 255, 0)};
    default:
        return {windowPalette.color(QPalette::Window), QColor(0, 0, 255)};
    }
}

ColourScheme SampleColours(int index, const QPalette &windowPalette)
{
    ColourScheme sample = GridColourScheme(index, windowPalette);
    if (index == 0)
        sample.back = QColor();
    else if (index == 1)
        sample.back = Qt::white;
    else if (index == 4)
        sample.text = Qt::white;
    return sample;
}

qint16 AddCorrection(qint16 correction, int step)
{
    return static_cast<qint16>(std::clamp(correction + step, -32768, 32767));
}

} // namespace qarnivo
