#include "windows/main/frmqarnivo.h"

#include "widgets/arrowpicture.h"
#include "widgets/cellgrid.h"
#include "widgets/clickablepicture.h"
#include "widgets/contrast.h"
#include "widgets/handfont.h"
#include "widgets/mirroring.h"
#include "widgets/pictures.h"
#include "widgets/screenfit.h"
#include "windows/main/controlnames.h"
#include "windows/main/conversionpanel.h"
#include "windows/main/layout.h"
#include "windows/main/prayertray.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

namespace qarnivo {

namespace {

using namespace layout;

QLineEdit *dateLine(QWidget *parent, const ControlName &name)
{
    auto *line = Named<QLineEdit>(parent, name);
    line->setReadOnly(true);
    line->setAlignment(Qt::AlignCenter);
    QFont bold = line->font();
    bold.setBold(true);
    line->setFont(bold);
    return line;
}

QLabel *cityLabel(QWidget *parent, const ControlName &name, const QString &text, bool bold = false)
{
    auto *label = Named<QLabel>(parent, name);
    label->setText(text);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

frmqarnivo::frmqarnivo(Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_scale(LayoutScale::ForFont(font()))
{
    setObjectName(QStringLiteral("frmqarnivo"));
    setWindowTitle(tr("Qarnivo with Worldwide Sunrise Sunset timings"));
    m_contents = ScrollingContents(this);
    createMenus();
    createCalendarControls();
    createDetailControls();
    createSideControls();
    createHelpMenus();
    createHelpControls();
    createFeedbackControls();
    createAccessibility();
    for (QWidget *area : {m_contents, m_urduYearRow, m_englishYearRow})
        MirrorForRightToLeft(area);
    fitView(m_scale.size(kFullWidth, kShortHeight));

    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(ObjectName(mainnames::ClockTimer));
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &frmqarnivo::Timer1_Timer);
    m_clockTimer->start();
}

void frmqarnivo::createMenus()
{
    QMenuBar *bar = menuBar();
    m_exitCommand = NamedAction(bar, mainnames::ExitCommand, tr("E&xit"));
    m_settingsCommand = NamedAction(bar, mainnames::SettingsCommand, tr("&Settings"));
    m_viewCommand = NamedAction(bar, mainnames::ViewCommand, tr("&ViewShort"));
    m_todayCommand = NamedAction(bar, mainnames::TodayCommand, tr("&Today"));
    m_conversionCommand = NamedAction(bar, mainnames::ConversionCommand, tr("Date &Conversion"));
    m_sunTimesCommand = NamedAction(bar, mainnames::SunTimesCommand, tr("Sun&riseSunset"));

    m_exitCommand->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_todayCommand->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    m_conversionCommand->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(m_exitCommand, &QAction::triggered, this, &frmqarnivo::Exit_Click);
    connect(m_settingsCommand, &QAction::triggered, this, &frmqarnivo::Option1_Click);
    // The View item names the view that the clock button switches to, and
    // does the same switch.
    connect(m_viewCommand, &QAction::triggered, this, &frmqarnivo::Optionz_Click);
    connect(m_todayCommand, &QAction::triggered, this, &frmqarnivo::Todayz_Click);
    connect(m_conversionCommand, &QAction::triggered, this, &frmqarnivo::ConvertDate_Click);
    connect(m_sunTimesCommand, &QAction::triggered, this, &frmqarnivo::SunRiseSunSet_Click);
    m_sunTimesCommand->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    QAction *prayerTimes = NamedAction(bar, mainnames::PrayerTimesCommand, tr("&Prayer Times"));
    prayerTimes->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    connect(prayerTimes, &QAction::triggered, this, &frmqarnivo::PrayerTimesMenu_Click);
}

// The window at `wanted` (within the screen), never lower than the design's
// calendar; the controls scroll on a screen smaller than that.
void frmqarnivo::fitView(const QSize &wanted)
{
    const QSize least(wanted.width(), m_scale(kShortHeight));
    m_contents->setMinimumSize(least - QSize(0, menuBar()->sizeHint().height()));
    FitToScreen(this, wanted, least);
}

QFont frmqarnivo::occasionFont() const
{
    return HandFont(9.75 * m_scale.factor(), QFont::Bold);
}

QString frmqarnivo::readableRule(const QColor &colour, double minimum) const
{
    return TextColourRule(ReadableColour(colour, palette().color(QPalette::Window), minimum));
}

QPixmap frmqarnivo::designPicture(const QPixmap &picture, const QSize &size) const
{
    return FittedPicture(picture, m_scale.size(size.width(), size.height()), devicePixelRatioF());
}

void frmqarnivo::createCalendarControls()
{
    createMonthLine();
    createYearRows();
    createGrids();
}

// The red arrows and the month's name, in English and as a picture.
void frmqarnivo::createMonthLine()
{
    QWidget *area = m_contents;
    const int left = kGridLeft;
    const int gridWidth = kGridWidth;
    const QSize arrowSize = m_scale.size(26, 20);
    m_previousButton = Named<QPushButton>(area, mainnames::PreviousButton);
    // Back points to where the reading comes from: left, or right in a
    // right-to-left layout, where the buttons change sides too.
    const ArrowDirection back = isRightToLeft() ? ArrowDirection::Right : ArrowDirection::Left;
    const ArrowDirection forward = isRightToLeft() ? ArrowDirection::Left : ArrowDirection::Right;
    m_previousButton->setIcon(RedArrowPicture(back, arrowSize, devicePixelRatioF()));
    m_previousButton->setIconSize(arrowSize);
    m_previousButton->setGeometry(m_scale.rect(left, 4, 42, 36));
    m_previousButton->setToolTip(tr("Previous month"));
    m_nextButton = Named<QPushButton>(area, mainnames::NextButton);
    m_nextButton->setIcon(RedArrowPicture(forward, arrowSize, devicePixelRatioF()));
    m_nextButton->setIconSize(arrowSize);
    m_nextButton->setGeometry(m_scale.rect(left + gridWidth - 42, 4, 42, 36));
    m_nextButton->setToolTip(tr("Next month"));

    m_monthCaption = Named<QLabel>(area, mainnames::MonthCaption);
    m_monthCaption->setFont(
        m_scale.font(QFont(QStringLiteral("Times New Roman"), -1, QFont::Bold), 15));
    m_monthCaption->setStyleSheet(readableRule(QColor(0, 96, 0), kSmallTextContrast));
    m_monthCaption->setGeometry(m_scale.rect(left + 50, 4, 150, 36));
    for (int month = 1; month <= 12; ++month) {
        m_monthPictures[month] = Named<ClickablePicture>(area, mainnames::MonthPicture, month);
        m_monthPictures[month]->setGeometry(m_scale.rect(left + 200, 0, 140, kTopRowHeight));
        m_monthPictures[month]->setAlignment(Qt::AlignCenter);
        m_monthPictures[month]->hide();
    }
    connect(m_previousButton, &QPushButton::clicked, this, &frmqarnivo::Backward_Click);
    connect(m_nextButton, &QPushButton::clicked, this, &frmqarnivo::Forward_Click);
}

// The month's picture, drawn the first time its month is shown.
void frmqarnivo::showMonthPicture(int month)
{
    ClickablePicture *const picture = m_monthPictures[month];
    if (picture->pixmap().isNull())
        picture->setPixmap(
            designPicture(pictures::MonthNamePicture(month), QSize(140, kTopRowHeight)));
    picture->show();
}

// The year box beside its button, and the English view's copy over it.
void frmqarnivo::createYearRows()
{
    QWidget *area = m_contents;
    const int left = kGridLeft;
    const int gridWidth = kGridWidth;
    m_urduYearRow = Named<QWidget>(area, mainnames::UrduYearRow);
    // A container is as large as its scaled children, whatever the rounding.
    m_urduYearRow->setGeometry(
        QRect(m_scale.point(left + gridWidth - 178, 6), m_scale.rect(0, 0, 130, 32).size()));
    m_englishYearRow = Named<QWidget>(area, mainnames::EnglishYearRow);
    m_englishYearRow->setGeometry(m_urduYearRow->geometry());
    m_englishYearRow->setAutoFillBackground(true);
    m_yearBox = Named<QLineEdit>(m_urduYearRow, mainnames::YearBox);
    m_englishYearBox = Named<QLineEdit>(m_englishYearRow, mainnames::EnglishYearBox);
    m_goButton = Named<QPushButton>(m_urduYearRow, mainnames::GoButton);
    m_englishGoButton = Named<QPushButton>(m_englishYearRow, mainnames::EnglishGoButton);
    for (QLineEdit *year : {m_yearBox, m_englishYearBox}) {
        year->setText(QStringLiteral("1427"));
        year->setAlignment(Qt::AlignCenter);
        year->setMaxLength(16);
        year->setGeometry(m_scale.rect(0, 0, 74, 32));
        year->setToolTip(tr("Type a Hijri year and press GO"));
    }
    QFont yearFont = m_scale.font(m_yearBox->font(), 14);
    yearFont.setBold(true);
    m_yearBox->setFont(yearFont);
    yearFont.setFamily(QStringLiteral("Times New Roman"));
    m_englishYearBox->setFont(yearFont);
    for (QPushButton *go : {m_goButton, m_englishGoButton}) {
        go->setText(tr(" G  O "));
        go->setGeometry(m_scale.rect(78, 0, 52, 32));
    }
    connect(m_yearBox, &QLineEdit::returnPressed, this, &frmqarnivo::GoToYear_Click);
    connect(m_englishYearBox, &QLineEdit::returnPressed, this, &frmqarnivo::GoToYrE_Click);
    connect(m_goButton, &QPushButton::clicked, this, &frmqarnivo::GoToYear_Click);
    connect(m_englishGoButton, &QPushButton::clicked, this, &frmqarnivo::GoToYrE_Click);
}

// The weekday header over the day grid, in a frame of the scheme's colour.
void frmqarnivo::createGrids()
{
    QWidget *area = m_contents;
    const int left = kGridLeft;
    const int gridWidth = kGridWidth;
    m_gridFrame = Named<QWidget>(area, mainnames::GridFrame);
    m_gridFrame->setAutoFillBackground(true);
    m_gridFrame->setGeometry(m_scale.rect(left - 4, kGridTop - 4, gridWidth + 8,
                                          kHeaderRowHeight + 6 * kDayRowHeight + 12));

    m_weekdayHeader = CreateCellGrid(area, mainnames::WeekdayHeader, 1, 7);
    m_weekdayHeader->setFont(m_scale.font(QFont(QStringLiteral("MS Sans Serif")), 12));
    m_weekdayHeader->verticalHeader()->setDefaultSectionSize(m_scale(kHeaderRowHeight));
    m_weekdayHeader->setGeometry(m_scale.rect(left, kGridTop, gridWidth, kHeaderRowHeight + 2));
    m_weekdayHeader->setFocusPolicy(Qt::NoFocus);
    m_weekdayHeader->setToolTip(tr("Click to switch between Urdu and English day names"));

    m_dayGrid = CreateCellGrid(area, mainnames::DayGrid, 6, 7);
    QFont dayFont = m_scale.font(m_dayGrid->font(), kDayPoints);
    dayFont.setBold(true);
    m_dayGrid->setFont(dayFont);
    m_dayGrid->verticalHeader()->setDefaultSectionSize(m_scale(kDayRowHeight));
    m_dayGrid->setGeometry(
        m_scale.rect(left, kGridTop + kHeaderRowHeight + 2, gridWidth, 6 * kDayRowHeight + 2));
    connect(m_dayGrid, &QTableWidget::cellClicked, this, &frmqarnivo::grCal1_Click);
    m_dayGrid->installEventFilter(this);
    connect(m_weekdayHeader, &QTableWidget::cellClicked, this, &frmqarnivo::grCal0_Click);
}

void frmqarnivo::createDetailControls()
{
    QWidget *area = m_contents;
    // The design's grid, as placed by createCalendarControls.
    const QRect grid(kGridLeft, kGridTop + kHeaderRowHeight + 2, kGridWidth, 6 * kDayRowHeight + 2);
    const int half = grid.width() / 2;
    m_hijriDateLine = dateLine(area, mainnames::HijriDateLine);
    // The date lines start just below the frame around the grids.
    m_hijriDateLine->setGeometry(m_scale.rect(grid.left(), grid.bottom() + 5, half - 3, 26));
    m_gregorianDateLine = dateLine(area, mainnames::GregorianDateLine);
    m_gregorianDateLine->setGeometry(
        m_scale.rect(grid.left() + half + 3, grid.bottom() + 5, grid.width() - half - 3, 26));

    m_occasionLine = Named<QLabel>(area, mainnames::OccasionLine);
    m_occasionLine->setText(QStringLiteral("."));
    m_occasionLine->setFont(occasionFont());
    m_occasionLine->setWordWrap(true);
    m_occasionLine->setStyleSheet(readableRule(QColor(192, 0, 192), kSmallTextContrast) +
                                  QStringLiteral("background: transparent;"));
    m_occasionLine->setGeometry(
        m_scale.rect(grid.left(), grid.bottom() + 33, grid.width() - 100, 28));

    // Two lines of a smaller face below the occasion, so that the longest
    // verdict fits the grid's width.
    // A click on it opens the New Crescent window.
    m_crescentLine = Named<ClickablePicture>(area, mainnames::CrescentLine);
    m_crescentLine->setCursor(Qt::PointingHandCursor);
    connect(m_crescentLine, &ClickablePicture::clicked, this, &frmqarnivo::CrescentMenu_Click);
    m_crescentLine->setWordWrap(true);
    m_crescentLine->setAlignment(Qt::AlignCenter);
    m_crescentLine->setGeometry(
        m_scale.rect(grid.left(), grid.bottom() + 63, grid.width(), kCrescentLineHeight - 2));
    // A face with tall lines (Naskh, Nastaliq) is made smaller until two lines fit.
    m_crescentLine->setFont(FontToFit(m_scale.font(m_crescentLine->font(), 8.25),
                                      QStringLiteral("0\n0"), m_crescentLine->size(),
                                      6 * m_scale.factor()));

    m_stopSoundButton = Named<QPushButton>(area, mainnames::StopSoundButton);
    m_stopSoundButton->setText(tr("Stop"));
    m_stopSoundButton->setToolTip(tr("Stop the adhan"));
    m_stopSoundButton->setGeometry(
        m_scale.rect(grid.right() - 95, grid.bottom() + 63, 96, kCrescentLineHeight - 6));
    m_stopSoundButton->hide();
    connect(m_stopSoundButton, &QPushButton::clicked, this, &frmqarnivo::StopSound_Click);

    m_clockButton = Named<QPushButton>(area, mainnames::ClockButton);
    m_clockButton->setText(tr("Options"));
    m_clockButton->setToolTip(tr("Change View Window"));
    connect(m_clockButton, &QPushButton::clicked, this, &frmqarnivo::Optionz_Click);
    m_clockButton->setGeometry(m_scale.rect(grid.right() - 95, grid.bottom() + 31, 96, 26));
}

void frmqarnivo::createSideControls()
{
    QWidget *area = m_contents;
    m_cityName = cityLabel(area, mainnames::CityName, QString(), true);
    m_cityName->setGeometry(m_scale.rect(kSideLeft, 8, kSideWidth, 20));
    struct CityRow {
        ControlName caption;
        const char *text;
        ControlName value;
        QLabel **label;
    };
    const std::array<CityRow, 3> rows = {
        CityRow{mainnames::LatitudeCaption, QT_TR_NOOP("Latitude:"), mainnames::CityLatitude,
                &m_cityLatitude},
        CityRow{mainnames::LongitudeCaption, QT_TR_NOOP("Longitude:"), mainnames::CityLongitude,
                &m_cityLongitude},
        CityRow{mainnames::TimeZoneCaption, QT_TR_NOOP("TIME ZONE"), mainnames::CityTimeZone,
                &m_cityTimeZone}};
    for (int i = 0; i < 3; ++i) {
        QLabel *caption = cityLabel(area, rows[i].caption, tr(rows[i].text));
        caption->setGeometry(m_scale.rect(kSideLeft, 30 + 20 * i, 80, 20));
        m_cityCaptions[i] = caption;
        QLabel *value = cityLabel(area, rows[i].value, QString(), true);
        value->setGeometry(m_scale.rect(kSideLeft + 80, 30 + 20 * i, kSideWidth - 80, 20));
        *rows[i].label = value;
    }
    m_cityQibla = cityLabel(area, mainnames::CityQibla, QString());
    m_cityQibla->setGeometry(m_scale.rect(kSideLeft, 90, kSideWidth, 20));

    m_readingBox = Named<QTextEdit>(area, mainnames::ReadingBox);
    m_readingBox->setReadOnly(true);
    m_readingBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_readingBox->setFont(HandFont(9.75 * m_scale.factor()));
    colourReadingBox(false);
    // Below the city and today's prayer times.
    m_readingBox->setGeometry(m_scale.rect(kSideLeft, 198, kSideWidth, 168));
    m_readingBox->setToolTip(tr("Thought of the Day"));

    createPrayerControls();

    m_conversionPanel = new ConversionPanel(m_platform, m_calendar, m_names, area);
    m_conversionPanel->move(m_scale.point(kSideLeft, 374));
    m_conversionPanel->hide();
}

void frmqarnivo::Greg_Hijri_Click()
{
    m_conversionPanel->Greg_Hijri_Click();
}

void frmqarnivo::Hijri_Greg_Click()
{
    m_conversionPanel->Hijri_Greg_Click();
}

void frmqarnivo::ConvertDate_Click()
{
    m_conversionPanel->setGregorianInput(m_state.currentGregorian());
    m_conversionPanel->setHidden(!m_conversionPanel->isHidden());
    m_conversionPanel->Greg_Hijri_Click();
}

void frmqarnivo::closeEvent(QCloseEvent *event)
{
    // Every way of closing the window runs the exit sequence, which ends the
    // program itself; the close request never returns to the window. With
    // the tray icon shown, closing only hides the window behind it.
    event->ignore();
    if (m_tray->isShown() && QSystemTrayIcon::isSystemTrayAvailable())
        hide();
    else
        Exit_Click();
}

} // namespace qarnivo
