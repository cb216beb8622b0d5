#include "windows/main/prayerpanel.h"

#include "core/language/digits.h"
#include "core/prayer/prayertoday.h"
#include "widgets/contrast.h"

#include <QGridLayout>
#include <QLabel>
#include <QLayout>

namespace qarnivo {

namespace {

// Three rows of two columns: Fajr, Sunrise, Dhuhr beside Asr, Maghrib, Isha.
constexpr int kRows = 3;

} // namespace

PrayerPanel::PrayerPanel(const PrayerToday &today, QWidget *parent)
    : QWidget(parent), m_today(today)
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
        m_times[p]->setAccessibleName(tr("Time of %1").arg(PrayerName(prayer)));
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
    connect(&m_today, &PrayerToday::timesChanged, this, &PrayerPanel::showTimes);
    connect(&m_today, &PrayerToday::ticked, this, &PrayerPanel::showTimes);
}

void PrayerPanel::showTimes()
{
    const PrayerDay &day = m_today.day();
    const std::optional<NextPrayerAt> next = m_today.next();
    const bool clock24 = m_today.settings().clock24;
    const QColor mark =
        ReadableColour(QColor(0, 128, 0), palette().color(QPalette::Window), kSmallTextContrast);
    for (int p = 0; p < kPrayerCount; ++p) {
        const auto minutes = day.minutes[p];
        m_times[p]->setText(minutes ? ShownDigits(FormatPrayerTime(*minutes, clock24))
                                    : QStringLiteral("--"));
        const bool marked = next && !next->tomorrow && static_cast<int>(next->prayer) == p;
        const QString rule =
            marked ? TextColourRule(mark) + QStringLiteral("font-weight: bold;") : QString();
        m_names[p]->setStyleSheet(rule);
        m_times[p]->setStyleSheet(rule);
    }
    QString line;
    if (!m_today.hasPlace())
        line = tr("The default city's values cannot be read.");
    else if (day.polar != PolarState::None)
        line = tr("Polar %1: %2 today")
                   .arg(PolarText(day.polar).section(u' ', 1), PolarReason(day.polar));
    else if (next)
        line = ShownDigits(CountdownText(*next));
    m_countdown->setText(line);
    fitFace();
}

// Twelve-hour times are wider than the panel's design: its labels give way a
// quarter point at a time, to three quarters of the window's face at the
// most, until the names and times fit side by side. A style rule reaches the
// marked prayer's label too, which has a rule of its own.
void PrayerPanel::fitFace()
{
    QStringList texts;
    for (const QLabel *label : m_times)
        texts << label->text() + label->styleSheet();
    const QString fittedFor = texts.join(u'|');
    if (fittedFor == m_fittedTexts)
        return;
    m_fittedTexts = fittedFor;
    const qreal windowPoints = parentWidget() ? parentWidget()->font().pointSizeF() : 9.0;
    for (qreal points = windowPoints; points >= windowPoints * 0.75; points -= 0.25) {
        setStyleSheet(QStringLiteral("QLabel { font-size: %1pt; }").arg(points));
        layout()->invalidate();
        if (layout()->minimumSize().width() <= width())
            return;
    }
}

} // namespace qarnivo
