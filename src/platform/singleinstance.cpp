#include "platform/singleinstance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace qarnivo {

namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");

// A running program answers at once; a slow desktop must not hang a start.
constexpr int kConnectTimeoutMs = 1000;
constexpr int kConnectRetryMs = 20;

std::optional<sockaddr_un> socketAddress(const QByteArray &path)
{
    sockaddr_un address{};
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path)
        return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return address;
}

int newSocket()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

} // namespace

SingleInstance::SingleInstance(const QString &settingsPath, QObject *parent) : QObject(parent)
{
    const QByteArray path = QFile::encodeName(ServerName(settingsPath));
    if (listen(path) || askRunningToShow(path))
        return;
    // Nobody answers: the socket was left by a program that crashed.
    ::unlink(path.constData());
    listen(path);
}

SingleInstance::~SingleInstance()
{
    for (const int client : m_clients.keys())
        ::close(client);
    if (m_listener >= 0) {
        ::close(m_listener);
        ::unlink(m_path.constData());
    }
}

QString SingleInstance::ServerName(const QString &settingsPath)
{
    const QByteArray path = QFileInfo(settingsPath).absoluteFilePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(folder).filePath(QStringLiteral("qarnivo-") + QString::fromLatin1(hash.left(16)));
}

bool SingleInstance::askRunningToShow(const QByteArray &path)
{
    const std::optional<sockaddr_un> address = socketAddress(path);
    const int socket = address ? newSocket() : -1;
    if (socket < 0)
        return false;
    // A full queue of connections says "try again"; a crashed program's
    // socket refuses at once.
    bool connected = false;
    for (int waited = 0; waited <= kConnectTimeoutMs; waited += kConnectRetryMs) {
        connected =
            ::connect(socket, reinterpret_cast<const sockaddr *>(&*address), sizeof *address) == 0;
        if (connected || errno != EAGAIN)
            break;
        QThread::msleep(kConnectRetryMs);
    }
    connected =
        connected && ::send(socket, kShowRequest.constData(), std::size_t(kShowRequest.size()),
                            MSG_NOSIGNAL) == kShowRequest.size();
    ::close(socket);
    return connected;
}

bool SingleInstance::listen(const QByteArray &path)
{
    // bind() never replaces a file already there, so a second start cannot
    // take the socket over from the running program. The runtime folder is
    // the user's own.
    const std::optional<sockaddr_un> address = socketAddress(path);
    const int socket = address ? newSocket() : -1;
    if (socket < 0)
        return false;
    if (::bind(socket, reinterpret_cast<const sockaddr *>(&*address), sizeof *address) != 0 ||
        ::listen(socket, SOMAXCONN) != 0) {
        ::close(socket);
        return false;
    }
    m_listener = socket;
    m_path = path;
    auto *const notifier = new QSocketNotifier(socket, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SingleInstance::acceptRequests);
    return true;
}

void SingleInstance::acceptRequests()
{
    int client = -1;
    while ((client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
        m_clients.insert(client, {});
        auto *const notifier = new QSocketNotifier(client, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, client, notifier] {
            const bool heard = readRequest(client);
            if (!m_clients.contains(client)) {
                notifier->setEnabled(false);
                notifier->deleteLater();
            }
            if (heard)
                emit showRequested();
        });
    }
}

// What a later start sent: true once it asked to show. The connection ends
// at its end, or once the request is heard.
bool SingleInstance::readRequest(int client)
{
    char bytes[256];
    ssize_t count = 0;
    while ((count = ::read(client, bytes, sizeof bytes)) > 0) {
        QByteArray &received = m_clients[client];
        received.append(bytes, count);
        if (received.contains(kShowRequest)) {
            closeClient(client);
            return true;
        }
    }
    if (count == 0 || errno != EAGAIN)
        closeClient(client);
    return false;
}

void SingleInstance::closeClient(int client)
{
    m_clients.remove(client);
    ::close(client);
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
