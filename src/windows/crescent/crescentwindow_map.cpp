// The New Crescent window's map: computed on a thread of its own, shown
// scaled to its label, and saved as a PNG file.

#include "windows/crescent/crescentwindow.h"

#include "core/crescent/crescentmap.h"
#include "platform/platform.h"
#include "widgets/crescentmappicture.h"
#include "widgets/placechooser.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QThreadPool>

namespace qarnivo {

// Only a shown window computes its map; a change while it is computed asks
// for a new one, and the older result is dropped when it comes.
void CrescentWindow::requestMap()
{
    const int request = ++m_mapRequest;
    m_map = QImage();
    m_saveButton->setEnabled(false);
    m_mapPicture->setPixmap(QPixmap());
    const QDate date = eveningDate(m_mapEvening->currentIndex());
    if (!isVisible() || !crescent::SupportedDate(date.year(), date.month(), date.day())) {
        m_mapPicture->setText(QString());
        return;
    }
    m_mapPicture->setText(tr("Computing the map\u2026"));
    const crescent::Criterion criterion = m_criterion;
    const QList<crescent::LandRing> land = m_land;
    const std::optional<CrescentMapMark> mark = m_mark;
    QPointer<CrescentWindow> window(this);
    // The global pool, which the application waits for as it ends, so that
    // no map outlives it half drawn.
    QThreadPool::globalInstance()->start([=] {
        const QImage picture = DrawCrescentMap(
            crescent::ComputeCrescentMap(date.year(), date.month(), date.day(), criterion), land,
            mark);
        if (QCoreApplication *application = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                application,
                [=] {
                    if (window)
                        window->receiveMap(request, picture);
                },
                Qt::QueuedConnection);
    });
}

void CrescentWindow::receiveMap(int request, const QImage &map)
{
    if (request != m_mapRequest)
        return;
    m_map = map;
    m_saveButton->setEnabled(!map.isNull());
    showMap();
    emit mapShown();
}

void CrescentWindow::showMap()
{
    if (m_map.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    QPixmap picture = QPixmap::fromImage(
        m_map.scaled(m_mapPicture->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture.setDevicePixelRatio(ratio);
    m_mapPicture->setPixmap(picture);
}

void CrescentWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_map.isNull())
        requestMap();
}

void CrescentWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    showMap();
}

void CrescentWindow::SaveMap_Click()
{
    const QDate date = eveningDate(m_mapEvening->currentIndex());
    const QString suggested =
        QDir(m_platform.applicationFolder())
            .filePath(QStringLiteral("New Crescent %1.png").arg(date.toString(Qt::ISODate)));
    const QString path = m_platform.saveFileName(suggested);
    if (path.isEmpty() || m_map.isNull())
        return;
    if (const QString reason = SaveCrescentMapPicture(path, m_map); !reason.isEmpty())
        m_platform.messageBox(tr("The map could not be saved:\r\n%1\r\n%2")
                                  .arg(QDir::toNativeSeparators(path), reason),
                              MsgIcon::Exclamation, MsgButtons::Ok);
}

} // namespace qarnivo
