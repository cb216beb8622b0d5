// Selecting a day of the shown month, and switching the day names between
// Urdu and English.

#include "windows/main/frmqarnivo.h"

#include "core/calendar/monthview.h"
#include "widgets/cellgrid.h"

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

void frmqarnivo::grCal0_Click()
{
    QFont dayFont = m_dayGrid->font();
    if (m_dayView != QLatin1String("Urdu")) {
        ShowUrduHeader();
        m_dayView = QStringLiteral("Urdu");
        m_englishYearRow->hide();
        dayFont.setFamily(QStringLiteral("Tarvelonix"));
    } else {
        dayFont.setFamily(QStringLiteral("Arial"));
        ShowEnglishHeader();
        m_englishYearRow->show();
        m_dayView = QStringLiteral("English");
    }
    m_dayGrid->setFont(dayFont);
}

} // namespace qarnivo
