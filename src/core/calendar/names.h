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

// The names as shown, in the interface language (the translators installed).
void LoadMonthNames(NameTables &tables);
void LoadWeekDayNames(NameTables &tables);

// Both tables as shown, for pure code that writes dates into its texts; read
// anew each time, so that a translator installed later is heard.
NameTables CalendarNames();

// The English names, whatever the language: for JSON and what programs read.
const NameTables &EnglishNames();

// A number as the user reads it: the default locale's digits (Arabic ٠١٢,
// Urdu ۰۱۲), with no group separator, as years and days are written.
QString ShownNumber(qint64 number);

// A date as files and scripts read it, "0622-07-16", "20874-05-30": the
// year zero-padded to four digits.
QString IsoDate(int year, int month, int day);

} // namespace qarnivo
