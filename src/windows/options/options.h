#pragma once

#include "core/calendar/monthview.h"
#include "core/prayer/prayertimes.h"
#include "core/settings/storedchoices.h"
#include "widgets/layoutscale.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace qarnivo {

class Platform;

// The options window: the Hijri date correction, which moves the weekday of
// every month's first day, the colour scheme of the month grid, the Hijri
// calendar and when its day begins, and how the prayer times are computed
// and shown. It starts from the choices in force, stores every change and
// tells it by a signal; the main window follows at once.
class Options : public QWidget {
    Q_OBJECT
public:
    Options(Platform &platform, const StoredChoices &current, QWidget *parent = nullptr);

    // Selects scheme i's option as a click on it does.
    void selectScheme(int index);
    // The month the main window shows, which the month starts dialog moves.
    void setShownMonth(HijriMonth shown) { m_shownMonth = shown; }

public slots:
    void Combo1_Click();
    void Apply_Click();
    void Option2_Click(int index);
    void Label1_Click();
    void Cloze_Click();
    void CalendarList_Click();
    // Any prayer-time choice: method, Asr rule, high latitudes, an
    // adjustment, the clock.
    void PrayerSettings_Change();
    void SystemTray_Click();
    void PrayerReminders_Click();
    void PrayerAlerts_Click();
    void DayStartsAtSunset_Click();
    void MonthStarts_Click();
    void CrescentCriterion_Click();
    void LanguageList_Click();

signals:
    void correctionChanged(qint16 days);
    void colourSchemeChanged(int index);
    void calendarChanged(CalendarKind calendar);
    void prayerSettingsChanged(const PrayerSettings &settings);
    void trayShownChanged(bool shown);
    void remindersChanged(bool on);
    void alertsChanged(const qarnivo::AlertChoices &alerts);
    void dayStartsAtSunsetChanged(bool on);
    void monthStartsChanged(const MonthStarts &starts);
    void crescentCriterionChanged(crescent::Criterion criterion);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createCorrectionControls();
    void createSchemeControls();
    void createCalendarControls();
    void createCrescentControls();
    // Below the crescent's; returns the bottom of the note.
    int createLanguageControls();
    // In the right-hand column; returns the bottom of the prayer-time group.
    int createPrayerControls();
    void showPrayerSettings();

    Platform &m_platform;
    StoredChoices m_choices; // as they are now
    const LayoutScale m_scale;
    QWidget *m_contents = nullptr; // every control, in a scroll area

    QComboBox *m_correctionList = nullptr;
    QComboBox *m_calendarList = nullptr;
    QCheckBox *m_sunsetCheck = nullptr;
    QComboBox *m_crescentList = nullptr;
    QComboBox *m_languageList = nullptr;
    QLabel *m_languageNote = nullptr;
    QPushButton *m_applyButton = nullptr;
    QLabel *m_correctionHelp = nullptr;
    QGroupBox *m_schemeFrame = nullptr;
    QButtonGroup *m_schemeGroup = nullptr;
    std::array<QRadioButton *, 6> m_schemeButtons{};
    std::array<QLabel *, 6> m_schemeSamples{};
    QGroupBox *m_prayerFrame = nullptr;
    QComboBox *m_methodList = nullptr;
    QComboBox *m_asrList = nullptr;
    QComboBox *m_highLatitudeList = nullptr;
    std::array<QSpinBox *, kPrayerCount> m_adjustmentBoxes{};
    QCheckBox *m_clock24 = nullptr;
    QCheckBox *m_tray = nullptr;
    QCheckBox *m_reminders = nullptr;
    QPushButton *m_closeButton = nullptr;
    HijriMonth m_shownMonth{1, 1447};
};

} // namespace qarnivo
