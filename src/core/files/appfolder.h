#pragma once

#include <QString>
#include <QStringList>

namespace qarnivo {

// Where the program keeps its files. A portable copy (the program with no
// installed data beside it, as the build lays it out) keeps them in its own
// folder. An installed copy, whose shipped data lie in <prefix>/share/qarnivo
// next to <prefix>/bin, cannot write there: it uses a folder of the user's
// own, seeded from the shipped data.

// The installed data folder for an executable in `executableFolder`, or an
// empty string for a portable copy.
QString InstalledDataFolder(const QString &executableFolder);

// The application folder: the executable's own for a portable copy, else
// `userFolder`.
QString ChooseApplicationFolder(const QString &executableFolder, const QString &userFolder);

// The files shipped with the program, relative to the application folder.
QStringList ShippedFiles();

// Copies every shipped file that `folder` lacks from `dataFolder`, never
// replacing a file that is there. Returns the files that could not be
// copied (an empty list when all is well).
QStringList SeedApplicationFolder(const QString &dataFolder, const QString &folder);

} // namespace qarnivo
