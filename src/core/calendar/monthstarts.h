#pragma once

// Month starts as the user's community announces them: "1 Ramadhan 1447 =
// 18 February 2026". Plain values and their texts: the stored form, the
// sharing file, and the check against the chosen calendar. HijriCalendar
// holds them and applies the ones that pass; monthstartedit.h changes them.

#include "core/calendar/ummalqura.h"

#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace qarnivo {

// The months that may be announced. Not the first year, so that every
// announced month has a month before it; not the last year of the view, so
// that it has one after it.
inline constexpr int kFirstAnnouncedYear = 2;
inline constexpr int kLastAnnouncedYear = 9665;
// How far an announced 1st may lie from the chosen calendar's 1st.
inline constexpr int kMostDaysFromCalendar = 2;

// One announcement: Hijri month `month` of `year` began on Julian Day `firstDay`.
struct AnnouncedStart {
    int year = 0;
    int month = 0;
    qint32 firstDay = 0;

    friend bool operator==(const AnnouncedStart &, const AnnouncedStart &) = default;
};

// At most one announcement per Hijri month, in the order of the months.
class MonthStarts {
public:
    std::optional<qint32> firstDayOf(int year, int month) const;
    bool isEmpty() const { return m_firstDays.empty(); }
    int size() const { return int(m_firstDays.size()); }
    std::vector<AnnouncedStart> entries() const;

    // A second announcement of a month replaces the first.
    void set(const AnnouncedStart &start);
    void remove(int year, int month);

    friend bool operator==(const MonthStarts &, const MonthStarts &) = default;

private:
    std::map<int, qint32> m_firstDays; // by months since the era: year * 12 + month - 1
};

// `added` laid over `base`: a month in both takes the added start.
MonthStarts Merged(const MonthStarts &base, const MonthStarts &added);

// "Ramadhan 1447" and "1 Ramadhan 1447 = 18 February 2026", as messages name them.
QString AnnouncedMonthText(int year, int month);
QString AnnouncedStartText(const AnnouncedStart &start);
// The grid's tooltip on a month begun by announcement: "Begun by
// announcement on 18 February 2026".
QString AnnouncedMarkTip(qint32 firstDay);

// One entry as stored and as the command line takes it: "1447-09=2026-02-18"
// (Western date in the calendar in force, as everywhere in the program).
// Nothing when it cannot be read or names a month or day out of range.
std::optional<AnnouncedStart> ReadAnnouncedStart(const QString &text);

// The stored form: entries "1447-09=2026-02-18" separated by spaces, in the
// order of the months. An unreadable stored entry is left out, the others kept.
MonthStarts MonthStartsFromSetting(const QString &text);
QString MonthStartsSettingText(const MonthStarts &starts);

// The sharing file (UTF-8 text): one month a line, "1447-09 2026-02-18";
// "#" begins a comment, blank lines are allowed. A file with any bad line is
// refused whole: `refusal` names the first such line and why, and `starts`
// is then empty.
struct SharedStarts {
    MonthStarts starts;
    QString refusal;
};
SharedStarts ReadSharingFile(const QString &text);
QString SharingFileText(const MonthStarts &starts);

// An announcement the chosen calendar cannot take, and why, in words that
// name the months and dates.
struct SetAsideStart {
    AnnouncedStart start;
    QString reason;
};

// Splits `starts` into those the calendar can take and those it sets aside:
// an announced 1st more than kMostDaysFromCalendar days from the calendar's,
// or one that leaves a month (its own or the one before) shorter than 29 or
// longer than 30 days. The first fault is set aside and the rest checked
// again without it: the months of `checkedFirst` (a change being made)
// first, then all in the order of the months.
struct CheckedStarts {
    MonthStarts applied;
    std::vector<SetAsideStart> setAside;
};
CheckedStarts CheckMonthStarts(const MonthStarts &starts, CalendarKind kind, int correction,
                               const MonthStarts &checkedFirst = MonthStarts());

} // namespace qarnivo
