#include "core/readings/scripture.h"

#include "core/readings/recordfile.h"

#include <QCoreApplication>
#include <QStringList>

namespace qarnivo {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString passageBlock(const QString &label, const QString &passage)
{
    return label + kCrLf + passage + kCrLf;
}

} // namespace

PassagesRead ReadPassages(const QString &path)
{
    const RecordFileRead file = ReadRecordFile(path);
    if (!file.error.isEmpty())
        return {{}, file.error};
    PassagesRead result;
    for (const Record &record : file.records)
        result.passages.insert(record.key, record.text);
    return result;
}

QString ScripturePassage(int chapter, int verse)
{
    return ReadPassages().passages.value(QStringLiteral("%1:%2").arg(chapter).arg(verse));
}

QString DivineCalendarText(const PassageMap &passages, const QString &webAddress)
{
    const QStringList blocks{
        QCoreApplication::translate("Readings", "divine command to use a (Hijra) calendar")
                .toUpper() +
            kCrLf,
        passageBlock(QCoreApplication::translate("Readings", "Surah II-Al-Baqarah, Ayat: 189:"),
                     passages.value(QStringLiteral("2:189"))),
        passageBlock(QCoreApplication::translate("Readings", "Surah IX-Al-Taubah, Ayat:36:"),
                     passages.value(QStringLiteral("9:36"))),
        passageBlock(QCoreApplication::translate("Readings", "Surah IX-Al-Taubah, Ayat:37:"),
                     passages.value(QStringLiteral("9:37"))),
        QCoreApplication::translate(
            "Readings",
            "For more on the Hijri calendar, visit us at %1\r\n\r\nDOUBLE CLICK TO CLOSE")
            .arg(webAddress),
    };
    QString text;
    for (const QString &block : blocks)
        text += block + kCrLf;
    return text;
}

QString DivineCalendarText(const QString &webAddress)
{
    return DivineCalendarText(ReadPassages().passages, webAddress);
}

QString CalendarFeaturesText()
{
    return QCoreApplication::translate("Readings",
                                       "Please read the Manual File 'Qarnivo User's Manual.pdf' "
                                       "supplied\r\nwith this software for updated features.\r\n");
}

} // namespace qarnivo
