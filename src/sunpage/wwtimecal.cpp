// Building the calculator window, and its decoration: the colour effect of
// the e-mail label, the link label and the hover effect of the two pictures.

#include "sunpage/wwtimecal.h"

#include "platform/accessiblenames.h"

#include "help/maker.h"
#include "platform/clickablepicture.h"
#include "platform/contrast.h"
#include "platform/layoutscale.h"
#include "platform/pictures.h"
#include "platform/platform.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace qarnivo {

namespace {

constexpr int kEffectIntervalMs = 500;
constexpr quint32 kEffectStep = 2000;
constexpr quint32 kLargestColourNumber = 0xFFFFFF;

const QColor kEffectBlue(0, 0, 255);
const QColor kStoppedRed(192, 0, 0);
const QColor kRunningGreen(0, 128, 0);

template <typename T> T *named(QWidget *parent, const QString &name)
{
    auto *widget = new T(parent);
    widget->setObjectName(name);
    return widget;
}

QLabel *namedLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = named<QLabel>(parent, name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QPushButton *namedButton(QWidget *parent, const QString &name, const QString &text)
{
    auto *button = named<QPushButton>(parent, name);
    button->setText(text);
    button->setAutoDefault(false);
    return button;
}

// The label's own colour, moved as far as its ground needs to stay readable.
void setForeColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText,
                     ReadableColour(colour, palette.color(QPalette::Window), kSmallTextContrast));
    widget->setPalette(palette);
}

void setBackColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QString EffectLabelText()
{
    return QStringLiteral(
               "FREE Service: Ask Longitude & Latitude of any place around the world from ") +
           kMakerMailAddress;
}

} // namespace

quint32 ColourNumber(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return quint32(rgb.red()) | quint32(rgb.green()) << 8 | quint32(rgb.blue()) << 16;
}

QColor ColourFromNumber(quint32 number)
{
    return QColor(int(number & 0xFF), int(number >> 8 & 0xFF), int(number >> 16 & 0xFF));
}

quint32 NextEffectColour(quint32 number)
{
    const quint64 next = quint64(number) + kEffectStep;
    return next > kLargestColourNumber ? number : quint32(next);
}

WwtimeCal::WwtimeCal(Platform &platform, SunPageHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window), m_platform(platform), m_host(host)
{
    setObjectName(QStringLiteral("WwtimeCal"));
    setWindowTitle(QStringLiteral(" Worldwide Sunrise/ Sunset/ Zawal Time Calculator"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(6, 0, 6, 6);
    auto *bar = named<QMenuBar>(this, QStringLiteral("MenuBar"));
    root->setMenuBar(bar);
    createMenus(bar);

    auto *body = new QHBoxLayout;
    m_browserArea = named<QWidget>(this, QStringLiteral("BrowserArea"));
    m_browserArea->setMinimumSize(640, 480);
    auto *browserLayout = new QVBoxLayout(m_browserArea);
    browserLayout->setContentsMargins(0, 0, 0, 0);
    body->addWidget(m_browserArea, 1);

    auto *side = new QVBoxLayout;
    side->addWidget(createCityFrame());
    side->addWidget(createStartupBox());
    side->addWidget(createPlaceFrame());
    side->addWidget(createCountryFrame());
    side->addStretch(1);
    auto *sideColumn = named<QWidget>(this, QStringLiteral("SideColumn"));
    sideColumn->setLayout(side);
    // The side column's design width, grown with the desktop's face.
    const LayoutScale scale = LayoutScale::ForFont(font());
    sideColumn->setFixedWidth(scale(320));
    body->addWidget(sideColumn);
    root->addLayout(body, 1);
    root->addWidget(createDecorationFrame());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &WwtimeCal::Timer1_Timer);
    Timer1->start(kEffectIntervalMs);

    // Grown with the face, but within the screen where the side column still
    // has room; the page scrolls.
    QSize size = scale.size(1100, 820);
    if (const QScreen *where = screen())
        size = size.boundedTo(where->availableGeometry().size() * 0.95);
    resize(size.expandedTo(minimumSizeHint()));
    NameControls(this, {{QStringLiteral("BrowserArea"), QStringLiteral("Sunrise and sunset page")},
                        {QStringLiteral("SideColumn"), QStringLiteral("Default city and lists")},
                        {QStringLiteral("MenuBar"), QStringLiteral("Menu")},
                        {QStringLiteral("Frame5"), QStringLiteral("Startup")},
                        {QStringLiteral("List1"), QStringLiteral("Places")},
                        {QStringLiteral("Frame4"), QStringLiteral("GMT offsets of countries")},
                        {QStringLiteral("List2"), QStringLiteral("GMT offsets of countries")},
                        {QStringLiteral("Frame2"), QStringLiteral("About the calculator")},
                        {QStringLiteral("Image4"), QStringLiteral("Decoration")},
                        {QStringLiteral("Image4(1)"), QStringLiteral("Decoration")},
                        {QStringLiteral("Image4(2)"), QStringLiteral("Decoration")},
                        {QStringLiteral("Image4(3)"), QStringLiteral("Decoration")},
                        {QStringLiteral("Image6"), QStringLiteral("Decoration")},
                        {QStringLiteral("Image6(0)"), QStringLiteral("Decoration")},
                        {QStringLiteral("Image6(1)"), QStringLiteral("Decoration")}});
}

WwtimeCal::~WwtimeCal()
{
    // A window that goes without being closed still takes its page along.
    if (m_loaded && !m_closed)
        deletePage();
    // The page must go before the profile it was made with.
    delete WebBrowser1;
    delete m_profile;
}

void WwtimeCal::createMenus(QMenuBar *bar)
{
    const auto command = [bar](const QString &name, const QString &caption) {
        QAction *action = bar->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    Cloze = command(QStringLiteral("Cloze"), QStringLiteral("&Close"));
    Refresh = command(QStringLiteral("Refresh"), QStringLiteral("&Refresh"));
    Manual = command(QStringLiteral("Manual"), QStringLiteral("&Manual"));
    GMToffset = command(QStringLiteral("GMToffset"), QStringLiteral("&GMT Offsets"));
    LatLong = command(QStringLiteral("LatLong"), QStringLiteral("&Select City"));
    GMTMap = command(QStringLiteral("GMTMap"), QStringLiteral("&World GMT Map"));
    connect(Cloze, &QAction::triggered, this, &WwtimeCal::Cloze_Click);
    connect(Refresh, &QAction::triggered, this, &WwtimeCal::Refresh_Click);
    connect(Manual, &QAction::triggered, this, &WwtimeCal::Manual_Click);
    connect(GMToffset, &QAction::triggered, this, &WwtimeCal::GMToffset_Click);
    connect(LatLong, &QAction::triggered, this, &WwtimeCal::LatLong_Click);
    connect(GMTMap, &QAction::triggered, this, &WwtimeCal::GMTMap_Click);
}

QGroupBox *WwtimeCal::createCityFrame()
{
    Frame1 = named<QGroupBox>(this, QStringLiteral("Frame1"));
    Frame1->setTitle(QStringLiteral("Edit default City Info"));
    auto *grid = new QGridLayout(Frame1);
    const std::array<QString, 4> captions{
        QStringLiteral("City Name"), QStringLiteral("Latitude in º (deg)"),
        QStringLiteral("Longitude in º (deg)"), QStringLiteral("Offset from GMT (Hrs)")};
    const QFont boxFont(QStringLiteral("Arial"), 10);
    for (int i = 0; i < 4; ++i) {
        Label1[i] = namedLabel(Frame1, QStringLiteral("Label1(%1)").arg(i), captions[i]);
        Text1[i] = named<QLineEdit>(Frame1, QStringLiteral("Text1(%1)").arg(i));
        Text1[i]->setFont(boxFont);
        Label1[i]->setBuddy(Text1[i]);
        grid->addWidget(Label1[i], i, 0);
        grid->addWidget(Text1[i], i, 1);
    }
    grid->setColumnStretch(1, 1);
    Edit = namedButton(Frame1, QStringLiteral("Edit"), QStringLiteral("Edit"));
    grid->addWidget(Edit, 4, 1, Qt::AlignRight);
    connect(Edit, &QPushButton::clicked, this, &WwtimeCal::Edit_Click);
    LockCityBoxes();
    return Frame1;
}

QWidget *WwtimeCal::createStartupBox()
{
    Frame5 = named<QWidget>(this, QStringLiteral("Frame5"));
    auto *row = new QHBoxLayout(Frame5);
    row->setContentsMargins(4, 0, 4, 0);
    Check1 = named<QCheckBox>(Frame5, QStringLiteral("Check1"));
    Check1->setText(QStringLiteral("Show First at Startup"));
    Check1->setToolTip(QStringLiteral("Open this window instead of the calendar at start"));
    row->addWidget(Check1);
    row->addStretch(1);
    return Frame5;
}

QGroupBox *WwtimeCal::createPlaceFrame()
{
    Frame3 = named<QGroupBox>(this, QStringLiteral("Frame3"));
    Frame3->setTitle(QStringLiteral("Select City by Double Click"));
    auto *layout = new QGridLayout(Frame3);
    List1 = named<QListWidget>(Frame3, QStringLiteral("List1"));
    List1->setFont(QFont(QStringLiteral("Arial"), 10));
    List1->setMinimumHeight(90);
    Label2 = namedLabel(Frame3, QStringLiteral("Label2"), QStringLiteral("Search city /string:"));
    Text2 = named<QLineEdit>(Frame3, QStringLiteral("Text2"));
    Label2->setBuddy(Text2);
    FindNext = namedButton(Frame3, QStringLiteral("FindNext"), QStringLiteral("Find Next"));
    Resetz = namedButton(Frame3, QStringLiteral("Resetz"), QStringLiteral("Close"));
    Label5 = named<ClickablePicture>(Frame3, QStringLiteral("Label5"));
    Label5->setText(QStringLiteral("You can ADD a city"));
    setForeColour(Label5, QColor(0, 0, 192));
    layout->addWidget(List1, 0, 0, 1, 3);
    layout->addWidget(Label2, 1, 0, 1, 3);
    layout->addWidget(Text2, 2, 0, 1, 3);
    layout->addWidget(FindNext, 3, 1);
    layout->addWidget(Resetz, 3, 2);
    layout->addWidget(Label5, 4, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    connect(List1, &QListWidget::itemDoubleClicked, this, &WwtimeCal::List1_DblClick);
    connect(Text2, &QLineEdit::returnPressed, this, &WwtimeCal::FindNext_Click);
    connect(FindNext, &QPushButton::clicked, this, &WwtimeCal::FindNext_Click);
    connect(Resetz, &QPushButton::clicked, this, &WwtimeCal::Resetz_Click);
    connect(Label5, &ClickablePicture::clicked, this, &WwtimeCal::Label5_Click);
    Frame3->hide();
    return Frame3;
}

QGroupBox *WwtimeCal::createCountryFrame()
{
    Frame4 = named<QGroupBox>(this, QStringLiteral("Frame4"));
    // The wrapped heading sits outside the grid, whose rows would otherwise
    // be measured before the heading knows its height.
    auto *column = new QVBoxLayout(Frame4);
    auto *layout = new QGridLayout;
    Label4 =
        namedLabel(Frame4, QStringLiteral("Label4"),
                   QStringLiteral("GMT Offsets (Hrs.)- Countries displayed in Alphabetical order"));
    Label4->setWordWrap(true);
    // A wrapped label's height is not counted in the window's smallest size,
    // so the heading's two lines are reserved outright.
    Label4->setMinimumHeight(2 * Label4->fontMetrics().lineSpacing());
    List2 = named<QListWidget>(Frame4, QStringLiteral("List2"));
    List2->setFont(QFont(QStringLiteral("Arial"), 10));
    List2->setSortingEnabled(false); // filled in order by CountryOffsetList
    List2->setMinimumHeight(90);
    Label7 = namedLabel(Frame4, QStringLiteral("Label7"), QStringLiteral("(0)"));
    Label10 =
        namedLabel(Frame4, QStringLiteral("Label10"), QStringLiteral("Search city /country:"));
    Text3 = named<QLineEdit>(Frame4, QStringLiteral("Text3"));
    Label10->setBuddy(Text3);
    FindNext1 = namedButton(Frame4, QStringLiteral("FindNext1"), QStringLiteral("Find Next"));
    Close1 = namedButton(Frame4, QStringLiteral("Close1"), QStringLiteral("Close"));
    Label9 = named<ClickablePicture>(Frame4, QStringLiteral("Label9"));
    Label9->setText(QStringLiteral("You can ADD a City/ Country"));
    setForeColour(Label9, QColor(0, 0, 192));
    column->addWidget(Label4);
    column->addWidget(List2, 1);
    column->addLayout(layout);
    layout->addWidget(Label7, 2, 0);
    layout->addWidget(Label10, 2, 1, 1, 2);
    layout->addWidget(Text3, 3, 0, 1, 3);
    layout->addWidget(FindNext1, 4, 1);
    layout->addWidget(Close1, 4, 2);
    layout->addWidget(Label9, 5, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    connect(List2, &QListWidget::currentRowChanged, this, &WwtimeCal::List2_Click);
    connect(FindNext1, &QPushButton::clicked, this, &WwtimeCal::FindNext1_Click);
    connect(Close1, &QPushButton::clicked, this, &WwtimeCal::Close1_Click);
    connect(Label9, &ClickablePicture::clicked, this, &WwtimeCal::Label9_Click);
    Frame4->hide();
    return Frame4;
}

QGroupBox *WwtimeCal::createDecorationFrame()
{
    Frame2 = named<QGroupBox>(this, QStringLiteral("Frame2"));
    Frame2->setMouseTracking(true);
    Frame2->installEventFilter(this);
    auto *row = new QHBoxLayout(Frame2);
    createDecorationStacks(Frame2);

    Label13 = namedLabel(Frame2, QStringLiteral("Label13"),
                         QStringLiteral("Sunrise, Sunset and Zawal times for every place"));
    QFont titleFont = Label13->font();
    titleFont.setBold(true);
    Label13->setFont(titleFont);
    Label6 = named<ClickablePicture>(Frame2, QStringLiteral("Label6"));
    Label6->setTextFormat(Qt::PlainText);
    Label6->setText(EffectLabelText());
    Label6->setWordWrap(true);
    setForeColour(Label6, kEffectBlue);
    Label11 = named<ClickablePicture>(Frame2, QStringLiteral("Label11"));
    Label11->setText(QStringLiteral(" STOP "));
    setBackColour(Label11, kRunningGreen);
    setForeColour(Label11, Qt::white);
    Label8 = named<ClickablePicture>(Frame2, QStringLiteral("Label8"));
    Label8->setTextFormat(Qt::PlainText);
    Label8->setText(QStringLiteral("Visit: ") + kMakerWebAddress);
    Label8->setToolTip(QStringLiteral("Visit Tarvelonix Website"));
    setForeColour(Label8, QColor(0, 0, 192));

    auto *texts = new QVBoxLayout;
    texts->addWidget(Label13);
    texts->addWidget(Label6);
    auto *links = new QHBoxLayout;
    links->addWidget(Label11);
    links->addWidget(Label8, 1);
    texts->addLayout(links);
    row->addWidget(Image4[1]->parentWidget());
    row->addLayout(texts, 1);
    row->addWidget(Image6[0]->parentWidget());

    connect(Label6, &ClickablePicture::clicked, this, &WwtimeCal::Label6_Click);
    connect(Label11, &ClickablePicture::clicked, this, &WwtimeCal::Label11_Click);
    connect(Label8, &ClickablePicture::clicked, this, &WwtimeCal::Label8_Click);
    return Frame2;
}

// Each picture array is a stack of looks of one picture, the resting look on
// top; pointing and pressing uncover the looks below.
void WwtimeCal::createDecorationStacks(QWidget *frame)
{
    const auto stack = [frame](const QString &name) {
        auto *holder = named<QWidget>(frame, name);
        holder->setFixedSize(pictures::kDecorationSize);
        return holder;
    };
    const auto look = [this](QWidget *holder, const QString &name, const QPixmap &picture) {
        auto *label = named<QLabel>(holder, name);
        label->setPixmap(FittedPicture(picture, pictures::kDecorationSize, devicePixelRatioF()));
        label->setGeometry(QRect(QPoint(0, 0), pictures::kDecorationSize));
        label->setMouseTracking(true);
        label->installEventFilter(this);
        return label;
    };
    QWidget *stars = stack(QStringLiteral("Image4"));
    for (const int member : {3, 1, 2}) // later siblings lie on top
        Image4[member] = look(stars, QStringLiteral("Image4(%1)").arg(member),
                              pictures::DecorationPicture(pictures::DecorationSet::Image4, member));
    QWidget *rosette = stack(QStringLiteral("Image6"));
    for (const int member : {0, 1})
        Image6[member] = look(rosette, QStringLiteral("Image6(%1)").arg(member),
                              pictures::DecorationPicture(pictures::DecorationSet::Image6, member));
}

bool WwtimeCal::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool move = event->type() == QEvent::MouseMove;
    if (!press && !move)
        return QWidget::eventFilter(watched, event);
    if (watched == Frame2) {
        if (move)
            showDecorations();
        return false;
    }
    for (QLabel *member : Image4) {
        if (member && watched == member) {
            Image4[press ? 1 : 2]->hide();
            return true;
        }
    }
    for (QLabel *member : Image6) {
        if (watched == member) {
            Image6[press ? 0 : 1]->hide();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WwtimeCal::mouseMoveEvent(QMouseEvent *event)
{
    showDecorations();
    QWidget::mouseMoveEvent(event);
}

void WwtimeCal::showDecorations()
{
    Image4[1]->show();
    Image4[2]->show();
    Image6[0]->show();
    Image6[1]->show();
}

void WwtimeCal::Timer1_Timer()
{
    const QColor now = Label6->palette().color(QPalette::WindowText);
    setForeColour(Label6, ColourFromNumber(NextEffectColour(ColourNumber(now))));
}

void WwtimeCal::Label6_Click()
{
    toggleColourEffect();
}

void WwtimeCal::Label11_Click()
{
    toggleColourEffect();
}

void WwtimeCal::toggleColourEffect()
{
    if (Timer1->isActive()) {
        Timer1->stop();
        Label11->setText(QStringLiteral(" START "));
        setBackColour(Label11, kStoppedRed);
        setForeColour(Label6, kStoppedRed);
    } else {
        Timer1->start(kEffectIntervalMs);
        Label11->setText(QStringLiteral(" STOP "));
        setBackColour(Label11, kRunningGreen);
        setForeColour(Label6, kEffectBlue);
    }
}

void WwtimeCal::Label8_Click()
{
    m_platform.openWebAddress(QUrl(kMakerWebAddress));
}

} // namespace qarnivo
