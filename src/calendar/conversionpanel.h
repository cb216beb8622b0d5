#pragma once

#include "calendar/conversion.h"

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qarnivo {

class Platform;
struct CheckedDate;
struct DateState;
struct NameTables;
class ClickablePicture;

// The date conversion panel: a Western date row above a Hijri date row, a
// command for each direction between them and the weekday of the result.
// Its boxes are also the main window's conversion registers: navigation puts
// a date into one side, runs the matching handler and reads the other side.
class ConversionPanel : public QGroupBox {
    Q_OBJECT
public:
    ConversionPanel(Platform &platform, DateState &state, const NameTables &names,
                    QWidget *parent = nullptr);

    // Fills the day and month lists and selects their first items; the name
    // tables must be loaded first.
    void FillLists();

    void setGregorianInput(const Ymd &date); // Combo1, Combo2, Text4
    void setHijriInput(const Ymd &date);     // Combo3, Combo4, Text5
    Ymd gregorianInput() const;
    Ymd hijriInput() const;

public slots:
    void Greg_Hijri_Click();
    void Hijri_Greg_Click();

private:
    void createControls();
    bool refused(const CheckedDate &checked, QLineEdit *yearBox);
    void showWeekDay(int weekDay);

    Platform &m_platform;
    DateState &m_state;
    const NameTables &m_names;

    QComboBox *Combo1 = nullptr; // Western day
    QComboBox *Combo2 = nullptr; // Western month
    QLineEdit *Text4 = nullptr;  // Western year
    QComboBox *Combo3 = nullptr; // Hijri day
    QComboBox *Combo4 = nullptr; // Hijri month
    QLineEdit *Text5 = nullptr;  // Hijri year
    QPushButton *Greg_Hijri = nullptr;
    QPushButton *Hijri_Greg = nullptr;
    ClickablePicture *Image9 = nullptr;  // arrow up: Hijri to Western
    ClickablePicture *Image10 = nullptr; // arrow down: Western to Hijri
    QLabel *Label6 = nullptr;            // weekday of the last result
};

} // namespace qarnivo
