#pragma once

#include <QString>

#include <array>

namespace qarnivo {

// The calendar's vocabulary, indexed from 1; index 0 exists and stays empty.
// Filled once at startup, read-only afterwards.
struct NameTables {
    std::array<QString, 13> HMonthName;  // long Hijri month names (date lines)
    std::array<QString, 13> HMonthShort; // short Hijri month names (lists, captions)
    std::array<QString, 13> GMonthName;  // Gregorian month names
    std::array<QString, 8> WeekDayName;  // 1 = Sunday .. 7 = Saturday
    std::array<QString, 8> WeekDayShort; // "SUN" .. "SAT"
};

void LoadMonthNames(NameTables &tables);
void LoadWeekDayNames(NameTables &tables);

// Both tables, loaded once, for pure code that writes dates into its texts.
const NameTables &CalendarNames();

} // namespace qarnivo
