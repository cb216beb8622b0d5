#pragma once

#include <QWidget>

class QScrollArea;

namespace qarnivo {

class ClickablePicture;

// The world time-zone map beside the calculator window. A click on the map
// or on either of its captions hides the window; it is shown again from the
// calculator window's "World GMT Map" menu. On a screen smaller than the map
// the picture scrolls.
class MapGMT : public QWidget {
    Q_OBJECT
public:
    explicit MapGMT(QWidget *parent = nullptr);

public slots:
    void Image1_Click();
    void Label1_Click();
    void Label2_Click();

private:
    void sizeToScreen();

    QScrollArea *m_scroller = nullptr;
    ClickablePicture *m_mapPicture = nullptr;
    ClickablePicture *m_closeCaption = nullptr;
    ClickablePicture *m_closeNote = nullptr;
};

} // namespace qarnivo
