// What the window tells assistive technology: a name for every control, a
// description of every day cell, and the keyboard order of the controls.

#include "mainwindow/frmqarnivo.h"

#include "calendar/conversionpanel.h"
#include "calendar/leadingnumber.h"
#include "mainwindow/monthview.h"
#include "platform/clickablepicture.h"
#include "readings/occasions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

#include <utility>

namespace qarnivo {

void frmqarnivo::createAccessibility()
{
    const std::pair<const char *, const char *> names[] = {
        {"Backward", "Previous month"},
        {"Frame1", "Calendar"},
        {"Picture1", "Year"},
        {"Frame4", "Year"},
        {"DayTips", "Tips of the Days"},
        {"About", "About"},
        {"Forward", "Next month"},
        {"Label1", "Month"},
        {"Text7", "Hijri year"},
        {"GoToYear", "Go to year"},
        {"Text8", "Hijri year"},
        {"GoToYrE", "Go to year"},
        {"grCal0", "Weekday names"},
        {"grCal1", "Days of the month"},
        {"Text1", "Hijri date of the selected day"},
        {"Text2", "Gregorian date of the selected day"},
        {"Label7", "Occasion of the selected day"},
        {"Optionz", "Clock; switches between the full and the short view"},
        {"Label12", "Default city"},
        {"Label10", "Latitude of the default city"},
        {"Label11", "Longitude of the default city"},
        {"Label4", "Time zone of the default city"},
        {"Text3", "Thought of the Day"},
        {"Text6", "Information panel"},
        {"Image7", "Credits of the translation"},
        {"Image8", "Bismillah"},
        {"Label8", "Visit the maker's web site"},
        {"Picture2", "Banner; click to change its colour"},
        {"Frame3", "Date conversion"},
        {"Combo1", "Gregorian day"},
        {"Combo2", "Gregorian month"},
        {"Text4", "Gregorian year"},
        {"Combo3", "Hijri day"},
        {"Combo4", "Hijri month"},
        {"Text5", "Hijri year"},
        {"Greg_Hijri", "Gregorian to Hijri"},
        {"Hijri_Greg", "Hijri to Gregorian"},
        {"Image9", "Convert Hijri to Gregorian"},
        {"Image10", "Convert Gregorian to Hijri"},
        {"Label6", "Weekday of the converted date"},
    };
    for (const auto &[object, name] : names) {
        if (auto *widget = findChild<QWidget *>(QLatin1String(object)))
            widget->setAccessibleName(QLatin1String(name));
    }
    for (int month = 1; month <= 12; ++month)
        Image1[month]->setAccessibleName(QStringLiteral("Month name in Urdu"));
    for (QLabel *picture : {Image4[1], Image4[2], Image4[3], Image6[0], Image6[1]})
        picture->setAccessibleName(QStringLiteral("Decoration"));
    for (QLabel *caption : findChildren<QLabel *>()) {
        if (caption->accessibleName().isEmpty() && !caption->text().isEmpty())
            caption->setAccessibleName(caption->text());
    }

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
