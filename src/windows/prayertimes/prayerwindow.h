#pragma once

#include "core/calendar/hijricalendar.h"
#include "core/places/cityfile.h"
#include "core/prayer/prayertimes.h"
#include "widgets/layoutscale.h"
#include "widgets/placechooser.h"

#include <QDate>
#include <QList>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QDateEdit;
class QGridLayout;
class QGroupBox;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTextDocument;

namespace qarnivo {

class Platform;
class QiblaCompass;

// The Prayer Times window: one day's times for a place, and the timetable of
// a whole Gregorian month beside the Hijri dates, to print, save as PDF or
// export as CSV. The places are the default city, then those of the place
// list in the application folder (widgets/placechooser.h). It deletes itself
// when closed.
//
// prayerwindow.cpp builds it, prayerwindow_timetable.cpp fills the month and
// moves through it, prayerwindow_export.cpp prints and saves it.
class PrayerTimesWindow : public QWidget {
    Q_OBJECT
public:
    PrayerTimesWindow(Platform &platform, const PrayerSettings &settings,
                      const CityInfo &defaultCity, const QDate &today, QWidget *parent = nullptr);
    ~PrayerTimesWindow() override;

    // Recomputes every time shown, after a change of method, Asr rule,
    // adjustments or clock.
    void setSettings(const PrayerSettings &settings);
    PrayerSettings settings() const { return m_settings; }
    // The Hijri calendar of the dates beside the times.
    void setHijriCalendar(const HijriCalendar &calendar);
    QDate date() const { return m_date; }
    // Shows that day and its month; days outside 1583 to 9999 are brought inside.
    void setDate(const QDate &date);

public slots:
    void PlaceList_Click();
    void DayDate_Change();
    void PreviousMonth_Click();
    void NextMonth_Click();
    void MonthList_Click();
    void YearBox_Change();
    void Timetable_Click(int row);
    void Print_Click();
    void SavePdf_Click();
    void ExportCsv_Click();
    void Cloze_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The months the timetable offers: the Gregorian calendar throughout.
    static inline const QDate kFirstDay{1583, 1, 1};
    static inline const QDate kLastDay{9999, 12, 31};

    void createPlaceControls(QGridLayout *grid);
    QGroupBox *createDayView();
    QLayout *createQiblaRow();
    QTableWidget *createTimetable();
    QLayout *createMonthControls();
    QLayout *createButtons();
    void computeMonth();
    void fillTimetable();
    void showDay();
    void showNight(int index);
    void showQibla();
    void syncControls();
    const PlaceChooser::Entry &place() const { return m_places->place(); }
    std::unique_ptr<QTextDocument> timetableDocument() const;
    QString suggestedPath(const QString &suffix) const;
    void reportUnwritten(const QString &path, const QString &reason);

    Platform &m_platform;
    PrayerSettings m_settings;
    HijriCalendar m_calendar;
    const LayoutScale m_scale;
    PlaceChooser *m_places = nullptr;
    QDate m_date;
    std::vector<PrayerDay> m_days; // the shown month, one a day

    QDateEdit *m_dayDate = nullptr;
    QLabel *m_gregorianDate = nullptr;
    QLabel *m_hijriDate = nullptr;
    std::array<QLabel *, kPrayerCount> m_prayerTimes{};
    QLabel *m_nightMiddle = nullptr;
    QLabel *m_nightLastThird = nullptr;
    QiblaCompass *m_compass = nullptr;
    QLabel *m_qiblaLine = nullptr;
    QLabel *m_methodCaption = nullptr;
    QPushButton *m_previousMonth = nullptr;
    QComboBox *m_monthList = nullptr;
    QSpinBox *m_yearBox = nullptr;
    QPushButton *m_nextMonth = nullptr;
    QTableWidget *m_timetable = nullptr;
};

} // namespace qarnivo
