#include "core/calendar/sunsetday.h"

#include "core/calendar/conversion.h"
#include "core/calendar/names.h"

#include <QCoreApplication>

namespace qarnivo {

bool IsHijriEve(const QDateTime &local, std::optional<int> maghribMinute)
{
    return local.isValid() && maghribMinute &&
           local.time().msecsSinceStartOfDay() / 60000 >= *maghribMinute;
}

QString EveLine(const Ymd &hijri, const NameTables &names)
{
    return QCoreApplication::translate("DateLines", "Eve of %1 %2 %3")
        .arg(ShownNumber(hijri.day), names.HMonthShort[hijri.month], ShownNumber(hijri.year));
}

QString NoMaghribLine()
{
    return QCoreApplication::translate("DateLines",
                                       "No Maghrib today: the Hijri day changes at midnight");
}

} // namespace qarnivo
