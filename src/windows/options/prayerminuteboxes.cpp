#include "windows/options/prayerminuteboxes.h"

#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

namespace qarnivo {

std::array<QSpinBox *, kPrayerCount> AddPrayerMinuteBoxes(QWidget *parent, QGridLayout *grid,
                                                          const ControlName &name, int least,
                                                          int most)
{
    std::array<QSpinBox *, kPrayerCount> boxes{};
    for (int p = 0; p < kPrayerCount; ++p) {
        auto *box = Named<QSpinBox>(parent, name, p);
        box->setRange(least, most);
        auto *caption = new QLabel(PrayerName(static_cast<Prayer>(p)), parent);
        caption->setBuddy(box);
        grid->addWidget(caption, p / 3, p % 3 * 2);
        grid->addWidget(box, p / 3, p % 3 * 2 + 1);
        boxes[p] = box;
    }
    return boxes;
}

} // namespace qarnivo
