#include "windows/main/tipsexport.h"

#include "core/files/textfile.h"
#include "platform/platform.h"

namespace qarnivo {

void ExportAllTips(Platform &platform, const DateTable &thoughts, const NameTables &names)
{
    const QString folder = platform.applicationFolder();
    const MsgAnswer answer = platform.messageBox(PrintTipsQuestion(folder), MsgIcon::Information,
                                                 MsgButtons::YesNoCancel);
    if (answer != MsgAnswer::Yes)
        return;
    const QString path = FullTipsPath(folder);
    const QString reason = SaveTextFile(path, FullTipsLines(thoughts, names));
    if (reason.isEmpty())
        platform.messageBox(PrintTipsDoneText(), MsgIcon::Information, MsgButtons::Ok);
    else
        platform.messageBox(PrintTipsFailedText(path, reason), MsgIcon::Exclamation,
                            MsgButtons::Ok);
}

} // namespace qarnivo
