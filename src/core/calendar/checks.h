#pragma once

#include "core/calendar/conversion.h"
#include "core/calendar/hijricalendar.h"
#include "core/message.h"

#include <QString>

#include <optional>

namespace qarnivo {

// Why a typed date is not converted: the message box to show, and whether
// the year box that was read is to be emptied (only a year out of range is).
struct Refusal : Message {
    bool emptiesYearBox = false;
};

// The outcome of checking a typed date: the date to convert, or the refusal.
struct CheckedDate {
    Ymd date{};
    std::optional<Refusal> refusal;
};

// The Western date as the conversion panel holds it: the year as typed and
// the month and day picked from the lists. The checks run in a fixed order
// and the first that fails decides the message.
CheckedDate CheckGregorianInput(const QString &yearText, int month, int day);

// The Hijri date as the conversion panel holds it. Day 30 passes in every
// month; in a 29-day month it stands for the 1st of the next month.
CheckedDate CheckHijriInput(const QString &yearText, int month, int day);

// A Hijri date past the end of its month in `calendar` (day 30 of a 29-day
// month), refused as the Western dates are; nothing for a date that exists.
std::optional<Refusal> CheckHijriDay(const HijriCalendar &calendar, const Ymd &date);

// The Hijri year message, which month navigation also shows.
QString HijriYearRangeMessage();

} // namespace qarnivo
