// A sweep over hostile folders: the program starts with each file it reads
// damaged in turn (empty, random bytes, huge, CR line ends, cut off, a folder
// in its place, unreadable, not UTF-8, one very long line), and runs each
// command that writes a file with that file blocked. Whatever the folder
// holds, the program must not crash or hang, must start or end only the
// way it should, must leave the user's files exactly as they were unless the
// user saved, and every message must agree with what is on disk afterwards.

#include "mainwindowfixture.h"

#include "hostilefiles.h"
#include "platform/fakeplatform.h"
#include "platform/textfile.h"
#include "readings/thoughts.h"
#include "sunpage/citycheck.h"
#include "sunpage/cityfile.h"
#include "sunpage/offsetlist.h"
#include "sunpage/pagewriter.h"
#include "sunpage/placelist.h"
#include "sunpage/wwtimecal.h"

#include <QAction>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include "webenginetestmain.h"

using namespace qarnivo;
using namespace qarnivo::testing;

namespace {

// However damaged the folder, one case takes no longer than this.
constexpr qint64 kCaseLimitMs = 20000;

const QString kPagePath = QStringLiteral("system/wwtc.htm");
const QString kBodyPath = QStringLiteral("system/sunc.ini");

const CityInfo kKarachi{QStringLiteral("Karachi"), QStringLiteral("24.86"),
                        QStringLiteral("-67.01"), QStringLiteral("-5")};
const CityInfo kDhaka{QStringLiteral("Dhaka"), QStringLiteral("23.81"), QStringLiteral("-90.41"),
                      QStringLiteral("-6")};

QByteArray cityBytes(const CityInfo &city)
{
    return EncodeLines(CityFileLines(city));
}

const QByteArray kPlaces("Bhubaneswar,20.27,-85.85,-5.5\r\n"
                         "Delhi,28.6100,-77.2000,-5.50\r\n"
                         "\"Washington, D.C.\",38.9072,77.0369,5\r\n"
                         "Sydney,-33.8688,-151.2093,-10\r\n");
const QByteArray kCountries("Japan (-9)\r\nArgentina (3)\r\nBelarus (-1)\r\n");

QByteArray pageBody()
{
    return ReadBytes(QStringLiteral(QARNIVO_SOURCE_DIR "/resources/system/sunc.ini"));
}

QString messageTexts(const FakePlatform &platform)
{
    QStringList texts;
    for (const FakePlatform::Message &message : platform.messages)
        texts << message.text;
    return texts.join(QStringLiteral("\n---\n"));
}

// A main window over a temporary folder that holds a city file (Karachi), a
// place list, a country list and, in its "system" folder, the page body.
struct Scene {
    Window w{QDate(2025, 3, 20), false};

    explicit Scene(bool showFirst)
    {
        w.platform.sysFolder = path(QStringLiteral("system"));
        QDir().mkpath(w.platform.sysFolder);
        if (!WriteBytes(path(kCityFileName), cityBytes(kKarachi)) ||
            !WriteBytes(path(kPlaceFileName), kPlaces) ||
            !WriteBytes(path(kCountryFileName), kCountries) ||
            !WriteBytes(path(kBodyPath), pageBody()))
            qFatal("cannot lay out the test folder");
        w.platform.settings.insert(QStringLiteral("ViewWindow/Show First"),
                                   showFirst ? QStringLiteral("1") : QStringLiteral("0"));
    }

    QString root() const { return w.folder.path(); }
    QString path(const QString &relative) const { return w.folder.filePath(relative); }
    FakePlatform &platform() { return w.platform; }
    frmqarnivo &main() { return *w.window; }

    WwtimeCal *calculator() const { return w.window->findChild<WwtimeCal *>(); }
    template <typename T> T *in(const char *name) const
    {
        T *found = calculator()->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit *box(int i) const
    {
        return calculator()->findChild<QLineEdit *>(QStringLiteral("Text1(%1)").arg(i));
    }
    CityInfo boxes() const
    {
        return {box(0)->text(), box(1)->text(), box(2)->text(), box(3)->text()};
    }
    void setBoxes(const CityInfo &city)
    {
        const QStringList texts{city.name, city.latitude, city.longitude, city.offsetGMT};
        for (int i = 0; i < 4; ++i) {
            box(i)->clear();
            QTest::keyClicks(box(i), texts[i]);
        }
    }
    void closeCalculator()
    {
        in<QAction>("Cloze")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The application folder moved below a plain file: nothing can be made
    // there, whoever runs the test.
    QString folderBelowPlainFile()
    {
        const QString plain = path(QStringLiteral("plain file"));
        WriteBytes(plain, "not a folder\r\n");
        return QDir(plain).filePath(QStringLiteral("Qarnivo"));
    }
};

// What the calculator says of its page must be so on disk: a page it shows
// is there, passes the length check and is written for the current city; a
// page it does not show is not left behind. `shown` tells which it was.
void verifyPageTruth(const Scene &scene, bool *shown)
{
    const WwtimeCal *calculator = scene.calculator();
    const QString pagePath = QDir(scene.w.platform.sysFolder).filePath(kPageFileName);
    *shown = !calculator->pageAddress().isEmpty();
    if (!*shown) {
        QVERIFY(!QFileInfo(pagePath).isFile());
        return;
    }
    QCOMPARE(calculator->pageAddress(), QUrl::fromLocalFile(pagePath));
    QVERIFY(QFileInfo(pagePath).isFile());
    QVERIFY(PageLengthAccepted(QFileInfo(pagePath).size()));
    const QByteArray page = ReadBytes(pagePath);
    const QByteArray nameLine =
        "var NameCity=\"" + ScriptNameText(scene.w.window->currentCity().name).toLatin1() + "\";";
    QVERIFY2(page.contains(nameLine), nameLine.constData());
    // Whatever the city file held, the four city lines after the 49 head
    // lines stay plain script: a string without quotes, backslashes or
    // angle brackets of its own, and three numbers.
    const QString number = QStringLiteral("(?:-?\\d+(?:\\.\\d+)?(?:e[+-]\\d+)?|NaN)");
    const QRegularExpression cityLines(
        QStringLiteral(
            "^var NameCity=\"(?:[ !#-;=?-\\[\\]-~]|\\\\[\"\\\\]|\\\\u[0-9A-F]{4})*\";\r\n") +
        QStringLiteral("var LatitudeCity=%1;\r\nvar LongitudeCity=%1;\r\nvar OffsetGMT=%1;\r\n")
            .arg(number));
    const QList<QByteArray> lines = page.split('\n');
    QVERIFY(lines.size() > 53);
    const QString city = QString::fromLatin1(lines.mid(49, 4).join('\n') + '\n');
    QVERIFY2(cityLines.match(city).hasMatch(), qPrintable(city));
}

// Opens both panels, walks a search through each list and copies the first
// place into the boxes: the panels must cope with whatever the lists hold,
// and a search summary must count the hits the search really made.
void exercisePanels(Scene &scene)
{
    FakePlatform &platform = scene.platform();
    scene.in<QAction>("LatLong")->trigger();
    scene.in<QAction>("GMToffset")->trigger();
    QCoreApplication::processEvents();

    auto *places = scene.in<QListWidget>("List1");
    scene.in<QLineEdit>("Text2")->setText(QStringLiteral("a"));
    int hits = 0;
    for (int click = 0; click < places->count() + 2; ++click) {
        const qsizetype shownBefore = platform.messages.size();
        scene.in<QPushButton>("FindNext")->click();
        if (platform.messages.size() > shownBefore) {
            QCOMPARE(
                platform.lastMessage(),
                QStringLiteral("Search complete, no more found.\r\nTotal found = (%1).").arg(hits));
            break;
        }
        QVERIFY(places->currentItem());
        QVERIFY(places->currentItem()->text().contains(u'a', Qt::CaseInsensitive));
        ++hits;
    }
    if (places->count() > 0) {
        places->setCurrentRow(0);
        scene.calculator()->List1_DblClick();
        const QLineEdit *name = scene.box(0);
        QCOMPARE(name->text(), places->item(0)->text().left(name->maxLength()));
    }
    scene.in<QPushButton>("Resetz")->click();

    auto *countries = scene.in<QListWidget>("List2");
    scene.in<QLineEdit>("Text3")->setText(QStringLiteral("ethopia"));
    scene.in<QPushButton>("FindNext1")->click();
    QCOMPARE(countries->currentItem()->text(), QStringLiteral("Ethopia (-3)"));
    scene.in<QPushButton>("FindNext1")->click();
    QCOMPARE(platform.lastMessage(),
             QStringLiteral("Search complete, no more found.\r\nTotal found = (1)."));
    scene.in<QPushButton>("Close1")->click();
    platform.messages.clear();
}

enum class Form { Bytes, Folder, Unreadable };

} // namespace

Q_DECLARE_METATYPE(Form)

class TestSweep : public QObject {
    Q_OBJECT
private slots:
    void hostileInput_data();
    void hostileInput();
    void fifoInPlaceOfFile_data();
    void fifoInPlaceOfFile();
    void missingCityFileBlocked_data();
    void missingCityFileBlocked();
    void cityUpdateBlocked_data();
    void cityUpdateBlocked();
    void fullTipsBlocked_data();
    void fullTipsBlocked();
    void pageBlocked_data();
    void pageBlocked();
};

// For each row: the damaged file, its form and bytes; then what a sound
// program shows: the city name on the main window (empty: whatever the
// bytes give), the place and country counts (-1: whatever the bytes give),
// whether the page is shown and whether the damaged-package message comes.
void TestSweep::hostileInput_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Form>("form");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("city");
    QTest::addColumn<int>("places");
    QTest::addColumn<int>("countries");
    QTest::addColumn<bool>("pageShown");
    QTest::addColumn<bool>("packageMessage");

    const QString karachi = kKarachi.name;
    const QString fallback = DefaultCity().name; // the city file cannot be used
    const QByteArray body = pageBody();
    const QByteArray longLine(kLongLineBytes, 'x');
    const QByteArray bom("\xEF\xBB\xBF"); // as some editors put before UTF-8
    const auto row = [](const QString &file, const char *damage) -> QTestData & {
        return QTest::newRow(qPrintable(file + QStringLiteral(": ") + QLatin1String(damage)));
    };

    // The city file: a file that is there but unusable shows the built-in
    // default city and leaves the file alone; the page needs only that the
    // file can be opened.
    const QString city = kCityFileName;
    const QByteArray goodCity = cityBytes(kKarachi);
    row(city, "empty") << city << Form::Bytes << QByteArray() << fallback << 4 << 32 << true
                       << false;
    row(city, "random bytes") << city << Form::Bytes << RandomBytes(4096, 1) << QString() << 4 << 32
                              << true << false;
    row(city, "10 MB") << city << Form::Bytes << RepeatedTo(goodCity, kHugeFileBytes) << karachi
                       << 4 << 32 << true << false;
    row(city, "CR line ends") << city << Form::Bytes << WithCrLineEnds(goodCity) << karachi << 4
                              << 32 << true << false;
    row(city, "cut off inside the latitude")
        << city << Form::Bytes << goodCity.left(goodCity.indexOf("24.8") + 4) << fallback << 4 << 32
        << true << false;
    row(city, "a folder") << city << Form::Folder << QByteArray() << fallback << 4 << 32 << false
                          << false;
    row(city, "unreadable") << city << Form::Unreadable << goodCity << fallback << 4 << 32 << false
                            << false;
    row(city, "Windows-1252, not UTF-8")
        << city << Form::Bytes
        << cityBytes({QStringLiteral("Zürich"), QStringLiteral("47.37"), QStringLiteral("-8.54"),
                      QStringLiteral("-1")})
        << QStringLiteral("Zürich") << 4 << 32 << true << false;
    row(city, "one 1 MB line") << city << Form::Bytes << longLine + ",24.86,-67.01,-5"
                               << QString(kCityNameLength, u'x') << 4 << 32 << true << false;
    const CityInfo injection{QStringLiteral("x\";alert(1);//</SCRIPT><b>"),
                             QStringLiteral("1;alert(2)"), QStringLiteral("2</script>"),
                             QStringLiteral("-5\"+alert(3)+\"")};
    row(city, "script in every field")
        << city << Form::Bytes << cityBytes(injection) << injection.name.left(kCityNameLength) << 4
        << 32 << true << false;
    row(city, "UTF-8 with a byte order mark")
        << city << Form::Bytes << bom + goodCity << karachi << 4 << 32 << true << false;

    // The place list: what can be read of it is listed, at most 501 places.
    const QString placeFile = kPlaceFileName;
    row(placeFile, "empty") << placeFile << Form::Bytes << QByteArray() << karachi << 0 << 32
                            << true << false;
    row(placeFile, "random bytes")
        << placeFile << Form::Bytes << RandomBytes(4096, 2) << karachi << -1 << 32 << true << false;
    row(placeFile, "10 MB") << placeFile << Form::Bytes << RepeatedTo(kPlaces, kHugeFileBytes)
                            << karachi << int(kMaxPlaces) << 32 << true << false;
    row(placeFile, "CR line ends") << placeFile << Form::Bytes << WithCrLineEnds(kPlaces) << karachi
                                   << 4 << 32 << true << false;
    row(placeFile, "cut off inside the third place")
        << placeFile << Form::Bytes << kPlaces.left(kPlaces.indexOf("38.90") + 5) << karachi << 2
        << 32 << true << false;
    row(placeFile, "a folder") << placeFile << Form::Folder << QByteArray() << karachi << 0 << 32
                               << true << false;
    row(placeFile, "unreadable") << placeFile << Form::Unreadable << kPlaces << karachi << 0 << 32
                                 << true << false;
    row(placeFile, "Windows-1252, not UTF-8")
        << placeFile << Form::Bytes << kPlaces + "K\xF6ln,50.94,-6.96,-1\r\n"
        << karachi << 5 << 32 << true << false;
    row(placeFile, "one 1 MB line")
        << placeFile << Form::Bytes << longLine + ",1,2,3" << karachi << 1 << 32 << true << false;
    row(placeFile, "UTF-8 with a byte order mark")
        << placeFile << Form::Bytes << bom + kPlaces << karachi << 4 << 32 << true << false;

    // The country list: the built-in 29 entries and every line of the file.
    const QString countryFile = kCountryFileName;
    const int builtIn = int(kBuiltInCountryCount);
    const QByteArray hugeCountries = RepeatedTo(kCountries, kHugeFileBytes);
    row(countryFile, "empty") << countryFile << Form::Bytes << QByteArray() << karachi << 4
                              << builtIn << true << false;
    row(countryFile, "random bytes") << countryFile << Form::Bytes << RandomBytes(4096, 3)
                                     << karachi << 4 << -1 << true << false;
    row(countryFile, "10 MB") << countryFile << Form::Bytes << hugeCountries << karachi << 4
                              << builtIn + int(hugeCountries.count("\r\n")) << true << false;
    row(countryFile, "CR line ends") << countryFile << Form::Bytes << WithCrLineEnds(kCountries)
                                     << karachi << 4 << builtIn + 3 << true << false;
    row(countryFile, "cut off inside the third line")
        << countryFile << Form::Bytes << kCountries.left(kCountries.indexOf("Belarus") + 4)
        << karachi << 4 << builtIn + 3 << true << false;
    row(countryFile, "a folder") << countryFile << Form::Folder << QByteArray() << karachi << 4
                                 << builtIn << true << false;
    row(countryFile, "unreadable") << countryFile << Form::Unreadable << kCountries << karachi << 4
                                   << builtIn << true << false;
    row(countryFile, "Windows-1252, not UTF-8")
        << countryFile << Form::Bytes << kCountries + "C\xF4te d'Ivoire (0)\r\n"
        << karachi << 4 << builtIn + 4 << true << false;
    row(countryFile, "one 1 MB line")
        << countryFile << Form::Bytes << longLine << karachi << 4 << builtIn + 1 << true << false;
    row(countryFile, "UTF-8 with a byte order mark")
        << countryFile << Form::Bytes << bom + kCountries << karachi << 4 << builtIn + 3 << true
        << false;

    // The page body: a body that cannot give a page of the right length is
    // reported as a damaged package; one that cannot be read at all shows
    // a note in the window instead of the page.
    const QString bodyFile = kBodyPath;
    row(bodyFile, "empty") << bodyFile << Form::Bytes << QByteArray() << karachi << 4 << 32 << false
                           << true;
    row(bodyFile, "random bytes") << bodyFile << Form::Bytes << RandomBytes(44044, 4) << karachi
                                  << 4 << 32 << false << true;
    row(bodyFile, "10 MB") << bodyFile << Form::Bytes << RepeatedTo(body, kHugeFileBytes) << karachi
                           << 4 << 32 << false << true;
    row(bodyFile, "CR line ends") << bodyFile << Form::Bytes << WithCrLineEnds(body) << karachi << 4
                                  << 32 << true << false;
    row(bodyFile, "cut off in the middle") << bodyFile << Form::Bytes << body.left(body.size() / 2)
                                           << karachi << 4 << 32 << false << true;
    row(bodyFile, "a folder") << bodyFile << Form::Folder << QByteArray() << karachi << 4 << 32
                              << false << false;
    row(bodyFile, "unreadable") << bodyFile << Form::Unreadable << body << karachi << 4 << 32
                                << false << false;
    row(bodyFile, "Windows-1252, not UTF-8")
        << bodyFile << Form::Bytes << body + "<!-- caf\xE9 -->\r\n"
        << karachi << 4 << 32 << true << false;
    row(bodyFile, "one 1 MB line")
        << bodyFile << Form::Bytes << longLine << karachi << 4 << 32 << false << true;
    row(bodyFile, "UTF-8 with a byte order mark")
        << bodyFile << Form::Bytes << bom + body << karachi << 4 << 32 << true << false;
}

void TestSweep::hostileInput()
{
    QFETCH(QString, file);
    QFETCH(Form, form);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, city);
    QFETCH(int, places);
    QFETCH(int, countries);
    QFETCH(bool, pageShown);
    QFETCH(bool, packageMessage);

    Scene scene(true);
    PermissionChanges permissions; // given back before the folder goes
    const QString target = scene.path(file);
    QVERIFY(QFile::remove(target));
    if (form == Form::Folder)
        QVERIFY(QDir().mkpath(target));
    else
        QVERIFY(WriteBytes(target, bytes));
    if (form == Form::Unreadable && !permissions.denyReading(target))
        QSKIP("permissions do not bind here (running as the superuser)");
    const FolderSnapshot before = SnapshotFolder(scene.root());
    QElapsedTimer clock;
    clock.start();

    // The start runs to its end and opens the calculator in place of the
    // main window.
    scene.w.load();
    QVERIFY(!scene.platform().ended);
    QPointer<WwtimeCal> calculator = scene.calculator();
    QVERIFY(calculator);
    QVERIFY(calculator->isVisible());
    QVERIFY(!scene.main().isVisible());

    // Only true messages: the damaged-package message when the body is
    // damaged, nothing else.
    const QString expectedMessages = packageMessage ? PageLengthMessage() : QString();
    QCOMPARE(messageTexts(scene.platform()), expectedMessages);
    bool shown = false;
    verifyPageTruth(scene, &shown);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(shown, pageShown);

    const QString shownCity = scene.w.text(QStringLiteral("Label12"));
    if (!city.isEmpty())
        QCOMPARE(shownCity, city);
    QCOMPARE(shownCity, CityNameDisplay(scene.main().currentCity().name));
    QCOMPARE(scene.boxes().name.left(kCityNameLength), shownCity);

    auto *placeList = scene.in<QListWidget>("List1");
    auto *countryList = scene.in<QListWidget>("List2");
    if (places >= 0)
        QCOMPARE(placeList->count(), places);
    if (countries >= 0)
        QCOMPARE(countryList->count(), countries);
    QVERIFY(countryList->count() >= kBuiltInCountryCount);
    QCOMPARE(scene.in<QGroupBox>("Frame3")->title(), PlacePanelCaption(placeList->count()));
    QCOMPARE(scene.in<QLabel>("Label7")->text(), CountryCountCaption(countryList->count()));

    FolderSnapshot whileOpen = SnapshotFolder(scene.root());
    whileOpen.remove(kPagePath);
    QCOMPARE(SnapshotChanges(before, whileOpen), QString());

    exercisePanels(scene);
    if (QTest::currentTestFailed())
        return;

    // Closing removes the page and nothing else, and brings the main window
    // back.
    scene.closeCalculator();
    QVERIFY(!calculator);
    QVERIFY(scene.main().isVisible());
    QCOMPARE(SnapshotChanges(before, SnapshotFolder(scene.root())), QString());
    QVERIFY(scene.platform().messages.isEmpty());
    QVERIFY2(clock.elapsed() < kCaseLimitMs, qPrintable(QString::number(clock.elapsed())));
}

void TestSweep::fifoInPlaceOfFile_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : {kCityFileName, kPlaceFileName, kCountryFileName, kBodyPath})
        QTest::newRow(qPrintable(file)) << file;
}

// A FIFO where a file should be: opening it for reading waits until someone
// writes, so a program that opens it hangs at its start. The rescuer keeps
// the test from hanging and tells whether the program waited.
void TestSweep::fifoInPlaceOfFile()
{
    QFETCH(QString, file);
    Scene scene(true);
    const QString target = scene.path(file);
    QVERIFY(QFile::remove(target));
    FifoRescuer rescuer(target); // stops before the folder goes
    QVERIFY(rescuer.start());
    const FolderSnapshot before = SnapshotFolder(scene.root());

    scene.w.load();
    QVERIFY(!scene.platform().ended);
    QVERIFY(scene.calculator() && scene.calculator()->isVisible());
    bool shown = false;
    verifyPageTruth(scene, &shown);
    if (QTest::currentTestFailed())
        return;
    // A page body that is no file may be reported as a damaged package.
    const QString messages = messageTexts(scene.platform());
    QVERIFY2(messages.isEmpty() || (file == kBodyPath && messages == PageLengthMessage()),
             qPrintable(messages));
    scene.closeCalculator();
    QVERIFY(scene.main().isVisible());
    QCOMPARE(SnapshotChanges(before, SnapshotFolder(scene.root())), QString());

    QCOMPARE(rescuer.rescues(), 0);
}

void TestSweep::missingCityFileBlocked_data()
{
    QTest::addColumn<QString>("block");
    QTest::newRow("folder takes the file") << "none";
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("folder below a plain file") << "below a file";
}

// A missing city file is written with the default city and the program
// ends, telling the user so. Where the folder does not take the file, the
// user is told that instead and the program carries on with the default city.
void TestSweep::missingCityFileBlocked()
{
    QFETCH(QString, block);
    Scene scene(true);
    PermissionChanges permissions;
    QVERIFY(QFile::remove(scene.path(kCityFileName)));
    if (block == QLatin1String("read-only") && !permissions.denyWriting(scene.root()))
        QSKIP("permissions do not bind here (running as the superuser)");
    if (block == QLatin1String("below a file"))
        scene.platform().appFolder = scene.folderBelowPlainFile();
    const QString cityPath = QDir(scene.platform().appFolder).filePath(kCityFileName);
    const FolderSnapshot before = SnapshotFolder(scene.root());

    scene.w.load();
    FakePlatform &platform = scene.platform();
    QCOMPARE(platform.messages.size(), 1);
    if (block == QLatin1String("none")) {
        QCOMPARE(platform.lastMessage(), MissingCityFileMessage());
        QCOMPARE(platform.messages[0].icon, MsgIcon::Critical);
        QVERIFY(platform.ended);
        QVERIFY(!scene.main().isVisible());
        QVERIFY(!scene.calculator());
        // The message says the file was made: it is there, with the default.
        const CityFileRead read = ReadCityFile(cityPath);
        QCOMPARE(read.status, CityFileRead::Status::Ok);
        QCOMPARE(read.city.name, DefaultCity().name);
        QCOMPARE(ReadBytes(cityPath), cityBytes(DefaultCity()));
        return;
    }
    QCOMPARE(platform.messages[0].icon, MsgIcon::Exclamation);
    QVERIFY2(
        platform.lastMessage().startsWith(QLatin1String("The city file could not be created:")),
        qPrintable(platform.lastMessage()));
    QVERIFY(platform.lastMessage().contains(QDir::toNativeSeparators(cityPath)));
    QVERIFY(!QFileInfo::exists(cityPath));
    QVERIFY(!platform.ended);
    QVERIFY(scene.calculator() && scene.calculator()->isVisible());
    QCOMPARE(scene.w.text(QStringLiteral("Label12")), DefaultCity().name);
    QCOMPARE(SnapshotChanges(before, SnapshotFolder(scene.root())), QString());
    scene.closeCalculator();
    QVERIFY(scene.main().isVisible());
    QCOMPARE(SnapshotChanges(before, SnapshotFolder(scene.root())), QString());
}

void TestSweep::cityUpdateBlocked_data()
{
    QTest::addColumn<QByteArray>("startFile");
    QTest::addColumn<bool>("typeCity");
    QTest::addColumn<QString>("block");
    QTest::addColumn<bool>("mustSave");
    const QByteArray karachi = cityBytes(kKarachi);
    QTest::newRow("folder takes the file") << karachi << true << "none" << true;
    QTest::newRow("city file replaced by a folder") << karachi << true << "folder" << false;
    QTest::newRow("read-only folder") << karachi << true << "read-only" << false;
    QTest::newRow("folder moved below a plain file") << karachi << true << "below a file" << false;
    // A city file kept in UTF-8 (as the reader accepts) with a name that
    // Windows-1252 cannot hold, saved back unchanged.
    QTest::newRow("UTF-8 name saved back unchanged")
        << QByteArray("\xC5\x81\xC3\xB3\x64\xC5\xBA\r\n51.76\r\n-19.46\r\n-1\r\n") << false
        << "none" << false;
}

// Update saves the boxes; the message must say what became of the file.
void TestSweep::cityUpdateBlocked()
{
    QFETCH(QByteArray, startFile);
    QFETCH(bool, typeCity);
    QFETCH(QString, block);
    QFETCH(bool, mustSave);
    Scene scene(true);
    PermissionChanges permissions;
    QVERIFY(WriteBytes(scene.path(kCityFileName), startFile));
    scene.w.load();
    QVERIFY(scene.calculator());
    FakePlatform &platform = scene.platform();
    platform.messages.clear();

    auto *edit = scene.in<QPushButton>("Edit");
    edit->click();
    if (typeCity)
        scene.setBoxes(kDhaka);
    const CityInfo typed = scene.boxes();
    QString cityPath = scene.path(kCityFileName);
    if (block == QLatin1String("folder")) {
        QVERIFY(QFile::remove(cityPath));
        QVERIFY(QDir().mkpath(cityPath));
    } else if (block == QLatin1String("read-only")) {
        if (!permissions.denyWriting(scene.root()))
            QSKIP("permissions do not bind here (running as the superuser)");
    } else if (block == QLatin1String("below a file")) {
        platform.appFolder = scene.folderBelowPlainFile();
        cityPath = QDir(platform.appFolder).filePath(kCityFileName);
    }
    const FolderSnapshot before = SnapshotFolder(scene.root());

    edit->click();
    QCOMPARE(platform.messages.size(), 1);
    const bool successShown = platform.lastMessage() == CitySavedMessage().text;
    // Saved means: the next start reads back what the user saved.
    const CityFileRead read = ReadCityFile(cityPath);
    const bool saved =
        read.status == CityFileRead::Status::Ok && read.city.name == CutCityName(typed.name) &&
        read.city.latitude == typed.latitude && read.city.longitude == typed.longitude &&
        read.city.offsetGMT == typed.offsetGMT;
    QVERIFY2(successShown == saved, qPrintable(QStringLiteral("message: %1\nread back: %2")
                                                   .arg(platform.lastMessage(), read.city.name)));
    if (mustSave)
        QVERIFY(saved);
    if (saved) {
        QCOMPARE(edit->text(), QStringLiteral("Edit"));
        return;
    }
    // Not saved: said so, the old file untouched, the boxes still open.
    QCOMPARE(platform.messages[0].icon, MsgIcon::Critical);
    QVERIFY2(platform.lastMessage().startsWith(
                 QLatin1String("Default City Information could not be saved")),
             qPrintable(platform.lastMessage()));
    QCOMPARE(SnapshotChanges(before, SnapshotFolder(scene.root())), QString());
    QCOMPARE(edit->text(), QStringLiteral("Update"));
}

void TestSweep::fullTipsBlocked_data()
{
    QTest::addColumn<QString>("block");
    QTest::addColumn<bool>("mustSave");
    QTest::newRow("folder takes the file") << "none" << true;
    QTest::newRow("FullTips.txt is a folder") << "folder" << false;
    QTest::newRow("read-only folder") << "read-only" << false;
    QTest::newRow("folder moved below a plain file") << "below a file" << false;
}

// Print All Tips over an earlier export: the message after the question must
// say what became of the file.
void TestSweep::fullTipsBlocked()
{
    QFETCH(QString, block);
    QFETCH(bool, mustSave);
    Scene scene(false);
    PermissionChanges permissions;
    scene.w.load();
    FakePlatform &platform = scene.platform();
    QVERIFY(!platform.ended);
    QString tipsPath = FullTipsPath(platform.appFolder);
    QVERIFY(WriteBytes(tipsPath, "An earlier export\r\n"));
    if (block == QLatin1String("folder")) {
        QVERIFY(QFile::remove(tipsPath));
        QVERIFY(QDir().mkpath(tipsPath));
    } else if (block == QLatin1String("read-only")) {
        if (!permissions.denyWriting(scene.root()))
            QSKIP("permissions do not bind here (running as the superuser)");
    } else if (block == QLatin1String("below a file")) {
        platform.appFolder = scene.folderBelowPlainFile();
        tipsPath = FullTipsPath(platform.appFolder);
    }
    const FolderSnapshot before = SnapshotFolder(scene.root());
    platform.messages.clear();

    scene.w.control<QAction>(QStringLiteral("PrintTips"))->trigger();
    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(platform.messages[0].text, PrintTipsQuestion(platform.appFolder));
    const bool successShown = platform.lastMessage() == PrintTipsDoneText();
    const QByteArray written = QFileInfo(tipsPath).isFile() ? ReadBytes(tipsPath) : QByteArray();
    const bool saved = written.startsWith("BISME ALLAH - AR-RAHMAN - AR-RAHEEM\r\n\r\nMONTH: ") &&
                       written.count("\r\nDay - ") == 360 && written.endsWith("\r\n\r\n");
    QVERIFY2(successShown == saved, qPrintable(platform.lastMessage()));
    if (mustSave)
        QVERIFY(saved);
    if (saved)
        return;
    QCOMPARE(platform.messages[1].icon, MsgIcon::Exclamation);
    QCOMPARE(platform.lastMessage().section(QStringLiteral("\r\n"), 0, 0),
             QStringLiteral("The file %1 could not be created.")
                 .arg(QDir::toNativeSeparators(tipsPath)));
    QCOMPARE(SnapshotChanges(before, SnapshotFolder(scene.root())), QString());
    QVERIFY(!platform.ended);
}

void TestSweep::pageBlocked_data()
{
    QTest::addColumn<QString>("block");
    QTest::addColumn<bool>("mustShow");
    QTest::newRow("system folder takes the page") << "none" << true;
    QTest::newRow("wwtc.htm is a folder") << "folder" << false;
    QTest::newRow("read-only system folder") << "read-only" << false;
}

// Opening the calculator writes its page; a page that cannot be written
// leaves the window whole, without a page and without claiming one.
void TestSweep::pageBlocked()
{
    QFETCH(QString, block);
    QFETCH(bool, mustShow);
    Scene scene(false);
    PermissionChanges permissions;
    scene.w.load();
    const QString pagePath = scene.path(kPagePath);
    if (block == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(pagePath));
    } else if (block == QLatin1String("read-only")) {
        if (!permissions.denyWriting(scene.platform().sysFolder))
            QSKIP("permissions do not bind here (running as the superuser)");
    }
    const FolderSnapshot before = SnapshotFolder(scene.root());
    scene.platform().messages.clear();

    scene.main().SunRiseSunSet_Click();
    QVERIFY(scene.calculator() && scene.calculator()->isVisible());
    QVERIFY2(scene.platform().messages.isEmpty(), qPrintable(messageTexts(scene.platform())));
    bool shown = false;
    verifyPageTruth(scene, &shown);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(shown, mustShow);
    QCOMPARE(scene.boxes().name, kKarachi.name);
    QCOMPARE(scene.in<QListWidget>("List1")->count(), 4);
    QCOMPARE(scene.in<QListWidget>("List2")->count(), 32);
    FolderSnapshot whileOpen = SnapshotFolder(scene.root());
    if (mustShow)
        whileOpen.remove(kPagePath);
    QCOMPARE(SnapshotChanges(before, whileOpen), QString());

    scene.closeCalculator();
    QVERIFY(scene.main().isVisible());
    QCOMPARE(SnapshotChanges(before, SnapshotFolder(scene.root())), QString());
}

QARNIVO_WEBENGINE_TEST_MAIN(TestSweep)

#include "tst_sweep.moc"
