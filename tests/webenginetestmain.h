#pragma once

// The main() of a test whose windows may open the embedded browser: it runs
// headless, without its sandbox (tests may run as root), and keeps whatever
// it stores in a temporary home.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#define QARNIVO_WEBENGINE_TEST_MAIN(TestClass)                                                     \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");                                               \
        if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))                             \
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");                   \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QTemporaryDir home;                                                                        \
        for (const char *name : {"XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})            \
            qputenv(name, QDir(home.path()).filePath(QLatin1String(name)).toLocal8Bit());          \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                                \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
