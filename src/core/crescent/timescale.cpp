#include "core/crescent/timescale.h"

#include "core/calendar/conversion.h"

namespace qarnivo::crescent {

double JulianDayAtMidnight(int year, int month, int day)
{
    return GregorianToJulianDay(year, month, day) - 0.5;
}

namespace {

// Horner's scheme over coefficients from the constant term up.
template <int N> double Polynomial(double x, const double (&c)[N])
{
    double sum = 0;
    for (int i = N - 1; i >= 0; --i)
        sum = sum * x + c[i];
    return sum;
}

} // namespace

// Espenak and Meeus, "Polynomial expressions for Delta T", NASA Eclipse web
// site (2006), from 1500 on; the year runs continuously with the Julian Day.
double DeltaT(double julianDayUT)
{
    const double y = 2000 + (julianDayUT - kJ2000) / 365.25;
    if (y < 1600)
        return Polynomial((y - 1000) / 100, {1574.2, -556.01, 71.23472, 0.319781, -0.8503463,
                                             -0.005050998, 0.0083572073});
    if (y < 1700)
        return Polynomial(y - 1600, {120, -0.9808, -0.01532, 1.0 / 7129});
    if (y < 1800)
        return Polynomial(y - 1700, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000});
    if (y < 1860)
        return Polynomial(y - 1800, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436,
                                     0.0000121272, -0.0000001699, 0.000000000875});
    if (y < 1900)
        return Polynomial(y - 1860,
                          {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174});
    if (y < 1920)
        return Polynomial(y - 1900, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    if (y < 1941)
        return Polynomial(y - 1920, {21.20, 0.84493, -0.076100, 0.0020936});
    if (y < 1961)
        return Polynomial(y - 1950, {29.07, 0.407, -1.0 / 233, 1.0 / 2547});
    if (y < 1986)
        return Polynomial(y - 1975, {45.45, 1.067, -1.0 / 260, -1.0 / 718});
    if (y < 2005)
        return Polynomial(y - 2000,
                          {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    if (y < 2050)
        return Polynomial(y - 2000, {62.92, 0.32217, 0.005589});
    const double u = (y - 1820) / 100;
    if (y < 2150)
        return -20 + 32 * u * u - 0.5628 * (2150 - y);
    return -20 + 32 * u * u;
}

double CenturiesTT(double julianDayUT)
{
    return (julianDayUT + DeltaT(julianDayUT) / 86400 - kJ2000) / kDaysPerCentury;
}

} // namespace qarnivo::crescent
