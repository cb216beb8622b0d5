// A sweep over hostile folders: the program starts with each file it reads missing or damaged in
// turn, and runs each command that writes a file with that file blocked. It must not crash or
// hang, must leave the user's files as they were unless the user saved, and every message must
// agree with what is on disk afterwards.

#include "core/places/citycheck.h"
#include "core/readings/thoughts.h"
#include "windowsupport.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <atomic>
#include <stop_token>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace qarnivo;
using namespace qarnivo::testing;

namespace {

constexpr qint64 kCaseLimitMs = 20000; // however damaged the folder, per case
const QString kPagePath = QStringLiteral("system/wwtc.htm");
const QString kBodyPath = QStringLiteral("system/sunc.ini");
const CityInfo kKarachi{"Karachi", "24.86", "-67.01", "-5"};

QByteArray cityBytes(const CityInfo &city)
{
    return EncodeLines(CityFileLines(city));
}

// Bytes of every value, NULs and line ends among them, the same for the same seed.
QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = i % 61 == 0 ? '\0' : char(generator.bounded(256));
    return bytes;
}

// `unit` repeated whole up to 10 MB.
QByteArray huge(const QByteArray &unit)
{
    return unit.repeated((10 * 1024 * 1024 + unit.size() - 1) / unit.size());
}

QByteArray crLineEnds(QByteArray bytes)
{
    return bytes.replace("\r\n", "\r");
}

// Per entry below a folder (the folder included, `skip` left out) its path, kind, permissions and
// a digest of its bytes, or, where they cannot be read, its size and time, one a line in order:
// two snapshots differ exactly when something changed.
QString entryState(const QFileInfo &info)
{
    const QString permissions = QString::number(int(info.permissions()), 16);
    if (!info.isFile()) // a folder, or a FIFO that opening could wait on for ever
        return (info.isDir() ? "folder " : "not a file ") + permissions;
    QFile file(info.filePath());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QString content = file.open(QIODevice::ReadOnly) && hash.addData(&file)
                                ? QString::fromLatin1(hash.result().toHex())
                                : "unreadable, " + info.lastModified().toString(Qt::ISODateWithMs);
    return QStringLiteral("file %1, %2 bytes, %3").arg(permissions).arg(info.size()).arg(content);
}

QStringList snapshot(const QString &root, const QString &skip = {})
{
    QStringList entries{".: " + entryState(QFileInfo(root))};
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir(root).relativeFilePath(it.next());
        if (path != skip)
            entries << path + ": " + entryState(it.fileInfo());
    }
    entries.sort();
    return entries;
}

// Takes permissions away from one path, and gives them back when it goes out of scope so that the
// temporary folder can be removed. Says false where that does not bind (as for the superuser).
struct Permissions {
    QString path;
    QFile::Permissions saved;
    ~Permissions()
    {
        if (!path.isEmpty())
            QFile::setPermissions(path, saved);
    }
    bool deny(const QString &denied, QFile::Permissions left, int probe)
    {
        path = denied;
        saved = QFile::permissions(path);
        return QFile::setPermissions(path, left) &&
               ::access(QFile::encodeName(path).constData(), probe) != 0;
    }
};

// A main window over a folder that holds a city file (Karachi), both lists and the page body.
struct Scene : Window {
    explicit Scene(bool showFirst) : Window(QDate(2025, 3, 20))
    {
        addCalculatorFiles();
        if (!writeBytes(path(kCityFileName), cityBytes(kKarachi)))
            qFatal("cannot lay out the test folder");
        setSetting(SettingKey::ShowFirst, showFirst ? "1" : "0");
    }
    QString root() const { return folder.path(); }
    // The application folder moved below a plain file: nothing can be made there, whoever
    // runs the test.
    QString folderBelowPlainFile() const
    {
        writeBytes(path("plain file"), "not a folder\r\n");
        return path("plain file/Qarnivo");
    }
    // What the calculator says of its page must be so on disk: a page it shows is there, of
    // an accepted length, for the current city, its four city lines plain script; a page it
    // does not show is not left behind.
    void verifyPage(bool pageShown) const
    {
        QCOMPARE(calculator()->pageAddress().isEmpty(), !pageShown);
        QCOMPARE(QFileInfo(pagePath()).isFile(), pageShown);
        if (!pageShown)
            return;
        QCOMPARE(calculator()->pageAddress(), QUrl::fromLocalFile(pagePath()));
        const QByteArray page = readBytes(pagePath());
        QVERIFY(PageLengthAccepted(page.size()));
        const QString number = QStringLiteral("(?:-?\\d+(?:\\.\\d+)?(?:e[+-]\\d+)?|NaN)");
        const QRegularExpression cityLines(
            "^var NameCity=\"(?:[ !#-;=?-\\[\\]-~]|\\\\[\"\\\\]|\\\\u[0-9A-F]{4})*\";\r\n" +
            QStringLiteral("var LatitudeCity=%1;\r\nvar LongitudeCity=%1;\r\nvar OffsetGMT=%1;\r\n")
                .arg(number));
        const QString city = QString::fromLatin1(page.split('\n').mid(49, 4).join('\n') + '\n');
        QVERIFY2(cityLines.match(city).hasMatch(), qPrintable(city));
        QVERIFY(
            city.startsWith("var NameCity=\"" + ScriptNameText(main->currentCity().name) + "\";"));
    }
    // Opens both panels, walks a search through each list and copies the first place into the
    // boxes: a search summary must count the hits the search really made.
    void exercisePanels()
    {
        platform.messages.clear();
        in<QAction>(calculatornames::PlacesCommand)->trigger();
        in<QAction>(calculatornames::OffsetsCommand)->trigger();
        auto *places = in<QListWidget>(calculatornames::PlaceList);
        in<QLineEdit>(calculatornames::PlaceSearchBox)->setText("a");
        int hits = 0;
        for (; platform.messages.isEmpty() && hits <= places->count(); ++hits) {
            in<QPushButton>(calculatornames::PlaceFindButton)->click();
            QVERIFY(!platform.messages.isEmpty() ||
                    (places->currentItem() &&
                     places->currentItem()->text().contains(u'a', Qt::CaseInsensitive)));
        }
        QCOMPARE(platform.lastMessage(), QStringLiteral("Search complete, no more found.\r\n"
                                                        "Total found = (%1).")
                                             .arg(hits - 1));
        if (places->count() > 0) {
            places->setCurrentRow(0);
            calculator()->List1_DblClick();
            QCOMPARE(box(0)->text(), places->item(0)->text().left(box(0)->maxLength()));
        }
        in<QPushButton>(calculatornames::PlaceCloseButton)->click();
        in<QLineEdit>(calculatornames::CountrySearchBox)->setText("ethopia");
        in<QPushButton>(calculatornames::CountryFindButton)->click();
        QCOMPARE(selected(calculatornames::CountryList), "Ethopia (-3)");
        in<QPushButton>(calculatornames::CountryFindButton)->click();
        QCOMPARE(platform.lastMessage(), "Search complete, no more found.\r\nTotal found = (1).");
        in<QPushButton>(calculatornames::CountryCloseButton)->click();
        platform.messages.clear();
    }
};

enum Form { Bytes, Unreadable, Missing, Fifo };

// What a sound program shows over a damaged file: the city name on the main window (empty:
// whatever the bytes give), the place and country counts (-1: whatever the bytes give),
// whether the page shows and whether the damaged-package message comes.
struct Shows {
    QString city = kKarachi.name;
    int places = 4;
    int countries = 32;
    bool page = true;
    bool package = false;
};

void damaged(const QString &file, const char *damage, Form form, const QByteArray &bytes,
             const Shows &shows = {})
{
    QTest::addRow("%s: %s", qPrintable(file), damage)
        << file << int(form) << bytes << shows.city << shows.places << shows.countries << shows.page
        << shows.package;
}

} // namespace

class TestSweep : public QObject {
    Q_OBJECT
private slots:
    void hostileInput_data()
    {
        columns<QString, int, QByteArray, QString, int, int, bool, bool>(
            {"file", "form", "bytes", "city", "places", "countries", "pageShown",
             "packageMessage"});
        const QByteArray longLine(1024 * 1024, 'x');
        const QByteArray bom("\xEF\xBB\xBF"); // as some editors put before UTF-8

        // A city file that is there but unusable shows the built-in default city, says so naming
        // the file, and is left alone; the page needs only that the file can be opened.
        const QString city = kCityFileName;
        const QByteArray good = cityBytes(kKarachi);
        const QString fallback = DefaultCity().name;
        const CityInfo injection{"x\";alert(1);//</SCRIPT><b>", "1;alert(2)", "2</script>",
                                 "-5\"+alert(3)+\""};
        damaged(city, "empty", Bytes, {}, {.city = fallback});
        damaged(city, "random bytes", Bytes, randomBytes(4096, 1), {.city = fallback});
        damaged(city, "CR line ends", Bytes, crLineEnds(good));
        damaged(city, "cut off inside the latitude", Bytes, good.left(good.indexOf("24.8") + 4),
                {.city = fallback});
        damaged(city, "a FIFO", Fifo, {}, {.city = fallback, .page = false});
        damaged(city, "unreadable", Unreadable, good, {.city = fallback, .page = false});
        damaged(city, "Windows-1252, not UTF-8", Bytes,
                cityBytes({"Zürich", "47.37", "-8.54", "-1"}), {.city = "Zürich"});
        damaged(city, "one 1 MB line", Bytes, longLine + ",24.86,-67.01,-5",
                {.city = QString(kCityNameLength, u'x')});
        damaged(city, "script in every field", Bytes, cityBytes(injection),
                {.city = injection.name.left(kCityNameLength)});
        damaged(city, "UTF-8 with a byte order mark", Bytes, bom + good);

        // The place list: what can be read of it is listed, at most 501 places.
        const QString places = kPlaceFileName;
        damaged(places, "missing", Missing, {}, {.places = 0});
        damaged(places, "empty", Bytes, {}, {.places = 0});
        damaged(places, "random bytes", Bytes, randomBytes(4096, 2), {.places = -1});
        damaged(places, "10 MB", Bytes, huge(kPlaces), {.places = int(kMaxPlaces)});
        damaged(places, "cut off inside the third place", Bytes,
                kPlaces.left(kPlaces.indexOf("38.90") + 5), {.places = 2});
        damaged(places, "Windows-1252, not UTF-8", Bytes, kPlaces + "K\xF6ln,50.94,-6.96,-1\r\n",
                {.places = 5});
        damaged(places, "one 1 MB line", Bytes, longLine + ",1,2,3", {.places = 1});

        // The country list: the built-in 29 entries and every line of the file.
        const QString countries = kCountryFileName;
        const int builtIn = int(kBuiltInCountryCount);
        damaged(countries, "missing", Missing, {}, {.countries = builtIn});
        damaged(countries, "empty", Bytes, {}, {.countries = builtIn});
        damaged(countries, "random bytes", Bytes, randomBytes(4096, 3), {.countries = -1});
        damaged(countries, "10 MB", Bytes, huge(kCountries),
                {.countries = builtIn + int(huge(kCountries).count("\r\n"))});
        damaged(countries, "cut off inside the third line", Bytes,
                kCountries.left(kCountries.indexOf("Belarus") + 4));
        damaged(countries, "Windows-1252, not UTF-8", Bytes,
                kCountries + "C\xF4te d'Ivoire (0)\r\n", {.countries = builtIn + 4});
        damaged(countries, "one 1 MB line", Bytes, longLine, {.countries = builtIn + 1});

        // The page body: one that cannot give a page of the right length is reported as a
        // damaged package; one that cannot be read at all shows a note instead of the page.
        // Every reader opens its file alike: the FIFO and the unreadable file are tried on the
        // city file and the body, whose absence changes most.
        const QByteArray body = readBytes(sourcePath("resources/system/sunc.ini"));
        const Shows package{.page = false, .package = true};
        damaged(kBodyPath, "missing", Missing, {}, {.page = false});
        damaged(kBodyPath, "empty", Bytes, {}, package);
        damaged(kBodyPath, "10 MB", Bytes, huge(body), package);
        damaged(kBodyPath, "CR line ends", Bytes, crLineEnds(body));
        damaged(kBodyPath, "cut off in the middle", Bytes, body.left(body.size() / 2), package);
        damaged(kBodyPath, "a FIFO", Fifo, {}, {.page = false});
        damaged(kBodyPath, "unreadable", Unreadable, body, {.page = false});
        damaged(kBodyPath, "Windows-1252, not UTF-8", Bytes, body + "<!-- caf\xE9 -->\r\n");
        damaged(kBodyPath, "UTF-8 with a byte order mark", Bytes, bom + body);
    }
    void hostileInput()
    {
        const auto [file, form, bytes, city, places, countries, pageShown, packageMessage] =
            fetch<QString, int, QByteArray, QString, int, int, bool, bool>(
                "file", "form", "bytes", "city", "places", "countries", "pageShown",
                "packageMessage");
        Scene scene(true);
        Permissions permissions; // given back before the folder goes
        const QString target = scene.path(file);
        QVERIFY(QFile::remove(target));
        QVERIFY(form == Missing || form == Fifo || writeBytes(target, bytes));
        // Opening a FIFO for reading waits for a writer, so a program that opened it would hang.
        // The rescuer opens and closes its writing end whenever someone waits at the reading
        // end, so that the test goes on; no rescue may be needed.
        const QByteArray fifo = QFile::encodeName(target);
        QVERIFY(form != Fifo || ::mkfifo(fifo.constData(), 0644) == 0);
        std::atomic<int> rescues = 0;
        std::jthread rescuer;
        if (form == Fifo)
            rescuer = std::jthread([&](std::stop_token stop) {
                while (!stop.stop_requested()) {
                    const int fd =
                        ::open(fifo.constData(), O_WRONLY | O_NONBLOCK); // no reader: fails
                    if (fd >= 0) {
                        ++rescues;
                        ::close(fd);
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                }
            });
        if (form == Unreadable && !permissions.deny(target, {}, R_OK))
            QSKIP("permissions do not bind here (running as the superuser)");
        const QStringList before = snapshot(scene.root());
        QElapsedTimer clock;
        clock.start();

        // The start runs to its end and opens the calculator in place of the main window, with
        // no message but the unusable city file's and the damaged package's.
        scene.load();
        QVERIFY(!scene.platform.ended);
        QPointer<WwtimeCal> calculator = scene.calculator();
        QVERIFY(calculator && calculator->isVisible() && !scene.main->isVisible());
        const bool cityRefused = file == kCityFileName && city == DefaultCity().name;
        QCOMPARE(scene.platform.messages.size(), qsizetype(cityRefused) + packageMessage);
        QVERIFY(!cityRefused ||
                scene.platform.messages[0].text.contains(QDir::toNativeSeparators(target)));
        if (packageMessage)
            QCOMPARE(scene.platform.lastMessage(), PageLengthMessage());
        scene.verifyPage(pageShown);
        if (QTest::currentTestFailed())
            return;
        const QString shownCity = scene.text(mainnames::CityName);
        if (!city.isEmpty())
            QCOMPARE(shownCity, city);
        QCOMPARE(shownCity, CityNameDisplay(scene.main->currentCity().name));
        QCOMPARE(scene.boxes().name.left(kCityNameLength), shownCity);
        const int placeCount = scene.in<QListWidget>(calculatornames::PlaceList)->count();
        const int countryCount = scene.in<QListWidget>(calculatornames::CountryList)->count();
        QCOMPARE(places < 0 ? placeCount : places, placeCount);
        QCOMPARE(countries < 0 ? countryCount : countries, countryCount);
        QVERIFY(countryCount >= kBuiltInCountryCount);
        QCOMPARE(scene.in<QGroupBox>(calculatornames::PlaceFrame)->title(),
                 PlacePanelCaption(placeCount));
        QCOMPARE(scene.in<QLabel>(calculatornames::CountryCount)->text(),
                 CountryCountCaption(countryCount));
        QCOMPARE(snapshot(scene.root(), kPagePath), before);

        scene.exercisePanels();
        if (QTest::currentTestFailed())
            return;
        // Closing removes the page and nothing else, and brings the main window back.
        scene.closeCalculator();
        QVERIFY(!calculator && scene.main->isVisible());
        QCOMPARE(snapshot(scene.root()), before);
        QVERIFY(scene.platform.messages.isEmpty());
        QVERIFY2(clock.elapsed() < kCaseLimitMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(int(rescues), 0);
    }

    // A file that cannot be written where it is blocked: by a folder of its name, a read-only
    // folder, or the application folder moved below a plain file.
    void blockedWrites_data()
    {
        columns<QString, QString, bool>({"command", "block", "written"});
        row("start, folder below a plain file", "start", "below a file", false);
        row("update, city file is a folder", "update", "folder", false);
        // A city file kept in UTF-8 (as the reader accepts) with a name that Windows-1252
        // cannot hold, saved back unchanged.
        row("update, UTF-8 name saved back", "update", "UTF-8", true);
        row("tips, FullTips.txt is a folder", "tips", "folder", false);
        row("page, wwtc.htm is a folder", "page", "folder", false);
        row("page, read-only system folder", "page", "read-only", false);
    }
    void blockedWrites()
    {
        const auto [command, block, written] =
            fetch<QString, QString, bool>("command", "block", "written");
        Scene scene(command != "tips" && command != "page");
        Permissions permissions;
        const QString file = command == "start" || command == "update" ? kCityFileName
                             : command == "tips"                       ? "FullTips.txt"
                                                                       : kPagePath;
        if (command == "start")
            QVERIFY(QFile::remove(scene.path(file)));
        if (block == "UTF-8")
            QVERIFY(writeBytes(scene.path(file),
                               "\xC5\x81\xC3\xB3\x64\xC5\xBA\r\n51.76\r\n-19.46\r\n-1\r\n"));
        if (command != "start")
            scene.load();
        if (command == "update") {
            scene.in<QPushButton>(calculatornames::EditButton)->click();
            if (block != "UTF-8")
                scene.type({"Dhaka", "23.81", "-90.41", "-6"});
        }
        if (command == "tips")
            QVERIFY(writeBytes(scene.path(file), "An earlier export\r\n"));
        QString path = scene.path(file);
        if (block == "folder") {
            QFile::remove(path);
            QVERIFY(QDir().mkpath(path));
        } else if (block == "read-only") {
            if (!permissions.deny(QFileInfo(path).path(), QFile::ReadOwner | QFile::ExeOwner, W_OK))
                QSKIP("permissions do not bind here (running as the superuser)");
        } else if (block == "below a file") {
            scene.platform.appFolder = scene.folderBelowPlainFile();
            path = QDir(scene.platform.appFolder).filePath(file);
        }
        const CityInfo typed = command == "update" ? scene.boxes() : CityInfo();
        const QStringList before = snapshot(scene.root(), kPagePath); // the calculator's own page
        scene.platform.messages.clear();
        if (command == "start")
            scene.load();
        else if (command == "update")
            scene.in<QPushButton>(calculatornames::EditButton)->click();
        else if (command == "tips")
            scene.trigger(mainnames::ExportTipsCommand);
        else
            scene.main->SunRiseSunSet_Click();
        QVERIFY(!scene.platform.ended);

        // Whatever the message says must be so on disk; what is not written leaves the folder
        // exactly as it was.
        const QString said = scene.platform.lastMessage();
        bool saved = false;
        if (command == "start") {
            QCOMPARE(scene.platform.messages.size(), 1);
            QCOMPARE(scene.platform.messages[0].icon, MsgIcon::Exclamation);
            QVERIFY2(said.startsWith("The city file could not be created:") &&
                         said.contains(QDir::toNativeSeparators(path)),
                     qPrintable(said));
            QCOMPARE(scene.text(mainnames::CityName), DefaultCity().name);
            QVERIFY(scene.calculator() && scene.calculator()->isVisible());
        } else if (command == "update") {
            QCOMPARE(scene.platform.messages.size(), 1);
            const CityFileRead read = ReadCityFile(path);
            saved = read.status == CityFileRead::Status::Ok &&
                    cityFields(read.city) == QStringList{CutCityName(typed.name), typed.latitude,
                                                         typed.longitude, typed.offsetGMT};
            QCOMPARE(said == CitySavedMessage().text, saved);
            QCOMPARE(scene.in<QPushButton>(calculatornames::EditButton)->text(),
                     saved ? "Edit" : "Update");
            QVERIFY(saved || (scene.platform.messages[0].icon == MsgIcon::Critical &&
                              said.startsWith("Default City Information could not be saved")));
        } else if (command == "tips") {
            QCOMPARE(scene.platform.messages.size(), 2);
            QCOMPARE(scene.platform.messages[0].text, PrintTipsQuestion(scene.platform.appFolder));
            const QByteArray tips = QFileInfo(path).isFile() ? readBytes(path) : "";
            saved = tips.startsWith("BISME ALLAH - AR-RAHMAN - AR-RAHEEM\r\n\r\nMONTH: ") &&
                    tips.count("\r\nDay - ") == 360 && tips.endsWith("\r\n\r\n");
            QCOMPARE(said == PrintTipsDoneText(), saved);
            QVERIFY(saved || (scene.platform.messages[1].icon == MsgIcon::Exclamation &&
                              said.section("\r\n", 0, 0) ==
                                  QStringLiteral("The file %1 could not be created.")
                                      .arg(QDir::toNativeSeparators(path))));
        } else {
            QVERIFY2(scene.platform.messages.isEmpty(), qPrintable(said));
            scene.verifyPage(written);
            QCOMPARE(scene.boxes().name, kKarachi.name);
            QCOMPARE(scene.in<QListWidget>(calculatornames::PlaceList)->count() * 100 +
                         scene.in<QListWidget>(calculatornames::CountryList)->count(),
                     432);
            saved = written;
        }
        QCOMPARE(saved, written);
        if (!saved)
            QCOMPARE(snapshot(scene.root(), kPagePath), before);
        if (scene.calculator()) {
            scene.closeCalculator();
            QVERIFY(scene.main->isVisible() && !QFileInfo(scene.pagePath()).isFile());
            if (!saved)
                QCOMPARE(snapshot(scene.root(), kPagePath), before);
        }
    }
};

QARNIVO_WEBENGINE_TEST_MAIN(TestSweep)
#include "tst_sweep.moc"
