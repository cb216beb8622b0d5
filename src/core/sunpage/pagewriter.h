#pragma once

// The worldwide sunrise, sunset and Zawal page, `wwtc.htm`.
//
// The program does not compute sun times itself: it writes a page whose
// script does. The page is assembled from three pieces, each line ended by
// CR LF and the whole encoded in Windows-1252:
//
//   1. the 49 fixed head lines (document start, script start, the script
//      constructors `month`, `ans`, `city` and the arrays `monthList`,
//      `YesNo`), taken from the 71-entry table that BuildPageLines() fills;
//   2. four script variable lines carrying the default city
//      (`NameCity`, `LatitudeCity`, `LongitudeCity`, `OffsetGMT`), and one
//      carrying the stored prayer choices (`PrayerChoice`);
//   3. every line of the installed page body `sunc.ini`, which closes the
//      open elements and holds the calculator itself; its marker line
//      takes the prayer methods' table, written from the prayer engine's.
//
// The finished page must be 45700 to 46000 bytes long; anything else means
// the installed body file is damaged, and the page is not left on disk.

#include "core/places/place.h"
#include "core/prayer/prayertimes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qarnivo {

inline constexpr int kPageLineCount = 71;
inline constexpr qint64 kPageMinimumBytes = 45700;
inline constexpr qint64 kPageMaximumBytes = 46000;
inline const QString kPageFileName = QStringLiteral("wwtc.htm");
inline const QString kPageBodyFileName = QStringLiteral("sunc.ini");

// The table of fixed page lines, index 0 to 70. Only indexes 1 to 42 (the
// script start) and 55 to 61 (the document start) hold text.
QStringList BuildPageLines();

// The head lines in the order the page holds them: 55 to 61, then 1 to 42.
QStringList PageHeadLines(const QStringList &pageLines);

// The name as the text between the double quotes of a script string. At most
// the first 22 characters are kept (the name the program shows); a double
// quote and a backslash are escaped, and every character that could end the
// script element or that an 8-bit page cannot hold is written as \uXXXX, so
// any name keeps the page valid and arrives in the page unchanged.
QString ScriptNameText(const QString &name);

// A coordinate or offset as a script number: its shortest text (20.5), or NaN
// when it is not finite; never text that could break the script.
QString ScriptNumberText(double value);

// The four city variable lines, e.g. var NameCity="India - Bhubaneswar";
QStringList CityVariableLines(const Place &city);

// The line that starts the page's drop-downs on the stored prayer choices,
// so that its times agree with the program's: the method's key, the Asr
// shadow (1 standard, 2 Hanafi) and the clock, e.g.
// var PrayerChoice={method:"isna",shadow:2,clock:12};
// The page bounds short nights by the middle of the night alone, and shows
// times without the minutes added per prayer.
QString PrayerChoiceLine(const PrayerSettings &settings);

// The line of the page body that the prayer methods' table replaces.
inline const QString kPrayerMethodsMarker = QStringLiteral("@@PRAYER_METHODS@@");

// The page's table of the prayer methods, from the engine's parameters:
// `var PRAYER_METHODS = {` and a line a method, by key, with its title, Fajr
// and Isha angles, Isha's minutes after sunset (0: by the angle), the
// minutes added to Asr and 1 where the times are rounded up, the zeros at
// the end left out (`"mwl": ["Muslim World League", 18, 17],`), then `};`.
QStringList PrayerMethodLines();

// The lines of the page body `body` (however they ended), the marker line
// replaced by the methods' table. A body without the marker (that of an
// older installation) keeps its own table.
QStringList PageBodyLines(const QString &body);

// The whole page for `city` and the prayer choices `settings` with the page
// body `body` (the text of sunc.ini), each line ended by CR LF.
QByteArray PageText(const QStringList &pageLines, const Place &city, const PrayerSettings &settings,
                    const QString &body);

// Whether a page of `bytes` bytes passes the integrity check.
bool PageLengthAccepted(qint64 bytes);

// The text of the critical message shown when the length check fails.
QString PageLengthMessage();

struct PageWriteResult {
    enum class Status {
        Ok,
        NoSystemFolder,  // the system folder is unknown
        CityFileMissing, // CityInfo.txt is not in the application folder
        BodyMissing,     // sunc.ini is not in the system folder
        Unreadable,      // one of the two exists but cannot be read
        WrongLength,     // the page fails the length check
        WriteFailed,     // wwtc.htm could not be written
    };
    Status status = Status::Ok;
    QString reason;   // for a failure: what went wrong, naming the file
    qint64 bytes = 0; // the length of the page (also when it was refused)

    bool ok() const { return status == Status::Ok; }
    // A missing file, which the calculator window answers with its built-in
    // city.
    bool missingFile() const
    {
        return status == Status::CityFileMissing || status == Status::BodyMissing;
    }
};

// Writes `wwtc.htm` in `systemFolder`: checks that CityInfo.txt exists in
// `applicationFolder`, reads sunc.ini from `systemFolder`, builds the page
// and, when its length passes, saves it through a temporary file, so a
// failure never leaves a half-written page. On every failure no page is left
// behind (an older one is removed), and the result says why.
PageWriteResult WritePage(const QString &systemFolder, const QString &applicationFolder,
                          const QStringList &pageLines, const Place &city,
                          const PrayerSettings &settings);

} // namespace qarnivo
