#include "core/language/digits.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTime>

namespace qarnivo {

QString AsciiDigits(const QString &text)
{
    QString ascii;
    ascii.reserve(text.size());
    for (const QChar letter : text) {
        const char16_t code = letter.unicode();
        if (code >= 0x0660 && code <= 0x0669)
            ascii += QChar(u'0' + (code - 0x0660));
        else if (code >= 0x06F0 && code <= 0x06F9)
            ascii += QChar(u'0' + (code - 0x06F0));
        else if (code == 0x066B)
            ascii += u'.';
        else if (code == 0x2212)
            ascii += u'-';
        else if (code != 0x061C && code != 0x200E && code != 0x200F)
            ascii += letter;
    }
    return ascii;
}

QString ShownDigits(const QString &ascii)
{
    const QString zero = QLocale().zeroDigit();
    if (zero == u"0")
        return ascii;
    QString shown;
    for (const QChar letter : ascii) {
        if (letter.isDigit() && letter.unicode() < 0x80)
            shown += QChar(zero.at(0).unicode() + (letter.unicode() - u'0'));
        else
            shown += letter;
    }
    return shown;
}

QString LocalClockText(const QTime &time)
{
    const QLocale locale;
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QStringLiteral(" t")).remove(u't');
    QString text = locale.toString(time, format.trimmed());
    const QString half = time.hour() < 12 ? locale.amText() : locale.pmText();
    if (!half.isEmpty())
        text.replace(half, time.hour() < 12 ? QCoreApplication::translate("Prayer", "AM")
                                            : QCoreApplication::translate("Prayer", "PM"));
    return text;
}

} // namespace qarnivo
