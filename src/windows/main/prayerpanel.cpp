#include "windows/main/prayerpanel.h"

#include "widgets/contrast.h"

#include <QGridLayout>
#include <QLabel>

namespace qarnivo {

namespace {

// Three rows of two columns: Fajr, Sunrise, Dhuhr beside Asr, Maghrib, Isha.
constexpr int kRows = 3;

} // namespace

PrayerPanel::PrayerPanel(QWidget *parent) : QWidget(parent)
{
    SetControlName(this, prayernames::Panel);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    for (int p = 0; p < kPrayerCount; ++p) {
        const auto prayer = static_cast<Prayer>(p);
        m_names[p] = new QLabel(PrayerName(prayer), this);
        SetControlName(m_names[p], prayernames::Name, p);
        m_times[p] = new QLabel(this);
        SetControlName(m_times[p], prayernames::Time, p);
        m_times[p]->setAccessibleName(QStringLiteral("Time of %1").arg(PrayerName(prayer)));
        m_times[p]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int column = p / kRows * 2;
        grid->addWidget(m_names[p], p % kRows, column);
        grid->addWidget(m_times[p], p % kRows, column + 1);
    }
    m_countdown = new QLabel(this);
    SetControlName(m_countdown, prayernames::Countdown);
    m_countdown->setWordWrap(true);
    grid->addWidget(m_countdown, kRows, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setHorizontalSpacing(6);
}

void PrayerPanel::setPlace(const std::optional<PrayerPlace> &place)
{
    m_place = place;
    recompute();
}

void PrayerPanel::setSettings(const PrayerSettings &settings)
{
    m_settings = settings;
    recompute();
}

void PrayerPanel::showTime(const QDateTime &now)
{
    const bool newDay = now.date() != m_now.date();
    m_now = now;
    if (newDay)
        recompute();
    else
        showTimes();
}

void PrayerPanel::recompute()
{
    if (m_place && m_now.isValid()) {
        m_today = PrayerTimesFor(m_now.date(), *m_place, m_settings);
        m_tomorrow = PrayerTimesFor(m_now.date().addDays(1), *m_place, m_settings);
    } else {
        m_today = m_tomorrow = PrayerDay{};
    }
    showTimes();
}

void PrayerPanel::showTimes()
{
    const QTime clock = m_now.time();
    m_next = m_place ? NextPrayerFrom(m_today, m_tomorrow, clock.msecsSinceStartOfDay() / 1000)
                     : std::nullopt;
    const QColor mark =
        ReadableColour(QColor(0, 128, 0), palette().color(QPalette::Window), kSmallTextContrast);
    for (int p = 0; p < kPrayerCount; ++p) {
        const auto minutes = m_today.minutes[p];
        m_times[p]->setText(minutes ? FormatPrayerTime(*minutes, m_settings.clock24)
                                    : QStringLiteral("--"));
        const bool marked = m_next && !m_next->tomorrow && static_cast<int>(m_next->prayer) == p;
        const QString rule =
            marked ? TextColourRule(mark) + QStringLiteral("font-weight: bold;") : QString();
        m_names[p]->setStyleSheet(rule);
        m_times[p]->setStyleSheet(rule);
    }
    QString line;
    if (!m_place)
        line = QStringLiteral("The default city's values cannot be read.");
    else if (m_today.polar != PolarState::None)
        line = QStringLiteral("Polar %1: %2 today")
                   .arg(PolarText(m_today.polar).section(u' ', 1), PolarReason(m_today.polar));
    else if (m_next)
        line = CountdownText(*m_next);
    m_countdown->setText(line);
}

} // namespace qarnivo
