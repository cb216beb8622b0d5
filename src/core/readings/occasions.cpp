#include "core/readings/occasions.h"

#include "core/calendar/names.h"

#include <QCoreApplication>

#include <array>

namespace qarnivo {

namespace {

struct FixedOccasion {
    int month;
    int day;
    const char *text;
};

// The fixed cells. Names follow the pattern kind word, honorific, name and
// "'RA'" ("'SA'" for the Prophet). Each sits on the Hijri date that
// tradition gives for the event; where reports differ (Imam Zain-ul-Abideen,
// Imam Ali Naqi, Hazrat Junaid Baghdadi) the date is one of those reported.
// Several occasions of one day are joined by "/ ", "&&" shows as one "&".
constexpr std::array kFixedOccasions = {
    // Muharram-ul-Haraam. The events of Karbala, 61 AH.
    FixedOccasion{1, 2, QT_TRANSLATE_NOOP("Occasions", "Imam Husain 'RA' reaches Karbala")},
    FixedOccasion{1, 7,
                  QT_TRANSLATE_NOOP(
                      "Occasions",
                      "Karbala: the water of the Furaat closed to Imam Husain 'RA' && his family")},
    FixedOccasion{1, 8,
                  QT_TRANSLATE_NOOP("Occasions", "Karbala: day of Hazrat Abbas Alamdar 'RA'")},
    FixedOccasion{1, 9, QT_TRANSLATE_NOOP("Occasions", "Shab-e-Shahadat of Ahle-Bait 'RA'")},
    FixedOccasion{
        1, 10,
        QT_TRANSLATE_NOOP("Occasions", "Youm-e-Aa'shurah/ Youm-e-Shahadat Imam Husain 'RA'")},
    FixedOccasion{1, 11,
                  QT_TRANSLATE_NOOP("Occasions", "Wafat Hazrat Muhammad bin Hanafiyya 'RA'")},
    FixedOccasion{1, 18, QT_TRANSLATE_NOOP("Occasions", "Wafat Imam Zain-ul-Abideen 'RA'")},
    FixedOccasion{1, 20, QT_TRANSLATE_NOOP("Occasions", "Wafat Hazrat Bilal Habshi 'RA'")},
    // Safar-ul-Muzaffar.
    FixedOccasion{2, 26, QT_TRANSLATE_NOOP("Occasions", "Aakhri-Chahar Shamba")},
    FixedOccasion{2, 28, QT_TRANSLATE_NOOP("Occasions", "Youm-e-Shahadat Imam Hasan 'RA'")},
    // Rabi-ul-Awwal.
    FixedOccasion{
        3, 12,
        QT_TRANSLATE_NOOP("Occasions", "Eid-Milad-un-Nabi, Wiladat/ Wafat Hazrat Muhammad 'SA'")},
    // Rabi-ul-Aakhir.
    FixedOccasion{4, 7, QT_TRANSLATE_NOOP("Occasions", "Wafat Hazrat Khwaja Ghulam Farid 'RA'")},
    FixedOccasion{4, 11, QT_TRANSLATE_NOOP("Occasions", "Gayarwheen Sharif")},
    FixedOccasion{4, 19,
                  QT_TRANSLATE_NOOP("Occasions", "Urs-Hazrat Nizamuddin Auliya 'RA', Delhi")},
    // Jamaadil -Aakhir.
    FixedOccasion{6, 22, QT_TRANSLATE_NOOP("Occasions", "Wafat Hazrat Abu Bakr Siddiq 'RA'")},
    // Rajjab-ul-Marjab.
    FixedOccasion{7, 4, QT_TRANSLATE_NOOP("Occasions", "Wafat Imam Ali Naqi 'RA'")},
    FixedOccasion{
        7, 6,
        QT_TRANSLATE_NOOP("Occasions", "Urs-Hazrat Khwaja Moinuddin Chishti 'RA', Ajmer Sharif")},
    FixedOccasion{7, 13, QT_TRANSLATE_NOOP("Occasions", "Youm-e-Wiladat Hazrat Ali 'RA'")},
    FixedOccasion{7, 21,
                  QT_TRANSLATE_NOOP("Occasions", "Wafat Hazrat Maulana Muhammad Ilyas 'RA'")},
    FixedOccasion{
        7, 27, QT_TRANSLATE_NOOP("Occasions", "SHAB-E-ME'RAJ/ Wafat Hazrat Junaid Baghdadi 'RA'")},
    // Sha'aban-ul-Moazzam.
    FixedOccasion{8, 3, QT_TRANSLATE_NOOP("Occasions", "Wiladat Imam Husain 'RA'")},
    FixedOccasion{8, 4,
                  QT_TRANSLATE_NOOP("Occasions", "Wafat Hazrat Shaikh Abu Saeed Abul Khair 'RA'")},
    FixedOccasion{8, 15, QT_TRANSLATE_NOOP("Occasions", "SHAB-E-BARAT")},
    // Ramadhan-ul-Mubarak.
    FixedOccasion{9, 1, QT_TRANSLATE_NOOP("Occasions", "Start of Ramazan-ul-Mubarak")},
    FixedOccasion{9, 3, QT_TRANSLATE_NOOP("Occasions", "Wafat Hazrat Bibi Fatima-tuz-Zahra 'RA'")},
    FixedOccasion{9, 10,
                  QT_TRANSLATE_NOOP("Occasions", "Wafat Hazrat Bibi Khadija-tul-Kubra 'RA'")},
    FixedOccasion{
        9, 17,
        QT_TRANSLATE_NOOP("Occasions",
                          "Nazul-e-Qur'an/ Wafat Hazrat Bibi Ayesha Siddiqa 'RA'/ Jang-e-Badar")},
    FixedOccasion{9, 20, QT_TRANSLATE_NOOP("Occasions", "Fatah-e-Makkah")},
    FixedOccasion{9, 21,
                  QT_TRANSLATE_NOOP("Occasions", "Shab-e-Quadra / Shahadat Hazrat Ali 'RA'")},
    FixedOccasion{9, 22, QT_TRANSLATE_NOOP("Occasions", "LAILAT-UL-QUADRA")},
    FixedOccasion{9, 23, QT_TRANSLATE_NOOP("Occasions", "LAILAT-UL-QUADRA")},
    FixedOccasion{9, 24, QT_TRANSLATE_NOOP("Occasions", "LAILAT-UL-QUADRA")},
    FixedOccasion{9, 25, QT_TRANSLATE_NOOP("Occasions", "LAILAT-UL-QUADRA")},
    FixedOccasion{9, 26, QT_TRANSLATE_NOOP("Occasions", "LAILAT-UL-QUADRA")},
    FixedOccasion{9, 27, QT_TRANSLATE_NOOP("Occasions", "LAILAT-UL-QUADRA")},
    FixedOccasion{9, 28, QT_TRANSLATE_NOOP("Occasions", "LAILAT-UL-QUADRA")},
    FixedOccasion{9, 29, QT_TRANSLATE_NOOP("Occasions", "LAILAT-UL-QUADRA")},
    // Shawwal-ul-Mukarram.
    FixedOccasion{10, 1, QT_TRANSLATE_NOOP("Occasions", "E'ID-UL-FITRA")},
    FixedOccasion{
        10, 6,
        QT_TRANSLATE_NOOP("Occasions", "Wafat Hazrat Makhdoom Sharfuddin Yahya Maneri 'RA'")},
    // Dhul-Hijjah.
    FixedOccasion{12, 8, QT_TRANSLATE_NOOP("Occasions", "YOUM-UL-HAJJ")},
    FixedOccasion{12, 9, QT_TRANSLATE_NOOP("Occasions", "YOUM-UL-HAJJ")},
    FixedOccasion{12, 10, QT_TRANSLATE_NOOP("Occasions", "E'ID-UL-AZHA")},
    FixedOccasion{12, 18, QT_TRANSLATE_NOOP("Occasions", "Shahadat Hazrat Usman Ghani 'RA'")},
};

} // namespace

QString NewYearGreeting(int hijriYear)
{
    return QCoreApplication::translate(
               "Occasions", "Happy New Year! TODAY is the starting day of Islamic HIJRI Calendar "
                            "year %1.")
        .arg(ShownNumber(hijriYear));
}

DateTable BuildOccasionTable(int currentHijriYear)
{
    DateTable table;
    table.set(1, 1, NewYearGreeting(currentHijriYear));
    for (const FixedOccasion &occasion : kFixedOccasions)
        table.set(occasion.month, occasion.day,
                  QCoreApplication::translate("Occasions", occasion.text));
    return table;
}

bool HasOccasion(const DateTable &occasions, int month, int day)
{
    return !occasions.at(month, day).isEmpty();
}

QString OccasionDisplayText(const QString &stored)
{
    QString shown;
    shown.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stored[i] == u'&' && i + 1 < stored.size()) {
            ++i; // "&&" shows "&"; "&x" shows "x"
        }
        shown.append(stored[i]);
    }
    return shown;
}

} // namespace qarnivo
