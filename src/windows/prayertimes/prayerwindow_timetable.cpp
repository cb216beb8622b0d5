// The Prayer Times window's month: the engine's times for the place and
// month shown, the timetable's rows, the day's times, and moving by day and
// month.

#include "windows/prayertimes/prayerwindow.h"

#include "core/language/digits.h"
#include "core/prayer/nighttimes.h"
#include "core/prayer/timetabletext.h"
#include "core/qibla/qibla.h"
#include "widgets/contrast.h"
#include "widgets/qiblacompass.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>

namespace qarnivo {

namespace {

constexpr int kFriday = 5;
constexpr int kFirstTimeColumn = 2;

// Fridays' rows: a green tint that shows on light and dark palettes alike,
// the text kept readable on it.
QColor fridayBackground(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor green(0, 160, 60);
    constexpr float share = 0.18F;
    return QColor::fromRgbF(base.redF() * (1 - share) + green.redF() * share,
                            base.greenF() * (1 - share) + green.greenF() * share,
                            base.blueF() * (1 - share) + green.blueF() * share);
}

} // namespace

void PrayerTimesWindow::setSettings(const PrayerSettings &settings)
{
    m_settings = settings;
    computeMonth();
}

void PrayerTimesWindow::setHijriCalendar(const HijriCalendar &calendar)
{
    m_calendar = calendar;
    computeMonth();
}

void PrayerTimesWindow::setDate(const QDate &date)
{
    const QDate wanted = qBound(kFirstDay, date.isValid() ? date : kFirstDay, kLastDay);
    const bool newMonth =
        !m_date.isValid() || wanted.year() != m_date.year() || wanted.month() != m_date.month();
    m_date = wanted;
    if (newMonth)
        computeMonth();
    else
        showDay();
}

void PrayerTimesWindow::computeMonth()
{
    const PlaceChooser::Entry &shown = place();
    if (shown.where) {
        m_days = PrayerTimetable(m_date.year(), m_date.month(), *shown.where, m_settings);
        m_methodCaption->setText(tr("Method: %1").arg(MethodCaption(m_settings)));
    } else {
        m_days.clear();
        const QDate first(m_date.year(), m_date.month(), 1);
        for (int day = 0; day < first.daysInMonth(); ++day)
            m_days.push_back(PrayerDay{first.addDays(day), {}, PolarState::None});
        m_methodCaption->setText(
            tr("No times: the latitude, longitude or GMT offset of %1 cannot be read.")
                .arg(shown.name));
    }
    fillTimetable();
    showDay();
}

void PrayerTimesWindow::fillTimetable()
{
    const QSignalBlocker blocker(m_timetable);
    m_timetable->setRowCount(int(m_days.size()));
    const QColor friday = fridayBackground(m_timetable->palette());
    const QColor fridayText =
        ReadableColour(m_timetable->palette().color(QPalette::Text), friday, kSmallTextContrast);
    QFont bold = m_timetable->font();
    bold.setBold(true);
    for (int row = 0; row < int(m_days.size()); ++row) {
        const PrayerDay &day = m_days[row];
        QStringList cells = {TimetableDayText(day.date), HijriDateText(day.date, m_calendar)};
        for (Prayer prayer : kDayTimes)
            cells.append(PrayerTimeText(day, prayer, m_settings.clock24));
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column >= kFirstTimeColumn)
                item->setTextAlignment(Qt::AlignCenter);
            if (day.polar != PolarState::None)
                item->setToolTip(PolarText(day.polar));
            if (day.date.dayOfWeek() == kFriday) {
                item->setFont(bold);
                item->setBackground(friday);
                item->setForeground(fridayText);
            }
            m_timetable->setItem(row, column, item);
        }
    }
}

void PrayerTimesWindow::showDay()
{
    const int index = m_date.day() - 1;
    const PrayerDay &day = m_days.at(index);
    m_gregorianDate->setText(GregorianDateText(m_date));
    m_hijriDate->setText(tr("%1 AH").arg(HijriDateText(m_date, m_calendar)));
    for (int i = 0; i < kPrayerCount; ++i) {
        const Prayer prayer = kDayTimes[i];
        const bool sunEvent = prayer == Prayer::Sunrise || prayer == Prayer::Maghrib;
        m_prayerTimes[i]->setText(sunEvent && !day.at(prayer) && day.polar != PolarState::None
                                      ? PolarText(day.polar)
                                      : PrayerTimeText(day, prayer, m_settings.clock24));
    }
    showNight(index);
    syncControls();
    const QSignalBlocker blocker(m_timetable);
    m_timetable->selectRow(index);
}

// The night from the day's Maghrib to the next day's Fajr, which the next
// month holds on the month's last day.
void PrayerTimesWindow::showNight(int index)
{
    const PlaceChooser::Entry &shown = place();
    const PrayerDay &evening = m_days.at(index);
    const PrayerDay morning =
        index + 1 < int(m_days.size()) ? m_days[index + 1]
        : shown.where ? PrayerTimesFor(evening.date.addDays(1), *shown.where, m_settings)
                      : PrayerDay{};
    const NightTimes night = NightTimesOf(evening, morning);
    const auto shownTime = [this](std::optional<int> minutes) {
        return minutes ? ShownDigits(FormatPrayerTime(*minutes, m_settings.clock24))
                       : QStringLiteral("--");
    };
    m_nightMiddle->setText(tr("Middle of the night: %1").arg(shownTime(night.middle)));
    m_nightLastThird->setText(tr("Last third of the night: %1").arg(shownTime(night.lastThird)));
}

void PrayerTimesWindow::showQibla()
{
    const PlaceChooser::Entry &shown = place();
    const std::optional<Qibla> qibla =
        shown.where ? std::optional(QiblaFrom(shown.where->latitude, shown.where->longitude))
                    : std::nullopt;
    m_compass->setBearing(qibla ? qibla->bearing : std::nullopt);
    m_qiblaLine->setText(qibla ? QiblaFromLine(shown.name, *qibla) : QString());
    m_compass->setAccessibleDescription(m_qiblaLine->text());
}

void PrayerTimesWindow::syncControls()
{
    const QSignalBlocker dateBlocker(m_dayDate);
    const QSignalBlocker yearBlocker(m_yearBox);
    m_dayDate->setDate(m_date);
    m_monthList->setCurrentIndex(m_date.month() - 1);
    m_yearBox->setValue(m_date.year());
    m_previousMonth->setEnabled(m_date.year() > kFirstDay.year() || m_date.month() > 1);
    m_nextMonth->setEnabled(m_date.year() < kLastDay.year() || m_date.month() < 12);
}

void PrayerTimesWindow::PlaceList_Click()
{
    showQibla();
    computeMonth();
}

void PrayerTimesWindow::DayDate_Change()
{
    setDate(m_dayDate->date());
}

void PrayerTimesWindow::PreviousMonth_Click()
{
    setDate(m_date.addMonths(-1));
}

void PrayerTimesWindow::NextMonth_Click()
{
    setDate(m_date.addMonths(1));
}

void PrayerTimesWindow::MonthList_Click()
{
    setDate(m_date.addMonths(m_monthList->currentIndex() + 1 - m_date.month()));
}

void PrayerTimesWindow::YearBox_Change()
{
    setDate(m_date.addYears(m_yearBox->value() - m_date.year()));
}

void PrayerTimesWindow::Timetable_Click(int row)
{
    if (row >= 0 && row < int(m_days.size()))
        setDate(m_days[row].date);
}

} // namespace qarnivo
