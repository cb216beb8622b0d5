#include "platform/singleinstance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

namespace qarnivo {

namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");

// A running program answers at once; a slow desktop must not hang a start.
constexpr int kConnectTimeoutMs = 1000;

} // namespace

SingleInstance::SingleInstance(const QString &settingsPath, QObject *parent) : QObject(parent)
{
    const QString name = ServerName(settingsPath);
    if (listen(name) || askRunningToShow(name))
        return;
    // Nobody answers: the socket was left by a program that crashed.
    QLocalServer::removeServer(name);
    listen(name);
}

QString SingleInstance::ServerName(const QString &settingsPath)
{
    const QByteArray path = QFileInfo(settingsPath).absoluteFilePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(folder).filePath(QStringLiteral("qarnivo-") + QString::fromLatin1(hash.left(16)));
}

bool SingleInstance::askRunningToShow(const QString &name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kShowRequest);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen(const QString &name)
{
    // No socket options: with them Qt moves the socket into place over any
    // other, which would let a second start take over the running one. The
    // runtime folder is the user's own.
    auto *server = new QLocalServer(this);
    if (!server->listen(name)) {
        delete server;
        return false;
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::readRequests);
    return true;
}

void SingleInstance::readRequests()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto read = [this, socket] {
            if (socket->readAll().contains(kShowRequest))
                emit showRequested();
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        read(); // what arrived before the connection above
    }
}

void BringForward(QWidget &mainWindow)
{
    QList<QWidget *> shown;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() &&
            (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog))
            shown.append(window);
    }
    if (shown.isEmpty())
        shown.append(&mainWindow);
    for (QWidget *window : std::as_const(shown)) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
        window->raise();
    }
    shown.last()->activateWindow();
}

} // namespace qarnivo
