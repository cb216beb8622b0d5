#include "windows/main/conversionpanel.h"

#include "core/calendar/checks.h"
#include "core/calendar/hijricalendar.h"
#include "core/calendar/leadingnumber.h"
#include "core/calendar/names.h"
#include "platform/platform.h"
#include "widgets/arrowpicture.h"
#include "widgets/clickablepicture.h"
#include "widgets/layoutscale.h"

#include "widgets/mirroring.h"
#include "windows/main/panelnames.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qarnivo {

namespace {

QLineEdit *yearBox(QWidget *parent, const ControlName &name, const QString &text)
{
    auto *box = Named<QLineEdit>(parent, name);
    box->setText(text);
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(12);
    return box;
}

int yearOf(const QLineEdit *box)
{
    return RoundHalfEven(ReadLeadingNumber(box->text()));
}

} // namespace

ConversionPanel::ConversionPanel(Platform &platform, const HijriCalendar &calendar,
                                 const NameTables &names, QWidget *parent)
    : QGroupBox(tr("Date Conversion (±1)"), parent), m_platform(platform), m_calendar(calendar),
      m_names(names)
{
    SetControlName(this, panelnames::Panel);
    // The panel lies over other pictures of the window; it hides them.
    setAutoFillBackground(true);
    createControls();
}

void ConversionPanel::createControls()
{
    // The Western row lies above the Hijri row, so the arrows between them
    // point from the source row to the target row.
    m_westernDay = Named<QComboBox>(this, panelnames::WesternDay);
    m_westernMonth = Named<QComboBox>(this, panelnames::WesternMonth);
    m_westernYear = yearBox(this, panelnames::WesternYear, QStringLiteral("2006"));
    m_hijriDay = Named<QComboBox>(this, panelnames::HijriDay);
    m_hijriMonth = Named<QComboBox>(this, panelnames::HijriMonth);
    m_hijriYear = yearBox(this, panelnames::HijriYear, QStringLiteral("1427"));
    m_toHijriButton = Named<QPushButton>(this, panelnames::ToHijriButton);
    m_toHijriButton->setText(tr("Gregorian to Hijri"));
    m_toGregorianButton = Named<QPushButton>(this, panelnames::ToGregorianButton);
    m_toGregorianButton->setText(tr("Hijri to Gregorian"));
    m_downArrow = Named<ClickablePicture>(this, panelnames::DownArrow);
    const LayoutScale scale = LayoutScale::ForFont(font());
    const QSize arrowSize = scale.size(22, 26);
    m_downArrow->setPixmap(RedArrowPicture(ArrowDirection::Down, arrowSize, devicePixelRatioF()));
    m_upArrow = Named<ClickablePicture>(this, panelnames::UpArrow);
    m_upArrow->setPixmap(RedArrowPicture(ArrowDirection::Up, arrowSize, devicePixelRatioF()));
    m_weekDayLabel = Named<QLabel>(this, panelnames::WeekDay);
    m_weekDayLabel->setText(tr("±1 day"));
    m_weekDayLabel->setAlignment(Qt::AlignCenter);
    QFont bold = m_weekDayLabel->font();
    bold.setBold(true);
    m_weekDayLabel->setFont(bold);

    // A compact face keeps the longest month name readable in the narrow
    // column the panel has on the main window.
    // A face with tall lines (Nastaliq) is made smaller until a line fits a
    // box's text room.
    const QFont compact = FontToFit(scale.font(font(), 8), QStringLiteral("0"), scale.size(36, 18),
                                    6 * scale.factor());
    for (QWidget *w : {static_cast<QWidget *>(m_westernDay), static_cast<QWidget *>(m_westernMonth),
                       static_cast<QWidget *>(m_westernYear), static_cast<QWidget *>(m_hijriDay),
                       static_cast<QWidget *>(m_hijriMonth), static_cast<QWidget *>(m_hijriYear)})
        w->setFont(compact);

    m_westernDay->setGeometry(scale.rect(5, 22, 40, 24));
    m_westernMonth->setGeometry(scale.rect(47, 22, 108, 24));
    m_westernYear->setGeometry(scale.rect(157, 22, 40, 24));
    m_downArrow->setGeometry(scale.rect(10, 54, 22, 26));
    m_toHijriButton->setGeometry(scale.rect(38, 54, 159, 26));
    m_upArrow->setGeometry(scale.rect(10, 86, 22, 26));
    m_toGregorianButton->setGeometry(scale.rect(38, 86, 159, 26));
    m_hijriDay->setGeometry(scale.rect(5, 118, 40, 24));
    m_hijriMonth->setGeometry(scale.rect(47, 118, 108, 24));
    m_hijriYear->setGeometry(scale.rect(157, 118, 40, 24));
    m_weekDayLabel->setGeometry(scale.rect(5, 148, 192, 22));
    setFixedSize(scale.size(202, 176));
    MirrorForRightToLeft(this);

    m_toHijriButton->setToolTip(tr("Convert the Gregorian date above to Hijri"));
    m_toGregorianButton->setToolTip(tr("Convert the Hijri date below to Gregorian"));
    m_downArrow->setToolTip(m_toHijriButton->toolTip());
    m_upArrow->setToolTip(m_toGregorianButton->toolTip());

    connect(m_toHijriButton, &QPushButton::clicked, this, &ConversionPanel::Greg_Hijri_Click);
    connect(m_downArrow, &ClickablePicture::clicked, this, &ConversionPanel::Greg_Hijri_Click);
    connect(m_toGregorianButton, &QPushButton::clicked, this, &ConversionPanel::Hijri_Greg_Click);
    connect(m_upArrow, &ClickablePicture::clicked, this, &ConversionPanel::Hijri_Greg_Click);
}

void ConversionPanel::FillLists()
{
    for (int day = 1; day <= 31; ++day)
        m_westernDay->addItem(ShownNumber(day));
    for (int day = 1; day <= 30; ++day)
        m_hijriDay->addItem(ShownNumber(day));
    for (int month = 1; month <= 12; ++month) {
        m_hijriMonth->addItem(m_names.HMonthShort[month]);
        m_westernMonth->addItem(m_names.GMonthName[month]);
    }
    for (QComboBox *list : {m_westernDay, m_westernMonth, m_hijriDay, m_hijriMonth})
        list->setCurrentIndex(0);
}

void ConversionPanel::setGregorianInput(const Ymd &date)
{
    m_westernDay->setCurrentIndex(date.day - 1);
    m_westernMonth->setCurrentIndex(date.month - 1);
    m_westernYear->setText(ShownNumber(date.year));
}

void ConversionPanel::setHijriInput(const Ymd &date)
{
    m_hijriDay->setCurrentIndex(date.day - 1);
    m_hijriMonth->setCurrentIndex(date.month - 1);
    m_hijriYear->setText(ShownNumber(date.year));
}

Ymd ConversionPanel::gregorianInput() const
{
    return {yearOf(m_westernYear), m_westernMonth->currentIndex() + 1,
            m_westernDay->currentIndex() + 1};
}

Ymd ConversionPanel::hijriInput() const
{
    return {yearOf(m_hijriYear), m_hijriMonth->currentIndex() + 1, m_hijriDay->currentIndex() + 1};
}

void ConversionPanel::Greg_Hijri_Click()
{
    const Ymd typed = gregorianInput();
    const CheckedDate checked = CheckGregorianInput(m_westernYear->text(), typed.month, typed.day);
    if (refused(checked, m_westernYear))
        return;
    const qint32 jd = GregorianToJulianDay(checked.date.year, checked.date.month, checked.date.day);
    setHijriInput(m_calendar.hijriOf(jd));
    showWeekDay(WeekDayOf(jd));
}

void ConversionPanel::Hijri_Greg_Click()
{
    const Ymd typed = hijriInput();
    const CheckedDate checked = CheckHijriInput(m_hijriYear->text(), typed.month, typed.day);
    if (refused(checked, m_hijriYear) ||
        refused({checked.date, CheckHijriDay(m_calendar, checked.date)}, m_hijriYear))
        return;
    setGregorianInput(JulianDayToGregorian(m_calendar.julianDayOf(checked.date)));
    showWeekDay(m_calendar.weekDayOf(checked.date));
}

bool ConversionPanel::refused(const CheckedDate &checked, QLineEdit *yearBox)
{
    if (!checked.refusal)
        return false;
    const Refusal &refusal = *checked.refusal;
    m_platform.messageBox(refusal.text, refusal.icon, refusal.buttons);
    if (refusal.emptiesYearBox)
        yearBox->clear();
    return true;
}

void ConversionPanel::showConversion(const Ymd &hijri, const Ymd &western, int weekDay)
{
    setHijriInput(hijri);
    setGregorianInput(western);
    showWeekDay(weekDay);
}

void ConversionPanel::showWeekDay(int weekDay)
{
    m_weekDayLabel->setText(m_names.WeekDayName[weekDay]);
}

} // namespace qarnivo
