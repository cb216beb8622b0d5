#pragma once

// Shared pieces of the window benchmarks: a fake platform over a temporary
// application folder laid out as the build lays it out, and the figures.

#include "core/files/textfile.h"
#include "core/places/cityfile.h"
#include "platform/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace qarnivo::bench {

struct AppFolder {
    QTemporaryDir folder;
    FakePlatform platform;

    AppFolder()
    {
        platform.appFolder = folder.path();
        platform.sysFolder = folder.filePath(QStringLiteral("system"));
        platform.fonts = {QStringLiteral("Tarvelonix")};
        platform.settings.insert(QStringLiteral("ViewWindow/Show First"), QStringLiteral("0"));
        platform.settings.insert(QStringLiteral("ViewWindow/WindowFull"), QStringLiteral("True"));
        QDir().mkpath(platform.sysFolder);
        SaveTextFile(folder.filePath(kCityFileName), CityFileLines(DefaultCity()));
        const QString resources = QStringLiteral(QARNIVO_SOURCE_DIR "/resources/");
        QFile::copy(resources + "system/sunc.ini", platform.sysFolder + "/sunc.ini");
        QFile::copy(resources + "data/AddCity.txt", folder.filePath(QStringLiteral("AddCity.txt")));
        QFile::copy(resources + "data/GMT Offsets.txt",
                    folder.filePath(QStringLiteral("GMT Offsets.txt")));
    }
};

inline void report(const char *what, double value, const char *unit, const char *target)
{
    std::printf("%-44s %10.3f %-6s (target %s)\n", what, value, unit, target);
}

} // namespace qarnivo::bench
