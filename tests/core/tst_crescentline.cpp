// The main window's line about the new crescent: the chosen criterion's verdict and grade, or
// the month completed to 30 days when that criterion does not see the crescent.

#include "core/crescent/crescentline.h"
#include "testsupport.h"

Q_DECLARE_METATYPE(qarnivo::crescent::Evening)
Q_DECLARE_METATYPE(qarnivo::crescent::Criterion)

using namespace qarnivo;
using namespace qarnivo::crescent;
using namespace qarnivo::testing;

namespace {

Evening judged(OdehZone zone, YallopClass yallopClass, Obstacle obstacle = Obstacle::None)
{
    Evening evening;
    evening.odehZone = zone;
    evening.yallopClass = yallopClass;
    evening.obstacle = obstacle;
    return evening;
}

const QString kNotSeen = QStringLiteral(
    "New crescent on the evening of Wednesday 18 February 2026: not visible; the month is "
    "completed to 30 days by sighting here");

} // namespace

class TestCrescentLine : public QObject {
    Q_OBJECT
private slots:
    void line_data()
    {
        columns<Evening, Criterion, QString>({"evening", "criterion", "line"});
        const QString seen = "New crescent on the evening of Wednesday 18 February 2026: ";
        row("Odeh's zone A", judged(OdehZone::A, YallopClass::F), Criterion::Odeh,
            seen + "visible by naked eye (Odeh A)");
        row("Yallop's class C", judged(OdehZone::D, YallopClass::C), Criterion::Yallop,
            seen + YallopWords(YallopClass::C) + " (Yallop C)");
        row("Yallop's class D is the last seen", judged(OdehZone::D, YallopClass::D),
            Criterion::Yallop, seen + YallopWords(YallopClass::D) + " (Yallop D)");
        row("Odeh's zone C is the last seen", judged(OdehZone::C, YallopClass::F), Criterion::Odeh,
            seen + OdehWords(OdehZone::C) + " (Odeh C)");
        row("Odeh's zone D", judged(OdehZone::D, YallopClass::A), Criterion::Odeh, kNotSeen);
        row("Yallop's class E", judged(OdehZone::A, YallopClass::E), Criterion::Yallop, kNotSeen);
        row("the Moon sets first, whatever the grade",
            judged(OdehZone::A, YallopClass::A, Obstacle::MoonSetsFirst), Criterion::Odeh,
            kNotSeen);
        row("before the conjunction",
            judged(OdehZone::A, YallopClass::A, Obstacle::BeforeConjunction), Criterion::Yallop,
            kNotSeen);
    }
    void line()
    {
        const auto [evening, criterion, line] =
            fetch<Evening, Criterion, QString>("evening", "criterion", "line");
        QCOMPARE(CrescentLine(QDate(2026, 2, 18), evening, criterion), line);
    }
};

QTEST_APPLESS_MAIN(TestCrescentLine)
#include "tst_crescentline.moc"
