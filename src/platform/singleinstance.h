#pragma once

// One running program per settings file: the first start listens on a local
// socket named after the file, and a later start asks it to show itself and
// ends. Another HOME or XDG_CONFIG_HOME is another settings file, so another
// program.

#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

namespace qarnivo {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &settingsPath, QObject *parent = nullptr);

    // False when another program already runs with the same settings; it has
    // been asked to show itself.
    bool isPrimary() const { return m_server != nullptr; }

    // The socket's path: the user's runtime folder and a hash of the settings
    // file's absolute path.
    static QString ServerName(const QString &settingsPath);

signals:
    void showRequested();

private:
    bool askRunningToShow(const QString &name);
    bool listen(const QString &name);
    void readRequests();

    QLocalServer *m_server = nullptr;
};

// Shows the program's open windows in front, restored from minimised; the
// main window when none is open (the program hidden behind its tray icon).
void BringForward(QWidget &mainWindow);

} // namespace qarnivo
