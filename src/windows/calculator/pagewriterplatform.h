#pragma once

// The sunrise page written where the Platform keeps the program's folders.

#include "core/sunpage/pagewriter.h"

namespace qarnivo {

class Platform;

// WritePage() with the folders of `platform`; a page that fails the length
// check is reported to the user with PageLengthMessage() (stop icon, OK).
PageWriteResult WritePage(Platform &platform, const QStringList &pageLines, const Place &city,
                          const PrayerSettings &settings);

} // namespace qarnivo
