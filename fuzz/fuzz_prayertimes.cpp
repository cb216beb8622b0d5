// The prayer-time engine and its stored settings: any place, date and
// settings give times or none, never a crash or undefined behaviour; what the
// settings store writes reads back the same.
// Input: latitude, longitude, UTC offset and a Julian day as four doubles,
// then a byte each for the method, the Asr rule and the high-latitude rule,
// then the stored texts of the five settings separated by NUL.

#include "core/prayer/prayertimes.h"
#include "core/settings/prayersettings.h"
#include "fuzzsupport.h"

#include <cstring>

using namespace qarnivo;
using namespace qarnivo::fuzz;

namespace {

double numberAt(const QByteArray &bytes, qsizetype index)
{
    double value = 0;
    if (bytes.size() >= (index + 1) * qsizetype(sizeof value))
        std::memcpy(&value, bytes.constData() + index * sizeof value, sizeof value);
    return value;
}

void checkTimes(const QByteArray &bytes)
{
    const PrayerPlace place{numberAt(bytes, 0), numberAt(bytes, 1), numberAt(bytes, 2),
                            bytes.size() % 2 == 1};
    const double day = numberAt(bytes, 3);
    const QDate date = std::isfinite(day) && std::abs(day) < 1e9
                           ? QDate::fromJulianDay(static_cast<qint64>(day))
                           : QDate();
    PrayerSettings settings;
    const auto byteAt = [&bytes](qsizetype i) {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
    };
    settings.method = static_cast<PrayerMethod>(byteAt(32) % kPrayerMethodCount);
    settings.asr = static_cast<AsrRule>(byteAt(33) % 2);
    settings.highLatitude = static_cast<HighLatitudeRule>(byteAt(34) % 3);
    // Anything may be asked; where the arithmetic is meant to hold (a real
    // place and offset, a date the engine is checked on) every time falls
    // within the day asked for, give or take a day, and noon always comes.
    const PrayerDay times = PrayerTimesFor(date, place, settings);
    const bool meant = std::abs(place.latitude) <= 90 && std::abs(place.longitude) <= 180 &&
                       std::abs(place.utcOffset) <= 14 && date.isValid() && date.year() >= 1583 &&
                       date.year() <= 9999; // false for NaN too
    if (!meant)
        return;
    for (const std::optional<int> &minutes : times.minutes) {
        if (minutes)
            FUZZ_CHECK(*minutes > -1440 && *minutes < 2 * 1440);
    }
    FUZZ_CHECK(times.at(Prayer::Dhuhr).has_value());
}

void checkSettings(const QByteArray &bytes)
{
    const QList<QByteArray> texts = SplitAtNul(bytes.mid(35), 5);
    const QStringList keys = {QStringLiteral("PrayerMethod"), QStringLiteral("AsrRule"),
                              QStringLiteral("HighLatitudeRule"),
                              QStringLiteral("PrayerAdjustments"), QStringLiteral("Clock24")};
    const PrayerSettings read = PrayerSettingsFrom([&](const QString &key) {
        const qsizetype i = keys.indexOf(key);
        return i >= 0 && i < texts.size() ? QString::fromUtf8(texts[i]) : QString();
    });
    for (const int minutes : read.adjustments)
        FUZZ_CHECK(minutes >= -60 && minutes <= 60);
    const auto written = PrayerSettingsTexts(read);
    const PrayerSettings again = PrayerSettingsFrom([&](const QString &key) {
        for (const auto &[storedKey, text] : written) {
            if (storedKey == key)
                return text;
        }
        return QString();
    });
    FUZZ_CHECK(again == read);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = BytesOf(data, size);
    checkTimes(bytes);
    checkSettings(bytes);
    return 0;
}
