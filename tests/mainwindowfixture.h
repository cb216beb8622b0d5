#pragma once

// A main window over a fake platform whose application folder is a temporary
// folder holding the default city file, with helpers to reach its controls.

#include "mainwindow/frmqarnivo.h"
#include "platform/fakeplatform.h"
#include "platform/textfile.h"
#include "sunpage/cityfile.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace qarnivo::testing {

struct Window {
    QTemporaryDir folder;
    FakePlatform platform;
    std::unique_ptr<frmqarnivo> window;

    explicit Window(const QDate &today = QDate(2025, 11, 5), bool writeCityFile = true)
    {
        platform.appFolder = folder.path();
        platform.fonts = {QStringLiteral("DejaVu Sans"), QStringLiteral("tarvelonix")};
        platform.clock = QDateTime(today, QTime(9, 30));
        // The calculator window opens first unless told otherwise; the tests
        // of the main window start with the main window.
        platform.settings.insert(QStringLiteral("ViewWindow/Show First"), QStringLiteral("0"));
        if (writeCityFile)
            SaveTextFile(cityPath(), CityFileLines(DefaultCity()));
        window = std::make_unique<frmqarnivo>(platform);
    }
    void load() { window->Form_Load(); }
    QString cityPath() const { return folder.filePath(QStringLiteral("CityInfo.txt")); }

    template <typename T> T *control(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString text(const QString &name) const
    {
        if (auto *label = window->findChild<QLabel *>(name))
            return label->text();
        return control<QLineEdit>(name)->text();
    }
    QTableWidget *days() const { return control<QTableWidget>(QStringLiteral("grCal1")); }
    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = days()->item(row, column);
        return item ? item->text() : QString();
    }
    bool highlighted(int row, int column) const
    {
        const QTableWidgetItem *item = days()->item(row, column);
        return item && item->background().color() == QColor(255, 224, 192) &&
               item->foreground().color() == QColor(255, 0, 0);
    }
    QString shownMonth() const
    {
        return text(QStringLiteral("Label1")) + ' ' + text(QStringLiteral("Text7"));
    }
    void click(const char *button) { control<QPushButton>(QLatin1String(button))->click(); }
    void clickDay(int day)
    {
        for (int row = 0; row < 6; ++row) {
            for (int column = 0; column < 7; ++column) {
                if (cell(row, column) == QString::number(day))
                    return clickCell(row, column);
            }
        }
        QFAIL("day not in the grid");
    }
    void clickCell(int row, int column)
    {
        QTableWidget *grid = days();
        const QPoint centre = grid->visualItemRect(grid->item(row, column)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
    }
    void goToYear(const QString &year)
    {
        control<QLineEdit>(QStringLiteral("Text7"))->setText(year);
        click("GoToYear");
    }
};

} // namespace qarnivo::testing
