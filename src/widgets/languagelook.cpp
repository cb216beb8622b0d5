#include "widgets/languagelook.h"

#include <QApplication>
#include <QFont>

namespace qarnivo {

void ApplyLanguageLook(Language language, const QStringList &installedFamilies)
{
    QApplication::setLayoutDirection(IsRightToLeft(language) ? Qt::RightToLeft : Qt::LeftToRight);
    const QString family = LanguageFontFamily(language, installedFamilies);
    if (family.isEmpty())
        return;
    QFont font = QApplication::font();
    font.setFamily(family);
    QApplication::setFont(font);
}

} // namespace qarnivo
