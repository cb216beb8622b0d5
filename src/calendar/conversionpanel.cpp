#include "calendar/conversionpanel.h"

#include "calendar/checks.h"
#include "calendar/datestate.h"
#include "calendar/leadingnumber.h"
#include "calendar/names.h"
#include "platform/arrowpicture.h"
#include "platform/clickablepicture.h"
#include "platform/layoutscale.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qarnivo {

namespace {

template <typename T> T *named(QWidget *parent, const char *name)
{
    auto *widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit *yearBox(QWidget *parent, const char *name, const QString &text)
{
    auto *box = named<QLineEdit>(parent, name);
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

ConversionPanel::ConversionPanel(Platform &platform, DateState &state, const NameTables &names,
                                 QWidget *parent)
    : QGroupBox(QStringLiteral("Date Conversion (±1)"), parent), m_platform(platform),
      m_state(state), m_names(names)
{
    setObjectName(QStringLiteral("Frame3"));
    // The panel lies over other pictures of the window; it hides them.
    setAutoFillBackground(true);
    createControls();
}

void ConversionPanel::createControls()
{
    // The Western row lies above the Hijri row, so the arrows between them
    // point from the source row to the target row.
    Combo1 = named<QComboBox>(this, "Combo1");
    Combo2 = named<QComboBox>(this, "Combo2");
    Text4 = yearBox(this, "Text4", QStringLiteral("2006"));
    Combo3 = named<QComboBox>(this, "Combo3");
    Combo4 = named<QComboBox>(this, "Combo4");
    Text5 = yearBox(this, "Text5", QStringLiteral("1427"));
    Greg_Hijri = named<QPushButton>(this, "Greg_Hijri");
    Greg_Hijri->setText(QStringLiteral("Gregorian to Hijri"));
    Hijri_Greg = named<QPushButton>(this, "Hijri_Greg");
    Hijri_Greg->setText(QStringLiteral("Hijri to Gregorian"));
    Image10 = named<ClickablePicture>(this, "Image10");
    const LayoutScale scale = LayoutScale::ForFont(font());
    const QSize arrowSize = scale.size(22, 26);
    Image10->setPixmap(RedArrowPicture(ArrowDirection::Down, arrowSize, devicePixelRatioF()));
    Image9 = named<ClickablePicture>(this, "Image9");
    Image9->setPixmap(RedArrowPicture(ArrowDirection::Up, arrowSize, devicePixelRatioF()));
    Label6 = named<QLabel>(this, "Label6");
    Label6->setText(QStringLiteral("±1 day"));
    Label6->setAlignment(Qt::AlignCenter);
    QFont bold = Label6->font();
    bold.setBold(true);
    Label6->setFont(bold);

    // A compact face keeps the longest month name readable in the narrow
    // column the panel has on the main window.
    const QFont compact = scale.font(font(), 8);
    for (QWidget *w : {static_cast<QWidget *>(Combo1), static_cast<QWidget *>(Combo2),
                       static_cast<QWidget *>(Text4), static_cast<QWidget *>(Combo3),
                       static_cast<QWidget *>(Combo4), static_cast<QWidget *>(Text5)})
        w->setFont(compact);

    Combo1->setGeometry(scale.rect(5, 22, 40, 24));
    Combo2->setGeometry(scale.rect(47, 22, 108, 24));
    Text4->setGeometry(scale.rect(157, 22, 40, 24));
    Image10->setGeometry(scale.rect(10, 54, 22, 26));
    Greg_Hijri->setGeometry(scale.rect(38, 54, 159, 26));
    Image9->setGeometry(scale.rect(10, 86, 22, 26));
    Hijri_Greg->setGeometry(scale.rect(38, 86, 159, 26));
    Combo3->setGeometry(scale.rect(5, 118, 40, 24));
    Combo4->setGeometry(scale.rect(47, 118, 108, 24));
    Text5->setGeometry(scale.rect(157, 118, 40, 24));
    Label6->setGeometry(scale.rect(5, 148, 192, 22));
    setFixedSize(scale.size(202, 176));

    Greg_Hijri->setToolTip(QStringLiteral("Convert the Gregorian date above to Hijri"));
    Hijri_Greg->setToolTip(QStringLiteral("Convert the Hijri date below to Gregorian"));
    Image10->setToolTip(Greg_Hijri->toolTip());
    Image9->setToolTip(Hijri_Greg->toolTip());

    connect(Greg_Hijri, &QPushButton::clicked, this, &ConversionPanel::Greg_Hijri_Click);
    connect(Image10, &ClickablePicture::clicked, this, &ConversionPanel::Greg_Hijri_Click);
    connect(Hijri_Greg, &QPushButton::clicked, this, &ConversionPanel::Hijri_Greg_Click);
    connect(Image9, &ClickablePicture::clicked, this, &ConversionPanel::Hijri_Greg_Click);
}

void ConversionPanel::FillLists()
{
    for (int day = 1; day <= 31; ++day)
        Combo1->addItem(QString::number(day));
    for (int day = 1; day <= 30; ++day)
        Combo3->addItem(QString::number(day));
    for (int month = 1; month <= 12; ++month) {
        Combo4->addItem(m_names.HMonthShort[month]);
        Combo2->addItem(m_names.GMonthName[month]);
    }
    for (QComboBox *list : {Combo1, Combo2, Combo3, Combo4})
        list->setCurrentIndex(0);
}

void ConversionPanel::setGregorianInput(const Ymd &date)
{
    Combo1->setCurrentIndex(date.day - 1);
    Combo2->setCurrentIndex(date.month - 1);
    Text4->setText(QString::number(date.year));
}

void ConversionPanel::setHijriInput(const Ymd &date)
{
    Combo3->setCurrentIndex(date.day - 1);
    Combo4->setCurrentIndex(date.month - 1);
    Text5->setText(QString::number(date.year));
}

Ymd ConversionPanel::gregorianInput() const
{
    return {yearOf(Text4), Combo2->currentIndex() + 1, Combo1->currentIndex() + 1};
}

Ymd ConversionPanel::hijriInput() const
{
    return {yearOf(Text5), Combo4->currentIndex() + 1, Combo3->currentIndex() + 1};
}

void ConversionPanel::Greg_Hijri_Click()
{
    const Ymd typed = gregorianInput();
    const CheckedDate checked = CheckGregorianInput(Text4->text(), typed.month, typed.day);
    if (refused(checked, Text4))
        return;
    const qint32 jd = GregorianToJulianDay(checked.date.year, checked.date.month, checked.date.day);
    setHijriInput(JulianDayToHijri(jd));
    showWeekDay(WeekDayOf(jd));
}

void ConversionPanel::Hijri_Greg_Click()
{
    const Ymd typed = hijriInput();
    const CheckedDate checked = CheckHijriInput(Text5->text(), typed.month, typed.day);
    if (refused(checked, Text5))
        return;
    const qint32 jd = HijriToJulianDay(checked.date.year, checked.date.month, checked.date.day);
    setGregorianInput(JulianDayToGregorian(jd));
    showWeekDay(CorrectedWeekDay(jd, m_state.DayCorrection));
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

void ConversionPanel::showWeekDay(int weekDay)
{
    m_state.WeekDayNo = static_cast<qint16>(weekDay);
    Label6->setText(m_names.WeekDayName[weekDay]);
}

} // namespace qarnivo
