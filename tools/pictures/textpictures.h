#pragma once

#include "picture.h"

#include <QList>

namespace picturegen {

// Fonts the text pictures are drawn with, as loaded family names.
struct ScriptFonts {
    QString urdu;   // Noto Nastaliq Urdu
    QString arabic; // Amiri Quran
    QString naskh;  // Noto Naskh Arabic
};

// Image1 (1..12): the Hijri month names in Urdu Nastaliq, 160 x 60.
QList<Picture> MonthNamePictures(const ScriptFonts &fonts);

// Image2 (0..6): the Urdu weekday names, Sunday first, 80 x 36, in Naskh,
// which stays legible at the height of a header cell where Nastaliq would not.
QList<Picture> WeekDayPictures(const ScriptFonts &fonts);
// The Arabic weekday names, Sunday first, alike: the header in Arabic.
QList<Picture> ArabicWeekDayPictures(const ScriptFonts &fonts);

// Image8: the invocation "In the Name of Allah, the Most Gracious, the Most
// Merciful" in Arabic, between two small gold stars, 360 x 80.
Picture InvocationPicture(const ScriptFonts &fonts);

} // namespace picturegen
