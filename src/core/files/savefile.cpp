#include "core/files/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace qarnivo {

namespace {

QString filesText(const char *text)
{
    return QCoreApplication::translate("Files", text);
}

QString reasonOf(const QFileDevice &file, const char *fallback)
{
    // A failed flush may leave no error text behind; the user still needs one.
    return file.error() == QFileDevice::NoError ? filesText(fallback) : FailureReason(file);
}

// Buffered bytes meet a full disk only when they are flushed.
QString flushed(QFileDevice &file, SaveFault fault)
{
    if (!file.flush() || fault == SaveFault::DiskFull)
        return reasonOf(file, QT_TRANSLATE_NOOP("Files", "the disk took only part of it"));
    return {};
}

} // namespace

QString UnreadableFile(const QString &path)
{
    const QFileInfo file(path);
    if (!QFileInfo(file.absolutePath()).isDir())
        return filesText(QT_TRANSLATE_NOOP("Files", "its folder does not exist"));
    if (!file.exists())
        return filesText(QT_TRANSLATE_NOOP("Files", "it does not exist"));
    if (!file.isFile())
        return filesText(QT_TRANSLATE_NOOP("Files", "it is not a regular file"));
    if (!file.isReadable())
        return filesText(QT_TRANSLATE_NOOP("Files", "permission denied"));
    return {};
}

QString FailureReason(const QFileDevice &file)
{
    const QFileInfo target(file.fileName());
    const QFileInfo folder(target.absolutePath());
    switch (file.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        if (!folder.isDir())
            return filesText(QT_TRANSLATE_NOOP("Files", "its folder does not exist"));
        if (!target.exists() && folder.isWritable())
            return filesText(QT_TRANSLATE_NOOP("Files", "it does not exist"));
        return filesText(QT_TRANSLATE_NOOP("Files", "permission denied"));
    case QFileDevice::ReadError:
        return filesText(QT_TRANSLATE_NOOP("Files", "it could not be read to the end"));
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return filesText(QT_TRANSLATE_NOOP("Files", "not every byte could be written"));
    case QFileDevice::RenameError:
    case QFileDevice::CopyError:
    case QFileDevice::RemoveError:
        return filesText(
            QT_TRANSLATE_NOOP("Files", "the new file could not take the old one's place"));
    default:
        return file.errorString();
    }
}

QString RefusedSaveTarget(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("Files", "it is not a regular file");
    return {};
}

QString WriteAll(QFileDevice &file, const QByteArray &bytes, SaveFault fault)
{
    // A short write is tried again, so that a full disk answers with its own
    // reason rather than a count.
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return reasonOf(file, QT_TRANSLATE_NOOP("Files", "not every byte could be written"));
        written += count;
    }
    return flushed(file, fault);
}

QString OpenSave(QSaveFile &file)
{
    QString refused = RefusedSaveTarget(file.fileName()); // not const: returned by moving
    if (!refused.isEmpty())
        return refused;
    // Unbuffered, so that a full disk is met by the write itself and reported
    // with the system's reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FailureReason(file);
    return {};
}

QString FinishSave(QSaveFile &file, SaveFault fault)
{
    // not const: returned by moving
    QString reason =
        file.error() != QFileDevice::NoError ? FailureReason(file) : flushed(file, fault);
    if (!reason.isEmpty()) {
        file.cancelWriting(); // the old file stays as it was
        return reason;
    }
    if (!file.commit())
        return FailureReason(file);
    return {};
}

QString SaveBytes(const QString &path, const QByteArray &bytes, SaveFault fault)
{
    QSaveFile file(path);
    QString reason = OpenSave(file); // not const: returned by moving
    if (!reason.isEmpty())
        return reason;
    reason = WriteAll(file, bytes, fault);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    return FinishSave(file);
}

} // namespace qarnivo
