#pragma once

#include "core/message.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QTextDocument;
class QWidget;

namespace qarnivo {

class PageView;

// Every touch of the operating system goes through this class: message boxes,
// the settings store, the clock, folders, fonts and the shell. The program
// uses QtPlatform; tests use FakePlatform, which touches nothing real.
class Platform {
public:
    virtual ~Platform() = default;
    virtual MsgAnswer messageBox(const QString &text, MsgIcon, MsgButtons) = 0;
    virtual QString readSetting(const QString &section, const QString &key,
                                const QString &defaultValue) = 0;
    virtual void writeSetting(const QString &section, const QString &key, const QString &value) = 0;
    virtual QDateTime now() = 0;                   // system date and time
    virtual bool setSystemDate(const QDate &) = 0; // false when refused
    virtual QString applicationFolder() = 0;
    virtual QString systemFolder() = 0; // empty when unknown
    virtual QStringList fontFamilies() = 0;
    virtual void openDocument(const QString &path, const QString &workingFolder) = 0;
    // Whether the desktop has a program to show the document at `path`; a
    // platform that cannot tell says yes and leaves it to openDocument.
    virtual bool canOpenDocument([[maybe_unused]] const QString &path) { return true; }
    virtual void openWebAddress(const QUrl &) = 0; // outside the program
    virtual void endProgram() = 0;                 // ends at once
    // A save dialog offering `suggestedPath`: the path chosen, or an empty
    // string when the user cancels. A platform without dialogs cancels.
    virtual QString saveFileName([[maybe_unused]] const QString &suggestedPath) { return {}; }
    // An open dialog in `folder`: the file chosen, or an empty string when
    // the user cancels. A platform without dialogs cancels.
    virtual QString openFileName([[maybe_unused]] const QString &folder) { return {}; }
    // Prints `document` on a printer the user picks in the print dialog:
    // false when the user cancels. A platform without printers prints nothing.
    virtual bool printDocument([[maybe_unused]] const QTextDocument &document) { return false; }
    // A desktop notification; a platform without them shows nothing.
    virtual void notify([[maybe_unused]] const QString &title, [[maybe_unused]] const QString &text)
    {
    }
    // Told once when a sound ends: an empty text when it played to its end or
    // was stopped, else why it could not be played.
    using SoundEnded = std::function<void(const QString &failure)>;
    // Plays the sound file at `path` (an empty path: the built-in chime) at
    // `volume` 0..100, stopping a sound still playing. While it plays a
    // notification offers to stop it where the desktop can. A platform
    // without sound plays nothing: the sound ends at once.
    virtual void playSound([[maybe_unused]] const QString &path, [[maybe_unused]] int volume,
                           const SoundEnded &ended)
    {
        ended(QString());
    }
    virtual void stopSound() {}
    // A page view in the browser engine, in `parent`; none where the engine
    // cannot be loaded, and the window says so in its place.
    virtual PageView *makePageView([[maybe_unused]] QWidget *parent) { return nullptr; }
};

} // namespace qarnivo
