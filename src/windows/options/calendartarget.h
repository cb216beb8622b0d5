#pragma once

// What the Options window changes in the calendar window it belongs to: the
// day correction and the grid's colours, followed by a new layout and a
// redraw of the shown month; the calendar; the prayer times' settings. The calendar window
// implements it; the Options window knows nothing else of that window.

#include "core/calendar/ummalqura.h"
#include "core/prayer/prayertimes.h"
#include "widgets/colourschemes.h"

namespace qarnivo {

class CalendarTarget {
public:
    virtual qint16 dayCorrection() const = 0;
    virtual void setDayCorrection(qint16 days) = 0;
    virtual void setGridColours(const ColourScheme &scheme) = 0;
    virtual void setColorIndex(qint16 index) = 0;
    // The shown month's first weekday and length, then its redraw.
    virtual void No_HMonthDays() = 0;
    virtual void StartFirst() = 0;
    // The Hijri calendar the window follows; a change redraws it.
    virtual CalendarKind hijriCalendar() const = 0;
    virtual void setHijriCalendar(CalendarKind calendar) = 0;
    // The prayer times' settings; a change recomputes the times shown.
    virtual PrayerSettings prayerSettings() const = 0;
    virtual void setPrayerSettings(const PrayerSettings &settings) = 0;
    // The icon in the system tray and the reminders at prayer times.
    virtual bool trayShown() const = 0;
    virtual void setTrayShown(bool shown) = 0;
    virtual bool remindersOn() const = 0;
    virtual void setRemindersOn(bool on) = 0;

protected:
    ~CalendarTarget() = default;
};

} // namespace qarnivo
