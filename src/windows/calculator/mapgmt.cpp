#include "windows/calculator/mapgmt.h"

#include "widgets/accessiblenames.h"

#include "widgets/clickablepicture.h"
#include "widgets/contrast.h"
#include "widgets/pictures.h"
#include "windows/calculator/calculatornames.h"

#include <QHBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace qarnivo {

namespace {

ClickablePicture *caption(QWidget *parent, const ControlName &name, const QString &text)
{
    auto *label = Named<ClickablePicture>(parent, name);
    label->setText(text);
    label->setFont(QFont(QStringLiteral("Times New Roman"), 12));
    QPalette palette = label->palette();
    palette.setColor(
        QPalette::WindowText,
        ReadableColour(QColor(0, 0, 255), palette.color(QPalette::Window), kSmallTextContrast));
    label->setPalette(palette);
    return label;
}

} // namespace

MapGMT::MapGMT(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("MapGMT"));
    setWindowTitle(tr("Regional Adjustment of Hijri Date"));

    m_mapPicture = Named<ClickablePicture>(nullptr, calculatornames::MapPicture);
    m_mapPicture->setPixmap(pictures::WorldGmtMap(devicePixelRatioF()));
    m_mapPicture->setFixedSize(pictures::kWorldGmtMapSize);
    m_mapPicture->setToolTip(tr("Click to Close this map"));
    m_scroller = new QScrollArea(this);
    SetControlName(m_scroller, calculatornames::MapScroller);
    m_scroller->setWidget(m_mapPicture);
    m_scroller->setAlignment(Qt::AlignCenter);

    m_closeCaption = caption(this, calculatornames::MapCloseCaption, tr("Click to Close this map"));
    m_closeNote = caption(this, calculatornames::MapCloseNote, tr("Click to Close"));
    auto *captions = new QHBoxLayout;
    captions->addWidget(m_closeCaption);
    captions->addStretch(1);
    captions->addWidget(m_closeNote);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_scroller, 1);
    layout->addLayout(captions);

    connect(m_mapPicture, &ClickablePicture::clicked, this, &MapGMT::Image1_Click);
    connect(m_closeCaption, &ClickablePicture::clicked, this, &MapGMT::Label1_Click);
    connect(m_closeNote, &ClickablePicture::clicked, this, &MapGMT::Label2_Click);
    NameControls(this);
    sizeToScreen();
}

// The whole map when the screen takes it, else as much as fits.
void MapGMT::sizeToScreen()
{
    const int frame = 2 * m_scroller->frameWidth();
    QSize wanted = pictures::kWorldGmtMapSize + QSize(frame + 8, frame + 8);
    wanted.rheight() += m_closeCaption->sizeHint().height() + 6;
    if (const QScreen *shown = screen())
        wanted = wanted.boundedTo(shown->availableGeometry().size() * 9 / 10);
    resize(wanted);
}

void MapGMT::Image1_Click()
{
    hide();
}

void MapGMT::Label1_Click()
{
    hide();
}

void MapGMT::Label2_Click()
{
    hide();
}

} // namespace qarnivo
