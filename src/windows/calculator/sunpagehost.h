#pragma once

// What the calculator window needs of the calendar window that opens it:
// the default city they share, the page's fixed head lines, the prayer
// choices in force, whether the manual is there, the start-up choice, the
// calendar window itself to bring back, and the map window, which outlives
// every calculator window. The calendar window implements it; the calculator
// knows nothing else of it.

#include "core/places/cityfile.h"
#include "core/prayer/prayertimes.h"

#include <QStringList>

namespace qarnivo {

class MapGMT;

class SunPageHost {
public:
    virtual const CityInfo &currentCity() const = 0;
    virtual void setCurrentCity(const CityInfo &city) = 0;
    virtual const QStringList &pageLines() const = 0;
    // The prayer choices in force, which the page starts on.
    virtual const PrayerSettings &prayerSettings() const = 0;
    virtual bool manualPresent() const = 0;
    virtual void setShowFirst(bool show) = 0;
    // Shows the calendar window again when the calculator closes.
    virtual void showCalendar() = 0;
    virtual MapGMT &mapWindow() = 0;

protected:
    ~SunPageHost() = default;
};

} // namespace qarnivo
