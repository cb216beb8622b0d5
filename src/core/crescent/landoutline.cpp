#include "core/crescent/landoutline.h"

#include <QStringList>

#include <cmath>

namespace qarnivo::crescent {

namespace {

std::optional<QPointF> readPoint(QStringView text)
{
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return std::nullopt;
    bool lonRead = false;
    bool latRead = false;
    const double lon = text.left(comma).toDouble(&lonRead);
    const double lat = text.mid(comma + 1).toDouble(&latRead);
    // Written as "inside" so that NaN is refused.
    if (!lonRead || !latRead || !(std::abs(lon) <= 180) || !(std::abs(lat) <= 90))
        return std::nullopt;
    return QPointF(lon, lat);
}

std::optional<LandRing> readRing(QStringView line)
{
    LandRing ring;
    for (const QStringView pair : line.split(u' ', Qt::SkipEmptyParts)) {
        const std::optional<QPointF> point = readPoint(pair);
        if (!point)
            return std::nullopt;
        ring << *point;
    }
    if (ring.size() < 3)
        return std::nullopt;
    return ring;
}

} // namespace

std::optional<QList<LandRing>> ReadLandOutlines(const QString &text)
{
    QList<LandRing> rings;
    for (const QStringView line : QStringView(text).split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u'#'))
            continue;
        const std::optional<LandRing> ring = readRing(line.trimmed());
        if (!ring)
            return std::nullopt;
        rings << *ring;
    }
    return rings;
}

} // namespace qarnivo::crescent
