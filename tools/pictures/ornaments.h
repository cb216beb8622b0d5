#pragma once

#include "picture.h"

#include <QList>
#include <QPolygonF>

namespace picturegen {

// A star polygon with the given number of points, alternating between the
// outer and the inner radius, its first point straight up.
QPolygonF StarPolygon(const QPointF &centre, int points, qreal outer, qreal inner);

// A small gold eight-pointed star, used beside texts and in the banner.
void DrawSmallStar(QPainter &painter, const QPointF &centre, qreal radius);

// Image4 (1..3), 60 x 60: an eight-pointed star of two interlaced squares.
// Member 2 is the resting look, member 1 the look under the pointer (lit,
// with a gold glow), member 3 the pressed look (darker, set in by a pixel).
QList<Picture> StarOrnamentPictures();

// Image6 (0, 1), 60 x 60: a twelve-pointed star rosette in a gold ring. Member 1 is
// the resting look (lapis on cream), member 0 the look under the pointer
// (gold on lapis).
QList<Picture> RosetteOrnamentPictures();

// Picture2: a frieze of eight-pointed stars between gold rules, 800 x 56,
// transparent so that the banner's back colour shows through.
Picture BannerPicture();

} // namespace picturegen
