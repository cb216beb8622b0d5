// Where the program keeps its files: its own folder when portable, a
// folder of the user's own when installed, seeded without overwriting.

#include "platform/appfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace qarnivo;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestAppFolder : public QObject {
    Q_OBJECT
private slots:
    void portableCopyKeepsItsOwnFolder();
    void installedCopyUsesTheUsersFolder();
    void seedingNeverOverwrites();
};

void TestAppFolder::portableCopyKeepsItsOwnFolder()
{
    QTemporaryDir root;
    const QString exe = root.filePath(QStringLiteral("build/Qarnivo"));
    QDir().mkpath(exe);
    QCOMPARE(InstalledDataFolder(exe), QString());
    QCOMPARE(ChooseApplicationFolder(exe, QStringLiteral("/home/u/.local/share/Qarnivo")), exe);
}

void TestAppFolder::installedCopyUsesTheUsersFolder()
{
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    QDir().mkpath(prefix.filePath(QStringLiteral("share/qarnivo")));
    QCOMPARE(InstalledDataFolder(bin), prefix.filePath(QStringLiteral("share/qarnivo")));
    QCOMPARE(ChooseApplicationFolder(bin, QStringLiteral("/user")), QStringLiteral("/user"));
}

void TestAppFolder::seedingNeverOverwrites()
{
    QTemporaryDir data;
    QTemporaryDir user;
    for (const QString &file : ShippedFiles())
        writeFile(data.filePath(file), "shipped " + file.toUtf8());
    writeFile(user.filePath(QStringLiteral("CityInfo.txt")), "mine");

    QCOMPARE(SeedApplicationFolder(data.path(), user.path()), QStringList());
    QCOMPARE(readFile(user.filePath(QStringLiteral("CityInfo.txt"))), QByteArray("mine"));
    QCOMPARE(readFile(user.filePath(QStringLiteral("system/sunc.ini"))),
             QByteArray("shipped system/sunc.ini"));
    QVERIFY(QFileInfo(user.filePath(QStringLiteral("AddCity.txt"))).isWritable());

    // A second start copies nothing again, even what the user deleted is back.
    QFile::remove(user.filePath(QStringLiteral("AddCity.txt")));
    writeFile(user.filePath(QStringLiteral("GMT Offsets.txt")), "edited");
    QCOMPARE(SeedApplicationFolder(data.path(), user.path()), QStringList());
    QCOMPARE(readFile(user.filePath(QStringLiteral("GMT Offsets.txt"))), QByteArray("edited"));
    QVERIFY(QFile::exists(user.filePath(QStringLiteral("AddCity.txt"))));
}

QTEST_APPLESS_MAIN(TestAppFolder)
#include "tst_appfolder.moc"
