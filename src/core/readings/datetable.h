#pragma once

#include <QString>

#include <array>

namespace qarnivo {

// A text for each Hijri (month, day): the occasions and the Thoughts of the
// Day are both kept in one. Cells exist for months 0..12 and days 0..30 so
// that a lookup keyed by any date of the calendar is safe, but only months
// 1..12 and days 1..30 hold text; every other lookup gives the empty string.
class DateTable {
public:
    static constexpr int kLastMonth = 12;
    static constexpr int kLastDay = 30;

    // True for the cells that can hold a text: month 1..12, day 1..30.
    static bool holds(int month, int day);

    // The text of a cell, or "" when there is none or the cell is outside
    // months 1..12 and days 1..30.
    QString at(int month, int day) const;

    // Stores a text; a cell outside months 1..12 and days 1..30 is left
    // alone and false is returned.
    bool set(int month, int day, const QString &text);

    // The number of cells holding a non-empty text.
    int filledCount() const;

    bool operator==(const DateTable &other) const = default;

private:
    std::array<std::array<QString, kLastDay + 1>, kLastMonth + 1> m_cells{};
};

} // namespace qarnivo
