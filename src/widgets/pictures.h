#pragma once

// The pictures and the font compiled into the program (resources/pictures,
// resources/icons, resources/fonts; drawn by tools/pictures and
// tools/font). Every picture has a transparent ground except the world map.
// The small pictures also exist at twice the size (name@2x.png), which the
// loaders below return, so that a picture shown larger than its design (a
// high-density screen, a large desktop face) is drawn down from the larger
// copy, never blown up; sizes are logical pixels.

#include <QIcon>
#include <QPixmap>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QStringList>

namespace qarnivo {

// The family name of the Arabic-numeral font: "Tarvelonix". It draws the
// ASCII digits 0-9 as Arabic-Indic digits and every other character as
// Latin, so text in it keeps plain ASCII digits.
QString ArabicNumeralFamily();

// Adds the compiled-in fonts (Tarvelonix regular and bold) to the
// application's fonts. Call once, after the application object exists and
// before the windows are built. Returns the families added: {"Tarvelonix"},
// or an empty list when the fonts could not be read.
QStringList RegisterBundledFonts();

// A transparent picture of `logical` size with room for every device pixel
// of a screen of `devicePixelRatio`, to be painted in logical coordinates.
QPixmap BlankPicture(const QSize &logical, qreal devicePixelRatio);

// `picture` fitted into `logical` (its proportions kept) and scaled once to
// the device pixels it will cover, so a widget shows it without scaling it
// again.
QPixmap FittedPicture(const QPixmap &picture, const QSize &logical, qreal devicePixelRatio);

namespace pictures {

// Image1 (1..12): the Hijri month's name in Urdu Nastaliq, 160 x 60.
// A null pixmap for any other month.
QPixmap MonthNamePicture(int month);
inline constexpr QSize kMonthNameSize{160, 60};

// Image2 (0..6): the weekday's name in Urdu for grid column 0 (Sunday) to 6
// (Saturday), 80 x 36, to fit a header cell. A null pixmap for any other
// column.
QPixmap WeekDayPicture(int column);
// The same in Arabic (الأحد ... السبت), drawn alike in Noto Naskh Arabic.
QPixmap ArabicWeekDayPicture(int column);
inline constexpr QSize kWeekDaySize{80, 36};

// The stacked decorations. Image4 (1..3) are three looks of one
// eight-pointed star; stack them with member 2 on top, then 1, then 3:
// moving over the stack hides 2 and shows the lit look 1, pressing hides 1
// and shows the pressed look 3 (which also decorates the day grid). Image6
// (0, 1) are two looks of a rosette; stack member 1 (resting) over member 0
// (lit): moving over hides 1, pressing hides 0. All are 60 x 60; a member
// outside its array gives a null pixmap.
enum class DecorationSet { Image4, Image6 };
QPixmap DecorationPicture(DecorationSet set, int member);
inline constexpr QSize kDecorationSize{60, 60};

// Image8: the invocation "Bismillah" in Arabic between two gold stars,
// 360 x 80.
QPixmap InvocationPicture();
inline constexpr QSize kInvocationSize{360, 80};

// Picture2: a frieze of stars between gold rules, 800 x 56, transparent so
// that the banner's back colour shows through.
QPixmap BannerPicture();
inline constexpr QSize kBannerSize{800, 56};

// The application icon: a calendar page with a crescent and star, at 16,
// 32, 48, 64, 128 and 256 pixels.
QIcon ApplicationIcon();

// The world time-zone map of the map window: land and country borders in
// the 25 hour zones of GMT (-12 .. +12), zone numbers above, a legend below.
// Its logical size is 626 x 306; it is stored at twice that, and scaled
// down here for a screen of a lower pixel ratio.
inline constexpr QSize kWorldGmtMapSize{626, 306};
QPixmap WorldGmtMap(qreal devicePixelRatio = 1.0);

// Where a place lies on the world map, in its logical pixels (latitude in
// degrees north, longitude in degrees east; the map spans 84° N to 73° S).
QPointF WorldGmtMapPosition(double latitude, double longitudeEast);

} // namespace pictures
} // namespace qarnivo
