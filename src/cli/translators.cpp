#include "cli/translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace qarnivo {

namespace {

// A translation file found in the first of `folders` that holds it, installed
// and owned by the application; false when none does.
bool installTranslation(const QString &name, const QStringList &folders)
{
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    for (const QString &folder : folders) {
        if (translator->load(name, folder))
            return QCoreApplication::installTranslator(translator.release());
    }
    return false;
}

} // namespace

void InstallLanguage(Language language)
{
    QLocale::setDefault(NumberLocale(language));
    const QString code = LanguageCode(language);
    if (code.isEmpty())
        return;
    const QString embedded = QStringLiteral(":/translations");
    installTranslation(QStringLiteral("qarnivo_") + code, {embedded});
    // Debian ships Qt's Arabic; the program carries the Urdu Qt lacks.
    installTranslation(QStringLiteral("qtbase_") + code,
                       {QLibraryInfo::path(QLibraryInfo::TranslationsPath), embedded});
}

} // namespace qarnivo
