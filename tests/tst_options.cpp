// The options window through its controls: the Hijri date correction and
// the grid's colour schemes, each stored and applied at once.

#include "mainwindow/frmqarnivo.h"
#include "platform/fakeplatform.h"
#include "platform/textfile.h"
#include "settings/options.h"
#include "sunpage/cityfile.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace qarnivo;

namespace {

struct Fixture {
    QTemporaryDir folder;
    FakePlatform platform;
    std::unique_ptr<frmqarnivo> window;

    explicit Fixture(const QString &correction = QString())
    {
        platform.appFolder = folder.path();
        platform.fonts = {QStringLiteral("Tarvelonix")};
        platform.clock = QDateTime(QDate(2025, 11, 5), QTime(9, 0));
        platform.settings.insert(QStringLiteral("ViewWindow/Show First"), QStringLiteral("0"));
        if (!correction.isNull())
            platform.settings.insert(QStringLiteral("ViewWindow/Correction"), correction);
        SaveTextFile(folder.filePath(kCityFileName), CityFileLines(DefaultCity()));
        window = std::make_unique<frmqarnivo>(platform);
        window->Form_Load();
    }
    Options *open()
    {
        window->findChild<QAction *>(QStringLiteral("Option1"))->trigger();
        auto *options = window->findChild<Options *>(QStringLiteral("Options"));
        if (!options || options->isHidden())
            qFatal("the options window did not open");
        return options;
    }
    template <typename T> T *in(Options *options, const QString &name)
    {
        T *found = options->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    void choose(Options *options, int position)
    {
        auto *list = in<QComboBox>(options, QStringLiteral("Combo1"));
        list->setCurrentIndex(position);
        emit list->activated(position);
    }
    QString setting(const char *key) const
    {
        return platform.settings.value(QStringLiteral("ViewWindow/") + QLatin1String(key));
    }
    int columnOfDayOne() const
    {
        auto *grid = window->findChild<QTableWidget *>(QStringLiteral("grCal1"));
        for (int column = 0; column < 7; ++column) {
            if (grid->item(0, column) && grid->item(0, column)->text() == QLatin1String("1"))
                return column;
        }
        return -1;
    }
};

} // namespace

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void opensWithNoCorrectionChosen();
    void correctionSteps_data();
    void correctionSteps();
    void noCorrectionChangesNothing();
    void correctionMovesWeekdaysNotDates();
    void schemeSamples_data();
    void schemeSamples();
    void startupAppliesTheStoredScheme();
    void explanationChangesNothing();
    void closingStartsAfresh();
};

void TestOptions::opensWithNoCorrectionChosen()
{
    Fixture f;
    Options *options = f.open();
    QCOMPARE(options->windowTitle(), QStringLiteral("Setting Options"));
    QCOMPARE(f.in<QComboBox>(options, "Combo1")->currentText(), QStringLiteral("No Correction"));
    QCOMPARE(f.in<QComboBox>(options, "Combo1")->count(), 5);
    QVERIFY(f.in<QPushButton>(options, "Apply")->isEnabled());
}

void TestOptions::correctionSteps_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QList<int>>("choices"); // list positions, one Apply each
    QTest::addColumn<QString>("result");
    QTest::newRow("-2, then one day forward") << "-2" << QList<int>{3} << "-1";
    QTest::newRow("0, two days back, then one") << "0" << QList<int>{0, 1} << "-3";
    QTest::newRow("cumulative forward") << "0" << QList<int>{3, 3} << "2";
    QTest::newRow("from an unreadable value") << "abc" << QList<int>{4} << "2";
}

void TestOptions::correctionSteps()
{
    QFETCH(QString, stored);
    QFETCH(QList<int>, choices);
    QFETCH(QString, result);
    Fixture f(stored);
    Options *options = f.open();
    auto *apply = f.in<QPushButton>(options, "Apply");
    for (const int position : choices) {
        f.choose(options, position);
        QVERIFY(apply->isEnabled());
        apply->click();
        QVERIFY(!apply->isEnabled()); // until the next choice
    }
    QCOMPARE(f.setting("Correction"), result);
    QCOMPARE(QString::number(f.window->dateState().DayCorrection), result);
}

void TestOptions::noCorrectionChangesNothing()
{
    Fixture f;
    Options *options = f.open();
    const auto before = f.platform.settings;
    f.in<QPushButton>(options, "Apply")->click();
    QCOMPARE(f.platform.settings, before);
    QVERIFY(f.in<QPushButton>(options, "Apply")->isEnabled());
    QCOMPARE(f.window->dateState().DayCorrection, qint16(0));
}

// With a correction of +1 the 1st of every month moves one column later,
// and every Western date stays the same.
void TestOptions::correctionMovesWeekdaysNotDates()
{
    Fixture plain;
    Fixture corrected;
    Options *options = corrected.open();
    corrected.choose(options, 3);
    corrected.in<QPushButton>(options, "Apply")->click();
    for (int step = 0; step < 14; ++step) {
        QCOMPARE(corrected.columnOfDayOne(), (plain.columnOfDayOne() + 1) % 7);
        QCOMPARE(corrected.window->findChild<QLineEdit *>(QStringLiteral("Text2"))->text(),
                 plain.window->findChild<QLineEdit *>(QStringLiteral("Text2"))->text());
        for (Fixture *f : {&plain, &corrected})
            f->window->Forward_Click();
    }
}

void TestOptions::schemeSamples_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<QColor>("text");
    QTest::newRow("scheme 2") << 2 << QColor(0, 128, 0) << QColor(255, 255, 255);
    QTest::newRow("scheme 3") << 3 << QColor(255, 192, 192) << QColor(0, 0, 0);
    QTest::newRow("scheme 5") << 5 << QColor(0, 0, 192) << QColor(255, 255, 0);
}

void TestOptions::schemeSamples()
{
    QFETCH(int, scheme);
    QFETCH(QColor, back);
    QFETCH(QColor, text);
    Fixture f;
    Options *options = f.open();
    QTest::mousePress(f.in<QLabel>(options, QStringLiteral("Label2(%1)").arg(scheme)),
                      Qt::LeftButton);
    QVERIFY(f.in<QRadioButton>(options, QStringLiteral("Option2(%1)").arg(scheme))->isChecked());
    auto *grid = f.window->findChild<QTableWidget *>(QStringLiteral("grCal1"));
    QCOMPARE(grid->palette().color(QPalette::Base), back);
    QCOMPARE(grid->palette().color(QPalette::Text), text);
    QCOMPARE(
        f.window->findChild<QWidget *>(QStringLiteral("Frame1"))->palette().color(QPalette::Window),
        back);
    QCOMPARE(f.setting("ColorIndex"), QString::number(scheme));
}

void TestOptions::startupAppliesTheStoredScheme()
{
    for (const auto &[stored, written] :
         {std::pair{"", "0"}, std::pair{"4", "4"}, std::pair{"9", "0"}}) {
        FakePlatform platform;
        QTemporaryDir folder;
        platform.appFolder = folder.path();
        platform.fonts = {QStringLiteral("Tarvelonix")};
        SaveTextFile(folder.filePath(kCityFileName), CityFileLines(DefaultCity()));
        platform.settings.insert(QStringLiteral("ViewWindow/Show First"), QStringLiteral("0"));
        if (*stored)
            platform.settings.insert(QStringLiteral("ViewWindow/ColorIndex"),
                                     QLatin1String(stored));
        frmqarnivo window(platform);
        window.Form_Load();
        QCOMPARE(platform.settings.value(QStringLiteral("ViewWindow/ColorIndex")),
                 QLatin1String(written));
        auto *options = window.findChild<Options *>(QStringLiteral("Options"));
        QVERIFY(options && options->isHidden());
    }
}

void TestOptions::explanationChangesNothing()
{
    Fixture f;
    Options *options = f.open();
    const auto before = f.platform.settings;
    QTest::mousePress(f.in<QLabel>(options, "Label1"), Qt::LeftButton);
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].icon, MsgIcon::None);
    QVERIFY(
        f.platform.lastMessage().startsWith("\t\t\tCORRECTION FOR HIJRI DATE\r\n\r\nThe Hijri"));
    QVERIFY(f.platform.lastMessage().endsWith("helps you to make necessary correction."));
    QCOMPARE(f.platform.settings, before);
}

void TestOptions::closingStartsAfresh()
{
    Fixture f;
    Options *options = f.open();
    f.choose(options, 0);
    f.in<QPushButton>(options, "Cloze")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!f.window->findChild<Options *>(QStringLiteral("Options")));
    options = f.open();
    QCOMPARE(f.in<QComboBox>(options, "Combo1")->currentText(), QStringLiteral("No Correction"));
    for (int i = 0; i < 6; ++i)
        QVERIFY(!f.in<QRadioButton>(options, QStringLiteral("Option2(%1)").arg(i))->isChecked());
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
