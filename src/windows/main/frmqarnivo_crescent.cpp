// The new crescent on the main window: the shown month's 29th evening at the
// default city, as the 29th's tip and, in the month's last days, as a line
// below the calendar; and the New Crescent window.

#include "windows/main/frmqarnivo.h"

#include "core/calendar/conversion.h"
#include "core/crescent/crescentline.h"
#include "widgets/clickablepicture.h"
#include "windows/crescent/crescentwindow.h"

#include <QLabel>

namespace qarnivo {

namespace {

// The line shows from the 27th, when the month's end is near.
constexpr int kCrescentLineFrom = 27;

} // namespace

void frmqarnivo::showCrescent()
{
    m_crescentText.clear();
    const std::optional<PrayerPlace> place = PrayerPlaceOfCity(m_city);
    const Ymd western = JulianDayToGregorian(m_month.firstDay + kCrescentDay - 1);
    const QDate date(western.year, western.month, western.day);
    if (place) {
        const crescent::Observer observer{place->latitude, place->longitude, 0};
        if (const auto evening = crescent::EveningOf(date, observer, place->utcOffset))
            m_crescentText = crescent::CrescentLine(date, *evening, m_crescentCriterion);
    }
    const QDate today = m_today.date();
    const qint32 todayDay = GregorianToJulianDay(today.year(), today.month(), today.day());
    const bool monthsEnd =
        todayDay >= m_month.firstDay + kCrescentLineFrom - 1 && todayDay < m_month.followingDay;
    m_crescentLine->setText(monthsEnd ? m_crescentText : QString());
}

void frmqarnivo::setCrescentCriterion(crescent::Criterion criterion)
{
    m_crescentCriterion = criterion;
    showCrescent();
    describeDayCells();
    if (m_crescentWindow)
        m_crescentWindow->setCriterion(criterion);
}

void frmqarnivo::CrescentMenu_Click()
{
    if (!m_crescentWindow) {
        m_crescentWindow = new CrescentWindow(m_platform, m_city, this);
        m_crescentWindow->setHijriCalendar(m_calendar);
        m_crescentWindow->setCriterion(m_crescentCriterion);
        m_crescentWindow->setMonth(
            NextHijriMonth({m_state.CurrentHijriMonth, m_state.CurrentHijriYear}));
    }
    m_crescentWindow->show();
    m_crescentWindow->raise();
    m_crescentWindow->activateWindow();
}

} // namespace qarnivo
