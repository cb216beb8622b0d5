#pragma once

// A compass card drawn north up: the card's ring, north marked at the top
// and a needle from the centre towards the Qibla; without a bearing (at the
// Kaaba or its antipode, or with no place) the card alone.

#include <QPointF>
#include <QWidget>

#include <optional>

namespace qarnivo {

// The tip of a needle of `length` from `centre` at `bearing` degrees from
// north, clockwise, on a screen whose y grows downwards: 90 points right.
QPointF NeedleEnd(const QPointF &centre, double length, double bearing);

class QiblaCompass : public QWidget {
    Q_OBJECT
public:
    explicit QiblaCompass(QWidget *parent = nullptr);

    void setBearing(std::optional<double> bearing);
    std::optional<double> bearing() const { return m_bearing; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<double> m_bearing;
};

} // namespace qarnivo
