// The Prayer Times window: the month's rows beside the Hijri dates, the places of the place
// list, the polar days in words, and the timetable printed, saved as PDF and exported as CSV
// through the platform. The times come from the engine; the window is checked against it.

#include "core/prayer/nighttimes.h"
#include "core/prayer/timetabletext.h"
#include "core/qibla/qibla.h"
#include "widgets/qiblacompass.h"
#include "windows/prayertimes/prayerwindow.h"
#include "windowsupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QSpinBox>

using namespace qarnivo;
using namespace qarnivo::testing;

namespace {

const PrayerSettings kSettings; // Karachi, Hanafi Asr, 24-hour clock
constexpr std::nullopt_t none = std::nullopt;
const CityInfo kTromso{"Norway - Tromso", "69.65", "-18.96", "-1"};

// A window over an application folder; `list` "list" lays out the calculator's place list,
// "bounds" a list with places the engine refuses,
// "folder" a folder in its place.
struct Prayers : AppFolder {
    QPointer<PrayerTimesWindow> window;
    explicit Prayers(const QDate &today = QDate(2025, 11, 5), const CityInfo &city = DefaultCity(),
                     const QString &list = "list")
        : AppFolder(today)
    {
        if (list == "list")
            addCalculatorFiles();
        if (list == "folder")
            QDir().mkpath(path(kPlaceFileName));
        // A latitude past the pole, an offset past 14 hours, and two places within bounds.
        if (list == "bounds" &&
            !writeBytes(path(kPlaceFileName), "Beyond,90.5,0,0\r\nFar,0,0,-14.5\r\n"
                                              "Pole,90,0,0\r\nSydney,-33.8688,-151.2093,-10\r\n"))
            qFatal("cannot write the place list");
        window = new PrayerTimesWindow(platform, kSettings, city, today);
    }
    ~Prayers() { delete window.data(); }
    QTableWidget *table() const
    {
        return control<QTableWidget>(window, prayerwindownames::Timetable);
    }
    QString cell(int row, int column) const { return table()->item(row, column)->text(); }
    QString label(const ControlName &name, int index = -1) const
    {
        return control<QLabel>(window, name, index)->text();
    }
    QComboBox *places() const { return control<QComboBox>(window, prayerwindownames::PlaceList); }
    void choosePlace(const QString &name) const
    {
        places()->setCurrentIndex(places()->findText(name));
        window->PlaceList_Click();
    }
    void click(const QString &name) const { control<QPushButton>(window, name)->click(); }
    void click(const ControlName &name) const { click(ObjectName(name)); }
    // Every time cell equals the engine's month for that place.
    void compareTimes(const CityInfo &city) const
    {
        const auto days = PrayerTimetable(window->date().year(), window->date().month(),
                                          *PrayerPlaceOfCity(city), kSettings);
        QCOMPARE(table()->rowCount(), int(days.size()));
        for (int row = 0; row < table()->rowCount(); ++row)
            for (int i = 0; i < kPrayerCount; ++i)
                QCOMPARE(cell(row, 2 + i), PrayerTimeText(days[row], Prayer(i), true));
    }
};

PrayerDay day(const QDate &date, std::array<std::optional<int>, kPrayerCount> minutes,
              PolarState polar = PolarState::None)
{
    return {date, minutes, polar};
}

} // namespace

Q_DECLARE_METATYPE(qarnivo::PrayerDay)
Q_DECLARE_METATYPE(qarnivo::Language)
Q_DECLARE_METATYPE(qarnivo::CityInfo)

class TestPrayerWindow : public QObject {
    Q_OBJECT
private slots:
    // Quoting as RFC 4180 wants it, in UTF-8, each record ending in CR LF.
    void csvRecord_data()
    {
        columns<QStringList, QByteArray>({"fields", "bytes"});
        row("plain", QStringList{"Delhi", "04:50", ""}, QByteArray("Delhi,04:50,\r\n"));
        row("comma", QStringList{"Washington, D.C.", "x"},
            QByteArray("\"Washington, D.C.\",x\r\n"));
        row("quote", QStringList{"The \"Old\" Town"}, QByteArray("\"The \"\"Old\"\" Town\"\r\n"));
        row("UTF-8", QStringList{"Şanlıurfa"},
            QByteArray("\xc5\x9e"
                       "anl\xc4\xb1urfa\r\n"));
    }
    void csvRecord()
    {
        const auto [fields, bytes] = fetch<QStringList, QByteArray>("fields", "bytes");
        QCOMPARE(CsvRecord(fields), bytes);
    }

    // 24-hour times, an empty field where the sun does not rise or set, Isha past midnight.
    void csvDay_data()
    {
        columns<PrayerDay, QByteArray>({"day", "record"});
        row("ordinary", day(QDate(2025, 11, 5), {290, 365, 720, 930, 1050, 1140}),
            QByteArray("2025-11-05,14 Jumadil-Awwal 1447,04:50,06:05,12:00,15:30,17:30,19:00"));
        row("polar day",
            day(QDate(2025, 6, 21), {none, none, 770, 1000, none, none}, PolarState::PolarDay),
            QByteArray("2025-06-21,24 Dhul-Hijjah 1446,,,12:50,16:40,,"));
        row("Isha after midnight", day(QDate(2025, 6, 27), {150, 200, 780, 1060, 1350, 1450}),
            QByteArray("2025-06-27,1 Muharram 1447,02:30,03:20,13:00,17:40,22:30,00:10"));
    }
    void csvDay()
    {
        const auto [prayerDay, record] = fetch<PrayerDay, QByteArray>("day", "record");
        QCOMPARE(TimetableCsv({prayerDay}),
                 "Date,Hijri date,Fajr,Sunrise,Dhuhr,Asr,Maghrib,Isha\r\n" + record + "\r\n");
    }

    // A right-to-left language runs the month from the right, "< Previous" right of "Next >",
    // and the year in its own digits; the CSV keeps ASCII digits, its dates, commas and CR LF.
    void inLanguage_data()
    {
        columns<Language, QString>({"language", "year"});
        row("English", Language::English, QString("2025"));
        row("Arabic", Language::Arabic, QString("٢٠٢٥"));
        row("Urdu", Language::Urdu, QString("۲۰۲۵"));
    }
    void inLanguage()
    {
        const auto [language, year] = fetch<Language, QString>("language", "year");
        const ShownLanguage shown(language);
        Prayers p;
        p.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.window));
        const auto middle = [&p](const ControlName &name) {
            const auto *button = control<QPushButton>(p.window, name);
            return button->mapTo(p.window.data(), button->rect().center()).x();
        };
        QCOMPARE(middle(prayerwindownames::PreviousMonth) > middle(prayerwindownames::NextMonth),
                 IsRightToLeft(language));
        QCOMPARE(control<QSpinBox>(p.window, prayerwindownames::YearBox)->text(), year);

        p.platform.saveAnswer = p.path("out.csv");
        p.click(prayerwindownames::CsvButton);
        const QString csv = QString::fromUtf8(readBytes(p.path("out.csv")));
        const QStringList records = csv.split("\r\n");
        QCOMPARE(records.size(), 1 + 30 + 1); // the titles, November's days, nothing after the end
        QVERIFY(records[1].startsWith("2025-11-01,") && records[30].startsWith("2025-11-30,"));
        for (const QString &record : records.mid(0, 31))
            QCOMPARE(record.count(u','), 7);
        for (const QChar c : csv)
            QVERIFY2(!c.isDigit() || c.unicode() < 128, qPrintable(csv));

        // The printed month reads from the right too: Fajr, then the Hijri date on its left.
        p.click(prayerwindownames::PrintButton);
        const QStringList lines = p.platform.printedDocuments.value(0).split(u'\n');
        const qsizetype heading = lines.indexOf(PrayerName(Prayer::Fajr));
        QVERIFY(heading > 0);
        QCOMPARE(lines.value(heading + 1), IsRightToLeft(language)
                                               ? QCoreApplication::translate("Prayer", "Hijri date")
                                               : PrayerName(Prayer::Sunrise));
    }

    // November 2025 crosses from Jumadil-Awwal into Jumadis -Sani; its Fridays are marked.
    void monthTable()
    {
        Prayers p;
        QCOMPARE(p.table()->rowCount(), 30);
        QCOMPARE(p.cell(0, 0) + " / " + p.cell(4, 1), "Sat 1 / 14 Jumadil-Awwal 1447");
        QCOMPARE(p.cell(20, 1) + " / " + p.cell(21, 1),
                 "30 Jumadil-Awwal 1447 / 1 Jumadis -Sani 1447");
        const QList<int> fridays = {6, 13, 20, 27};
        for (int row = 0; row < 30; ++row)
            QCOMPARE(p.table()->item(row, 3)->font().bold(), fridays.contains(row));
        p.compareTimes(DefaultCity());
        QCOMPARE(p.label(prayerwindownames::MethodCaption),
                 "Method: " + PrayerMethodTitle(PrayerMethod::Karachi) + ", Hanafi Asr");
        QCOMPARE(p.label(prayerwindownames::GregorianDate) + " / " +
                     p.label(prayerwindownames::HijriDate),
                 "Wednesday 5 November 2025 / 14 Jumadil-Awwal 1447 AH");
        const PrayerDay today =
            PrayerTimesFor(QDate(2025, 11, 5), *PrayerPlaceOfCity(DefaultCity()), kSettings);
        for (int i = 0; i < kPrayerCount; ++i)
            QCOMPARE(p.label(prayerwindownames::PrayerTime, i),
                     PrayerTimeText(today, Prayer(i), true));
    }

    void monthSteps_data()
    {
        columns<QDate, QString, QDate>({"from", "button", "to"});
        row("next from 31 January", QDate(2025, 1, 31), ObjectName(prayerwindownames::NextMonth),
            QDate(2025, 2, 28));
        row("previous, leap year", QDate(2024, 3, 30), ObjectName(prayerwindownames::PreviousMonth),
            QDate(2024, 2, 29));
        row("before the first month", QDate(1583, 1, 9),
            ObjectName(prayerwindownames::PreviousMonth), QDate(1583, 1, 9));
        row("after the last month", QDate(9999, 12, 9), ObjectName(prayerwindownames::NextMonth),
            QDate(9999, 12, 9));
    }
    void monthSteps()
    {
        const auto [from, button, to] = fetch<QDate, QString, QDate>("from", "button", "to");
        Prayers p(from);
        p.click(button);
        QCOMPARE(p.window->date(), to);
        QCOMPARE(p.table()->currentRow(), to.day() - 1);
        p.compareTimes(DefaultCity());
    }

    // The default city, then the list's places; a missing or unreadable list leaves the city.
    void places_data()
    {
        columns<QString, int>({"list", "count"});
        row("list", QString("list"), 5);
        row("no list", QString(), 1);
        row("list is a folder", QString("folder"), 1);
        row("places beyond the engine's bounds left out", QString("bounds"), 3);
    }
    void places()
    {
        const auto [list, count] = fetch<QString, int>("list", "count");
        Prayers p(QDate(2025, 11, 5), DefaultCity(), list);
        QCOMPARE(p.places()->count(), count);
        QCOMPARE(p.places()->itemText(0), DefaultCity().name);
        if (count > 1) {
            p.choosePlace("Sydney");
            p.compareTimes({"Sydney", "-33.8688", "-151.2093", "-10"});
        }
    }

    // The filter hides the places it does not find and keeps Sydney chosen; Enter takes the first
    // place left.
    void placeFilter_data()
    {
        columns<QString, QString, QString>({"filter", "shown", "afterEnter"});
        row("empty shows all", "", "01234", "India - Bhubaneswar");
        row("part of a name, any case", "HUBANES", "01", "India - Bhubaneswar");
        row("chosen place kept while shown", "y", "4", "Sydney");
        row("hidden chosen place kept until Enter", "del", "2", "Delhi");
        row("nothing found", "zz", "", "Sydney");
    }
    void placeFilter()
    {
        const auto [filter, shown, afterEnter] =
            fetch<QString, QString, QString>("filter", "shown", "afterEnter");
        Prayers p;
        p.choosePlace("Sydney");
        auto *edit = control<QLineEdit>(p.window, prayerwindownames::PlaceFilter);
        edit->setText(filter);
        QString visible;
        for (int row = 0; row < p.places()->count(); ++row)
            if (!qobject_cast<QListView *>(p.places()->view())->isRowHidden(row))
                visible += QString::number(row);
        QCOMPARE(visible, shown);
        QCOMPARE(p.places()->currentText(), "Sydney");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(p.places()->currentText(), afterEnter);
    }

    // The night from the day's Maghrib to the next day's Fajr, the next month's on a month's last
    // day; none where the sun does not set.
    void nightTimes_data()
    {
        columns<QDate, CityInfo, QString, QString>({"date", "city", "middle", "third"});
        row("mid-month", QDate(2025, 11, 5), DefaultCity(), QString(), QString());
        row("the month's last day", QDate(2025, 11, 30), DefaultCity(), QString(), QString());
        row("polar night", QDate(2025, 12, 21), kTromso, QString("--"), QString("--"));
    }
    void nightTimes()
    {
        const auto [date, city, middle, third] =
            fetch<QDate, CityInfo, QString, QString>("date", "city", "middle", "third");
        Prayers p(date, city, QString());
        const PrayerPlace place = *PrayerPlaceOfCity(city);
        const NightTimes night = NightTimesOf(PrayerTimesFor(date, place, kSettings),
                                              PrayerTimesFor(date.addDays(1), place, kSettings));
        const auto text = [](std::optional<int> minutes, const QString &missing) {
            return minutes ? FormatPrayerTime(*minutes, true) : missing;
        };
        QCOMPARE(p.label(prayerwindownames::NightMiddle),
                 "Middle of the night: " + text(night.middle, middle));
        QCOMPARE(p.label(prayerwindownames::NightLastThird),
                 "Last third of the night: " + text(night.lastThird, third));
        QCOMPARE(night.middle.has_value(), middle.isEmpty());
    }

    // The Qibla of the place chosen, in words and on the compass; none at the Kaaba or where
    // the place's values cannot be read.
    void qibla_data()
    {
        columns<CityInfo, QString, QString>({"city", "place", "line"});
        row("the default city", DefaultCity(), QString(),
            QString("Qibla from India - Bhubaneswar: 280.0°, west (4767 km)"));
        row("a place of the list", DefaultCity(), QString("Sydney"),
            QString("Qibla from Sydney: 277.5°, west (13236 km)"));
        row("at the Kaaba", CityInfo{"Makkah", "21.4225", "-39.8262", "-3"}, QString(),
            QString("Qibla from Makkah: at the Kaaba"));
        row("values that cannot be read", CityInfo{"Nowhere", "north", "0", "0"}, QString(),
            QString());
    }
    void qibla()
    {
        const auto [city, place, line] = fetch<CityInfo, QString, QString>("city", "place", "line");
        Prayers p(QDate(2025, 11, 5), city, "bounds");
        if (!place.isEmpty())
            p.choosePlace(place);
        QCOMPARE(p.label(prayerwindownames::QiblaLine), line);
        const auto *compass = control<QiblaCompass>(p.window, prayerwindownames::QiblaCompass);
        QCOMPARE(compass->bearing().has_value(), line.contains(u'°'));
        QCOMPARE(compass->accessibleDescription(), line);
    }

    // The needle's tip on a screen whose y grows downwards, north up.
    void needleEnd_data()
    {
        columns<double, QPointF>({"bearing", "tip"});
        row("north is up", 0.0, QPointF(10, 0));
        row("east is right", 90.0, QPointF(20, 10));
        row("south is down", 180.0, QPointF(10, 20));
        row("west is left", 270.0, QPointF(0, 10));
        row("northeast", 45.0, QPointF(10 + 10 / std::sqrt(2.0), 10 - 10 / std::sqrt(2.0)));
    }
    void needleEnd()
    {
        const auto [bearing, tip] = fetch<double, QPointF>("bearing", "tip");
        const QPointF end = NeedleEnd(QPointF(10, 10), 10, bearing);
        QVERIFY2(QLineF(end, tip).length() < 1e-9,
                 qPrintable(QString("%1, %2").arg(end.x()).arg(end.y())));
    }

    // Where the sun neither rises nor sets, the day says so and the table shows no time.
    void polar_data()
    {
        columns<QDate, QString>({"date", "words"});
        row("midsummer", QDate(2025, 6, 21), QString("polar day"));
        row("midwinter", QDate(2025, 12, 21), QString("polar night"));
    }
    void polar()
    {
        const auto [date, words] = fetch<QDate, QString>("date", "words");
        Prayers p(date, kTromso, QString());
        QCOMPARE(p.label(prayerwindownames::PrayerTime, 1) + " / " +
                     p.label(prayerwindownames::PrayerTime, 4),
                 words + " / " + words);
        QCOMPARE(p.cell(20, 3), QString("\u2014"));
    }

    void save_data()
    {
        columns<QString, QString, bool>({"button", "answer", "written"});
        row("CSV", ObjectName(prayerwindownames::CsvButton), QString("out.csv"), true);
        row("CSV cancelled", ObjectName(prayerwindownames::CsvButton), QString(), false);
        row("CSV to a missing folder", ObjectName(prayerwindownames::CsvButton),
            QString("missing/out.csv"), false);
        row("PDF", ObjectName(prayerwindownames::PdfButton), QString("out.pdf"), true);
        row("PDF to a missing folder", ObjectName(prayerwindownames::PdfButton),
            QString("missing/out.pdf"), false);
        // A pipe of the chosen name is refused, not replaced.
        row("CSV to a pipe", ObjectName(prayerwindownames::CsvButton), QString("fifo.csv"), false);
        row("PDF to a pipe", ObjectName(prayerwindownames::PdfButton), QString("fifo.pdf"), false);
    }
    void save()
    {
        const auto [button, answer, written] =
            fetch<QString, QString, bool>("button", "answer", "written");
        Prayers p;
        p.choosePlace("Washington, D.C.");
        const QString path = answer.isEmpty() ? QString() : p.path(answer);
        if (answer.startsWith("fifo"))
            QVERIFY(MakeSpecialFile(path, "fifo"));
        p.platform.saveAnswer = path;
        p.click(button);
        const QString suffix = button == ObjectName(prayerwindownames::CsvButton) ? "csv" : "pdf";
        QCOMPARE(p.platform.saveSuggestions,
                 QStringList{p.path("Prayer Times Washington, D.C. 2025-11." + suffix)});
        QCOMPARE(QFileInfo(path).isFile(), written);
        QCOMPARE(QFileInfo(path).exists(), written || answer.startsWith("fifo"));
        const bool failed = !answer.isEmpty() && !written;
        QCOMPARE(p.platform.messages.size(), failed ? 1 : 0);
        if (failed)
            QVERIFY(p.platform.lastMessage().contains(path) &&
                    p.platform.messages[0].icon == MsgIcon::Exclamation);
        const QByteArray bytes = written ? readBytes(path) : QByteArray();
        const CityInfo washington{"W", "38.9072", "77.0369", "5"};
        if (written && suffix == "csv")
            QCOMPARE(bytes, TimetableCsv(PrayerTimetable(2025, 11, *PrayerPlaceOfCity(washington),
                                                         kSettings)));
        if (written && suffix == "pdf")
            QVERIFY(bytes.startsWith("%PDF") && bytes.size() > 1000);
    }

    // The button and Ctrl+P hand the month to the printer; Escape closes the window.
    void print()
    {
        Prayers p;
        p.click(prayerwindownames::PrintButton);
        QCOMPARE(p.platform.printedDocuments.size(), 1);
        const QString text = p.platform.printedDocuments[0];
        QVERIFY(text.contains("Prayer Times: India - Bhubaneswar, November 2025"));
        QVERIFY(text.contains(MethodCaption(kSettings)) && text.contains("Fri 7"));
        QVERIFY(TimetableHtml("A & B", 2025, 11, {day(QDate(2025, 11, 7), {})}, kSettings)
                    .contains("A &amp; B, November 2025</h2>"));
        p.window->show();
        QVERIFY(QTest::qWaitForWindowActive(p.window));
        QTest::keyClick(p.window, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(p.platform.printedDocuments.size(), 2);
        // Escape on an open list closes the list alone; the next one closes the window.
        p.places()->showPopup();
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), Qt::Key_Escape);
        QVERIFY(!QApplication::activePopupWidget() && p.window->isVisible());
        QTest::keyClick(p.window, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(p.window.isNull());
    }
};

QTEST_MAIN(TestPrayerWindow)
#include "tst_prayerwindow.moc"
