// The Options window's prayer-time group: every choice is stored and told
// at once.

#include "windows/options/options.h"

#include "core/settings/prayersettings.h"
#include "core/settings/settingscatalogue.h"
#include "platform/platform.h"
#include "platform/settingsstore.h"
#include "windows/options/optionsnames.h"
#include "windows/options/prayeralertsdialog.h"
#include "windows/options/prayerminuteboxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace qarnivo {

namespace {

constexpr int kMaximumAdjustment = 60;

QComboBox *choiceList(QWidget *parent, const ControlName &name, const QStringList &items)
{
    auto *list = Named<QComboBox>(parent, name);
    list->addItems(items);
    return list;
}

} // namespace

int Options::createPrayerControls()
{
    m_prayerFrame = Named<QGroupBox>(m_contents, optionsnames::PrayerFrame);
    m_prayerFrame->setTitle(tr("Prayer Times"));
    auto *form = new QFormLayout(m_prayerFrame);

    QStringList methods;
    for (int m = 0; m < kPrayerMethodCount; ++m)
        methods << PrayerMethodTitle(static_cast<PrayerMethod>(m));
    m_methodList = choiceList(m_prayerFrame, optionsnames::PrayerMethodList, methods);
    m_asrList =
        choiceList(m_prayerFrame, optionsnames::AsrRuleList, {tr("Standard"), tr("Hanafi")});
    m_highLatitudeList =
        choiceList(m_prayerFrame, optionsnames::HighLatitudeList,
                   {tr("Middle of the night"), tr("Seventh of the night"), tr("Twilight angle")});
    form->addRow(tr("&Method:"), m_methodList);
    form->addRow(tr("&Asr:"), m_asrList);
    form->addRow(tr("&High latitudes:"), m_highLatitudeList);

    auto *adjustments = new QGridLayout;
    m_adjustmentBoxes =
        AddPrayerMinuteBoxes(m_prayerFrame, adjustments, optionsnames::AdjustmentBox,
                             -kMaximumAdjustment, kMaximumAdjustment);
    for (int p = 0; p < kPrayerCount; ++p) {
        const QString added = tr("Minutes added to %1").arg(PrayerName(static_cast<Prayer>(p)));
        m_adjustmentBoxes[p]->setToolTip(added);
        m_adjustmentBoxes[p]->setAccessibleName(added);
        connect(m_adjustmentBoxes[p], &QSpinBox::valueChanged, this,
                &Options::PrayerSettings_Change);
    }
    form->addRow(new QLabel(tr("Minutes added to each time:"), m_prayerFrame));
    form->addRow(adjustments);

    m_clock24 = Named<QCheckBox>(m_prayerFrame, optionsnames::Clock24Check);
    m_clock24->setText(tr("24-hour clock"));
    m_tray = Named<QCheckBox>(m_prayerFrame, optionsnames::TrayCheck);
    m_tray->setText(tr("Show in the system tray"));
    m_reminders = Named<QCheckBox>(m_prayerFrame, optionsnames::RemindersCheck);
    m_reminders->setText(tr("Remind me at prayer times"));
    for (QCheckBox *check : {m_clock24, m_tray, m_reminders})
        form->addRow(check);
    auto *alerts = Named<QPushButton>(m_prayerFrame, optionsnames::AlertsButton);
    alerts->setText(tr("A&dhan and reminders..."));
    connect(alerts, &QPushButton::clicked, this, &Options::PrayerAlerts_Click);
    form->addRow(alerts);

    showPrayerSettings();
    for (QComboBox *list : {m_methodList, m_asrList, m_highLatitudeList})
        connect(list, &QComboBox::activated, this, &Options::PrayerSettings_Change);
    connect(m_clock24, &QCheckBox::clicked, this, &Options::PrayerSettings_Change);
    connect(m_tray, &QCheckBox::clicked, this, &Options::SystemTray_Click);
    connect(m_reminders, &QCheckBox::clicked, this, &Options::PrayerReminders_Click);

    const QRect area = m_scale.rect(360, 10, 326, 0);
    m_prayerFrame->setGeometry(area.left(), area.top(), area.width(),
                               m_prayerFrame->sizeHint().height());
    return m_prayerFrame->geometry().bottom();
}

void Options::showPrayerSettings()
{
    const PrayerSettings &settings = m_choices.prayer;
    const QSignalBlocker blockMethods(m_methodList);
    m_methodList->setCurrentIndex(static_cast<int>(settings.method));
    m_asrList->setCurrentIndex(static_cast<int>(settings.asr));
    m_highLatitudeList->setCurrentIndex(static_cast<int>(settings.highLatitude));
    for (int p = 0; p < kPrayerCount; ++p) {
        const QSignalBlocker block(m_adjustmentBoxes[p]);
        m_adjustmentBoxes[p]->setValue(settings.adjustments[p]);
    }
    m_clock24->setChecked(settings.clock24);
    m_tray->setChecked(m_choices.systemTray);
    m_reminders->setChecked(m_choices.reminders);
}

void Options::PrayerSettings_Change()
{
    PrayerSettings settings;
    settings.method = static_cast<PrayerMethod>(m_methodList->currentIndex());
    settings.asr = static_cast<AsrRule>(m_asrList->currentIndex());
    settings.highLatitude = static_cast<HighLatitudeRule>(m_highLatitudeList->currentIndex());
    for (int p = 0; p < kPrayerCount; ++p)
        settings.adjustments[p] = m_adjustmentBoxes[p]->value();
    settings.clock24 = m_clock24->isChecked();
    for (const auto &[key, text] : PrayerSettingsTexts(settings))
        WriteTextSetting(m_platform, key, text);
    m_choices.prayer = settings;
    emit prayerSettingsChanged(settings);
}

void Options::SystemTray_Click()
{
    m_choices.systemTray = m_tray->isChecked();
    WriteBoolSetting(m_platform, SettingKey::SystemTray, m_choices.systemTray);
    emit trayShownChanged(m_choices.systemTray);
}

void Options::PrayerAlerts_Click()
{
    auto *dialog = new PrayerAlertsDialog(m_platform, m_choices.alerts, this);
    connect(dialog, &PrayerAlertsDialog::alertsChanged, this, [this](const AlertChoices &alerts) {
        m_choices.alerts = alerts;
        emit alertsChanged(alerts);
    });
    dialog->setModal(true);
    dialog->show();
}

void Options::PrayerReminders_Click()
{
    m_choices.reminders = m_reminders->isChecked();
    WriteBoolSetting(m_platform, SettingKey::PrayerReminders, m_choices.reminders);
    emit remindersChanged(m_choices.reminders);
}

} // namespace qarnivo
