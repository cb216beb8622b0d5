// The sunrise, sunset and Zawal window and the world map window through their
// controls: the page written at opening and removed at closing, the city
// boxes' Edit / Update cycle, the place and country panels with their
// searches, the start-up choice, the menus, the decoration, the fallbacks for
// missing files, and the page's own computation in the embedded browser.

#include "help/helptexts.h"
#include "help/maker.h"
#include "mainwindow/frmqarnivo.h"
#include "platform/clickablepicture.h"
#include "platform/fakeplatform.h"
#include "platform/textfile.h"
#include "sunpage/cityfile.h"
#include "sunpage/mapgmt.h"
#include "sunpage/offsetlist.h"
#include "sunpage/pagewriter.h"
#include "sunpage/wwtimecal.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <QtTest>

#include "webenginetestmain.h"

using namespace qarnivo;

namespace {

const QString kPlaces = QStringLiteral("Bhubaneswar,20.27,-85.85,-5.5\r\n"
                                       "Delhi,28.6100,-77.2000,-5.50\r\n"
                                       "\"Washington, D.C.\",38.9072,77.0369,5\r\n"
                                       "Sydney,-33.8688,-151.2093,-10\r\n");
const QStringList kCountryLines{QStringLiteral("Japan (-9)"), QStringLiteral("Argentina (3)"),
                                QStringLiteral("Belarus (-1)")};

const QColor kLockedBack(224, 224, 224);
const QColor kEditingBack(255, 192, 192);

// A main window and a calculator window over a fake platform. The
// application folder is a temporary folder with the default city and both
// lists; its "system" folder holds a copy of the shipped page body.
struct Fixture {
    QTemporaryDir folder;
    FakePlatform platform;
    std::unique_ptr<frmqarnivo> main;
    QPointer<WwtimeCal> window;

    Fixture()
    {
        platform.appFolder = folder.path();
        platform.sysFolder = folder.filePath(QStringLiteral("system"));
        platform.fonts = {QStringLiteral("Tarvelonix")};
        platform.clock = QDateTime(QDate(2025, 3, 20), QTime(9, 0));
        platform.settings.insert(QStringLiteral("ViewWindow/Show First"), QStringLiteral("0"));
        QDir().mkpath(platform.sysFolder);
        const QString body = QStringLiteral(QARNIVO_SOURCE_DIR "/resources/system/sunc.ini");
        if (!QFile::copy(body, bodyPath()))
            qFatal("cannot copy %s", qPrintable(body));
        SaveTextFile(cityPath(), CityFileLines(DefaultCity()));
        SaveTextFile(appFile(kPlaceFileName), SplitLines(kPlaces));
        SaveTextFile(appFile(kCountryFileName), kCountryLines);
        main = std::make_unique<frmqarnivo>(platform);
        main->Form_Load();
        window = new WwtimeCal(platform, *main, main.get());
        platform.messages.clear(); // whatever the main window's start said
    }

    QString appFile(const QString &name) const { return folder.filePath(name); }
    QString cityPath() const { return appFile(kCityFileName); }
    QString pagePath() const { return QDir(platform.sysFolder).filePath(kPageFileName); }
    QString bodyPath() const { return QDir(platform.sysFolder).filePath(kPageBodyFileName); }

    WwtimeCal *open()
    {
        window->Form_Load();
        return window;
    }
    template <typename T> T *in(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit *box(int i) const { return in<QLineEdit>(QStringLiteral("Text1(%1)").arg(i)); }
    QPushButton *editButton() const { return in<QPushButton>(QStringLiteral("Edit")); }
    QAction *menu(const QString &name) const { return in<QAction>(name); }
    QListWidget *list(const QString &name) const { return in<QListWidget>(name); }

    CityInfo boxes() const
    {
        return {box(0)->text(), box(1)->text(), box(2)->text(), box(3)->text()};
    }
    void type(const CityInfo &city)
    {
        const QStringList texts{city.name, city.latitude, city.longitude, city.offsetGMT};
        for (int i = 0; i < 4; ++i) {
            box(i)->clear();
            QTest::keyClicks(box(i), texts[i]);
        }
    }
    bool boxesEditing() const
    {
        bool editing = true;
        bool locked = true;
        for (int i = 0; i < 4; ++i) {
            const QColor back = box(i)->palette().color(QPalette::Base);
            editing = editing && !box(i)->isReadOnly() && back == kEditingBack;
            locked = locked && box(i)->isReadOnly() && back == kLockedBack;
        }
        if (editing == locked)
            qFatal("the city boxes are neither locked nor open");
        return editing;
    }
    QStringList cityFileLines() const { return SplitLines(ReadTextFile(cityPath()).text); }
    QString selected(const QString &listName) const
    {
        const QListWidgetItem *item = list(listName)->currentItem();
        return item ? item->text() : QString();
    }
    void closeWindow()
    {
        menu(QStringLiteral("Cloze"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

CityInfo city(const char *name, const char *latitude, const char *longitude, const char *offset)
{
    return {QString::fromUtf8(name), QString::fromUtf8(latitude), QString::fromUtf8(longitude),
            QString::fromUtf8(offset)};
}

} // namespace

Q_DECLARE_METATYPE(qarnivo::CityInfo)

class TestWwtimeCal : public QObject {
    Q_OBJECT
private slots:

    void openingWritesPageAndClosingDeletesIt();
    void goingWithoutClosingRemovesThePage();
    void showFirstStoredOnClosing_data();
    void showFirstStoredOnClosing();

    void editCycle_data();
    void editCycle();
    void refusalKeepsEditingUntilGoodValues();
    void failedSaveKeepsEditing_data();
    void failedSaveKeepsEditing();
    void refreshLocksBoxesAndShowsTheOpeningPage();

    void doubleClickFillsBoxes_data();
    void doubleClickFillsBoxes();
    void countrySearchWalksAndSummarises();
    void enterSearchesOnlyThePlaceList();
    void searchCountShared_data();
    void searchCountShared();
    void countryEntryBecomesToolTip();

    void missingFiles_data();
    void missingFiles();
    void damagedBodyIsReportedAndWindowStaysWhole();
    void unknownSystemFolderLeavesNoPage();

    void panelsToggleFromMenus();
    void manualMenu();
    void helpLabelsAndLink();
    void worldMapShowsHidesAndOutlivesWindow();

    void pageComputesSunrise();
    void noteShownInPlaceOfMissingPage();
};

void TestWwtimeCal::openingWritesPageAndClosingDeletesIt()
{
    Fixture f;
    QVERIFY(!QFile::exists(f.pagePath()));
    WwtimeCal *window = f.open();
    QCOMPARE(window->objectName(), QStringLiteral("WwtimeCal"));
    QCOMPARE(window->windowTitle(),
             QStringLiteral(" Worldwide Sunrise/ Sunset/ Zawal Time Calculator"));
    QVERIFY(window->isVisible());
    QVERIFY(QFile::exists(f.pagePath()));
    QVERIFY(PageLengthAccepted(QFileInfo(f.pagePath()).size()));
    QCOMPARE(window->pageAddress(), QUrl::fromLocalFile(f.pagePath()));
    QVERIFY(window->browser());
    QCOMPARE(window->browser()->objectName(), QStringLiteral("WebBrowser1"));
    QVERIFY(f.platform.messages.isEmpty());

    QCOMPARE(f.boxes().name, QStringLiteral("India - Bhubaneswar"));
    QCOMPARE(f.boxes().latitude, QStringLiteral("20.267"));
    QVERIFY(!f.boxesEditing());
    QTest::keyClicks(f.box(0), QStringLiteral("xyz")); // locked boxes take no typing
    QCOMPARE(f.box(0)->text(), QStringLiteral("India - Bhubaneswar"));
    QCOMPARE(f.editButton()->text(), QStringLiteral("Edit"));
    QVERIFY(f.in<QGroupBox>("Frame3")->isHidden());
    QVERIFY(f.in<QGroupBox>("Frame4")->isHidden());
    QCOMPARE(f.in<QGroupBox>("Frame3")->title(), QStringLiteral("Select City by Double Click (4)"));
    QCOMPARE(f.list("List1")->count(), 4);
    QCOMPARE(f.list("List2")->count(), 32);
    QCOMPARE(f.in<QLabel>("Label7")->text(), QStringLiteral("(32)"));
    QCOMPARE(f.selected("List2"), QStringLiteral("Afghanistan (-4.5)"));

    f.main->hide();
    f.closeWindow();
    QVERIFY(!f.window); // gone, to be made afresh at the next opening
    QVERIFY(!QFile::exists(f.pagePath()));
    QVERIFY(f.main->isVisible());
}

void TestWwtimeCal::goingWithoutClosingRemovesThePage()
{
    Fixture f;
    f.open();
    QVERIFY(QFile::exists(f.pagePath()));
    delete f.window; // as when the program ends with the window open
    QVERIFY(!QFile::exists(f.pagePath()));
}

void TestWwtimeCal::showFirstStoredOnClosing_data()
{
    QTest::addColumn<bool>("tickedAtOpening");
    QTest::addColumn<int>("userClicks");
    QTest::addColumn<QString>("stored");
    QTest::newRow("opened from the menu, left clear") << false << 0 << "0";
    QTest::newRow("opened from the menu, ticked by the user") << false << 1 << "1";
    QTest::newRow("opened first, left ticked") << true << 0 << "1";
    QTest::newRow("opened first, cleared by the user") << true << 1 << "0";
    QTest::newRow("opened first, cleared and ticked again") << true << 2 << "1";
}

void TestWwtimeCal::showFirstStoredOnClosing()
{
    QFETCH(bool, tickedAtOpening);
    QFETCH(int, userClicks);
    QFETCH(QString, stored);
    Fixture f;
    f.main->setShowFirst(tickedAtOpening);
    f.open();
    f.window->setShowFirstChecked(tickedAtOpening);
    auto *check = f.in<QCheckBox>("Check1");
    QCOMPARE(check->text(), QStringLiteral("Show First at Startup"));
    for (int i = 0; i < userClicks; ++i)
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QCOMPARE(f.platform.settings.value("ViewWindow/Show First"), QStringLiteral("0")); // not yet
    f.closeWindow();
    QCOMPARE(f.platform.settings.value("ViewWindow/Show First"), stored);
    QCOMPARE(f.main->showFirst(), stored == QLatin1String("1"));
}

void TestWwtimeCal::editCycle_data()
{
    QTest::addColumn<CityInfo>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<CityInfo>("current"); // the default city afterwards
    const QString saved = QStringLiteral("Default City Information, saved successfully.\r\n"
                                         "Changes will be effective on next session.");
    QTest::newRow("good values") << city("Karachi", "24.86", "-67.01", "-5") << saved
                                 << city("Karachi", "24.86", "-67.01", "-5");
    QTest::newRow("numbers in the file as typed, shortest in memory")
        << city("Cuttack", "20.50", "-85.8800", "-5.50") << saved
        << city("Cuttack", "20.5", "-85.88", "-5.5");
    QTest::newRow("long name cut to 22 characters")
        << city("Abcdefghijklmnopqrstuvwxyz", "89.8", "-180", "-12") << saved
        << city("Abcdefghijklmnopqrstuv", "89.8", "-180", "-12");
    QTest::newRow("empty name") << city("", "1", "2", "3")
                                << "City must have some name. New values not saved."
                                << DefaultCity();
    QTest::newRow("bad latitude hides a bad offset")
        << city("Twice Wrong", "-90", "0", "12")
        << "Invalid Latitude value. Valid values are between -89.8 & 89.8"
        << city("Twice Wrong", "-90", "0", "12");
    QTest::newRow("offset 12")
        << city("Fiji", "-18", "-178", "12")
        << "Invalid GMT Time offset value.  Valid values are between -12 & 12"
        << city("Fiji", "-18", "-178", "12");
}

void TestWwtimeCal::editCycle()
{
    QFETCH(CityInfo, typed);
    QFETCH(QString, message);
    QFETCH(CityInfo, current);
    Fixture f;
    f.open();
    const QStringList before = f.cityFileLines();

    f.editButton()->click();
    QCOMPARE(f.editButton()->text(), QStringLiteral("Update"));
    QVERIFY(f.boxesEditing());
    QVERIFY(f.platform.messages.isEmpty());

    f.type(typed);
    f.editButton()->click();
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.lastMessage(), message);
    const bool saved = message.startsWith(QLatin1String("Default City"));
    QCOMPARE(f.platform.messages.last().icon, saved ? MsgIcon::Information : MsgIcon::Exclamation);
    QCOMPARE(f.main->currentCity().name, current.name);
    QCOMPARE(f.main->currentCity().latitude, current.latitude);
    QCOMPARE(f.main->currentCity().longitude, current.longitude);
    QCOMPARE(f.main->currentCity().offsetGMT, current.offsetGMT);
    if (!saved) {
        QCOMPARE(f.editButton()->text(), QStringLiteral("Update"));
        QVERIFY(f.boxesEditing());
        QCOMPARE(f.cityFileLines(), before);
        return;
    }
    QCOMPARE(f.editButton()->text(), QStringLiteral("Edit"));
    QVERIFY(!f.boxesEditing());
    const QStringList lines = f.cityFileLines();
    QCOMPARE(lines.size(), 14);
    QCOMPARE(lines.mid(4), CityFileLines(DefaultCity()).mid(4));
    QCOMPARE(lines[0], current.name);
    QCOMPARE(ReadCityFile(f.cityPath()).city.latitude, typed.latitude);
    QCOMPARE(ReadCityFile(f.cityPath()).city.longitude, typed.longitude);
    QCOMPARE(ReadCityFile(f.cityPath()).city.offsetGMT, typed.offsetGMT);
}

void TestWwtimeCal::refusalKeepsEditingUntilGoodValues()
{
    Fixture f;
    f.open();
    f.editButton()->click();
    f.type(city("Lahore", "31.55", "-74.34", "13"));
    f.editButton()->click();
    QCOMPARE(f.editButton()->text(), QStringLiteral("Update"));
    QCOMPARE(f.cityFileLines()[0], QStringLiteral("India - Bhubaneswar"));

    f.box(3)->clear();
    QTest::keyClicks(f.box(3), QStringLiteral("-5"));
    f.editButton()->click();
    QCOMPARE(f.editButton()->text(), QStringLiteral("Edit"));
    QCOMPARE(f.cityFileLines().mid(0, 4), (QStringList{"Lahore", "31.55", "-74.34", "-5"}));

    // Saved once does not mean saved again: a later bad value is refused.
    f.editButton()->click();
    f.box(1)->clear();
    QTest::keyClicks(f.box(1), QStringLiteral("91"));
    f.editButton()->click();
    QCOMPARE(f.editButton()->text(), QStringLiteral("Update"));
    QCOMPARE(f.cityFileLines()[1], QStringLiteral("31.55"));
}

void TestWwtimeCal::failedSaveKeepsEditing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("application folder gone") << "gone";
    QTest::newRow("city file replaced by a folder") << "folder";
    QTest::newRow("application folder unknown") << "unknown";
    // Refresh locks the boxes under the "Update" caption; a failed save
    // opens them again.
    QTest::newRow("folder gone, boxes locked by Refresh") << "gone after refresh";
}

void TestWwtimeCal::failedSaveKeepsEditing()
{
    QFETCH(QString, how);
    Fixture f;
    f.open();
    f.editButton()->click();
    f.type(city("Dhaka", "23.81", "-90.41", "-6"));
    const QString goodFolder = f.platform.appFolder;
    if (how == QLatin1String("gone after refresh"))
        f.menu("Refresh")->trigger();
    if (how.startsWith(QLatin1String("gone"))) {
        f.platform.appFolder = f.folder.filePath(QStringLiteral("no such folder"));
    } else if (how == QLatin1String("folder")) {
        QVERIFY(QFile::remove(f.cityPath()));
        QVERIFY(QDir().mkpath(f.cityPath()));
    } else {
        f.platform.appFolder.clear();
    }
    f.editButton()->click();
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].icon, MsgIcon::Critical);
    QVERIFY2(f.platform.lastMessage().startsWith(
                 QLatin1String("Default City Information could not be saved")),
             qPrintable(f.platform.lastMessage()));
    QCOMPARE(f.editButton()->text(), QStringLiteral("Update"));
    QVERIFY(f.boxesEditing());
    if (how == QLatin1String("folder"))
        QVERIFY(QFileInfo(f.cityPath()).isDir());
    else
        QCOMPARE(f.cityFileLines()[0], QStringLiteral("India - Bhubaneswar"));

    // Once the folder takes the file again, the same Update saves.
    f.platform.appFolder = goodFolder;
    QDir(f.cityPath()).removeRecursively();
    f.editButton()->click();
    QCOMPARE(f.editButton()->text(), QStringLiteral("Edit"));
    QCOMPARE(f.cityFileLines()[0], QStringLiteral("Dhaka"));
}

void TestWwtimeCal::refreshLocksBoxesAndShowsTheOpeningPage()
{
    Fixture f;
    f.open();
    const QByteArray page = ReadTextFile(f.pagePath()).text.toLatin1();
    f.menu("LatLong")->trigger();
    f.menu("GMToffset")->trigger();
    f.editButton()->click();
    f.type(city("Mecca", "21.42", "-39.83", "-3"));

    f.menu("Refresh")->trigger();
    QVERIFY(!f.boxesEditing());
    QCOMPARE(f.editButton()->text(), QStringLiteral("Update")); // the caption stays
    QVERIFY(f.in<QGroupBox>("Frame3")->isHidden());
    QVERIFY(f.in<QGroupBox>("Frame4")->isHidden());
    QCOMPARE(f.window->pageAddress(), QUrl::fromLocalFile(f.pagePath()));

    // The next click checks and saves the boxes as they stand; the page
    // stays the one of the opening.
    f.editButton()->click();
    QCOMPARE(f.editButton()->text(), QStringLiteral("Edit"));
    QCOMPARE(f.cityFileLines()[0], QStringLiteral("Mecca"));
    f.menu("Refresh")->trigger();
    QCOMPARE(ReadTextFile(f.pagePath()).text.toLatin1(), page);
    QVERIFY(page.contains("var NameCity=\"India - Bhubaneswar\";"));

    // A page removed behind the window's back is not asked for again.
    QVERIFY(QFile::remove(f.pagePath()));
    f.menu("Refresh")->trigger();
    QVERIFY(f.window->pageAddress().isEmpty());
}

void TestWwtimeCal::doubleClickFillsBoxes_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<CityInfo>("boxes");
    QTest::newRow("numbers already short") << 0 << city("Bhubaneswar", "20.27", "-85.85", "-5.5");
    QTest::newRow("trailing zeros dropped") << 1 << city("Delhi", "28.61", "-77.2", "-5.5");
    QTest::newRow("quoted name with a comma")
        << 2 << city("Washington, D.C.", "38.9072", "77.0369", "5");
    QTest::newRow("south and east") << 3 << city("Sydney", "-33.8688", "-151.2093", "-10");
}

void TestWwtimeCal::doubleClickFillsBoxes()
{
    QFETCH(int, row);
    QFETCH(CityInfo, boxes);
    Fixture f;
    f.open();
    f.menu("LatLong")->trigger();
    QListWidget *places = f.list("List1");
    const QRect where = places->visualItemRect(places->item(row));
    QTest::mouseClick(places->viewport(), Qt::LeftButton, {}, where.center());
    QTest::mouseDClick(places->viewport(), Qt::LeftButton, {}, where.center());
    QCOMPARE(f.boxes().name, boxes.name);
    QCOMPARE(f.boxes().latitude, boxes.latitude);
    QCOMPARE(f.boxes().longitude, boxes.longitude);
    QCOMPARE(f.boxes().offsetGMT, boxes.offsetGMT);
    // Only the boxes change; the user saves through Edit / Update.
    QCOMPARE(f.main->currentCity().name, QStringLiteral("India - Bhubaneswar"));
    QCOMPARE(f.cityFileLines()[0], QStringLiteral("India - Bhubaneswar"));
    QVERIFY(!f.boxesEditing());
}

void TestWwtimeCal::countrySearchWalksAndSummarises()
{
    Fixture f;
    f.open();
    f.menu("GMToffset")->trigger();
    QTest::keyClicks(f.in<QLineEdit>("Text3"), QStringLiteral("(-1)"));
    QStringList hits;
    auto *next = f.in<QPushButton>("FindNext1");
    for (int click = 0; click < 20 && f.platform.messages.isEmpty(); ++click) {
        next->click();
        if (f.platform.messages.isEmpty())
            hits << f.selected("List2");
    }
    QCOMPARE(hits,
             (QStringList{"Austria (-1)", "Belarus (-1)", "Belgium (-1)", "Czechoslovakia (-1)",
                          "Denmark (-1)", "Germany (-1)", "Hungary (-1)"}));
    QCOMPARE(f.platform.lastMessage(),
             QStringLiteral("Search complete, no more found.\r\nTotal found = (7)."));
    QCOMPARE(f.platform.messages[0].icon, MsgIcon::Information);
    QCOMPARE(f.list("List2")->currentRow(), 0);

    // After the summary the walk starts again at the top.
    next->click();
    QCOMPARE(f.selected("List2"), QStringLiteral("Austria (-1)"));
}

void TestWwtimeCal::enterSearchesOnlyThePlaceList()
{
    Fixture f;
    f.open();
    f.menu("LatLong")->trigger();
    f.menu("GMToffset")->trigger();
    auto *placeSearch = f.in<QLineEdit>("Text2");
    QTest::keyClicks(placeSearch, QStringLiteral("syd"));
    QTest::keyClick(placeSearch, Qt::Key_Return);
    QCOMPARE(f.selected("List1"), QStringLiteral("Sydney"));
    QTest::keyClick(placeSearch, Qt::Key_Enter);
    QCOMPARE(f.platform.lastMessage(),
             QStringLiteral("Search complete, no more found.\r\nTotal found = (1)."));
    QCOMPARE(f.list("List1")->currentRow(), 0);

    auto *countrySearch = f.in<QLineEdit>("Text3");
    QTest::keyClicks(countrySearch, QStringLiteral("india"));
    QTest::keyClick(countrySearch, Qt::Key_Return);
    QCOMPARE(f.selected("List2"), QStringLiteral("Afghanistan (-4.5)"));
    QCOMPARE(f.platform.messages.size(), 1);
}

void TestWwtimeCal::searchCountShared_data()
{
    QTest::addColumn<QString>("closer");
    QTest::addColumn<int>("total");
    QTest::newRow("Close1 keeps the count") << "Close1" << 2;
    QTest::newRow("Resetz starts it again") << "Resetz" << 1;
}

void TestWwtimeCal::searchCountShared()
{
    QFETCH(QString, closer);
    QFETCH(int, total);
    Fixture f;
    f.open();
    f.menu("LatLong")->trigger();
    f.menu("GMToffset")->trigger();
    QTest::keyClicks(f.in<QLineEdit>("Text3"), QStringLiteral("japan"));
    f.in<QPushButton>("FindNext1")->click();
    QCOMPARE(f.selected("List2"), QStringLiteral("Japan (-9)"));
    f.in<QPushButton>(closer)->click();
    QVERIFY(f.in<QGroupBox>(closer == QLatin1String("Close1") ? "Frame4" : "Frame3")->isHidden());

    QTest::keyClicks(f.in<QLineEdit>("Text2"), QStringLiteral("delhi"));
    f.in<QPushButton>("FindNext")->click();
    QCOMPARE(f.selected("List1"), QStringLiteral("Delhi"));
    f.in<QPushButton>("FindNext")->click();
    QCOMPARE(f.platform.lastMessage(),
             QStringLiteral("Search complete, no more found.\r\nTotal found = (%1).").arg(total));
}

void TestWwtimeCal::countryEntryBecomesToolTip()
{
    Fixture f;
    f.open();
    f.menu("GMToffset")->trigger();
    QListWidget *countries = f.list("List2");
    const int row = countries->row(
        countries->findItems("Australia - Melbourne (-10)", Qt::MatchExactly).value(0));
    QVERIFY(row > 0);
    QTest::mouseClick(countries->viewport(), Qt::LeftButton, {},
                      countries->visualItemRect(countries->item(row)).center());
    QCOMPARE(countries->toolTip(), QStringLiteral("Australia - Melbourne (-10)"));
}

void TestWwtimeCal::missingFiles_data()
{
    QTest::addColumn<QString>("missing");
    QTest::addColumn<bool>("pageShown");
    QTest::addColumn<CityInfo>("boxes");
    QTest::addColumn<int>("places");
    QTest::addColumn<int>("countries");
    const CityInfo current = DefaultCity();
    const CityInfo builtIn = city("Bhubaneswar", "20.27", "-85.85", "-5.5");
    // The page shows without its place or country file; the panels show
    // what there is, and the boxes keep the default city.
    QTest::newRow("AddCity.txt") << kPlaceFileName << true << current << 0 << 32;
    QTest::newRow("GMT Offsets.txt") << kCountryFileName << true << current << 4 << 29;
    // Without a file the page needs there is no page, and the rest of the
    // window is whole; without the city file the boxes offer the built-in
    // city, which Edit / Update saves as a new file.
    QTest::newRow("sunc.ini") << QStringLiteral("system/sunc.ini") << false << current << 4 << 32;
    QTest::newRow("CityInfo.txt") << kCityFileName << false << builtIn << 4 << 32;
}

void TestWwtimeCal::missingFiles()
{
    QFETCH(QString, missing);
    QFETCH(bool, pageShown);
    QFETCH(CityInfo, boxes);
    QFETCH(int, places);
    QFETCH(int, countries);
    Fixture f;
    QVERIFY(QFile::remove(f.appFile(missing)));
    WwtimeCal *window = f.open();
    QVERIFY(window->isVisible());
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(QFile::exists(f.pagePath()), pageShown);
    QCOMPARE(window->pageAddress().isEmpty(), !pageShown);
    QVERIFY(window->browser());
    QCOMPARE(f.boxes().name, boxes.name);
    QCOMPARE(f.boxes().latitude, boxes.latitude);
    QCOMPARE(f.boxes().longitude, boxes.longitude);
    QCOMPARE(f.boxes().offsetGMT, boxes.offsetGMT);
    QCOMPARE(f.list("List1")->count(), places);
    QCOMPARE(f.in<QGroupBox>("Frame3")->title(),
             QStringLiteral("Select City by Double Click (%1)").arg(places));
    QCOMPARE(f.list("List2")->count(), countries);
    QCOMPARE(f.in<QLabel>("Label7")->text(), QStringLiteral("(%1)").arg(countries));
    QCOMPARE(f.menu("Manual")->isEnabled(), f.main->manualPresent());

    // The built-in city can be saved, which writes a missing city file anew.
    f.editButton()->click();
    f.editButton()->click();
    QCOMPARE(f.cityFileLines()[0], f.boxes().name);
    f.closeWindow();
    QVERIFY(!QFile::exists(f.pagePath()));
}

void TestWwtimeCal::damagedBodyIsReportedAndWindowStaysWhole()
{
    Fixture f;
    QVERIFY(SaveTextFile(f.bodyPath(), {QStringLiteral("</SCRIPT></BODY></HTML>")}).isEmpty());
    WwtimeCal *window = f.open();
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.lastMessage(), PageLengthMessage());
    QCOMPARE(f.platform.messages[0].icon, MsgIcon::Critical);
    QVERIFY(!QFile::exists(f.pagePath()));
    QVERIFY(window->pageAddress().isEmpty());
    QCOMPARE(f.boxes().name, QStringLiteral("India - Bhubaneswar"));
    QCOMPARE(f.list("List1")->count(), 4);
    // Refresh does not bring back a page that is not there.
    f.menu("Refresh")->trigger();
    QVERIFY(window->pageAddress().isEmpty());
    QCOMPARE(f.platform.messages.size(), 1);
}

void TestWwtimeCal::unknownSystemFolderLeavesNoPage()
{
    Fixture f;
    f.platform.sysFolder.clear();
    WwtimeCal *window = f.open();
    QVERIFY(f.platform.messages.isEmpty());
    QVERIFY(window->pageAddress().isEmpty());
    QCOMPARE(f.boxes().name, QStringLiteral("India - Bhubaneswar"));
    QCOMPARE(f.list("List2")->count(), 32);
    const QStringList before = QDir(f.folder.path()).entryList(QDir::Files);
    f.closeWindow();
    QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files), before);
    QVERIFY(f.main->isVisible());
}

void TestWwtimeCal::panelsToggleFromMenus()
{
    Fixture f;
    f.open();
    auto *places = f.in<QGroupBox>("Frame3");
    auto *countries = f.in<QGroupBox>("Frame4");
    f.menu("LatLong")->trigger();
    QVERIFY(places->isVisible());
    QVERIFY(countries->isHidden());
    f.menu("GMToffset")->trigger();
    QVERIFY(countries->isVisible());
    f.menu("LatLong")->trigger();
    QVERIFY(places->isHidden());
    f.menu("GMToffset")->trigger();
    QVERIFY(countries->isHidden());
}

void TestWwtimeCal::manualMenu()
{
    Fixture f;
    f.open();
    QCOMPARE(f.menu("Manual")->isEnabled(), f.main->manualPresent());
    f.window->Manual_Click();
    QCOMPARE(f.platform.openedDocuments, QStringList{f.appFile(kManualFileName)});
}

void TestWwtimeCal::helpLabelsAndLink()
{
    Fixture f;
    f.open();
    f.menu("LatLong")->trigger();
    f.menu("GMToffset")->trigger();
    QTest::mouseClick(f.in<ClickablePicture>("Label5"), Qt::LeftButton);
    QCOMPARE(f.platform.lastMessage(),
             QStringLiteral("Open the text file 'AddCity.txt' and add a City/ Place information\r\n"
                            "in the given format ONLY. Erroneous entry may lead to Error."));
    QTest::mouseClick(f.in<ClickablePicture>("Label9"), Qt::LeftButton);
    QCOMPARE(f.platform.lastMessage(),
             QStringLiteral("Open the text file 'GMT Offsets.txt' and add a Country or City\r\n"
                            "in the given format ONLY. Erroneous entry may lead to Error."));
    QCOMPARE(f.platform.messages[1].icon, MsgIcon::Information);

    auto *link = f.in<ClickablePicture>("Label8");
    QCOMPARE(link->toolTip(), QStringLiteral("Visit Tarvelonix Website"));
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(f.platform.openedAddresses, QList<QUrl>{QUrl(kMakerWebAddress)});
    QVERIFY(f.in<QLabel>("Label6")->text().startsWith(
        "FREE Service: Ask Longitude & Latitude of any place around the world from "));
}

void TestWwtimeCal::worldMapShowsHidesAndOutlivesWindow()
{
    Fixture f;
    f.open();
    f.menu("GMTMap")->trigger();
    auto *map = f.main->findChild<MapGMT *>(QStringLiteral("MapGMT"));
    QVERIFY(map);
    QVERIFY(map->isVisible());
    QCOMPARE(map->windowTitle(), QStringLiteral("Regional Adjustment of Hijri Date"));
    auto *picture = map->findChild<ClickablePicture *>(QStringLiteral("Image1"));
    QVERIFY(picture && !picture->pixmap().isNull());
    QCOMPARE(picture->size(), QSize(626, 306));
    QCOMPARE(map->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Click to Close this map"));
    f.menu("GMTMap")->trigger();
    QVERIFY(map->isHidden());

    for (const char *name : {"Image1", "Label1", "Label2"}) {
        f.menu("GMTMap")->trigger();
        QVERIFY(map->isVisible());
        auto *target = map->findChild<ClickablePicture *>(QLatin1String(name));
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY2(map->isHidden(), name);
    }

    // The map is shared by every opening and lives on after the window.
    f.menu("GMTMap")->trigger();
    f.closeWindow();
    QCOMPARE(f.main->findChild<MapGMT *>(QStringLiteral("MapGMT")), map);
    QVERIFY(map->isVisible());
    f.window = new WwtimeCal(f.platform, *f.main, f.main.get());
    f.open();
    f.menu("GMTMap")->trigger();
    QVERIFY(map->isHidden());
    QCOMPARE(f.main->findChildren<MapGMT *>().size(), 1);
}

namespace {

// Runs `script` in the page again and again until it answers with a
// non-empty text, at most `timeoutMs`; the empty text when it never does.
QString askPage(QWebEngineView *browser, const QString &script, int timeoutMs)
{
    struct Probe {
        QString answer;
        bool pending = false;
    };
    // Shared with the callbacks, which may come after this function returns.
    const auto probe = std::make_shared<Probe>();
    QDeadlineTimer deadline(timeoutMs);
    while (probe->answer.isEmpty() && !deadline.hasExpired()) {
        if (!probe->pending) {
            probe->pending = true;
            browser->page()->runJavaScript(script, [probe](const QVariant &result) {
                probe->pending = false;
                probe->answer = result.toString();
            });
        }
        QTest::qWait(50);
    }
    return probe->answer;
}

} // namespace

// The page's own script computes the times in the embedded browser. The
// default city, Bhubaneswar, lies near 86° E in a zone of 82.5° E, so on the
// March equinox its sun rises a little before 6 AM local time.
void TestWwtimeCal::pageComputesSunrise()
{
    Fixture f;
    WwtimeCal *window = f.open();
    QVERIFY(window->browser());
    const QString answer = askPage(
        window->browser(),
        QStringLiteral("(document.readyState === 'complete' && typeof setDate === 'function') ? "
                       "(setDate(2025, 3, 20), document.getElementById('where').textContent + "
                       "'|' + document.getElementById('rise').textContent + '|' + "
                       "document.getElementById('set').textContent) : ''"),
        60000);
    const QStringList parts = answer.split(u'|');
    QCOMPARE(parts.size(), 3);
    QCOMPARE(parts[0], QStringLiteral("India - Bhubaneswar"));
    const QRegularExpression clock(QStringLiteral("^(\\d{1,2}):(\\d\\d) (AM|PM)"));
    const QRegularExpressionMatch rise = clock.match(parts[1]);
    QVERIFY2(rise.hasMatch(), qPrintable(parts[1]));
    const int riseMinutes = rise.captured(1).toInt() * 60 + rise.captured(2).toInt();
    QVERIFY2(rise.captured(3) == QLatin1String("AM") && riseMinutes >= 5 * 60 + 35 &&
                 riseMinutes <= 6 * 60 + 5,
             qPrintable(parts[1]));
    QVERIFY2(clock.match(parts[2]).captured(3) == QLatin1String("PM"), qPrintable(parts[2]));
}

// Without its body file there is no page; the browser says why instead.
void TestWwtimeCal::noteShownInPlaceOfMissingPage()
{
    Fixture f;
    QVERIFY(QFile::remove(f.bodyPath()));
    WwtimeCal *window = f.open();
    const QString reason =
        askPage(window->browser(),
                QStringLiteral("document.getElementById('reason') ? "
                               "document.getElementById('reason').textContent : ''"),
                60000);
    QVERIFY2(reason.contains(QLatin1String("sunc.ini")), qPrintable(reason));
}

QARNIVO_WEBENGINE_TEST_MAIN(TestWwtimeCal)

#include "tst_wwtimecal.moc"
