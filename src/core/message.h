#pragma once

#include <QString>

namespace qarnivo {

// The kinds of message box, as Platform::messageBox() shows them.
enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgButtons { Ok, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// A message box to be shown: what the pure code hands back to a window
// instead of showing anything itself. The window passes it on to
// Platform::messageBox().
struct Message {
    QString text;
    MsgIcon icon = MsgIcon::Information;
    MsgButtons buttons = MsgButtons::Ok;

    friend bool operator==(const Message &, const Message &) = default;
};

// The name the calculator window and its tests knew the message by.
using BoxMessage = Message;

} // namespace qarnivo
