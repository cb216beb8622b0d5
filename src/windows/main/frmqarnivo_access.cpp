// What the window tells assistive technology: a name for every control, a
// description of every day cell, and the keyboard order of the controls.

#include "windows/main/frmqarnivo.h"

#include "core/calendar/monthview.h"
#include "core/calendar/names.h"
#include "core/readings/occasions.h"
#include "widgets/accessiblenames.h"
#include "widgets/cellgrid.h"
#include "widgets/clickablepicture.h"
#include "windows/main/conversionpanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

namespace qarnivo {

void frmqarnivo::createAccessibility()
{
    // The window's own controls are named where they are made; the rest
    // read their captions.
    NameControls(this);

    // The keyboard follows the eye: the month's controls, the grid, the
    // date lines, then the right-hand column.
    const QList<QWidget *> order = {
        m_previousButton, m_yearBox,       m_goButton,        m_englishYearBox, m_englishGoButton,
        m_nextButton,     m_weekdayHeader, m_dayGrid,         m_hijriDateLine,  m_gregorianDateLine,
        m_clockButton,    m_readingBox,    m_conversionPanel, m_banner};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// Each day cell carries its Hijri and Gregorian dates and its occasion, so
// that a screen reader tells the day in full, and which day is today (and
// whether it began at Maghrib).
void frmqarnivo::describeDayCells()
{
    for (int row = 0; row < m_dayGrid->rowCount(); ++row) {
        for (int column = 0; column < m_dayGrid->columnCount(); ++column) {
            const int day = m_month.days[row][column];
            QTableWidgetItem *cell = m_dayGrid->item(row, column);
            if (day < 1 || !cell)
                continue;
            const Ymd western = JulianDayToGregorian(m_month.firstDay + day - 1);
            const QString hijri =
                tr("%1 %2 %3 Hijri")
                    .arg(ShownNumber(day), m_names.HMonthName[m_state.CurrentHijriMonth],
                         ShownNumber(m_state.CurrentHijriYear));
            QString description =
                (isToday(day) ? tr("%1, today, %2 %3 %4 %5") : tr("%1, %2 %3 %4 %5"))
                    .arg(hijri, m_names.WeekDayName[column + 1], ShownNumber(western.day),
                         m_names.GMonthName[western.month], ShownNumber(western.year));
            const QString occasion =
                OccasionDisplayText(m_occasionText.at(m_state.CurrentHijriMonth, day));
            QStringList notes{occasion, isToday(day) ? sunsetNote() : QString(),
                              day == kCrescentDay ? m_crescentText : QString()};
            notes.removeAll(QString());
            for (const QString &note : notes)
                description += QStringLiteral(". ") + note;
            // The eye is told the occasion too: a corner mark, and the tip.
            cell->setData(kMarkedRole, !occasion.isEmpty());
            cell->setToolTip(notes.join(u'\n'));
            cell->setData(Qt::AccessibleTextRole, hijri);
            cell->setData(Qt::AccessibleDescriptionRole, description);
        }
    }
}

} // namespace qarnivo
