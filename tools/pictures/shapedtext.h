#pragma once

#include <QPainterPath>
#include <QString>

namespace picturegen {

// Adds the font file to the application's fonts and returns its family name.
// Ends the program with a message when the file cannot be loaded: a picture
// drawn with a substitute font would be wrong.
QString LoadFontFile(const QString &path);

// The outline of a text as the shaping engine lays it out (joined Arabic
// letters, ligatures, marks placed), in pixels of a 200-pixel font, with
// the baseline at y = 0. Every glyph must come from the named family; a
// glyph taken from a fallback font ends the program.
QPainterPath ShapedTextPath(const QString &text, const QString &family, bool bold = false);

} // namespace picturegen
