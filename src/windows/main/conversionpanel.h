#pragma once

#include "core/calendar/conversion.h"

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qarnivo {

class HijriCalendar;
class Platform;
struct CheckedDate;
struct NameTables;
class ClickablePicture;

// The date conversion panel: a Western date row above a Hijri date row, a
// command for each direction between them and the weekday of the result.
// It converts in the calendar it is given, which its owner keeps current.
class ConversionPanel : public QGroupBox {
    Q_OBJECT
public:
    ConversionPanel(Platform &platform, const HijriCalendar &calendar, const NameTables &names,
                    QWidget *parent = nullptr);

    // Fills the day and month lists and selects their first items; the name
    // tables must be loaded first.
    void FillLists();

    void setGregorianInput(const Ymd &date); // Combo1, Combo2, Text4
    void setHijriInput(const Ymd &date);     // Combo3, Combo4, Text5
    Ymd gregorianInput() const;
    Ymd hijriInput() const;

    // Shows a conversion worked out elsewhere as the buttons show theirs:
    // both dates and the weekday of the result.
    void showConversion(const Ymd &hijri, const Ymd &western, int weekDay);

public slots:
    void Greg_Hijri_Click();
    void Hijri_Greg_Click();

private:
    void createControls();
    bool refused(const CheckedDate &checked, QLineEdit *yearBox);
    void showWeekDay(int weekDay);

    Platform &m_platform;
    const HijriCalendar &m_calendar;
    const NameTables &m_names;

    QComboBox *m_westernDay = nullptr;
    QComboBox *m_westernMonth = nullptr;
    QLineEdit *m_westernYear = nullptr;
    QComboBox *m_hijriDay = nullptr;
    QComboBox *m_hijriMonth = nullptr;
    QLineEdit *m_hijriYear = nullptr;
    QPushButton *m_toHijriButton = nullptr;
    QPushButton *m_toGregorianButton = nullptr;
    ClickablePicture *m_upArrow = nullptr;   // Hijri to Western
    ClickablePicture *m_downArrow = nullptr; // Western to Hijri
    QLabel *m_weekDayLabel = nullptr;        // weekday of the last result
};

} // namespace qarnivo
