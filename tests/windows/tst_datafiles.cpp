// The files the program reads and writes: text files (the two encodings read, the one written,
// line ends, saving that never leaves a half-written file), the fields of the data files, the
// city file and its display forms, the checks and saving of the default city's boxes, the place
// list (AddCity.txt), the country list (the program's entries and GMT Offsets.txt) and the
// searches through both, and the application folder and its seeding.

#include "core/files/appfolder.h"
#include "core/files/savefile.h"
#include "core/places/citycheck.h"
#include "core/places/fieldreader.h"
#include "core/places/listsearch.h"
#include "core/places/offsetlist.h"
#include "core/places/placealiases.h"
#include "core/places/wildcard.h"
#include "core/readings/occasionexport.h"
#include "windowsupport.h"

#include <QRegularExpression>

#include <QElapsedTimer>

using namespace qarnivo;
using namespace qarnivo::testing;

Q_DECLARE_METATYPE(qarnivo::PlaceListRead::Status)
Q_DECLARE_METATYPE(qarnivo::CityFileRead::Status)
Q_DECLARE_METATYPE(qarnivo::CityCheck::Outcome)

namespace {

QString places(int count)
{
    QString text;
    for (int n = 1; n <= count; ++n)
        text += QStringLiteral("Place %1,%2,-%2,-5.5\r\n").arg(n).arg(n % 90);
    return text;
}

QStringList namesOf(const PlaceListRead &read)
{
    QStringList names;
    for (const PlaceRecord &record : read.places)
        names.append(record.name);
    return names;
}

const CityInfo kCurrent = DefaultCity(); // "India - Bhubaneswar", "20.267", "-85.85", "-5.5"

QString summary(int count)
{
    return QStringLiteral("Search complete, no more found.\r\nTotal found = (%1).").arg(count);
}

} // namespace

class TestDataFiles : public QObject {
    Q_OBJECT
private slots:
    void decode_data()
    {
        columns<QByteArray, QString>({"bytes", "text"});
        row("ASCII", QByteArray("Bhubaneswar"), "Bhubaneswar");
        row("UTF-8", QByteArray("Z\xc3\xbcrich"), QString::fromUtf8("Zürich"));
        row("Windows-1252 letter", QByteArray("Z\xfcrich"), QString::fromUtf8("Zürich"));
        // 0x80 to 0x9F: where Windows-1252 differs from Latin-1, five bytes left unassigned.
        row("Windows-1252 0x80 to 0x9F",
            QByteArray("\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8a\x8b\x8c\x8d\x8e\x8f"
                       "\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9a\x9b\x9c\x9d\x9e\x9f"),
            QString::fromUtf16(u"\u20ac\u0081\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030"
                               u"\u0160\u2039\u0152\u008d\u017d\u008f\u0090\u2018\u2019\u201c"
                               u"\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153\u009d"
                               u"\u017e\u0178"));
        row("degree sign", QByteArray("20\xba"), QString::fromUtf8("20º"));
        row("broken UTF-8 falls back", QByteArray("\xc3("), QString::fromUtf8("Ã("));
    }
    void decode()
    {
        const auto [bytes, text] = fetch<QByteArray, QString>("bytes", "text");
        QCOMPARE(DecodeText(bytes), text);
    }

    // Saved in Windows-1252 with CR LF; text beyond Windows-1252, or whose Windows-1252 bytes
    // would read back as UTF-8, in UTF-8.
    void save_data()
    {
        columns<QStringList, QByteArray>({"lines", "bytes"});
        row("Windows-1252", QStringList{QString::fromUtf8("Zürich"), ""},
            QByteArray("Z\xfcrich\r\n\r\n"));
        row("beyond Windows-1252", QStringList{QString::fromUtf8("Łódź"), "51.76"},
            QByteArray("\xc5\x81\xc3\xb3\x64\xc5\xba\r\n51.76\r\n"));
        row("UTF-8 lookalike", QStringList{QString::fromUtf8("Ã©")},
            QByteArray("\xc3\x83\xc2\xa9\r\n"));
    }
    void save()
    {
        const auto [lines, bytes] = fetch<QStringList, QByteArray>("lines", "bytes");
        QTemporaryDir dir;
        const QString path = dir.filePath("out.txt");
        QCOMPARE(SaveTextFile(path, lines), QString());
        QCOMPARE(readBytes(path), bytes);
        const TextFileRead read = ReadTextFile(path);
        QCOMPARE(read.status, TextFileRead::Status::Ok);
        QCOMPARE(SplitLines(read.text), lines);
    }

    void failuresTellWhy()
    {
        QTemporaryDir dir;
        QCOMPARE(ReadTextFile(dir.filePath("none.txt")).status, TextFileRead::Status::NotFound);
        QCOMPARE(ReadTextFile(dir.path()).status, TextFileRead::Status::Unreadable);
        const QString big = dir.filePath("big.txt");
        QVERIFY(SaveTextFile(big, {QString(100, u'x')}).isEmpty());
        QCOMPARE(ReadTextFile(big, 50).status, TextFileRead::Status::TooLarge);
    }

    // A save is whole or not at all: a full disk (put in through the fault seam, as a real one
    // loses the last buffered bytes) keeps the old file and leaves no temporary file behind; a
    // pipe, device node or folder of the file's name is refused and kept, by every writer.
    void saveWholeOrNot_data()
    {
        columns<QString, bool, bool>({"target", "diskFull", "saved"});
        row("a regular file replaced", "old", false, true);
        row("a new file", "none", false, true);
        row("full disk keeps the old file", "old", true, false);
        row("full disk makes no file", "none", true, false);
        row("a pipe", "fifo", false, false);
        row("a device node", "node", false, false);
        row("a folder", "folder", false, false);
    }
    void saveWholeOrNot()
    {
        const auto [target, diskFull, saved] =
            fetch<QString, bool, bool>("target", "diskFull", "saved");
        QTemporaryDir dir;
        const QString path = dir.filePath("out.txt");
        const bool special = target != "old" && target != "none";
        if (target == "old")
            QVERIFY(writeBytes(path, "old\r\n"));
        if (special && !MakeSpecialFile(path, target))
            QSKIP("this system does not let the test make that kind of file");
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System);
        const QString reason =
            SaveBytes(path, "new\r\n", diskFull ? SaveFault::DiskFull : SaveFault::None);
        QVERIFY2(reason.isEmpty() == saved, qPrintable(reason));
        if (saved) {
            QCOMPARE(readBytes(path), QByteArray("new\r\n"));
            return;
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System), before);
        if (target == "old")
            QCOMPARE(readBytes(path), QByteArray("old\r\n"));
        if (!special)
            return;
        QVERIFY(!QFileInfo(path).isFile());
        QCOMPARE(reason, QStringLiteral("it is not a regular file"));
        QCOMPARE(SaveTextFile(path, {"x"}), reason);
        QCOMPARE(SaveOccasionFile(path, "x"),
                 QDir::toNativeSeparators(path) + " could not be written: " + reason);
        QVERIFY(!QFileInfo(path).isFile());
    }

    // A failed save or read says why in the program's words, which the languages translate.
    void failureReasons_data()
    {
        columns<QString, QString, QString>({"file", "mode", "reason"});
        row("save into a missing folder", "missing/out.txt", "save", "its folder does not exist");
        row("read a missing file", "none.txt", "read", "it does not exist");
        row("read in a missing folder", "missing/none.txt", "read", "its folder does not exist");
        row("save into a read-only folder", "locked/out.txt", "save", "permission denied");
    }
    void failureReasons()
    {
        const auto [file, mode, reason] =
            fetch<QString, QString, QString>("file", "mode", "reason");
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("locked");
        QFile::setPermissions(dir.filePath("locked"),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (file.startsWith("locked") && QFileInfo(dir.filePath("locked")).isWritable())
            QSKIP("this user writes into read-only folders");
        if (mode == "save") {
            QCOMPARE(SaveBytes(dir.filePath(file), "x"), reason);
            return;
        }
        QFile read(dir.filePath(file));
        QVERIFY(!read.open(QIODevice::ReadOnly));
        QCOMPARE(FailureReason(read), reason);
    }

    // The fields read, "|" between them.
    void readFields_data()
    {
        columns<QString, QString>({"text", "fields"});
        row("one value a line, CR LF", "India - Bhubaneswar\r\n20.267\r\n-85.85\r\n-5.5\r\n",
            "India - Bhubaneswar|20.267|-85.85|-5.5");
        row("CR-only line ends", "a\rb\r", "a|b");
        row("comma cuts a name", "Cuttack, India\r\n20.5\r\n", "Cuttack|India|20.5");
        row("leading blanks skipped, trailing kept", "  a  ,\tb", "a  |b");
        row("quoted field keeps its comma", "\"Washington, DC\",38.9\r\n", "Washington, DC|38.9");
        row("text after the closing quote is passed over", "\"Pune\" junk,18.5", "Pune|18.5");
        row("unclosed quote runs to the end", "\"abc\r\ndef", "abc\r\ndef");
        row("four fields a line", "Mecca,21.42,-39.83,-3\r\nMedina,24.47,-39.61,-3\r\n",
            "Mecca|21.42|-39.83|-3|Medina|24.47|-39.61|-3");
        row("empty lines give no field", "a\r\n\r\n  \r\nb", "a|b");
        row("comma at a line end", "a,\r\nb", "a||b");
        row("empty text", "", "");
    }
    void readFields()
    {
        const auto [text, fields] = fetch<QString, QString>("text", "fields");
        QCOMPARE(ReadFields(text).join(u'|'), fields);
    }
    void readFieldsStopsAfterMaxFields()
    {
        const QString text = "n\r\n1\r\n2\r\n3\r\n\r\n____\r\nCAUTION:\r\n";
        QCOMPARE(ReadFields(text, 4), (QStringList{"n", "1", "2", "3"}));
        QCOMPARE(ReadFields(text, 0), QStringList{});
    }

    // The city file: the first four fields, read as the field reader reads them.
    void cityFile_data()
    {
        columns<QByteArray, CityFileRead::Status, QString, QString>(
            {"bytes", "status", "name", "latitude"});
        using S = CityFileRead::Status;
        row("as written", EncodeLines(CityFileLines(DefaultCity())), S::Ok, "India - Bhubaneswar",
            "20.267");
        row("Windows-1252 name, LF ends", QByteArray("K\xf6ln\n50.94\n-6.96\n-1\n"), S::Ok,
            QString::fromUtf8("Köln"), "50.94");
        row("a comma cuts the name", QByteArray("Cuttack, India\r\n20.46\r\n-85.88\r\n-5.5\r\n"),
            S::Ok, "Cuttack", "India");
        row("three fields", QByteArray("Pune\r\n18.52\r\n-73.86\r\n"), S::TooFewFields, "", "");
        const QString lines = QStringLiteral("Karachi\r\n24.86\r\n-67.01\r\n-5\r\n");
        row("UTF-16 with its byte order mark",
            QByteArray("\xFF\xFE") +
                QByteArray(reinterpret_cast<const char *>(lines.utf16()), lines.size() * 2),
            S::Unreadable, "", "");
        row("UTF-16 big-endian", QByteArray("\xFE\xFF\0K\0a\0\r\0\n", 10), S::Unreadable, "", "");
        row("a NUL byte after the values", QByteArray("Pune\r\n18.52\r\n-73.86\r\n-5.5\r\n\0", 28),
            S::Unreadable, "", "");
    }
    void cityFile()
    {
        const auto [bytes, status, name, latitude] =
            fetch<QByteArray, CityFileRead::Status, QString, QString>("bytes", "status", "name",
                                                                      "latitude");
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath(kCityFileName), bytes));
        const CityFileRead read = ReadCityFile(dir.filePath(kCityFileName));
        QCOMPARE(read.status, status);
        QCOMPARE(read.city.name, name);
        QCOMPARE(read.city.latitude, latitude);
        QCOMPARE(ReadCityFile(dir.filePath("none.txt")).status, CityFileRead::Status::NotFound);
    }

    void cityDisplayForms_data()
    {
        columns<QString, QString>({"city", "shown"});
        row("the default city", "India - Bhubaneswar|20.267|-85.85|-5.5",
            "India - Bhubaneswar| 20.27º | -85.85º |-5.5 Hours");
        row("padding and rounding", "Accra|5.6037|0.187|0", "Accra| 5.60º | 00.19º |0.0 Hours");
        row("halves away from zero", "X|-0.125|100.005|12", "X| -0.13º | 100.01º |12.0 Hours");
        row("a long name is cut to 22", "Llanfairpwllgwyngyllgogerychwyrndrobwll|53.22|4.2|0",
            "Llanfairpwllgwyngyllgo| 53.22º | 04.20º |0.0 Hours");
        row("a two-unit character is not cut in half", "aaaaaaaaaaaaaaaaaaaaa🕌|1|2|3",
            "aaaaaaaaaaaaaaaaaaaaa| 1.00º | 02.00º |3.0 Hours");
        row("a word shows as it is", "Y|north||x", "Y| northº | º |x Hours");
    }
    void cityDisplayForms()
    {
        const auto [city, shown] = fetch<QString, QString>("city", "shown");
        const QStringList in = city.split(u'|');
        QCOMPARE(CityNameDisplay(in[0]) + '|' + LatitudeDisplay(in[1]) + '|' +
                     LongitudeDisplay(in[2]) + '|' + OffsetDisplay(in[3]),
                 shown);
    }

    void placeList_data()
    {
        columns<QString, PlaceListRead::Status, QStringList>({"text", "status", "names"});
        using S = PlaceListRead::Status;
        row("one place a line", "Bhubaneswar,20.27,-85.85,-5.5\r\nMecca,21.42,-39.83,-3\r\n", S::Ok,
            QStringList{"Bhubaneswar", "Mecca"});
        row("empty file", "", S::Ok, QStringList{});
        row("blank lines at the end give no place", "A,1,2,3\r\n\r\n   \r\n\r\n", S::Ok,
            QStringList{"A"});
        row("file ends inside a place", "A,1,2,3\r\nB,4", S::IncompleteRecord, QStringList{"A"});
        row("unclosed quote swallows the rest", "A,1,2,3\r\n\"B,4,5,6\r\nC,7,8,9",
            S::IncompleteRecord, QStringList{"A"});
        row("byte order mark is no part of the name", QString(QChar(0xFEFF)) + "A,1,2,3", S::Ok,
            QStringList{"A"});
        row("501 places", places(501), S::Ok, QStringList{});
        row("502 places", places(502), S::TooManyPlaces, QStringList{});
        row("501 places and a part of one", places(501) + "Extra,1", S::TooManyPlaces,
            QStringList{});
    }
    void placeList()
    {
        const auto [text, status, names] =
            fetch<QString, PlaceListRead::Status, QStringList>("text", "status", "names");
        const PlaceListRead read = ParsePlaceList(text);
        QCOMPARE(read.status, status);
        QVERIFY(read.wasRead());
        if (!text.startsWith("Place ")) {
            QCOMPARE(namesOf(read), names);
            return;
        }
        // At most 501 places are kept, the first ones.
        const qsizetype expected = qMin<qsizetype>(text.count("\r\n"), kMaxPlaces);
        QCOMPARE(read.places.size(), expected);
        QCOMPARE(read.places.last().name, QStringLiteral("Place %1").arg(expected));
    }

    void placeBoxTexts()
    {
        const PlaceListRead read =
            ParsePlaceList("Mecca,21.4200,-39.83,-3\r\nOdd,abc,1e999,\"-5.50\"\r\n");
        QCOMPARE(cityFields(PlaceBoxTexts(read.places[0])), fields("Mecca|21.42|-39.83|-3"));
        // No leading number and a number beyond a double both read as 0.
        QCOMPARE(cityFields(PlaceBoxTexts(read.places[1])), fields("Odd|0|0|-5.5"));
        QCOMPARE(PlacePanelCaption(2), "Select City by Double Click (2)");
    }

    void countryList()
    {
        const QStringList builtIn = BuiltInCountryOffsets();
        QCOMPARE(builtIn.size(), kBuiltInCountryCount);
        QCOMPARE(builtIn.first(), "Afghanistan (-4.5)");
        QCOMPARE(builtIn[19], "Ethopia (-3)");
        QCOMPARE(builtIn.last(), "Iraq (-3)");
        QCOMPARE(CountryOffsetList({}), builtIn); // already in order
        // The file's entries sorted in without regard to case, after equal entries.
        const QStringList list =
            CountryOffsetList({"Jordan (-3)", "algeria (-1)", "Zambia (-2)", "AFGHANISTAN (-4.5)"});
        QStringList expected = builtIn;
        expected.insert(1, "AFGHANISTAN (-4.5)");
        expected.insert(2, "algeria (-1)");
        QCOMPARE(list, expected + QStringList({"Jordan (-3)", "Zambia (-2)"}));
        QCOMPARE(CountryCountCaption(list.size()), "(33)");

        QCOMPARE(CountryFileLines("A, B (1)\r\n\r\n  \r\nC (2)\rD (3)\n"),
                 (QStringList{"A, B (1)", "C (2)", "D (3)"}));
        QCOMPARE(CountryFileLines(QString(QChar(0xFEFF)) + "E (0)"), QStringList{"E (0)"});
        QCOMPARE(CountryFileLines(""), QStringList{});
        QTemporaryDir dir;
        QCOMPARE(ReadCountryFile(dir.filePath(kCountryFileName)).status,
                 CountryFileRead::Status::NotFound);
    }

    // A portable copy keeps its own folder; an installed one uses the user's folder, seeded
    // from the shipped files without ever overwriting what is there.
    void applicationFolder()
    {
        QTemporaryDir root;
        const QString portable = root.filePath("build/Qarnivo");
        QDir().mkpath(portable);
        QCOMPARE(InstalledDataFolder(portable), QString());
        QCOMPARE(ChooseApplicationFolder(portable, "/home/u/.local/share/Qarnivo"), portable);
        const QString bin = root.filePath("prefix/bin");
        QDir().mkpath(bin);
        QDir().mkpath(root.filePath("prefix/share/qarnivo"));
        QCOMPARE(InstalledDataFolder(bin), root.filePath("prefix/share/qarnivo"));
        QCOMPARE(ChooseApplicationFolder(bin, "/user"), "/user");

        QTemporaryDir data;
        QTemporaryDir user;
        for (const QString &file : ShippedFiles())
            QVERIFY(writeBytes(data.filePath(file), "shipped " + file.toUtf8()));
        QVERIFY(writeBytes(user.filePath("CityInfo.txt"), "mine"));
        QCOMPARE(SeedApplicationFolder(data.path(), user.path()), QStringList());
        QCOMPARE(readBytes(user.filePath("CityInfo.txt")), "mine");
        QCOMPARE(readBytes(user.filePath("system/sunc.ini")), "shipped system/sunc.ini");
        QVERIFY(QFileInfo(user.filePath("AddCity.txt")).isWritable());
        // A later start copies again only what is missing.
        QFile::remove(user.filePath("AddCity.txt"));
        QVERIFY(writeBytes(user.filePath("GMT Offsets.txt"), "edited"));
        QCOMPARE(SeedApplicationFolder(data.path(), user.path()), QStringList());
        QCOMPARE(readBytes(user.filePath("GMT Offsets.txt")), "edited");
        QVERIFY(QFile::exists(user.filePath("AddCity.txt")));
    }

    // The four boxes as typed ("|" between them); the outcome and its refusal; the default city
    // afterwards: "=" as typed, "" unchanged.
    void cityBoxes_data()
    {
        columns<QString, CityCheck::Outcome, QString, QString>(
            {"boxes", "outcome", "message", "city"});
        using O = CityCheck::Outcome;
        const QString name = "City must have some name. New values not saved.";
        const QString quote =
            "City details must not contain double quotes (\"). New values not saved.";
        const QString lat = "Invalid Latitude value. Valid values are between -89.8 & 89.8";
        const QString lng = "Invalid Longitude value.  Valid values are between -180 & 180";
        const QString gmt = "Invalid GMT Time offset value.  Valid values are between -12 & 12";
        row("default values pass", "India - Bhubaneswar|20.267|-85.85|-5.5", O::Valid, "", "=");
        row("name of 22 kept", "Abcdefghijklmnopqrstuv|0|0|0", O::Valid, "", "=");
        row("name of 23 cut to 22", "Abcdefghijklmnopqrstuvw|0|0|0", O::Valid, "",
            "Abcdefghijklmnopqrstuv|0|0|0");
        row("name of blanks is not empty", "   |1|2|3", O::Valid, "", "=");
        row("empty name changes nothing", "|95|200|13", O::EmptyName, name, "");
        row("empty name before double quote", "|\"1\"|0|0", O::EmptyName, name, "");
        row("double quote in name", "Cuttack \"old\"|95|0|0", O::DoubleQuote, quote, "");
        row("double quote in offset", "Cuttack|20|-85|-5.5\"", O::DoubleQuote, quote, "");
        row("latitude 89.8 passes", "N|89.8|0|0", O::Valid, "", "=");
        row("latitude -89.8 passes", "S|-89.8|0|0", O::Valid, "", "=");
        row("latitude 89.81 fails but is kept", "N|89.81|1|2", O::BadLatitude, lat, "=");
        row("latitude -89.81 fails", "S|-89.81|1|2", O::BadLatitude, lat, "=");
        row("latitude too large for a number", "N|1e999|0|0", O::BadLatitude, lat,
            "N|1.79769313486231e+308|0|0");
        row("longitude 180 passes", "W|0|180|0", O::Valid, "", "=");
        row("longitude -180 passes", "E|0|-180|0", O::Valid, "", "=");
        row("longitude 180.5 fails", "W|0|180.5|0", O::BadLongitude, lng, "=");
        row("longitude -180.5 fails", "E|0|-180.5|0", O::BadLongitude, lng, "=");
        row("offset -12 passes", "Fiji|-18|-178|-12", O::Valid, "", "=");
        row("offset 11.99 passes", "X|0|0|11.99", O::Valid, "", "=");
        row("offset 12 fails", "X|0|0|12", O::BadOffset, gmt, "=");
        row("offset -12.01 fails", "X|0|0|-12.01", O::BadOffset, gmt, "=");
        row("latitude abc reads as 0", "X|abc|0|0", O::Valid, "", "X|0|0|0");
        row("trailing zeros dropped", "X|20.50|-85.850|-5.50", O::Valid, "", "X|20.5|-85.85|-5.5");
        row("blanks, sign and trailing text", "X|  +21.42N|-39.83 E|-3h", O::Valid, "",
            "X|21.42|-39.83|-3");
        row("bad latitude hides bad offset", "X|95|0|12", O::BadLatitude, lat, "=");
        row("bad longitude hides bad offset", "X|0|200|12", O::BadLongitude, lng, "=");
    }
    void cityBoxes()
    {
        const auto [boxes, outcome, message, city] =
            fetch<QString, CityCheck::Outcome, QString, QString>("boxes", "outcome", "message",
                                                                 "city");
        const CityCheck result = CheckCityBoxes(cityOf(boxes.split(u'|')), kCurrent);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.valid(), outcome == CityCheck::Outcome::Valid);
        QCOMPARE(cityFields(result.city).join(u'|'), city == "=" ? boxes
                                                     : city.isEmpty()
                                                         ? cityFields(kCurrent).join(u'|')
                                                         : city);
        QCOMPARE(result.refusal ? result.refusal->text : QString(), message);
        QVERIFY(!result.refusal || (result.refusal->icon == MsgIcon::Exclamation &&
                                    result.refusal->buttons == MsgButtons::Ok));
    }

    // The city file for the boxes as typed (a value the reader would not give back as it
    // stands is quoted) reads back as typed, the name cut to 22.
    void citySaveLines_data()
    {
        columns<QString, QString>({"boxes", "lines"});
        row("boxes as typed, not number texts", "Cuttack|20.50|abc|-5.5", "=");
        row("name cut to 22", "Abcdefghijklmnopqrstuvwxyz|1|2|3", "Abcdefghijklmnopqrstuv|1|2|3");
        row("comma in the name is quoted", "Makkah, Saudi Arabia|21.42|-39.83|-3",
            "\"Makkah, Saudi Arabia\"|21.42|-39.83|-3");
        row("leading blanks and blanks only quoted", "  Pune|   | 73.8|-5.5",
            "\"  Pune\"|\"   \"|\" 73.8\"|-5.5");
        row("empty boxes quoted", "X|||0", "X|\"\"|\"\"|0");
        row("inner quote needs no quoting", "X|20\"|0|0", "=");
        row("comma in latitude quoted", "X|20,5|1|2", "X|\"20,5\"|1|2");
        row("leading tab quoted", "X|1|\t73.8|2", "X|1|\"\t73.8\"|2");
        row("Latin-1 letters", "Zürich|47.37|-8.54|-1", "=");
    }
    void citySaveLines()
    {
        const auto [boxes, lines] = fetch<QString, QString>("boxes", "lines");
        const QStringList saved = CitySaveLines(cityOf(boxes.split(u'|')));
        QCOMPARE(saved.mid(0, 4).join(u'|'), lines == "=" ? boxes : lines);
        QCOMPARE(saved.mid(4), CityFileLines(kCurrent).mid(4));
        QTemporaryDir dir;
        QCOMPARE(SaveTextFile(dir.filePath(kCityFileName), saved), QString());
        const CityFileRead read = ReadCityFile(dir.filePath(kCityFileName));
        QCOMPARE(read.status, CityFileRead::Status::Ok);
        QStringList typed = boxes.split(u'|');
        typed[0] = CutCityName(typed[0]);
        QCOMPARE(cityFields(read.city), typed);
    }

    // The message after a save: the confirmation (its text as the calculator tests show it), or
    // the failure naming the file and why.
    void citySaveOutcome()
    {
        QCOMPARE(CitySaveOutcome("/x/CityInfo.txt", QString()), CitySavedMessage());
        const BoxMessage failed = CitySaveOutcome("/x/CityInfo.txt", "Permission denied");
        QVERIFY(failed.icon == MsgIcon::Critical && failed.buttons == MsgButtons::Ok);
        QVERIFY(failed.text.contains("/x/CityInfo.txt") &&
                failed.text.contains("Permission denied"));
        QVERIFY(!failed.text.contains("saved successfully"));
    }

    void wildcard_data()
    {
        columns<QString, QString, bool>({"text", "pattern", "matches"});
        row("empty pattern, empty text", "", "", true);
        row("empty pattern, some text", "A", "", false);
        row("literal is case-sensitive", "abc", "ABC", false);
        row("pattern longer than text", "AB", "ABC", false);
        row("question mark one character", "AB", "A?", true);
        row("question mark not zero characters", "A", "A?", false);
        row("question mark a whole non-BMP character", QString::fromUcs4(U"A\U0001D49C"), "A?",
            true);
        row("hash every digit", "0123456789", "##########", true);
        row("hash not an Arabic-Indic digit", QString::fromUtf8("٣"), "#", false);
        row("list member", "B", "[ABC]", true);
        row("range inside", "M", "[A-Z]", true);
        row("range is case-sensitive", "m", "[A-Z]", false);
        row("two ranges in one list", "Y", "[A-CX-Z]", true);
        row("negated list refuses member", "A", "[!ABC]", false);
        row("negated list takes other", "D", "[!ABC]", true);
        row("hyphen first stands for itself", "-", "[-A]", true);
        row("hyphen last stands for itself", "-", "[A-]", true);
        row("hyphen after ! stands for itself", "-", "[!-A]", false);
        row("wildcard characters in a list", "*?#", "[*][?][#]", true);
        row("listed star is not a wildcard", "X", "[*]", false);
        row("opening bracket in a list", "[", "[[]", true);
        row("empty list matches nothing at its place", "AB", "A[]B", true);
        row("empty list alone needs empty text", "A", "[]", false);
        row("[!] is any one character", "X", "[!]", true);
        row("[!] needs a character", "", "[!]", false);
        row("closing bracket outside a list", "A]", "A]", true);
        row("unclosed bracket is literal", "A[B", "A[B", true);
        row("unclosed bracket is not a list", "AB", "A[B", false);
        row("unclosed bracket inside stars", "FOO [BAR", "*[BAR*", true);
        row("backward range is literal", "[Z-A]", "[Z-A]", true);
        row("backward range is not a list", "M", "[Z-A]", false);
        row("star run same as one star", "ABC", "A***C", true);
        row("star must retry later", "AXBXC", "*X*C", true);
        row("suffix after repeated prefix", "ABAB", "*AB", true);
        row("several stars retried", "MISSISSIPPI", "M*SS*SS*PI", true);
        row("several stars exhausted", "MISSISSIPPI", "M*SS*SS*SS*", false);
        // Long enough that exponential backtracking would never end.
        const QString manyA(200000, u'A');
        row("long: many stars, no final B", manyA, QString("*A").repeated(60) + "*B", false);
        row("long: many stars, final B", manyA + "B", QString("*A").repeated(60) + "*B", true);
        row("long: one star, long literal tail", QString(100000, u'A'),
            "*" + QString(1000, u'A') + "B", false);
        row("long: pattern of ? and *", manyA, QString("?*").repeated(5000) + "C", false);
        row("long: many unclosed brackets", QString("[").repeated(20000),
            QString("*[").repeated(100000), false);
        row("long: many brackets before one backward range", "X",
            "*" + QString("[").repeated(100000) + "Z-A]*", false);
    }
    void wildcard()
    {
        const auto [text, pattern, matches] =
            fetch<QString, QString, bool>("text", "pattern", "matches");
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(WildcardMatch(text, pattern), matches);
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed()) + " ms"));
    }

    // Clicking "Find Next" until the summary shows selects the hits in order.
    void findNext_data()
    {
        columns<QStringList, QString, QStringList>({"entries", "text", "hits"});
        const QStringList countries = BuiltInCountryOffsets();
        row("(-1) walks down the list", countries, "(-1)",
            QStringList{"Austria (-1)", "Belgium (-1)", "Czechoslovakia (-1)", "Denmark (-1)",
                        "Germany (-1)", "Hungary (-1)"});
        row("empty text finds every entry", QStringList{"a", "b", "c"}, "",
            QStringList{"a", "b", "c"});
        row("case ignored on both sides", countries, "iNdIa", QStringList{"India (-5.5)"});
        row("wildcards inside the text", countries, "AUSTRALIA - ?????? (",
            QStringList{"Australia - Darwin (-9.5)", "Australia - Sydney (-10)"});
        row("unclosed bracket is searched literally", QStringList{"Foo", "Foo [bar]", "[baz"},
            "[ba", QStringList{"Foo [bar]", "[baz"});
        row("no match", countries, "Narnia", QStringList{});
        row("only the last entry matches", QStringList{"a", "b", "zurich"}, "zur",
            QStringList{"zurich"});
        row("empty list", QStringList{}, "x", QStringList{});
        row("other spellings found, whole words only",
            QStringList{"India - Mumbai", "Saudi Arabia - Makkah", "X - Bombayville"}, "bomb?y",
            QStringList{"India - Mumbai", "X - Bombayville"});
    }
    void findNext()
    {
        const auto [entries, text, hits] =
            fetch<QStringList, QString, QStringList>("entries", "text", "hits");
        QStringList found;
        int selected = 0;
        bool continuing = false;
        int count = 0;
        for (int click = 0; click <= entries.size() + 1; ++click) {
            const SearchStep step =
                FindNextEntry(entries, text, selected, continuing, count, ShippedPlaceAliases());
            selected = step.selected;
            continuing = step.continuing;
            count = step.foundCount;
            if (step.outcome == SearchStep::Outcome::NoMoreFound) {
                QCOMPARE(found, hits);
                QCOMPARE(step.summary->text, summary(hits.size()));
                return;
            }
            found.append(entries[step.selected]);
        }
        QFAIL("no summary");
    }

    // The place filter, with the shipped table of other spellings.
    void placeFilter_data()
    {
        columns<QString, QString, bool>({"name", "filter", "found"});
        row("empty filter finds all", "India - Pune", "", true);
        row("part of a name, any case", "India - Pune", "dIA - pu", true);
        row("accents ignored in the filter", "Maldives - Male", "Malé", true);
        row("accents ignored in the name", "Turkey - Şanlıurfa", "sanl", true);
        row("other spelling of the list's name", "Saudi Arabia - Makkah", "mecca", true);
        row("the list's name for another spelling", "Saudi Arabia - Mecca", "Makkah", true);
        row("part of another spelling", "India - Mumbai", "Bomb", true);
        row("alias with accents", "Romania - Bucharest", "bucuresti", true);
        row("several other spellings", "Saudi Arabia - Jeddah", "jiddah", true);
        row("alias only as a whole word", "X - Rangoonia", "Yangon", false);
        row("another place's alias", "India - Chennai", "Bombay", false);
        row("no match", "India - Pune", "Narnia", false);
    }
    void placeFilter()
    {
        const auto [name, filter, found] = fetch<QString, QString, bool>("name", "filter", "found");
        QCOMPARE(PlaceFilterMatches(name, filter, ShippedPlaceAliases()), found);
    }

    // A group a line; comments, blank lines and lone spellings left out.
    void placeAliases()
    {
        QCOMPARE(ParsePlaceAliases("# Aa = Bb\r\nA = B, C\r\n\r\nLone =\n D=E ,"),
                 (SpellingGroups{{"A", "B", "C"}, {"D", "E"}}));
    }

    // Without the flag a search starts at the top; with it, it goes on below the selection,
    // which the user may have moved, also with a changed text. The summary shows the count
    // carried in (shared by both lists) and starts everything again at the top.
    void findNextState()
    {
        const QStringList entries{"Alpha 1", "Beta 2", "Gamma 3", "Delta 4", "Epsilon"};
        SearchStep step = FindNextEntry(entries, "a", 3, false, 0);
        QVERIFY(step.selected == 0 && step.continuing && step.foundCount == 1 && !step.summary);
        step = FindNextEntry(entries, "a", 1, true, 1);
        QCOMPARE(step.selected, 2);
        step = FindNextEntry(entries, "#", 2, true, step.foundCount);
        QVERIFY(step.selected == 3 && step.foundCount == 3);
        step = FindNextEntry(entries, "zzz", 0, true, 7);
        QCOMPARE(step.outcome, SearchStep::Outcome::NoMoreFound);
        QCOMPARE(step.summary->text, summary(7));
        QVERIFY(step.summary->icon == MsgIcon::Information &&
                step.summary->buttons == MsgButtons::Ok);
        QVERIFY(step.selected == 0 && !step.continuing && step.foundCount == 0);
        QCOMPARE(SearchPattern("ab[c"), "*AB[C*");
    }
};

QTEST_APPLESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
