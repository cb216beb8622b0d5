#pragma once

// The main window. A click flows through it like this: a control's handler
// (a public slot named after the control and its event) changes the current
// date state, puts a date into the conversion panel and runs the panel's
// handler, which checks the date and converts it through the Julian Day
// Number; the handler reads the panel's other side back into the state, and
// StartFirst redraws the month grid from the state before the date lines
// are rewritten. The panel may be hidden meanwhile: its boxes double as the
// window's conversion registers.
//
// The code is split by concern: frmqarnivo.cpp builds the controls,
// frmqarnivo_startup.cpp runs startup, exit and the clock,
// frmqarnivo_grid.cpp draws the month, frmqarnivo_navigation.cpp moves it,
// and frmqarnivo_selection.cpp selects days and switches the day names.

#include "calendar/datestate.h"
#include "calendar/names.h"
#include "platform/layoutscale.h"
#include "readings/datetable.h"
#include "settings/colourschemes.h"
#include "sunpage/cityfile.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTextEdit;
class QTimer;

namespace qarnivo {

class ClickablePicture;
class ConversionPanel;
class Options;
class Platform;
class WwtimeCal;

class frmqarnivo : public QMainWindow {
    Q_OBJECT
public:
    explicit frmqarnivo(Platform &platform, QWidget *parent = nullptr);

    // The startup sequence; the constructor only builds the controls.
    void Form_Load();

    const DateState &dateState() const { return m_state; }
    const NameTables &names() const { return m_names; }
    const QString &dayView() const { return m_dayView; }

    // Shared with the calculator window.
    CityInfo &currentCity() { return m_city; }
    const CityInfo &currentCity() const { return m_city; }
    const QStringList &pageLines() const { return m_pageLines; }
    bool showFirst() const { return m_showFirst; }
    void setShowFirst(bool show) { m_showFirst = show; }
    bool manualPresent() const { return m_manualPresent; }

    // Called by the Options window.
    void setDayCorrection(qint16 days) { m_state.DayCorrection = days; }
    void setColorIndex(qint16 index) { m_colorIndex = index; }
    void setGridColours(const ColourScheme &scheme);
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
    void SunRiseSunSet_Click();
    void Picture2_Click();
    void Image1_Click(int month);
    void Image8_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building the window.
    void createMenus();
    void createCalendarControls();
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
    void readStartupSettings();
    bool loadCity();
    void showCity();
    void applyStoredColourScheme();
    Options *optionsWindow();

    // The month grid.
    void FillMonthGrid();
    void MarkSelectedDay();
    void SetHeaderWidths();
    void ShowUrduHeader();
    void ShowEnglishHeader();
    void HideMonthPictures();
    void CheckArabicFont();
    void setDayFontFamily(const QString &family);

    // Navigation.
    void showMonth(int month, int year);
    void finishMove();
    void goToYear(QLineEdit *yearBox, QLineEdit *otherBox);
    void writeDateLines();
    void writeGregorianLine();

    // Day details, readings and occasions.
    void showOccasion(int month, int day);
    void BuildThoughts();
    void BuildOccasions();
    void checkManual();
    void showPanelText(const QString &crLfText);
    void createHelpMenus();
    void createHelpControls();

    // Accessibility.
    void createAccessibility();
    void describeDayCells();

    // Views and pointer feedback.
    void createFeedbackControls();
    void resetFeedback();
    bool pointerMoved(QObject *watched);
    bool buttonPressed(QObject *watched);
    bool doubleClicked(QObject *watched);
    void askForSunriseTimes();

    Platform &m_platform;
    const LayoutScale m_scale;
    DateState m_state;
    NameTables m_names;
    CityInfo m_city;
    QStringList m_pageLines;
    DateTable m_occasionText;
    DateTable m_thoughtText;
    bool m_manualPresent = false;

    // Settings mirrors.
    bool m_windowFull = false;
    bool m_windowMax = false;
    qint16 m_dovrellBG = 0;
    qint16 m_colorIndex = 0;
    QString m_dayView = QStringLiteral("Urdu");
    bool m_showFirst = true;

    // Selection in the day grid.
    qint16 SelHDay = 0;
    qint16 SelRow = 0;
    qint16 SelCol = 0;

    // Menus.
    QAction *Exit = nullptr;
    QAction *Option1 = nullptr;
    QAction *View = nullptr;
    QAction *Todayz = nullptr;
    QAction *ConvertDate = nullptr;
    QAction *SunRiseSunSet = nullptr;
    QAction *TestTips = nullptr;
    QAction *PrintTips = nullptr;
    QAction *Manual = nullptr;
    QAction *DivineCal = nullptr;
    QAction *CalendFeatures = nullptr;
    QAction *SoftVersion = nullptr;
    QAction *Developers = nullptr;
    QAction *GetFree = nullptr;
    QAction *OurSoft = nullptr;

    // Calendar.
    QWidget *Frame1 = nullptr; // the frame around the grids
    QTableWidget *grCal0 = nullptr;
    QTableWidget *grCal1 = nullptr;
    QLabel *Label1 = nullptr;
    std::array<ClickablePicture *, 13> Image1{}; // 1..12
    QWidget *Picture1 = nullptr;
    QLineEdit *Text7 = nullptr;
    QPushButton *GoToYear = nullptr;
    QWidget *Frame4 = nullptr;
    QLineEdit *Text8 = nullptr;
    QPushButton *GoToYrE = nullptr;
    QPushButton *Backward = nullptr;
    QPushButton *Forward = nullptr;

    // Details.
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLabel *Label7 = nullptr;
    QTextEdit *Text3 = nullptr;
    QTextEdit *Text6 = nullptr;           // the panel over the window
    ClickablePicture *Image7 = nullptr;   // credits of the translation
    QLabel *Label8 = nullptr;             // link to the maker's web site
    ClickablePicture *Image8 = nullptr;   // the invocation
    std::array<QLabel *, 4> Image4{};     // 1..3, stacked
    std::array<QLabel *, 2> Image6{};     // 0..1, stacked
    ClickablePicture *Picture2 = nullptr; // the banner below the normal height
    QList<QLabel *> m_cityLabels;
    ConversionPanel *Frame3 = nullptr;

    // City and clock.
    QLabel *Label12 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label4 = nullptr;
    QPushButton *Optionz = nullptr;
    QTimer *Timer1 = nullptr;

    // Created on first use and when closed, afresh at the next.
    QPointer<Options> m_options;
    QPointer<WwtimeCal> m_calculator;
};

} // namespace qarnivo
