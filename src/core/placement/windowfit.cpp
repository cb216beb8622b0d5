#include "core/placement/windowfit.h"

#include <QDataStream>
#include <QRegularExpression>

#include <algorithm>

namespace qarnivo {

namespace {

// The mark that opens every record of QWidget::saveGeometry().
constexpr quint32 kGeometryMagic = 0x1D9D0CB;

} // namespace

WindowFit FitWindow(const QSize &wanted, const QSize &minimum, const QRect &available)
{
    const QSize room = available.size().expandedTo(QSize(1, 1));
    const QSize least = minimum.boundedTo(room);
    const QSize size = wanted.expandedTo(least).boundedTo(room);
    const QPoint offset((room.width() - size.width()) / 2, (room.height() - size.height()) / 2);
    return {QRect(available.topLeft() + offset, size), least,
            minimum.width() > room.width() || minimum.height() > room.height()};
}

bool FitsAScreen(const QRect &frame, const QList<QRect> &screens)
{
    return frame.isValid() && std::any_of(screens.cbegin(), screens.cend(),
                                          [&](const QRect &s) { return s.contains(frame); });
}

QString PositionText(const QPoint &position)
{
    return QStringLiteral("%1 %2").arg(position.x()).arg(position.y());
}

std::optional<QPoint> PositionFromText(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(-?\\d{1,6})\\s+(-?\\d{1,6})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return QPoint(match.captured(1).toInt(), match.captured(2).toInt());
}

QString GeometryText(const QByteArray &saved)
{
    return QString::fromLatin1(saved.toBase64());
}

QByteArray GeometryFromText(const QString &text)
{
    const auto decoded = QByteArray::fromBase64Encoding(text.trimmed().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

std::optional<QRect> SavedFrame(const QByteArray &saved)
{
    QDataStream stream(saved);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    QRect frame;
    stream >> magic >> major >> minor >> frame;
    if (stream.status() != QDataStream::Ok || magic != kGeometryMagic || major < 1 || major > 3 ||
        !frame.isValid())
        return std::nullopt;
    return frame;
}

} // namespace qarnivo
