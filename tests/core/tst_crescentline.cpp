// The main window's line about the new crescent: the chosen criterion's verdict and grade, or
// the month completed to 30 days when that criterion does not see the crescent.

#include "core/crescent/crescentline.h"
#include "testsupport.h"

Q_DECLARE_METATYPE(qarnivo::crescent::Evening)
Q_DECLARE_METATYPE(qarnivo::crescent::Criterion)
Q_DECLARE_METATYPE(qarnivo::crescent::Obstacle)

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

    // Where the crescent cannot be seen whatever its value, the window says
    // why, with the grade that stands for it.
    void obstacleVerdict_data()
    {
        columns<Obstacle, Criterion, QString>({"obstacle", "criterion", "verdict"});
        row("the Moon sets first", Obstacle::MoonSetsFirst, Criterion::Odeh,
            "not visible (Odeh D): the Moon sets before the Sun");
        row("before the new moon", Obstacle::BeforeConjunction, Criterion::Yallop,
            "not visible (Yallop F): the evening is before the new moon");
    }
    void obstacleVerdict()
    {
        const auto [obstacle, criterion, verdict] =
            fetch<Obstacle, Criterion, QString>("obstacle", "criterion", "verdict");
        QCOMPARE(Verdict(judged(OdehZone::D, YallopClass::F, obstacle), criterion), verdict);
    }

    // The words a person reads in the interface language, its digits included.
    void shownInLanguage_data()
    {
        columns<QString, QString, QString>({"language", "text", "shown"});
        row("Arabic line", QString("ar"), QString("line"),
            QString("الهلال الجديد مساء الأربعاء ١٨ فبراير ٢٠٢٦: مرئي بالعين المجردة (عودة A)"));
        row("Urdu obstacle", QString("ur"), QString("obstacle"),
            QString("نظر نہیں آئے گا (یالوپ F): چاند سورج سے پہلے غروب ہو جاتا ہے"));
        row("Arabic age", QString("ar"), QString("age"), QString("١٨٫٥ ساعة"));
        row("Urdu row title", QString("ur"), QString("title"), QString("یالوپ کا درجہ"));
    }
    void shownInLanguage()
    {
        const auto [language, text, shown] =
            fetch<QString, QString, QString>("language", "text", "shown");
        const InLanguage in(language);
        QVERIFY(in.loaded());
        Evening young = judged(OdehZone::A, YallopClass::A);
        young.moonAgeHours = 18.5;
        const QHash<QString, QString> texts{
            {"line", CrescentLine(QDate(2026, 2, 18), young, Criterion::Odeh)},
            {"obstacle", Verdict(judged(OdehZone::D, YallopClass::F, Obstacle::MoonSetsFirst),
                                 Criterion::Yallop)},
            {"age", EveningTexts(young, Criterion::Odeh, 3).at(3)},
            {"title", EveningRowTitles(Criterion::Yallop).last()}};
        QCOMPARE(texts.value(text), shown);
    }

    // The minute an instant falls in, on the place's clock, also across
    // midnight and for a clock behind UT.
    void clockMinute_data()
    {
        columns<double, double, QString>({"julianDay", "utcOffset", "clock"});
        // 2026-02-18 15:19:54 UT
        const double sunset = 2461089.5 + (15 * 3600 + 19 * 60 + 54) / 86400.0;
        row("Makkah's sunset", sunset, 3.0, "18:19");
        row("a clock behind UT", sunset, -5.5, "09:49");
        row("past midnight", sunset, 9.0, "00:19");
        row("none", crescent::kNone, 3.0, "");
    }
    void clockMinute()
    {
        const auto [julianDay, utcOffset, clock] =
            fetch<double, double, QString>("julianDay", "utcOffset", "clock");
        QCOMPARE(ClockMinute(julianDay, utcOffset).value_or(QString()), clock);
    }
};

QTEST_GUILESS_MAIN(TestCrescentLine)
#include "tst_crescentline.moc"
