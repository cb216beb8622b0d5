#include "platform/documents.h"

#include "core/help/helptexts.h"
#include "platform/platform.h"

#include <QDir>

namespace qarnivo {

void OpenDocumentOrExplain(Platform &platform, const QString &path, const QString &workingFolder)
{
    const QString full = QDir::toNativeSeparators(QDir(workingFolder).absoluteFilePath(path));
    if (!platform.canOpenDocument(full)) {
        platform.messageBox(NoDocumentViewerText(full), MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    platform.openDocument(path, workingFolder);
}

} // namespace qarnivo
