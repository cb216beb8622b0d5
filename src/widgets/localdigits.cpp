#include "widgets/localdigits.h"

#include <QLocale>

namespace qarnivo {

QString LocalDigits(const QString &text)
{
    const QString zero = QLocale().zeroDigit();
    if (zero.size() != 1 || zero == QLatin1String("0"))
        return text;
    QString shown = text;
    for (QChar &c : shown) {
        if (c >= u'0' && c <= u'9')
            c = QChar(zero.at(0).unicode() + (c.unicode() - u'0'));
    }
    return shown;
}

QString LocalNumber(qint64 number)
{
    return LocalDigits(QString::number(number));
}

} // namespace qarnivo
