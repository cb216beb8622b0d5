#include "core/places/offsetlist.h"

#include "core/files/textfile.h"

#include <QLocale>

#include <algorithm>

namespace qarnivo {

QStringList BuiltInCountryOffsets()
{
    return {QStringLiteral("Afghanistan (-4.5)"),
            QStringLiteral("Australia - Brisbane (-10)"),
            QStringLiteral("Australia - Darwin (-9.5)"),
            QStringLiteral("Australia - Melbourne (-10)"),
            QStringLiteral("Australia - Sydney (-10)"),
            QStringLiteral("Austria (-1)"),
            QStringLiteral("Bahamas (5)"),
            QStringLiteral("Bahrain (-4)"),
            QStringLiteral("Bangladesh (-6)"),
            QStringLiteral("Belgium (-1)"),
            QStringLiteral("Bermuda (4)"),
            QStringLiteral("Brunei (-8)"),
            QStringLiteral("Canada (5)"),
            QStringLiteral("Colombia (5)"),
            QStringLiteral("Cyprus (-2)"),
            QStringLiteral("Czechoslovakia (-1)"),
            QStringLiteral("Denmark (-1)"),
            QStringLiteral("Egypt (-2)"),
            QStringLiteral("England (0)"),
            QStringLiteral("Ethopia (-3)"),
            QStringLiteral("Fiji (-12)"),
            QStringLiteral("France (6)"),
            QStringLiteral("Germany (-1)"),
            QStringLiteral("Greece (-2)"),
            QStringLiteral("Guyana (4)"),
            QStringLiteral("Hongkong (-8)"),
            QStringLiteral("Hungary (-1)"),
            QStringLiteral("India (-5.5)"),
            QStringLiteral("Iraq (-3)")};
}

QStringList CountryFileLines(const QString &text)
{
    QString body = text;
    if (body.startsWith(QChar(0xFEFF))) // a byte order mark is not part of a line
        body.remove(0, 1);
    QStringList lines;
    for (const QString &line : SplitLines(body)) {
        if (!line.trimmed().isEmpty())
            lines.append(line);
    }
    return lines;
}

CountryFileRead ReadCountryFile(const QString &path)
{
    const TextFileRead file = ReadTextFile(path);
    switch (file.status) {
    case TextFileRead::Status::Ok:
        break;
    case TextFileRead::Status::NotFound:
        return {CountryFileRead::Status::NotFound, {}};
    case TextFileRead::Status::Unreadable:
    case TextFileRead::Status::TooLarge:
        return {CountryFileRead::Status::Unreadable, {}};
    }
    return {CountryFileRead::Status::Ok, CountryFileLines(file.text)};
}

QStringList CountryOffsetList(const QStringList &fileLines)
{
    QStringList entries = BuiltInCountryOffsets() + fileLines;
    std::stable_sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return entries;
}

QString CountryCountCaption(qsizetype entryCount)
{
    return u'(' + QLocale().toString(entryCount) + u')';
}

} // namespace qarnivo
