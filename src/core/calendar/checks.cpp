#include "core/calendar/checks.h"

#include "core/calendar/leadingnumber.h"
#include "core/calendar/names.h"

#include <QCoreApplication>

namespace qarnivo {

namespace {

CheckedDate refuse(const QString &text, MsgIcon icon, bool emptiesYearBox = false)
{
    return {{}, Refusal{{text, icon, MsgButtons::Ok}, emptiesYearBox}};
}

CheckedDate refuseWestern(const QString &text)
{
    return refuse(text, MsgIcon::Exclamation);
}

} // namespace

QString HijriYearRangeMessage()
{
    return QCoreApplication::translate("Messages",
                                       "The Year Value must be between 1 AH & 20874 AH");
}

CheckedDate CheckGregorianInput(const QString &yearText, int month, int day)
{
    const double yearValue = ReadLeadingNumber(yearText);
    if (!(yearValue >= 622.0 && yearValue <= 20874.0))
        return refuse(QCoreApplication::translate(
                          "Messages", "The Year Value must be between 622 AD & 20874 AD "
                                      "i.e.\r\nfrom 1st Muharram 1 Hijri to 30.05.20874 AH/AD"),
                      MsgIcon::Exclamation, true);
    const int year = RoundHalfEven(yearValue);
    if (year == 622 && (month < 7 || (month == 7 && day < 16)))
        return refuseWestern(QCoreApplication::translate(
            "Messages", "Invalid Date. Dates prior to 16th July 622 AD (i.e. Before Hijri "
                        "Era)\r\nmight yield erroneous by this program."));
    if (year == 20874 && (month > 5 || (month == 5 && day > 30)))
        return refuseWestern(QCoreApplication::translate(
            "Messages", "Invalid Date. Dates beyond 30th May 20874 AD shall\r\nmight yield "
                        "erroneous by this program."));
    if (month == 2 && IsLeapYear(year) && day > 29)
        return refuseWestern(
            QCoreApplication::translate("Messages", "INVALID DATE, DAY VALUE SHOULD BE UPTO 29"));
    if (month == 2 && !IsLeapYear(year) && day > 28)
        return refuseWestern(
            QCoreApplication::translate("Messages", "Invalid date, Day value should be upto 28"));
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day > 30)
        return refuseWestern(
            QCoreApplication::translate("Messages", "Invalid date, Day value should be upto 30"));
    if (year == 1582 && month == 10 && day >= 5 && day <= 14)
        return refuseWestern(QCoreApplication::translate(
            "Messages", "Invalid Date. Dates between 5th October 1582 & 14th October 1582\r\nare "
                        "not valid due to adustment of in between 10 days to make the\r\nGregorian "
                        "at par with Julian Calendar."));
    return {{year, month, day}, std::nullopt};
}

CheckedDate CheckHijriInput(const QString &yearText, int month, int day)
{
    const double yearValue = ReadLeadingNumber(yearText);
    if (!(yearValue >= 1.0 && yearValue <= 20874.0))
        return refuse(HijriYearRangeMessage(), MsgIcon::None, true);
    const int year = RoundHalfEven(yearValue);
    if (year == kLastHijriDate.year && month > kLastHijriDate.month)
        return refuse(QCoreApplication::translate(
                          "Messages", "Invalid Date. Dates beyond to 30th Jumadil-Awwal 20874 "
                                      "AH\r\nmight yield erroneous by this program."),
                      MsgIcon::Exclamation);
    return {{year, month, day}, std::nullopt};
}

std::optional<Refusal> CheckHijriDay(const HijriCalendar &calendar, const Ymd &date)
{
    const int days = calendar.monthDays(date.year, date.month);
    if (date.day <= days)
        return std::nullopt;
    return refuseWestern(QCoreApplication::translate("Messages", "Invalid date, %1 %2 has %3 days")
                             .arg(CalendarNames().HMonthShort[date.month], ShownNumber(date.year),
                                  ShownNumber(days)))
        .refusal;
}

} // namespace qarnivo
