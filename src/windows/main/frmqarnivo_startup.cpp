// Startup, exit and the clock of the main window.

#include "windows/main/frmqarnivo.h"

#include "core/calendar/monthview.h"
#include "core/files/textfile.h"
#include "core/language/digits.h"
#include "core/placement/windowfit.h"
#include "core/qibla/qibla.h"
#include "core/settings/settingscatalogue.h"
#include "core/sunpage/pagewriter.h"
#include "platform/platform.h"
#include "platform/settingsstore.h"
#include "widgets/clickablepicture.h"
#include "widgets/screenfit.h"
#include "windows/calculator/mapgmt.h"
#include "windows/calculator/wwtimecal.h"
#include "windows/crescent/crescentwindow.h"
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
    const StoredChoices choices = ReadStoredChoices(
        [this](const QString &key) { return ReadTextSetting(m_platform, key, QString()); });
    m_calendar = choices.hijriCalendar();
    m_pageLines = BuildPageLines();
    LoadMonthNames(m_names);
    readStartupSettings(choices);
    LoadWeekDayNames(m_names);
    if (!loadCity())
        return;
    showCity();
    startPrayerTimes();
    // After the prayer times: from Maghrib, today may be the next Hijri day.
    resetCurrentDateToSystemDate();
    if (!m_windowFull)
        Optionz_Click();
    MoveToStoredPosition(this, ReadTextSetting(m_platform, SettingKey::MainPosition, QString()));
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
    connect(&m_today, &Today::dayChanged, this, &frmqarnivo::followToday);
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
    m_today.setNow(m_platform.now());
    const QDate today = m_today.date();
    m_shownToday = today;
    m_state.CurrentGregDay = static_cast<qint16>(today.day());
    m_state.CurrentGregMonth = static_cast<qint16>(today.month());
    m_state.CurrentGregYear = static_cast<qint16>(today.year());
}

void frmqarnivo::readStartupSettings(const StoredChoices &choices)
{
    m_windowFull = choices.windowFull;
    m_windowMax = choices.windowMax;
    m_dovrellBG = choices.dovrellBG;
    m_colorIndex = choices.colorIndex;
    m_dayView = choices.dayView;
    m_showFirst = choices.showFirst;
    m_prayerToday->setSettings(choices.prayer);
    m_trayShown = choices.systemTray;
    m_remindersOn = choices.reminders;
    m_alerts = choices.alerts;
    m_prayerToday->setReminderMinutes(m_alerts.reminderMinutes);
    m_today.setDayStartsAtSunset(choices.dayStartsAtSunset);
    m_crescentCriterion = choices.crescentCriterion;
}

StoredChoices frmqarnivo::currentChoices() const
{
    StoredChoices choices;
    choices.correction = static_cast<qint16>(m_calendar.correction());
    choices.calendar = m_calendar.kind();
    choices.prayer = m_prayerToday->settings();
    choices.windowFull = m_windowFull;
    choices.windowMax = m_windowMax;
    choices.dovrellBG = m_dovrellBG;
    choices.colorIndex = m_colorIndex;
    choices.dayView = m_dayView;
    choices.showFirst = m_showFirst;
    choices.systemTray = m_trayShown;
    choices.reminders = m_remindersOn;
    choices.alerts = m_alerts;
    choices.dayStartsAtSunset = m_today.dayStartsAtSunset();
    choices.monthStarts = m_calendar.announced();
    choices.crescentCriterion = m_crescentCriterion;
    // As stored, not as running: a new choice takes effect at the next start.
    choices.language = LanguageFromSetting(ReadTextSetting(m_platform, SettingKey::Language, {}));
    return choices;
}

// Reads the default city. A missing file is written with the default city
// and the program ends, so that the user can check it before the next start;
// a file that cannot be used otherwise is named to the user, left untouched,
// and the default city is shown for this run.
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
        m_platform.messageBox(CityFileUnusableMessage(QDir::toNativeSeparators(path), read.status),
                              MsgIcon::Exclamation, MsgButtons::Ok);
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
    m_cityLatitude->setText(ShownDigits(LatitudeDisplay(m_city.latitude)));
    m_cityLongitude->setText(ShownDigits(LongitudeDisplay(m_city.longitude)));
    m_cityTimeZone->setText(ShownDigits(OffsetDisplay(m_city.offsetGMT)));
    showQibla();
}

// The Qibla follows a saved city at once, as its prayer times do. The
// design leaves the line one row: a note too long for it is cut short, and
// read whole in its tooltip.
void frmqarnivo::showQibla()
{
    const std::optional<PrayerPlace> place = PrayerPlaceOfCity(m_city);
    const QString line = tr("Qibla: %1")
                             .arg(place ? QiblaLine(QiblaFrom(place->latitude, place->longitude))
                                        : QStringLiteral("--"));
    m_cityQibla->setToolTip(line);
    m_cityQibla->setText(
        m_cityQibla->fontMetrics().elidedText(line, Qt::ElideRight, m_cityQibla->width()));
}

// The stored scheme paints the grid and is stored again, one out of range
// as the first.
void frmqarnivo::applyStoredColourScheme()
{
    if (m_colorIndex < 0 || m_colorIndex >= kColourSchemeCount)
        m_colorIndex = 0;
    WriteIntSetting(m_platform, SettingKey::ColorIndex, m_colorIndex);
    setGridColours(GridColourScheme(m_colorIndex, palette()));
}

void frmqarnivo::setColourScheme(int index)
{
    m_colorIndex = static_cast<qint16>(index);
    setGridColours(GridColourScheme(index, palette()));
    StartFirst();
}

// A new correction moves the dates of the shown month against the Western
// days, and with them its weekdays.
void frmqarnivo::setDayCorrection(qint16 days)
{
    m_calendar = HijriCalendar(m_calendar.kind(), days, m_calendar.announced());
    No_HMonthDays();
    StartFirst();
}

// A change of calendar keeps the selected Western day and shows it in the
// new calendar's month.
void frmqarnivo::setHijriCalendar(CalendarKind calendar)
{
    m_calendar = HijriCalendar(calendar, m_calendar.correction(), m_calendar.announced());
    followCalendar();
}

// Announced starts move the days against the Western ones as a new calendar does.
void frmqarnivo::setMonthStarts(const MonthStarts &starts)
{
    m_calendar = HijriCalendar(m_calendar.kind(), m_calendar.correction(), starts);
    followCalendar();
}

void frmqarnivo::followCalendar()
{
    if (m_prayerWindow)
        m_prayerWindow->setHijriCalendar(m_calendar);
    if (m_crescentWindow)
        m_crescentWindow->setHijriCalendar(m_calendar);
    showTrayDay();
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
    if (!m_options) {
        m_options = new Options(m_platform, currentChoices(), this);
        connect(m_options, &Options::correctionChanged, this, &frmqarnivo::setDayCorrection);
        connect(m_options, &Options::colourSchemeChanged, this, &frmqarnivo::setColourScheme);
        connect(m_options, &Options::calendarChanged, this, &frmqarnivo::setHijriCalendar);
        connect(m_options, &Options::prayerSettingsChanged, this, &frmqarnivo::setPrayerSettings);
        connect(m_options, &Options::trayShownChanged, this, &frmqarnivo::setTrayShown);
        connect(m_options, &Options::remindersChanged, this, &frmqarnivo::setRemindersOn);
        connect(m_options, &Options::alertsChanged, this, &frmqarnivo::setAlerts);
        connect(m_options, &Options::dayStartsAtSunsetChanged, this,
                &frmqarnivo::setDayStartsAtSunset);
        connect(m_options, &Options::monthStartsChanged, this, &frmqarnivo::setMonthStarts);
        connect(m_options, &Options::crescentCriterionChanged, this,
                &frmqarnivo::setCrescentCriterion);
        m_options->setShownMonth({m_state.CurrentHijriMonth, m_state.CurrentHijriYear});
    }
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
    WriteTextSetting(m_platform, SettingKey::MainPosition, PositionText(pos()));
    WriteBoolSetting(m_platform, SettingKey::WindowMax, m_windowMax);
    m_platform.endProgram();
}

void frmqarnivo::Timer1_Timer()
{
    // The user's own time format, without a time zone name.
    const QDateTime now = m_platform.now();
    m_clockButton->setText(LocalClockText(now.time()));
    // The day's times move on each tick (the panel, the tray's countdown and
    // the reminders follow them); a new date reaches every view through Today.
    m_today.setNow(now);
    m_prayerToday->setNow(now);
}

} // namespace qarnivo
