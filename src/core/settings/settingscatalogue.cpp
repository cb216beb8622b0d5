#include "core/settings/settingscatalogue.h"

#include "core/calendar/leadingnumber.h"

#include <cmath>

namespace qarnivo {

std::optional<qint16> SettingToInt16(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok); // C locale, whatever the user's
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const int whole = RoundHalfEven(value);
    if (whole < -32768 || whole > 32767)
        return std::nullopt;
    return static_cast<qint16>(whole);
}

std::optional<bool> SettingToBool(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || std::isnan(value))
        return std::nullopt;
    return value != 0.0;
}

QString BoolSettingText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString SettingText(const QVariant &stored)
{
    if (stored.typeId() == QMetaType::QStringList)
        return stored.toStringList().join(u',');
    return stored.toString();
}

} // namespace qarnivo
