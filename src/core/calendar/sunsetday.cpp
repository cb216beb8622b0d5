#include "core/calendar/sunsetday.h"

#include "core/calendar/conversion.h"
#include "core/calendar/names.h"

namespace qarnivo {

bool IsHijriEve(const QDateTime &local, std::optional<int> maghribMinute)
{
    return local.isValid() && maghribMinute &&
           local.time().msecsSinceStartOfDay() / 60000 >= *maghribMinute;
}

QString EveLine(const Ymd &hijri, const NameTables &names)
{
    return QStringLiteral("Eve of %1 %2 %3")
        .arg(hijri.day)
        .arg(names.HMonthShort[hijri.month])
        .arg(hijri.year);
}

QString NoMaghribLine()
{
    return QStringLiteral("No Maghrib today: the Hijri day changes at midnight");
}

} // namespace qarnivo
