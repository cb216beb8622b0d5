#pragma once

// What every suite shares: data-table helpers, files in the source tree and in temporary
// folders, and the dates whose Julian day numbers are fixed outside this program. QtCore only,
// so the suites of the core library use it too; the window suites add windowsupport.h.

#include "core/calendar/conversion.h"
#include "core/language/language.h"
#include "core/places/cityfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTranslator>
#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace qarnivo::testing {

// The columns of a test's data table, by type and name: columns<QString, int>({"text", "n"}).
template <typename... T> void columns(std::initializer_list<const char *> names)
{
    auto name = names.begin();
    (QTest::addColumn<T>(*name++), ...);
}

// A row of a test's data table: row("name", text, n).
template <typename... T> void row(const char *name, const T &...values)
{
    (QTest::newRow(name) << ... << values);
}

// The current row's values of those columns: auto [text, n] = fetch<QString, int>("text", "n").
template <typename... T, typename... Names> std::tuple<T...> fetch(Names... names)
{
    return {*static_cast<T *>(QTest::qData(names, qMetaTypeId<T>()))...};
}

// The program in another language for one scope: the embedded translation of
// "ar" or "ur" installed and its digits the default; "" stays in English.
class InLanguage {
public:
    explicit InLanguage(const QString &code)
    {
        QLocale::setDefault(NumberLocale(LanguageFromSetting(code.isEmpty() ? "en" : code)));
        if (!code.isEmpty())
            m_loaded = m_translator.load(QStringLiteral(":/translations/qarnivo_") + code) &&
                       QCoreApplication::installTranslator(&m_translator);
    }
    ~InLanguage()
    {
        QCoreApplication::removeTranslator(&m_translator);
        QLocale::setDefault(m_before);
    }
    InLanguage(const InLanguage &) = delete;
    InLanguage &operator=(const InLanguage &) = delete;
    // False when a language was asked for and its translation is missing.
    bool loaded() const { return m_loaded; }

private:
    QLocale m_before;
    QTranslator m_translator;
    bool m_loaded = true;
};

inline QString sourcePath(const QString &relative)
{
    return QARNIVO_SOURCE_DIR "/" + relative;
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Something at `path` that is not a regular file: a "fifo", a "node" (a character device like
// the null device, made only inside the test's temporary folder and never opened) or a
// "folder". False where the system refuses it, as it refuses device nodes to most users.
inline bool MakeSpecialFile(const QString &path, const QString &kind)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == "fifo")
        return mkfifo(name.constData(), 0600) == 0;
    if (kind == "node")
        return mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    return QDir().mkdir(path);
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QStringList cityFields(const CityInfo &c)
{
    return {c.name, c.latitude, c.longitude, c.offsetGMT};
}

// Fields joined by "|", as the rows of the tables give them.
inline QStringList fields(const char *joined)
{
    return QString::fromUtf8(joined).split(u'|');
}

inline CityInfo cityOf(const QStringList &fields)
{
    return {fields.value(0), fields.value(1), fields.value(2), fields.value(3)};
}

// Days whose dates are fixed outside this program. JD 1948440 is the epoch of the arithmetic
// (civil) Hijri calendar, a Friday; JD 2299161 the first day of the Gregorian reform (the bull
// Inter gravissimas, 1582); JD 2451545 the J2000.0 epoch, 1 January 2000; 5373484 the JD that
// Qt's QDate gives for 31 December 9999. The Hijri dates follow the 30-year cycle with the leap
// years 2, 5, 7, 10, 13, 16, 18, 21, 24, 26 and 29, as Qt's Islamic civil calendar does.
struct KnownDate {
    const char *name;
    Ymd western;
    Ymd hijri;
    qint32 jd;
    int weekDay; // 1 = Sunday
    QDate date() const { return QDate::fromJulianDay(jd); }
};

inline const KnownDate kKnownDates[] = {
    {"epoch: 16 Jul 622 = 1 Muharram 1, Friday", {622, 7, 16}, {1, 1, 1}, 1948440, 6},
    {"Julian leap day 29 Feb 1500, Saturday", {1500, 2, 29}, {905, 7, 29}, 2268992, 7},
    {"last Julian day: 4 Oct 1582, Thursday", {1582, 10, 4}, {990, 9, 16}, 2299160, 5},
    {"first Gregorian day: 15 Oct 1582, Friday", {1582, 10, 15}, {990, 9, 17}, 2299161, 6},
    {"J2000: 1 Jan 2000, Saturday", {2000, 1, 1}, {1420, 9, 24}, 2451545, 7},
    {"12 Dhul-Hijjah 1427: 2 Jan 2007, Tuesday", {2007, 1, 2}, {1427, 12, 12}, 2454103, 3},
    {"1 Ramadhan 1445: 11 Mar 2024, Monday", {2024, 3, 11}, {1445, 9, 1}, 2460381, 2},
    {"1 Muharram 1447: 27 Jun 2025, Friday", {2025, 6, 27}, {1447, 1, 1}, 2460854, 6},
    {"14 Jamaadil-Awwal 1447: 5 Nov 2025, Wednesday", {2025, 11, 5}, {1447, 5, 14}, 2460985, 4},
    {"15 Sha'aban 1447: 3 Feb 2026, Tuesday", {2026, 2, 3}, {1447, 8, 15}, 2461075, 3},
    {"end of the month view: 31 Dec 9999, Friday", {9999, 12, 31}, {9666, 4, 2}, 5373484, 6},
    {"end of range: 30 May 20874, Wednesday", {20874, 5, 30}, {20874, 5, 30}, kLastJulianDay, 4},
};

} // namespace qarnivo::testing
