#pragma once

#include "platform/platform.h"

#include <QString>

namespace qarnivo {

// A message box that the calculator window is to show: what the pure city
// and list logic hands back instead of showing anything itself.
struct BoxMessage {
    QString text;
    MsgIcon icon = MsgIcon::Information;
    MsgButtons buttons = MsgButtons::Ok;
};

inline bool operator==(const BoxMessage &a, const BoxMessage &b)
{
    return a.text == b.text && a.icon == b.icon && a.buttons == b.buttons;
}

} // namespace qarnivo
