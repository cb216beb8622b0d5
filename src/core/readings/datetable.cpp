#include "core/readings/datetable.h"

namespace qarnivo {

bool DateTable::holds(int month, int day)
{
    return month >= 1 && month <= kLastMonth && day >= 1 && day <= kLastDay;
}

QString DateTable::at(int month, int day) const
{
    if (!holds(month, day))
        return {};
    return m_cells[month][day];
}

bool DateTable::set(int month, int day, const QString &text)
{
    if (!holds(month, day))
        return false;
    m_cells[month][day] = text;
    return true;
}

int DateTable::filledCount() const
{
    int count = 0;
    for (const auto &month : m_cells) {
        for (const QString &cell : month) {
            if (!cell.isEmpty())
                ++count;
        }
    }
    return count;
}

} // namespace qarnivo
