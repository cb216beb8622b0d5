#pragma once

#include "core/prayer/prayertimes.h"
#include "widgets/namedcontrol.h"

#include <array>

class QGridLayout;
class QSpinBox;
class QWidget;

namespace qarnivo {

// One box of minutes per time of the day, named `name`(0..5) and captioned
// with the time's name, three to a row in the order the day runs.
std::array<QSpinBox *, kPrayerCount> AddPrayerMinuteBoxes(QWidget *parent, QGridLayout *grid,
                                                          const ControlName &name, int least,
                                                          int most);

} // namespace qarnivo
