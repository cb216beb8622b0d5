// The sunrise, sunset and Zawal window through its controls: the page written at opening and
// removed at closing, the city boxes' Edit / Update cycle, the place and country panels and
// their searches, the start-up choice, the menus, and the fallbacks for missing files.

#include "core/help/maker.h"
#include "core/places/citycheck.h"
#include "windowsupport.h"

#include <QGroupBox>
#include <QRegularExpression>
#include <QWebEngineView>

using namespace qarnivo;
using namespace qarnivo::testing;

namespace {

const QString kSaved = QStringLiteral("Default City Information, saved successfully.\r\n"
                                      "Changes will be effective on next session.");

// Open for editing (boxes on pink that take typing) or locked (grey, read-only).
bool boxesEditing(const Window &f)
{
    bool editing = true;
    bool locked = true;
    for (int i = 0; i < 4; ++i) {
        const QColor back = f.box(i)->palette().color(QPalette::Base);
        editing = editing && !f.box(i)->isReadOnly() && back == QColor(255, 192, 192);
        locked = locked && f.box(i)->isReadOnly() && back == QColor(224, 224, 224);
    }
    if (editing == locked)
        qFatal("the city boxes are neither locked nor open");
    return editing;
}

QString summary(int count)
{
    return QStringLiteral("Search complete, no more found.\r\nTotal found = (%1).").arg(count);
}

// Runs `script` in the page until it answers with a non-empty text, at most a minute.
QString askPage(PageView *view, const QString &script)
{
    auto *browser = qobject_cast<QWebEngineView *>(view->widget());
    // Shared with the callbacks, which may come after this function returns.
    const auto answer = std::make_shared<std::pair<QString, bool>>(); // text, pending
    QDeadlineTimer deadline(60000);
    while (answer->first.isEmpty() && !deadline.hasExpired()) {
        if (!answer->second) {
            answer->second = true;
            browser->page()->runJavaScript(script, [answer](const QVariant &result) {
                *answer = {result.toString(), false};
            });
        }
        QTest::qWait(50);
    }
    return answer->first;
}

} // namespace

class TestWwtimeCal : public QObject {
    Q_OBJECT
private slots:
    // Without the browser engine the window still opens, with the lists and the city, and says
    // in the page's place why there is no page.
    void opensWithoutTheBrowserEngine()
    {
        Calculator f;
        f.platform.pageViews = nullptr;
        WwtimeCal *window = f.open();
        QVERIFY(window->isVisible() && !window->browser());
        const QList<QLabel *> labels = window->findChildren<QLabel *>();
        QVERIFY(std::any_of(labels.cbegin(), labels.cend(), [](const QLabel *label) {
            return label->isVisible() &&
                   label->text().contains("browser engine could not be loaded");
        }));
        QCOMPARE(cityFields(f.boxes()), cityFields(DefaultCity()));
    }

    // Opening writes the page for the default city and shows it; the boxes are locked, the
    // panels hidden, the lists filled. Closing, or going without closing as when the program
    // ends, removes the page; the main window comes back.
    void openingWritesPageAndClosingDeletesIt()
    {
        Calculator f;
        QVERIFY(!QFile::exists(f.pagePath()));
        WwtimeCal *window = f.open();
        QCOMPARE(window->objectName() + '|' + window->windowTitle(),
                 "WwtimeCal| Worldwide Sunrise/ Sunset/ Zawal Time Calculator");
        QVERIFY(window->isVisible() && f.platform.messages.isEmpty());
        QCOMPARE(window->pageAddress(), QUrl::fromLocalFile(f.pagePath()));
        QCOMPARE(window->browser()->widget()->objectName(), "WebBrowser1");
        QCOMPARE(cityFields(f.boxes()), cityFields(DefaultCity()));
        QVERIFY(!boxesEditing(f));
        QTest::keyClicks(f.box(0), "xyz"); // locked boxes take no typing
        QCOMPARE(f.box(0)->text(), "India - Bhubaneswar");
        QCOMPARE(f.in<QPushButton>("Edit")->text(), "Edit");
        QVERIFY(f.in("Frame3")->isHidden() && f.in("Frame4")->isHidden());
        QCOMPARE(f.selected("List2"), "Afghanistan (-4.5)");
        QCOMPARE(f.in<QAction>("Manual")->isEnabled(), f.main->manualPresent());
        f.main->hide();
        f.closeCalculator();
        QVERIFY(!f.calc && !QFile::exists(f.pagePath()) && f.main->isVisible());
        f.calc = new WwtimeCal(f.platform, *f.main, f.main.get());
        f.open();
        QVERIFY(QFile::exists(f.pagePath()));
        delete f.calc;
        QVERIFY(!QFile::exists(f.pagePath()));
    }

    // Edit opens the boxes and Update checks and saves them: a refusal keeps them open and the
    // file as it was; a save writes the numbers as typed and keeps their shortest forms in the
    // city. Saved once does not mean saved again. A save that fails, also after Refresh has
    // locked the boxes, keeps them open; once the folder takes the file, the same Update saves.
    void editCycle()
    {
        Calculator f;
        f.open();
        auto *edit = f.in<QPushButton>("Edit");
        const auto update = [&](const char *typed, const QString &message, MsgIcon icon) {
            if (typed)
                f.type(cityOf(fields(typed)));
            f.platform.messages.clear();
            edit->click();
            QCOMPARE(f.platform.messages.size(), 1);
            QCOMPARE(f.platform.lastMessage().left(message.size()), message);
            QCOMPARE(f.platform.messages[0].icon, icon);
            QCOMPARE(edit->text(), icon == MsgIcon::Information ? "Edit" : "Update");
            QCOMPARE(boxesEditing(f), icon != MsgIcon::Information);
        };
        const QStringList before = f.cityFileLines();
        edit->click();
        QVERIFY(boxesEditing(f) && edit->text() == "Update" && f.platform.messages.isEmpty());
        update("|1|2|3", "City must have some name. New values not saved.", MsgIcon::Exclamation);
        QCOMPARE(cityFields(f.main->currentCity()), cityFields(DefaultCity()));
        update("Cuttack|20.50|-85.8800|13",
               "Invalid GMT Time offset value.  Valid values are between -12 & 12",
               MsgIcon::Exclamation);
        QCOMPARE(f.cityFileLines(), before);
        update("Cuttack|20.50|-85.8800|-5.50", kSaved, MsgIcon::Information);
        QCOMPARE(f.cityFileLines(), CitySaveLines(cityOf(fields("Cuttack|20.50|-85.8800|-5.50"))));
        QCOMPARE(cityFields(f.main->currentCity()), fields("Cuttack|20.5|-85.88|-5.5"));
        edit->click();
        update("Cuttack|91|-85.88|-5.5",
               "Invalid Latitude value. Valid values are between -89.8 & 89.8",
               MsgIcon::Exclamation);
        QCOMPARE(f.cityFileLines()[1], "20.50");
        const QString folder = f.platform.appFolder;
        f.platform.appFolder.clear();
        update("Dhaka|23.81|-90.41|-6", "Default City Information could not be saved",
               MsgIcon::Critical);
        f.in<QAction>("Refresh")->trigger();
        QVERIFY(!boxesEditing(f));
        f.platform.appFolder = f.path("no such folder");
        update(nullptr, "Default City Information could not be saved", MsgIcon::Critical);
        QCOMPARE(f.cityFileLines()[0], "Cuttack");
        f.platform.appFolder = folder;
        update(nullptr, kSaved, MsgIcon::Information);
        QCOMPARE(f.cityFileLines()[0], "Dhaka");
    }

    // "Find Next" walks the country list, the file's entries among the program's, to its
    // summary; Enter searches only the place list. Both lists share one count of hits, which
    // Close1 keeps and Resetz starts again. A double click copies a place into the boxes, not
    // into the city or its file; a click shows a country entry whole as the list's tip.
    void searches()
    {
        Calculator f;
        f.open();
        f.in<QAction>("LatLong")->trigger();
        f.in<QAction>("GMToffset")->trigger();
        auto *countrySearch = f.in<QLineEdit>("Text3");
        countrySearch->setText("india");
        QTest::keyClick(countrySearch, Qt::Key_Return);
        QVERIFY(f.selected("List2") == "Afghanistan (-4.5)" && f.platform.messages.isEmpty());
        countrySearch->setText("(-1)");
        QStringList hits;
        for (int click = 0; click < 20 && f.platform.messages.isEmpty(); ++click) {
            f.in<QPushButton>("FindNext1")->click();
            hits << f.selected("List2");
        }
        QCOMPARE(hits.join(','), "Austria (-1),Belarus (-1),Belgium (-1),Czechoslovakia (-1),"
                                 "Denmark (-1),Germany (-1),Hungary (-1),Afghanistan (-4.5)");
        QCOMPARE(f.platform.lastMessage(), summary(7));
        QCOMPARE(f.platform.messages[0].icon, MsgIcon::Information);
        f.in<QPushButton>("FindNext1")->click();
        f.in<QPushButton>("Close1")->click();
        QVERIFY(f.in("Frame4")->isHidden());
        auto *placeSearch = f.in<QLineEdit>("Text2");
        QTest::keyClicks(placeSearch, "syd");
        QTest::keyClick(placeSearch, Qt::Key_Return);
        QCOMPARE(f.selected("List1"), "Sydney");
        QTest::keyClick(placeSearch, Qt::Key_Enter);
        QCOMPARE(f.platform.lastMessage(), summary(2)); // Austria and Sydney
        QCOMPARE(f.in<QListWidget>("List1")->currentRow(), 0);
        f.in<QPushButton>("Resetz")->click();
        QVERIFY(f.in("Frame3")->isHidden());
        f.in<QAction>("LatLong")->trigger();
        placeSearch->setText("delhi");
        f.in<QPushButton>("FindNext")->click();
        QCOMPARE(f.selected("List1"), "Delhi");
        f.in<QPushButton>("FindNext")->click();
        QCOMPARE(f.platform.lastMessage(), summary(1));
        auto *places = f.in<QListWidget>("List1");
        const QPoint washington = places->visualItemRect(places->item(2)).center();
        QTest::mouseClick(places->viewport(), Qt::LeftButton, {}, washington);
        QTest::mouseDClick(places->viewport(), Qt::LeftButton, {}, washington);
        QCOMPARE(cityFields(f.boxes()), fields("Washington, D.C.|38.9072|77.0369|5"));
        QCOMPARE(f.main->currentCity().name + f.cityFileLines()[0],
                 "India - BhubaneswarIndia - Bhubaneswar");
        QVERIFY(!boxesEditing(f));
        f.in<QAction>("GMToffset")->trigger();
        auto *countries = f.in<QListWidget>("List2");
        const QListWidgetItem *item =
            countries->findItems("Australia - Melbourne (-10)", Qt::MatchExactly).value(0);
        QTest::mouseClick(countries->viewport(), Qt::LeftButton, {},
                          countries->visualItemRect(item).center());
        QCOMPARE(countries->toolTip(), "Australia - Melbourne (-10)");
    }

    // Without a file the page needs, or with a damaged body (told once, as a damaged package),
    // there is no page, the browser says why, and the rest of the window is whole, also after
    // Refresh. Without the city file the boxes offer the built-in city, which Edit / Update
    // saves as a new file. Closing leaves nothing changed.
    void missingFiles_data()
    {
        columns<QString, QString>({"missing", "boxes"});
        const QString current = cityFields(DefaultCity()).join(u'|');
        row("sunc.ini", "system/sunc.ini", current);
        row("sunc.ini damaged", "damaged", current);
        row("system folder unknown", "system", current);
        row("CityInfo.txt", kCityFileName, "Bhubaneswar|20.27|-85.85|-5.5");
    }
    void missingFiles()
    {
        const auto [missing, boxes] = fetch<QString, QString>("missing", "boxes");
        Calculator f;
        if (missing == "damaged")
            QVERIFY(writeBytes(f.bodyPath(), "</SCRIPT></BODY></HTML>\r\n"));
        else if (missing == "system")
            f.platform.sysFolder.clear();
        else
            QVERIFY(QFile::remove(f.path(missing)));
        const QStringList before = QDir(f.folder.path()).entryList(QDir::Files);
        WwtimeCal *window = f.open();
        QVERIFY(window->isVisible() && window->browser());
        QCOMPARE(f.platform.lastMessage(), missing == "damaged" ? PageLengthMessage() : "");
        QVERIFY(window->pageAddress().isEmpty() && !QFile::exists(f.pagePath()));
        QCOMPARE(cityFields(f.boxes()).join(u'|'), boxes);
        QCOMPARE(f.in<QListWidget>("List1")->count() * 100 + f.in<QListWidget>("List2")->count(),
                 432);
        if (missing == "system/sunc.ini")
            QVERIFY(askPage(window->browser(), "document.getElementById('reason') ? "
                                               "document.getElementById('reason').textContent : ''")
                        .contains("sunc.ini"));
        f.in<QAction>("Refresh")->trigger();
        QVERIFY(window->pageAddress().isEmpty());
        QCOMPARE(f.platform.messages.size(), missing == "damaged" ? 1 : 0);
        if (missing == kCityFileName) {
            f.in<QPushButton>("Edit")->click();
            f.in<QPushButton>("Edit")->click();
            QCOMPARE(f.cityFileLines()[0], "Bhubaneswar");
        }
        f.closeCalculator();
        QVERIFY(!QFile::exists(f.pagePath()) && f.main->isVisible());
        if (missing != kCityFileName)
            QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files), before);
    }

    // The menus toggle the panels and open the manual; the help labels explain the files; the
    // link opens the maker's address.
    void menusAndHelp()
    {
        Calculator f;
        f.open();
        auto *places = f.in("Frame3");
        auto *countries = f.in("Frame4");
        f.in<QAction>("LatLong")->trigger();
        QVERIFY(places->isVisible() && countries->isHidden());
        f.in<QAction>("GMToffset")->trigger();
        QVERIFY(countries->isVisible());
        QTest::mouseClick(f.in("Label5"), Qt::LeftButton);
        QCOMPARE(f.platform.lastMessage(),
                 "Open the text file 'AddCity.txt' and add a City/ Place information\r\n"
                 "in the given format ONLY. Erroneous entry may lead to Error.");
        QTest::mouseClick(f.in("Label9"), Qt::LeftButton);
        QCOMPARE(f.platform.lastMessage(),
                 "Open the text file 'GMT Offsets.txt' and add a Country or City\r\n"
                 "in the given format ONLY. Erroneous entry may lead to Error.");
        QCOMPARE(f.platform.messages[1].icon, MsgIcon::Information);
        f.in<QAction>("LatLong")->trigger();
        f.in<QAction>("GMToffset")->trigger();
        QVERIFY(places->isHidden() && countries->isHidden());
        // Escape closes the countries, then the places, then nothing more.
        f.in<QAction>("LatLong")->trigger();
        f.in<QAction>("GMToffset")->trigger();
        QTest::keyClick(f.calc, Qt::Key_Escape);
        QVERIFY(places->isVisible() && countries->isHidden());
        QTest::keyClick(f.in("Text2"), Qt::Key_Escape);
        QTest::keyClick(f.calc, Qt::Key_Escape);
        QVERIFY(places->isHidden() && f.calc->isVisible());
        f.calc->Manual_Click();
        QCOMPARE(f.platform.openedDocuments, QStringList{f.path(kManualFileName)});
        f.platform.documentViewer = false;
        f.calc->Manual_Click();
        QCOMPARE(f.platform.openedDocuments.size(), 1);
        QVERIFY(f.platform.lastMessage().startsWith("No program to show PDF documents"));
        QVERIFY(
            f.platform.lastMessage().contains(QDir::toNativeSeparators(f.path(kManualFileName))));
        QCOMPARE(f.in("Label8")->toolTip(), "Visit Tarvelonix Website");
        QTest::mouseClick(f.in("Label8"), Qt::LeftButton);
        QCOMPARE(f.platform.openedAddresses, QList<QUrl>{QUrl(kMakerWebAddress)});
        QVERIFY(f.in<QLabel>("Label6")->text().startsWith(
            "FREE Service: Ask Longitude & Latitude of any place around the world from "));
    }

    // The page's own script computes the times in the embedded browser: Bhubaneswar lies near
    // 86° E in a zone of 82.5° E, so on the March equinox its sun rises a little before 6 AM. The
    // prayers go by Karachi and the Hanafi Asr until another method and rule are chosen on the
    // page; their minutes are adhan's for that day and place.
    void pageComputesTimes()
    {
        Calculator f;
        const QString read = QStringLiteral("['where', 'rise', 'set', 'fajr', 'asr', 'isha'].map("
                                            "function (id) { return document.getElementById(id)"
                                            ".textContent; }).join('|')");
        const QStringList shown =
            askPage(f.open()->browser(),
                    "(document.readyState === 'complete' && typeof setDate === 'function') ? "
                    "(setDate(2025, 3, 20), " +
                        read + ") : ''")
                .split(u'|');
        const QStringList other =
            askPage(f.calc->browser(), "document.getElementById('method').value = 'umm-al-qura', "
                                       "document.getElementById('shadow').value = '1', update(), " +
                                           read)
                .split(u'|');
        QCOMPARE(shown.value(0), "India - Bhubaneswar");
        // The page opens on the stored 24-hour clock.
        const auto minutes = [](const QString &text) {
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("^(\\d\\d):(\\d\\d)$")).match(text);
            return m.hasMatch() ? m.captured(1).toInt() * 60 + m.captured(2).toInt() : -1000;
        };
        const int rise = minutes(shown.value(1));
        QVERIFY2(rise >= 5 * 60 + 35 && rise <= 6 * 60 + 5, qPrintable(shown.value(1)));
        QVERIFY2(minutes(shown.value(2)) >= 12 * 60, qPrintable(shown.value(2)));
        const QList<int> expected = {4 * 60 + 37, 16 * 60 + 16, 19 * 60 + 11,
                                     4 * 60 + 35, 15 * 60 + 19, 19 * 60 + 28};
        const QStringList times = shown.mid(3) + other.mid(3);
        QCOMPARE(times.size(), expected.size());
        for (int k = 0; k < times.size(); ++k)
            QVERIFY2(qAbs(minutes(times[k]) - expected[k]) <= 1, qPrintable(times.join(u'|')));
    }
};

QARNIVO_WEBENGINE_TEST_MAIN(TestWwtimeCal)
#include "tst_wwtimecal.moc"
