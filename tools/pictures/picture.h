#pragma once

#include <QPainter>
#include <QSize>
#include <QString>

#include <functional>

namespace picturegen {

// One picture to write: its file name without extension, its size in
// logical pixels, and how to draw it in those logical pixels on a
// transparent ground. The writer renders it at 1x and at 2x (name@2x.png).
struct Picture {
    QString name;
    QSize size;
    std::function<void(QPainter &)> draw;
};

} // namespace picturegen
