// Stored settings through the platform (their text forms are tst_storedchoices'), the windows'
// places, and the options window, whose correction and colour schemes apply at once.

#include "core/placement/windowfit.h"
#include "core/settings/settingscatalogue.h"
#include "platform/settingsstore.h"
#include "widgets/colourschemes.h"
#include "widgets/contrast.h"
#include "windows/options/options.h"
#include "windowsupport.h"

#include <QComboBox>
#include <QRadioButton>
#include <QScreen>

using namespace qarnivo;
using namespace qarnivo::testing;

namespace {

// A loaded main window and its options window, opened from the menu.
struct OptionsWindow : Window {
    Options *options = nullptr;

    explicit OptionsWindow(const QString &correction = "none")
    {
        if (correction != "none")
            setSetting(SettingKey::Correction, correction);
        load();
        open();
    }
    void open()
    {
        trigger(mainnames::SettingsCommand);
        options = main->findChild<Options *>(QStringLiteral("Options"));
        if (!options || options->isHidden())
            qFatal("the options window did not open");
    }
    template <typename T = QWidget> T *opt(const ControlName &name, int index = -1) const
    {
        return control<T>(options, name, index);
    }
    void choose(int position) const
    {
        opt<QComboBox>(optionsnames::CorrectionList)->setCurrentIndex(position);
        emit opt<QComboBox>(optionsnames::CorrectionList)->activated(position);
    }
    int columnOfDayOne() const
    {
        int column = 0;
        while (column < 7 && cell(0, column) != "1")
            ++column;
        return column;
    }
};

// saveGeometry()'s record, as stored, of a window at `frame`.
QString storedFrame(const QRect &frame)
{
    QWidget probe;
    probe.setGeometry(frame);
    probe.show();
    if (!QTest::qWaitForWindowExposed(&probe))
        return {};
    return GeometryText(probe.saveGeometry());
}

std::optional<QPoint> storedPlace(const QString &which, const QString &text)
{
    if (which == "main")
        return PositionFromText(text);
    const std::optional<QRect> frame = SavedFrame(GeometryFromText(text));
    return frame ? std::optional(frame->topLeft()) : std::nullopt;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    // Each window comes back where it was closed, but only where it still lies wholly on a
    // screen; anything else stored leaves it where it opens first, without a word.
    void windowsComeBack_data()
    {
        columns<QString, QString, QString, bool>({"window", "key", "stored", "restored"});
        row("main on the screen", "main", SettingKey::MainPosition, "120 15", true);
        row("main off every screen", "main", SettingKey::MainPosition, "5000 15", false);
        row("main partly off", "main", SettingKey::MainPosition, "-40 15", false);
        row("main, garbage", "main", SettingKey::MainPosition, "left of centre", false);
        const std::pair<const char *, QString> others[] = {
            {"options", SettingKey::OptionsGeometry},
            {"calculator", SettingKey::CalculatorGeometry},
            {"prayer times", SettingKey::PrayerTimesGeometry}};
        for (const auto &[window, key] : others)
            QTest::addRow("%s on the screen", window)
                << QString(window) << key << storedFrame({60, 40, 300, 200}) << true;
        // The three read their record alike: one of them tries what cannot be restored.
        const QString options = SettingKey::OptionsGeometry;
        row("options off every screen", "options", options, storedFrame({-900, 10, 300, 200}),
            false);
        row("options partly off", "options", options, storedFrame({600, 500, 300, 200}), false);
        row("options, garbage", "options", options, "AAAA%%", false);
        row("options, not a record", "options", options, "AAAAAAAA", false);
    }

    void windowsComeBack()
    {
        const auto [which, key, stored, restored] =
            fetch<QString, QString, QString, bool>("window", "key", "stored", "restored");
        Window w;
        w.setSetting(SettingKey::WindowFull, "False"); // the short view leaves room to move
        w.setSetting(key, stored);
        w.load();
        QWidget *window = w.openWindow(which);
        QVERIFY(window && window->isVisible());
        const std::optional<QPoint> place = storedPlace(which, stored);
        QCOMPARE(place && window->pos() == *place, restored);
        QVERIFY(FitsAScreen(window->frameGeometry(), {window->screen()->availableGeometry()}));
        QVERIFY(w.platform.messages.isEmpty());
        const QPoint closedAt = window->pos();
        window->close();
        QCOMPARE(storedPlace(which, w.setting(key)), closedAt);
    }

    // A key that is absent or cannot be read gives its default; values are written in the
    // stored forms.
    void readAndWrite()
    {
        FakePlatform platform;
        QCOMPARE(ReadBoolSetting(platform, SettingKey::ShowFirst, true), true);
        QCOMPARE(ReadInt16Setting(platform, SettingKey::Correction, 0), qint16(0));
        platform.settings = {{"ViewWindow/Correction", "-2"},
                             {"ViewWindow/ColorIndex", "five"},
                             {"ViewWindow/Show First", "0"},
                             {"ViewWindow/WindowMax", "yes please"}};
        QCOMPARE(ReadInt16Setting(platform, SettingKey::Correction, 0), qint16(-2));
        QCOMPARE(ReadInt16Setting(platform, SettingKey::ColorIndex, 0), qint16(0));
        QCOMPARE(ReadBoolSetting(platform, SettingKey::ShowFirst, true), false);
        QCOMPARE(ReadBoolSetting(platform, SettingKey::WindowMax, false), false);
        platform.settings.clear();
        WriteBoolSetting(platform, SettingKey::WindowFull, true);
        WriteBoolSetting(platform, SettingKey::WindowMax, false);
        WriteIntSetting(platform, SettingKey::Correction, -1);
        WriteTextSetting(platform, SettingKey::DayView, QStringLiteral("English"));
        const QMap<QString, QString> expected = {{"ViewWindow/WindowFull", "True"},
                                                 {"ViewWindow/WindowMax", "False"},
                                                 {"ViewWindow/Correction", "-1"},
                                                 {"ViewWindow/DayView", "English"}};
        QCOMPARE(platform.settings, expected);
    }

    // Each Apply adds the chosen step to the correction, from the stored one (0 when it cannot
    // be read), and waits for the next choice; "No Correction" changes nothing.
    void correctionSteps_data()
    {
        columns<QString, QList<int>, QString>({"stored", "choices", "result"});
        row("no correction is not stored", "none", QList<int>{2}, "");
        row("-2, then one day forward", "-2", QList<int>{3}, "-1");
        row("0, two days back, then one", "0", QList<int>{0, 1}, "-3");
        row("cumulative forward", "0", QList<int>{3, 3}, "2");
        row("from an unreadable value", "abc", QList<int>{4}, "2");
    }
    void correctionSteps()
    {
        const auto [stored, choices, result] =
            fetch<QString, QList<int>, QString>("stored", "choices", "result");
        OptionsWindow f(stored);
        QCOMPARE(f.options->windowTitle(), "Setting Options");
        QCOMPARE(f.opt<QComboBox>(optionsnames::CorrectionList)->count(), 5);
        QCOMPARE(f.opt<QComboBox>(optionsnames::CorrectionList)->currentText(), "No Correction");
        auto *apply = f.opt<QPushButton>(optionsnames::ApplyButton);
        for (const int position : choices) {
            f.choose(position);
            QVERIFY(apply->isEnabled());
            apply->click();
            QCOMPARE(apply->isEnabled(), position == 2); // until the next choice
        }
        QCOMPARE(f.setting(SettingKey::Correction), result);
        QCOMPARE(QString::number(f.main->calendar().correction()), result.isEmpty() ? "0" : result);
    }

    // A correction moves the 1st of every month that many columns later (the stored one from
    // the start, an applied one at once) and that many Western days later, the month unchanged.
    void correctionMovesDatesWithWeekdays()
    {
        OptionsWindow plain;
        OptionsWindow corrected("1");
        for (int step = 0; step < 14; ++step) {
            if (step == 7) {
                corrected.choose(3);
                corrected.opt<QPushButton>(optionsnames::ApplyButton)->click();
            }
            const int days = 1 + step / 7;
            QCOMPARE(corrected.columnOfDayOne(), (plain.columnOfDayOne() + days) % 7);
            QCOMPARE(corrected.main->shownMonth().firstDay,
                     plain.main->shownMonth().firstDay + days);
            QCOMPARE(corrected.text(mainnames::HijriDateLine).section(u',', 1),
                     plain.text(mainnames::HijriDateLine).section(u',', 1));
            for (OptionsWindow *f : {&plain, &corrected})
                f->main->Forward_Click();
        }
    }

    // The language list starts at the stored choice, each entry in its own script; a choice is
    // stored at once and the note tells when it takes effect.
    void languageChoice_data()
    {
        columns<QString, int, QString>({"stored", "chosen", "written"});
        row("nothing stored, then Urdu", "", 3, "ur");
        row("Urdu, then English", "ur", 1, "en");
        row("Arabic, then System", "ar", 0, "system");
        row("unreadable, then Arabic", "Arabic", 2, "ar");
    }
    void languageChoice()
    {
        const auto [stored, chosen, written] =
            fetch<QString, int, QString>("stored", "chosen", "written");
        Window w;
        w.setSetting(SettingKey::Language, stored);
        w.load();
        w.trigger(mainnames::SettingsCommand);
        auto *options = w.main->findChild<Options *>(QStringLiteral("Options"));
        auto *list = control<QComboBox>(options, optionsnames::LanguageList);
        auto *note = control<QLabel>(options, optionsnames::LanguageNote);
        QCOMPARE(list->currentIndex(), static_cast<int>(LanguageFromSetting(stored)));
        QCOMPARE(list->itemText(2) + list->itemText(3), "العربيةاردو");
        QVERIFY(note->isHidden());
        list->setCurrentIndex(chosen);
        emit list->activated(chosen);
        QCOMPARE(w.setting(SettingKey::Language), written);
        QVERIFY(!note->isHidden());
        QCOMPARE(note->text(), "The language changes when Qarnivo starts again.");
    }

    // A click on a sample colours the grid and its frame in that sample's colours, readable and
    // unlike any other scheme, and stores the choice; the next opening ticks it again.
    void colourSchemes_data()
    {
        QTest::addColumn<int>("scheme");
        for (int scheme = 0; scheme < kColourSchemeCount; ++scheme)
            row(qPrintable(QStringLiteral("scheme %1").arg(scheme)), scheme);
    }
    void colourSchemes()
    {
        QFETCH(int, scheme);
        OptionsWindow f;
        auto *sample = f.opt<QLabel>(optionsnames::SchemeSample, scheme);
        QTest::mousePress(sample, Qt::LeftButton);
        QVERIFY(f.opt<QRadioButton>(optionsnames::SchemeButton, scheme)->isChecked());
        const QColor back = f.days()->palette().color(QPalette::Base);
        const QColor text = f.days()->palette().color(QPalette::Text);
        QVERIFY(sample->styleSheet().startsWith(QStringLiteral("color: %1;").arg(text.name())));
        QCOMPARE(f.get(mainnames::GridFrame)->palette().color(QPalette::Window), back);
        QVERIFY2(ContrastRatio(text, back) >= 3.0, qPrintable(text.name() + back.name()));
        QCOMPARE(f.setting(SettingKey::ColorIndex), QString::number(scheme));
        for (int other = 0; other < kColourSchemeCount; ++other) {
            const ColourScheme colours = GridColourScheme(other, f.main->palette());
            QCOMPARE(colours.back == back && colours.text == text, other == scheme);
        }
        // The explanation changes nothing; closing forgets the correction chosen, not the scheme.
        const auto before = f.platform.settings;
        QTest::mousePress(f.opt<QLabel>(optionsnames::CorrectionHelp), Qt::LeftButton);
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].icon, MsgIcon::None);
        QVERIFY(f.platform.lastMessage().startsWith("\t\t\tCORRECTION FOR HIJRI DATE\r\n\r\nThe"));
        QVERIFY(f.platform.lastMessage().endsWith("helps you to make necessary correction."));
        QCOMPARE(f.platform.settings, before);
        f.choose(0);
        f.opt<QPushButton>(optionsnames::CloseButton)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!f.main->findChild<Options *>(QStringLiteral("Options")));
        f.open();
        QCOMPARE(f.opt<QComboBox>(optionsnames::CorrectionList)->currentText(), "No Correction");
        for (int i = 0; i < kColourSchemeCount; ++i)
            QCOMPARE(f.opt<QRadioButton>(optionsnames::SchemeButton, i)->isChecked(), i == scheme);
    }
};

QARNIVO_WEBENGINE_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
