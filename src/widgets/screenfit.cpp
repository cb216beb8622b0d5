#include "widgets/screenfit.h"

#include "core/placement/windowfit.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>

namespace qarnivo {

namespace {

QList<QRect> availableScreens()
{
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    return screens;
}

// The desktop's frame around `window`: as it is around a shown window (the
// window itself, or the one it belongs to), else the style's estimate.
QMargins frameOf(const QWidget *window)
{
    const QWidget *shown =
        window->isVisible() || !window->parentWidget() ? window : window->parentWidget()->window();
    const QRect frame = shown->frameGeometry();
    const QRect inside = shown->geometry();
    if (shown->isVisible() && frame != inside)
        return {inside.left() - frame.left(), inside.top() - frame.top(),
                frame.right() - inside.right(), frame.bottom() - inside.bottom()};
    const int edge = window->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    return {edge, window->style()->pixelMetric(QStyle::PM_TitleBarHeight), edge, edge};
}

} // namespace

QWidget *ScrollingContents(QWidget *window)
{
    auto *area = new QScrollArea(window);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto *contents = new QWidget(area);
    area->setWidget(contents);
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        main->setCentralWidget(area);
        return contents;
    }
    auto *layout = qobject_cast<QBoxLayout *>(window->layout());
    if (!layout) {
        layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    layout->addWidget(area, 1);
    return contents;
}

void FitToScreen(QWidget *window, const QSize &wanted, const QSize &minimum)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const WindowFit fit =
        FitWindow(wanted, minimum, screen->availableGeometry().marginsRemoved(frameOf(window)));
    window->setMinimumSize(fit.minimum);
    // A shown window keeps its place; only a new one is centred.
    if (window->isVisible())
        window->resize(fit.geometry.size());
    else
        window->setGeometry(fit.geometry);
}

QString StoredGeometry(const QWidget *window)
{
    return GeometryText(window->saveGeometry());
}

bool RestoreStoredGeometry(QWidget *window, const QString &text)
{
    const QByteArray saved = GeometryFromText(text);
    const std::optional<QRect> frame = SavedFrame(saved);
    return frame && FitsAScreen(*frame, availableScreens()) && window->restoreGeometry(saved);
}

bool MoveToStoredPosition(QWidget *window, const QString &text)
{
    const std::optional<QPoint> position = PositionFromText(text);
    if (!position ||
        !FitsAScreen(QRect(*position, window->frameGeometry().size()), availableScreens()))
        return false;
    window->move(*position);
    return true;
}

} // namespace qarnivo
