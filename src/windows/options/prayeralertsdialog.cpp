#include "windows/options/prayeralertsdialog.h"

#include "core/files/savefile.h"
#include "core/settings/prayersettings.h"
#include "platform/platform.h"
#include "platform/settingsstore.h"
#include "windows/options/optionsnames.h"
#include "windows/options/prayerminuteboxes.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace qarnivo {

namespace {

QString soundCaption(int which)
{
    return which == 0 ? PrayerAlertsDialog::tr("&Adhan:")
                      : PrayerAlertsDialog::tr("&Fajr's adhan:");
}

} // namespace

PrayerAlertsDialog::PrayerAlertsDialog(Platform &platform, const AlertChoices &choices,
                                       QWidget *parent)
    : QDialog(parent), m_platform(platform), m_choices(choices)
{
    SetControlName(this, optionsnames::AlertsDialog);
    setWindowTitle(tr("Adhan and reminders"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *form = new QFormLayout(this);
    for (int i = 0; i < 5; ++i) {
        const Prayer prayer = kFivePrayers[i];
        auto *list = Named<QComboBox>(this, optionsnames::AlertList, i);
        list->addItems({tr("Silent"), tr("Notification"), tr("Notification and adhan")});
        list->setCurrentIndex(static_cast<int>(m_choices.alertOf(prayer)));
        list->setAccessibleName(tr("At %1").arg(PrayerName(prayer)));
        connect(list, &QComboBox::activated, this, &PrayerAlertsDialog::AlertList_Click);
        m_alertLists[i] = list;
        form->addRow(PrayerName(prayer) + u':', list);
    }
    for (int which = 0; which < 2; ++which)
        createSoundRow(form, which);
    showSoundFiles();

    auto *volumeRow = new QHBoxLayout;
    m_volume = Named<QSlider>(this, optionsnames::VolumeSlider);
    m_volume->setOrientation(Qt::Horizontal);
    m_volume->setRange(0, 100);
    m_volume->setValue(m_choices.volume);
    connect(m_volume, &QSlider::valueChanged, this, &PrayerAlertsDialog::Volume_Change);
    auto *test = Named<QPushButton>(this, optionsnames::TestSound);
    test->setText(tr("&Play"));
    connect(test, &QPushButton::clicked, this, &PrayerAlertsDialog::TestSound_Click);
    volumeRow->addWidget(m_volume, 1);
    volumeRow->addWidget(test);
    form->addRow(tr("&Volume:"), volumeRow);
    qobject_cast<QLabel *>(form->labelForField(volumeRow))->setBuddy(m_volume);

    form->addRow(new QLabel(tr("Reminders, minutes before (0 is off):"), this));
    auto *reminders = new QGridLayout;
    m_reminderBoxes = AddPrayerMinuteBoxes(this, reminders, optionsnames::ReminderBox, 0,
                                           kMaximumReminderMinutes);
    for (int p = 0; p < kPrayerCount; ++p) {
        QSpinBox *box = m_reminderBoxes[p];
        box->setValue(m_choices.reminderMinutes[p]);
        box->setAccessibleName(tr("Minutes before %1").arg(PrayerName(static_cast<Prayer>(p))));
        connect(box, &QSpinBox::valueChanged, this, &PrayerAlertsDialog::ReminderBox_Change);
    }
    m_reminderBoxes[static_cast<int>(Prayer::Sunrise)]->setToolTip(
        tr("Warns that the time of Fajr is ending"));
    form->addRow(reminders);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    form->addRow(buttons);
}

void PrayerAlertsDialog::createSoundRow(QFormLayout *form, int which)
{
    auto *row = new QHBoxLayout;
    m_soundFiles[which] = Named<QLabel>(this, optionsnames::SoundFile, which);
    m_soundFiles[which]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *choose = Named<QPushButton>(this, optionsnames::SoundChoose, which);
    choose->setText(tr("Choose..."));
    choose->setAccessibleName(soundCaption(which).remove(u'&') + u' ' + tr("Choose..."));
    connect(choose, &QPushButton::clicked, this, [this, which] { SoundChoose_Click(which); });
    auto *reset = Named<QPushButton>(this, optionsnames::SoundDefault, which);
    reset->setText(which == 0 ? tr("Chime") : tr("Same"));
    reset->setToolTip(which == 0 ? tr("The built-in chime") : tr("The same as the other prayers"));
    connect(reset, &QPushButton::clicked, this, [this, which] { SoundDefault_Click(which); });
    row->addWidget(m_soundFiles[which], 1);
    row->addWidget(choose);
    row->addWidget(reset);
    form->addRow(soundCaption(which), row);
    qobject_cast<QLabel *>(form->labelForField(row))->setBuddy(choose);
}

void PrayerAlertsDialog::showSoundFiles()
{
    const auto shown = [](const QString &path, const QString &none) {
        return path.isEmpty() ? none : QFileInfo(path).fileName();
    };
    m_soundFiles[0]->setText(shown(m_choices.sound, tr("Built-in chime")));
    m_soundFiles[1]->setText(shown(m_choices.fajrSound, tr("Same as the other prayers")));
    m_soundFiles[0]->setToolTip(QDir::toNativeSeparators(m_choices.sound));
    m_soundFiles[1]->setToolTip(QDir::toNativeSeparators(m_choices.fajrSound));
}

void PrayerAlertsDialog::AlertList_Click()
{
    for (int i = 0; i < 5; ++i)
        m_choices.alerts[i] = static_cast<PrayerAlert>(m_alertLists[i]->currentIndex());
    store();
}

void PrayerAlertsDialog::SoundChoose_Click(int which)
{
    QString &path = which == 0 ? m_choices.sound : m_choices.fajrSound;
    const QString folder = path.isEmpty() ? QDir::homePath() : QFileInfo(path).absolutePath();
    const QString chosen = m_platform.openFileName(folder);
    if (chosen.isEmpty())
        return;
    path = chosen;
    showSoundFiles();
    store();
}

void PrayerAlertsDialog::SoundDefault_Click(int which)
{
    (which == 0 ? m_choices.sound : m_choices.fajrSound).clear();
    showSoundFiles();
    store();
}

void PrayerAlertsDialog::Volume_Change()
{
    m_choices.volume = m_volume->value();
    store();
}

// The adhan as it will sound at Dhuhr; a file that will not play is told.
void PrayerAlertsDialog::TestSound_Click()
{
    const QString path = m_choices.sound;
    const QPointer<PrayerAlertsDialog> dialog(this);
    const auto told = [dialog, path](const QString &failure) {
        if (dialog && !failure.isEmpty())
            dialog->m_platform.messageBox(
                tr("%1 cannot be played: %2").arg(QDir::toNativeSeparators(path), failure),
                MsgIcon::Exclamation, MsgButtons::Ok);
    };
    if (const QString problem = path.isEmpty() ? QString() : UnreadableFile(path);
        !problem.isEmpty()) {
        told(problem);
        return;
    }
    m_platform.playSound(path, m_choices.volume, told);
}

void PrayerAlertsDialog::ReminderBox_Change()
{
    for (int p = 0; p < kPrayerCount; ++p)
        m_choices.reminderMinutes[p] = m_reminderBoxes[p]->value();
    store();
}

void PrayerAlertsDialog::store()
{
    for (const auto &[key, text] : AlertChoicesTexts(m_choices))
        WriteTextSetting(m_platform, key, text);
    emit alertsChanged(m_choices);
}

} // namespace qarnivo
