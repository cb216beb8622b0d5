// Building the calculator window, and its decoration: the colour effect of
// the e-mail label, the link label and the hover effect of the two pictures.

#include "windows/calculator/wwtimecal.h"

#include "core/help/maker.h"
#include "platform/pageview.h"
#include "platform/platform.h"
#include "platform/settingsstore.h"
#include "widgets/accessiblenames.h"
#include "widgets/clickablepicture.h"
#include "widgets/contrast.h"
#include "widgets/decorationstacks.h"
#include "widgets/layoutscale.h"
#include "widgets/namedcontrol.h"
#include "widgets/pictures.h"
#include "widgets/screenfit.h"
#include "windows/calculator/calculatornames.h"

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
#include <QTimer>
#include <QVBoxLayout>

namespace qarnivo {

namespace {

constexpr int kEffectIntervalMs = 500;
constexpr quint32 kEffectStep = 2000;
constexpr quint32 kLargestColourNumber = 0xFFFFFF;

const QColor kEffectBlue(0, 0, 255);
const QColor kStoppedRed(192, 0, 0);
const QColor kRunningGreen(0, 128, 0);

QLabel *namedLabel(QWidget *parent, const ControlName &name, const QString &text, int index = -1)
{
    auto *label = Named<QLabel>(parent, name, index);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QPushButton *namedButton(QWidget *parent, const ControlName &name, const QString &text)
{
    auto *button = Named<QPushButton>(parent, name);
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
    return WwtimeCal::tr(
               "FREE Service: Ask Longitude & Latitude of any place around the world from %1")
        .arg(kMakerMailAddress);
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
    setWindowTitle(tr(" Worldwide Sunrise/ Sunset/ Zawal Time Calculator"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    auto *bar = Named<QMenuBar>(this, calculatornames::MenuBar);
    root->setMenuBar(bar);
    createMenus(bar);
    QWidget *contents = ScrollingContents(this);
    auto *column = new QVBoxLayout(contents);
    column->setContentsMargins(6, 0, 6, 6);

    auto *body = new QHBoxLayout;
    m_browserArea = Named<QWidget>(this, calculatornames::BrowserArea);
    // The page scrolls by itself, so a small screen may take it narrower.
    m_browserArea->setMinimumSize(400, 300);
    auto *browserLayout = new QVBoxLayout(m_browserArea);
    browserLayout->setContentsMargins(0, 0, 0, 0);
    body->addWidget(m_browserArea, 1);

    auto *side = new QVBoxLayout;
    side->addWidget(createCityFrame());
    side->addWidget(createStartupBox());
    side->addWidget(createPlaceFrame());
    side->addWidget(createCountryFrame());
    side->addStretch(1);
    auto *sideColumn = Named<QWidget>(this, calculatornames::SideColumn);
    sideColumn->setLayout(side);
    // The side column's design width, grown with the desktop's face.
    const LayoutScale scale = LayoutScale::ForFont(font());
    sideColumn->setFixedWidth(scale(320));
    body->addWidget(sideColumn);
    column->addLayout(body, 1);
    column->addWidget(createDecorationFrame());

    m_effectTimer = new QTimer(this);
    m_effectTimer->setObjectName(ObjectName(calculatornames::EffectTimer));
    connect(m_effectTimer, &QTimer::timeout, this, &WwtimeCal::Timer1_Timer);
    m_effectTimer->start(kEffectIntervalMs);

    // Grown with the face, within the screen; what does not fit scrolls.
    const QSize least = contents->minimumSizeHint() + QSize(0, bar->sizeHint().height());
    FitToScreen(this, scale.size(1100, 820), least);
    RestoreStoredGeometry(this,
                          ReadTextSetting(m_platform, SettingKey::CalculatorGeometry, QString()));
    NameControls(this);
}

WwtimeCal::~WwtimeCal()
{
    // A window that goes without being closed still takes its page along.
    if (m_loaded && !m_closed)
        deletePage();
    delete m_browser; // with its profile, before the window's other parts
}

void WwtimeCal::createMenus(QMenuBar *bar)
{
    const auto command = [bar](const ControlName &name, const QString &caption) {
        return NamedAction(bar, name, caption);
    };
    m_closeCommand = command(calculatornames::CloseCommand, tr("&Close"));
    m_refreshCommand = command(calculatornames::RefreshCommand, tr("&Refresh"));
    m_manualCommand = command(calculatornames::ManualCommand, tr("&Manual"));
    m_offsetsCommand = command(calculatornames::OffsetsCommand, tr("&GMT Offsets"));
    m_placesCommand = command(calculatornames::PlacesCommand, tr("&Select City"));
    m_mapCommand = command(calculatornames::MapCommand, tr("&World GMT Map"));
    connect(m_closeCommand, &QAction::triggered, this, &WwtimeCal::Cloze_Click);
    connect(m_refreshCommand, &QAction::triggered, this, &WwtimeCal::Refresh_Click);
    connect(m_manualCommand, &QAction::triggered, this, &WwtimeCal::Manual_Click);
    connect(m_offsetsCommand, &QAction::triggered, this, &WwtimeCal::GMToffset_Click);
    connect(m_placesCommand, &QAction::triggered, this, &WwtimeCal::LatLong_Click);
    connect(m_mapCommand, &QAction::triggered, this, &WwtimeCal::GMTMap_Click);
}

QGroupBox *WwtimeCal::createCityFrame()
{
    m_cityFrame = Named<QGroupBox>(this, calculatornames::CityFrame);
    m_cityFrame->setTitle(tr("Edit default City Info"));
    auto *grid = new QGridLayout(m_cityFrame);
    const std::array<QString, 4> captions{tr("City Name"), tr("Latitude in º (deg)"),
                                          tr("Longitude in º (deg)"), tr("Offset from GMT (Hrs)")};
    const QFont boxFont(QStringLiteral("Arial"), 10);
    for (int i = 0; i < 4; ++i) {
        m_cityCaptions[i] = namedLabel(m_cityFrame, calculatornames::CityCaption, captions[i], i);
        m_cityBoxes[i] = Named<QLineEdit>(m_cityFrame, calculatornames::CityBox, i);
        m_cityBoxes[i]->setFont(boxFont);
        m_cityCaptions[i]->setBuddy(m_cityBoxes[i]);
        grid->addWidget(m_cityCaptions[i], i, 0);
        grid->addWidget(m_cityBoxes[i], i, 1);
    }
    grid->setColumnStretch(1, 1);
    m_editButton = namedButton(m_cityFrame, calculatornames::EditButton, tr("Edit"));
    grid->addWidget(m_editButton, 4, 1, Qt::AlignRight);
    connect(m_editButton, &QPushButton::clicked, this, &WwtimeCal::Edit_Click);
    LockCityBoxes();
    return m_cityFrame;
}

QWidget *WwtimeCal::createStartupBox()
{
    m_startupRow = Named<QWidget>(this, calculatornames::StartupRow);
    auto *row = new QHBoxLayout(m_startupRow);
    row->setContentsMargins(4, 0, 4, 0);
    m_showFirstBox = Named<QCheckBox>(m_startupRow, calculatornames::ShowFirstBox);
    m_showFirstBox->setText(tr("Show First at Startup"));
    m_showFirstBox->setToolTip(tr("Open this window instead of the calendar at start"));
    row->addWidget(m_showFirstBox);
    row->addStretch(1);
    return m_startupRow;
}

QGroupBox *WwtimeCal::createPlaceFrame()
{
    m_placeFrame = Named<QGroupBox>(this, calculatornames::PlaceFrame);
    m_placeFrame->setTitle(tr("Select City by Double Click"));
    auto *layout = new QGridLayout(m_placeFrame);
    m_placeList = Named<QListWidget>(m_placeFrame, calculatornames::PlaceList);
    m_placeList->setFont(QFont(QStringLiteral("Arial"), 10));
    m_placeList->setMinimumHeight(90);
    m_placeSearchCaption =
        namedLabel(m_placeFrame, calculatornames::PlaceSearchCaption, tr("Search city /string:"));
    m_placeSearchBox = Named<QLineEdit>(m_placeFrame, calculatornames::PlaceSearchBox);
    m_placeSearchCaption->setBuddy(m_placeSearchBox);
    m_placeFindButton =
        namedButton(m_placeFrame, calculatornames::PlaceFindButton, tr("Find Next"));
    m_placeCloseButton = namedButton(m_placeFrame, calculatornames::PlaceCloseButton, tr("Close"));
    m_addPlaceNote = Named<ClickablePicture>(m_placeFrame, calculatornames::AddPlaceNote);
    m_addPlaceNote->setText(tr("You can ADD a city"));
    setForeColour(m_addPlaceNote, QColor(0, 0, 192));
    layout->addWidget(m_placeList, 0, 0, 1, 3);
    layout->addWidget(m_placeSearchCaption, 1, 0, 1, 3);
    layout->addWidget(m_placeSearchBox, 2, 0, 1, 3);
    layout->addWidget(m_placeFindButton, 3, 1);
    layout->addWidget(m_placeCloseButton, 3, 2);
    layout->addWidget(m_addPlaceNote, 4, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    connect(m_placeList, &QListWidget::itemDoubleClicked, this, &WwtimeCal::List1_DblClick);
    connect(m_placeSearchBox, &QLineEdit::returnPressed, this, &WwtimeCal::FindNext_Click);
    connect(m_placeFindButton, &QPushButton::clicked, this, &WwtimeCal::FindNext_Click);
    connect(m_placeCloseButton, &QPushButton::clicked, this, &WwtimeCal::Resetz_Click);
    connect(m_addPlaceNote, &ClickablePicture::clicked, this, &WwtimeCal::Label5_Click);
    m_placeFrame->hide();
    return m_placeFrame;
}

QGroupBox *WwtimeCal::createCountryFrame()
{
    m_countryFrame = Named<QGroupBox>(this, calculatornames::CountryFrame);
    // The wrapped heading sits outside the grid, whose rows would otherwise
    // be measured before the heading knows its height.
    auto *column = new QVBoxLayout(m_countryFrame);
    auto *layout = new QGridLayout;
    m_countryHeading =
        namedLabel(m_countryFrame, calculatornames::CountryHeading,
                   tr("GMT Offsets (Hrs.)- Countries displayed in Alphabetical order"));
    m_countryHeading->setWordWrap(true);
    // A wrapped label's height is not counted in the window's smallest size,
    // so the heading's two lines are reserved outright.
    m_countryHeading->setMinimumHeight(2 * m_countryHeading->fontMetrics().lineSpacing());
    m_countryList = Named<QListWidget>(m_countryFrame, calculatornames::CountryList);
    m_countryList->setFont(QFont(QStringLiteral("Arial"), 10));
    m_countryList->setSortingEnabled(false); // filled in order by CountryOffsetList
    m_countryList->setMinimumHeight(90);
    m_countryCount =
        namedLabel(m_countryFrame, calculatornames::CountryCount, QStringLiteral("(0)"));
    m_countrySearchCaption = namedLabel(m_countryFrame, calculatornames::CountrySearchCaption,
                                        tr("Search city /country:"));
    m_countrySearchBox = Named<QLineEdit>(m_countryFrame, calculatornames::CountrySearchBox);
    m_countrySearchCaption->setBuddy(m_countrySearchBox);
    m_countryFindButton =
        namedButton(m_countryFrame, calculatornames::CountryFindButton, tr("Find Next"));
    m_countryCloseButton =
        namedButton(m_countryFrame, calculatornames::CountryCloseButton, tr("Close"));
    m_addCountryNote = Named<ClickablePicture>(m_countryFrame, calculatornames::AddCountryNote);
    m_addCountryNote->setText(tr("You can ADD a City/ Country"));
    setForeColour(m_addCountryNote, QColor(0, 0, 192));
    column->addWidget(m_countryHeading);
    column->addWidget(m_countryList, 1);
    column->addLayout(layout);
    layout->addWidget(m_countryCount, 2, 0);
    layout->addWidget(m_countrySearchCaption, 2, 1, 1, 2);
    layout->addWidget(m_countrySearchBox, 3, 0, 1, 3);
    layout->addWidget(m_countryFindButton, 4, 1);
    layout->addWidget(m_countryCloseButton, 4, 2);
    layout->addWidget(m_addCountryNote, 5, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    connect(m_countryList, &QListWidget::currentRowChanged, this, &WwtimeCal::List2_Click);
    connect(m_countryFindButton, &QPushButton::clicked, this, &WwtimeCal::FindNext1_Click);
    connect(m_countryCloseButton, &QPushButton::clicked, this, &WwtimeCal::Close1_Click);
    connect(m_addCountryNote, &ClickablePicture::clicked, this, &WwtimeCal::Label9_Click);
    m_countryFrame->hide();
    return m_countryFrame;
}

QGroupBox *WwtimeCal::createDecorationFrame()
{
    m_aboutFrame = Named<QGroupBox>(this, calculatornames::AboutFrame);
    m_aboutFrame->setMouseTracking(true);
    m_aboutFrame->installEventFilter(this);
    auto *row = new QHBoxLayout(m_aboutFrame);
    createDecorationStacks(m_aboutFrame);

    m_aboutTitle = namedLabel(m_aboutFrame, calculatornames::AboutTitle,
                              tr("Sunrise, Sunset and Zawal times for every place"));
    QFont titleFont = m_aboutTitle->font();
    titleFont.setBold(true);
    m_aboutTitle->setFont(titleFont);
    m_effectLabel = Named<ClickablePicture>(m_aboutFrame, calculatornames::EffectLabel);
    m_effectLabel->setTextFormat(Qt::PlainText);
    m_effectLabel->setText(EffectLabelText());
    m_effectLabel->setWordWrap(true);
    setForeColour(m_effectLabel, kEffectBlue);
    m_effectSwitch = Named<ClickablePicture>(m_aboutFrame, calculatornames::EffectSwitch);
    m_effectSwitch->setText(tr(" STOP "));
    setBackColour(m_effectSwitch, kRunningGreen);
    setForeColour(m_effectSwitch, Qt::white);
    m_webLink = Named<ClickablePicture>(m_aboutFrame, calculatornames::WebLink);
    m_webLink->setTextFormat(Qt::PlainText);
    m_webLink->setText(tr("Visit: %1").arg(kMakerWebAddress));
    m_webLink->setToolTip(tr("Visit Tarvelonix Website"));
    setForeColour(m_webLink, QColor(0, 0, 192));

    auto *texts = new QVBoxLayout;
    texts->addWidget(m_aboutTitle);
    texts->addWidget(m_effectLabel);
    auto *links = new QHBoxLayout;
    links->addWidget(m_effectSwitch);
    links->addWidget(m_webLink, 1);
    texts->addLayout(links);
    row->addWidget(m_starHolder);
    row->addLayout(texts, 1);
    row->addWidget(m_rosetteHolder);

    connect(m_effectLabel, &ClickablePicture::clicked, this, &WwtimeCal::Label6_Click);
    connect(m_effectSwitch, &ClickablePicture::clicked, this, &WwtimeCal::Label11_Click);
    connect(m_webLink, &ClickablePicture::clicked, this, &WwtimeCal::Label8_Click);
    return m_aboutFrame;
}

// The decorations stand in two holders at the ends of the bottom frame.
void WwtimeCal::createDecorationStacks(QWidget *frame)
{
    const QRect place(QPoint(), pictures::kDecorationSize);
    for (QWidget **holder : {&m_starHolder, &m_rosetteHolder}) {
        *holder = new QWidget(frame);
        (*holder)->setFixedSize(place.size());
    }
    SetControlName(m_starHolder, calculatornames::StarHolder);
    SetControlName(m_rosetteHolder, calculatornames::RosetteHolder);
    m_decorations =
        new DecorationStacks(m_starHolder, place, m_rosetteHolder, place, devicePixelRatioF());
}

bool WwtimeCal::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool move = event->type() == QEvent::MouseMove;
    if (!press && !move)
        return QWidget::eventFilter(watched, event);
    if (watched == m_aboutFrame) {
        if (move)
            showDecorations();
        return false;
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
    m_decorations->reset();
}

void WwtimeCal::Timer1_Timer()
{
    const QColor now = m_effectLabel->palette().color(QPalette::WindowText);
    setForeColour(m_effectLabel, ColourFromNumber(NextEffectColour(ColourNumber(now))));
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
    if (m_effectTimer->isActive()) {
        m_effectTimer->stop();
        m_effectSwitch->setText(tr(" START "));
        setBackColour(m_effectSwitch, kStoppedRed);
        setForeColour(m_effectLabel, kStoppedRed);
    } else {
        m_effectTimer->start(kEffectIntervalMs);
        m_effectSwitch->setText(tr(" STOP "));
        setBackColour(m_effectSwitch, kRunningGreen);
        setForeColour(m_effectLabel, kEffectBlue);
    }
}

void WwtimeCal::Label8_Click()
{
    m_platform.openWebAddress(QUrl(kMakerWebAddress));
}

} // namespace qarnivo
