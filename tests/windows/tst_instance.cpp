// One running program per settings file, and a settings file that cannot be
// kept, told once. Sockets and settings live in this run's temporary folder.

#include "core/settings/settingscatalogue.h"
#include "platform/qtplatform.h"
#include "platform/singleinstance.h"
#include "testsupport.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace qarnivo;
using namespace qarnivo::testing;

class TestInstance : public QObject {
    Q_OBJECT
public:
    explicit TestInstance(const QString &home) : m_home(home) {}

private slots:
    // A second start on the same settings file is not the running program and
    // asks it to show; another settings file is a program of its own.
    void secondStart_data()
    {
        columns<QString, bool>({"secondSettings", "sameProgram"});
        row("same settings file", QString("a/Qarnivo.ini"), true);
        row("same file, another spelling", QString("a/./Qarnivo.ini"), true);
        row("another settings file", QString("b/Qarnivo.ini"), false);
    }
    void secondStart()
    {
        const auto [second, same] = fetch<QString, bool>("secondSettings", "sameProgram");
        const SingleInstance first(inHome("a/Qarnivo.ini"));
        QSignalSpy shows(&first, &SingleInstance::showRequested);
        const SingleInstance next(inHome(second));
        QVERIFY(first.isPrimary());
        QCOMPARE(next.isPrimary(), !same);
        QCOMPARE(shows.wait(same ? 5000 : 200), same);
    }

    // A socket left by a crashed program does not stop the next start, which
    // then answers later starts itself.
    void leftoverSocket()
    {
        const QString settings = inHome("crashed/Qarnivo.ini");
        QVERIFY(writeBytes(SingleInstance::ServerName(settings), {}));
        const SingleInstance first(settings);
        QVERIFY(first.isPrimary());
        QVERIFY(!SingleInstance(settings).isPrimary());
    }

    // What reaches the running program's socket: the request whole or in
    // pieces is heard once; a start that dies before asking, or asks for
    // something else, is not.
    void requestsOnTheSocket_data()
    {
        columns<QByteArrayList, int>({"pieces", "shows"});
        row("the request", QByteArrayList{"show\n"}, 1);
        row("in two pieces", QByteArrayList{"sh", "ow\n"}, 1);
        row("cut short", QByteArrayList{"sho"}, 0);
        row("nothing", QByteArrayList{}, 0);
        row("something else", QByteArrayList{"hide\n"}, 0);
    }
    void requestsOnTheSocket()
    {
        const auto [pieces, shows] = fetch<QByteArrayList, int>("pieces", "shows");
        const QString settings = inHome("raw/Qarnivo.ini");
        const SingleInstance first(settings);
        QVERIFY(first.isPrimary());
        QSignalSpy heard(&first, &SingleInstance::showRequested);
        const int client = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(SingleInstance::ServerName(settings));
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
        QCOMPARE(::connect(client, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        for (const QByteArray &piece : pieces) {
            QCOMPARE(::write(client, piece.constData(), std::size_t(piece.size())), piece.size());
            QTest::qWait(50);
        }
        ::close(client);
        QTest::qWait(200);
        QCOMPARE(heard.size(), shows);
    }

    // The running program takes its socket away when it ends: the next start
    // is the program, without waiting for a refused connection.
    void socketRemovedAtTheEnd()
    {
        const QString settings = inHome("ended/Qarnivo.ini");
        {
            const SingleInstance first(settings);
            QVERIFY(first.isPrimary());
            QVERIFY(QFileInfo::exists(SingleInstance::ServerName(settings)));
        }
        QVERIFY(!QFileInfo::exists(SingleInstance::ServerName(settings)));
        QVERIFY(SingleInstance(settings).isPrimary());
    }

    // Without the sound module beside the program a sound ends at once, with
    // the reason, and the caller's fallback runs.
    void soundWithoutItsModule()
    {
        QtPlatform platform([](const QString &) {});
        QStringList ended;
        platform.playSound(QString(), 80, [&ended](const QString &failure) { ended << failure; });
        QCOMPARE(ended, QStringList{"it cannot be played"});
        platform.stopSound();
    }

    // The program comes forward from the tray and from minimised.
    void bringForward_data()
    {
        columns<Qt::WindowState>({"state"});
        row("hidden behind the tray", Qt::WindowNoState);
        row("minimised", Qt::WindowMinimized);
    }
    void bringForward()
    {
        const auto [state] = fetch<Qt::WindowState>("state");
        QWidget main;
        if (state == Qt::WindowMinimized)
            main.showMinimized();
        BringForward(main);
        QVERIFY(main.isVisible());
        QVERIFY(!main.isMinimized());
    }

    // A settings file that cannot be read or replaced is reported once, by
    // its full path; a writable one never.
    void settingsFault_data()
    {
        columns<QString, int>({"fault", "reports"});
        row("writable", QString("none"), 0);
        row("read-only folder", QString("folder"), 1);
        row("unreadable file", QString("file"), 1);
        row("a folder in the file's place", QString("in place"), 1);
    }
    void settingsFault()
    {
        const auto [fault, expected] = fetch<QString, int>("fault", "reports");
        if (fault != "none" && fault != "in place" && geteuid() == 0)
            QSKIP("permissions do not bind the root user");
        const QString folder = m_home + "/config/Qarnivo";
        QVERIFY(QDir(folder).removeRecursively() && QDir().mkpath(folder));
        breakSettings(folder, fault);
        QStringList reports;
        QtPlatform platform([&reports](const QString &text) { reports << text; });
        platform.readSetting(kSettingsSection, "A", {});
        platform.writeSetting(kSettingsSection, "A", "1");
        platform.writeSetting(kSettingsSection, "B", "2");
        QFile(folder).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(reports.size(), expected);
        for (const QString &text : std::as_const(reports))
            QVERIFY(text.contains(folder + "/Qarnivo.ini"));
    }

private:
    QString inHome(const QString &relative) const { return m_home + '/' + relative; }

    static void breakSettings(const QString &folder, const QString &fault)
    {
        const QString file = folder + "/Qarnivo.ini";
        if (fault == "folder")
            QFile(folder).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        if (fault == "file") {
            writeBytes(file, "[ViewWindow]\nA=0\n");
            QFile(file).setPermissions({});
        }
        if (fault == "in place")
            QDir().mkpath(file);
    }

    QString m_home;
};

// The settings and the sockets of this run stay in a temporary folder, named
// before the application reads its folders.
int main(int argc, char *argv[])
{
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/config"));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    TestInstance test(home.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_instance.moc"
