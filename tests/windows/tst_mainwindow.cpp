// The main window through its controls: startup and the city file, month navigation, day
// selection, the day-name and window views, the readings and help commands, the settings carried
// to the next start, the exit, and the conversion panel.

#include "core/calendar/names.h"
#include "core/language/language.h"
#include "core/readings/scripture.h"
#include "windowsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QTextEdit>
#include <QTimer>

using namespace qarnivo;
using namespace qarnivo::testing;

Q_DECLARE_METATYPE(qarnivo::Ymd)
Q_DECLARE_METATYPE(qarnivo::Language)

namespace {

const QString kRangeMessage = QStringLiteral("Check Date Range. Date value must be between:\r\n\r\n"
                                             "1, Muharram 1 AH and 2, Rabi-ul-Aakhir 9666 AH\r\n"
                                             "\t   Corresponding to:\r\n"
                                             "   16, July 622 AD and 31, December 9999 AD");
const QString kInvalidYear =
    QStringLiteral("Invalid year value. Hijri year value should be between\r\n\r\n"
                   "\t      1 AH and 9666 AH");

QColor bannerColour(const QWidget *main)
{
    return control(main, mainnames::Banner)->palette().color(QPalette::Window);
}

bool readingIsDarkRed(const Window &w)
{
    return w.get<QTextEdit>(mainnames::ReadingBox)->styleSheet().contains("rgb(192, 0, 0)");
}

// The conversion panel's texts: day, month and year of one side, or of both and the weekday.
QString side(const QWidget *panel, bool western)
{
    return control<QComboBox>(panel, western ? panelnames::WesternDay : panelnames::HijriDay)
               ->currentText() +
           ' ' +
           control<QComboBox>(panel, western ? panelnames::WesternMonth : panelnames::HijriMonth)
               ->currentText() +
           ' ' +
           control<QLineEdit>(panel, western ? panelnames::WesternYear : panelnames::HijriYear)
               ->text();
}

QString sides(const QWidget *panel)
{
    return side(panel, true) + ' ' + side(panel, false) + ' ' +
           control<QLabel>(panel, panelnames::WeekDay)->text();
}

// The days marked as today: by their frame (drawn in the grid's text colour, which no other
// cell shows at that spot) and by their description.
QStringList todayMarks(const Window &w)
{
    const QImage shot = w.days()->grab().toImage();
    const QColor text = w.days()->palette().color(QPalette::Text);
    QStringList marks;
    for (int cell = 0; cell < 42; ++cell) {
        const QTableWidgetItem *item = w.days()->item(cell / 7, cell % 7);
        const QRect rect = w.days()->visualItemRect(item);
        const QPoint edge(rect.left() + 1, rect.center().y());
        if (shot.pixelColor(edge * shot.devicePixelRatio()) == text)
            marks << item->text() + " framed";
        if (item->data(Qt::AccessibleDescriptionRole).toString().contains(", today, "))
            marks << item->text() + " described";
    }
    return marks;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    // The window's sizes are the design's on the design's own face; other faces are the
    // layout suite's.
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9)); }

    // The year, the day numbers and a typed year in the language's digits; the numeral face
    // draws ASCII day numbers as Arabic-Indic ones, but Urdu writes its own digits.
    void numbersInTheLanguagesDigits_data()
    {
        columns<Language, QString, QString, QString>({"language", "year", "today", "typed"});
        row("English", Language::English, "1447", "14", "1448");
        row("Arabic", Language::Arabic, "١٤٤٧", "14", "١٤٤٨");
        row("Urdu", Language::Urdu, "۱۴۴۷", "۱۴", "۱۴۴۸");
    }
    void numbersInTheLanguagesDigits()
    {
        const auto [language, year, today, typed] =
            fetch<Language, QString, QString, QString>("language", "year", "today", "typed");
        QLocale::setDefault(NumberLocale(language));
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
        Window w;
        w.load();
        QCOMPARE(w.text(mainnames::YearBox), year);
        QCOMPARE(w.days()->currentItem()->text(), today);
        w.goToYear(typed);
        QCOMPARE(w.shownMonth(), w.main->names().HMonthShort[5] + ' ' + typed);
        QVERIFY(w.platform.messages.isEmpty());
    }

    // The header's other view is English whatever the language.
    void englishHeaderInArabic()
    {
        const ShownLanguage arabic(Language::Arabic);
        Window w;
        w.load();
        auto *header = w.get<QTableWidget>(mainnames::WeekdayHeader);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          header->visualItemRect(header->item(0, 3)).center());
        QCOMPARE(header->item(0, 0)->text() + header->item(0, 6)->text(), "SUNSAT");
    }

    // 5 November 2025 is 14 Jumadil-Awwal 1447, the 1st a Thursday. A click on an empty cell
    // selects no day; Today comes back to the clock's date.
    void startupDrawsTodaysMonth()
    {
        Window w;
        w.load();
        QVERIFY(w.main->isVisible() && w.platform.messages.isEmpty());
        QCOMPARE(w.shownMonth() + '|' + w.text(mainnames::HijriDateLine) + '|' +
                     w.text(mainnames::GregorianDateLine),
                 "Jumadil-Awwal 1447|14, Jamaadil-Awwal - 1447 Hijri|5, November - 2025 AD");
        QCOMPARE(
            QStringList({w.cell(0, 3), w.cell(0, 4), w.cell(2, 0), w.cell(4, 5), w.cell(4, 6)}),
            QStringList({"", "1", "11", "30", ""}));
        QCOMPARE(w.main->shownMonth().monthDays, 30);
        QVERIFY(!w.get(mainnames::MonthPicture, 5)->isHidden() &&
                w.get(mainnames::MonthPicture, 4)->isHidden());
        // Each month's picture is drawn when its month first shows.
        const auto picture = [&w](int month) {
            return qobject_cast<QLabel *>(w.get(mainnames::MonthPicture, month))->pixmap();
        };
        QVERIFY(!picture(5).isNull() && picture(6).isNull());
        w.click(mainnames::NextButton);
        QVERIFY(!picture(6).isNull() && !w.get(mainnames::MonthPicture, 6)->isHidden());
        w.click(mainnames::PreviousButton);
        QVERIFY(w.get(panelnames::Panel)->isHidden() &&
                w.get(mainnames::EnglishYearRow)->isHidden());
        QCOMPARE(w.text(mainnames::CityName) + '|' + w.text(mainnames::CityLatitude) + '|' +
                     w.text(mainnames::CityLongitude) + '|' + w.text(mainnames::CityTimeZone),
                 "India - Bhubaneswar| 20.27º | -85.85º |-5.5 Hours");
        QCOMPARE(QPoint(w.days()->currentColumn(), w.days()->currentRow()), QPoint(3, 2));
        QVERIFY(w.highlighted(2, 3));
        QCOMPARE(todayMarks(w), QStringList({"14 framed", "14 described"}));
        const QString lines =
            w.text(mainnames::HijriDateLine) + w.text(mainnames::GregorianDateLine);
        w.clickCell(0, 0);
        QCOMPARE(w.text(mainnames::HijriDateLine) + w.text(mainnames::GregorianDateLine), lines);
        QVERIFY(w.highlighted(2, 3));
        w.platform.clock = QDateTime(QDate(2025, 11, 7), QTime(14, 7, 9)); // past midnight
        w.main->Timer1_Timer();
        QVERIFY2(w.get<QPushButton>(mainnames::ClockButton)->text().contains("07:09"),
                 qPrintable(w.get<QPushButton>(mainnames::ClockButton)->text()));
        QVERIFY(w.get<QTimer>(mainnames::ClockTimer)->isActive());
        QCOMPARE(todayMarks(w), QStringList({"16 framed", "16 described"}));
        w.click(mainnames::NextButton);
        QCOMPARE(todayMarks(w), QStringList());
        QVERIFY(w.highlighted(3, 0)); // the 16th of the next month: selected, not today
        w.clickDay(3);
        w.trigger(mainnames::TodayCommand);
        QCOMPARE(todayMarks(w), QStringList({"16 framed", "16 described"}));
        QCOMPARE(w.shownMonth() + '|' + w.text(mainnames::GregorianDateLine),
                 "Jumadil-Awwal 1447|7, November - 2025 AD");
        QVERIFY(w.platform.systemDateSets.isEmpty());
    }

    // A missing city file is written with the default city, in CR LF lines, and the program
    // ends saying so, without opening a window.
    void missingCityFileIsWrittenAndEndsTheProgram()
    {
        Window w(QDate(2025, 11, 5), false);
        w.setSetting(SettingKey::ShowFirst, "1");
        w.load();
        QVERIFY(w.platform.ended && !w.main->isVisible() && !w.calculator());
        QCOMPARE(w.platform.messages.size(), 1);
        QCOMPARE(w.platform.messages[0].icon, MsgIcon::Critical);
        QVERIFY(w.platform.lastMessage().startsWith("File 'InfoCity.txt' not found."));
        const QByteArray bytes = readBytes(w.path(kCityFileName));
        QVERIFY(bytes.startsWith("India - Bhubaneswar\r\n20.267\r\n-85.85\r\n-5.5\r\n\r\n"));
        QVERIFY(bytes.endsWith("Time Offset from GMT in Hours\r\n"));
        QCOMPARE(bytes.count("\r\n") * 100 + bytes.count('\n'), 1414);
    }

    // A city file that cannot be used is named once, kept byte for byte, and the default city
    // is shown for the session.
    void unusableCityFileIsNamedAndKept_data()
    {
        columns<QByteArray, QString>({"bytes", "reason"});
        row("UTF-16", QByteArray("\xFF\xFEK\0a\0r\0\r\0\n\0", 12), "not a text file");
        row("three values", QByteArray("Pune\r\n18.52\r\n-73.86\r\n"), "GMT offset");
    }
    void unusableCityFileIsNamedAndKept()
    {
        const auto [bytes, reason] = fetch<QByteArray, QString>("bytes", "reason");
        Window w;
        QVERIFY(writeBytes(w.path(kCityFileName), bytes));
        w.load();
        QCOMPARE(w.platform.messages.size(), 1);
        QVERIFY(w.platform.lastMessage().contains(QDir::toNativeSeparators(w.path(kCityFileName))));
        QVERIFY(w.platform.lastMessage().contains(reason));
        QVERIFY(!w.platform.ended);
        QCOMPARE(w.text(mainnames::CityName), DefaultCity().name);
        QCOMPARE(readBytes(w.path(kCityFileName)), bytes);
    }

    // Month steps keep the Hijri day and show its Western date; a typed year shows the same
    // month of that year; a refused move changes nothing.
    void navigation_data()
    {
        columns<QDate, QString, QString, QString>({"today", "action", "shown", "message"});
        const QDate today(2025, 11, 5);
        row("back from Muharram 1447", QDate(2025, 7, 1), ObjectName(mainnames::PreviousButton),
            "Dhul-Hijjah 1446 2, June - 2025 AD", "");
        row("forward from Dhul-Hijjah 1446", QDate(2025, 6, 1), ObjectName(mainnames::NextButton),
            "Muharram 1447 30, June - 2025 AD", "");
        row("back from Muharram 1 AH", QDate(622, 7, 20), ObjectName(mainnames::PreviousButton), "",
            "The Year Value must be between 1 AH & 20874 AH");
        row("forward from Rabi-ul-Awwal 9666", QDate(9999, 12, 1),
            ObjectName(mainnames::NextButton), "", kRangeMessage);
        row("Safar of 9666 is shown", QDate(2025, 8, 1), "9666", "Safar 9666", "");
        row("a year in Arabic digits", today, "١٤٤٨", "Jumadil-Awwal 1448", "");
        row("a year in Urdu digits", QDate(2025, 8, 1), "۹۶۶۶", "Safar 9666", "");
        row("Jumadil-Awwal of 9666 is past the range", today, "9666", "", kRangeMessage);
        row("year 0", today, "0", "", kInvalidYear);
    }
    void navigation()
    {
        const auto [today, action, shown, message] =
            fetch<QDate, QString, QString, QString>("today", "action", "shown", "message");
        Window w(today);
        w.load();
        const auto shownNow = [&w] {
            return w.text(mainnames::MonthCaption) + w.text(mainnames::HijriDateLine) +
                   w.text(mainnames::GregorianDateLine) +
                   QString::number(w.main->dateState().CurrentHijriYear);
        };
        const QString before = shownNow();
        const qint16 day = w.main->dateState().CurrentHijriDay;
        action.endsWith("ward") ? w.click(action) : w.goToYear(action);
        QCOMPARE(w.platform.lastMessage(), message);
        if (!message.isEmpty()) {
            QCOMPARE(w.platform.messages.size(), 1);
            QCOMPARE(w.platform.messages[0].icon,
                     message.startsWith("The Year") ? MsgIcon::None : MsgIcon::Critical);
            QCOMPARE(shownNow(), before);
            return;
        }
        QVERIFY((w.shownMonth() + ' ' + w.text(mainnames::GregorianDateLine)).startsWith(shown));
        QCOMPARE(w.text(mainnames::EnglishYearBox), w.text(mainnames::YearBox));
        QCOMPARE(w.main->dateState().CurrentHijriDay, day);
    }

    void selectingDays()
    {
        Window w(kKnownDates[5].date()); // 12 Dhul-Hijjah 1427: 2 Jan 2007
        w.load();
        QCOMPARE(w.text(mainnames::HijriDateLine), "12, Dhul-Hijjah - 1427 Hijri");
        w.clickDay(15);
        QCOMPARE(w.text(mainnames::HijriDateLine) + '|' + w.text(mainnames::GregorianDateLine),
                 "15, Dhul-Hijjah, 1427 Hijri|5, January - 2007 AD");
        int marked = 0;
        for (int cell = 0; cell < 42; ++cell)
            marked += w.highlighted(cell / 7, cell % 7);
        QCOMPARE(marked, 1);
        QVERIFY(w.highlighted(w.days()->currentRow(), w.days()->currentColumn()));
        w.clickDay(15); // the same day again: only the line's form changes
        QCOMPARE(w.text(mainnames::GregorianDateLine), "5, January - 2007 AD");
        w.clickDay(29); // the last day: this Dhul-Hijjah has 29 days
        QCOMPARE(w.text(mainnames::GregorianDateLine), "19, January - 2007 AD");
        w.clickDay(1); // back 28 days, over the year's end
        QCOMPARE(w.text(mainnames::GregorianDateLine), "22, December - 2006 AD");
        QCOMPARE(w.main->dateState().CurrentHijriDay, qint16(12));
        w.click(mainnames::NextButton); // a redraw selects the current day again
        QCOMPARE(w.text(mainnames::HijriDateLine), "12, Muharram-ul-Haraam - 1428 Hijri");
    }

    // On the first start the calculator comes first, its box ticked; the main window shows when
    // it closes, in the short view ending at the calendar's right edge, the defaults stored.
    // The header switches between Urdu pictures over Arabic-Indic digits and English names over
    // ASCII digits with the English year box; the clock button switches views, leaving the
    // maximized state. The view, the window and the banner colour are there at the next start.
    void viewsAndRestart()
    {
        Window w;
        w.platform.settings.clear();
        w.load();
        QVERIFY(w.calculator() && w.calculator()->isVisible() && !w.main->isVisible());
        QVERIFY(w.in<QCheckBox>(calculatornames::ShowFirstBox)->isChecked());
        w.calculator()->close();
        QVERIFY(w.main->isVisible());
        QCOMPARE(w.setting(SettingKey::ShowFirst) + w.setting(SettingKey::WindowFull) +
                     w.setting(SettingKey::DovrellBG) + w.setting(SettingKey::ColorIndex),
                 "1False00");
        // The drawing's short view, and the line about the new crescent below it.
        QCOMPARE(w.main->size(), QSize(8840 / 15, 8700 / 15 + 36));
        QVERIFY(!w.get<QAction>(mainnames::ConversionCommand)->isEnabled());
        QCOMPARE(w.get<QAction>(mainnames::ViewCommand)->text(), "&ViewFull");
        QCOMPARE(bannerColour(w.main.get()), w.main->palette().color(QPalette::Window));
        QVERIFY(w.days()->geometry().right() < w.main->centralWidget()->width());
        QVERIFY(w.get(mainnames::ReadingBox)->geometry().left() >=
                w.main->centralWidget()->width());
        const auto picture = [](const QWidget *main) {
            const auto *header = control<QTableWidget>(main, mainnames::WeekdayHeader);
            return !header->item(0, 0)->data(Qt::DecorationRole).value<QPixmap>().isNull();
        };
        auto *header = w.get<QTableWidget>(mainnames::WeekdayHeader);
        QVERIFY(picture(w.main.get()) && w.days()->font().family() == "Tarvelonix");
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          header->visualItemRect(header->item(0, 3)).center());
        QCOMPARE(w.main->dayView() + header->item(0, 0)->text() + header->item(0, 6)->text(),
                 "EnglishSUNSAT");
        QVERIFY(!picture(w.main.get()) && w.days()->font().family() == "Arial");
        QVERIFY(!w.get(mainnames::EnglishYearRow)->isHidden());
        QCOMPARE(w.text(mainnames::HijriDateLine), "14, Jamaadil-Awwal - 1447 Hijri");
        w.get<QLineEdit>(mainnames::EnglishYearBox)->setText("1448");
        w.click(mainnames::EnglishGoButton);
        QCOMPARE(w.shownMonth(), "Jumadil-Awwal 1448");
        w.main->showMaximized();
        w.click(mainnames::ClockButton);
        QVERIFY(!w.main->isMaximized());
        // The full design's width, as far as the screen holds it with the window's frame.
        const int room = w.main->screen()->availableGeometry().width() -
                         (w.main->frameGeometry().width() - w.main->width());
        QCOMPARE(w.setting(SettingKey::WindowFull) + QString::number(w.main->width()),
                 "True" + QString::number(std::min(798, room)));
        QCOMPARE(w.get<QAction>(mainnames::ViewCommand)->text(), "&ViewShort");
        QVERIFY(w.get<QAction>(mainnames::ConversionCommand)->isEnabled());
        QTest::mouseClick(w.get(mainnames::Banner), Qt::LeftButton);
        w.main->Exit_Click();

        frmqarnivo again(w.platform);
        again.Form_Load();
        // Back in the full view (within the test's narrow screen).
        QCOMPARE(again.dayView(), "English");
        QVERIFY(again.width() > 8840 / 15 && again.width() <= 798);
        QCOMPARE(bannerColour(&again), QColor(Qt::white));
        again.grCal0_Click();
        QVERIFY(picture(&again) && control(&again, mainnames::EnglishYearRow)->isHidden());
        QCOMPARE(control<QTableWidget>(&again, mainnames::DayGrid)->font().family(), "Tarvelonix");
        again.Optionz_Click();
        QCOMPARE(again.width(), 8840 / 15);
        QVERIFY(!control<QAction>(&again, mainnames::ConversionCommand)->isEnabled());
    }

    // A stored colour scheme is applied and written back at startup; one out of range falls back
    // to the first.
    void storedColourScheme_data()
    {
        columns<QString, QString>({"stored", "written"});
        row("none", QString(), QString("0"));
        row("4", QString("4"), QString("4"));
        row("9: out of range", QString("9"), QString("0"));
    }
    void storedColourScheme()
    {
        const auto [stored, written] = fetch<QString, QString>("stored", "written");
        Window w;
        if (!stored.isEmpty())
            w.setSetting(SettingKey::ColorIndex, stored);
        w.load();
        QCOMPARE(w.setting(SettingKey::ColorIndex), written);
    }

    // The pictures and links answer the pointer and go back to rest when it leaves.
    void pointerFeedback()
    {
        Window w;
        w.load();
        const auto moveOver = [](QWidget *widget) {
            QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &move);
        };
        auto *hover = w.get<QLabel>(calculatornames::StarHolder, 2);
        auto *lit = w.get<QLabel>(calculatornames::StarHolder, 1);
        moveOver(w.get(calculatornames::StarHolder, 3));
        QVERIFY(hover->isHidden());
        QTest::mousePress(lit, Qt::LeftButton);
        QVERIFY(lit->isHidden());
        moveOver(w.get(calculatornames::RosetteHolder, 0));
        QVERIFY(w.get(calculatornames::RosetteHolder, 1)->isHidden());
        moveOver(w.get(mainnames::CityName));
        QVERIFY(w.get(mainnames::CityName)->font().bold());
        moveOver(w.get(mainnames::WebLink));
        QVERIFY(w.get(mainnames::WebLink)->styleSheet().contains("underline"));
        moveOver(qobject_cast<QScrollArea *>(w.main->centralWidget())->widget());
        QVERIFY(!hover->isHidden() && !lit->isHidden() &&
                !w.get(calculatornames::RosetteHolder, 1)->isHidden());
        QVERIFY(!w.get(mainnames::CityName)->font().bold());
        QVERIFY(!w.get(mainnames::WebLink)->styleSheet().contains("underline"));
    }

    // Every named control of the three windows has an accessible name, the day cells say
    // their date and occasion in full, and the main commands have keys.
    void accessibility()
    {
        Window w(QDate(2026, 2, 3)); // 15 Sha'aban 1447, a night of occasion
        w.load();
        w.main->SunRiseSunSet_Click();
        w.in<QAction>(calculatornames::MapCommand)->trigger();
        QStringList unnamed;
        for (const QWidget *widget : w.main->findChildren<QWidget *>()) {
            const QString name = widget->objectName();
            if (!name.isEmpty() && !name.startsWith("qt_") && !widget->isWindow() &&
                widget->accessibleName().isEmpty())
                unnamed.append(name);
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u' ')));
        QString description;
        for (int cell = 0; cell < 42 && description.isEmpty(); ++cell)
            if (w.cell(cell / 7, cell % 7) == "15")
                description = w.days()
                                  ->item(cell / 7, cell % 7)
                                  ->data(Qt::AccessibleDescriptionRole)
                                  .toString();
        QVERIFY2(description.startsWith("15 Sha'aban-ul-Moazzam 1447 Hijri, ") &&
                     description.contains("3 February 2026") &&
                     description.endsWith("SHAB-E-BARAT"),
                 qPrintable(description));
        for (const ControlName &command :
             {mainnames::ExitCommand, mainnames::TodayCommand, mainnames::ConversionCommand,
              mainnames::SunTimesCommand, mainnames::ExportTipsCommand})
            QVERIFY2(!w.get<QAction>(command)->shortcut().isEmpty(), command.object);
    }

    // Commands and clicks that only show a box: its opening and icon (-1: any).
    void messageBoxes_data()
    {
        columns<QString, QString, int>({"command", "opening", "icon"});
        const int information = int(MsgIcon::Information);
        row("version", ObjectName(mainnames::VersionCommand),
            "Qarnivo of Tarvelonix\r\n\tVersion: 3.5", information);
        row("translation, double click", ObjectName(mainnames::TranslationCredits),
            "      INTERPRETATION OF THE MEANING OF THE NOBLE QURAN\r\n", int(MsgIcon::None));
        row("month picture in Ramadhan", ObjectName(mainnames::MonthPicture, 9),
            "RAMADHAN-UL-MUBARAK", information);
        row("city details, double click, No", ObjectName(mainnames::CityLatitude),
            "Click SunriseSunset menu item to know the Sunrise and Sunset timings\r\n", -1);
    }
    void messageBoxes()
    {
        const auto [command, opening, icon] =
            fetch<QString, QString, int>("command", "opening", "icon");
        Window w(QDate(2026, 3, 1)); // in Ramadhan
        w.load();
        w.platform.answers = {MsgAnswer::No};
        if (command == ObjectName(mainnames::TranslationCredits) ||
            command == ObjectName(mainnames::CityLatitude))
            QTest::mouseDClick(w.get(command), Qt::LeftButton);
        else if (command.startsWith(mainnames::MonthPicture.object))
            QTest::mouseClick(w.get(command), Qt::LeftButton);
        else
            w.trigger(command);
        QCOMPARE(w.platform.messages.size(), 1);
        QVERIFY2(w.platform.lastMessage().startsWith(opening),
                 qPrintable(w.platform.lastMessage()));
        QVERIFY((icon < 0 || int(w.platform.messages[0].icon) == icon));
        QVERIFY(w.main->isVisible() && !w.calculator());
    }

    // The help links, the product list replaced by the scripture panel (closed by a double
    // click), the Manual command where the manual is, and the sunrise question answered Yes.
    void helpLinksAndPanels()
    {
        Window w;
        QVERIFY(writeBytes(w.path(kManualFileName), "%PDF"));
        w.load();
        QTest::mouseClick(w.get(mainnames::WebLink), Qt::LeftButton);
        QCOMPARE(w.platform.openedAddresses.size(), 1);
        QCOMPARE(w.platform.openedAddresses[0].scheme(), "https");
        auto *panel = w.get<QTextEdit>(mainnames::InfoPanel);
        QVERIFY(panel->isHidden());
        w.trigger(mainnames::OurSoftwareCommand);
        QVERIFY(!panel->isHidden());
        w.trigger(mainnames::DivineCalendarCommand);
        QVERIFY(panel->toPlainText().startsWith(
            "DIVINE COMMAND TO USE A (HIJRA) CALENDAR\n\nSurah II-Al-Baqarah, Ayat: 189:"));
        QTest::mouseDClick(panel->viewport(), Qt::LeftButton);
        QVERIFY(panel->isHidden() && w.main->manualPresent());
        w.trigger(mainnames::ManualCommand);
        QCOMPARE(w.platform.openedDocuments, QStringList{kManualFileName});
        const qsizetype shown = w.platform.messages.size();
        w.platform.documentViewer = false;
        w.trigger(mainnames::ManualCommand);
        QCOMPARE(w.platform.openedDocuments.size(), 1);
        QCOMPARE(w.platform.messages.size(), shown + 1);
        QVERIFY(
            w.platform.lastMessage().contains(QDir::toNativeSeparators(w.path(kManualFileName))));
        w.platform.answers = {MsgAnswer::Yes};
        QTest::mouseDClick(w.get(mainnames::CityName), Qt::LeftButton);
        QCOMPARE(w.platform.messages.last().buttons, MsgButtons::YesNoCancel);
        QVERIFY(w.calculator() && w.calculator()->isVisible() && !w.main->isVisible());

        Window without;
        without.load();
        QVERIFY(!without.get<QAction>(mainnames::ManualCommand)->isEnabled() &&
                !without.main->manualPresent());
    }

    void missingArabicFontIsReportedOnce()
    {
        Window w;
        w.platform.fonts = {QStringLiteral("DejaVu Sans")};
        w.load();
        QCOMPARE(w.platform.messages.size(), 1);
        QCOMPARE(w.platform.messages[0].icon, MsgIcon::Critical);
        const QStringList lines = w.platform.lastMessage().split("\r\n");
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], "Tarvelonix Font is not installed in your system. You will not be");
        QVERIFY(lines[3].isEmpty() && lines[4].startsWith(QString(9, u' ') + "http"));
        QCOMPARE(w.days()->font().family() + w.get(mainnames::YearBox)->font().family(),
                 "ArialArial");
        QCOMPARE(w.cell(0, 4), "1"); // digits stay ASCII
    }

    // Today's reading, and the occasion with the reading in dark red when there is one; a
    // selected day shows its occasion, the doubled ampersand as one, and never recolours.
    void readingsAndOccasions_data()
    {
        columns<QDate, QString, QString>({"today", "occasion", "readingEnd"});
        row("1 Muharram 1447: the greeting and Al-Alaq", kKnownDates[7].date(),
            "Happy New Year! TODAY is the starting day of Islamic HIJRI Calendar year 1447.",
            " ...QURA'N [96:1..5]\n   (Surah Al-Alaq).");
        row("15 Sha'aban 1447", kKnownDates[9].date(), "SHAB-E-BARAT", "");
        row("5 Muharram 1447: no occasion", QDate(2025, 7, 1), "", "");
    }
    void readingsAndOccasions()
    {
        const auto [today, occasion, readingEnd] =
            fetch<QDate, QString, QString>("today", "occasion", "readingEnd");
        Window w(today);
        w.load();
        QCOMPARE(w.text(mainnames::OccasionLine), occasion);
        QCOMPARE(readingIsDarkRed(w), !occasion.isEmpty());
        const QString reading = w.get<QTextEdit>(mainnames::ReadingBox)->toPlainText();
        QVERIFY(!reading.isEmpty() && !reading.contains(u'\r'));
        QVERIFY2(reading.endsWith(readingEnd), qPrintable(reading.right(60)));
        if (!occasion.isEmpty())
            return;
        w.clickDay(7);
        QVERIFY(w.text(mainnames::OccasionLine).contains(u'&') &&
                !w.text(mainnames::OccasionLine).contains("&&"));
        w.clickDay(10);
        QVERIFY(w.text(mainnames::OccasionLine).startsWith("Youm-e-Aa'shurah"));
        w.clickDay(5);
        QCOMPARE(w.text(mainnames::OccasionLine), QString());
        QVERIFY(!readingIsDarkRed(w));
    }

    // A window left open past midnight moves to the new day when it shows today's month, into
    // the next month too; a month the user moved to stays, with its selection. The new day
    // shows as a window started on it would.
    void midnightMovesToTheNewDay_data()
    {
        columns<QDate, QString, QDate, bool>({"start", "move", "newDay", "followed"});
        // The 6th is 15 Jumadil-Awwal, the 22nd 1 Jumadil-Aakhir; 5 July is 10 Muharram.
        const QDate today(2025, 11, 5), next(2025, 11, 6);
        row("today's month: the next day", today, "", next, true);
        row("a day selected in today's month", today, ObjectName(mainnames::DayGrid), next, true);
        row("30 Jumadil-Awwal: into the next month", QDate(2025, 11, 21), "", QDate(2025, 11, 22),
            true);
        row("to Youm-e-Aa'shurah: the occasion and the red box", QDate(2025, 7, 4), "",
            QDate(2025, 7, 5), true);
        row("from Youm-e-Aa'shurah: the occasion gone", QDate(2025, 7, 5), "", QDate(2025, 7, 6),
            true);
        row("the next month shown stays", today, ObjectName(mainnames::NextButton), next, false);
        row("the next month shown stays, today's mark moves into it", QDate(2025, 11, 21),
            ObjectName(mainnames::NextButton), QDate(2025, 11, 22), false);
        row("the previous month shown stays", today, ObjectName(mainnames::PreviousButton), next,
            false);
    }
    void midnightMovesToTheNewDay()
    {
        const auto [start, move, newDay, followed] =
            fetch<QDate, QString, QDate, bool>("start", "move", "newDay", "followed");
        const auto shown = [](const Window &w) {
            return QStringList{w.shownMonth(),
                               w.text(mainnames::HijriDateLine),
                               w.text(mainnames::GregorianDateLine),
                               w.text(mainnames::OccasionLine),
                               w.get<QTextEdit>(mainnames::ReadingBox)->toPlainText(),
                               readingIsDarkRed(w) ? "dark red" : "navy"};
        };
        Window w(start);
        w.load();
        if (move == ObjectName(mainnames::DayGrid))
            w.clickDay(3);
        else if (!move.isEmpty())
            w.click(move);
        const QStringList before = shown(w);
        w.platform.clock = QDateTime(newDay, QTime(0, 0, 1));
        w.main->Timer1_Timer();
        Window fresh(newDay);
        fresh.load();
        QCOMPARE(shown(w), followed ? shown(fresh) : before);
        // Today's mark shows in today's month only, whether followed or moved to.
        QCOMPARE(todayMarks(w),
                 w.shownMonth() == fresh.shownMonth() ? todayMarks(fresh) : QStringList());
        QCOMPARE(todayMarks(fresh).size(), 2);
        QVERIFY(shown(fresh) != before);
        QVERIFY(w.platform.messages.isEmpty() && w.platform.systemDateSets.isEmpty());
    }

    // The exit stores the day view (an unreadable one is Urdu) and the window state (a maximized
    // start offers the conversion) and ends; closing the window is the same exit. Whatever the
    // clock says by then, it asks nothing and never sets the system date.
    void exitSequence_data()
    {
        columns<QDate, bool, bool, bool>({"dateAtExit", "ticked", "closed", "maximized"});
        const QDate today(2025, 11, 5), next(2025, 11, 6);
        row("same day", today, false, false, false);
        row("past midnight, before the clock ticks", next, false, false, false);
        row("past midnight, after the clock ticked", next, true, false, false);
        row("a month later, closing the window", QDate(2025, 12, 5), true, true, false);
        row("the clock set back a year", QDate(2024, 11, 5), true, false, false);
        row("maximized, with an unreadable day view", next, true, false, true);
    }
    void exitSequence()
    {
        const auto [dateAtExit, ticked, closed, maximized] =
            fetch<QDate, bool, bool, bool>("dateAtExit", "ticked", "closed", "maximized");
        Window w;
        if (maximized) {
            w.setSetting(SettingKey::WindowMax, "True");
            w.setSetting(SettingKey::DayView, "Klingon");
        }
        w.load();
        QCOMPARE(w.get<QAction>(mainnames::ConversionCommand)->isEnabled(), maximized);
        w.platform.clock = QDateTime(dateAtExit, QTime(0, 5));
        if (ticked)
            w.main->Timer1_Timer();
        if (closed)
            QVERIFY(!w.main->close());
        else
            w.trigger(mainnames::ExitCommand);
        QVERIFY(w.platform.ended);
        QCOMPARE(w.platform.messages.size(), 0);
        QCOMPARE(w.platform.systemDateSets, QList<QDate>{});
        QCOMPARE(w.setting(SettingKey::DayView) + w.setting(SettingKey::WindowMax),
                 maximized ? "UrduTrue" : "UrduFalse");
    }

    // The menu command shows the panel with today in both calendars. Both directions convert
    // through the buttons or the arrows, the dates moved by the correction, the typed side
    // kept as typed; a refused date leaves the other side and the weekday as they were. The
    // command hides the panel again, showing today once more.
    void conversionPanel_data()
    {
        // The side typed, the date and year text typed, the correction, whether the arrow is
        // clicked; the panel's texts then, or for a refusal the icon of its box.
        columns<bool, Ymd, QString, int, bool, QString>(
            {"western", "typed", "year", "correction", "arrow", "shown"});
        row("Western 2 Jan 2007, typed 2007.4, arrow", true, kKnownDates[5].western, "2007.4", 0,
            true, "2 January 2007.4 12 Dhul-Hijjah 1427 Tuesday");
        row("Hijri 1/1/1, correction +1", false, Ymd{1, 1, 1}, "1", 1, false,
            "17 July 622 1 Muharram 1 Saturday");
        row("refused: 30 Safar 1447, a 29-day month, arrow", false, Ymd{1447, 2, 30}, "1447", 0,
            true, "5 November 2025 30 Safar 1447 Wednesday");
        row("refused: 29 Feb 1900", true, Ymd{1900, 2, 29}, "1900", 0, false,
            "29 February 1900 14 Jumadil-Awwal 1447 Wednesday");
        row("refused, year emptied: Western 1e400", true, Ymd{0, 1, 1}, "1e400", 0, false,
            "1 January  14 Jumadil-Awwal 1447 Wednesday");
        row("refused, year emptied: Hijri year cleared", false, Ymd{0, 1, 1}, "", 0, false,
            "5 November 2025 1 Muharram  Wednesday");
    }
    void conversionPanel()
    {
        const auto [western, typed, year, correction, arrow, shown] =
            fetch<bool, Ymd, QString, int, bool, QString>("western", "typed", "year", "correction",
                                                          "arrow", "shown");
        Window w;
        w.setSetting(SettingKey::WindowFull, "True");
        w.setSetting(SettingKey::Correction, QString::number(correction));
        w.load();
        auto *panel = w.get<QGroupBox>(panelnames::Panel);
        QVERIFY(panel->isHidden());
        w.trigger(mainnames::ConversionCommand);
        QVERIFY(!panel->isHidden());
        // A correction of one day pairs today with the Hijri day before.
        const QString today =
            QStringLiteral("5 November 2025 %1 Jumadil-Awwal 1447 Wednesday").arg(14 - correction);
        QCOMPARE(sides(panel), today);
        control<QComboBox>(panel, western ? panelnames::WesternDay : panelnames::HijriDay)
            ->setCurrentIndex(typed.day - 1);
        control<QComboBox>(panel, western ? panelnames::WesternMonth : panelnames::HijriMonth)
            ->setCurrentIndex(typed.month - 1);
        control<QLineEdit>(panel, western ? panelnames::WesternYear : panelnames::HijriYear)
            ->setText(year);
        QTest::mouseClick(
            arrow ? control(panel, western ? panelnames::DownArrow : panelnames::UpArrow)
                  : control(panel,
                            western ? panelnames::ToHijriButton : panelnames::ToGregorianButton),
            Qt::LeftButton);
        QCOMPARE(sides(panel), shown);
        const bool refused = QByteArray(QTest::currentDataTag()).startsWith("refused");
        QCOMPARE(w.platform.messages.size(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(w.platform.messages[0].buttons, MsgButtons::Ok);
            QCOMPARE(w.platform.messages[0].icon,
                     !western && year.isEmpty() ? MsgIcon::None : MsgIcon::Exclamation);
        }
        w.trigger(mainnames::ConversionCommand);
        QVERIFY(panel->isHidden());
        QCOMPARE(sides(panel), today);
    }
};

QARNIVO_WEBENGINE_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
