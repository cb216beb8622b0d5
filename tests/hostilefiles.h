#pragma once

// Damaged and blocked files for tests that run the windows over hostile
// folders: contents that no sane editor would leave behind, snapshots that
// tell whether anything in a folder changed, and permission changes that are
// given back before the temporary folder is removed.

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QMap>
#include <QPair>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qarnivo::testing {

inline constexpr qint64 kHugeFileBytes = 10 * 1024 * 1024;
inline constexpr qint64 kLongLineBytes = 1024 * 1024;

// Bytes of every value, NULs and line ends among them, the same for the
// same seed on every run.
inline QByteArray RandomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(generator.bounded(256));
    for (qsizetype i = 0; i < size; i += 61)
        bytes[i] = '\0';
    return bytes;
}

// `unit` repeated whole until at least `size` bytes.
inline QByteArray RepeatedTo(const QByteArray &unit, qint64 size)
{
    return unit.repeated((size + unit.size() - 1) / unit.size());
}

inline QByteArray WithCrLineEnds(QByteArray bytes)
{
    return bytes.replace("\r\n", "\r");
}

inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything below a folder, the folder itself included: per relative path
// its kind, permissions and a digest of its bytes (or, where the bytes cannot
// be read, its size and time), so that two snapshots differ exactly when
// something in the folder changed.
using FolderSnapshot = QMap<QString, QString>;

inline QString EntryState(const QFileInfo &info)
{
    const QString permissions = QString::number(int(info.permissions()), 16);
    if (info.isDir())
        return QStringLiteral("folder ") + permissions;
    if (!info.isFile()) // a FIFO or a device: opening it could wait forever
        return QStringLiteral("special ") + permissions;
    QFile file(info.filePath());
    QString content;
    if (file.open(QIODevice::ReadOnly)) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(&file);
        content = QString::fromLatin1(hash.result().toHex());
    } else {
        content = QStringLiteral("unreadable, modified ") +
                  info.lastModified().toString(Qt::ISODateWithMs);
    }
    return QStringLiteral("file %1, %2 bytes, %3").arg(permissions).arg(info.size()).arg(content);
}

inline FolderSnapshot SnapshotFolder(const QString &root)
{
    FolderSnapshot snapshot;
    snapshot.insert(QStringLiteral("."), EntryState(QFileInfo(root)));
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        snapshot.insert(QDir(root).relativeFilePath(it.filePath()), EntryState(it.fileInfo()));
    }
    return snapshot;
}

// The entries that differ, one a line; empty when nothing changed.
inline QString SnapshotChanges(const FolderSnapshot &before, const FolderSnapshot &after)
{
    QStringList changes;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key()))
            changes << QStringLiteral("gone: ") + it.key();
        else if (after.value(it.key()) != it.value())
            changes << QStringLiteral("changed: %1 (%2 -> %3)")
                           .arg(it.key(), it.value(), after.value(it.key()));
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!before.contains(it.key()))
            changes << QStringLiteral("new: ") + it.key();
    }
    return changes.join(u'\n');
}

// Takes permissions away and gives them back, newest first, when it goes
// out of scope, so that the temporary folder can be removed afterwards.
class PermissionChanges {
public:
    PermissionChanges() = default;
    PermissionChanges(const PermissionChanges &) = delete;
    PermissionChanges &operator=(const PermissionChanges &) = delete;
    ~PermissionChanges()
    {
        for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it)
            QFile::setPermissions(it->first, it->second);
    }

    // Makes a file unreadable; false when reading it still works (as for the
    // superuser, whom permissions do not bind).
    bool denyReading(const QString &path)
    {
        change(path, {});
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            return false;
        return true;
    }

    // Makes a folder read-only; false when a file can still be created in
    // it.
    bool denyWriting(const QString &folder)
    {
        change(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                           QFile::ReadOther | QFile::ExeOther);
        QFile probe(QDir(folder).filePath(QStringLiteral(".write-probe")));
        if (!probe.open(QIODevice::WriteOnly))
            return true;
        probe.close();
        probe.remove();
        return false;
    }

private:
    void change(const QString &path, QFile::Permissions permissions)
    {
        m_saved.append({path, QFile::permissions(path)});
        QFile::setPermissions(path, permissions);
    }

    QList<QPair<QString, QFile::Permissions>> m_saved;
};

// A FIFO in place of a file. Opening a FIFO for reading waits for a writer,
// so a program that opens it would hang; the rescuer stands at the writing
// end and, whenever someone waits at the reading end, opens and closes it,
// which lets the reader go on (reading nothing). It counts how often that
// was needed: a program that keeps clear of the FIFO needs no rescue.
class FifoRescuer {
public:
    explicit FifoRescuer(const QString &path) : m_path(QFile::encodeName(path)) {}
    FifoRescuer(const FifoRescuer &) = delete;
    FifoRescuer &operator=(const FifoRescuer &) = delete;
    ~FifoRescuer()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }

    // Makes the FIFO and starts watching it; false when it cannot be made.
    bool start()
    {
        if (::mkfifo(m_path.constData(), 0644) != 0)
            return false;
        m_thread = std::thread([this] { watch(); });
        return true;
    }
    int rescues() const { return m_rescues; }

private:
    void watch()
    {
        while (!m_stop) {
            // Without a reader this fails at once instead of waiting.
            const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ++m_rescues;
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    QByteArray m_path;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_rescues{0};
    std::thread m_thread;
};

} // namespace qarnivo::testing
