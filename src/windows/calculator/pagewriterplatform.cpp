#include "windows/calculator/pagewriterplatform.h"

#include "platform/platform.h"

namespace qarnivo {

PageWriteResult WritePage(Platform &platform, const QStringList &pageLines, const Place &city,
                          const PrayerSettings &settings)
{
    PageWriteResult result = // not const: returned by moving
        WritePage(platform.systemFolder(), platform.applicationFolder(), pageLines, city, settings);
    if (result.status == PageWriteResult::Status::WrongLength)
        platform.messageBox(PageLengthMessage(), MsgIcon::Critical, MsgButtons::Ok);
    return result;
}

} // namespace qarnivo
