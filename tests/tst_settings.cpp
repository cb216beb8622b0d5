// Stored settings: the text forms, the conversions and the fallbacks that
// keep a damaged store from stopping the program.

#include "platform/fakeplatform.h"
#include "settings/settingscatalogue.h"
#include "settings/settingsstore.h"

#include <QtTest>

using namespace qarnivo;

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void toInt16_data();
    void toInt16();
    void toBool_data();
    void toBool();
    void readingFallsBackToTheDefault();
    void writingUsesTheStoredForms();
};

void TestSettings::toInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // 99999: cannot be converted
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("negative") << "-2" << -2;
    QTest::newRow("blanks around") << " 3 " << 3;
    QTest::newRow("a half rounds to even") << "2.5" << 2;
    QTest::newRow("16-bit limit") << "32767" << 32767;
    QTest::newRow("beyond 16 bits") << "32768" << 99999;
    QTest::newRow("letters") << "abc" << 99999;
    QTest::newRow("digits then letters") << "3x" << 99999;
    QTest::newRow("empty") << "" << 99999;
    QTest::newRow("infinity") << "1e400" << 99999;
}

void TestSettings::toInt16()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    const std::optional<qint16> converted = SettingToInt16(text);
    QCOMPARE(converted.has_value(), value != 99999);
    if (converted)
        QCOMPARE(int(*converted), value);
}

void TestSettings::toBool_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // -1: cannot be converted
    QTest::newRow("True") << "True" << 1;
    QTest::newRow("False") << "False" << 0;
    QTest::newRow("any case") << "true" << 1;
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("other number") << "-1" << 1;
    QTest::newRow("a word") << "Maybe" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestSettings::toBool()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    const std::optional<bool> converted = SettingToBool(text);
    QCOMPARE(converted.has_value(), value != -1);
    if (converted)
        QCOMPARE(int(*converted), value);
}

void TestSettings::readingFallsBackToTheDefault()
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
}

void TestSettings::writingUsesTheStoredForms()
{
    FakePlatform platform;
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

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
