// Selecting a day of the shown month, and switching the day names between
// Urdu and English.

#include "mainwindow/frmqarnivo.h"

#include "calendar/leadingnumber.h"
#include "mainwindow/monthview.h"
#include "platform/cellgrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace qarnivo {

void frmqarnivo::grCal1_Click()
{
    const QTableWidgetItem *clicked = grCal1->currentItem();
    const int day = clicked ? RoundHalfEven(ReadLeadingNumber(clicked->text())) : 0;
    // An empty cell holds no day: the selection stays where it was.
    if (day < 1)
        return;
    const qint16 previous = SelHDay;
    SelHDay = static_cast<qint16>(day);

    QTableWidgetItem *highlighted = GridCell(grCal1, SelRow, SelCol);
    highlighted->setBackground(QBrush());
    highlighted->setForeground(QBrush());

    ShiftGregDate(m_state, static_cast<qint16>(previous - SelHDay));
    writeGregorianLine();
    MarkSelectedDay();
    Text1->setText(HijriSelectionLine(SelHDay, m_names.HMonthName[m_state.CurrentHijriMonth],
                                      m_state.CurrentHijriYear));
    showOccasion(m_state.CurrentHijriMonth, SelHDay);
}

void frmqarnivo::grCal0_Click()
{
    QFont dayFont = grCal1->font();
    if (m_dayView != QLatin1String("Urdu")) {
        ShowUrduHeader();
        m_dayView = QStringLiteral("Urdu");
        Frame4->hide();
        dayFont.setFamily(QStringLiteral("Tarvelonix"));
    } else {
        dayFont.setFamily(QStringLiteral("Arial"));
        ShowEnglishHeader();
        Frame4->show();
        m_dayView = QStringLiteral("English");
    }
    grCal1->setFont(dayFont);
}

} // namespace qarnivo
