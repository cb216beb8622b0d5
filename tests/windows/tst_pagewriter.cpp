// The calculator page: the city lines and their escapes, the page text, the length check with
// the shipped page body, and writing the page.

#include "core/calendar/leadingnumber.h"
#include "windows/calculator/pagewriterplatform.h"
#include "windowsupport.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <unistd.h>

using namespace qarnivo;
using namespace qarnivo::testing;

Q_DECLARE_METATYPE(qarnivo::CityInfo)

namespace {

const QString kShippedBody = sourcePath("resources/system/sunc.ini");
// The longest number text a valid coordinate or offset can have.
const QString kLongestNumber = QStringLiteral("-1.23456789012345e-100");

QString shippedBody()
{
    return ReadTextFile(kShippedBody).text;
}

// The value of a script string literal (its escapes are those of JSON), or "" where it is none.
QString scriptString(const QString &literal)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(("[" + literal + "]").toUtf8(), &error);
    return error.error == QJsonParseError::NoError ? document.array().at(0).toString() : "";
}

// The city lines for a city of that name and the three number texts.
QStringList scriptLines(const QString &name, const QString &lat, const QString &lng,
                        const QString &offset)
{
    return {"var NameCity=\"" + name + "\";", "var LatitudeCity=" + lat + ";",
            "var LongitudeCity=" + lng + ";", "var OffsetGMT=" + offset + ";"};
}

// Stored choices other than the defaults, as the calculator hands them to the page.
const PrayerSettings kIsnaStandard12{
    PrayerMethod::NorthAmerica, AsrRule::Standard, HighLatitudeRule::MiddleOfTheNight, {}, false};

// The city as the calculator hands it to the page.
Place shown(const CityInfo &city)
{
    return ReadPlace(city, kPageCityRules).place;
}

// A page body whose page, for `city`, is exactly `pageBytes` long.
QByteArray bodyForPageLength(const Place &city, qint64 pageBytes)
{
    const qint64 bodyBytes =
        pageBytes - EncodeLines(PageHeadLines(BuildPageLines()) + CityVariableLines(city) +
                                QStringList{PrayerChoiceLine(kIsnaStandard12)})
                        .size();
    QByteArray body;
    while (body.size() + 82 <= bodyBytes)
        body += QByteArray(80, 'x') + "\r\n";
    return body + QByteArray(bodyBytes - body.size() - 2, 'y') + "\r\n";
}

} // namespace

class TestPageWriter : public QObject {
    Q_OBJECT
private slots:
    // The name, "|", and the three numbers as the script gets them.
    void cityLines_data()
    {
        columns<QString, QString>({"city", "script"});
        const QString longest = kLongestNumber;
        row("default city", "India - Bhubaneswar|20.267|-85.85|-5.5", "=");
        row("typed texts become plain numbers", "Pune|18.50|+73.86 E| -5.50",
            "Pune|18.5|73.86|-5.5");
        row("text without a number is 0", "X|abc||-", "X|0|0|0");
        row("overflow is NaN, not a broken script", "X|1e999|-1e999|1e308", "X|NaN|NaN|1e+308");
        row("longest number texts", "X|" + longest + '|' + longest + '|' + longest, "=");
        row("name of 23 cut to 22", "ABCDEFGHIJKLMNOPQRSTUVW|1|2|3",
            "ABCDEFGHIJKLMNOPQRSTUV|1|2|3");
        row("double quote and backslash escaped", "Say \"Hi\" \\o/|0|0|0",
            "Say \\\"Hi\\\" \\\\o/|0|0|0");
        row("comma kept, end of script escaped", "a,</script>|0|0|0",
            "a,\\u003C/script\\u003E|0|0|0");
        row("letters beyond ASCII escaped", "Zürich ☼|47.38|-8.54|-1",
            "Z\\u00FCrich \\u263C|47.38|-8.54|-1");
    }
    void cityLines()
    {
        const auto [city, script] = fetch<QString, QString>("city", "script");
        const QStringList out = (script == "=" ? city : script).split(u'|');
        QCOMPARE(CityVariableLines(shown(cityOf(city.split(u'|')))),
                 scriptLines(out[0], out[1], out[2], out[3]));
    }

    // Whatever the name, the page holds only ASCII and the script reads the name back whole.
    void nameSurvivesAsScriptString_data()
    {
        QTest::addColumn<QString>("name");
        row("quotes", "\"\"\"");
        row("backslash before quote", "a\\\"b");
        row("script end", "</SCRIPT><b>");
        row("control characters", QString("tab\there\rcr\nlf"));
        row("Windows-1252 letters", QString::fromUtf8("São Paulo – Ürümqi"));
        row("beyond Windows-1252", QString::fromUtf8("مكة المكرمة"));
    }
    void nameSurvivesAsScriptString()
    {
        QFETCH(QString, name);
        const QByteArray page = PageText(BuildPageLines(), Place{name}, {}, QString());
        for (const char byte : page)
            QVERIFY(static_cast<unsigned char>(byte) < 0x80);
        const QString line = SplitLines(QString::fromLatin1(page)).at(49);
        QVERIFY(line.startsWith("var NameCity=\"") && line.endsWith(u';'));
        QCOMPARE(scriptString(line.mid(13).chopped(1)), name.left(22));
        QVERIFY(!line.contains(u'<'));
    }

    // The page starts its drop-downs on the stored method, Asr rule and clock: the line after the
    // city's carries them (the page has no high-latitude choice; that rule must not matter).
    void prayerChoices_data()
    {
        columns<int, int, int, bool, QString>({"method", "asr", "highLatitude", "clock24", "line"});
        using M = PrayerMethod;
        const auto standard = int(AsrRule::Standard), hanafi = int(AsrRule::Hanafi);
        row("ISNA, Hanafi, 12-hour", int(M::NorthAmerica), hanafi, 0, false,
            "var PrayerChoice={method:\"isna\",shadow:2,clock:12};");
        row("Karachi, standard, 24-hour", int(M::Karachi), standard, 1, true,
            "var PrayerChoice={method:\"karachi\",shadow:1,clock:24};");
        row("longest key, seventh of the night", int(M::MoonsightingCommittee), standard, 1, false,
            "var PrayerChoice={method:\"moonsighting-committee\",shadow:1,clock:12};");
        row("Turkey, Hanafi, twilight angle", int(M::Turkey), hanafi, 2, true,
            "var PrayerChoice={method:\"turkey\",shadow:2,clock:24};");
    }
    void prayerChoices()
    {
        const auto [method, asr, highLatitude, clock24, line] =
            fetch<int, int, int, bool, QString>("method", "asr", "highLatitude", "clock24", "line");
        const PrayerSettings settings{
            PrayerMethod(method), AsrRule(asr), HighLatitudeRule(highLatitude), {}, clock24};
        const QByteArray page = PageText(BuildPageLines(), shown(DefaultCity()), settings, "x");
        QCOMPARE(SplitLines(QString::fromLatin1(page)).mid(53), (QStringList{line, "x"}));
    }

    // The body follows the head and the city lines, each line ended by CR LF, in Windows-1252;
    // its marker line takes the method table ("<table>" in the tail).
    void pageText_data()
    {
        columns<QString, QByteArray>({"body", "tail"});
        row("marker takes the method table", "a\r\n@@PRAYER_METHODS@@\r\nb",
            QByteArray("a\r\n<table>b\r\n"));
        row("marker as the last line", "a\n@@PRAYER_METHODS@@", QByteArray("a\r\n<table>"));
        row("only a whole line is the marker", "x@@PRAYER_METHODS@@\r\n @@PRAYER_METHODS@@",
            QByteArray("x@@PRAYER_METHODS@@\r\n @@PRAYER_METHODS@@\r\n"));
        row("older body keeps its own table", "var PRAYER_METHODS = {};",
            QByteArray("var PRAYER_METHODS = {};\r\n"));
        row("CR LF lines copied", "a\r\nb\r\n", QByteArray("a\r\nb\r\n"));
        row("last line gets CR LF", "a\r\nb", QByteArray("a\r\nb\r\n"));
        row("CR-only lines", "a\rb\r", QByteArray("a\r\nb\r\n"));
        row("LF-only lines", "a\nb\n", QByteArray("a\r\nb\r\n"));
        row("empty lines kept", "a\r\n\r\nb\r\n", QByteArray("a\r\n\r\nb\r\n"));
        row("Windows-1252", QString::fromUtf8("° €"), QByteArray("\xb0 \x80\r\n"));
        row("empty body", "", QByteArray());
    }
    void pageText()
    {
        const auto [body, tail] = fetch<QString, QByteArray>("body", "tail");
        const QStringList lines = BuildPageLines();
        const QByteArray head =
            EncodeLines(PageHeadLines(lines) + CityVariableLines(shown(DefaultCity())) +
                        QStringList{PrayerChoiceLine(kIsnaStandard12)});
        QVERIFY(head.contains("\r\nvar NameCity=\"India - Bhubaneswar\";\r\n"));
        const QByteArray table = EncodeLines(PrayerMethodLines());
        QVERIFY(table.startsWith("var PRAYER_METHODS = {\r\n") && table.endsWith("\r\n};\r\n"));
        QCOMPARE(PageText(lines, shown(DefaultCity()), kIsnaStandard12, body),
                 head + QByteArray(tail).replace("<table>", table));
    }

    void shippedBodyFitsEveryValidCity_data()
    {
        QTest::addColumn<CityInfo>("city");
        const QString longest = kLongestNumber;
        row("shortest: one letter, one-digit numbers", CityInfo{"X", "0", "0", "0"});
        row("longest: 22 letters, longest numbers",
            CityInfo{QString(22, u'W'), longest, longest, longest});
        row("longest escaped: 22 non-ASCII letters",
            CityInfo{QString(22, QChar(0x0645)), longest, longest, longest});
    }
    void shippedBodyFitsEveryValidCity()
    {
        QFETCH(CityInfo, city);
        // The longest number text really is a value the city check accepts.
        const double longest = ReadLeadingNumber(kLongestNumber);
        QVERIFY(longest > -89.8 && longest < 0);
        QCOMPARE(ShortestNumberText(longest), kLongestNumber);
        // The shortest and the longest method key.
        PrayerSettings settings;
        for (const PrayerMethod method :
             {PrayerMethod::MuslimWorldLeague, PrayerMethod::MoonsightingCommittee}) {
            settings.method = method;
            const qint64 bytes =
                PageText(BuildPageLines(), shown(city), settings, shippedBody()).size();
            QVERIFY2(PageLengthAccepted(bytes), qPrintable(QString::number(bytes)));
        }
    }

    // The page is written in full over an older one, or, when its length is wrong or a file is
    // missing or the folder takes no file, not at all: no old or half-written page is left.
    void writePage_data()
    {
        // How the folder is laid out, the page length (0: the shipped body), the status.
        columns<QString, qint64, int>({"how", "pageBytes", "status"});
        using S = PageWriteResult::Status;
        row("shipped body", "", qint64(0), int(S::Ok));
        row("45699 bytes refused", "", qint64(45699), int(S::WrongLength));
        row("45700 bytes pass", "", qint64(45700), int(S::Ok));
        row("46000 bytes pass", "", qint64(46000), int(S::Ok));
        row("46001 bytes refused", "", qint64(46001), int(S::WrongLength));
        row("body far too large", "", qint64(2'000'000), int(S::WrongLength));
        row("city file missing", "no city", qint64(0), int(S::CityFileMissing));
        row("page body missing", "no body", qint64(0), int(S::BodyMissing));
        row("both missing", "no city, no body", qint64(0), int(S::CityFileMissing));
        row("page name taken by a folder", "folder", qint64(0), -1);
        row("read-only system folder", "read-only", qint64(0), -1);
        row("unknown system folder", "unknown", qint64(0), int(S::NoSystemFolder));
    }
    void writePage()
    {
        const auto [how, pageBytes, status] =
            fetch<QString, qint64, int>("how", "pageBytes", "status");
        QTemporaryDir dir;
        const QString system = dir.filePath("system");
        const Place city{"Saudi Arabia - Makkah", 21.42, -39.83, -3};
        if (!how.contains("no city"))
            QVERIFY(writeBytes(dir.filePath(kCityFileName), "x\r\n"));
        if (!how.contains("no body"))
            QVERIFY(writeBytes(system + "/sunc.ini", pageBytes ? bodyForPageLength(city, pageBytes)
                                                               : readBytes(kShippedBody)));
        QDir().mkpath(system);
        if (how.isEmpty() || how.startsWith("no "))
            QVERIFY(writeBytes(system + "/wwtc.htm", "old page of another city"));
        if (how == "folder") {
            QVERIFY(QDir(system).mkdir("wwtc.htm"));
        } else if (how == "read-only") {
            if (geteuid() == 0)
                QSKIP("permissions do not stop root");
            QFile::setPermissions(system, QFile::ReadOwner | QFile::ExeOwner);
        }
        const PageWriteResult result = WritePage(how == "unknown" ? QString() : system, dir.path(),
                                                 BuildPageLines(), city, kIsnaStandard12);
        QFile::setPermissions(system, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray page = readBytes(system + "/wwtc.htm");
        if (status == int(PageWriteResult::Status::Ok)) {
            QVERIFY2(result.ok(), qPrintable(result.reason));
            QCOMPARE(page, PageText(BuildPageLines(), city, kIsnaStandard12,
                                    ReadTextFile(system + "/sunc.ini").text));
            QCOMPARE(result.bytes, page.size());
            if (pageBytes)
                QCOMPARE(page.size(), pageBytes);
            QCOMPARE(QDir(system).entryList(QDir::Files), (QStringList{"sunc.ini", "wwtc.htm"}));
            return;
        }
        if (status >= 0)
            QCOMPARE(int(result.status), status);
        QVERIFY(!result.ok());
        QCOMPARE(result.missingFile(), how.startsWith("no "));
        QVERIFY(!result.reason.isEmpty() && !QFileInfo(system + "/wwtc.htm").isFile());
        // Nothing half-written is left beside the body.
        QCOMPARE(QDir(system).entryList(QDir::Files | QDir::Hidden),
                 how.contains("no body") ? QStringList() : QStringList{"sunc.ini"});
    }

    // Through the platform a page of the wrong length is told, as a damaged package (that no
    // other failure is told, the sweep's missing and unreadable page bodies show).
    void platformShowsTheLengthMessage()
    {
        AppFolder f;
        f.platform.sysFolder = f.path("system");
        QVERIFY(writeBytes(f.bodyPath(), "too short\r\n"));
        QCOMPARE(WritePage(f.platform, BuildPageLines(), shown(DefaultCity()), {}).status,
                 PageWriteResult::Status::WrongLength);
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.lastMessage(), "Error found in one of originally packaged files.\r\n"
                                           "Re-install to rectify this problem.");
        QVERIFY(f.platform.messages[0].icon == MsgIcon::Critical &&
                f.platform.messages[0].buttons == MsgButtons::Ok);
    }
};

QTEST_GUILESS_MAIN(TestPageWriter)
#include "tst_pagewriter.moc"
