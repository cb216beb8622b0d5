// The full and the short view, the banner below the window's normal height,
// and the window's answers to the pointer.

#include "mainwindow/frmqarnivo.h"

#include "calendar/conversionpanel.h"
#include "mainwindow/layout.h"
#include "platform/clickablepicture.h"
#include "platform/contrast.h"
#include "platform/pictures.h"
#include "platform/platform.h"
#include "settings/settingscatalogue.h"
#include "settings/settingsstore.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

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

const QString kInvocation =
    QStringLiteral("In the Name of Allâh, the Most Beneficent, the Most Merciful.");

QLabel *stackedPicture(QWidget *parent, const QString &name, const QPixmap &picture,
                       const QRect &place)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(picture);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(place);
    label->setMouseTracking(true);
    return label;
}

} // namespace

void frmqarnivo::createFeedbackControls()
{
    QWidget *area = centralWidget();
    area->setMouseTracking(true);
    area->installEventFilter(this);
    using pictures::DecorationPicture;
    using pictures::DecorationSet;
    const QSize size = pictures::kDecorationSize;
    const QRect starPlace = m_scale.rect(layout::kSideLeft + 8, 420, size.width(), size.height());
    const QRect rosettePlace =
        m_scale.rect(layout::kSideLeft + 76, 420, size.width(), size.height());
    // Stacked from the bottom up: Image4 (3), (1), (2); Image6 (0), (1).
    for (const int member : {3, 1, 2})
        Image4[member] = stackedPicture(
            area, QStringLiteral("Image4(%1)").arg(member),
            designPicture(DecorationPicture(DecorationSet::Image4, member), size), starPlace);
    for (const int member : {0, 1})
        Image6[member] = stackedPicture(
            area, QStringLiteral("Image6(%1)").arg(member),
            designPicture(DecorationPicture(DecorationSet::Image6, member), size), rosettePlace);

    Image8 = new ClickablePicture(area);
    Image8->setObjectName(QStringLiteral("Image8"));
    Image8->setPixmap(designPicture(pictures::InvocationPicture(), QSize(layout::kSideWidth, 44)));
    Image8->setAlignment(Qt::AlignCenter);
    Image8->setGeometry(m_scale.rect(layout::kSideLeft, 372, layout::kSideWidth, 44));
    connect(Image8, &ClickablePicture::clicked, this, &frmqarnivo::Image8_Click);

    for (int month = 1; month <= 12; ++month)
        connect(Image1[month], &ClickablePicture::clicked, this,
                [this, month] { Image1_Click(month); });

    Picture2 = new ClickablePicture(area);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAutoFillBackground(true);
    Picture2->setPixmap(designPicture(pictures::BannerPicture(), pictures::kBannerSize));
    Picture2->setAlignment(Qt::AlignCenter);
    Picture2->setGeometry(m_scale.rect(0, layout::kShortHeight, layout::kFullWidth, 60));
    Picture2->setToolTip(QStringLiteral("Click to change the colour"));
    connect(Picture2, &ClickablePicture::clicked, this, &frmqarnivo::Picture2_Click);

    for (const char *name : {"Label12", "Label5", "Label9", "Label10", "Label11"}) {
        auto *label = findChild<QLabel *>(QLatin1String(name));
        label->setToolTip(QStringLiteral("Double Click for more..."));
        label->installEventFilter(this);
        m_cityLabels.append(label);
    }
    for (QWidget *hovered : {static_cast<QWidget *>(Label12), static_cast<QWidget *>(Label8)})
        hovered->setMouseTracking(true);
    for (QLabel *picture : {Image4[1], Image4[2], Image4[3], Image6[0], Image6[1]})
        picture->installEventFilter(this);
    Frame3->raise();
    Text6->raise();
}

void frmqarnivo::Optionz_Click()
{
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    const bool fullNow = View->text() == QLatin1String("&ViewShort");
    if (fullNow) {
        resize(m_scale.size(layout::kShortWidth, layout::kShortHeight));
        View->setText(QStringLiteral("&ViewFull"));
    } else {
        resize(m_scale(layout::kFullWidth), height());
        View->setText(QStringLiteral("&ViewShort"));
    }
    m_windowFull = !fullNow;
    ConvertDate->setEnabled(m_windowFull);
    WriteBoolSetting(m_platform, SettingKey::WindowFull, m_windowFull);
}

void frmqarnivo::Picture2_Click()
{
    QPalette banner = Picture2->palette();
    banner.setColor(QPalette::Window, bannerColour(m_dovrellBG, palette().color(QPalette::Window)));
    Picture2->setPalette(banner);
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
    m_platform.messageBox(kInvocation.toUpper(), MsgIcon::Information, MsgButtons::Ok);
}

bool frmqarnivo::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    // A pointer event that a control answers stops there, so that it does
    // not reach the window background, whose move resets the feedback.
    case QEvent::MouseMove:
        if (pointerMoved(watched))
            return watched != centralWidget();
        break;
    case QEvent::MouseButtonPress:
        if (buttonPressed(watched))
            return true;
        break;
    case QEvent::MouseButtonDblClick:
        if (doubleClicked(watched))
            return true;
        break;
    case QEvent::MouseButtonRelease:
        if (watched == Label8) {
            Label8_Click();
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool frmqarnivo::pointerMoved(QObject *watched)
{
    if (watched == centralWidget()) {
        resetFeedback();
        return true;
    }
    if (watched == Image4[1] || watched == Image4[2] || watched == Image4[3]) {
        Image4[2]->hide();
        return true;
    }
    if (watched == Image6[0] || watched == Image6[1]) {
        Image6[1]->hide();
        return true;
    }
    if (watched == Label12) {
        QFont bold = Label12->font();
        bold.setBold(true);
        Label12->setFont(bold);
        Label12->setStyleSheet(readableRule(QColor(255, 0, 0), kLargeTextContrast));
        return true;
    }
    if (watched == Label8) {
        Label8->setStyleSheet(readableRule(QColor(255, 0, 255), kLargeTextContrast) +
                              QStringLiteral("text-decoration: underline;"));
        return true;
    }
    return false;
}

bool frmqarnivo::buttonPressed(QObject *watched)
{
    if (watched == Image4[1] || watched == Image4[2] || watched == Image4[3]) {
        Image4[1]->hide();
        return true;
    }
    if (watched == Image6[0] || watched == Image6[1]) {
        Image6[0]->hide();
        return true;
    }
    return false;
}

bool frmqarnivo::doubleClicked(QObject *watched)
{
    if (watched == Text6->viewport()) {
        Text6_DblClick();
        return true;
    }
    if (watched == Image7) {
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
    for (QLabel *picture : {Image6[1], Image6[0], Image4[1], Image4[2]})
        picture->show();
    Label8->setStyleSheet(readableRule(QColor(0, 0, 255), kSmallTextContrast));
    QFont plain = Label12->font();
    plain.setBold(false);
    Label12->setFont(plain);
    Label12->setStyleSheet(readableRule(QColor(0, 0, 0), kSmallTextContrast));
}

void frmqarnivo::askForSunriseTimes()
{
    const MsgAnswer answer = m_platform.messageBox(
        QStringLiteral("Click SunriseSunset menu item to know the Sunrise and Sunset timings\r\n"
                       "of your city of choice. Want to know?\r\n"),
        MsgIcon::Information, MsgButtons::YesNoCancel);
    if (answer == MsgAnswer::Yes)
        SunRiseSunSet->trigger();
}

} // namespace qarnivo
