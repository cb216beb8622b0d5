#include "core/crescent/crescentline.h"

#include "core/calendar/names.h"
#include "core/language/digits.h"
#include "core/prayer/timetabletext.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace qarnivo::crescent {

namespace {

const QString kNoValue = QStringLiteral("\u2014");

// `value` with `decimals` and its unit, or a dash for none.
QString number(double value, int decimals, const QString &unit = QString())
{
    return std::isnan(value) ? kNoValue : QLocale().toString(value, 'f', decimals) + unit;
}

QChar gradeLetter(const Evening &evening, Criterion criterion)
{
    const int grade = criterion == Criterion::Yallop ? static_cast<int>(evening.yallopClass)
                                                     : static_cast<int>(evening.odehZone);
    return QChar(u'A' + grade);
}

QString gradeWords(const Evening &evening, Criterion criterion)
{
    return criterion == Criterion::Yallop ? YallopWords(evening.yallopClass)
                                          : OdehWords(evening.odehZone);
}

} // namespace

QString CriterionName(Criterion criterion)
{
    return criterion == Criterion::Yallop ? QStringLiteral("Yallop") : QStringLiteral("Odeh");
}

QStringList CriterionTitles()
{
    return {QCoreApplication::translate("Crescent", "Odeh (2006)"),
            QCoreApplication::translate("Crescent", "Yallop (1997)")};
}

std::optional<Criterion> CriterionFromSetting(const QString &text)
{
    for (const Criterion criterion : {Criterion::Odeh, Criterion::Yallop}) {
        if (text == CriterionName(criterion))
            return criterion;
    }
    return std::nullopt;
}

// Yallop's classes A to D can be seen, with optics from C; E and F cannot.
bool SeenBy(const Evening &evening, Criterion criterion)
{
    if (evening.obstacle != Obstacle::None)
        return false;
    return criterion == Criterion::Yallop ? evening.yallopClass <= YallopClass::D
                                          : evening.odehZone != OdehZone::D;
}

QString Verdict(const Evening &evening, Criterion criterion)
{
    const QString grade =
        (criterion == Criterion::Yallop ? QCoreApplication::translate("Crescent", "Yallop %1")
                                        : QCoreApplication::translate("Crescent", "Odeh %1"))
            .arg(gradeLetter(evening, criterion));
    if (evening.obstacle != Obstacle::None)
        return QCoreApplication::translate("Crescent", "not visible (%1): %2")
            .arg(grade, ObstacleWords(evening.obstacle));
    return QCoreApplication::translate("Crescent", "%1 (%2)")
        .arg(gradeWords(evening, criterion), grade);
}

std::optional<Evening> EveningOf(const QDate &date, const Observer &observer, double utcOffset)
{
    if (!date.isValid() || !SupportedDate(date.year(), date.month(), date.day()))
        return std::nullopt;
    return EveningAt(observer, date.year(), date.month(), date.day(), utcOffset);
}

QString CrescentLine(const QDate &date, const Evening &evening, Criterion criterion)
{
    const QString verdict =
        SeenBy(evening, criterion)
            ? Verdict(evening, criterion)
            : QCoreApplication::translate(
                  "Crescent", "not visible; the month is completed to 30 days by sighting here");
    return QCoreApplication::translate("Crescent", "New crescent on the evening of %1: %2")
        .arg(GregorianDateText(date), verdict);
}

QDateTime DateTimeOfJulianDay(double julianDay)
{
    if (std::isnan(julianDay))
        return {};
    constexpr double kUnixEpoch = 2440587.5;
    return QDateTime::fromMSecsSinceEpoch(std::llround((julianDay - kUnixEpoch) * 86'400'000.0),
                                          Qt::UTC);
}

std::optional<QString> ClockMinute(double julianDay, double utcOffset)
{
    const QDateTime utc = DateTimeOfJulianDay(julianDay);
    if (!utc.isValid())
        return std::nullopt;
    return utc.addSecs(std::lround(utcOffset * 3600)).toString(u"HH:mm");
}

QString ClockTime(double julianDay, double utcOffset)
{
    return ClockMinute(julianDay, utcOffset).value_or(kNoValue);
}

QStringList EveningRowTitles(Criterion criterion)
{
    const bool yallop = criterion == Criterion::Yallop;
    const auto shown = [](const char *text) {
        return QCoreApplication::translate("Crescent", text);
    };
    return {
        shown(QT_TRANSLATE_NOOP("Crescent", "Sunset")),
        shown(QT_TRANSLATE_NOOP("Crescent", "Moonset")),
        shown(QT_TRANSLATE_NOOP("Crescent", "Lag")),
        shown(QT_TRANSLATE_NOOP("Crescent", "Moon's age at sunset")),
        yallop ? shown(QT_TRANSLATE_NOOP("Crescent", "ARCL (geocentric)")) : QStringLiteral("ARCL"),
        yallop ? shown(QT_TRANSLATE_NOOP("Crescent", "ARCV (geocentric)")) : QStringLiteral("ARCV"),
        QStringLiteral("DAZ"),
        QStringLiteral("W"),
        yallop ? QStringLiteral("q") : QStringLiteral("V"),
        yallop ? shown(QT_TRANSLATE_NOOP("Crescent", "Yallop's class"))
               : shown(QT_TRANSLATE_NOOP("Crescent", "Odeh's zone"))};
}

QStringList EveningTexts(const Evening &evening, Criterion criterion, double utcOffset)
{
    const bool yallop = criterion == Criterion::Yallop;
    const QString degrees = QStringLiteral("\u00b0");
    return {ShownDigits(ClockTime(evening.sunset, utcOffset)),
            ShownDigits(ClockTime(evening.moonset, utcOffset)),
            number(evening.lagMinutes, 0, QCoreApplication::translate("Crescent", " min")),
            number(evening.moonAgeHours, 1, QCoreApplication::translate("Crescent", " h")),
            number(yallop ? evening.geocentricArcl : evening.arcl, 2, degrees),
            number(yallop ? evening.geocentricArcv : evening.arcv, 2, degrees),
            number(evening.daz, 2, degrees),
            number(yallop ? evening.yallopWidth : evening.width, 2, QStringLiteral("\u2032")),
            number(yallop ? evening.yallopQ : evening.odehV, yallop ? 3 : 2),
            QString(gradeLetter(evening, criterion))};
}

} // namespace qarnivo::crescent
