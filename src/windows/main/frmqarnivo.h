#pragma once

// The main window. A click flows through it like this: a control's handler
// (a public slot named after the control and its event, Forward_Click)
// changes the current date state; No_HMonthDays asks the calendar object
// (HijriCalendar, the user's calendar and day correction) for the shown
// month's layout once and keeps it (m_month); StartFirst draws the grid from
// that layout and the date lines are rewritten from the calendar's answers;
// the conversion panel is shown the last conversion made. Nothing is read
// back out of a control. The Options window only stores a choice and tells
// it by a signal; the slots it is connected to (setDayCorrection,
// setHijriCalendar, ...) change the calendar or the view and redraw. The
// one-second clock feeds Today, which tells the views of a new day (from
// Maghrib, when the Hijri day begins at sunset).
//
// Names. Controls keep fixed object names, listed with their accessible
// names in controlnames.h; the members that hold them are named for what
// they are. Methods: PascalCase for the steps the program's documentation
// names (StartFirst, No_HMonthDays, FillMonthGrid) and for the handlers
// (Control_Event), camelCase for everything else.
//
// The code is split by concern: frmqarnivo.cpp builds the controls,
// frmqarnivo_startup.cpp runs startup, exit and the clock,
// frmqarnivo_grid.cpp draws the month, frmqarnivo_navigation.cpp moves it,
// frmqarnivo_selection.cpp selects days and switches the day names,
// frmqarnivo_view.cpp the views and pointer feedback, frmqarnivo_readings.cpp
// the readings and help, frmqarnivo_access.cpp what assistive technology reads,
// frmqarnivo_prayers.cpp the prayer times, the tray and the reminders.

#include "core/calendar/datestate.h"
#include "core/calendar/hijricalendar.h"
#include "core/calendar/monthview.h"
#include "core/calendar/names.h"
#include "core/calendar/today.h"
#include "core/crescent/crescent.h"
#include "core/places/cityfile.h"
#include "core/prayer/prayertoday.h"
#include "core/readings/datetable.h"
#include "core/settings/storedchoices.h"
#include "widgets/colourschemes.h"
#include "widgets/layoutscale.h"
#include "windows/calculator/sunpagehost.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTextBrowser;
class QTextEdit;
class QTimer;

namespace qarnivo {

class ClickablePicture;
class ConversionPanel;
class CrescentWindow;
class DecorationStacks;
class MapGMT;
class Options;
class Platform;
class PrayerPanel;
class PrayerTimesWindow;
class PrayerTray;
class WwtimeCal;

class frmqarnivo : public QMainWindow, public SunPageHost {
    Q_OBJECT
public:
    explicit frmqarnivo(Platform &platform, QWidget *parent = nullptr);

    // The startup sequence; the constructor only builds the controls.
    void Form_Load();

    const DateState &dateState() const { return m_state; }
    const HijriCalendar &calendar() const { return m_calendar; }
    const MonthLayout &shownMonth() const { return m_month; }
    // Today's date, fed by the clock; the views that follow it connect here.
    Today &today() { return m_today; }
    const NameTables &names() const { return m_names; }
    const QString &dayView() const { return m_dayView; }

    bool showFirst() const { return m_showFirst; }

    // What the calculator window asks of it.
    const CityInfo &currentCity() const override { return m_city; }
    void setCurrentCity(const CityInfo &city) override;
    const QStringList &pageLines() const override { return m_pageLines; }
    const PrayerSettings &prayerSettings() const override { return m_prayerToday->settings(); }
    bool manualPresent() const override { return m_manualPresent; }
    void setShowFirst(bool show) override { m_showFirst = show; }
    void showCalendar() override { show(); }
    MapGMT &mapWindow() override;

    // What follows a choice told by the Options window.
    void setDayCorrection(qint16 days);
    void setColourScheme(int index);
    void setHijriCalendar(CalendarKind calendar);
    void setPrayerSettings(const PrayerSettings &settings);
    void setTrayShown(bool shown);
    void setRemindersOn(bool on);
    void setAlerts(const AlertChoices &alerts);
    void setDayStartsAtSunset(bool on);
    void setMonthStarts(const MonthStarts &starts);
    void setCrescentCriterion(crescent::Criterion criterion);

    // The shown month's layout, then its redraw.
    void No_HMonthDays();
    void StartFirst();

    void SyncTodayHijri();

public slots:
    void Greg_Hijri_Click();
    void Hijri_Greg_Click();
    void ConvertDate_Click();
    void Exit_Click();
    void Backward_Click();
    void Forward_Click();
    void GoToYear_Click();
    void GoToYrE_Click();
    void Todayz_Click();
    void grCal1_Click();
    void grCal0_Click();
    void Timer1_Timer();
    void Option1_Click();
    void PrintTips_Click();
    void ExportOccasions_Click();
    void DivineCal_Click();
    void CalendFeatures_Click();
    void Manual_Click();
    void SoftVersion_Click();
    void Developers_Click();
    void GetFree_Click();
    void OurSoft_Click();
    void Image7_DblClick();
    void Label8_Click();
    void Text6_DblClick();
    void Optionz_Click();
    void StopSound_Click();
    void SunRiseSunSet_Click();
    void Picture2_Click();
    void Image1_Click(int month);
    void Image8_Click();
    void PrayerTimesMenu_Click();
    void CrescentMenu_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // After a new calendar object: every view of the dates redraws.
    void followCalendar();
    void showMonthCaption();
    // Building the window.
    void fitView(const QSize &wanted);
    void createMenus();
    void createCalendarControls();
    void createMonthLine();
    void showMonthPicture(int month);
    void createYearRows();
    void createGrids();
    void createDetailControls();
    void createSideControls();
    // A picture of the design's `size`, scaled for this desktop and screen.
    QPixmap designPicture(const QPixmap &picture, const QSize &size) const;
    // A style rule for text in `colour` on the window's ground, moved just
    // enough to reach `minimum` contrast on this desktop's palette.
    QString readableRule(const QColor &colour, double minimum) const;
    // The occasion line's face; a long occasion takes two lines, and a
    // smaller face where two are not enough.
    QFont occasionFont() const;

    // Startup steps.
    void resetCurrentDateToSystemDate();
    void readStartupSettings(const StoredChoices &choices);
    bool loadCity();
    void showCity();
    void showQibla();
    void applyStoredColourScheme();
    void setGridColours(const ColourScheme &scheme);
    // The choices in force, as the Options window starts from them.
    StoredChoices currentChoices() const;
    Options *optionsWindow();

    // The month grid.
    void FillMonthGrid();
    void MarkSelectedDay();
    // The keyboard in the grid: a step of the selected day, or today.
    bool gridKey(const QKeyEvent &key);
    // Selects a Hijri day as a click on it does, showing its month first.
    void selectDay(const Ymd &day);
    // Frames today's cell when today's month is shown; the selection is marked apart.
    void markToday();
    bool isToday(int day) const;
    void SetHeaderWidths();
    void ShowUrduHeader();
    void ShowEnglishHeader();
    void HideMonthPictures();
    void CheckArabicFont();
    void setDayFontFamily(const QString &family);
    // The face of the day numbers in the language's own view.
    QString nativeDayFamily() const;

    // Navigation.
    void showMonth(int month, int year);
    void finishMove();
    void goToYear(QLineEdit *yearBox, QLineEdit *otherBox);
    void writeDateLines();
    // At midnight: the new day, shown in full when today's month is shown.
    void followToday(const QDate &date);
    Ymd hijriOfWestern(const Ymd &western) const;
    void writeGregorianLine();
    void showHijriLine(const QString &text);

    // Day details, readings and occasions.
    void showOccasion(int month, int day);
    // The reading's box: dark red on a day with an occasion, navy otherwise.
    void colourReadingBox(bool occasion);
    void BuildThoughts();
    void BuildOccasions();
    void checkManual();
    void showPanelText(const QString &crLfText);
    void createHelpMenus();
    void createHelpControls();

    // Prayer times: the side panel, the tray and the reminders.
    void createPrayerControls();
    void startPrayerTimes();
    void showTrayDay();
    void remindPrayer(const AlertDue &due);
    void playAdhan(const QString &path);
    void showSoundPlaying(bool playing);
    // What the sunset rule adds to today's tips: the eve it is, or that
    // today's Hijri day changes at midnight; empty otherwise.
    QString sunsetNote() const;

    // The new crescent: the line at the month's end, the 29th's tip.
    void showCrescent();

    // Accessibility.
    void createAccessibility();
    void describeDayCells();

    // Views and pointer feedback.
    void createFeedbackControls();
    void resetFeedback();
    bool pointerMoved(QObject *watched);
    bool doubleClicked(QObject *watched);
    void askForSunriseTimes();

    Platform &m_platform;
    const LayoutScale m_scale;
    DateState m_state;
    HijriCalendar m_calendar;
    Today m_today;
    QDate m_shownToday; // the day the window last took as today
    NameTables m_names;
    CityInfo m_city;
    QStringList m_pageLines;
    DateTable m_occasionText;
    DateTable m_thoughtText;
    bool m_manualPresent = false;

    // Settings mirrors.
    bool m_windowFull = false;
    bool m_viewFull = true; // the view shown now; the View item names the other
    bool m_windowMax = false;
    qint16 m_dovrellBG = 0;
    qint16 m_colorIndex = 0;
    QString m_dayView = QStringLiteral("Urdu");
    bool m_showFirst = true;

    // The shown month: its days and, by week row and weekday column, the
    // day numbers the grid shows.
    MonthLayout m_month;

    // Selection in the day grid.
    qint16 m_selectedDay = 0;
    qint16 m_selectedRow = 0;
    qint16 m_selectedColumn = 0;

    // Menus.
    QAction *m_exitCommand = nullptr;
    QAction *m_settingsCommand = nullptr;
    QAction *m_viewCommand = nullptr;
    QAction *m_todayCommand = nullptr;
    QAction *m_conversionCommand = nullptr;
    QAction *m_sunTimesCommand = nullptr;
    QAction *m_nextTipCommand = nullptr;
    QAction *m_exportTipsCommand = nullptr;
    QAction *m_exportOccasionsCommand = nullptr;
    QAction *m_manualCommand = nullptr;
    QAction *m_divineCalendarCommand = nullptr;
    QAction *m_featuresCommand = nullptr;
    QAction *m_versionCommand = nullptr;
    QAction *m_developersCommand = nullptr;
    QAction *m_getFreeCommand = nullptr;
    QAction *m_ourSoftwareCommand = nullptr;

    // Calendar.
    QWidget *m_contents = nullptr;  // every control, in a scroll area
    QWidget *m_gridFrame = nullptr; // the frame around the grids
    QTableWidget *m_weekdayHeader = nullptr;
    QTableWidget *m_dayGrid = nullptr;
    QLabel *m_monthCaption = nullptr;
    std::array<ClickablePicture *, 13> m_monthPictures{}; // 1..12
    QWidget *m_urduYearRow = nullptr;
    QLineEdit *m_yearBox = nullptr;
    QPushButton *m_goButton = nullptr;
    QWidget *m_englishYearRow = nullptr;
    QLineEdit *m_englishYearBox = nullptr;
    QPushButton *m_englishGoButton = nullptr;
    QPushButton *m_previousButton = nullptr;
    QPushButton *m_nextButton = nullptr;

    // Details.
    QLineEdit *m_hijriDateLine = nullptr;
    QLineEdit *m_gregorianDateLine = nullptr;
    QLabel *m_occasionLine = nullptr;
    ClickablePicture *m_crescentLine = nullptr;
    // The shown month's 29th evening in words, the 29th's tip; empty where unknown.
    QString m_crescentText;
    static constexpr int kCrescentDay = 29;
    crescent::Criterion m_crescentCriterion = crescent::Criterion::Odeh;
    QPointer<CrescentWindow> m_crescentWindow;
    QTextEdit *m_readingBox = nullptr;
    QTextBrowser *m_infoPanel = nullptr;              // the panel over the window
    ClickablePicture *m_translationCredits = nullptr; // credits of the translation
    QLabel *m_webLink = nullptr;                      // link to the maker's web site
    ClickablePicture *m_invocation = nullptr;         // the invocation
    DecorationStacks *m_decorations = nullptr;
    ClickablePicture *m_banner = nullptr; // the banner below the normal height
    // Prayer times.
    PrayerToday *m_prayerToday = nullptr; // today's times, which the panel and the tray draw
    bool m_trayShown = false;
    bool m_remindersOn = false;
    AlertChoices m_alerts;
    PrayerPanel *m_prayerPanel = nullptr;
    PrayerTray *m_tray = nullptr;
    QPointer<PrayerTimesWindow> m_prayerWindow;
    QList<QLabel *> m_cityLabels;
    ConversionPanel *m_conversionPanel = nullptr;

    // City and clock.
    QLabel *m_cityName = nullptr;
    QLabel *m_cityLatitude = nullptr;
    QLabel *m_cityLongitude = nullptr;
    QLabel *m_cityTimeZone = nullptr;
    QLabel *m_cityQibla = nullptr;
    std::array<QLabel *, 3> m_cityCaptions{}; // "Latitude:", "Longitude:", "TIME ZONE"
    QPushButton *m_clockButton = nullptr;
    QPushButton *m_stopSoundButton = nullptr;
    QTimer *m_clockTimer = nullptr;

    // Created on first use and when closed, afresh at the next.
    QPointer<Options> m_options;
    QPointer<WwtimeCal> m_calculator;
    // Made on first use; it outlives every calculator window.
    QPointer<MapGMT> m_map;
};

} // namespace qarnivo
