#pragma once

// The two stacks of decoration pictures that the calendar and the calculator
// windows show: three looks of a star, Image4 (1..3), and two of a rosette,
// Image6 (0, 1), each stack at one place with its resting look on top.
// Pointing at a stack hides the resting look and uncovers the lit one;
// pressing hides the lit look too, uncovering the pressed one. reset()
// brings every look back, as pointing at the window's background does.
// Their object names: "Image4(1)", "Image4(2)", "Image4(3)", "Image6(0)" and
// "Image6(1)".

#include <QObject>
#include <QRect>

#include <array>

class QLabel;
class QWidget;

namespace qarnivo {

class DecorationStacks : public QObject {
public:
    // The stars go into `starParent` at `starPlace`, the rosette into
    // `rosetteParent` at `rosettePlace`; pictures are drawn for a screen of
    // `devicePixelRatio`.
    DecorationStacks(QWidget *starParent, const QRect &starPlace, QWidget *rosetteParent,
                     const QRect &rosettePlace, qreal devicePixelRatio);

    void reset();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *look(QWidget *parent, const char *name, int member, const QPixmap &picture,
                 const QRect &place);

    std::array<QLabel *, 4> m_stars{};    // 1..3
    std::array<QLabel *, 2> m_rosettes{}; // 0..1
};

} // namespace qarnivo
