#include "core/readings/occasions.h"

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
    FixedOccasion{1, 2, "Imam Husain 'RA' reaches Karbala"},
    FixedOccasion{1, 7,
                  "Karbala: the water of the Furaat closed to Imam Husain 'RA' && his family"},
    FixedOccasion{1, 8, "Karbala: day of Hazrat Abbas Alamdar 'RA'"},
    FixedOccasion{1, 9, "Shab-e-Shahadat of Ahle-Bait 'RA'"},
    FixedOccasion{1, 10, "Youm-e-Aa'shurah/ Youm-e-Shahadat Imam Husain 'RA'"},
    FixedOccasion{1, 11, "Wafat Hazrat Muhammad bin Hanafiyya 'RA'"},
    FixedOccasion{1, 18, "Wafat Imam Zain-ul-Abideen 'RA'"},
    FixedOccasion{1, 20, "Wafat Hazrat Bilal Habshi 'RA'"},
    // Safar-ul-Muzaffar.
    FixedOccasion{2, 26, "Aakhri-Chahar Shamba"},
    FixedOccasion{2, 28, "Youm-e-Shahadat Imam Hasan 'RA'"},
    // Rabi-ul-Awwal.
    FixedOccasion{3, 12, "Eid-Milad-un-Nabi, Wiladat/ Wafat Hazrat Muhammad 'SA'"},
    // Rabi-ul-Aakhir.
    FixedOccasion{4, 7, "Wafat Hazrat Khwaja Ghulam Farid 'RA'"},
    FixedOccasion{4, 11, "Gayarwheen Sharif"},
    FixedOccasion{4, 19, "Urs-Hazrat Nizamuddin Auliya 'RA', Delhi"},
    // Jamaadil -Aakhir.
    FixedOccasion{6, 22, "Wafat Hazrat Abu Bakr Siddiq 'RA'"},
    // Rajjab-ul-Marjab.
    FixedOccasion{7, 4, "Wafat Imam Ali Naqi 'RA'"},
    FixedOccasion{7, 6, "Urs-Hazrat Khwaja Moinuddin Chishti 'RA', Ajmer Sharif"},
    FixedOccasion{7, 13, "Youm-e-Wiladat Hazrat Ali 'RA'"},
    FixedOccasion{7, 21, "Wafat Hazrat Maulana Muhammad Ilyas 'RA'"},
    FixedOccasion{7, 27, "SHAB-E-ME'RAJ/ Wafat Hazrat Junaid Baghdadi 'RA'"},
    // Sha'aban-ul-Moazzam.
    FixedOccasion{8, 3, "Wiladat Imam Husain 'RA'"},
    FixedOccasion{8, 4, "Wafat Hazrat Shaikh Abu Saeed Abul Khair 'RA'"},
    FixedOccasion{8, 15, "SHAB-E-BARAT"},
    // Ramadhan-ul-Mubarak.
    FixedOccasion{9, 1, "Start of Ramazan-ul-Mubarak"},
    FixedOccasion{9, 3, "Wafat Hazrat Bibi Fatima-tuz-Zahra 'RA'"},
    FixedOccasion{9, 10, "Wafat Hazrat Bibi Khadija-tul-Kubra 'RA'"},
    FixedOccasion{9, 17, "Nazul-e-Qur'an/ Wafat Hazrat Bibi Ayesha Siddiqa 'RA'/ Jang-e-Badar"},
    FixedOccasion{9, 20, "Fatah-e-Makkah"},
    FixedOccasion{9, 21, "Shab-e-Quadra / Shahadat Hazrat Ali 'RA'"},
    FixedOccasion{9, 22, "LAILAT-UL-QUADRA"},
    FixedOccasion{9, 23, "LAILAT-UL-QUADRA"},
    FixedOccasion{9, 24, "LAILAT-UL-QUADRA"},
    FixedOccasion{9, 25, "LAILAT-UL-QUADRA"},
    FixedOccasion{9, 26, "LAILAT-UL-QUADRA"},
    FixedOccasion{9, 27, "LAILAT-UL-QUADRA"},
    FixedOccasion{9, 28, "LAILAT-UL-QUADRA"},
    FixedOccasion{9, 29, "LAILAT-UL-QUADRA"},
    // Shawwal-ul-Mukarram.
    FixedOccasion{10, 1, "E'ID-UL-FITRA"},
    FixedOccasion{10, 6, "Wafat Hazrat Makhdoom Sharfuddin Yahya Maneri 'RA'"},
    // Dhul-Hijjah.
    FixedOccasion{12, 8, "YOUM-UL-HAJJ"},
    FixedOccasion{12, 9, "YOUM-UL-HAJJ"},
    FixedOccasion{12, 10, "E'ID-UL-AZHA"},
    FixedOccasion{12, 18, "Shahadat Hazrat Usman Ghani 'RA'"},
};

} // namespace

QString NewYearGreeting(int hijriYear)
{
    return QStringLiteral("Happy New Year! TODAY is the starting day of Islamic HIJRI Calendar "
                          "year %1.")
        .arg(hijriYear);
}

DateTable BuildOccasionTable(int currentHijriYear)
{
    DateTable table;
    table.set(1, 1, NewYearGreeting(currentHijriYear));
    for (const FixedOccasion &occasion : kFixedOccasions)
        table.set(occasion.month, occasion.day, QString::fromLatin1(occasion.text));
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
