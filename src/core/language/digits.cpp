#include "core/language/digits.h"

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

} // namespace qarnivo
