#include "core/settings/settingsfault.h"

#include <QCoreApplication>

namespace qarnivo {

QString SettingsFaultText(const QString &path, QSettings::Status status)
{
    switch (status) {
    case QSettings::AccessError:
        return QCoreApplication::translate(
                   "Settings", "The settings file %1 cannot be read or written: its folder "
                               "or the file itself is not open to you. Your changes will not "
                               "be kept after Qarnivo closes.")
            .arg(path);
    case QSettings::FormatError:
        return QCoreApplication::translate(
                   "Settings", "The settings file %1 is damaged and cannot be read. Your "
                               "changes will not be kept after Qarnivo closes.")
            .arg(path);
    case QSettings::NoError:
        break;
    }
    return {};
}

void SettingsFaultReporter::check(const QSettings &settings)
{
    if (m_reported)
        return;
    const QString text = SettingsFaultText(settings.fileName(), settings.status());
    if (text.isEmpty())
        return;
    m_reported = true;
    m_report(text);
}

} // namespace qarnivo
