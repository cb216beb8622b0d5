#include "widgets/colourschemes.h"

#include "widgets/contrast.h"

#include <algorithm>

namespace qarnivo {

namespace {

ColourScheme designedScheme(int index, const QPalette &windowPalette)
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

} // namespace

// A scheme that takes one of its colours from the desktop keeps its numbers
// readable on any desktop: the text gives way to the ground.
ColourScheme GridColourScheme(int index, const QPalette &windowPalette)
{
    const ColourScheme scheme = designedScheme(index, windowPalette);
    return {scheme.back, ReadableColour(scheme.text, scheme.back, kSmallTextContrast)};
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
    const QColor ground =
        sample.back.isValid() ? sample.back : windowPalette.color(QPalette::Window);
    sample.text = ReadableColour(sample.text, ground, kSmallTextContrast);
    return sample;
}

qint16 AddCorrection(qint16 correction, int step)
{
    return static_cast<qint16>(std::clamp(correction + step, -32768, 32767));
}

} // namespace qarnivo
