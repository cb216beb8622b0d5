// Moving the shown month: back, forward, to a year, and back to today. The
// month's layout and dates are computed first; the conversion panel then
// shows the last conversion, as if its button had made it.

#include "windows/main/frmqarnivo.h"

#include "core/calendar/checks.h"
#include "core/calendar/leadingnumber.h"
#include "core/calendar/monthview.h"
#include "core/calendar/names.h"
#include "platform/platform.h"
#include "windows/main/conversionpanel.h"

#include <QLineEdit>
#include <QWidget>

namespace qarnivo {

void frmqarnivo::Backward_Click()
{
    m_conversionPanel->hide();
    const HijriMonth target =
        PreviousHijriMonth({m_state.CurrentHijriMonth, m_state.CurrentHijriYear});
    if (target.year < 1) {
        m_platform.messageBox(HijriYearRangeMessage(), MsgIcon::None, MsgButtons::Ok);
        return;
    }
    showMonth(target.month, target.year);
}

void frmqarnivo::Forward_Click()
{
    m_conversionPanel->hide();
    const HijriMonth target = NextHijriMonth({m_state.CurrentHijriMonth, m_state.CurrentHijriYear});
    if (!InMonthView(target.month, target.year)) {
        m_platform.messageBox(DateRangeMessage(), MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    showMonth(target.month, target.year);
}

void frmqarnivo::GoToYear_Click()
{
    if (m_englishYearRow->isHidden())
        goToYear(m_yearBox, m_englishYearBox);
    else
        goToYear(m_englishYearBox, m_yearBox);
}

void frmqarnivo::GoToYrE_Click()
{
    GoToYear_Click();
}

void frmqarnivo::goToYear(QLineEdit *yearBox, QLineEdit *otherBox)
{
    const int year = RoundHalfEven(ReadLeadingNumber(yearBox->text()));
    otherBox->setText(ShownNumber(year));
    if (year < 1 || year > kLastViewYear) {
        m_platform.messageBox(InvalidYearMessage(), MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    if (!InMonthView(m_state.CurrentHijriMonth, year)) {
        m_platform.messageBox(DateRangeMessage(), MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    m_conversionPanel->hide();
    showMonth(m_state.CurrentHijriMonth, year);
}

void frmqarnivo::Todayz_Click()
{
    // Today is the date the clock last told; the system clock is only read.
    const QDate today = m_today.date();
    m_state.CurrentGregDay = static_cast<qint16>(today.day());
    m_state.CurrentGregMonth = static_cast<qint16>(today.month());
    m_state.CurrentGregYear = static_cast<qint16>(today.year());
    SyncTodayHijri();
    finishMove();
}

// A month the user moved to stays shown; today's month gives way to the new
// today, which may be in the next month.
void frmqarnivo::followToday(const QDate &date)
{
    const Ymd before =
        hijriOfWestern({m_shownToday.year(), m_shownToday.month(), m_shownToday.day()});
    m_shownToday = date;
    if (m_state.CurrentHijriMonth != before.month || m_state.CurrentHijriYear != before.year) {
        markToday();
        showCrescent();
        describeDayCells();
        return;
    }
    Todayz_Click();
    BuildThoughts();
    BuildOccasions();
}

Ymd frmqarnivo::hijriOfWestern(const Ymd &western) const
{
    return m_calendar.hijriOf(GregorianToJulianDay(western.year, western.month, western.day));
}

void frmqarnivo::showMonth(int month, int year)
{
    ShowHijriMonth(m_state, m_calendar, month, year);
    finishMove();
}

// What every move ends with: the month's layout, the grid, and the date
// lines of the current day.
void frmqarnivo::finishMove()
{
    No_HMonthDays();
    StartFirst();
    writeDateLines();
}

void frmqarnivo::writeDateLines()
{
    showHijriLine(HijriDateLine(m_state.CurrentHijriDay,
                                m_names.HMonthName[m_state.CurrentHijriMonth],
                                m_state.CurrentHijriYear));
    const Ymd hijri{m_state.CurrentHijriYear, m_state.CurrentHijriMonth, m_state.CurrentHijriDay};
    const Ymd western = JulianDayToGregorian(m_calendar.julianDayOf(hijri));
    m_conversionPanel->showConversion(hijri, western, m_calendar.weekDayOf(hijri));
    m_state.CurrentGregDay = static_cast<qint16>(western.day);
    m_state.CurrentGregMonth = static_cast<qint16>(western.month);
    m_state.CurrentGregYear = static_cast<qint16>(western.year);
    writeGregorianLine();
}

// With Umm al-Qura chosen, a year outside its table follows the arithmetical
// calendar: the line is starred and its tip says why.
void frmqarnivo::showHijriLine(const QString &text)
{
    const bool outside = m_calendar.outsideTable(m_state.CurrentHijriYear);
    m_hijriDateLine->setText(outside ? text + QStringLiteral(" *") : text);
    m_hijriDateLine->setToolTip(outside
                                    ? tr("* The Umm al-Qura table runs from %1 to %2 AH; this year "
                                         "follows the arithmetical calendar.")
                                          .arg(ShownNumber(ummalqura::kFirstTableYear),
                                               ShownNumber(ummalqura::kLastTableYear))
                                    : QString());
}

void frmqarnivo::writeGregorianLine()
{
    m_gregorianDateLine->setText(GregorianDateLine(m_state.CurrentGregDay,
                                                   m_names.GMonthName[m_state.CurrentGregMonth],
                                                   m_state.CurrentGregYear));
}

void frmqarnivo::SyncTodayHijri()
{
    const Ymd hijri = hijriOfWestern(m_state.currentGregorian());
    m_state.CurrentHijriDay = static_cast<qint16>(hijri.day);
    m_state.CurrentHijriMonth = static_cast<qint16>(hijri.month);
    m_state.CurrentHijriYear = static_cast<qint16>(hijri.year);
}

void frmqarnivo::No_HMonthDays()
{
    const int month = m_state.CurrentHijriMonth;
    const int year = m_state.CurrentHijriYear;
    MonthLayout layout = m_calendar.month(year, month);
    // The panel shows the month's last conversion: the next month's 1st.
    const HijriMonth next = NextHijriMonth({month, year});
    m_conversionPanel->showConversion({next.year, next.month, 1},
                                      JulianDayToGregorian(layout.followingDay),
                                      WeekDayOf(layout.followingDay));
    if (layout.firstDay > kLastViewJulianDay || layout.followingDay > kLastViewJulianDay) {
        m_platform.messageBox(DateRangeMessage(), MsgIcon::Critical, MsgButtons::Ok);
        // A month past the view's end keeps the length shown before.
        layout.monthDays = m_month.monthDays;
        layout.days = LayOutMonth(layout.firstWeekDay, layout.monthDays);
    }
    m_month = layout;
}

} // namespace qarnivo
