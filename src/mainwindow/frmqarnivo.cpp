#include "mainwindow/frmqarnivo.h"

#include "calendar/conversionpanel.h"
#include "mainwindow/layout.h"
#include "platform/arrowpicture.h"
#include "platform/cellgrid.h"
#include "platform/clickablepicture.h"
#include "platform/contrast.h"
#include "platform/handfont.h"
#include "platform/pictures.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

namespace qarnivo {

namespace {

using namespace layout;

template <typename T> T *named(QWidget *parent, const QString &name)
{
    auto *widget = new T(parent);
    widget->setObjectName(name);
    return widget;
}

QAction *menuCommand(QMenuBar *bar, const QString &name, const QString &caption)
{
    QAction *action = bar->addAction(caption);
    action->setObjectName(name);
    return action;
}

QLineEdit *dateLine(QWidget *parent, const QString &name)
{
    auto *line = named<QLineEdit>(parent, name);
    line->setReadOnly(true);
    line->setAlignment(Qt::AlignCenter);
    QFont bold = line->font();
    bold.setBold(true);
    line->setFont(bold);
    return line;
}

QLabel *cityLabel(QWidget *parent, const QString &name, const QString &text, bool bold = false)
{
    auto *label = named<QLabel>(parent, name);
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
    setWindowTitle(QStringLiteral("Qarnivo with Worldwide Sunrise Sunset timings"));
    setCentralWidget(new QWidget(this));
    createMenus();
    createCalendarControls();
    createDetailControls();
    createSideControls();
    createHelpMenus();
    createHelpControls();
    createFeedbackControls();
    createAccessibility();
    resize(m_scale.size(kFullWidth, kShortHeight));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmqarnivo::Timer1_Timer);
    Timer1->start();
}

void frmqarnivo::createMenus()
{
    QMenuBar *bar = menuBar();
    Exit = menuCommand(bar, QStringLiteral("Exit"), QStringLiteral("E&xit"));
    Option1 = menuCommand(bar, QStringLiteral("Option1"), QStringLiteral("&Settings"));
    View = menuCommand(bar, QStringLiteral("View"), QStringLiteral("&ViewShort"));
    Todayz = menuCommand(bar, QStringLiteral("Todayz"), QStringLiteral("&Today"));
    ConvertDate =
        menuCommand(bar, QStringLiteral("ConvertDate"), QStringLiteral("Date &Conversion"));
    SunRiseSunSet =
        menuCommand(bar, QStringLiteral("SunRiseSunSet"), QStringLiteral("Sun&riseSunset"));

    Exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    Todayz->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    ConvertDate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(Exit, &QAction::triggered, this, &frmqarnivo::Exit_Click);
    connect(Option1, &QAction::triggered, this, &frmqarnivo::Option1_Click);
    // The View item names the view that the clock button switches to, and
    // does the same switch.
    connect(View, &QAction::triggered, this, &frmqarnivo::Optionz_Click);
    connect(Todayz, &QAction::triggered, this, &frmqarnivo::Todayz_Click);
    connect(ConvertDate, &QAction::triggered, this, &frmqarnivo::ConvertDate_Click);
    connect(SunRiseSunSet, &QAction::triggered, this, &frmqarnivo::SunRiseSunSet_Click);
    SunRiseSunSet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
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
    QWidget *area = centralWidget();
    const int left = kGridLeft;
    const int gridWidth = kGridWidth;

    const QSize arrowSize = m_scale.size(26, 20);
    Backward = named<QPushButton>(area, QStringLiteral("Backward"));
    Backward->setIcon(RedArrowPicture(ArrowDirection::Left, arrowSize, devicePixelRatioF()));
    Backward->setIconSize(arrowSize);
    Backward->setGeometry(m_scale.rect(left, 4, 42, 36));
    Backward->setToolTip(QStringLiteral("Previous month"));
    Forward = named<QPushButton>(area, QStringLiteral("Forward"));
    Forward->setIcon(RedArrowPicture(ArrowDirection::Right, arrowSize, devicePixelRatioF()));
    Forward->setIconSize(arrowSize);
    Forward->setGeometry(m_scale.rect(left + gridWidth - 42, 4, 42, 36));
    Forward->setToolTip(QStringLiteral("Next month"));

    Label1 = named<QLabel>(area, QStringLiteral("Label1"));
    Label1->setFont(m_scale.font(QFont(QStringLiteral("Times New Roman"), -1, QFont::Bold), 15));
    Label1->setStyleSheet(readableRule(QColor(0, 96, 0), kSmallTextContrast));
    Label1->setGeometry(m_scale.rect(left + 50, 4, 150, 36));
    for (int month = 1; month <= 12; ++month) {
        Image1[month] = named<ClickablePicture>(area, QStringLiteral("Image1(%1)").arg(month));
        Image1[month]->setGeometry(m_scale.rect(left + 200, 0, 140, kTopRowHeight));
        Image1[month]->setAlignment(Qt::AlignCenter);
        Image1[month]->setPixmap(
            designPicture(pictures::MonthNamePicture(month), QSize(140, kTopRowHeight)));
        Image1[month]->hide();
    }

    // The year box beside its button, and the English view's copy over it.
    Picture1 = named<QWidget>(area, QStringLiteral("Picture1"));
    // A container is as large as its scaled children, whatever the rounding.
    Picture1->setGeometry(
        QRect(m_scale.point(left + gridWidth - 178, 6), m_scale.rect(0, 0, 130, 32).size()));
    Frame4 = named<QWidget>(area, QStringLiteral("Frame4"));
    Frame4->setGeometry(Picture1->geometry());
    Frame4->setAutoFillBackground(true);
    Text7 = named<QLineEdit>(Picture1, QStringLiteral("Text7"));
    Text8 = named<QLineEdit>(Frame4, QStringLiteral("Text8"));
    GoToYear = named<QPushButton>(Picture1, QStringLiteral("GoToYear"));
    GoToYrE = named<QPushButton>(Frame4, QStringLiteral("GoToYrE"));
    for (QLineEdit *year : {Text7, Text8}) {
        year->setText(QStringLiteral("1427"));
        year->setAlignment(Qt::AlignCenter);
        year->setMaxLength(16);
        year->setGeometry(m_scale.rect(0, 0, 74, 32));
        year->setToolTip(QStringLiteral("Type a Hijri year and press GO"));
    }
    QFont yearFont = m_scale.font(Text7->font(), 14);
    yearFont.setBold(true);
    Text7->setFont(yearFont);
    yearFont.setFamily(QStringLiteral("Times New Roman"));
    Text8->setFont(yearFont);
    for (QPushButton *go : {GoToYear, GoToYrE}) {
        go->setText(QStringLiteral(" G  O "));
        go->setGeometry(m_scale.rect(78, 0, 52, 32));
    }
    connect(Text7, &QLineEdit::returnPressed, this, &frmqarnivo::GoToYear_Click);
    connect(Text8, &QLineEdit::returnPressed, this, &frmqarnivo::GoToYrE_Click);

    Frame1 = named<QWidget>(area, QStringLiteral("Frame1"));
    Frame1->setAutoFillBackground(true);
    Frame1->setGeometry(m_scale.rect(left - 4, kGridTop - 4, gridWidth + 8,
                                     kHeaderRowHeight + 6 * kDayRowHeight + 12));

    grCal0 = CreateCellGrid(area, QStringLiteral("grCal0"), 1, 7);
    grCal0->setFont(m_scale.font(QFont(QStringLiteral("MS Sans Serif")), 12));
    grCal0->verticalHeader()->setDefaultSectionSize(m_scale(kHeaderRowHeight));
    grCal0->setGeometry(m_scale.rect(left, kGridTop, gridWidth, kHeaderRowHeight + 2));
    grCal0->setFocusPolicy(Qt::NoFocus);
    grCal0->setToolTip(QStringLiteral("Click to switch between Urdu and English day names"));

    grCal1 = CreateCellGrid(area, QStringLiteral("grCal1"), 6, 7);
    QFont dayFont = m_scale.font(grCal1->font(), 27.75);
    dayFont.setBold(true);
    grCal1->setFont(dayFont);
    grCal1->verticalHeader()->setDefaultSectionSize(m_scale(kDayRowHeight));
    grCal1->setGeometry(
        m_scale.rect(left, kGridTop + kHeaderRowHeight + 2, gridWidth, 6 * kDayRowHeight + 2));

    connect(Backward, &QPushButton::clicked, this, &frmqarnivo::Backward_Click);
    connect(Forward, &QPushButton::clicked, this, &frmqarnivo::Forward_Click);
    connect(GoToYear, &QPushButton::clicked, this, &frmqarnivo::GoToYear_Click);
    connect(GoToYrE, &QPushButton::clicked, this, &frmqarnivo::GoToYrE_Click);
    connect(grCal1, &QTableWidget::cellClicked, this, &frmqarnivo::grCal1_Click);
    connect(grCal0, &QTableWidget::cellClicked, this, &frmqarnivo::grCal0_Click);
}

void frmqarnivo::createDetailControls()
{
    QWidget *area = centralWidget();
    // The design's grid, as placed by createCalendarControls.
    const QRect grid(kGridLeft, kGridTop + kHeaderRowHeight + 2, kGridWidth, 6 * kDayRowHeight + 2);
    const int half = grid.width() / 2;
    Text1 = dateLine(area, QStringLiteral("Text1"));
    // The date lines start just below the frame around the grids.
    Text1->setGeometry(m_scale.rect(grid.left(), grid.bottom() + 5, half - 3, 26));
    Text2 = dateLine(area, QStringLiteral("Text2"));
    Text2->setGeometry(
        m_scale.rect(grid.left() + half + 3, grid.bottom() + 5, grid.width() - half - 3, 26));

    Label7 = named<QLabel>(area, QStringLiteral("Label7"));
    Label7->setText(QStringLiteral("."));
    Label7->setFont(occasionFont());
    Label7->setWordWrap(true);
    Label7->setStyleSheet(readableRule(QColor(192, 0, 192), kSmallTextContrast) +
                          QStringLiteral("background: transparent;"));
    Label7->setGeometry(m_scale.rect(grid.left(), grid.bottom() + 33, grid.width() - 100, 28));

    Optionz = named<QPushButton>(area, QStringLiteral("Optionz"));
    Optionz->setText(QStringLiteral("Options"));
    Optionz->setToolTip(QStringLiteral("Change View Window"));
    connect(Optionz, &QPushButton::clicked, this, &frmqarnivo::Optionz_Click);
    Optionz->setGeometry(m_scale.rect(grid.right() - 95, grid.bottom() + 31, 96, 26));
}

void frmqarnivo::createSideControls()
{
    QWidget *area = centralWidget();
    Label12 = cityLabel(area, QStringLiteral("Label12"), QString(), true);
    Label12->setGeometry(m_scale.rect(kSideLeft, 8, kSideWidth, 20));
    const std::array<std::pair<QString, QString>, 3> captions = {
        std::pair{QStringLiteral("Label5"), QStringLiteral("Latitude:")},
        std::pair{QStringLiteral("Label9"), QStringLiteral("Longitude:")},
        std::pair{QStringLiteral("Label3"), QStringLiteral("TIME ZONE")}};
    const std::array<QLabel **, 3> values = {&Label10, &Label11, &Label4};
    const std::array<QString, 3> valueNames = {QStringLiteral("Label10"), QStringLiteral("Label11"),
                                               QStringLiteral("Label4")};
    for (int i = 0; i < 3; ++i) {
        QLabel *caption = cityLabel(area, captions[i].first, captions[i].second);
        caption->setGeometry(m_scale.rect(kSideLeft, 30 + 20 * i, 80, 20));
        *values[i] = cityLabel(area, valueNames[i], QString(), true);
        (*values[i])->setGeometry(m_scale.rect(kSideLeft + 80, 30 + 20 * i, kSideWidth - 80, 20));
    }

    Text3 = named<QTextEdit>(area, QStringLiteral("Text3"));
    Text3->setReadOnly(true);
    Text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text3->setFont(HandFont(9.75 * m_scale.factor()));
    Text3->setStyleSheet(QStringLiteral("QTextEdit { background: rgb(0, 0, 128); color: white; }"));
    Text3->setGeometry(m_scale.rect(kSideLeft, 96, kSideWidth, 270));
    Text3->setToolTip(QStringLiteral("Thought of the Day"));

    Frame3 = new ConversionPanel(m_platform, m_state, m_names, area);
    Frame3->move(m_scale.point(kSideLeft, 374));
    Frame3->hide();
}

void frmqarnivo::Greg_Hijri_Click()
{
    Frame3->Greg_Hijri_Click();
}

void frmqarnivo::Hijri_Greg_Click()
{
    Frame3->Hijri_Greg_Click();
}

void frmqarnivo::ConvertDate_Click()
{
    Frame3->setGregorianInput(m_state.currentGregorian());
    Frame3->setHidden(!Frame3->isHidden());
    Frame3->Greg_Hijri_Click();
}

void frmqarnivo::closeEvent(QCloseEvent *event)
{
    // Every way of closing the window runs the exit sequence, which ends the
    // program itself; the close request never returns to the window.
    event->ignore();
    Exit_Click();
}

} // namespace qarnivo
