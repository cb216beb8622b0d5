#include "windows/prayertimes/prayerwindow.h"

#include "core/places/placelist.h"
#include "core/prayer/timetabletext.h"
#include "platform/platform.h"
#include "widgets/contrast.h"
#include "windows/prayertimes/prayerwindownames.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace qarnivo {

namespace names = prayerwindownames;

namespace {

// The months the timetable offers: the Gregorian calendar throughout.
const QDate kFirstDay(1583, 1, 1);
const QDate kLastDay(9999, 12, 31);
constexpr int kFriday = 5;
constexpr int kFirstTimeColumn = 2;

QLabel *namedLabel(QWidget *parent, const ControlName &name, const QString &text, int index = -1)
{
    auto *label = Named<QLabel>(parent, name, index);
    label->setText(text);
    return label;
}

QPushButton *namedButton(QWidget *parent, const ControlName &name, const QString &text)
{
    auto *button = Named<QPushButton>(parent, name);
    button->setText(text);
    return button;
}

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

PrayerTimesWindow::PrayerTimesWindow(Platform &platform, const PrayerSettings &settings,
                                     const CityInfo &defaultCity, const QDate &today,
                                     QWidget *parent)
    : QWidget(parent, Qt::Window), m_platform(platform), m_settings(settings),
      m_scale(LayoutScale::ForFont(font()))
{
    setObjectName(QStringLiteral("PrayerTimes"));
    setWindowTitle(QStringLiteral("Prayer Times"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose);

    auto *top = new QGridLayout;
    createPlaceControls(top);
    m_methodCaption = namedLabel(this, names::MethodCaption, QString());
    m_methodCaption->setWordWrap(true);
    m_timetable = Named<QTableWidget>(this, names::Timetable);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(createDayView());
    layout->addWidget(m_methodCaption);
    layout->addLayout(createMonthControls());
    layout->addWidget(m_timetable, 1);
    layout->addLayout(createButtons());

    QStringList headers = {QStringLiteral("Date"), QStringLiteral("Hijri date")};
    for (Prayer prayer : kDayTimes)
        headers.append(PrayerName(prayer));
    m_timetable->setColumnCount(static_cast<int>(headers.size()));
    m_timetable->setHorizontalHeaderLabels(headers);
    // The dates take the width they need; the times share the rest, never
    // narrower than a 12-hour time.
    m_timetable->verticalHeader()->hide();
    m_timetable->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QHeaderView *header = m_timetable->horizontalHeader();
    header->setMinimumSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("12:59 PM")) +
                                  m_scale(14));
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_timetable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_timetable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_timetable->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_timetable, &QTableWidget::currentCellChanged, this,
            [this](int row) { Timetable_Click(row); });

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &PrayerTimesWindow::Cloze_Click);
    auto *print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, &PrayerTimesWindow::Print_Click);

    loadPlaces(defaultCity);
    setDate(today.isValid() ? today : kFirstDay);
    setMinimumSize(m_scale.size(640, 560));
    // The design's size, within the screen at large desktop fonts.
    QSize size = m_scale.size(720, 760);
    if (screen())
        size = size.boundedTo(screen()->availableSize() * 9 / 10).expandedTo(minimumSize());
    resize(size);
}

PrayerTimesWindow::~PrayerTimesWindow() = default;

void PrayerTimesWindow::createPlaceControls(QGridLayout *grid)
{
    m_placeList = Named<QComboBox>(this, names::PlaceList);
    m_placeList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *placeCaption = new QLabel(QStringLiteral("&Place:"), this);
    placeCaption->setBuddy(m_placeList);
    m_dayDate = Named<QDateEdit>(this, names::DayDate);
    m_dayDate->setCalendarPopup(true);
    m_dayDate->setDateRange(kFirstDay, kLastDay);
    m_dayDate->setDisplayFormat(QStringLiteral("d MMM yyyy"));
    auto *dateCaption = new QLabel(QStringLiteral("&Date:"), this);
    dateCaption->setBuddy(m_dayDate);
    grid->addWidget(placeCaption, 0, 0);
    grid->addWidget(m_placeList, 0, 1);
    grid->addWidget(dateCaption, 0, 2);
    grid->addWidget(m_dayDate, 0, 3);
    grid->setColumnStretch(1, 1);
    connect(m_placeList, &QComboBox::activated, this, &PrayerTimesWindow::PlaceList_Click);
    connect(m_dayDate, &QDateEdit::dateChanged, this, &PrayerTimesWindow::DayDate_Change);
}

QGroupBox *PrayerTimesWindow::createDayView()
{
    auto *box = Named<QGroupBox>(this, names::DayBox);
    box->setTitle(QStringLiteral("The day's prayer times"));
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
    return box;
}

QLayout *PrayerTimesWindow::createMonthControls()
{
    m_previousMonth = namedButton(this, names::PreviousMonth, QStringLiteral("< Previous"));
    m_previousMonth->setToolTip(QStringLiteral("Previous month"));
    m_monthList = Named<QComboBox>(this, names::MonthList);
    for (int month = 1; month <= 12; ++month)
        m_monthList->addItem(MonthTitle(2000, month).section(u' ', 0, 0));
    m_yearBox = Named<QSpinBox>(this, names::YearBox);
    m_yearBox->setRange(kFirstDay.year(), kLastDay.year());
    m_yearBox->setKeyboardTracking(false); // a year typed digit by digit counts once, whole
    m_nextMonth = namedButton(this, names::NextMonth, QStringLiteral("Next >"));
    m_nextMonth->setToolTip(QStringLiteral("Next month"));
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
    auto *print = namedButton(this, names::PrintButton, QStringLiteral("&Print..."));
    auto *pdf = namedButton(this, names::PdfButton, QStringLiteral("Save as PD&F..."));
    auto *csv = namedButton(this, names::CsvButton, QStringLiteral("&Export CSV..."));
    auto *close = namedButton(this, names::CloseButton, QStringLiteral("Close"));
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

// The default city first, then the place list; places whose values cannot
// be read are left out of the list, a missing or unreadable list leaves the
// default city alone.
void PrayerTimesWindow::loadPlaces(const CityInfo &defaultCity)
{
    m_places.append({defaultCity.name.trimmed(), PrayerPlaceOfCity(defaultCity)});
    const QString folder = m_platform.applicationFolder();
    if (!folder.isEmpty()) {
        const PlaceListRead list = ReadPlaceList(QDir(folder).filePath(kPlaceFileName));
        for (const PlaceRecord &record : list.places) {
            const std::optional<PrayerPlace> where = PrayerPlaceOfCity(PlaceBoxTexts(record));
            if (where)
                m_places.append({record.name.trimmed(), where});
        }
    }
    for (const Place &entry : m_places)
        m_placeList->addItem(entry.name);
    m_placeList->setItemData(0, QStringLiteral("The default city"), Qt::ToolTipRole);
}

const PrayerTimesWindow::Place &PrayerTimesWindow::place() const
{
    return m_places[qBound(0, m_placeList->currentIndex(), int(m_places.size()) - 1)];
}

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
    const Place &shown = place();
    if (shown.where) {
        m_days = PrayerTimetable(m_date.year(), m_date.month(), *shown.where, m_settings);
        m_methodCaption->setText(QStringLiteral("Method: ") + MethodCaption(m_settings));
    } else {
        m_days.clear();
        const QDate first(m_date.year(), m_date.month(), 1);
        for (int day = 0; day < first.daysInMonth(); ++day)
            m_days.push_back(PrayerDay{first.addDays(day), {}, PolarState::None});
        m_methodCaption->setText(
            QStringLiteral("No times: the latitude, longitude or GMT offset of %1 cannot be read.")
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
    m_hijriDate->setText(HijriDateText(m_date, m_calendar) + QStringLiteral(" AH"));
    for (int i = 0; i < kPrayerCount; ++i) {
        const Prayer prayer = kDayTimes[i];
        const bool sunEvent = prayer == Prayer::Sunrise || prayer == Prayer::Maghrib;
        m_prayerTimes[i]->setText(sunEvent && !day.at(prayer) && day.polar != PolarState::None
                                      ? PolarText(day.polar)
                                      : PrayerTimeText(day, prayer, m_settings.clock24));
    }
    syncControls();
    const QSignalBlocker blocker(m_timetable);
    m_timetable->selectRow(index);
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

std::unique_ptr<QTextDocument> PrayerTimesWindow::timetableDocument() const
{
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(
        TimetableHtml(place().name, m_date.year(), m_date.month(), m_days, m_settings, m_calendar));
    return document;
}

void PrayerTimesWindow::Print_Click()
{
    m_platform.printDocument(*timetableDocument());
}

QString PrayerTimesWindow::suggestedPath(const QString &suffix) const
{
    return QDir(m_platform.applicationFolder())
        .filePath(TimetableFileName(place().name, m_date.year(), m_date.month(), suffix));
}

void PrayerTimesWindow::reportUnwritten(const QString &path, const QString &reason)
{
    m_platform.messageBox(QStringLiteral("The file could not be written:\r\n%1\r\n%2")
                              .arg(QDir::toNativeSeparators(path), reason),
                          MsgIcon::Exclamation, MsgButtons::Ok);
}

// The PDF goes to a temporary file that replaces the chosen one only when
// complete, so a failure never leaves half a document under its name.
void PrayerTimesWindow::SavePdf_Click()
{
    const QString path = m_platform.saveFileName(suggestedPath(QStringLiteral("pdf")));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return reportUnwritten(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setCreator(QStringLiteral("Qarnivo"));
        writer.setTitle(QStringLiteral("Prayer Times %1 %2")
                            .arg(place().name, MonthTitle(m_date.year(), m_date.month())));
        timetableDocument()->print(&writer);
    }
    if (!file.commit())
        reportUnwritten(path, file.errorString());
}

void PrayerTimesWindow::ExportCsv_Click()
{
    const QString path = m_platform.saveFileName(suggestedPath(QStringLiteral("csv")));
    if (path.isEmpty())
        return;
    const QByteArray csv = TimetableCsv(m_days, m_calendar);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit())
        reportUnwritten(path, file.errorString());
}

void PrayerTimesWindow::Cloze_Click()
{
    close();
}

} // namespace qarnivo
