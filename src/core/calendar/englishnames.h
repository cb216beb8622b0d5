#pragma once

// The calendar's names as the program spells them in English, blanks and
// capitals included, indexed from 0. Free of Qt, so that the program's
// quick start answers a conversion with them; names.h gives them translated.

#include <array>

// The translation tools find the names by this mark; without Qt it is the
// text itself, exactly as Qt defines it.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace qarnivo {

inline constexpr std::array<const char *, 12> kHijriLong = {
    QT_TRANSLATE_NOOP("CalendarNames", "Muharram-ul-Haraam"),
    QT_TRANSLATE_NOOP("CalendarNames", "Safar-ul-Muzaffar"),
    QT_TRANSLATE_NOOP("CalendarNames", "Rabi-ul-Awwal"),
    QT_TRANSLATE_NOOP("CalendarNames", "Rabi-ul-Aakhir"),
    QT_TRANSLATE_NOOP("CalendarNames", "Jamaadil-Awwal"),
    QT_TRANSLATE_NOOP("CalendarNames", "Jamaadil -Aakhir"),
    QT_TRANSLATE_NOOP("CalendarNames", "Rajjab-ul-Marjab"),
    QT_TRANSLATE_NOOP("CalendarNames", "Sha'aban-ul-Moazzam"),
    QT_TRANSLATE_NOOP("CalendarNames", "Ramadhan-ul-Mubarak"),
    QT_TRANSLATE_NOOP("CalendarNames", "Shawwal-ul-Mukarram"),
    QT_TRANSLATE_NOOP("CalendarNames", "Dhiquadat-ul-Haraam"),
    QT_TRANSLATE_NOOP("CalendarNames", "Dhul-Hijjah")};

inline constexpr std::array<const char *, 12> kHijriShort = {
    QT_TRANSLATE_NOOP("CalendarNames", "Muharram"),
    QT_TRANSLATE_NOOP("CalendarNames", "Safar"),
    QT_TRANSLATE_NOOP("CalendarNames", "Rabi-ul-Awwal"),
    QT_TRANSLATE_NOOP("CalendarNames", "Rabi-ul-Aakhir"),
    QT_TRANSLATE_NOOP("CalendarNames", "Jumadil-Awwal"),
    QT_TRANSLATE_NOOP("CalendarNames", "Jumadis -Sani"),
    QT_TRANSLATE_NOOP("CalendarNames", "Rajjab"),
    QT_TRANSLATE_NOOP("CalendarNames", "Sha'aban"),
    QT_TRANSLATE_NOOP("CalendarNames", "Ramadhan"),
    QT_TRANSLATE_NOOP("CalendarNames", "Shawwal"),
    QT_TRANSLATE_NOOP("CalendarNames", "Dhul-aquada"),
    QT_TRANSLATE_NOOP("CalendarNames", "Dhul-Hijjah")};

inline constexpr std::array<const char *, 12> kGregorian = {
    QT_TRANSLATE_NOOP("CalendarNames", "January"),
    QT_TRANSLATE_NOOP("CalendarNames", "February"),
    QT_TRANSLATE_NOOP("CalendarNames", "March"),
    QT_TRANSLATE_NOOP("CalendarNames", "April"),
    QT_TRANSLATE_NOOP("CalendarNames", "May"),
    QT_TRANSLATE_NOOP("CalendarNames", "June"),
    QT_TRANSLATE_NOOP("CalendarNames", "July"),
    QT_TRANSLATE_NOOP("CalendarNames", "August"),
    QT_TRANSLATE_NOOP("CalendarNames", "September"),
    QT_TRANSLATE_NOOP("CalendarNames", "October"),
    QT_TRANSLATE_NOOP("CalendarNames", "November"),
    QT_TRANSLATE_NOOP("CalendarNames", "December")};

inline constexpr std::array<const char *, 7> kWeekDayLong = {
    QT_TRANSLATE_NOOP("CalendarNames", "Sunday"),   QT_TRANSLATE_NOOP("CalendarNames", "Monday"),
    QT_TRANSLATE_NOOP("CalendarNames", "Tuesday"),  QT_TRANSLATE_NOOP("CalendarNames", "Wednesday"),
    QT_TRANSLATE_NOOP("CalendarNames", "Thursday"), QT_TRANSLATE_NOOP("CalendarNames", "Friday"),
    QT_TRANSLATE_NOOP("CalendarNames", "Saturday")};

inline constexpr std::array<const char *, 7> kWeekDayShort = {
    QT_TRANSLATE_NOOP("CalendarNames", "SUN"), QT_TRANSLATE_NOOP("CalendarNames", "MON"),
    QT_TRANSLATE_NOOP("CalendarNames", "TUE"), QT_TRANSLATE_NOOP("CalendarNames", "WED"),
    QT_TRANSLATE_NOOP("CalendarNames", "THU"), QT_TRANSLATE_NOOP("CalendarNames", "FRI"),
    QT_TRANSLATE_NOOP("CalendarNames", "SAT")};

} // namespace qarnivo
