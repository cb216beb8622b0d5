// Selecting a day of the shown month, and switching the day names between
// Urdu and English.

#include "windows/main/frmqarnivo.h"

#include "core/calendar/daystep.h"
#include "core/calendar/monthview.h"
#include "widgets/cellgrid.h"
#include "windows/main/conversionpanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace qarnivo {

void frmqarnivo::grCal1_Click()
{
    const int row = m_dayGrid->currentRow();
    const int column = m_dayGrid->currentColumn();
    const bool inGrid = row >= 0 && row < 6 && column >= 0 && column < 7;
    const int day = inGrid ? m_month.days[row][column] : 0;
    // An empty cell holds no day: the selection stays where it was.
    if (day < 1)
        return;
    const qint16 previous = m_selectedDay;
    m_selectedDay = static_cast<qint16>(day);

    QTableWidgetItem *highlighted = GridCell(m_dayGrid, m_selectedRow, m_selectedColumn);
    highlighted->setBackground(QBrush());
    highlighted->setForeground(QBrush());

    ShiftGregDate(m_state, static_cast<qint16>(previous - m_selectedDay));
    writeGregorianLine();
    MarkSelectedDay();
    showHijriLine(HijriSelectionLine(m_selectedDay, m_names.HMonthName[m_state.CurrentHijriMonth],
                                     m_state.CurrentHijriYear));
    showOccasion(m_state.CurrentHijriMonth, m_selectedDay);
}

namespace {

// The step a key asks for; left and right follow the grid's direction.
std::optional<DayStep> stepOfKey(int key, bool rightToLeft)
{
    switch (key) {
    case Qt::Key_Left:
        return rightToLeft ? DayStep::DayForward : DayStep::DayBack;
    case Qt::Key_Right:
        return rightToLeft ? DayStep::DayBack : DayStep::DayForward;
    case Qt::Key_Up:
        return DayStep::WeekBack;
    case Qt::Key_Down:
        return DayStep::WeekForward;
    case Qt::Key_PageUp:
        return DayStep::MonthBack;
    case Qt::Key_PageDown:
        return DayStep::MonthForward;
    default:
        return std::nullopt;
    }
}

} // namespace

bool frmqarnivo::gridKey(const QKeyEvent &key)
{
    if (key.modifiers() & ~Qt::KeypadModifier)
        return false;
    if (key.key() == Qt::Key_Home) {
        selectDay(m_calendar.hijriOf(m_today.date()));
        return true;
    }
    const std::optional<DayStep> step = stepOfKey(key.key(), m_dayGrid->isRightToLeft());
    if (!step)
        return false;
    // At the ends of the view the key does nothing.
    const std::optional<Ymd> day = SteppedDay(
        m_calendar, {m_state.CurrentHijriYear, m_state.CurrentHijriMonth, m_selectedDay}, *step);
    if (day)
        selectDay(*day);
    return true;
}

void frmqarnivo::selectDay(const Ymd &day)
{
    if (day.month != m_state.CurrentHijriMonth || day.year != m_state.CurrentHijriYear) {
        m_conversionPanel->hide();
        m_state.CurrentHijriDay = static_cast<qint16>(day.day);
        showMonth(day.month, day.year);
    }
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            if (m_month.days[row][column] == day.day)
                m_dayGrid->setCurrentCell(row, column);
        }
    }
    grCal1_Click();
}

void frmqarnivo::grCal0_Click()
{
    if (m_dayView != QLatin1String("Urdu")) {
        ShowUrduHeader();
        m_dayView = QStringLiteral("Urdu");
        m_englishYearRow->hide();
        setDayFontFamily(nativeDayFamily());
    } else {
        m_dayView = QStringLiteral("English");
        setDayFontFamily(QStringLiteral("Arial"));
        ShowEnglishHeader();
        m_englishYearRow->show();
    }
    FillMonthGrid();
}

} // namespace qarnivo
