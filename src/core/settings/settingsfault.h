#pragma once

// A settings file that cannot be read or written is told to the user once a
// run, however many writes fail after it.

#include <QSettings>
#include <QString>

#include <functional>

namespace qarnivo {

// The message naming the file and what went wrong; empty when nothing did.
QString SettingsFaultText(const QString &path, QSettings::Status status);

class SettingsFaultReporter {
public:
    using Report = std::function<void(const QString &text)>;
    explicit SettingsFaultReporter(Report report) : m_report(std::move(report)) {}

    // Reports the settings' status after a read or a sync, the first time it
    // is a fault.
    void check(const QSettings &settings);

private:
    Report m_report;
    bool m_reported = false;
};

} // namespace qarnivo
