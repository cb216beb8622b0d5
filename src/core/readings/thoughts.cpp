#include "core/readings/thoughts.h"

#include "core/calendar/names.h"
#include "core/files/textfile.h"
#include "core/readings/recordfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace qarnivo {

namespace {

const QString kFullTipsName = QStringLiteral("FullTips.txt");

ThoughtTableRead failed(const QString &reason)
{
    return {DateTable{}, reason};
}

// Exactly one non-empty reading for every cell of months 1..12, days 1..30.
ThoughtTableRead tableFromRecords(const QList<Record> &records)
{
    static const QRegularExpression keyForm(QStringLiteral("^(\\d{1,2}) (\\d{1,2})$"));
    DateTable table;
    for (const Record &record : records) {
        const QRegularExpressionMatch match = keyForm.match(record.key);
        const int month = match.hasMatch() ? match.captured(1).toInt() : 0;
        const int day = match.hasMatch() ? match.captured(2).toInt() : 0;
        if (!DateTable::holds(month, day))
            return failed(
                QCoreApplication::translate("Readings", "[%1] names no Hijri month and day")
                    .arg(record.key));
        if (!table.at(month, day).isEmpty())
            return failed(
                QCoreApplication::translate("Readings", "[%1] is given twice").arg(record.key));
        if (record.text.trimmed().isEmpty())
            return failed(
                QCoreApplication::translate("Readings", "[%1] has no reading").arg(record.key));
        table.set(month, day, record.text);
    }
    const int expected = DateTable::kLastMonth * DateTable::kLastDay;
    if (table.filledCount() != expected) {
        return failed(QCoreApplication::translate("Readings", "%1 readings instead of %2")
                          .arg(table.filledCount())
                          .arg(expected));
    }
    return {table, {}};
}

} // namespace

ThoughtTableRead ParseThoughtTable(const QString &fileText)
{
    const RecordFileRead file = ParseRecordFile(fileText);
    if (!file.error.isEmpty())
        return failed(file.error);
    return tableFromRecords(file.records);
}

ThoughtTableRead ReadThoughtTable(const QString &path)
{
    const RecordFileRead file = ReadRecordFile(path);
    if (!file.error.isEmpty())
        return failed(file.error);
    ThoughtTableRead result = tableFromRecords(file.records);
    if (!result.error.isEmpty())
        result.error = path + QStringLiteral(", ") + result.error;
    return result;
}

DateTable BuildThoughtTable()
{
    return ReadThoughtTable().table;
}

QString FullTipsPath(const QString &applicationFolder)
{
    return QDir(applicationFolder).filePath(kFullTipsName);
}

QString PrintTipsQuestion(const QString &applicationFolder)
{
    return QCoreApplication::translate("Readings",
                                       "All Tips (Thoughts of the Day) may be printed in a text "
                                       "file %1. Would you like to create a text file of these "
                                       "Tips?")
        .arg(QDir::toNativeSeparators(FullTipsPath(applicationFolder)));
}

QString PrintTipsDoneText()
{
    return QCoreApplication::translate("Readings", "DONE! FILE CREATED SUCCESSFULLY (117 kB)");
}

QString PrintTipsFailedText(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("Readings", "The file %1 could not be created.\r\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QStringList FullTipsLines(const DateTable &thoughts, const NameTables &names)
{
    QStringList lines{
        QCoreApplication::translate("Readings", "BISME ALLAH - AR-RAHMAN - AR-RAHEEM"), QString()};
    for (int month = 1; month <= DateTable::kLastMonth; ++month) {
        lines.append(QCoreApplication::translate("Readings", "MONTH: %1")
                         .arg(names.HMonthName[month].toUpper()));
        for (int day = 1; day <= DateTable::kLastDay; ++day) {
            QStringList reading = thoughts.at(month, day).split(QStringLiteral("\r\n"));
            reading.first().prepend(
                QCoreApplication::translate("Readings", "Day - %1: ").arg(ShownNumber(day)));
            lines.append(reading);
            lines.append(QString());
        }
    }
    return lines;
}

} // namespace qarnivo
