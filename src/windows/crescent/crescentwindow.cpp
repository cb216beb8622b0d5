#include "windows/crescent/crescentwindow.h"

#include "core/calendar/conversion.h"
#include "core/calendar/names.h"
#include "core/crescent/crescentline.h"
#include "core/settings/settingscatalogue.h"
#include "platform/platform.h"
#include "platform/settingsstore.h"
#include "widgets/placechooser.h"
#include "widgets/screenfit.h"
#include "windows/crescent/crescentnames.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qarnivo {

namespace names = crescentnames;

namespace {

constexpr int kEvenings = 2; // the 29th and the 30th
const QString kDateForm = QStringLiteral("dddd d MMMM yyyy");

} // namespace

CrescentWindow::CrescentWindow(Platform &platform, const CityInfo &defaultCity, QWidget *parent)
    : QWidget(parent, Qt::Window), m_platform(platform), m_scale(LayoutScale::ForFont(font()))
{
    setObjectName(QStringLiteral("NewCrescent"));
    setWindowTitle(tr("New Crescent"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose);

    QWidget *contents = ScrollingContents(this);
    auto *layout = new QVBoxLayout(contents);
    layout->addLayout(createChoices());
    m_conjunction = Named<QLabel>(contents, names::Conjunction);
    m_conjunction->setWordWrap(true);
    layout->addWidget(m_conjunction);
    m_evenings = Named<QTableWidget>(contents, names::Evenings);
    m_evenings->setColumnCount(kEvenings);
    m_evenings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_evenings->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_evenings->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    // Every row is shown; no scroll bar's room is kept below them.
    m_evenings->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_evenings->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_evenings);
    // The verdicts' words below, where they may take two lines.
    m_verdicts = Named<QLabel>(contents, names::Verdicts);
    m_verdicts->setWordWrap(true);
    layout->addWidget(m_verdicts);

    m_mapPicture = Named<QLabel>(contents, names::MapPicture);
    m_mapPicture->setAlignment(Qt::AlignCenter);
    m_mapPicture->setMinimumSize(m_scale.size(360, 180));
    m_mapPicture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    layout->addWidget(m_mapPicture, 1);

    auto *buttons = new QHBoxLayout;
    m_saveButton = NamedButton(contents, names::SaveButton, tr("&Save Map..."));
    m_saveButton->setEnabled(false);
    QPushButton *close = NamedButton(contents, names::CloseButton, tr("Close"));
    buttons->addStretch();
    buttons->addWidget(m_saveButton);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(m_saveButton, &QPushButton::clicked, this, &CrescentWindow::SaveMap_Click);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    m_places->load(defaultCity, m_platform.applicationFolder());
    if (const std::optional<PrayerPlace> city = PrayerPlaceOfCity(defaultCity))
        m_mark = CrescentMapMark{defaultCity.name.trimmed(), city->latitude, city->longitude};
    fillYears();
    setMonth(m_month);
    const QSize least = m_scale.size(640, 620).expandedTo(contents->minimumSizeHint());
    contents->setMinimumSize(least);
    FitToScreen(this, m_scale.size(800, 860), least);
    RestoreStoredGeometry(this,
                          ReadTextSetting(m_platform, SettingKey::CrescentGeometry, QString()));
}

// The month and year, the place, the criterion and the map's evening.
QLayout *CrescentWindow::createChoices()
{
    auto *grid = new QGridLayout;
    m_monthList = Named<QComboBox>(this, names::MonthList);
    NameTables monthNames;
    LoadMonthNames(monthNames);
    for (int month = 1; month <= 12; ++month)
        m_monthList->addItem(monthNames.HMonthName[month]);
    m_yearBox = Named<QSpinBox>(this, names::YearBox);
    auto *monthCaption = new QLabel(tr("&Month:"), this);
    monthCaption->setBuddy(m_monthList);
    auto *monthRow = new QHBoxLayout;
    monthRow->addWidget(m_monthList, 1);
    monthRow->addWidget(m_yearBox);
    grid->addWidget(monthCaption, 0, 0);
    grid->addLayout(monthRow, 0, 1);
    m_places = new PlaceChooser(this, grid, 1, names::PlaceFilter, names::PlaceList);

    m_criterionList = Named<QComboBox>(this, names::CriterionList);
    // An entry's index is its criterion.
    m_criterionList->addItems(crescent::CriterionTitles());
    auto *criterionCaption = new QLabel(tr("C&riterion:"), this);
    criterionCaption->setBuddy(m_criterionList);
    m_mapEvening = Named<QComboBox>(this, names::MapEvening);
    m_mapEvening->addItems({tr("Evening of the 29th"), tr("Evening of the 30th")});
    auto *eveningCaption = new QLabel(tr("M&ap:"), this);
    eveningCaption->setBuddy(m_mapEvening);
    grid->addWidget(criterionCaption, 0, 2);
    grid->addWidget(m_criterionList, 0, 3);
    grid->addWidget(eveningCaption, 2, 2);
    grid->addWidget(m_mapEvening, 2, 3);
    grid->setColumnStretch(1, 1);

    connect(m_monthList, &QComboBox::activated, this, &CrescentWindow::Month_Change);
    connect(m_yearBox, &QSpinBox::valueChanged, this, &CrescentWindow::Month_Change);
    connect(m_places, &PlaceChooser::chosen, this, &CrescentWindow::Place_Click);
    connect(m_criterionList, &QComboBox::activated, this, &CrescentWindow::Criterion_Click);
    connect(m_mapEvening, &QComboBox::activated, this, &CrescentWindow::MapEvening_Click);
    return grid;
}

// The Hijri years whose months, and the evenings before them, the astronomy
// is trusted for.
void CrescentWindow::fillYears()
{
    const int first = m_calendar.hijriOf(QDate(crescent::kFirstYear, 1, 1)).year + 1;
    const int last = m_calendar.hijriOf(QDate(crescent::kLastYear, 12, 31)).year - 1;
    const QSignalBlocker block(m_yearBox);
    m_yearBox->setRange(first, last);
}

void CrescentWindow::setHijriCalendar(const HijriCalendar &calendar)
{
    m_calendar = calendar;
    fillYears();
    setMonth(m_month);
}

void CrescentWindow::setCriterion(crescent::Criterion criterion)
{
    m_criterion = criterion;
    m_criterionList->setCurrentIndex(static_cast<int>(criterion));
    showEvenings();
    requestMap();
}

void CrescentWindow::setMonth(HijriMonth month)
{
    const QSignalBlocker blockYears(m_yearBox);
    m_yearBox->setValue(month.year);
    m_month = {month.month, m_yearBox->value()};
    m_monthList->setCurrentIndex(m_month.month - 1);
    showEvenings();
    requestMap();
}

QDate CrescentWindow::eveningDate(int evening) const
{
    const HijriMonth before = PreviousHijriMonth(m_month);
    const Ymd western =
        JulianDayToGregorian(m_calendar.firstDayOf(before.year, before.month) + 28 + evening);
    return QDate(western.year, western.month, western.day);
}

void CrescentWindow::Month_Change()
{
    setMonth({m_monthList->currentIndex() + 1, m_yearBox->value()});
}

void CrescentWindow::Place_Click()
{
    showEvenings();
}

void CrescentWindow::Criterion_Click()
{
    setCriterion(static_cast<crescent::Criterion>(m_criterionList->currentIndex()));
}

void CrescentWindow::MapEvening_Click()
{
    requestMap();
}

// The new moon and the two evenings at the chosen place, on its clock.
void CrescentWindow::showEvenings()
{
    const PlaceChooser::Entry &place = m_places->place();
    const QStringList titles = crescent::EveningRowTitles(m_criterion);
    m_evenings->setRowCount(titles.size());
    m_evenings->setVerticalHeaderLabels(titles);
    m_evenings->clearContents();
    m_conjunction->setText(place.where ? QString()
                                       : tr("The values of %1 cannot be read.").arg(place.name));
    QStringList verdicts;
    for (int evening = 0; evening < kEvenings; ++evening) {
        const QString date = QLocale().toString(eveningDate(evening), kDateForm);
        m_evenings->setHorizontalHeaderItem(evening, new QTableWidgetItem(date));
        if (const auto found = eveningAt(evening)) {
            const QStringList texts =
                crescent::EveningTexts(*found, m_criterion, place.where->utcOffset);
            for (int row = 0; row < texts.size(); ++row)
                m_evenings->setItem(row, evening, new QTableWidgetItem(texts[row]));
            verdicts << tr("%1: %2").arg(date, crescent::Verdict(*found, m_criterion));
            if (evening == 0)
                showConjunction(found->conjunction, place);
        }
    }
    m_verdicts->setText(verdicts.join(u'\n'));
}

std::optional<crescent::Evening> CrescentWindow::eveningAt(int evening) const
{
    const PlaceChooser::Entry &place = m_places->place();
    if (!place.where)
        return std::nullopt;
    const crescent::Observer observer{place.where->latitude, place.where->longitude, 0};
    return crescent::EveningOf(eveningDate(evening), observer, place.where->utcOffset);
}

void CrescentWindow::showConjunction(double julianDay, const PlaceChooser::Entry &place)
{
    const QDateTime utc = crescent::DateTimeOfJulianDay(julianDay);
    const QString form = kDateForm + QStringLiteral(" HH:mm");
    m_conjunction->setText(
        tr("New moon: %1 UTC (%2 local time in %3)")
            .arg(QLocale().toString(utc, form),
                 QLocale().toString(utc.addSecs(qRound(place.where->utcOffset * 3600)), form),
                 place.name));
}

void CrescentWindow::closeEvent(QCloseEvent *event)
{
    WriteTextSetting(m_platform, SettingKey::CrescentGeometry, StoredGeometry(this));
    QWidget::closeEvent(event);
}

void CrescentWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace qarnivo
