#include "textpictures.h"

#include "ornaments.h"
#include "palette.h"
#include "shapedtext.h"

#include <QStringList>

#include <algorithm>

namespace picturegen {

namespace {

// Urdu spellings, with the Urdu letters ی (farsi yeh), ک (keheh), گ, ھ and ہ.
const QStringList &UrduMonthNames()
{
    static const QStringList names = {
        QStringLiteral("محرم الحرام"),   QStringLiteral("صفر المظفر"),
        QStringLiteral("ربیع الاول"),    QStringLiteral("ربیع الآخر"),
        QStringLiteral("جمادی الاول"),   QStringLiteral("جمادی الآخر"),
        QStringLiteral("رجب المرجب"),    QStringLiteral("شعبان المعظم"),
        QStringLiteral("رمضان المبارک"), QStringLiteral("شوال المکرم"),
        QStringLiteral("ذوالقعدہ"),      QStringLiteral("ذوالحجہ"),
    };
    return names;
}

const QStringList &UrduWeekDayNames()
{
    static const QStringList names = {
        QStringLiteral("اتوار"), QStringLiteral("پیر"),    QStringLiteral("منگل"),
        QStringLiteral("بدھ"),   QStringLiteral("جمعرات"), QStringLiteral("جمعہ"),
        QStringLiteral("ہفتہ"),
    };
    return names;
}

const QStringList &ArabicWeekDayNames()
{
    static const QStringList names = {
        QStringLiteral("الأحد"),    QStringLiteral("الاثنين"), QStringLiteral("الثلاثاء"),
        QStringLiteral("الأربعاء"), QStringLiteral("الخميس"),  QStringLiteral("الجمعة"),
        QStringLiteral("السبت"),
    };
    return names;
}

struct TextLook {
    QColor fill;
    QColor outline;
    qreal outlineWidth; // drawn outside the letters, in logical pixels
};

qreal FitScale(const QPainterPath &text, const QSizeF &room)
{
    const QRectF box = text.boundingRect();
    return std::min(room.width() / box.width(), room.height() / box.height());
}

// The scale of each text of a set. Each text is as large as fits into the
// room, but no larger than the median text: a short word is not blown up,
// and only a word with unusually tall letters (Nastaliq's stacked ascenders)
// comes out smaller than the rest.
QList<qreal> SetScales(const QList<QPainterPath> &texts, const QSizeF &room)
{
    QList<qreal> fits;
    for (const QPainterPath &text : texts)
        fits.append(FitScale(text, room));
    QList<qreal> sorted = fits;
    std::sort(sorted.begin(), sorted.end());
    const qreal median = sorted[sorted.size() / 2];
    for (qreal &fit : fits)
        fit = std::min(fit, median);
    return fits;
}

// The text scaled and centred on the centre of the area.
QPainterPath Placed(const QPainterPath &text, qreal scale, const QRectF &area)
{
    QTransform transform;
    transform.translate(area.center().x(), area.center().y());
    transform.scale(scale, scale);
    transform.translate(-text.boundingRect().center().x(), -text.boundingRect().center().y());
    return transform.map(text);
}

void DrawText(QPainter &painter, const QPainterPath &text, const TextLook &look)
{
    painter.setRenderHint(QPainter::Antialiasing);
    if (look.outlineWidth > 0) {
        // A stroke twice as wide, half of it then covered by the fill.
        painter.strokePath(text, QPen(look.outline, 2 * look.outlineWidth, Qt::SolidLine,
                                      Qt::RoundCap, Qt::RoundJoin));
    }
    painter.fillPath(text, look.fill);
}

struct SetNames {
    QString format; // with %1 for the index
    int firstIndex;
    int digits;
};

QList<Picture> TextSet(const QStringList &texts, const QString &family, const SetNames &names,
                       const QSize &size, const QRectF &area, const TextLook &look)
{
    QList<QPainterPath> paths;
    for (const QString &text : texts)
        paths.append(ShapedTextPath(text, family));
    const QList<qreal> scales = SetScales(paths, area.size());

    QList<Picture> pictures;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QPainterPath placed = Placed(paths[i], scales[i], area);
        const QString name =
            names.format.arg(names.firstIndex + i, names.digits, 10, QLatin1Char('0'));
        pictures.append(
            {name, size, [placed, look](QPainter &painter) { DrawText(painter, placed, look); }});
    }
    return pictures;
}

} // namespace

QList<Picture> MonthNamePictures(const ScriptFonts &fonts)
{
    const TextLook look{InkGreen(), LightGold(), 1.2};
    return TextSet(UrduMonthNames(), fonts.urdu, {QStringLiteral("month%1"), 1, 2}, QSize(160, 60),
                   QRectF(5, 4, 150, 52), look);
}

QList<Picture> WeekDayPictures(const ScriptFonts &fonts)
{
    const TextLook look{InkGreen(), LightGold(), 1.0};
    return TextSet(UrduWeekDayNames(), fonts.naskh, {QStringLiteral("weekday%1"), 0, 1},
                   QSize(80, 36), QRectF(3, 2, 74, 32), look);
}

QList<Picture> ArabicWeekDayPictures(const ScriptFonts &fonts)
{
    const TextLook look{InkGreen(), LightGold(), 1.0};
    return TextSet(ArabicWeekDayNames(), fonts.naskh, {QStringLiteral("arabicday%1"), 0, 1},
                   QSize(80, 36), QRectF(3, 2, 74, 32), look);
}

Picture InvocationPicture(const ScriptFonts &fonts)
{
    const QString text = QStringLiteral("بِسْمِ ٱللَّٰهِ ٱلرَّحْمَٰنِ ٱلرَّحِيمِ");
    const QPainterPath path = ShapedTextPath(text, fonts.arabic);
    const QRectF area(40, 6, 280, 68);
    const QPainterPath placed = Placed(path, FitScale(path, area.size()), area);
    const TextLook look{InkGreen(), LightGold(), 1.4};
    return {QStringLiteral("bismillah"), QSize(360, 80), [placed, look](QPainter &painter) {
                DrawText(painter, placed, look);
                DrawSmallStar(painter, QPointF(18, 40), 11);
                DrawSmallStar(painter, QPointF(342, 40), 11);
            }};
}

} // namespace picturegen
