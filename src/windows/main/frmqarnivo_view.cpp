// The full and the short view, the banner below the window's normal height,
// and the window's answers to the pointer.

#include "windows/main/frmqarnivo.h"

#include "core/settings/settingscatalogue.h"
#include "platform/platform.h"
#include "platform/settingsstore.h"
#include "widgets/clickablepicture.h"
#include "widgets/contrast.h"
#include "widgets/decorationstacks.h"
#include "widgets/pictures.h"
#include "windows/main/controlnames.h"
#include "windows/main/conversionpanel.h"
#include "windows/main/layout.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>

namespace qarnivo {

namespace {

// The banner's colours by number; 0 is the window's own.
QColor bannerColour(int index, const QColor &windowColour)
{
    switch (index) {
    case 0:
        return windowColour;
    case 1:
        return QColor(255, 255, 255);
    case 2:
        return QColor(255, 224, 192);
    case 3:
        return QColor(255, 255, 192);
    case 4:
        return QColor(192, 255, 192);
    case 5:
        return QColor(192, 255, 255);
    default:
        return QColor(255, 192, 255);
    }
}

const char *const kInvocation = QT_TRANSLATE_NOOP(
    "qarnivo::frmqarnivo", "In the Name of Allâh, the Most Beneficent, the Most Merciful.");

} // namespace

void frmqarnivo::createFeedbackControls()
{
    QWidget *area = m_contents;
    area->setMouseTracking(true);
    area->installEventFilter(this);
    const QSize size = pictures::kDecorationSize;
    m_decorations = new DecorationStacks(
        area, m_scale.rect(layout::kSideLeft + 8, 420, size.width(), size.height()), area,
        m_scale.rect(layout::kSideLeft + 76, 420, size.width(), size.height()),
        devicePixelRatioF());

    m_invocation = Named<ClickablePicture>(area, mainnames::Invocation);
    m_invocation->setPixmap(
        designPicture(pictures::InvocationPicture(), QSize(layout::kSideWidth, 44)));
    m_invocation->setAlignment(Qt::AlignCenter);
    m_invocation->setGeometry(m_scale.rect(layout::kSideLeft, 372, layout::kSideWidth, 44));
    connect(m_invocation, &ClickablePicture::clicked, this, &frmqarnivo::Image8_Click);

    for (int month = 1; month <= 12; ++month)
        connect(m_monthPictures[month], &ClickablePicture::clicked, this,
                [this, month] { Image1_Click(month); });

    m_banner = Named<ClickablePicture>(area, mainnames::Banner);
    m_banner->setAutoFillBackground(true);
    m_banner->setPixmap(designPicture(pictures::BannerPicture(), pictures::kBannerSize));
    m_banner->setAlignment(Qt::AlignCenter);
    m_banner->setGeometry(m_scale.rect(0, layout::kShortHeight, layout::kFullWidth, 60));
    m_banner->setToolTip(tr("Click to change the colour"));
    connect(m_banner, &ClickablePicture::clicked, this, &frmqarnivo::Picture2_Click);

    for (QLabel *label :
         {m_cityName, m_cityCaptions[0], m_cityCaptions[1], m_cityLatitude, m_cityLongitude}) {
        label->setToolTip(tr("Double Click for more..."));
        label->installEventFilter(this);
        m_cityLabels.append(label);
    }
    for (QWidget *hovered : {static_cast<QWidget *>(m_cityName), static_cast<QWidget *>(m_webLink)})
        hovered->setMouseTracking(true);
    m_conversionPanel->raise();
    m_infoPanel->raise();
}

void frmqarnivo::Optionz_Click()
{
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    m_viewFull = !m_viewFull;
    if (m_viewFull) {
        fitView(QSize(m_scale(layout::kFullWidth), height()));
        m_viewCommand->setText(tr("&ViewShort"));
    } else {
        fitView(m_scale.size(layout::kShortWidth, layout::kShortHeight));
        m_viewCommand->setText(tr("&ViewFull"));
    }
    m_windowFull = m_viewFull;
    m_conversionCommand->setEnabled(m_windowFull);
    WriteBoolSetting(m_platform, SettingKey::WindowFull, m_windowFull);
}

void frmqarnivo::Picture2_Click()
{
    QPalette banner = m_banner->palette();
    banner.setColor(QPalette::Window, bannerColour(m_dovrellBG, palette().color(QPalette::Window)));
    m_banner->setPalette(banner);
    WriteIntSetting(m_platform, SettingKey::DovrellBG, m_dovrellBG);
    m_dovrellBG = static_cast<qint16>(m_dovrellBG + 1 > 6 ? 0 : m_dovrellBG + 1);
}

void frmqarnivo::Image1_Click(int month)
{
    m_platform.messageBox(m_names.HMonthName[month].toUpper(), MsgIcon::Information,
                          MsgButtons::Ok);
}

void frmqarnivo::Image8_Click()
{
    m_platform.messageBox(tr(kInvocation).toUpper(), MsgIcon::Information, MsgButtons::Ok);
}

bool frmqarnivo::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    // A pointer event that a control answers stops there, so that it does
    // not reach the window background, whose move resets the feedback.
    case QEvent::MouseMove:
        if (pointerMoved(watched))
            return watched != m_contents;
        break;
    case QEvent::MouseButtonDblClick:
        if (doubleClicked(watched))
            return true;
        break;
    case QEvent::KeyPress:
        if (watched == m_dayGrid && gridKey(static_cast<const QKeyEvent &>(*event)))
            return true;
        break;
    case QEvent::MouseButtonRelease:
        if (watched == m_webLink) {
            Label8_Click();
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Escape closes the panel over the window, the information panel before the
// conversion panel below it; with neither open it does nothing.
void frmqarnivo::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier)
        return QMainWindow::keyPressEvent(event);
    if (m_infoPanel->isVisible())
        Text6_DblClick();
    else
        m_conversionPanel->hide();
}

bool frmqarnivo::pointerMoved(QObject *watched)
{
    if (watched == m_contents) {
        resetFeedback();
        return true;
    }
    if (watched == m_cityName) {
        QFont bold = m_cityName->font();
        bold.setBold(true);
        m_cityName->setFont(bold);
        m_cityName->setStyleSheet(readableRule(QColor(255, 0, 0), kLargeTextContrast));
        return true;
    }
    if (watched == m_webLink) {
        m_webLink->setStyleSheet(readableRule(QColor(255, 0, 255), kLargeTextContrast) +
                                 QStringLiteral("text-decoration: underline;"));
        return true;
    }
    return false;
}

bool frmqarnivo::doubleClicked(QObject *watched)
{
    if (watched == m_infoPanel->viewport()) {
        Text6_DblClick();
        return true;
    }
    if (watched == m_translationCredits) {
        Image7_DblClick();
        return true;
    }
    if (m_cityLabels.contains(watched)) {
        askForSunriseTimes();
        return true;
    }
    return false;
}

void frmqarnivo::resetFeedback()
{
    m_decorations->reset();
    m_webLink->setStyleSheet(readableRule(QColor(0, 0, 255), kSmallTextContrast));
    QFont plain = m_cityName->font();
    plain.setBold(false);
    m_cityName->setFont(plain);
    m_cityName->setStyleSheet(readableRule(QColor(0, 0, 0), kSmallTextContrast));
}

void frmqarnivo::askForSunriseTimes()
{
    const MsgAnswer answer = m_platform.messageBox(
        tr("Click SunriseSunset menu item to know the Sunrise and Sunset timings\r\n"
           "of your city of choice. Want to know?\r\n"),
        MsgIcon::Information, MsgButtons::YesNoCancel);
    if (answer == MsgAnswer::Yes)
        m_sunTimesCommand->trigger();
}

} // namespace qarnivo
