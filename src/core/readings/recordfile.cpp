#include "core/readings/recordfile.h"

#include "core/files/textfile.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace qarnivo {

namespace {

constexpr qint64 kMaxRecordFileBytes = qint64{4} * 1024 * 1024;

QStringList physicalLines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the final line end starts no line
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

QString keyOf(const QString &line)
{
    static const QRegularExpression header(QStringLiteral("^\\[([^\\]]+)\\]$"));
    const QRegularExpressionMatch match = header.match(line);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString lineError(qsizetype index, const QString &what)
{
    return QCoreApplication::translate("Readings", "line %1: %2").arg(index + 1).arg(what);
}

} // namespace

RecordFileRead ParseRecordFile(const QString &text)
{
    RecordFileRead result;
    QStringList body;
    const auto closeRecord = [&result, &body]() {
        if (!result.records.isEmpty())
            result.records.last().text = body.join(QStringLiteral("\r\n"));
        body.clear();
    };

    const QStringList lines = physicalLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const QString key = keyOf(line);
        if (!key.isEmpty()) {
            if (!result.records.isEmpty() && body.isEmpty())
                return {{},
                        lineError(i, QCoreApplication::translate("Readings",
                                                                 "the record before has no text"))};
            closeRecord();
            result.records.append({key, {}});
        } else if (!result.records.isEmpty()) {
            body.append(line);
        } else if (!line.isEmpty() && !line.startsWith(u'#')) {
            return {{},
                    lineError(i, QCoreApplication::translate("Readings",
                                                             "text before the first record"))};
        }
    }
    if (!result.records.isEmpty() && body.isEmpty())
        return {{}, QCoreApplication::translate("Readings", "the last record has no text")};
    closeRecord();
    return result;
}

RecordFileRead ReadRecordFile(const QString &path)
{
    const TextFileRead file = ReadTextFile(path, kMaxRecordFileBytes);
    switch (file.status) {
    case TextFileRead::Status::Ok:
        break;
    case TextFileRead::Status::NotFound:
        return {{}, QCoreApplication::translate("Readings", "%1 is missing").arg(path)};
    case TextFileRead::Status::Unreadable:
        return {{}, QCoreApplication::translate("Readings", "%1 cannot be read").arg(path)};
    case TextFileRead::Status::TooLarge:
        return {{}, QCoreApplication::translate("Readings", "%1 is too large").arg(path)};
    }
    RecordFileRead result = ParseRecordFile(file.text);
    if (!result.error.isEmpty())
        result.error = path + QStringLiteral(", ") + result.error;
    return result;
}

} // namespace qarnivo
