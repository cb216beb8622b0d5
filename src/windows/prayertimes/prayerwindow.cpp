#include "windows/prayertimes/prayerwindow.h"

#include "core/prayer/timetabletext.h"
#include "core/qibla/qibla.h"
#include "platform/platform.h"
#include "platform/settingsstore.h"
#include "widgets/qiblacompass.h"
#include "widgets/screenfit.h"
#include "windows/prayertimes/prayerwindownames.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qarnivo {

namespace names = prayerwindownames;

namespace {

QLabel *namedLabel(QWidget *parent, const ControlName &name, const QString &text, int index = -1)
{
    auto *label = Named<QLabel>(parent, name, index);
    label->setText(text);
    return label;
}

} // namespace

PrayerTimesWindow::PrayerTimesWindow(Platform &platform, const PrayerSettings &settings,
                                     const CityInfo &defaultCity, const QDate &today,
                                     QWidget *parent)
    : QWidget(parent, Qt::Window), m_platform(platform), m_settings(settings),
      m_scale(LayoutScale::ForFont(font()))
{
    setObjectName(QStringLiteral("PrayerTimes"));
    setWindowTitle(tr("Prayer Times"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose);

    auto *top = new QGridLayout;
    createPlaceControls(top);
    m_methodCaption = namedLabel(this, names::MethodCaption, QString());
    m_methodCaption->setWordWrap(true);
    m_timetable = createTimetable();

    QWidget *contents = ScrollingContents(this);
    auto *layout = new QVBoxLayout(contents);
    layout->addLayout(top);
    layout->addWidget(createDayView());
    layout->addLayout(createQiblaRow());
    layout->addLayout(createMonthControls());
    layout->addWidget(m_timetable, 1);
    layout->addLayout(createButtons());

    auto *print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, &PrayerTimesWindow::Print_Click);

    m_places->load(defaultCity, m_platform.applicationFolder());
    showQibla();
    setDate(today.isValid() ? today : kFirstDay);
    const QSize least = m_scale.size(640, 560).expandedTo(contents->minimumSizeHint());
    contents->setMinimumSize(least);
    FitToScreen(this, m_scale.size(720, 760), least);
    RestoreStoredGeometry(this,
                          ReadTextSetting(m_platform, SettingKey::PrayerTimesGeometry, QString()));
}

PrayerTimesWindow::~PrayerTimesWindow() = default;

// The dates take the width they need; the times share the rest, never
// narrower than a 12-hour time.
QTableWidget *PrayerTimesWindow::createTimetable()
{
    auto *table = Named<QTableWidget>(this, names::Timetable);
    QStringList headers = {tr("Date"), tr("Hijri date")};
    for (Prayer prayer : kDayTimes)
        headers.append(PrayerName(prayer));
    table->setColumnCount(static_cast<int>(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QHeaderView *header = table->horizontalHeader();
    header->setMinimumSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("12:59 PM")) +
                                  m_scale(14));
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(table, &QTableWidget::currentCellChanged, this,
            [this](int row) { Timetable_Click(row); });
    return table;
}

void PrayerTimesWindow::createPlaceControls(QGridLayout *grid)
{
    m_dayDate = Named<QDateEdit>(this, names::DayDate);
    m_dayDate->setCalendarPopup(true);
    m_dayDate->setDateRange(kFirstDay, kLastDay);
    m_dayDate->setDisplayFormat(QStringLiteral("d MMM yyyy"));
    auto *dateCaption = new QLabel(tr("&Date:"), this);
    dateCaption->setBuddy(m_dayDate);
    m_places = new PlaceChooser(this, grid, 0, names::PlaceFilter, names::PlaceList);
    grid->addWidget(dateCaption, 1, 2);
    grid->addWidget(m_dayDate, 1, 3);
    grid->setColumnStretch(1, 1);
    connect(m_places, &PlaceChooser::chosen, this, &PrayerTimesWindow::PlaceList_Click);
    connect(m_dayDate, &QDateEdit::dateChanged, this, &PrayerTimesWindow::DayDate_Change);
}

QGroupBox *PrayerTimesWindow::createDayView()
{
    auto *box = Named<QGroupBox>(this, names::DayBox);
    box->setTitle(tr("The day's prayer times"));
    auto *grid = new QGridLayout(box);
    m_gregorianDate = namedLabel(box, names::GregorianDate, QString());
    m_hijriDate = namedLabel(box, names::HijriDate, QString());
    QFont dateFont = font();
    dateFont.setBold(true);
    m_gregorianDate->setFont(dateFont);
    m_hijriDate->setFont(dateFont);
    m_hijriDate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_gregorianDate, 0, 0, 1, kPrayerCount / 2);
    grid->addWidget(m_hijriDate, 0, kPrayerCount / 2, 1, kPrayerCount / 2);
    QFont timeFont = font();
    timeFont.setPointSizeF(timeFont.pointSizeF() * 1.4);
    timeFont.setBold(true);
    for (int i = 0; i < kPrayerCount; ++i) {
        const QString name = PrayerName(kDayTimes[i]);
        auto *caption = namedLabel(box, names::PrayerCaption, name, i);
        caption->setAlignment(Qt::AlignCenter);
        m_prayerTimes[i] = namedLabel(box, names::PrayerTime, QString(), i);
        m_prayerTimes[i]->setAccessibleName(name);
        m_prayerTimes[i]->setAlignment(Qt::AlignCenter);
        m_prayerTimes[i]->setFont(timeFont);
        grid->addWidget(caption, 1, i);
        grid->addWidget(m_prayerTimes[i], 2, i);
        grid->setColumnStretch(i, 1);
    }
    m_nightMiddle = namedLabel(box, names::NightMiddle, QString());
    m_nightLastThird = namedLabel(box, names::NightLastThird, QString());
    for (QLabel *night : {m_nightMiddle, m_nightLastThird})
        night->setAlignment(Qt::AlignCenter);
    grid->addWidget(m_nightMiddle, 3, 0, 1, kPrayerCount / 2);
    grid->addWidget(m_nightLastThird, 3, kPrayerCount / 2, 1, kPrayerCount / 2);
    return box;
}

// The compass beside the Qibla's line and the method's.
QLayout *PrayerTimesWindow::createQiblaRow()
{
    m_compass = Named<QiblaCompass>(this, names::QiblaCompass);
    m_qiblaLine = namedLabel(this, names::QiblaLine, QString());
    m_qiblaLine->setWordWrap(true);
    auto *texts = new QVBoxLayout;
    texts->addWidget(m_qiblaLine);
    texts->addWidget(m_methodCaption);
    texts->addStretch(1);
    auto *row = new QHBoxLayout;
    row->addWidget(m_compass);
    row->addLayout(texts, 1);
    return row;
}

QLayout *PrayerTimesWindow::createMonthControls()
{
    m_previousMonth = NamedButton(this, names::PreviousMonth, tr("< Previous"));
    m_previousMonth->setToolTip(tr("Previous month"));
    m_monthList = Named<QComboBox>(this, names::MonthList);
    for (int month = 1; month <= 12; ++month)
        m_monthList->addItem(MonthTitle(2000, month).section(u' ', 0, 0));
    m_yearBox = Named<QSpinBox>(this, names::YearBox);
    m_yearBox->setRange(kFirstDay.year(), kLastDay.year());
    m_yearBox->setKeyboardTracking(false); // a year typed digit by digit counts once, whole
    m_nextMonth = NamedButton(this, names::NextMonth, tr("Next >"));
    m_nextMonth->setToolTip(tr("Next month"));
    connect(m_previousMonth, &QPushButton::clicked, this, &PrayerTimesWindow::PreviousMonth_Click);
    connect(m_nextMonth, &QPushButton::clicked, this, &PrayerTimesWindow::NextMonth_Click);
    connect(m_monthList, &QComboBox::activated, this, &PrayerTimesWindow::MonthList_Click);
    connect(m_yearBox, &QSpinBox::valueChanged, this, &PrayerTimesWindow::YearBox_Change);

    auto *row = new QHBoxLayout;
    row->addWidget(m_previousMonth);
    row->addWidget(m_monthList);
    row->addWidget(m_yearBox);
    row->addWidget(m_nextMonth);
    row->addStretch(1);
    return row;
}

QLayout *PrayerTimesWindow::createButtons()
{
    auto *print = NamedButton(this, names::PrintButton, tr("&Print..."));
    auto *pdf = NamedButton(this, names::PdfButton, tr("Save as PD&F..."));
    auto *csv = NamedButton(this, names::CsvButton, tr("&Export CSV..."));
    auto *close = NamedButton(this, names::CloseButton, tr("Close"));
    connect(print, &QPushButton::clicked, this, &PrayerTimesWindow::Print_Click);
    connect(pdf, &QPushButton::clicked, this, &PrayerTimesWindow::SavePdf_Click);
    connect(csv, &QPushButton::clicked, this, &PrayerTimesWindow::ExportCsv_Click);
    connect(close, &QPushButton::clicked, this, &PrayerTimesWindow::Cloze_Click);
    auto *row = new QHBoxLayout;
    row->addWidget(print);
    row->addWidget(pdf);
    row->addWidget(csv);
    row->addStretch(1);
    row->addWidget(close);
    return row;
}

void PrayerTimesWindow::closeEvent(QCloseEvent *event)
{
    WriteTextSetting(m_platform, SettingKey::PrayerTimesGeometry, StoredGeometry(this));
    QWidget::closeEvent(event);
}

void PrayerTimesWindow::Cloze_Click()
{
    close();
}

// Escape closes the window, but not as a shortcut: an open drop-down list
// takes its own Escape, which then closes the list alone.
void PrayerTimesWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Cloze_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace qarnivo
