#include "core/sunpage/pagewriter.h"

#include "core/calendar/leadingnumber.h"
#include "core/calendar/names.h"
#include "core/files/savefile.h"
#include "core/files/textfile.h"
#include "core/prayer/prayertimes_methods.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cmath>

namespace qarnivo {

namespace {

// A body file larger than this cannot give a page of the accepted length;
// it is refused without being read whole.
constexpr qint64 kMaximumBodyBytes = qint64{1024} * 1024;

struct MonthLine {
    const char *name;
    int days;
    const char *abbreviation;
};

// The months of a year that is not a leap year, January first.
constexpr std::array<MonthLine, 12> kMonths = {{{"January", 31, "Jan"},
                                                {"February", 28, "Feb"},
                                                {"March", 31, "Mar"},
                                                {"April", 30, "Apr"},
                                                {"May", 31, "May"},
                                                {"June", 30, "Jun"},
                                                {"July", 31, "Jul"},
                                                {"August", 31, "Aug"},
                                                {"September", 30, "Sep"},
                                                {"October", 31, "Oct"},
                                                {"November", 30, "Nov"},
                                                {"December", 31, "Dec"}}};

QStringList documentStartLines()
{
    return {QStringLiteral("<HTML><HEAD><TITLE>Worldwide Sunrise, Sunset And Solar Noon Time "
                           "Calculator</TITLE>"),
            QStringLiteral("<BODY oncontextmenu=\"return false\" text=#000000 vLink=#800080 "
                           "link=#0000ff  bgcolor=\"#C0C0C0\">"),
            QStringLiteral("<center>"),
            QStringLiteral("<table border=\"0\" cellpadding=\"0\" cellspacing=\"1\" width=\"681\" "
                           "bordercolorlight=\"#0000FF\" bordercolordark=\"#008080\" "
                           "bgcolor=\"#008080\" height=\"209\">"),
            QStringLiteral("<tr>"),
            QStringLiteral("<FONT face= Arial,Helvetica,Geneva,Swiss,SunSans-Regular>"),
            QStringLiteral("<TD vAlign=top align=center width=\"541\" height=\"185\">")};
}

// Lines 1 to 26: the script start and its three constructors.
QStringList scriptStartLines()
{
    return {QStringLiteral("<SCRIPT language=JavaScript>"),
            QStringLiteral("function clear_field(field) {"),
            QStringLiteral("if (field.value==field.defaultValue) {"),
            QStringLiteral("field.value=''"),
            QStringLiteral("}"),
            QStringLiteral("}"),
            QStringLiteral("function month(name, numdays, abbr)"),
            QStringLiteral("{"),
            QStringLiteral("this.name = name;"),
            QStringLiteral("this.numdays = numdays;"),
            QStringLiteral("this.abbr = abbr;"),
            QStringLiteral("}"),
            QStringLiteral("function ans(daySave,value)"),
            QStringLiteral("{"),
            QStringLiteral("this.daySave = daySave;"),
            QStringLiteral("this.value = value;"),
            QStringLiteral("}"),
            QStringLiteral("function city(name, lat, lng, zoneHr)"),
            QStringLiteral("{"),
            QStringLiteral("this.name = name;"),
            QStringLiteral("this.lat = lat;"),
            QStringLiteral("this.lng = lng;"),
            QStringLiteral("this.zoneHr = zoneHr;"),
            QStringLiteral("}"),
            QStringLiteral("var monthList = new Array();"),
            QStringLiteral("var i = 0;")};
}

QString monthLine(const MonthLine &m)
{
    return QStringLiteral("monthList[i++] = new month(\"%1\", %2, \"%3\");")
        .arg(QLatin1String(m.name))
        .arg(m.days)
        .arg(QLatin1String(m.abbreviation));
}

// Lines 39 to 42: the daylight-saving choices.
QStringList daylightSavingLines()
{
    return {QStringLiteral("var YesNo = new Array();"), QStringLiteral("i=0;"),
            QStringLiteral("YesNo[i++] = new ans(\"No\",0);"),
            QStringLiteral("YesNo[i++] = new ans(\"Yes\",60);")};
}

// A method as the page's table holds it, e.g.
// "dubai": ["Dubai", 18.2, 18.2, 0, 3]
QString methodLine(const PrayerMethodParameters &method)
{
    QStringList values{u'"' + QLatin1String(method.title) + u'"',
                       ShortestNumberText(method.fajrAngle)};
    const double optional[] = {method.ishaAngle, double(method.ishaInterval),
                               double(method.shift[static_cast<int>(Prayer::Asr)]),
                               method.roundUp ? 1.0 : 0.0};
    qsizetype kept = std::size(optional);
    while (kept > 1 && optional[kept - 1] == 0)
        --kept;
    for (qsizetype k = 0; k < kept; ++k)
        values << ShortestNumberText(optional[k]);
    return QStringLiteral("\"%1\": [%2]")
        .arg(QLatin1String(method.key), values.join(QStringLiteral(", ")));
}

bool needsUnicodeEscape(char16_t c)
{
    return c < 0x20 || c >= 0x7F || c == u'<' || c == u'>';
}

PageWriteResult failure(const QString &pagePath, PageWriteResult::Status status,
                        const QString &reason, qint64 bytes = 0)
{
    // No page of an earlier opening may stand in for the one that failed.
    QFile::remove(pagePath);
    return {status, reason, bytes};
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The page is made afresh at every opening and deleted at closing, so it
// needs to be whole when the browser reads it, not to outlast a power cut:
// it is written beside its place and renamed over it, without the disk sync
// that a saved user file gets.
PageWriteResult saveBytes(const QString &pagePath, const QByteArray &page)
{
    const QString partPath = pagePath + QStringLiteral(".part");
    // A device or pipe of the page's name is left alone, not removed.
    if (const QString refused = RefusedSaveTarget(pagePath); !refused.isEmpty())
        return {PageWriteResult::Status::WriteFailed,
                QCoreApplication::translate("SunPage", "Cannot write %1: %2")
                    .arg(nativePath(pagePath), refused),
                page.size()};
    QFile part(partPath);
    QString reason = part.open(QIODevice::WriteOnly | QIODevice::Truncate) ? WriteAll(part, page)
                                                                           : FailureReason(part);
    part.close();
    if (reason.isEmpty() && QFileInfo::exists(pagePath) && !QFile::remove(pagePath))
        reason = QCoreApplication::translate("SunPage", "the old page cannot be replaced");
    if (reason.isEmpty() && !QFile::rename(partPath, pagePath))
        reason = QCoreApplication::translate("SunPage", "the page cannot be put in place");
    if (reason.isEmpty())
        return {PageWriteResult::Status::Ok, {}, page.size()};
    QFile::remove(partPath);
    return failure(pagePath, PageWriteResult::Status::WriteFailed,
                   QCoreApplication::translate("SunPage", "Cannot write %1: %2")
                       .arg(nativePath(pagePath), reason),
                   page.size());
}

} // namespace

QStringList BuildPageLines()
{
    QStringList lines(kPageLineCount);
    const QStringList start = scriptStartLines();
    for (qsizetype k = 0; k < start.size(); ++k)
        lines[1 + k] = start[k];
    for (std::size_t m = 0; m < kMonths.size(); ++m)
        lines[27 + int(m)] = monthLine(kMonths[m]);
    const QStringList saving = daylightSavingLines();
    for (qsizetype k = 0; k < saving.size(); ++k)
        lines[39 + k] = saving[k];
    const QStringList document = documentStartLines();
    for (qsizetype k = 0; k < document.size(); ++k)
        lines[55 + k] = document[k];
    return lines;
}

QStringList PageHeadLines(const QStringList &pageLines)
{
    QStringList head;
    for (int k = 55; k <= 61; ++k)
        head.append(pageLines.value(k));
    for (int k = 1; k <= 42; ++k)
        head.append(pageLines.value(k));
    return head;
}

QString ScriptNameText(const QString &name)
{
    QString text;
    for (const QChar c : name.left(kCityNameLength)) {
        if (c == u'"' || c == u'\\') {
            text += u'\\';
            text += c;
        } else if (needsUnicodeEscape(c.unicode())) {
            const QString hex = QString::number(c.unicode(), 16).toUpper();
            text += QStringLiteral("\\u") + hex.rightJustified(4, u'0');
        } else {
            text += c;
        }
    }
    return text;
}

QString ScriptNumberText(double value)
{
    return std::isfinite(value) ? ShortestNumberText(value) : QStringLiteral("NaN");
}

QStringList CityVariableLines(const Place &city)
{
    return {QStringLiteral("var NameCity=\"%1\";").arg(ScriptNameText(city.name)),
            QStringLiteral("var LatitudeCity=%1;").arg(ScriptNumberText(city.latitude)),
            QStringLiteral("var LongitudeCity=%1;").arg(ScriptNumberText(city.longitude)),
            QStringLiteral("var OffsetGMT=%1;").arg(ScriptNumberText(city.offsetGMT))};
}

QString PrayerChoiceLine(const PrayerSettings &settings)
{
    return QStringLiteral("var PrayerChoice={method:\"%1\",shadow:%2,clock:%3};")
        .arg(PrayerMethodKey(settings.method))
        .arg(settings.asr == AsrRule::Hanafi ? 2 : 1)
        .arg(settings.clock24 ? 24 : 12);
}

QStringList PrayerMethodLines()
{
    QStringList lines{QStringLiteral("var PRAYER_METHODS = {")};
    for (int m = 0; m < kPrayerMethodCount; ++m) {
        const bool last = m + 1 == kPrayerMethodCount;
        lines << methodLine(PrayerMethodParametersOf(static_cast<PrayerMethod>(m))) +
                     (last ? QString() : QStringLiteral(","));
    }
    return lines << QStringLiteral("};");
}

QStringList PageBodyLines(const QString &body)
{
    QStringList lines = SplitLines(body);
    const qsizetype marker = lines.indexOf(kPrayerMethodsMarker);
    if (marker >= 0) {
        lines.removeAt(marker);
        const QStringList table = PrayerMethodLines();
        for (qsizetype k = 0; k < table.size(); ++k)
            lines.insert(marker + k, table[k]);
    }
    return lines;
}

QByteArray PageText(const QStringList &pageLines, const Place &city, const PrayerSettings &settings,
                    const QString &body)
{
    return EncodeLines(PageHeadLines(pageLines) + CityVariableLines(city) +
                       QStringList{PrayerChoiceLine(settings)} + PageBodyLines(body));
}

bool PageLengthAccepted(qint64 bytes)
{
    return bytes >= kPageMinimumBytes && bytes <= kPageMaximumBytes;
}

QString PageLengthMessage()
{
    return QCoreApplication::translate("SunPage", "Error found in one of originally packaged "
                                                  "files.\r\nRe-install to rectify this problem.");
}

PageWriteResult WritePage(const QString &systemFolder, const QString &applicationFolder,
                          const QStringList &pageLines, const Place &city,
                          const PrayerSettings &settings)
{
    using Status = PageWriteResult::Status;
    if (systemFolder.isEmpty())
        return {Status::NoSystemFolder,
                QCoreApplication::translate("SunPage", "The system folder is unknown."), 0};
    const QString pagePath = QDir(systemFolder).filePath(kPageFileName);

    // The city file must be there, although the page takes the city from
    // memory: without it the window shows its built-in city instead.
    const QString cityPath = QDir(applicationFolder).filePath(kCityFileName);
    // Only its presence counts; it is not opened, so that a pipe in its place
    // cannot hold the window up.
    const QFileInfo cityFile(cityPath);
    if (!cityFile.isFile() || !cityFile.isReadable()) {
        const bool missing = !cityFile.exists();
        return failure(
            pagePath, missing ? Status::CityFileMissing : Status::Unreadable,
            QCoreApplication::translate("SunPage", "Cannot open %1.").arg(nativePath(cityPath)));
    }

    const QString bodyPath = QDir(systemFolder).filePath(kPageBodyFileName);
    const TextFileRead body = ReadTextFile(bodyPath, kMaximumBodyBytes);
    switch (body.status) {
    case TextFileRead::Status::Ok:
        break;
    case TextFileRead::Status::NotFound:
        return failure(
            pagePath, Status::BodyMissing,
            QCoreApplication::translate("SunPage", "%1 was not found.").arg(nativePath(bodyPath)));
    case TextFileRead::Status::Unreadable:
        return failure(
            pagePath, Status::Unreadable,
            QCoreApplication::translate("SunPage", "Cannot read %1.").arg(nativePath(bodyPath)));
    case TextFileRead::Status::TooLarge:
        return failure(pagePath, Status::WrongLength,
                       QCoreApplication::translate("SunPage", "%1 is far too large.")
                           .arg(nativePath(bodyPath)),
                       QFileInfo(bodyPath).size());
    }

    const QByteArray page = PageText(pageLines, city, settings, body.text);
    if (!PageLengthAccepted(page.size())) {
        return failure(pagePath, Status::WrongLength,
                       QCoreApplication::translate(
                           "SunPage", "The page would be %1 bytes long, outside %2 to %3.")
                           .arg(ShownNumber(page.size()), ShownNumber(kPageMinimumBytes),
                                ShownNumber(kPageMaximumBytes)),
                       page.size());
    }
    return saveBytes(pagePath, page);
}

} // namespace qarnivo
