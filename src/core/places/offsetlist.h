#pragma once

#include <QString>
#include <QStringList>

namespace qarnivo {

// The country panel's list of GMT offsets: plain text entries such as
// "India (-5.5)", the offset being the hours to add to local time to obtain
// GMT (east of Greenwich negative). The program has 29 entries of its own;
// GMT Offsets.txt in the application folder adds one entry per line. Nothing
// parses an entry.

inline const QString kCountryFileName = QStringLiteral("GMT Offsets.txt");
inline constexpr qsizetype kBuiltInCountryCount = 29;

// The program's own entries, in the order they are added.
QStringList BuiltInCountryOffsets();

struct CountryFileRead {
    enum class Status { Ok, NotFound, Unreadable };
    Status status = Status::Ok;
    QStringList lines; // the entries of the file, in file order
};

CountryFileRead ReadCountryFile(const QString &path);

// The entries of a file's text: each line whole, commas included; lines that
// are empty or hold only blanks give no entry.
QStringList CountryFileLines(const QString &text);

// The panel's list: the program's entries and then `fileLines`, in
// alphabetical order without regard to letter case; entries that compare
// equal keep the order in which they were added. Fill a list widget with
// this in order and with its own sorting off.
QStringList CountryOffsetList(const QStringList &fileLines);

// The entry count label: "(" count ")".
QString CountryCountCaption(qsizetype entryCount);

} // namespace qarnivo
