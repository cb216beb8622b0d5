#include "core/crescent/crescentline.h"

namespace qarnivo::crescent {

QString CriterionName(Criterion criterion)
{
    return criterion == Criterion::Yallop ? QStringLiteral("Yallop") : QStringLiteral("Odeh");
}

QString CriterionTitle(Criterion criterion)
{
    return criterion == Criterion::Yallop ? QStringLiteral("Yallop (1997)")
                                          : QStringLiteral("Odeh (2006)");
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
    const bool yallop = criterion == Criterion::Yallop;
    const int grade =
        yallop ? static_cast<int>(evening.yallopClass) : static_cast<int>(evening.odehZone);
    return QStringLiteral("%1 (%2 %3)")
        .arg(yallop ? YallopWords(evening.yallopClass) : OdehWords(evening.odehZone),
             CriterionName(criterion), QChar(u'A' + grade));
}

QString CrescentLine(const QDate &date, const Evening &evening, Criterion criterion)
{
    const QString verdict =
        SeenBy(evening, criterion)
            ? Verdict(evening, criterion)
            : QStringLiteral("not visible; the month is completed to 30 days by sighting here");
    return QStringLiteral("New crescent on the evening of %1: %2")
        .arg(date.toString(QStringLiteral("dddd d MMMM yyyy")), verdict);
}

} // namespace qarnivo::crescent
