// The user's manual: the PDF that the build writes into the application
// folder, the tool that renders it (run as the build runs it), and the
// manual's agreement with the program it describes: every menu command,
// button and panel, every setting key and file, and the search examples it
// gives.

#include "help/helptexts.h"
#include "mainwindow/frmqarnivo.h"
#include "platform/fakeplatform.h"
#include "settings/options.h"
#include "settings/settingscatalogue.h"
#include "sunpage/cityfile.h"
#include "sunpage/listsearch.h"
#include "sunpage/offsetlist.h"
#include "sunpage/pagewriter.h"
#include "sunpage/placelist.h"
#include "sunpage/wildcard.h"
#include "sunpage/wwtimecal.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace qarnivo;

namespace {

const QString kSourceDir = QStringLiteral(QARNIVO_SOURCE_DIR);

QString buildFolder()
{
    return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).absolutePath();
}

QString toolPath()
{
    return buildFolder() + QStringLiteral("/tools/manual/qarnivo-manual");
}

struct ToolRun {
    int exitCode = -1;
    QString output;
    QString errors;
};

ToolRun runTool(const QStringList &arguments)
{
    QProcess process;
    process.start(toolPath(), arguments);
    ToolRun run;
    if (!process.waitForFinished(120000)) {
        run.errors = process.errorString();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a PDF says about itself: whether it is framed as a PDF, its page
// count, and the number of text runs (BT ... ET) each page draws.
struct PdfFacts {
    bool framed = false;
    int pageCount = -1;
    QList<int> textRuns; // per page, in page order
};

QByteArray streamOf(const QString &object)
{
    const qsizetype start = object.indexOf(QLatin1String("stream"));
    const qsizetype end = object.lastIndexOf(QLatin1String("endstream"));
    if (start < 0 || end < start)
        return {};
    qsizetype from = start + 6;
    if (object.mid(from, 2) == QLatin1String("\r\n"))
        from += 2;
    else if (object.mid(from, 1) == QLatin1String("\n"))
        from += 1;
    const QByteArray raw = object.mid(from, end - from).toLatin1();
    if (!object.contains(QLatin1String("/FlateDecode")))
        return raw;
    // qUncompress wants the expected size in front; it grows beyond a guess.
    QByteArray framed(4, '\0');
    const quint32 guess = quint32(raw.size()) * 8 + 1024;
    framed[0] = char(guess >> 24);
    framed[1] = char(guess >> 16);
    framed[2] = char(guess >> 8);
    framed[3] = char(guess);
    return qUncompress(framed + raw);
}

PdfFacts readPdf(const QString &path)
{
    const QByteArray data = readAll(path);
    PdfFacts facts;
    facts.framed = data.startsWith("%PDF-1.") && data.trimmed().endsWith("%%EOF");
    const QString text = QString::fromLatin1(data);
    QMap<int, QString> objects;
    static const QRegularExpression objectForm(QStringLiteral("(\\d+) 0 obj(.*?)endobj"),
                                               QRegularExpression::DotMatchesEverythingOption);
    for (auto it = objectForm.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        objects.insert(match.captured(1).toInt(), match.captured(2));
    }
    static const QRegularExpression pagesForm(
        QStringLiteral("/Type\\s*/Pages\\b.*?/Kids\\s*\\[([^\\]]*)\\].*?/Count\\s+(\\d+)"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression reference(QStringLiteral("(\\d+) 0 R"));
    static const QRegularExpression contents(QStringLiteral("/Contents\\s+(\\d+) 0 R"));
    static const QRegularExpression textRun(QStringLiteral("(^|\\n)BT\\n"));
    for (const QString &object : std::as_const(objects)) {
        const QRegularExpressionMatch pages = pagesForm.match(object);
        if (!pages.hasMatch())
            continue;
        facts.pageCount = pages.captured(2).toInt();
        for (auto kid = reference.globalMatch(pages.captured(1)); kid.hasNext();) {
            const QString page = objects.value(kid.next().captured(1).toInt());
            const int stream = contents.match(page).captured(1).toInt();
            const QString drawing = QString::fromLatin1(streamOf(objects.value(stream)));
            facts.textRuns.append(int(drawing.count(textRun)));
        }
    }
    return facts;
}

// The manual's words without blanks, so that a caption is found however the
// text around it wraps or spaces it.
QString squeezed(QString text)
{
    text.remove(u'&');
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.remove(blanks);
}

struct ManualText {
    QString text;
    QString problem;
};

// The real manual as the tool prints it, once per test run.
const ManualText &manualText()
{
    static const ManualText manual = [] {
        ManualText result;
        QTemporaryDir folder;
        const ToolRun run =
            runTool({QStringLiteral("--set"), QStringLiteral("VERSION=9.9"),
                     QStringLiteral("--output"), folder.filePath(QStringLiteral("manual.pdf")),
                     QStringLiteral("--text"), folder.filePath(QStringLiteral("manual.txt")),
                     kSourceDir + QStringLiteral("/docs/manual.html")});
        if (run.exitCode != 0)
            result.problem = QStringLiteral("the tool failed: ") + run.errors;
        else
            result.text = QString::fromUtf8(readAll(folder.filePath(QStringLiteral("manual.txt"))));
        return result;
    }();
    return manual;
}

QString captionOf(QObject *object)
{
    if (auto *action = qobject_cast<QAction *>(object))
        return action->isSeparator() ? QString() : action->text();
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        return button->text();
    if (auto *frame = qobject_cast<QGroupBox *>(object))
        return frame->title();
    return {};
}

// The captions a window shows on its menus, buttons and frames, and the
// keys of its menu commands.
void addCaptions(QWidget *window, const QString &windowName, QMap<QString, QString> &rows)
{
    const QList<QObject *> controls = window->findChildren<QObject *>();
    for (QObject *control : controls) {
        const QString caption = captionOf(control).trimmed();
        if (squeezed(caption).isEmpty())
            continue;
        const QString name =
            control->objectName().isEmpty() ? squeezed(caption) : control->objectName();
        rows.insert(windowName + u'/' + name + u'/' + squeezed(caption), caption);
        const auto *action = qobject_cast<QAction *>(control);
        if (action && !action->shortcut().isEmpty())
            rows.insert(windowName + u'/' + name + QStringLiteral("/shortcut"),
                        action->shortcut().toString(QKeySequence::PortableText));
    }
}

} // namespace

class TestManual : public QObject {
    Q_OBJECT
private slots:
    void builtManualIsWholePdf();
    void namesEveryCaption_data();
    void namesEveryCaption();
    void namesEverySettingAndFile_data();
    void namesEverySettingAndFile();
    void searchExamplesHold_data();
    void searchExamplesHold();
};

// The build writes the manual into the application folder, where the Manual
// command looks for it.
void TestManual::builtManualIsWholePdf()
{
    const QString path = buildFolder() + QStringLiteral("/Qarnivo/") + kManualFileName;
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    const PdfFacts pdf = readPdf(path);
    QVERIFY(pdf.framed);
    QVERIFY2(pdf.pageCount >= 15, qPrintable(QString::number(pdf.pageCount)));
    QCOMPARE(pdf.textRuns.size(), pdf.pageCount);
    for (int page = 0; page < pdf.textRuns.size(); ++page)
        QVERIFY2(pdf.textRuns.at(page) >= 5, qPrintable(QStringLiteral("page %1").arg(page + 1)));
}

// Every caption of the calendar window, the Options window and the sunrise
// window (both names of the view command among them) is explained, and so
// is every key of a menu command.
void TestManual::namesEveryCaption_data()
{
    QTest::addColumn<QString>("caption");
    FakePlatform platform;
    frmqarnivo main(platform);
    Options options(platform, main);
    WwtimeCal calculator(platform, main);
    QMap<QString, QString> rows;
    addCaptions(&main, QStringLiteral("frmqarnivo"), rows);
    main.Optionz_Click(); // the view command now names the other view
    addCaptions(&main, QStringLiteral("frmqarnivo"), rows);
    addCaptions(&options, QStringLiteral("Options"), rows);
    const auto *steps = options.findChild<QComboBox *>(QStringLiteral("Combo1"));
    for (int i = 0; steps && i < steps->count(); ++i)
        rows.insert(QStringLiteral("Options/Combo1/") + steps->itemText(i), steps->itemText(i));
    addCaptions(&calculator, QStringLiteral("WwtimeCal"), rows);
    for (auto it = rows.cbegin(); it != rows.cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.value();
}

void TestManual::namesEveryCaption()
{
    QFETCH(QString, caption);
    const ManualText &manual = manualText();
    QVERIFY2(manual.problem.isEmpty(), qPrintable(manual.problem));
    QVERIFY2(squeezed(manual.text).contains(squeezed(caption)), qPrintable(caption));
}

void TestManual::namesEverySettingAndFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("section") << kSettingsSection;
    for (const QString &key : {SettingKey::Correction, SettingKey::WindowFull,
                               SettingKey::WindowMax, SettingKey::DovrellBG, SettingKey::ColorIndex,
                               SettingKey::DayView, SettingKey::ShowFirst})
        QTest::newRow(qPrintable(QStringLiteral("key ") + key)) << key;
    QTest::newRow("key as stored") << QStringLiteral("Show%20First");
    QTest::newRow("settings file") << QStringLiteral("~/.config/Qarnivo/Qarnivo.ini");
    for (const QString &file : {kCityFileName, kPlaceFileName, kCountryFileName, kPageFileName,
                                kPageBodyFileName, kManualFileName, QStringLiteral("FullTips.txt")})
        QTest::newRow(qPrintable(QStringLiteral("file ") + file)) << file;
}

void TestManual::namesEverySettingAndFile()
{
    QFETCH(QString, name);
    const ManualText &manual = manualText();
    QVERIFY2(manual.problem.isEmpty(), qPrintable(manual.problem));
    QVERIFY2(manual.text.contains(name), qPrintable(name));
}

// The wildcard examples of the manual, against the program's own search
// and the places the program ships.
void TestManual::searchExamplesHold_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("found");
    const QString karachi = QStringLiteral("Pakistan - Karachi");
    const QString delhi = QStringLiteral("India - New Delhi");
    QTest::newRow("star spans") << QStringLiteral("pak*kar") << karachi << true;
    QTest::newRow("question mark is one character") << QStringLiteral("d?lhi") << delhi << true;
    QTest::newRow("list") << QStringLiteral("[bd]elhi") << delhi << true;
    QTest::newRow("hash is one digit")
        << QStringLiteral("(-#)") << QStringLiteral("Austria (-1)") << true;
    QTest::newRow("hash is not two digits")
        << QStringLiteral("(-#)") << QStringLiteral("Fiji (-12)") << false;
    QTest::newRow("hash is not a fraction")
        << QStringLiteral("(-#)") << QStringLiteral("Afghanistan (-4.5)") << false;
    QTest::newRow("negated list takes")
        << QStringLiteral("(-[!1]") << QStringLiteral("India (-5.5)") << true;
    QTest::newRow("negated list refuses")
        << QStringLiteral("(-[!1]") << QStringLiteral("Fiji (-12)") << false;
    QTest::newRow("bracketed hash is a hash")
        << QStringLiteral("[#]") << QStringLiteral("No #1") << true;
    QTest::newRow("bracketed hash is no digit")
        << QStringLiteral("[#]") << QStringLiteral("Bahrain (-4)") << false;
}

void TestManual::searchExamplesHold()
{
    QFETCH(QString, search);
    QFETCH(QString, entry);
    QFETCH(bool, found);
    QCOMPARE(WildcardMatch(entry.toUpper(), SearchPattern(search)), found);
    const ManualText &manual = manualText();
    QVERIFY2(manual.text.contains(search), qPrintable(search));
    if (entry.contains(QLatin1String(" - "))) {
        const PlaceListRead places =
            ReadPlaceList(kSourceDir + QStringLiteral("/resources/data/") + kPlaceFileName);
        const bool shipped =
            std::any_of(places.places.cbegin(), places.places.cend(),
                        [&](const PlaceRecord &place) { return place.name == entry; });
        QVERIFY2(shipped, qPrintable(entry));
    }
}

QTEST_MAIN(TestManual)

#include "tst_manual.moc"
