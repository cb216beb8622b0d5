#pragma once

#include "core/calendar/monthstartedit.h"
#include "core/calendar/monthview.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QListWidget;
class QSpinBox;

namespace qarnivo {

class Platform;

// The announced month starts: the list, Add and Remove, the shown month
// begun a day earlier or later, and the sharing file's import and export.
// Every change is checked by the core first; a refused one is shown and
// nothing is stored. A taken one is stored and told by startsChanged.
class MonthStartsEditor : public QDialog {
    Q_OBJECT
public:
    MonthStartsEditor(Platform &platform, const HijriCalendar &calendar, HijriMonth shown,
                      QWidget *parent = nullptr);

public slots:
    void AddStart_Click();
    void RemoveStart_Click();
    void BeganEarlier_Click();
    void BeganLater_Click();
    void ImportStarts_Click();
    void ExportStarts_Click();

signals:
    void startsChanged(const MonthStarts &starts);

private:
    void createAddRow(QWidget *parent);
    void suggestDate();
    void apply(const StartsChange &change);
    void showStarts();

    Platform &m_platform;
    HijriCalendar m_calendar;
    const HijriMonth m_shown;
    QListWidget *m_list = nullptr;
    QSpinBox *m_year = nullptr;
    QComboBox *m_month = nullptr;
    QDateEdit *m_date = nullptr;
};

} // namespace qarnivo
