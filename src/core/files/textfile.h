#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qarnivo {

// The program's text files: written in Windows-1252 (UTF-8 when that cannot
// hold them) with CR LF line ends;
// read as UTF-8 when the bytes are valid UTF-8 holding non-ASCII characters,
// else as Windows-1252, with CR LF, LF or CR line ends.

QString DecodeText(const QByteArray &bytes);

// False for text in UTF-16 or UTF-32, or no text at all: such bytes would be
// read as letters with NULs between them and used as if they were values.
bool IsProgramText(const QByteArray &bytes);

// Characters that Windows-1252 cannot hold become "?".
QByteArray EncodeWindows1252(const QString &text);

// True when Windows-1252 holds every character of the text.
bool FitsWindows1252(const QString &text);

// Each line followed by CR LF, encoded in Windows-1252; in UTF-8 instead when
// Windows-1252 cannot hold the text, so that no letter is lost.
QByteArray EncodeLines(const QStringList &lines);

// The lines of a text; a final line end does not start another line.
QStringList SplitLines(const QString &text);

struct TextFileRead {
    enum class Status { Ok, NotFound, Unreadable, TooLarge };
    Status status = Status::Ok;
    QString text;
};

// Reads a whole text file. Files above `maxBytes` are refused rather than
// read, so a stray huge file cannot exhaust memory; so are files in UTF-16 or
// holding NUL bytes, which are not text in the program's encodings.
TextFileRead ReadTextFile(const QString &path, qint64 maxBytes = qint64{16} * 1024 * 1024);

// Writes the lines through a temporary file that replaces `path` only when
// complete, so a failure never leaves a half-written file; a target that is
// not a regular file is refused. Returns an empty string on success, else the
// reason.
QString SaveTextFile(const QString &path, const QStringList &lines);

} // namespace qarnivo
