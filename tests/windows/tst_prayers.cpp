// The prayer times on the windows: the main window's panel and its countdown, the Options
// window's choices, the reminders, the tray and the Prayer Times window's menu item.

#include "core/sound/chime.h"
#include "widgets/cellgrid.h"
#include "windows/main/prayertray.h"
#include "windows/prayertimes/prayerwindow.h"
#include "windowsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QSystemTrayIcon>

using namespace qarnivo;
using namespace qarnivo::testing;

namespace {

// 6 December 2026 in Bhubaneswar (the default city), Karachi, Hanafi Asr.
const QDate kDay(2026, 12, 6);

struct PrayerWindow : Window {
    explicit PrayerWindow(const QTime &time = QTime(9, 30)) : Window(kDay)
    {
        platform.clock = QDateTime(kDay, time);
    }
    PrayerDay engine(const PrayerSettings &settings = {}, const QDate &date = kDay) const
    {
        return PrayerTimesFor(date, *PrayerPlaceOfCity(DefaultCity()), settings);
    }
    QString time(Prayer prayer) const { return text(prayernames::Time, static_cast<int>(prayer)); }
    bool marked(Prayer prayer) const
    {
        return get(prayernames::Time, static_cast<int>(prayer))->styleSheet().contains("bold");
    }
    void tickAt(const QDateTime &when)
    {
        platform.clock = when;
        main->Timer1_Timer();
    }
    QWidget *options()
    {
        main->Option1_Click();
        return main->findChild<QWidget *>("Options");
    }
};

} // namespace

class TestPrayers : public QObject {
    Q_OBJECT
private slots:
    // The panel shows the engine's times for the default city, marks the next prayer and counts
    // down to it; the next day's times come at midnight; a new city moves them.
    void panelFollowsTheClockAndTheCity()
    {
        PrayerWindow w;
        w.load();
        const PrayerDay today = w.engine();
        QCOMPARE(w.time(Prayer::Fajr), "04:50");
        QCOMPARE(w.time(Prayer::Isha), FormatPrayerTime(*today.at(Prayer::Isha), true));
        QVERIFY(w.marked(Prayer::Dhuhr) && !w.marked(Prayer::Fajr) && !w.marked(Prayer::Asr));
        QCOMPARE(w.text(prayernames::Countdown), "Dhuhr in 2:09:00");
        w.tickAt(QDateTime(kDay, QTime(11, 38, 59)));
        QCOMPARE(w.text(prayernames::Countdown), "Dhuhr in 0:00:01");
        w.tickAt(QDateTime(kDay, QTime(23, 0)));
        QVERIFY(w.text(prayernames::Countdown).startsWith("Fajr (tomorrow) in 5:"));
        QVERIFY(!w.marked(Prayer::Fajr));
        w.tickAt(QDateTime(kDay.addDays(40), QTime(0, 0, 1)));
        QCOMPARE(w.time(Prayer::Maghrib),
                 FormatPrayerTime(*w.engine({}, kDay.addDays(40)).at(Prayer::Maghrib), true));
        QCOMPARE(w.text(mainnames::CityQibla), "Qibla: 280.0°, west");
        w.main->setCurrentCity({"Tromso", "69.65", "-18.96", "-1"});
        QCOMPARE(w.time(Prayer::Sunrise), "--");
        QCOMPARE(w.text(prayernames::Countdown), "Polar night: the sun does not rise today");
        QCOMPARE(w.text(mainnames::CityQibla), "Qibla: 154.3°, south-southeast");
        w.main->setCurrentCity({"Nowhere", "north", "0", "0"});
        QCOMPARE(w.text(prayernames::Countdown), "The default city's values cannot be read.");
        QCOMPARE(w.text(mainnames::CityQibla), "Qibla: --");
    }

    // Stored choices are applied at startup (what an unreadable one reads as is the core's).
    void storedSettingsAtStartup_data()
    {
        columns<QString, QString, QString>({"key", "stored", "fajr"});
        row("method (adhan: 04:44)", "PrayerMethod", "egypt", "04:44");
        row("adjustments", "PrayerAdjustments", "5,0,0,0,0,0", "04:55");
        row("12-hour clock", "Clock24", "False", "4:50 AM");
    }
    void storedSettingsAtStartup()
    {
        const auto [key, stored, fajr] = fetch<QString, QString, QString>("key", "stored", "fajr");
        PrayerWindow w;
        w.setSetting(key, stored);
        w.load();
        QCOMPARE(w.time(Prayer::Fajr), fajr);
    }

    // Each choice in the Options window is stored and moves the panel (or the day) at once.
    void optionsChangeAndStore()
    {
        PrayerWindow w;
        w.load();
        QWidget *options = w.options();
        auto *method = control<QComboBox>(options, optionsnames::PrayerMethodList);
        QCOMPARE(method->currentIndex(), static_cast<int>(PrayerMethod::Karachi));
        QCOMPARE(control<QComboBox>(options, optionsnames::AsrRuleList)->currentText(), "Hanafi");
        method->setCurrentIndex(static_cast<int>(PrayerMethod::MuslimWorldLeague));
        QMetaObject::invokeMethod(options, "PrayerSettings_Change");
        control<QComboBox>(options, optionsnames::AsrRuleList)->setCurrentIndex(0);
        control<QSpinBox>(options, optionsnames::AdjustmentBox, 3)->setValue(-2);
        control<QCheckBox>(options, optionsnames::Clock24Check)->click();
        QCOMPARE(w.setting(SettingKey::PrayerMethod) + ' ' + w.setting(SettingKey::AsrRule) + ' ' +
                     w.setting(SettingKey::PrayerAdjustments) + ' ' +
                     w.setting(SettingKey::Clock24),
                 "mwl Standard 0,0,0,-2,0,0 False");
        PrayerSettings chosen;
        chosen.method = PrayerMethod::MuslimWorldLeague;
        chosen.asr = AsrRule::Standard;
        chosen.adjustments[3] = -2;
        QCOMPARE(w.time(Prayer::Asr), FormatPrayerTime(*w.engine(chosen).at(Prayer::Asr), false));
        QVERIFY(w.time(Prayer::Asr).endsWith(" PM"));
        // The tray's icon is made only once the tray is wanted, with the tooltip so far.
        QVERIFY(!w.main->findChild<QSystemTrayIcon *>());
        control<QCheckBox>(options, optionsnames::TrayCheck)->click();
        const auto *trayIcon = w.main->findChild<QSystemTrayIcon *>();
        QVERIFY(trayIcon && !trayIcon->icon().isNull());
        QCOMPARE(trayIcon->toolTip(), w.main->findChild<PrayerTray *>()->toolTip());
        control<QCheckBox>(options, optionsnames::RemindersCheck)->click();
        control<QCheckBox>(options, optionsnames::SunsetCheck)->click();
        QCOMPARE(w.setting(SettingKey::SystemTray) + w.setting(SettingKey::PrayerReminders) +
                     w.setting(SettingKey::DayStartsAtSunset),
                 "TrueTrueTrue");
        w.tickAt(QDateTime(kDay, QTime(17, 30))); // after Maghrib, 25 Jumadil-Aakhir's
        QVERIFY(w.main->findChild<PrayerTray *>()->toolTip().startsWith("Eve of 26 "));
        QCOMPARE(trayIcon->toolTip(), w.main->findChild<PrayerTray *>()->toolTip());
    }

    // A notification for each prayer whose minute the clock passes while the reminders are on;
    // none for the prayers that came while they were off, even if they are turned on within the
    // prayer's minute.
    void reminders()
    {
        PrayerWindow w(QTime(4, 49, 30));
        w.setSetting(SettingKey::PrayerReminders, "True");
        w.load();
        w.tickAt(QDateTime(kDay, QTime(4, 50, 0)));
        w.main->setRemindersOn(false);
        w.tickAt(QDateTime(kDay, QTime(11, 39)));              // Dhuhr
        w.platform.clock = QDateTime(kDay, QTime(15, 31, 10)); // Asr
        w.main->setRemindersOn(true);
        w.tickAt(QDateTime(kDay, QTime(15, 31, 20)));
        w.tickAt(QDateTime(kDay, QTime(17, 6))); // Maghrib
        QCOMPARE(w.platform.notifications,
                 QStringList(
                     {"Fajr prayer: It is time for Fajr (04:50) in India - Bhubaneswar.",
                      "Maghrib prayer: It is time for Maghrib (17:06) in India - Bhubaneswar."}));
    }

    // What a prayer's time brings, as stored: a notification, the adhan (the chime, the user's
    // file, Fajr's own, at the stored volume), or nothing; a missing or unplayable file is told
    // and the chime plays instead; the switch off silences everything. Friday 4 December 2026:
    // Fajr 04:49, Dhuhr 11:38; Sunday 6 December: Fajr 04:50, Dhuhr 11:39.
    void alerts_data()
    {
        columns<QStringList, QString, QStringList, QString>({"stored", "at", "sounds", "told"});
        const QString notify = "notification notification notification notification notification";
        const QString dhuhrSound = "notification sound notification notification notification";
        const QString allSound = "sound sound sound sound sound";
        row("a notification", QStringList{"PrayerReminders=True", "PrayerAlerts=" + notify},
            "2026-12-06 11:39", QStringList(),
            "Dhuhr prayer: It is time for Dhuhr (11:39) in India - Bhubaneswar.");
        row("none stored: a notification", QStringList{"PrayerReminders=True"}, "2026-12-06 11:39",
            QStringList(), "Dhuhr prayer: It is time for Dhuhr (11:39) in India - Bhubaneswar.");
        row("the chime", QStringList{"PrayerReminders=True", "PrayerAlerts=" + dhuhrSound},
            "2026-12-06 11:39", QStringList{"chime 80"},
            "Dhuhr prayer: It is time for Dhuhr (11:39) in India - Bhubaneswar.");
        row("silent",
            QStringList{"PrayerReminders=True",
                        "PrayerAlerts=notification silent notification notification notification"},
            "2026-12-06 11:39", QStringList(), QString());
        row("the user's file, quieter",
            QStringList{"PrayerReminders=True", "PrayerAlerts=" + allSound, "PrayerSound=adhan.ogg",
                        "PrayerVolume=40"},
            "2026-12-06 11:39", QStringList{"adhan.ogg 40"},
            "Dhuhr prayer: It is time for Dhuhr (11:39) in India - Bhubaneswar.");
        row("Fajr's own file",
            QStringList{"PrayerReminders=True", "PrayerAlerts=" + allSound, "PrayerSound=adhan.ogg",
                        "PrayerFajrSound=fajr.ogg"},
            "2026-12-06 04:50", QStringList{"fajr.ogg 80"},
            "Fajr prayer: It is time for Fajr (04:50) in India - Bhubaneswar.");
        row("a missing file",
            QStringList{"PrayerReminders=True", "PrayerAlerts=" + allSound, "PrayerSound=gone.ogg"},
            "2026-12-06 11:39", QStringList{"chime 80"},
            "The adhan could not be played: gone.ogg: it does not exist. The chime plays "
            "instead.|Dhuhr prayer: It is time for Dhuhr (11:39) in India - Bhubaneswar.");
        row("an unplayable file",
            QStringList{"PrayerReminders=True", "PrayerAlerts=" + allSound, "PrayerSound=adhan.ogg",
                        "fail"},
            "2026-12-06 11:39", QStringList{"adhan.ogg 80", "chime 80"},
            "The adhan could not be played: adhan.ogg: it cannot be played. The chime plays "
            "instead.|Dhuhr prayer: It is time for Dhuhr (11:39) in India - Bhubaneswar.");
        row("switched off", QStringList{"PrayerReminders=False", "PrayerAlerts=" + allSound},
            "2026-12-06 11:39", QStringList(), QString());
        row("a reminder ahead",
            QStringList{"PrayerReminders=True", "PrayerReminderMinutes=15 0 10 0 0 0"},
            "2026-12-06 11:29", QStringList(),
            "Dhuhr soon: Dhuhr in 10 min (11:39) in India - Bhubaneswar.");
        row("Jumu'ah's reminder",
            QStringList{"PrayerReminders=True", "PrayerReminderMinutes=0 0 10 0 0 0"},
            "2026-12-04 11:28", QStringList(),
            "Jumu'ah soon: Jumu'ah in 10 min (11:38) in India - Bhubaneswar.");
        row("Fajr's end", QStringList{"PrayerReminders=True", "PrayerReminderMinutes=0 20 0 0 0 0"},
            "2026-12-06 05:49", QStringList(),
            "Fajr ends soon: The time of Fajr ends in 20 min, at sunrise (06:09), in India - "
            "Bhubaneswar.");
    }
    void alerts()
    {
        const auto [stored, at, sounds, told] =
            fetch<QStringList, QString, QStringList, QString>("stored", "at", "sounds", "told");
        const QDateTime moment = QDateTime::fromString(at, "yyyy-MM-dd hh:mm");
        PrayerWindow w(QTime(0, 0));
        w.platform.clock = moment.addSecs(-30);
        QVERIFY(writeBytes(w.path("adhan.ogg"), "OggS") && writeBytes(w.path("fajr.ogg"), "OggS"));
        for (const QString &setting : stored) {
            if (setting == "fail")
                w.platform.soundFailure = "it cannot be played";
            else
                w.setSetting(setting.section(u'=', 0, 0), setting.endsWith(".ogg")
                                                              ? w.path(setting.section(u'=', 1))
                                                              : setting.section(u'=', 1));
        }
        w.load();
        w.tickAt(moment);
        QStringList played;
        for (const auto &sound : w.platform.sounds)
            played << (sound.path.isEmpty() ? QString("chime") : QFileInfo(sound.path).fileName()) +
                          ' ' + QString::number(sound.volume);
        QCOMPARE(played, sounds);
        QCOMPARE(w.platform.notifications.join(u'|').replace(w.path(QString()) + '/', QString()),
                 told);
    }

    // While the adhan plays the main window and the tray offer to stop it; either stops it, and
    // both go when it ends by itself.
    void stopTheAdhan_data()
    {
        columns<QString>({"how"});
        row("the window's button", QString("button"));
        row("the tray's menu", QString("tray"));
        row("played to its end", QString("end"));
    }
    void stopTheAdhan()
    {
        const auto [how] = fetch<QString>("how");
        PrayerWindow w(QTime(11, 38, 50));
        w.setSetting(SettingKey::PrayerReminders, "True");
        w.setSetting(SettingKey::PrayerAlerts, "sound sound sound sound sound");
        w.load();
        auto *stop = w.get<QPushButton>(mainnames::StopSoundButton);
        QAction *trayStop = w.main->findChild<PrayerTray *>()->menu()->findChild<QAction *>(
            ObjectName(traynames::StopSound));
        QVERIFY(!stop->isVisible() && !trayStop->isVisible());
        w.tickAt(QDateTime(kDay, QTime(11, 39)));
        QVERIFY(w.platform.soundPlaying() && stop->isVisible() && trayStop->isVisible());
        if (how == "button")
            stop->click();
        else if (how == "tray")
            trayStop->trigger();
        else
            w.platform.endSound();
        QCOMPARE(w.platform.soundStops, how == "end" ? 0 : 1);
        QVERIFY(!w.platform.soundPlaying() && !stop->isVisible() && !trayStop->isVisible());
        w.tickAt(QDateTime(kDay, QTime(11, 39, 30))); // the same prayer never twice
        QCOMPARE(w.platform.sounds.size(), 1);
    }

    // The dialog stores each choice at once and the running window follows it: Fajr's adhan from
    // a chosen file at a lower volume, a reminder before Dhuhr; the built-in chime goes with
    // the program.
    void alertsDialogStoresAndApplies()
    {
        PrayerWindow w(QTime(4, 0));
        w.setSetting(SettingKey::PrayerReminders, "True");
        w.load();
        QWidget *options = w.options();
        control<QPushButton>(options, optionsnames::AlertsButton)->click();
        auto *dialog = options->findChild<QWidget *>(ObjectName(optionsnames::AlertsDialog));
        QVERIFY(dialog && dialog->isVisible());
        auto *fajr = control<QComboBox>(dialog, optionsnames::AlertList, 0);
        fajr->setCurrentIndex(static_cast<int>(PrayerAlert::Sound));
        QMetaObject::invokeMethod(dialog, "AlertList_Click");
        w.platform.openAnswer = w.path("fajr.ogg");
        QVERIFY(writeBytes(w.platform.openAnswer, "OggS"));
        control<QPushButton>(dialog, optionsnames::SoundChoose, 1)->click();
        control<QSlider>(dialog, optionsnames::VolumeSlider)->setValue(30);
        control<QSpinBox>(dialog, optionsnames::ReminderBox, 2)->setValue(10);
        QCOMPARE(QStringList(
                     {w.setting(SettingKey::PrayerAlerts), w.setting(SettingKey::PrayerFajrSound),
                      w.setting(SettingKey::PrayerSound), w.setting(SettingKey::PrayerVolume),
                      w.setting(SettingKey::PrayerReminderMinutes)}),
                 QStringList({"sound notification notification notification notification",
                              w.path("fajr.ogg"), QString(), "30", "0 0 10 0 0 0"}));
        w.tickAt(QDateTime(kDay, QTime(4, 50)));
        w.tickAt(QDateTime(kDay, QTime(11, 29)));
        QCOMPARE(w.platform.sounds.size(), 1);
        QCOMPARE(w.platform.sounds[0].path + ' ' + QString::number(w.platform.sounds[0].volume),
                 w.path("fajr.ogg") + " 30");
        QVERIFY(w.platform.notifications.last().startsWith("Dhuhr soon: "));
        QFile chime(":/sounds/chime.wav");
        QVERIFY(chime.open(QIODevice::ReadOnly) && chime.readAll() == ChimeWav());
    }

    // The tray: the day's picture, the tooltip with the Hijri date and the next prayer, Exit
    // running the exit sequence; the Prayer Times window from its menu item, following the
    // calendar and the settings.
    void trayAndPrayerTimesWindow()
    {
        PrayerWindow w;
        w.load();
        const QImage picture = TrayDayPicture(25, 32).toImage();
        QCOMPARE(picture.size(), QSize(32, 32));
        QVERIFY(picture != TrayDayPicture(26, 32).toImage()); // the day is drawn, not a badge
        auto *tray = w.main->findChild<PrayerTray *>();
        QCOMPARE(tray->day(), 25); // 25 Jumadil-Aakhir 1448
        QCOMPARE(tray->toolTip(), "25, Jamaadil -Aakhir - 1448 Hijri\nDhuhr in 2:09:00");
        w.trigger(mainnames::PrayerTimesCommand);
        auto *window = w.main->findChild<PrayerTimesWindow *>("PrayerTimes");
        QVERIFY(window && window->isVisible());
        QCOMPARE(w.get<QAction>(mainnames::PrayerTimesCommand)->shortcut(),
                 QKeySequence("Ctrl+Shift+P"));
        // The window's Hijri dates follow the calendar chosen: Umm al-Qura began the month a day
        // before the arithmetical calendar.
        QCOMPARE(control<QLabel>(window, prayerwindownames::HijriDate)->text(),
                 "25 Jumadis -Sani 1448 AH");
        w.main->setHijriCalendar(CalendarKind::UmmAlQura);
        QCOMPARE(control<QLabel>(window, prayerwindownames::HijriDate)->text(),
                 "26 Jumadis -Sani 1448 AH");
        QCOMPARE(tray->day(), 26); // the tray follows the calendar, and the clock past midnight
        w.platform.clock = w.platform.clock.addDays(1);
        w.main->Timer1_Timer();
        QCOMPARE(tray->day(), 27);
        QVERIFY(tray->toolTip().startsWith("27, Jamaadil -Aakhir - 1448 Hijri\n"));
        PrayerSettings twelveHours;
        twelveHours.clock24 = false;
        w.main->setPrayerSettings(twelveHours); // the window follows the settings chosen
        QCOMPARE(control<QLabel>(window, prayerwindownames::PrayerTime, 0)->text(), "4:50 AM");
        tray->menu()->findChild<QAction *>(ObjectName(traynames::Exit))->trigger();
        QVERIFY(w.platform.ended);
    }

    // The Hijri day from sunset on 17 February 2026, 29 Sha'aban 1447: from Maghrib the today
    // mark, the date line, the tray and the Maghrib reminder are 1 Ramadhan's, the eve named in
    // the tips; past midnight the same day goes on, civil. Off, nothing moves. Where the sun does
    // not set the tray says the day changes at midnight.
    void hijriDayFromSunset_data()
    {
        columns<bool, QStringList, QString>({"sunset", "ticks", "seen"});
        const QString sha = "29|29, Sha'aban-ul-Moazzam - 1447 Hijri|";
        const QString ramadhan = "1|1, Ramadhan-ul-Mubarak - 1447 Hijri|";
        const QString eve = "Eve of 1 Ramadhan 1447";
        const QString noMaghrib = "No Maghrib today: the Hijri day changes at midnight";
        row("a second before Maghrib", true, QStringList{"before"},
            QString(sha + "29, Sha'aban-ul-Moazzam - 1447 Hijri||"));
        row("Maghrib", true, QStringList{"before", "Maghrib"},
            ramadhan + eve + '|' + eve + '|' + eve);
        row("midnight", true, QStringList{"before", "Maghrib", "midnight"},
            ramadhan + "1, Ramadhan-ul-Mubarak - 1447 Hijri|Start of Ramazan-ul-Mubarak|" + eve);
        row("off", false, QStringList{"before", "Maghrib"},
            QString(sha + "29, Sha'aban-ul-Moazzam - 1447 Hijri||"));
        row("polar day", true, QStringList{"polar day"},
            "1|1, Muharram-ul-Haraam - 1448 Hijri|1, Muharram-ul-Haraam - 1448 Hijri\n" +
                noMaghrib + '|' + noMaghrib + '|');
    }
    void hijriDayFromSunset()
    {
        const auto [sunset, ticks, seen] =
            fetch<bool, QStringList, QString>("sunset", "ticks", "seen");
        const QDate day(2026, 2, 17);
        PrayerWindow w;
        w.platform.clock = QDateTime(day, QTime(12, 0));
        w.setSetting(SettingKey::DayStartsAtSunset, sunset ? "True" : "False");
        w.setSetting(SettingKey::PrayerReminders, "True");
        w.load();
        const QTime maghrib = QTime(0, 0).addSecs(*w.engine({}, day).at(Prayer::Maghrib) * 60);
        for (const QString &tick : ticks) {
            if (tick == "polar day") { // Tromso on 17 June 2026, 1 Muharram 1448
                w.tickAt(QDateTime(QDate(2026, 6, 17), QTime(23, 0)));
                w.main->setCurrentCity({"Tromso", "69.65", "-18.96", "-1"});
            } else {
                w.tickAt(tick == "midnight" ? QDateTime(day.addDays(1), QTime(0, 0, 1))
                                            : QDateTime(day, maghrib.addSecs(-(tick == "before"))));
            }
        }
        const QTableWidgetItem *today = nullptr;
        for (int cell = 0; cell < 42; ++cell) {
            if (QTableWidgetItem *item = w.days()->item(cell / 7, cell % 7);
                item->data(kFramedRole).toBool())
                today = item;
        }
        QVERIFY(today);
        static const QRegularExpression countdown("\n\\S+( \\(tomorrow\\))? in [0-9:]+$");
        // The 29th's tip ends with the new crescent; the eve's note comes before it.
        static const QRegularExpression crescent("\n?New crescent on the evening of [^\n]*$");
        const QStringList &notified = w.platform.notifications;
        QCOMPARE(QStringList({today->text(), w.text(mainnames::HijriDateLine),
                              w.main->findChild<PrayerTray *>()->toolTip().remove(countdown),
                              today->toolTip().remove(crescent).section(u'\n', -1),
                              notified.value(notified.size() - 1).section(u'\n', 1)})
                     .join(u'|'),
                 seen);
        // A screen reader is told what the tip shows.
        QVERIFY(today->data(Qt::AccessibleDescriptionRole)
                    .toString()
                    .endsWith(today->toolTip().replace(u'\n', ". ")));
    }
};

QARNIVO_WEBENGINE_TEST_MAIN(TestPrayers)
#include "tst_prayers.moc"
