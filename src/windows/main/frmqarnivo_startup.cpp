// Startup, exit and the clock of the main window.

#include "windows/main/frmqarnivo.h"

#include "core/calendar/monthview.h"
#include "core/files/textfile.h"
#include "core/settings/settingscatalogue.h"
#include "core/sunpage/pagewriter.h"
#include "platform/platform.h"
#include "platform/settingsstore.h"
#include "widgets/clickablepicture.h"
#include "windows/calculator/mapgmt.h"
#include "windows/calculator/wwtimecal.h"
#include "windows/main/conversionpanel.h"
#include "windows/options/options.h"
#include "windows/prayertimes/prayerwindow.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>

namespace qarnivo {

void frmqarnivo::Form_Load()
{
    resetCurrentDateToSystemDate();
    m_state.DayCorrection = ReadInt16Setting(m_platform, SettingKey::Correction, 0);
    m_state.Calendar = CalendarFromSetting(ReadTextSetting(m_platform, SettingKey::Calendar,
                                                           QStringLiteral("Tabular")))
                           .value_or(CalendarKind::Tabular);
    m_pageLines = BuildPageLines();
    LoadMonthNames(m_names);
    readStartupSettings();
    LoadWeekDayNames(m_names);
    if (!loadCity())
        return;
    showCity();
    startPrayerTimes();
    if (!m_windowFull)
        Optionz_Click();
    if (m_windowMax) {
        setWindowState(windowState() | Qt::WindowMaximized);
        m_conversionCommand->setEnabled(true);
    }
    m_conversionPanel->FillLists();
    SetHeaderWidths();
    SyncTodayHijri();
    No_HMonthDays();
    applyStoredColourScheme();
    CheckArabicFont();
    StartFirst();
    showHijriLine(HijriDateLine(m_state.CurrentHijriDay,
                                m_names.HMonthName[m_state.CurrentHijriMonth],
                                m_state.CurrentHijriYear));
    writeGregorianLine();
    BuildThoughts();
    BuildOccasions();
    Picture2_Click();
    checkManual();
    const bool english = m_dayView == QLatin1String("English");
    m_dayView = QStringLiteral("Urdu");
    m_englishYearRow->hide();
    if (english)
        grCal0_Click();
    if (m_showFirst)
        SunRiseSunSet_Click();
    else
        show();
}

// Opens the calculator window (created afresh after each close) in place of
// the main window, which shows again when the calculator closes.
void frmqarnivo::SunRiseSunSet_Click()
{
    if (!m_calculator) {
        m_calculator = new WwtimeCal(m_platform, *this, this);
        m_calculator->Form_Load();
        if (m_showFirst)
            m_calculator->setShowFirstChecked(true);
    }
    m_calculator->show();
    m_calculator->raise();
    m_calculator->activateWindow();
    hide();
}

void frmqarnivo::resetCurrentDateToSystemDate()
{
    const QDate today = m_platform.now().date();
    m_state.StartDate = today;
    m_state.CurrentGregDay = static_cast<qint16>(today.day());
    m_state.CurrentGregMonth = static_cast<qint16>(today.month());
    m_state.CurrentGregYear = static_cast<qint16>(today.year());
}

void frmqarnivo::readStartupSettings()
{
    m_windowFull = ReadBoolSetting(m_platform, SettingKey::WindowFull, false);
    m_windowMax = ReadBoolSetting(m_platform, SettingKey::WindowMax, false);
    m_dovrellBG = ReadInt16Setting(m_platform, SettingKey::DovrellBG, 0);
    m_colorIndex = ReadInt16Setting(m_platform, SettingKey::ColorIndex, 0);
    m_dayView = ReadTextSetting(m_platform, SettingKey::DayView, QStringLiteral("Urdu"));
    m_showFirst = ReadBoolSetting(m_platform, SettingKey::ShowFirst, true);
}

// Reads the default city. A missing file is written with the default city
// and the program ends, so that the user can check it before the next start;
// a file that cannot be used otherwise leaves it untouched and shows the
// default city for this run.
bool frmqarnivo::loadCity()
{
    const QString folder = m_platform.applicationFolder();
    if (folder.isEmpty()) { // nowhere to keep the file
        m_city = DefaultCity();
        return true;
    }
    const QString path = QDir(folder).filePath(kCityFileName);
    const CityFileRead read = ReadCityFile(path);
    switch (read.status) {
    case CityFileRead::Status::Ok:
        m_city = read.city;
        return true;
    case CityFileRead::Status::NotFound:
        break;
    case CityFileRead::Status::Unreadable:
    case CityFileRead::Status::TooFewFields:
        m_city = DefaultCity();
        return true;
    }
    const QString failure = SaveTextFile(path, CityFileLines(DefaultCity()));
    if (failure.isEmpty()) {
        m_platform.messageBox(MissingCityFileMessage(), MsgIcon::Critical, MsgButtons::Ok);
        m_platform.endProgram();
        return false;
    }
    // The folder does not take the file: say so, and carry on with the
    // default city rather than ending in a loop of failed starts.
    m_platform.messageBox(CityFileNotWrittenMessage(path, failure), MsgIcon::Exclamation,
                          MsgButtons::Ok);
    m_city = DefaultCity();
    return true;
}

void frmqarnivo::showCity()
{
    m_cityName->setText(CityNameDisplay(m_city.name));
    m_cityLatitude->setText(LatitudeDisplay(m_city.latitude));
    m_cityLongitude->setText(LongitudeDisplay(m_city.longitude));
    m_cityTimeZone->setText(OffsetDisplay(m_city.offsetGMT));
}

// The options window is loaded without being shown and picks the stored
// scheme, which paints the grid and stores the scheme again.
void frmqarnivo::applyStoredColourScheme()
{
    if (m_colorIndex < 0 || m_colorIndex >= kColourSchemeCount)
        m_colorIndex = 0;
    optionsWindow()->selectScheme(m_colorIndex);
}

// A change of calendar keeps the selected Western day and shows it in the
// new calendar's month.
void frmqarnivo::setHijriCalendar(CalendarKind calendar)
{
    m_state.Calendar = calendar;
    if (m_prayerWindow)
        m_prayerWindow->setHijriCalendar(calendar);
    SyncTodayHijri();
    finishMove();
    showOccasion(m_state.CurrentHijriMonth, m_state.CurrentHijriDay);
}

MapGMT &frmqarnivo::mapWindow()
{
    if (!m_map)
        m_map = new MapGMT(this);
    return *m_map;
}

Options *frmqarnivo::optionsWindow()
{
    if (!m_options)
        m_options = new Options(m_platform, *this, this);
    return m_options;
}

void frmqarnivo::Option1_Click()
{
    Options *options = optionsWindow();
    options->show();
    options->raise();
    options->activateWindow();
}

void frmqarnivo::setGridColours(const ColourScheme &scheme)
{
    QPalette palette = m_dayGrid->palette();
    palette.setColor(QPalette::Base, scheme.back);
    palette.setColor(QPalette::Text, scheme.text);
    m_dayGrid->setPalette(palette);
    QPalette framePalette = m_gridFrame->palette();
    framePalette.setColor(QPalette::Window, scheme.back);
    m_gridFrame->setPalette(framePalette);
}

void frmqarnivo::Exit_Click()
{
    WriteTextSetting(m_platform, SettingKey::DayView, m_dayView);
    m_windowMax = isMaximized();
    WriteBoolSetting(m_platform, SettingKey::WindowMax, m_windowMax);
    if (m_platform.now().date() != m_state.StartDate) {
        const MsgAnswer answer = m_platform.messageBox(
            QStringLiteral("Date value has been changed. Would you like to continue?"),
            MsgIcon::Exclamation, MsgButtons::YesNoCancel);
        if (answer != MsgAnswer::Yes && !m_platform.setSystemDate(m_state.StartDate))
            m_platform.messageBox(SystemDateNotSetMessage(m_state.StartDate), MsgIcon::Exclamation,
                                  MsgButtons::Ok);
    }
    m_platform.endProgram();
}

void frmqarnivo::Timer1_Timer()
{
    // The user's own time format, without a time zone name.
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QStringLiteral(" t")).remove(u't');
    const QDateTime now = m_platform.now();
    m_clockButton->setText(now.time().toString(format.trimmed()));
    tickPrayerTimes(now);
}

} // namespace qarnivo
