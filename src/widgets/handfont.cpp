#include "widgets/handfont.h"

#include <QStringList>

namespace qarnivo {

QFont HandFont(qreal pointSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                                 QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

} // namespace qarnivo
