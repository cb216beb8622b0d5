#pragma once

#include <QString>

namespace qarnivo {

class Platform;

// Opens the document `path` (relative to `workingFolder`) in the desktop's
// program for it, or tells the user, naming the file, that there is none:
// otherwise the click would do nothing at all.
void OpenDocumentOrExplain(Platform &platform, const QString &path, const QString &workingFolder);

} // namespace qarnivo
