#pragma once

#include <QLabel>

namespace qarnivo {

// A picture control that answers a click, like an image control of a form.
class ClickablePicture : public QLabel {
    Q_OBJECT
public:
    explicit ClickablePicture(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace qarnivo
