#include "sunpage/mapgmt.h"

#include "platform/accessiblenames.h"

#include "platform/clickablepicture.h"
#include "platform/pictures.h"

#include <QHBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace qarnivo {

namespace {

ClickablePicture *caption(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new ClickablePicture(parent);
    label->setObjectName(name);
    label->setText(text);
    label->setFont(QFont(QStringLiteral("Times New Roman"), 12));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    return label;
}

} // namespace

MapGMT::MapGMT(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("MapGMT"));
    setWindowTitle(QStringLiteral("Regional Adjustment of Hijri Date"));

    Image1 = new ClickablePicture;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(pictures::WorldGmtMap(devicePixelRatioF()));
    Image1->setFixedSize(pictures::kWorldGmtMapSize);
    Image1->setToolTip(QStringLiteral("Click to Close this map"));
    m_scroller = new QScrollArea(this);
    m_scroller->setObjectName(QStringLiteral("MapScroller"));
    m_scroller->setWidget(Image1);
    m_scroller->setAlignment(Qt::AlignCenter);

    Label1 = caption(this, QStringLiteral("Label1"), QStringLiteral("Click to Close this map"));
    Label2 = caption(this, QStringLiteral("Label2"), QStringLiteral("Click to Close"));
    auto *captions = new QHBoxLayout;
    captions->addWidget(Label1);
    captions->addStretch(1);
    captions->addWidget(Label2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_scroller, 1);
    layout->addLayout(captions);

    connect(Image1, &ClickablePicture::clicked, this, &MapGMT::Image1_Click);
    connect(Label1, &ClickablePicture::clicked, this, &MapGMT::Label1_Click);
    connect(Label2, &ClickablePicture::clicked, this, &MapGMT::Label2_Click);
    NameControls(this, {{QStringLiteral("Image1"), QStringLiteral("World map of GMT time zones")},
                        {QStringLiteral("MapScroller"), QStringLiteral("World map")}});
    sizeToScreen();
}

// The whole map when the screen takes it, else as much as fits.
void MapGMT::sizeToScreen()
{
    const int frame = 2 * m_scroller->frameWidth();
    QSize wanted = pictures::kWorldGmtMapSize + QSize(frame + 8, frame + 8);
    wanted.rheight() += Label1->sizeHint().height() + 6;
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
