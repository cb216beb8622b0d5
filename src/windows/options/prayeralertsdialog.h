#pragma once

#include "core/prayer/prayeralerts.h"

#include <QDialog>

#include <array>

class QComboBox;
class QFormLayout;
class QLabel;
class QSlider;
class QSpinBox;

namespace qarnivo {

class Platform;

// The adhan and the reminders: for each prayer silence, a notification or a
// notification with the adhan; the adhan's file (the built-in chime when
// none), Fajr's own, the volume and a test; the minutes of a reminder before
// each of the six times. Every change is stored at once and told by
// alertsChanged.
class PrayerAlertsDialog : public QDialog {
    Q_OBJECT
public:
    PrayerAlertsDialog(Platform &platform, const AlertChoices &choices, QWidget *parent = nullptr);

public slots:
    void AlertList_Click();
    void SoundChoose_Click(int which);
    void SoundDefault_Click(int which);
    void Volume_Change();
    void TestSound_Click();
    void ReminderBox_Change();

signals:
    void alertsChanged(const qarnivo::AlertChoices &choices);

private:
    void createSoundRow(QFormLayout *form, int which);
    void showSoundFiles();
    void store();

    Platform &m_platform;
    AlertChoices m_choices;
    std::array<QComboBox *, 5> m_alertLists{};
    std::array<QLabel *, 2> m_soundFiles{};
    QSlider *m_volume = nullptr;
    std::array<QSpinBox *, kPrayerCount> m_reminderBoxes{};
};

} // namespace qarnivo
