// The country panel's list: CountryFileLines on the text of GMT Offsets.txt
// and CountryOffsetList, which merges and sorts.
// Input: the bytes of GMT Offsets.txt, decoded as the program decodes files.

#include "core/files/textfile.h"
#include "core/places/offsetlist.h"
#include "fuzzsupport.h"

#include <QHash>

using namespace qarnivo;
using namespace qarnivo::fuzz;

namespace {

void CheckLines(const QString &text, const QStringList &lines)
{
    // Each entry is one whole line that is not blank, in file order.
    qsizetype from = 0;
    for (const QString &line : lines) {
        FUZZ_CHECK(!line.trimmed().isEmpty());
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
        const qsizetype at = text.indexOf(line, from);
        FUZZ_CHECK(at >= 0);
        from = at + line.size();
    }
    // Every line that is not blank is an entry.
    qsizetype nonBlank = 0;
    const QString body = text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    for (const QString &line : SplitLines(body))
        nonBlank += line.trimmed().isEmpty() ? 0 : 1;
    FUZZ_CHECK(lines.size() == nonBlank);
}

void CheckMerged(const QStringList &lines)
{
    const QStringList builtIn = BuiltInCountryOffsets();
    FUZZ_CHECK(builtIn.size() == kBuiltInCountryCount);
    const QStringList entries = CountryOffsetList(lines);
    FUZZ_CHECK(entries.size() == kBuiltInCountryCount + lines.size());

    // In order without regard to case ...
    for (qsizetype i = 1; i < entries.size(); ++i) {
        if (QString::compare(entries[i - 1], entries[i], Qt::CaseInsensitive) > 0) {
            Show("before", entries[i - 1]);
            Show("after", entries[i]);
            FUZZ_CHECK(QString::compare(entries[i - 1], entries[i], Qt::CaseInsensitive) <= 0);
        }
    }
    // ... holding exactly the entries given, none lost or doubled.
    QHash<QString, qsizetype> count;
    for (const QString &entry : builtIn + lines)
        ++count[entry];
    for (const QString &entry : entries)
        --count[entry];
    for (const qsizetype left : std::as_const(count))
        FUZZ_CHECK(left == 0);

    // Entries from the file that compare equal keep the file's order.
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (qsizetype j = i + 1; j < lines.size() && j < i + 8; ++j) {
            if (lines[i] == lines[j] ||
                QString::compare(lines[i], lines[j], Qt::CaseInsensitive) != 0)
                continue;
            FUZZ_CHECK(entries.indexOf(lines[i]) < entries.lastIndexOf(lines[j]));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = BytesOf(data, size);
    for (const QString &text : {DecodeText(bytes), Utf16Of(bytes)}) {
        const QStringList lines = CountryFileLines(text);
        CheckLines(text, lines);
        CheckMerged(lines);
    }
    return 0;
}
