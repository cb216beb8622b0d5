// Text files: the two encodings read, the one written, line ends, and saving
// that never leaves a half-written file.

#include "platform/textfile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace qarnivo;

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void encodeWindows1252_data();
    void encodeWindows1252();
    void splitLines_data();
    void splitLines();
    void saveWritesCrLfWindows1252();
    void saveIntoMissingFolderFailsAndTellsWhy();
    void readReportsWhyItFailed();
    void textBeyondWindows1252IsSavedInUtf8();
    void aPipeIsNotWaitedFor();
};

void TestTextFile::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QByteArray("Bhubaneswar") << "Bhubaneswar";
    QTest::newRow("UTF-8 with non-ASCII")
        << QByteArray("Z\xc3\xbcrich") << QString::fromUtf8("Zürich");
    QTest::newRow("Windows-1252 Latin letter")
        << QByteArray("Z\xfcrich") << QString::fromUtf8("Zürich");
    QTest::newRow("Windows-1252 euro and quotes")
        << QByteArray("\x80 \x93q\x94") << QString::fromUtf8("€ “q”");
    QTest::newRow("degree sign as Windows-1252")
        << QByteArray("20\xba") << QString::fromUtf8("20º");
    QTest::newRow("broken UTF-8 falls back") << QByteArray("\xc3(") << QString::fromUtf8("Ã(");
    QTest::newRow("unassigned byte") << QByteArray("\x81") << QString(QChar(0x81));
}

void TestTextFile::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeText(bytes), text);
}

void TestTextFile::encodeWindows1252_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ASCII") << "Abc 1" << QByteArray("Abc 1");
    QTest::newRow("Latin-1 range") << QString::fromUtf8("ñº±") << QByteArray("\xf1\xba\xb1");
    QTest::newRow("euro and dash") << QString::fromUtf8("€–") << QByteArray("\x80\x96");
    QTest::newRow("Arabic letter is not representable")
        << QString::fromUtf8("ا") << QByteArray("?");
}

void TestTextFile::encodeWindows1252()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(EncodeWindows1252(text), bytes);
    if (!bytes.contains('?'))
        QCOMPARE(DecodeText(bytes), text);
}

void TestTextFile::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("LF") << "a\nb" << QStringList{"a", "b"};
    QTest::newRow("CR only") << "a\rb\r" << QStringList{"a", "b"};
    QTest::newRow("empty line kept") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("empty text") << "" << QStringList{};
}

void TestTextFile::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(SplitLines(text), lines);
}

void TestTextFile::saveWritesCrLfWindows1252()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    QCOMPARE(SaveTextFile(path, {QString::fromUtf8("Zürich"), QString()}), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Z\xfcrich\r\n\r\n"));
    const TextFileRead read = ReadTextFile(path);
    QCOMPARE(read.status, TextFileRead::Status::Ok);
    QCOMPARE(SplitLines(read.text), (QStringList{QString::fromUtf8("Zürich"), QString()}));
}

void TestTextFile::saveIntoMissingFolderFailsAndTellsWhy()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/out.txt"));
    QVERIFY(!SaveTextFile(path, {QStringLiteral("x")}).isEmpty());
    QVERIFY(!QFile::exists(path));
}

void TestTextFile::readReportsWhyItFailed()
{
    QTemporaryDir dir;
    QCOMPARE(ReadTextFile(dir.filePath(QStringLiteral("none.txt"))).status,
             TextFileRead::Status::NotFound);
    QCOMPARE(ReadTextFile(dir.path()).status, TextFileRead::Status::Unreadable);
    const QString big = dir.filePath(QStringLiteral("big.txt"));
    QVERIFY(SaveTextFile(big, {QString(100, u'x')}).isEmpty());
    QCOMPARE(ReadTextFile(big, 50).status, TextFileRead::Status::TooLarge);
}

void TestTextFile::textBeyondWindows1252IsSavedInUtf8()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("city.txt"));
    const QString name = QString::fromUtf8("Łódź");
    QVERIFY(SaveTextFile(path, {name, QStringLiteral("51.76")}).isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), name.toUtf8() + "\r\n51.76\r\n");
    QCOMPARE(SplitLines(ReadTextFile(path).text).first(), name);

    // Windows-1252 bytes that would read back as UTF-8 are written in UTF-8.
    const QString lookalike = QString::fromUtf8("Ã©");
    QVERIFY(SaveTextFile(path, {lookalike}).isEmpty());
    QCOMPARE(SplitLines(ReadTextFile(path).text).first(), lookalike);
}

void TestTextFile::aPipeIsNotWaitedFor()
{
    QTemporaryDir dir;
    const QByteArray path = dir.filePath(QStringLiteral("pipe")).toLocal8Bit();
    QCOMPARE(mkfifo(path.constData(), 0600), 0);
    QCOMPARE(ReadTextFile(QString::fromLocal8Bit(path)).status, TextFileRead::Status::Unreadable);
}

QTEST_APPLESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
