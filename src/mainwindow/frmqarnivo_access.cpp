// What the window tells assistive technology: a name for every control, a
// description of every day cell, and the keyboard order of the controls.

#include "mainwindow/frmqarnivo.h"

#include "calendar/conversionpanel.h"
#include "calendar/leadingnumber.h"
#include "mainwindow/monthview.h"
#include "platform/accessiblenames.h"
#include "platform/clickablepicture.h"
#include "readings/occasions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

namespace qarnivo {

void frmqarnivo::createAccessibility()
{
    QMap<QString, QString> names = {
        {QStringLiteral("Backward"), QStringLiteral("Previous month")},
        {QStringLiteral("Frame1"), QStringLiteral("Calendar")},
        {QStringLiteral("Picture1"), QStringLiteral("Year")},
        {QStringLiteral("Frame4"), QStringLiteral("Year")},
        {QStringLiteral("DayTips"), QStringLiteral("Tips of the Days")},
        {QStringLiteral("About"), QStringLiteral("About")},
        {QStringLiteral("Forward"), QStringLiteral("Next month")},
        {QStringLiteral("Label1"), QStringLiteral("Month")},
        {QStringLiteral("Text7"), QStringLiteral("Hijri year")},
        {QStringLiteral("GoToYear"), QStringLiteral("Go to year")},
        {QStringLiteral("Text8"), QStringLiteral("Hijri year")},
        {QStringLiteral("GoToYrE"), QStringLiteral("Go to year")},
        {QStringLiteral("grCal0"), QStringLiteral("Weekday names")},
        {QStringLiteral("grCal1"), QStringLiteral("Days of the month")},
        {QStringLiteral("Text1"), QStringLiteral("Hijri date of the selected day")},
        {QStringLiteral("Text2"), QStringLiteral("Gregorian date of the selected day")},
        {QStringLiteral("Label7"), QStringLiteral("Occasion of the selected day")},
        {QStringLiteral("Optionz"),
         QStringLiteral("Clock; switches between the full and the short view")},
        {QStringLiteral("Label12"), QStringLiteral("Default city")},
        {QStringLiteral("Label10"), QStringLiteral("Latitude of the default city")},
        {QStringLiteral("Label11"), QStringLiteral("Longitude of the default city")},
        {QStringLiteral("Label4"), QStringLiteral("Time zone of the default city")},
        {QStringLiteral("Text3"), QStringLiteral("Thought of the Day")},
        {QStringLiteral("Text6"), QStringLiteral("Information panel")},
        {QStringLiteral("Image7"), QStringLiteral("Credits of the translation")},
        {QStringLiteral("Image8"), QStringLiteral("Bismillah")},
        {QStringLiteral("Label8"), QStringLiteral("Visit the maker's web site")},
        {QStringLiteral("Picture2"), QStringLiteral("Banner; click to change its colour")},
        {QStringLiteral("Frame3"), QStringLiteral("Date conversion")},
        {QStringLiteral("Combo1"), QStringLiteral("Gregorian day")},
        {QStringLiteral("Combo2"), QStringLiteral("Gregorian month")},
        {QStringLiteral("Text4"), QStringLiteral("Gregorian year")},
        {QStringLiteral("Combo3"), QStringLiteral("Hijri day")},
        {QStringLiteral("Combo4"), QStringLiteral("Hijri month")},
        {QStringLiteral("Text5"), QStringLiteral("Hijri year")},
        {QStringLiteral("Greg_Hijri"), QStringLiteral("Gregorian to Hijri")},
        {QStringLiteral("Hijri_Greg"), QStringLiteral("Hijri to Gregorian")},
        {QStringLiteral("Image9"), QStringLiteral("Convert Hijri to Gregorian")},
        {QStringLiteral("Image10"), QStringLiteral("Convert Gregorian to Hijri")},
        {QStringLiteral("Label6"), QStringLiteral("Weekday of the converted date")},
    };
    for (int month = 1; month <= 12; ++month)
        names.insert(Image1[month]->objectName(), QStringLiteral("Month name in Urdu"));
    for (QLabel *picture : {Image4[1], Image4[2], Image4[3], Image6[0], Image6[1]})
        names.insert(picture->objectName(), QStringLiteral("Decoration"));
    NameControls(this, names);

    // The keyboard follows the eye: the month's controls, the grid, the
    // date lines, then the right-hand column.
    const QList<QWidget *> order = {Backward, Text7, GoToYear, Text8,   GoToYrE, Forward, grCal0,
                                    grCal1,   Text1, Text2,    Optionz, Text3,   Frame3,  Picture2};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// Each day cell carries its Hijri and Gregorian dates and its occasion, so
// that a screen reader tells the day in full.
void frmqarnivo::describeDayCells()
{
    const qint32 firstDay =
        HijriToJulianDay(m_state.CurrentHijriYear, m_state.CurrentHijriMonth, 1);
    for (int row = 0; row < grCal1->rowCount(); ++row) {
        for (int column = 0; column < grCal1->columnCount(); ++column) {
            QTableWidgetItem *cell = grCal1->item(row, column);
            const int day = cell ? RoundHalfEven(ReadLeadingNumber(cell->text())) : 0;
            if (day < 1)
                continue;
            const Ymd western = JulianDayToGregorian(firstDay + day - 1);
            const QString hijri = QStringLiteral("%1 %2 %3 Hijri")
                                      .arg(day)
                                      .arg(m_names.HMonthName[m_state.CurrentHijriMonth])
                                      .arg(m_state.CurrentHijriYear);
            QString description = hijri + QStringLiteral(", ") + m_names.WeekDayName[column + 1] +
                                  QStringLiteral(" %1 %2 %3")
                                      .arg(western.day)
                                      .arg(m_names.GMonthName[western.month])
                                      .arg(western.year);
            const QString occasion =
                OccasionDisplayText(m_occasionText.at(m_state.CurrentHijriMonth, day));
            if (!occasion.isEmpty())
                description += QStringLiteral(". ") + occasion;
            cell->setData(Qt::AccessibleTextRole, hijri);
            cell->setData(Qt::AccessibleDescriptionRole, description);
        }
    }
}

} // namespace qarnivo
