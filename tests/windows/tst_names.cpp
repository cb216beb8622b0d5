// Every window's object names held to the pinned texts (tests/data/objectnames.txt) that checks
// outside the program, the manual and the tests rely on: a control renamed, lost or made without
// a name from its table fails here.

#include "windows/calculator/mapgmt.h"
#include "windows/crescent/crescentwindow.h"
#include "windows/options/monthstartseditor.h"
#include "windows/options/options.h"
#include "windows/options/prayeralertsdialog.h"
#include "windows/prayertimes/prayerwindow.h"
#include "windowsupport.h"

#include <QAction>
#include <QTimer>

using namespace qarnivo;
using namespace qarnivo::testing;

namespace {

// Every named control, command and timer below `object`, but those of the windows in `others`;
// Qt's own parts ("qt_...", "_q_..." such as a line edit's clear button) and nameless objects
// left out.
void collectNames(const QObject *object, const QList<const QObject *> &others, QStringList &names)
{
    for (const QObject *child : object->children()) {
        if (others.contains(child))
            continue;
        const bool control = child->isWidgetType() || qobject_cast<const QAction *>(child) ||
                             qobject_cast<const QTimer *>(child);
        if (control && !child->objectName().isEmpty() && !child->objectName().startsWith("qt_") &&
            !child->objectName().startsWith("_q_"))
            names << child->objectName();
        collectNames(child, others, names);
    }
}

QStringList namesBelow(const QObject *root, const QList<const QObject *> &others)
{
    QStringList names{root->objectName()};
    collectNames(root, others, names);
    names.removeDuplicates();
    names.sort();
    return names;
}

// "[Window]" lines, then one name a line; "#" begins a comment.
QMap<QString, QStringList> pinnedNames()
{
    QMap<QString, QStringList> pinned;
    QString window;
    for (const QString &line : SplitLines(QString::fromUtf8(
             readBytes(sourcePath(QStringLiteral("tests/data/objectnames.txt")))))) {
        if (line.startsWith(u'['))
            window = line.mid(1, line.size() - 2);
        else if (!line.isEmpty() && !line.startsWith(u'#'))
            pinned[window] << line;
    }
    for (QStringList &names : pinned)
        names.sort();
    return pinned;
}

} // namespace

class TestNames : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9)); }

    void everyWindowKeepsItsNames()
    {
        Calculator w;
        w.open();
        w.trigger(QStringLiteral("PrayerTimesMenu"));
        w.trigger(QStringLiteral("Option1"));
        w.trigger(QStringLiteral("CrescentMenu"));
        w.main->findChild<Options *>()->MonthStarts_Click();
        w.main->findChild<Options *>()->PrayerAlerts_Click();
        const QMap<QString, const QObject *> windows = {
            {QStringLiteral("frmqarnivo"), w.main.get()},
            {QStringLiteral("Options"), w.main->findChild<Options *>()},
            {QStringLiteral("WwtimeCal"), w.calc.data()},
            {QStringLiteral("MapGMT"), &w.main->mapWindow()},
            {QStringLiteral("MonthStartsEditor"), w.main->findChild<MonthStartsEditor *>()},
            {QStringLiteral("NewCrescent"), w.main->findChild<CrescentWindow *>()},
            {QStringLiteral("PrayerAlerts"), w.main->findChild<PrayerAlertsDialog *>()},
            {QStringLiteral("PrayerTimes"), w.main->findChild<PrayerTimesWindow *>()}};
        const QMap<QString, QStringList> pinned = pinnedNames();
        QCOMPARE(pinned.keys(), windows.keys());
        for (auto it = windows.cbegin(); it != windows.cend(); ++it) {
            QVERIFY2(it.value(), qPrintable(it.key()));
            QCOMPARE(namesBelow(it.value(), windows.values()), pinned[it.key()]);
        }
    }
};

QARNIVO_WEBENGINE_TEST_MAIN(TestNames)
#include "tst_names.moc"
