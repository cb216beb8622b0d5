#pragma once

#include <QList>
#include <QString>

namespace qarnivo {

// The generated text files of the readings (tools/readings/build_readings.py):
// a record starts with a line "[key]" and its lines follow until the next
// record; lines starting with "#" (and empty lines) before the first record
// are comments. Lines end with LF or CR LF.

struct Record {
    QString key;  // the text between the brackets
    QString text; // the record's lines joined with CR LF
};

struct RecordFileRead {
    QList<Record> records;
    QString error; // empty when the whole text was read
};

RecordFileRead ParseRecordFile(const QString &text);

// Reads a record file, usually a compiled-in resource (":/readings/...").
RecordFileRead ReadRecordFile(const QString &path);

} // namespace qarnivo
