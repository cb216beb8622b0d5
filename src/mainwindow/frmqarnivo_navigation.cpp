// Moving the shown month: back, forward, to a year, and back to today. All
// conversions go through the conversion panel's handlers.

#include "mainwindow/frmqarnivo.h"

#include "calendar/checks.h"
#include "calendar/conversionpanel.h"
#include "calendar/leadingnumber.h"
#include "mainwindow/monthview.h"
#include "platform/platform.h"

#include <QLineEdit>
#include <QWidget>

namespace qarnivo {

void frmqarnivo::Backward_Click()
{
    Frame3->hide();
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
    Frame3->hide();
    const HijriMonth target = NextHijriMonth({m_state.CurrentHijriMonth, m_state.CurrentHijriYear});
    if (!InMonthView(target.month, target.year)) {
        m_platform.messageBox(DateRangeMessage(), MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    showMonth(target.month, target.year);
}

void frmqarnivo::GoToYear_Click()
{
    if (Frame4->isHidden())
        goToYear(Text7, Text8);
    else
        goToYear(Text8, Text7);
}

void frmqarnivo::GoToYrE_Click()
{
    GoToYear_Click();
}

void frmqarnivo::goToYear(QLineEdit *yearBox, QLineEdit *otherBox)
{
    const int year = RoundHalfEven(ReadLeadingNumber(yearBox->text()));
    otherBox->setText(QString::number(year));
    if (year < 1 || year > kLastViewYear) {
        m_platform.messageBox(InvalidYearMessage(), MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    if (!InMonthView(m_state.CurrentHijriMonth, year)) {
        m_platform.messageBox(DateRangeMessage(), MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    Frame3->hide();
    showMonth(m_state.CurrentHijriMonth, year);
}

void frmqarnivo::Todayz_Click()
{
    // The system clock is left alone: today is the date the program started.
    m_state.CurrentGregDay = static_cast<qint16>(m_state.StartDate.day());
    m_state.CurrentGregMonth = static_cast<qint16>(m_state.StartDate.month());
    m_state.CurrentGregYear = static_cast<qint16>(m_state.StartDate.year());
    SyncTodayHijri();
    finishMove();
}

void frmqarnivo::showMonth(int month, int year)
{
    m_state.CurrentHijriMonth = static_cast<qint16>(month);
    m_state.CurrentHijriYear = static_cast<qint16>(year);
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
    Text1->setText(HijriDateLine(m_state.CurrentHijriDay,
                                 m_names.HMonthName[m_state.CurrentHijriMonth],
                                 m_state.CurrentHijriYear));
    Frame3->setHijriInput(
        {m_state.CurrentHijriYear, m_state.CurrentHijriMonth, m_state.CurrentHijriDay});
    Frame3->Hijri_Greg_Click();
    const Ymd western = Frame3->gregorianInput();
    m_state.CurrentGregDay = static_cast<qint16>(western.day);
    m_state.CurrentGregMonth = static_cast<qint16>(western.month);
    m_state.CurrentGregYear = static_cast<qint16>(western.year);
    writeGregorianLine();
}

void frmqarnivo::writeGregorianLine()
{
    Text2->setText(GregorianDateLine(m_state.CurrentGregDay,
                                     m_names.GMonthName[m_state.CurrentGregMonth],
                                     m_state.CurrentGregYear));
}

void frmqarnivo::SyncTodayHijri()
{
    Frame3->setGregorianInput(m_state.currentGregorian());
    Frame3->Greg_Hijri_Click();
    const Ymd hijri = Frame3->hijriInput();
    m_state.CurrentHijriDay = static_cast<qint16>(hijri.day);
    m_state.CurrentHijriMonth = static_cast<qint16>(hijri.month);
    m_state.CurrentHijriYear = static_cast<qint16>(hijri.year);
}

void frmqarnivo::No_HMonthDays()
{
    const int month = m_state.CurrentHijriMonth;
    const int year = m_state.CurrentHijriYear;
    Frame3->setHijriInput({year, month, 1});
    Frame3->Hijri_Greg_Click();
    m_state.FirstWeekDay = m_state.WeekDayNo;
    const Ymd first = Frame3->gregorianInput();

    const HijriMonth next = NextHijriMonth({month, year});
    Frame3->setHijriInput({next.year, next.month, 1});
    Frame3->Hijri_Greg_Click();
    const Ymd following = Frame3->gregorianInput();

    const qint32 firstDay = GregorianToJulianDay(first.year, first.month, first.day);
    const qint32 followingDay =
        GregorianToJulianDay(following.year, following.month, following.day);
    if (firstDay > kLastViewJulianDay || followingDay > kLastViewJulianDay) {
        m_platform.messageBox(DateRangeMessage(), MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    m_state.HMonthDays = followingDay - firstDay;
}

} // namespace qarnivo
