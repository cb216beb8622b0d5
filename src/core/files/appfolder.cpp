#include "core/files/appfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qarnivo {

QString InstalledDataFolder(const QString &executableFolder)
{
    const QDir bin(executableFolder);
    const QString data = QDir::cleanPath(bin.filePath(QStringLiteral("../share/qarnivo")));
    return QFileInfo(data).isDir() ? data : QString();
}

QString ChooseApplicationFolder(const QString &executableFolder, const QString &userFolder)
{
    return InstalledDataFolder(executableFolder).isEmpty() ? executableFolder : userFolder;
}

QStringList ShippedFiles()
{
    return {QStringLiteral("CityInfo.txt"), QStringLiteral("AddCity.txt"),
            QStringLiteral("GMT Offsets.txt"), QStringLiteral("Qarnivo User's Manual.pdf"),
            QStringLiteral("system/sunc.ini")};
}

QStringList SeedApplicationFolder(const QString &dataFolder, const QString &folder)
{
    QStringList failed;
    const QDir source(dataFolder);
    const QDir target(folder);
    for (const QString &file : ShippedFiles()) {
        const QString destination = target.filePath(file);
        if (QFileInfo::exists(destination) || !QFileInfo::exists(source.filePath(file)))
            continue;
        if (!QDir().mkpath(QFileInfo(destination).path()) ||
            !QFile::copy(source.filePath(file), destination)) {
            failed.append(file);
            continue;
        }
        // Installed data are read-only; the user's copies are theirs to edit.
        QFile(destination)
            .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                            QFile::ReadOther);
    }
    return failed;
}

} // namespace qarnivo
