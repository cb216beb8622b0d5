// Every window in Arabic and Urdu, walked control by control, menu by menu: no visible text holds
// a Latin letter or an ASCII digit except what is not ours to translate (place names, the program's
// name, web addresses and file paths, the method abbreviations, the criteria's class letters, the
// Qur'an reading) or what is English by design (the header's other view).

#include "widgets/pictures.h"
#include "windows/calculator/calculatornames.h"
#include "windows/calculator/wwtimecal.h"
#include "windows/crescent/crescentwindow.h"
#include "windows/options/monthstartseditor.h"
#include "windows/options/options.h"
#include "windows/options/prayeralertsdialog.h"
#include "windows/prayertimes/prayerwindow.h"
#include "windows/prayertimes/prayerwindownames.h"
#include "windowsupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTimer>

using namespace qarnivo;
using namespace qarnivo::testing;

Q_DECLARE_METATYPE(qarnivo::Language)

namespace {

// Controls whose texts are names or scripture: the cities and places, the reading.
const QStringList kUntranslatedControls = [] {
    QStringList names;
    for (const ControlName &name :
         {mainnames::CityName, mainnames::ReadingBox, calculatornames::CityBox,
          calculatornames::PlaceList, calculatornames::CountryList, prayerwindownames::PlaceList,
          prayerwindownames::PlaceFilter})
        names << ObjectName(name);
    return names;
}();

// Words left in Latin letters on purpose inside translated texts: the program's and its makers'
// names, addresses and paths, abbreviations read as they are, the criteria's class letters.
const QRegularExpression
    kAllowedLatin(QStringLiteral(R"(Qarnivo|Tarvelonix|https?://\S+|www\.\S+|\S+@\S+|\S*/\S+|)"
                                 R"(\b(?:ISNA|MWL|UTC|GMT|PDF|CSV|[A-F])\b)"));

// The Latin words and ASCII numbers left in `text` once the allowed ones are taken out.
QStringList latinWords(QString text)
{
    if (Qt::mightBeRichText(text))
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    text.remove(u'&').remove(DefaultCity().name).replace(kAllowedLatin, QStringLiteral(" "));
    QStringList words;
    static const QRegularExpression latin(QStringLiteral("[A-Za-z0-9]+"));
    for (auto it = latin.globalMatch(text); it.hasNext();)
        words << it.next().captured();
    return words;
}

// Whether `w` would show once its window is open: hidden only as a page of a tab or stack.
bool shown(const QWidget *w)
{
    for (; w && !w->isWindow(); w = w->parentWidget()) {
        if (w->isHidden() && !qobject_cast<QStackedWidget *>(w->parentWidget()))
            return false;
    }
    return true;
}

bool untranslated(const QWidget *w)
{
    for (; w; w = w->parentWidget()) {
        if (kUntranslatedControls.contains(w->objectName()))
            return true;
    }
    return false;
}

// The texts a user can read on `w` itself, each tagged with where it stands.
QStringList textsOf(QWidget *w)
{
    const QString name = w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
    QStringList texts;
    const auto add = [&](const QString &where, const QString &text) {
        if (!text.isEmpty())
            texts << name + where + ": " + text;
    };
    add(" tooltip", w->toolTip());
    if (w->isWindow())
        add(" title", w->windowTitle());
    if (auto *label = qobject_cast<QLabel *>(w))
        add("", label->text());
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        add("", button->text());
    else if (auto *box = qobject_cast<QGroupBox *>(w))
        add("", box->title());
    else if (auto *line = qobject_cast<QLineEdit *>(w))
        add(" placeholder", line->placeholderText());
    else if (auto *edit = qobject_cast<QTextEdit *>(w))
        add("", edit->toPlainText());
    else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        for (int i = 0; i < combo->count(); ++i)
            add(" item", combo->itemText(i));
    } else if (auto *list = qobject_cast<QListWidget *>(w)) {
        for (int i = 0; i < list->count(); ++i)
            add(" item", list->item(i)->text());
    } else if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
        for (int i = 0; i < tabs->count(); ++i)
            add(" tab", tabs->tabText(i));
    } else if (auto *table = qobject_cast<QTableWidget *>(w)) {
        for (int column = 0; column < table->columnCount(); ++column) {
            // The day grid's numbers are drawn in the language's numerals by their own face.
            if (w->objectName() == ObjectName(mainnames::DayGrid))
                continue;
            if (const QTableWidgetItem *head = table->horizontalHeaderItem(column);
                head && table->horizontalHeader()->isVisible())
                add(" heading", head->text());
            for (int row = 0; row < table->rowCount(); ++row) {
                if (const QTableWidgetItem *item = table->item(row, column))
                    add(" cell", item->text() + ' ' + item->toolTip());
            }
        }
    }
    return texts;
}

// The texts of a menu and its submenus, as a user opening each one reads them.
QStringList menuTexts(const QList<QAction *> &actions, const QString &where)
{
    QStringList texts;
    for (QAction *action : actions) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        texts << where + ": " + action->text();
        if (action->menu())
            texts << menuTexts(action->menu()->actions(), where + " > " + action->text());
    }
    return texts;
}

// Every readable text of the window `top`: its controls' and its menus'.
QStringList windowTexts(QWidget *top)
{
    QStringList texts = textsOf(top);
    for (QWidget *w : top->findChildren<QWidget *>()) {
        if (w->isWindow() || !shown(w) || untranslated(w) || w->objectName().startsWith("qt_"))
            continue;
        texts << textsOf(w);
        if (auto *bar = qobject_cast<QMenuBar *>(w))
            texts << menuTexts(bar->actions(), "menu");
        else
            texts << menuTexts(w->actions(), w->objectName() + " context menu");
    }
    return texts;
}

QStringList problemsIn(const QStringList &texts)
{
    QStringList problems;
    for (const QString &text : texts) {
        const QStringList words = latinWords(text.section(QStringLiteral(": "), 1));
        if (!words.isEmpty())
            problems << text + "  [" + words.join(u' ') + ']';
    }
    return problems;
}

} // namespace

class TestTranslated : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RegisterBundledFonts(); }

    // The walk's own measure: what it lets through and what it catches.
    void latinWordsFound_data()
    {
        columns<QString, QString>({"text", "words"});
        row("Arabic", QString("الشروق ٦:٠٥ (۱۴)"), QString());
        row("the name and a path", QString("Qarnivo: /home/a/occasions.ics لم يُحفظ"), QString());
        row("an address", QString("انظر https://example.org/x"), QString());
        row("abbreviation and class", QString("رابطة العالم الإسلامي (MWL) الفئة A"), QString());
        row("English left", QString("Prayer Times"), QString("Prayer Times"));
        row("ASCII digits", QString("الغروب 17:05"), QString("17 05"));
        row("in a word", QString("AMاليوم"), QString("AM"));
        row("lower-case class letter", QString("الفئة a"), QString("a"));
        row("a mnemonic", QString("&Options"), QString("Options"));
        row("rich text", QString("<b>Hijri</b> هجري"), QString("Hijri"));
    }
    void latinWordsFound()
    {
        const auto [text, words] = fetch<QString, QString>("text", "words");
        QCOMPARE(latinWords(text).join(u' '), words);
    }

    void windowsHaveNoEnglish_data()
    {
        columns<Language, QString>({"language", "window"});
        for (const auto &[language, code] :
             {std::pair{Language::Arabic, "ar"}, std::pair{Language::Urdu, "ur"}}) {
            for (const char *window :
                 {"main full", "main short", "main conversion", "options", "month starts",
                  "prayer alerts", "prayer times", "new crescent", "calculator"})
                QTest::addRow("%s %s", code, window) << language << QString(window);
        }
    }
    void windowsHaveNoEnglish()
    {
        const auto [language, window] = fetch<Language, QString>("language", "window");
        const ShownLanguage shown(language);
        AppFolder app;
        app.addCalculatorFiles();
        app.setSetting(SettingKey::WindowFull, window == "main short" ? "False" : "True");
        frmqarnivo main(app.platform);
        main.Form_Load();
        main.Timer1_Timer(); // the clock's morning time, "AM" in Qt's Urdu
        QWidget *top = &main;
        if (window == "main conversion") {
            main.ConvertDate_Click();
        } else if (window == "options") {
            main.Option1_Click();
            top = main.findChild<Options *>();
        } else if (window == "month starts") {
            main.Option1_Click();
            main.findChild<Options *>()->MonthStarts_Click();
            top = main.findChild<MonthStartsEditor *>();
        } else if (window == "prayer alerts") {
            main.Option1_Click();
            main.findChild<Options *>()->PrayerAlerts_Click();
            top = main.findChild<PrayerAlertsDialog *>();
        } else if (window == "prayer times") {
            main.PrayerTimesMenu_Click();
            top = main.findChild<PrayerTimesWindow *>();
        } else if (window == "new crescent") {
            main.CrescentMenu_Click();
            auto *crescent = main.findChild<CrescentWindow *>();
            QSignalSpy computed(crescent, &CrescentWindow::mapShown);
            QVERIFY(computed.wait(60000));
            top = crescent;
        } else if (window == "calculator") {
            main.SunRiseSunSet_Click();
            auto *calculator = main.findChild<WwtimeCal *>();
            calculator->LatLong_Click();
            calculator->GMToffset_Click();
            top = calculator;
        }
        QVERIFY(top);
        QStringList texts = windowTexts(top);
        if (top == &main) {
            // The weekday header's other view is English by design; its shown view is checked.
            texts.removeIf([](const QString &text) {
                return text.startsWith(ObjectName(mainnames::WeekdayHeader) + " tooltip");
            });
        }
        const QStringList problems = problemsIn(texts);
        for (const QString &problem : problems)
            QTest::qVerify(false, "no English", qPrintable(problem), __FILE__, __LINE__);
        QVERIFY(texts.size() > 10); // the walk read the window
    }

    // The messages a first session meets, through the platform.
    void messagesHaveNoEnglish_data()
    {
        columns<Language>({"language"});
        row("Arabic", Language::Arabic);
        row("Urdu", Language::Urdu);
    }
    void messagesHaveNoEnglish()
    {
        const auto [language] = fetch<Language>("language");
        const ShownLanguage shown(language);
        AppFolder app;
        app.addCalculatorFiles();
        frmqarnivo main(app.platform);
        main.Form_Load();
        app.platform.saveAnswer = app.path("missing/occasions.ics"); // a folder that is not there
        main.ExportOccasions_Click();
        main.PrintTips_Click();
        QStringList texts;
        for (const auto &message : app.platform.messages)
            texts << "message: " + message.text;
        QVERIFY(!texts.isEmpty());
        for (const QString &problem : problemsIn(texts))
            QTest::qVerify(false, "no English", qPrintable(problem), __FILE__, __LINE__);
    }
};

QARNIVO_WEBENGINE_TEST_MAIN(TestTranslated)

#include "tst_translated.moc"
