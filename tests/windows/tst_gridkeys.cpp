// The main window from the keyboard: the grid's keys select a day as a click does, into the
// neighbouring months and up to the ends of the view; Escape closes the open panel.

#include "core/calendar/names.h"
#include "core/help/maker.h"
#include "widgets/arrowpicture.h"
#include "windowsupport.h"

#include <QKeySequence>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextEdit>

using namespace qarnivo;
using namespace qarnivo::testing;

Q_DECLARE_METATYPE(qarnivo::Ymd)

class TestGridKeys : public QObject {
    Q_OBJECT
private slots:
    // 5 November 2025 is 14 Jumadil-Awwal 1447, a 30-day month; Rabi-ul-Aakhir before it and
    // Jumadil-Aakhir after it have 29 days, as has Dhul-Hijjah 1427.
    void keysSelectDays_data()
    {
        columns<QDate, QString, Ymd, QDate, QString>(
            {"today", "keys", "hijri", "western", "occasion"});
        const QDate today(2025, 11, 5);
        row("Right: the next day", today, "Right", Ymd{1447, 5, 15}, QDate(2025, 11, 6), "");
        row("Left and Down", today, "Left, Down", Ymd{1447, 5, 20}, QDate(2025, 11, 11), "");
        row("Up over the 1st", today, "Up, Up", Ymd{1447, 4, 29}, QDate(2025, 10, 22), "");
        row("Page Down", today, "PgDown", Ymd{1447, 6, 14}, QDate(2025, 12, 5), "");
        row("Page Down from a 30th", QDate(2025, 11, 21), "PgDown", Ymd{1447, 6, 29},
            QDate(2025, 12, 20), "");
        row("Page Up, then Home", today, "PgUp, Left, Home", Ymd{1447, 5, 14}, today, "");
        row("Down over the year's end", QDate(2007, 1, 2), "Down, Down, Down", Ymd{1428, 1, 4},
            QDate(2007, 1, 23), "");
        row("Right onto Aashura", QDate(2025, 7, 5), "Right", Ymd{1447, 1, 10}, QDate(2025, 7, 6),
            "Youm-e-Aa'shurah");
        row("the view's first day", QDate(622, 7, 16), "Left, Up, PgUp", Ymd{1, 1, 1},
            QDate(622, 7, 16), "");
        row("the view's last day", QDate(9999, 12, 29), "Right, Down, PgDown", Ymd{9666, 3, 30},
            QDate(9999, 12, 29), "");
    }
    void keysSelectDays()
    {
        const auto [today, keys, hijri, western, occasion] =
            fetch<QDate, QString, Ymd, QDate, QString>("today", "keys", "hijri", "western",
                                                       "occasion");
        Window w(today);
        w.load();
        const QKeySequence sequence(keys);
        for (int i = 0; i < sequence.count(); ++i)
            QTest::keyClick(w.days(), sequence[i].key());
        const NameTables &names = w.main->names();
        QVERIFY(w.text(mainnames::HijriDateLine)
                    .startsWith(QStringLiteral("%1, %2").arg(hijri.day).arg(
                        names.HMonthName[hijri.month])));
        QCOMPARE(w.shownMonth(),
                 names.HMonthShort[hijri.month] + ' ' + QString::number(hijri.year));
        QCOMPARE(
            w.text(mainnames::GregorianDateLine),
            GregorianDateLine(western.day(), names.GMonthName[western.month()], western.year()));
        QCOMPARE(w.cell(w.days()->currentRow(), w.days()->currentColumn()),
                 QString::number(hijri.day));
        QVERIFY(w.highlighted(w.days()->currentRow(), w.days()->currentColumn()));
        QVERIFY(w.text(mainnames::OccasionLine).startsWith(occasion));
        // The day's occasion is its tip, and marks its top right corner in its text colour.
        const QTableWidgetItem *cell = w.days()->currentItem();
        QStringList tip = cell->toolTip().split(u'\n');
        // The 29th's tip also tells of the new crescent on its evening.
        if (hijri.day == 29)
            QVERIFY(tip.takeLast().startsWith("New crescent on the evening of "));
        QCOMPARE(tip.join(u'\n'), w.text(mainnames::OccasionLine));
        const QImage shot = w.days()->grab().toImage();
        const QPoint corner = w.days()->visualItemRect(cell).topRight() + QPoint(-4, 4);
        QCOMPARE(shot.pixelColor(corner * shot.devicePixelRatio()) == cell->foreground().color(),
                 !w.text(mainnames::OccasionLine).isEmpty());
        QVERIFY(w.platform.messages.isEmpty());
    }

    // In a right-to-left layout the window reads from the right: the week starts in the rightmost
    // column, the next month's arrow stands left and points left, the side column lies left of
    // the calendar, and Left steps to the next day.
    void layoutFollowsDirection_data()
    {
        columns<bool>({"rightToLeft"});
        row("left to right", false);
        row("right to left", true);
    }
    void layoutFollowsDirection()
    {
        const auto [rightToLeft] = fetch<bool>("rightToLeft");
        QApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        const auto restore = qScopeGuard([] { QApplication::setLayoutDirection(Qt::LeftToRight); });
        Window w;
        w.setSetting(SettingKey::WindowFull, "True");
        w.load();
        const auto left = [&w](const ControlName &name) {
            return w.get(name)->mapTo(w.main.get(), QPoint()).x();
        };
        QCOMPARE(left(mainnames::NextButton) < left(mainnames::PreviousButton), rightToLeft);
        QCOMPARE(left(prayernames::Panel) < left(mainnames::DayGrid), rightToLeft);
        auto *next = w.get<QPushButton>(mainnames::NextButton);
        const QImage forward =
            RedArrowPicture(rightToLeft ? ArrowDirection::Left : ArrowDirection::Right,
                            next->iconSize())
                .toImage();
        QCOMPARE(next->icon().pixmap(next->iconSize(), 1.0).toImage(), forward);
        for (auto *grid : {w.days(), w.get<QTableWidget>(mainnames::WeekdayHeader)}) {
            const auto columnLeft = [grid](int column) {
                return grid->visualRect(grid->model()->index(0, column)).left();
            };
            QCOMPARE(columnLeft(0) > columnLeft(6), rightToLeft);
        }
        QTest::keyClick(w.days(), Qt::Key_Left);
        QVERIFY(w.text(mainnames::HijriDateLine).startsWith(rightToLeft ? "15, " : "13, "));
    }

    // Escape closes the information panel, then the conversion panel; with neither open it
    // leaves the window as it is.
    void escapeClosesPanels()
    {
        Window w;
        w.setSetting(SettingKey::WindowFull, "True");
        w.load();
        auto *info = w.get<QTextEdit>(mainnames::InfoPanel);
        w.trigger(mainnames::ConversionCommand);
        w.trigger(mainnames::OurSoftwareCommand);
        QTest::keyClick(info, Qt::Key_Escape);
        QVERIFY(info->isHidden() && !w.get(panelnames::Panel)->isHidden());
        QTest::keyClick(w.days(), Qt::Key_Escape);
        QVERIFY(w.get(panelnames::Panel)->isHidden());
        QTest::keyClick(w.days(), Qt::Key_Escape);
        QVERIFY(w.main->isVisible() && w.platform.messages.isEmpty());
    }

    // The addresses in a panel are links that open through the platform, from the keyboard too.
    void panelLinksOpen()
    {
        Window w;
        w.load();
        w.trigger(mainnames::OurSoftwareCommand);
        auto *info = w.get<QTextEdit>(mainnames::InfoPanel);
        QTest::keyClick(info, Qt::Key_Tab);
        QTest::keyClick(info, Qt::Key_Return);
        QCOMPARE(w.platform.openedAddresses, QList<QUrl>{QUrl(kMakerWebAddress)});
    }
};

QTEST_MAIN(TestGridKeys)
#include "tst_gridkeys.moc"
