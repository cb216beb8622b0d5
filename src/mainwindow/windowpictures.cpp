#include "mainwindow/windowpictures.h"

#include <QPainter>

#include <array>

namespace qarnivo {

namespace {

QPixmap textPicture(const QString &text, const QSize &size, int pointSize, const QColor &colour)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"), pointSize, QFont::Bold);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(picture.rect(), Qt::AlignCenter, text);
    return picture;
}

} // namespace

QPixmap WeekDayPicture(int column)
{
    static const std::array<QString, 7> names = {QStringLiteral("اتوار"),  QStringLiteral("پیر"),
                                                 QStringLiteral("منگل"),   QStringLiteral("بدھ"),
                                                 QStringLiteral("جمعرات"), QStringLiteral("جمعہ"),
                                                 QStringLiteral("ہفتہ")};
    return textPicture(names.at(column), QSize(72, 32), 13, QColor(0, 64, 128));
}

QPixmap MonthNamePicture(int month)
{
    static const std::array<QString, 12> names = {
        QStringLiteral("مُحَرَّم"),         QStringLiteral("صَفَر"),
        QStringLiteral("رَبِيع الأوّل"),   QStringLiteral("رَبِيع الآخِر"),
        QStringLiteral("جُمَادَى الأولى"), QStringLiteral("جُمَادَى الآخِرة"),
        QStringLiteral("رَجَب"),          QStringLiteral("شَعْبَان"),
        QStringLiteral("رَمَضَان"),        QStringLiteral("شَوَّال"),
        QStringLiteral("ذُو القَعْدَة"),    QStringLiteral("ذُو الحِجَّة")};
    return textPicture(names.at(month - 1), QSize(150, 40), 16, QColor(0, 96, 0));
}

QPixmap GridOrnament()
{
    QPixmap picture(40, 40);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 110, 80), 2));
    painter.setBrush(QColor(200, 235, 215));
    painter.drawRect(QRectF(10, 10, 20, 20));
    painter.translate(20, 20);
    painter.rotate(45);
    painter.drawRect(QRectF(-10, -10, 20, 20));
    return picture;
}

} // namespace qarnivo
