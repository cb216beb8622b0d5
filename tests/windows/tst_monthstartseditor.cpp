// The month starts dialog over the main window: each change stored and followed by the grid, a
// refused one shown and nothing stored, the sharing file in and out, and the grid's sign.

#include "core/calendar/monthstartedit.h"
#include "windows/options/monthstartseditor.h"
#include "windows/options/options.h"
#include "windowsupport.h"

#include <QComboBox>
#include <QDateEdit>

using namespace qarnivo;
using namespace qarnivo::testing;

namespace {

// 20 February 2026 in Ramadhan 1447, whose arithmetical 1st is Wednesday 18 February.
struct Editor : Window {
    MonthStartsEditor *dialog = nullptr;

    explicit Editor(const QString &stored) : Window(QDate(2026, 2, 20))
    {
        setSetting(SettingKey::MonthStarts, stored);
        load();
        main->Option1_Click();
        main->findChild<Options *>()->MonthStarts_Click();
        dialog = main->findChild<MonthStartsEditor *>();
        platform.messages.clear();
    }
    template <typename T = QWidget> T *part(const ControlName &name) const
    {
        return control<T>(dialog, name);
    }
    // The weekday column (0 = Sunday) of the shown month's 1st.
    int firstColumn() const
    {
        for (int column = 0; column < 7; ++column) {
            if (cell(0, column) == "1")
                return column;
        }
        return -1;
    }
};

} // namespace

class TestMonthStartsEditor : public QObject {
    Q_OBJECT
private slots:
    void changes_data()
    {
        columns<QString, QString, QString, QString, int>(
            {"stored", "action", "result", "message", "firstColumn"});
        row("add", QString(), QString("add:2026-02-19"), QString("1447-09=2026-02-19"), QString(),
            4);
        row("add 3 days off", QString(), QString("add:2026-02-21"), QString(),
            QString("3 days after"), 3);
        row("remove", QString("1447-09=2026-02-19"), QString("remove"), QString(), QString(), 3);
        row("a day later", QString(), QString("later"), QString("1447-09=2026-02-19"), QString(),
            4);
        row("a day earlier, back to the calendar", QString("1447-09=2026-02-19"),
            QString("earlier"), QString(), QString(), 3);
        // Sha'ban would have 28 days.
        row("a day earlier refused", QString(), QString("earlier"), QString(),
            QString("a month has 29 or 30"), 3);
        row("import merges", QString("1447-09=2026-02-19 1447-10=2026-03-20"),
            QString("import:# ours\n1447-09 2026-02-18\n"),
            QString("1447-09=2026-02-18 1447-10=2026-03-20"), QString(), 3);
        row("import refused", QString("1447-09=2026-02-19"),
            QString("import:1447-10 2026-03-20\nnonsense\n"), QString("1447-09=2026-02-19"),
            QString("Line 2 of the file"), 4);
    }
    void changes()
    {
        const auto [stored, action, result, message, firstColumn] =
            fetch<QString, QString, QString, QString, int>("stored", "action", "result", "message",
                                                           "firstColumn");
        Editor w(stored);
        const QString verb = action.section(u':', 0, 0);
        const QString what = action.section(u':', 1);
        if (verb == "add") {
            QCOMPARE(w.part<QDateEdit>(optionsnames::AddDate)->date(), QDate(2026, 2, 18));
            w.part<QDateEdit>(optionsnames::AddDate)->setDate(QDate::fromString(what, Qt::ISODate));
        } else if (verb == "remove") {
            w.part<QListWidget>(optionsnames::StartsList)->setCurrentRow(0);
        } else if (verb == "import") {
            w.platform.openAnswer = w.path("shared.txt");
            QVERIFY(writeBytes(w.platform.openAnswer, what.toUtf8()));
        }
        const QHash<QString, ControlName> buttons{{"add", optionsnames::AddButton},
                                                  {"remove", optionsnames::RemoveButton},
                                                  {"earlier", optionsnames::EarlierButton},
                                                  {"later", optionsnames::LaterButton},
                                                  {"import", optionsnames::ImportButton}};
        w.part<QPushButton>(buttons.value(verb))->click();
        QCOMPARE(w.setting(SettingKey::MonthStarts), result);
        QCOMPARE(w.platform.messages.size(), message.isEmpty() ? 0 : 1);
        QVERIFY2(w.platform.lastMessage().contains(message), qPrintable(w.platform.lastMessage()));
        QCOMPARE(w.firstColumn(), firstColumn);
        // 20 February is the 2nd, 3rd or 4th of Ramadhan as the month began.
        QVERIFY(w.text(mainnames::HijriDateLine).startsWith(QString::number(6 - firstColumn)));
        QCOMPARE(w.part<QListWidget>(optionsnames::StartsList)->count(),
                 MonthStartsFromSetting(w.setting(SettingKey::MonthStarts)).size());
    }

    void exportWritesTheSharingFile()
    {
        Editor w("1447-09=2026-02-19 1447-10=2026-03-20");
        w.platform.saveAnswer = w.path("out.txt");
        w.part<QPushButton>(optionsnames::ExportButton)->click();
        QCOMPARE(w.platform.saveSuggestions, QStringList{w.path("Qarnivo month starts.txt")});
        QCOMPARE(
            readBytes(w.path("out.txt")),
            SharingFileText(MonthStartsFromSetting(w.setting(SettingKey::MonthStarts))).toUtf8());
        QVERIFY(w.platform.messages.isEmpty());
    }

    // The sign and its tooltip on the announced month alone.
    void signOnAnnouncedMonths()
    {
        Editor w("1447-09=2026-02-19");
        auto *caption = w.get<QLabel>(mainnames::MonthCaption);
        QVERIFY2(caption->text().endsWith(u'\u2605'), qPrintable(caption->text()));
        QCOMPARE(caption->toolTip(), "Begun by announcement on 19 February 2026");
        w.dialog->close();
        w.click(mainnames::NextButton);
        QCOMPARE(w.shownMonth(), "Shawwal 1447");
        QCOMPARE(caption->toolTip(), QString());
    }
};

QTEST_MAIN(TestMonthStartsEditor)
#include "tst_monthstartseditor.moc"
