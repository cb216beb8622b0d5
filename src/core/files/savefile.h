#pragma once

// Saving a user's file whole or not at all. A save goes through a temporary
// file that replaces the target only when every byte is on the disk; the
// buffered bytes are flushed and checked before the commit, since Qt's
// commit can report success when a full disk took none of them.

#include <QByteArray>
#include <QString>

class QFileDevice;
class QSaveFile;

namespace qarnivo {

// A fault a test puts into a save, as a full disk causes it: the last
// buffered bytes do not reach the disk.
enum class SaveFault { None, DiskFull };

// Empty when `path` may be written: it does not exist or is a regular file.
// A device, pipe or folder of that name is never replaced.
QString RefusedSaveTarget(const QString &path);

// Empty when `path` is a regular file that can be read; else why not, in
// the same words as FailureReason.
QString UnreadableFile(const QString &path);

// Why `file` failed, in the interface language: the system's own words come in the system's
// language, so the common failures are told in the program's.
QString FailureReason(const QFileDevice &file);

// Writes the bytes and flushes them; the reason when not all reached the
// disk, else an empty string.
QString WriteAll(QFileDevice &file, const QByteArray &bytes, SaveFault fault = SaveFault::None);

// Opens the save of `file`'s name after refusing a target that is not a
// regular file; the reason when it cannot be opened.
QString OpenSave(QSaveFile &file);

// Ends a save whose bytes were written into `file`: flushes and commits,
// or, on any failure, leaves the old file as it was and gives the reason.
QString FinishSave(QSaveFile &file, SaveFault fault = SaveFault::None);

// The whole save of `bytes` to `path`; the reason on failure.
QString SaveBytes(const QString &path, const QByteArray &bytes, SaveFault fault = SaveFault::None);

} // namespace qarnivo
