#pragma once

#include <QString>

namespace qarnivo {

// The texts of the help and information commands.
inline const QString kManualFileName = QStringLiteral("Qarnivo User's Manual.pdf");

QString SoftwareVersionText(int major, int minor);
// What the user is told when no program on the desktop shows the manual.
QString NoDocumentViewerText(const QString &path);
QString DevelopersText();
QString GetFreeText();
QString TranslationCreditsText();
QString OurSoftwareText();

} // namespace qarnivo
