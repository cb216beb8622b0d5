#pragma once

// Today's date as the program's views follow it. The main window's clock
// feeds it every second; it tells once when the date changes.

#include <QDate>
#include <QDateTime>
#include <QObject>

namespace qarnivo {

class Today : public QObject {
    Q_OBJECT
public:
    explicit Today(QObject *parent = nullptr) : QObject(parent) {}

    // The clock's time; a new date (the first one too) is told, an invalid
    // time ignored.
    void setNow(const QDateTime &now);
    // Invalid until the clock is first read.
    QDate date() const { return m_date; }

signals:
    void dayChanged(const QDate &date);

private:
    QDate m_date;
};

} // namespace qarnivo
