// The calculator page: its fixed head lines, the city lines, the page text,
// the length check with the installed page body, and writing the page.

#include "calendar/leadingnumber.h"
#include "platform/fakeplatform.h"
#include "platform/textfile.h"
#include "sunpage/pagewriter.h"
#include "sunpage/pagewriterplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace qarnivo;

Q_DECLARE_METATYPE(qarnivo::CityInfo)

namespace {

const QString kShippedBody = QStringLiteral(QARNIVO_SOURCE_DIR "/resources/system/sunc.ini");

// The longest number text a valid coordinate or offset can have.
const QString kLongestNumber = QStringLiteral("-1.23456789012345e-100");

QString shippedBody()
{
    const TextFileRead file = ReadTextFile(kShippedBody);
    return file.status == TextFileRead::Status::Ok ? file.text : QString();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Reads back the script string that starts at `text[start]` (an opening
// double quote); `end` is set to the index after its closing quote, or -1.
QString readScriptString(const QString &text, qsizetype start, qsizetype &end)
{
    QString value;
    end = -1;
    for (qsizetype k = start + 1; k < text.size(); ++k) {
        const QChar c = text[k];
        if (c == u'"') {
            end = k + 1;
            return value;
        }
        if (c != u'\\') {
            value += c;
        } else if (k + 1 < text.size() && text[k + 1] == u'u') {
            value += QChar(char16_t(text.mid(k + 2, 4).toUShort(nullptr, 16)));
            k += 5;
        } else if (k + 1 < text.size()) {
            value += text[++k];
        }
    }
    return value;
}

// A page body whose page, for `city`, is exactly `pageBytes` long.
QByteArray bodyForPageLength(const CityInfo &city, qint64 pageBytes)
{
    const qint64 fixed =
        EncodeLines(PageHeadLines(BuildPageLines()) + CityVariableLines(city)).size();
    const qint64 bodyBytes = pageBytes - fixed;
    QByteArray body;
    while (body.size() + 82 <= bodyBytes)
        body += QByteArray(80, 'x') + "\r\n";
    body += QByteArray(bodyBytes - body.size() - 2, 'y') + "\r\n";
    return body;
}

} // namespace

class TestPageWriter : public QObject {
    Q_OBJECT
private slots:
    void headLines_data();
    void headLines();
    void cityLines_data();
    void cityLines();
    void nameSurvivesAsScriptString_data();
    void nameSurvivesAsScriptString();
    void pageText_data();
    void pageText();
    void shippedBodyFitsEveryValidCity_data();
    void shippedBodyFitsEveryValidCity();
    void shippedBodyKeepsItsContract();
    void writesThePage();
    void lengthCheckAtTheExactLimits_data();
    void lengthCheckAtTheExactLimits();
    void missingFilesAreReported_data();
    void missingFilesAreReported();
    void unwritableFolderLeavesNoPage_data();
    void unwritableFolderLeavesNoPage();
    void platformShowsOnlyTheLengthMessage();

private:
    QTemporaryDir m_dir;
    QString folder(const QString &name);
};

QString TestPageWriter::folder(const QString &name)
{
    const QString path = m_dir.filePath(name);
    QDir().mkpath(path);
    return path;
}

void TestPageWriter::headLines_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("55 document start")
        << 55
        << "<HTML><HEAD><TITLE>Worldwide Sunrise, Sunset And Solar Noon Time "
           "Calculator</TITLE>";
    QTest::newRow("56 body, two blanks before bgcolor")
        << 56
        << "<BODY oncontextmenu=\"return false\" text=#000000 vLink=#800080 link=#0000ff  "
           "bgcolor=\"#C0C0C0\">";
    QTest::newRow("57 center") << 57 << "<center>";
    QTest::newRow("58 table")
        << 58
        << "<table border=\"0\" cellpadding=\"0\" cellspacing=\"1\" width=\"681\" "
           "bordercolorlight=\"#0000FF\" bordercolordark=\"#008080\" bgcolor=\"#008080\" "
           "height=\"209\">";
    QTest::newRow("59 row") << 59 << "<tr>";
    QTest::newRow("60 font, one blank after face=")
        << 60 << "<FONT face= Arial,Helvetica,Geneva,Swiss,SunSans-Regular>";
    QTest::newRow("61 cell") << 61 << "<TD vAlign=top align=center width=\"541\" height=\"185\">";
    QTest::newRow("1 script start") << 1 << "<SCRIPT language=JavaScript>";
    QTest::newRow("4 two single quotes") << 4 << "field.value=''";
    QTest::newRow("5 brace") << 5 << "}";
    QTest::newRow("6 brace") << 6 << "}";
    QTest::newRow("13 ans") << 13 << "function ans(daySave,value)";
    QTest::newRow("14 ans brace") << 14 << "{";
    QTest::newRow("15 ans daySave") << 15 << "this.daySave = daySave;";
    QTest::newRow("16 ans value") << 16 << "this.value = value;";
    QTest::newRow("17 ans end") << 17 << "}";
    QTest::newRow("18 city") << 18 << "function city(name, lat, lng, zoneHr)";
    QTest::newRow("23 zone hours") << 23 << "this.zoneHr = zoneHr;";
    QTest::newRow("26 counter") << 26 << "var i = 0;";
    QTest::newRow("27 January") << 27 << "monthList[i++] = new month(\"January\", 31, \"Jan\");";
    QTest::newRow("28 February, not leap")
        << 28 << "monthList[i++] = new month(\"February\", 28, \"Feb\");";
    QTest::newRow("35 September") << 35
                                  << "monthList[i++] = new month(\"September\", 30, \"Sep\");";
    QTest::newRow("38 December") << 38 << "monthList[i++] = new month(\"December\", 31, \"Dec\");";
    QTest::newRow("39 YesNo") << 39 << "var YesNo = new Array();";
    QTest::newRow("40 counter reset") << 40 << "i=0;";
    QTest::newRow("41 No") << 41 << "YesNo[i++] = new ans(\"No\",0);";
    QTest::newRow("42 Yes, 60 minutes") << 42 << "YesNo[i++] = new ans(\"Yes\",60);";
}

void TestPageWriter::headLines()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QCOMPARE(BuildPageLines().value(index), text);
}

void TestPageWriter::cityLines_data()
{
    QTest::addColumn<CityInfo>("city");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("default city") << DefaultCity()
                                  << QStringList{"var NameCity=\"India - Bhubaneswar\";",
                                                 "var LatitudeCity=20.267;",
                                                 "var LongitudeCity=-85.85;",
                                                 "var OffsetGMT=-5.5;"};
    QTest::newRow("typed texts become plain numbers")
        << CityInfo{"Pune", "18.50", "+73.86 E", " -5.50"}
        << QStringList{"var NameCity=\"Pune\";", "var LatitudeCity=18.5;",
                       "var LongitudeCity=73.86;", "var OffsetGMT=-5.5;"};
    QTest::newRow("text without a number is 0")
        << CityInfo{"X", "abc", "", "-"}
        << QStringList{"var NameCity=\"X\";", "var LatitudeCity=0;", "var LongitudeCity=0;",
                       "var OffsetGMT=0;"};
    QTest::newRow("overflow is NaN, not a broken script")
        << CityInfo{"X", "1e999", "-1e999", "1e308"}
        << QStringList{"var NameCity=\"X\";", "var LatitudeCity=NaN;", "var LongitudeCity=NaN;",
                       "var OffsetGMT=1e+308;"};
    QTest::newRow("longest number texts")
        << CityInfo{"X", kLongestNumber, kLongestNumber, kLongestNumber}
        << QStringList{"var NameCity=\"X\";", "var LatitudeCity=" + kLongestNumber + ";",
                       "var LongitudeCity=" + kLongestNumber + ";",
                       "var OffsetGMT=" + kLongestNumber + ";"};
    QTest::newRow("name of 23 characters is cut to 22")
        << CityInfo{"ABCDEFGHIJKLMNOPQRSTUVW", "1", "2", "3"}
        << QStringList{"var NameCity=\"ABCDEFGHIJKLMNOPQRSTUV\";", "var LatitudeCity=1;",
                       "var LongitudeCity=2;", "var OffsetGMT=3;"};
    QTest::newRow("double quote and backslash escaped")
        << CityInfo{"Say \"Hi\" \\o/", "0", "0", "0"}
        << QStringList{"var NameCity=\"Say \\\"Hi\\\" \\\\o/\";", "var LatitudeCity=0;",
                       "var LongitudeCity=0;", "var OffsetGMT=0;"};
    QTest::newRow("comma kept, end of script escaped")
        << CityInfo{"a,</script>", "0", "0", "0"}
        << QStringList{"var NameCity=\"a,\\u003C/script\\u003E\";", "var LatitudeCity=0;",
                       "var LongitudeCity=0;", "var OffsetGMT=0;"};
    QTest::newRow("letters beyond ASCII escaped")
        << CityInfo{QString::fromUtf8("Zürich ☼"), "47.38", "-8.54", "-1"}
        << QStringList{"var NameCity=\"Z\\u00FCrich \\u263C\";", "var LatitudeCity=47.38;",
                       "var LongitudeCity=-8.54;", "var OffsetGMT=-1;"};
}

void TestPageWriter::cityLines()
{
    QFETCH(CityInfo, city);
    QFETCH(QStringList, lines);
    QCOMPARE(CityVariableLines(city), lines);
}

void TestPageWriter::nameSurvivesAsScriptString_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "India - Bhubaneswar";
    QTest::newRow("quotes") << "\"\"\"";
    QTest::newRow("backslash before quote") << "a\\\"b";
    QTest::newRow("trailing backslash") << "ends with \\";
    QTest::newRow("comma") << "Washington, DC";
    QTest::newRow("script end") << "</SCRIPT><b>";
    QTest::newRow("control characters") << QString("tab\there\rcr\nlf");
    QTest::newRow("Windows-1252 letters") << QString::fromUtf8("São Paulo – Ürümqi");
    QTest::newRow("beyond Windows-1252") << QString::fromUtf8("مكة المكرمة");
}

void TestPageWriter::nameSurvivesAsScriptString()
{
    QFETCH(QString, name);
    const QByteArray page = PageText(BuildPageLines(), {name, "0", "0", "0"}, QString());
    // The page holds only ASCII, so no reader can take its bytes wrongly.
    for (const char byte : page)
        QVERIFY(static_cast<unsigned char>(byte) < 0x80);
    const QString line = SplitLines(QString::fromLatin1(page)).at(49);
    const QString start = QStringLiteral("var NameCity=");
    QVERIFY(line.startsWith(start + u'"'));
    qsizetype end = -1;
    QCOMPARE(readScriptString(line, start.size(), end), name.left(22));
    QCOMPARE(line.mid(end), QStringLiteral(";"));
    QVERIFY(!line.contains(u'<'));
}

void TestPageWriter::pageText_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QByteArray>("tail");
    QTest::newRow("CR LF lines copied") << "a\r\nb\r\n" << QByteArray("a\r\nb\r\n");
    QTest::newRow("last line without ending gets CR LF") << "a\r\nb" << QByteArray("a\r\nb\r\n");
    QTest::newRow("CR-only lines") << "a\rb\r" << QByteArray("a\r\nb\r\n");
    QTest::newRow("LF-only lines") << "a\nb\n" << QByteArray("a\r\nb\r\n");
    QTest::newRow("empty lines kept") << "a\r\n\r\nb\r\n" << QByteArray("a\r\n\r\nb\r\n");
    QTest::newRow("written in Windows-1252")
        << QString::fromUtf8("° €") << QByteArray("\xb0 \x80\r\n");
    QTest::newRow("empty body") << "" << QByteArray();
}

void TestPageWriter::pageText()
{
    QFETCH(QString, body);
    QFETCH(QByteArray, tail);
    const QStringList lines = BuildPageLines();
    const QByteArray head = EncodeLines(PageHeadLines(lines) + CityVariableLines(DefaultCity()));
    QCOMPARE(PageText(lines, DefaultCity(), body), head + tail);
}

void TestPageWriter::shippedBodyFitsEveryValidCity_data()
{
    QTest::addColumn<CityInfo>("city");
    QTest::newRow("default city") << DefaultCity();
    QTest::newRow("shortest: one-letter name, all 0") << CityInfo{"A", "0", "0", "0"};
    QTest::newRow("empty name, all 0") << CityInfo{"", "0", "0", "0"};
    QTest::newRow("longest: 22 letters, longest numbers")
        << CityInfo{QString(22, u'W'), kLongestNumber, kLongestNumber, kLongestNumber};
    QTest::newRow("longest escaped: 22 non-ASCII letters")
        << CityInfo{QString(22, QChar(0x0645)), kLongestNumber, kLongestNumber, kLongestNumber};
    QTest::newRow("22 double quotes") << CityInfo{QString(22, u'"'), "-89.8", "180", "-12"};
    QTest::newRow("range ends") << CityInfo{"Edge", "89.8", "-180", "11.75"};
}

void TestPageWriter::shippedBodyFitsEveryValidCity()
{
    QFETCH(CityInfo, city);
    const QString body = shippedBody();
    QVERIFY2(!body.isEmpty(), qPrintable(kShippedBody));
    // The longest number text really is a value the city check accepts.
    const double longest = ReadLeadingNumber(kLongestNumber);
    QVERIFY(longest > -89.8 && longest < 0);
    QCOMPARE(ShortestNumberText(longest), kLongestNumber);

    const qint64 bytes = PageText(BuildPageLines(), city, body).size();
    QVERIFY2(PageLengthAccepted(bytes), qPrintable(QString::number(bytes)));
}

void TestPageWriter::shippedBodyKeepsItsContract()
{
    const QString body = shippedBody();
    for (const char *name : {"NameCity", "LatitudeCity", "LongitudeCity", "OffsetGMT", "monthList",
                             "YesNo", "function sunTimes("})
        QVERIFY2(body.contains(QLatin1String(name)), name);
    QVERIFY(body.count(QStringLiteral("new city(")) >= 150);
    // The body closes what the head opened, in reverse order.
    const QStringList closing = {"</SCRIPT>", "</TD>",     "</FONT>", "</tr>",
                                 "</table>",  "</center>", "</BODY>", "</HTML>"};
    qsizetype at = 0;
    for (const QString &tag : closing) {
        at = body.indexOf(tag, at);
        QVERIFY2(at >= 0, qPrintable(tag));
    }
}

void TestPageWriter::writesThePage()
{
    const QString system = folder("write/system");
    const QString app = folder("write/app");
    QVERIFY(QFile::copy(kShippedBody, system + "/sunc.ini"));
    QVERIFY(writeFile(app + "/CityInfo.txt", EncodeLines(CityFileLines(DefaultCity()))));
    QVERIFY(writeFile(system + "/wwtc.htm", "old page of another city"));

    const CityInfo city{"Saudi Arabia - Makkah", "21.42", "-39.83", "-3"};
    const PageWriteResult result = WritePage(system, app, BuildPageLines(), city);
    QVERIFY2(result.ok(), qPrintable(result.reason));
    QFile page(system + "/wwtc.htm");
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray bytes = page.readAll();
    QCOMPARE(bytes, PageText(BuildPageLines(), city, shippedBody()));
    QCOMPARE(result.bytes, bytes.size());
    QVERIFY(bytes.contains("\r\nvar NameCity=\"Saudi Arabia - Makkah\";\r\n"));
    QVERIFY(bytes.endsWith("</HTML>\r\n"));
    QCOMPARE(QDir(system).entryList(QDir::Files), (QStringList{"sunc.ini", "wwtc.htm"}));
}

void TestPageWriter::lengthCheckAtTheExactLimits_data()
{
    QTest::addColumn<qint64>("pageBytes");
    QTest::addColumn<bool>("written");
    QTest::newRow("45699 refused") << qint64(45699) << false;
    QTest::newRow("45700 passes") << qint64(45700) << true;
    QTest::newRow("46000 passes") << qint64(46000) << true;
    QTest::newRow("46001 refused") << qint64(46001) << false;
    QTest::newRow("body far too large") << qint64(2'000'000) << false;
}

void TestPageWriter::lengthCheckAtTheExactLimits()
{
    QFETCH(qint64, pageBytes);
    QFETCH(bool, written);
    const QString tag = QString::number(pageBytes);
    const QString system = folder("limits" + tag + "/system");
    const QString app = folder("limits" + tag + "/app");
    QVERIFY(writeFile(app + "/CityInfo.txt", "x\r\n"));
    QVERIFY(writeFile(system + "/sunc.ini", bodyForPageLength(DefaultCity(), pageBytes)));
    QVERIFY(writeFile(system + "/wwtc.htm", "stale"));

    const PageWriteResult result = WritePage(system, app, BuildPageLines(), DefaultCity());
    QCOMPARE(result.ok(), written);
    QCOMPARE(QFile::exists(system + "/wwtc.htm"), written);
    if (written) {
        QCOMPARE(QFileInfo(system + "/wwtc.htm").size(), pageBytes);
    } else {
        QCOMPARE(result.status, PageWriteResult::Status::WrongLength);
        QVERIFY(!result.missingFile());
    }
}

void TestPageWriter::missingFilesAreReported_data()
{
    QTest::addColumn<bool>("withCityFile");
    QTest::addColumn<bool>("withBody");
    QTest::addColumn<int>("status");
    QTest::newRow("city file missing")
        << false << true << int(PageWriteResult::Status::CityFileMissing);
    QTest::newRow("page body missing")
        << true << false << int(PageWriteResult::Status::BodyMissing);
    QTest::newRow("both missing") << false << false
                                  << int(PageWriteResult::Status::CityFileMissing);
}

void TestPageWriter::missingFilesAreReported()
{
    QFETCH(bool, withCityFile);
    QFETCH(bool, withBody);
    QFETCH(int, status);
    const QString tag = QString::number(withCityFile) + QString::number(withBody);
    const QString system = folder("missing" + tag + "/system");
    const QString app = folder("missing" + tag + "/app");
    if (withCityFile)
        QVERIFY(writeFile(app + "/CityInfo.txt", "x\r\n"));
    if (withBody)
        QVERIFY(QFile::copy(kShippedBody, system + "/sunc.ini"));
    QVERIFY(writeFile(system + "/wwtc.htm", "stale"));

    const PageWriteResult result = WritePage(system, app, BuildPageLines(), DefaultCity());
    QCOMPARE(int(result.status), status);
    QVERIFY(result.missingFile());
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(!QFile::exists(system + "/wwtc.htm"));
}

void TestPageWriter::unwritableFolderLeavesNoPage_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("page name taken by a folder") << "folder";
    QTest::newRow("read-only system folder") << "readonly";
    QTest::newRow("unknown system folder") << "unknown";
}

void TestPageWriter::unwritableFolderLeavesNoPage()
{
    QFETCH(QString, how);
    const QString system = folder("unwritable-" + how + "/system");
    const QString app = folder("unwritable-" + how + "/app");
    QVERIFY(writeFile(app + "/CityInfo.txt", "x\r\n"));
    QVERIFY(QFile::copy(kShippedBody, system + "/sunc.ini"));

    PageWriteResult result;
    if (how == "folder") {
        QVERIFY(QDir(system).mkdir("wwtc.htm"));
        result = WritePage(system, app, BuildPageLines(), DefaultCity());
    } else if (how == "readonly") {
        if (geteuid() == 0)
            QSKIP("permissions do not stop root");
        QFile::setPermissions(system, QFile::ReadOwner | QFile::ExeOwner);
        result = WritePage(system, app, BuildPageLines(), DefaultCity());
        QFile::setPermissions(system, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    } else {
        result = WritePage(QString(), app, BuildPageLines(), DefaultCity());
        QCOMPARE(result.status, PageWriteResult::Status::NoSystemFolder);
    }
    QVERIFY(!result.ok());
    QVERIFY(!result.missingFile());
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(!QFileInfo(system + "/wwtc.htm").isFile());
    // Nothing half-written is left beside the body file.
    const QStringList files = QDir(system).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(files, QStringList{"sunc.ini"});
}

void TestPageWriter::platformShowsOnlyTheLengthMessage()
{
    FakePlatform platform;
    platform.sysFolder = folder("platform/system");
    platform.appFolder = folder("platform/app");
    QVERIFY(writeFile(platform.appFolder + "/CityInfo.txt", "x\r\n"));

    QVERIFY(writeFile(platform.sysFolder + "/sunc.ini", "too short\r\n"));
    const PageWriteResult refused = WritePage(platform, BuildPageLines(), DefaultCity());
    QCOMPARE(refused.status, PageWriteResult::Status::WrongLength);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, QStringLiteral("Error found in one of originally packaged "
                                                       "files.\r\nRe-install to rectify this "
                                                       "problem."));
    QCOMPARE(platform.messages[0].icon, MsgIcon::Critical);
    QCOMPARE(platform.messages[0].buttons, MsgButtons::Ok);

    QVERIFY(QFile::remove(platform.sysFolder + "/sunc.ini"));
    QVERIFY(WritePage(platform, BuildPageLines(), DefaultCity()).missingFile());
    QVERIFY(QFile::copy(kShippedBody, platform.sysFolder + "/sunc.ini"));
    QVERIFY(WritePage(platform, BuildPageLines(), DefaultCity()).ok());
    QCOMPARE(platform.messages.size(), 1);
}

QTEST_GUILESS_MAIN(TestPageWriter)
#include "tst_pagewriter.moc"
