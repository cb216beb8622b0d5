#include "widgets/pictures.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPixmapCache>

namespace qarnivo {

namespace {

// The map's frame, the numbers that tools/pictures draws it with: the whole
// width is 360° of longitude from the date line westward round to it, and
// the map begins below an 18-pixel strip of zone numbers, at 84° north.
constexpr double kMapTop = 18;
constexpr double kNorthEdge = 84;
constexpr double kPixelsPerDegree = pictures::kWorldGmtMapSize.width() / 360.0;

// A compiled-in picture, decoded once. On a screen of more than one device
// pixel to the point, its twin drawn at twice the size (name@2x.png) where
// there is one, at the same logical size; elsewhere decoding the twins,
// four times the pixels, was a sixth of the calendar's start.
QPixmap Resource(const QString &path)
{
    QPixmap picture;
    if (QPixmapCache::find(path, &picture))
        return picture;
    QString twin = path;
    twin.insert(twin.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0 && picture.load(twin))
        picture.setDevicePixelRatio(2.0);
    else
        picture.load(path);
    QPixmapCache::insert(path, picture);
    return picture;
}

qreal validRatio(qreal devicePixelRatio)
{
    return devicePixelRatio > 0 ? devicePixelRatio : 1.0;
}

} // namespace

QString ArabicNumeralFamily()
{
    return QStringLiteral("Tarvelonix");
}

QStringList RegisterBundledFonts()
{
    QStringList families;
    for (const QString &file : {QStringLiteral(":/fonts/Tarvelonix.ttf"),
                                QStringLiteral(":/fonts/Tarvelonix-Bold.ttf")}) {
        const int id = QFontDatabase::addApplicationFont(file);
        for (const QString &family : QFontDatabase::applicationFontFamilies(id))
            if (!families.contains(family))
                families.append(family);
    }
    return families;
}

QPixmap BlankPicture(const QSize &logical, qreal devicePixelRatio)
{
    const qreal ratio = validRatio(devicePixelRatio);
    QPixmap picture((QSizeF(logical) * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    return picture;
}

QPixmap FittedPicture(const QPixmap &picture, const QSize &logical, qreal devicePixelRatio)
{
    if (picture.isNull())
        return picture;
    const qreal ratio = validRatio(devicePixelRatio);
    const QSize device = (QSizeF(logical) * ratio).toSize();
    QPixmap fitted = picture.scaled(device, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(ratio);
    return fitted;
}

namespace pictures {

QPixmap MonthNamePicture(int month)
{
    if (month < 1 || month > 12)
        return {};
    return Resource(QStringLiteral(":/pictures/month%1.png").arg(month, 2, 10, QLatin1Char('0')));
}

QPixmap WeekDayPicture(int column)
{
    if (column < 0 || column > 6)
        return {};
    return Resource(QStringLiteral(":/pictures/weekday%1.png").arg(column));
}

QPixmap ArabicWeekDayPicture(int column)
{
    if (column < 0 || column > 6)
        return {};
    return Resource(QStringLiteral(":/pictures/arabicday%1.png").arg(column));
}

QPixmap DecorationPicture(DecorationSet set, int member)
{
    switch (set) {
    case DecorationSet::Image4:
        if (member >= 1 && member <= 3)
            return Resource(QStringLiteral(":/pictures/star%1.png").arg(member));
        break;
    case DecorationSet::Image6:
        if (member == 0 || member == 1)
            return Resource(QStringLiteral(":/pictures/rosette%1.png").arg(member));
        break;
    }
    return {};
}

QPixmap InvocationPicture()
{
    return Resource(QStringLiteral(":/pictures/bismillah.png"));
}

QPixmap BannerPicture()
{
    return Resource(QStringLiteral(":/pictures/banner.png"));
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/qarnivo-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap WorldGmtMap(qreal devicePixelRatio)
{
    const qreal ratio = validRatio(devicePixelRatio);
    QPixmap map(QStringLiteral(":/pictures/worldgmt.png"));
    if (map.isNull())
        return map;
    const QSize wanted = (QSizeF(kWorldGmtMapSize) * ratio).toSize();
    if (map.size() != wanted)
        map = map.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    map.setDevicePixelRatio(ratio);
    return map;
}

QPointF WorldGmtMapPosition(double latitude, double longitudeEast)
{
    return {(longitudeEast + 180) * kPixelsPerDegree,
            kMapTop + (kNorthEdge - latitude) * kPixelsPerDegree};
}

} // namespace pictures
} // namespace qarnivo
