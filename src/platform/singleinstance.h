#pragma once

// One running program per settings file: the first start listens on a local
// socket named after the file, and a later start asks it to show itself and
// ends. Another HOME or XDG_CONFIG_HOME is another settings file, so another
// program.

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

class QWidget;

namespace qarnivo {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &settingsPath, QObject *parent = nullptr);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // False when another program already runs with the same settings; it has
    // been asked to show itself.
    bool isPrimary() const { return m_listener >= 0; }

    // The socket's path: the user's runtime folder and a hash of the settings
    // file's absolute path.
    static QString ServerName(const QString &settingsPath);

signals:
    void showRequested();

private:
    // A plain Unix socket over QtCore: Qt's local sockets would load QtNetwork,
    // and with it Kerberos and the proxy library, into every start.
    static bool askRunningToShow(const QByteArray &path);
    bool listen(const QByteArray &path);
    void acceptRequests();
    bool readRequest(int client);
    void closeClient(int client);

    int m_listener = -1;
    QByteArray m_path;
    QHash<int, QByteArray> m_clients; // each open connection and what it has sent
};

// Shows the program's open windows in front, restored from minimised; the
// main window when none is open (the program hidden behind its tray icon).
void BringForward(QWidget &mainWindow);

} // namespace qarnivo
