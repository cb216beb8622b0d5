#pragma once

// Julian Days and the difference between the Earth's clock (UT) and the
// uniform time of the ephemerides (TT).

namespace qarnivo::crescent {

inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kDaysPerCentury = 36525.0;

// The Julian Day of 0h UT on a Gregorian date.
double JulianDayAtMidnight(int year, int month, int day);

// TT - UT in seconds at a Julian Day (UT).
double DeltaT(double julianDayUT);

// Julian centuries of TT since J2000.0 at a Julian Day (UT).
double CenturiesTT(double julianDayUT);

} // namespace qarnivo::crescent
