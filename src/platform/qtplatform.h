#pragma once

#include "core/settings/settingsfault.h"
#include "platform/platform.h"

#include <QSettings>

#include <memory>
#include <optional>

namespace qarnivo {

class SoundOutput;

// The real platform: Qt's message boxes, settings store, clock, fonts and the
// desktop's handlers for documents and web addresses.
class QtPlatform : public Platform {
public:
    // A settings file that cannot be read or written is reported once
    // through `settingsFault`, or in a message box when none is given.
    explicit QtPlatform(SettingsFaultReporter::Report settingsFault = {});
    ~QtPlatform() override;

    MsgAnswer messageBox(const QString &text, MsgIcon, MsgButtons) override;
    QString readSetting(const QString &section, const QString &key,
                        const QString &defaultValue) override;
    void writeSetting(const QString &section, const QString &key, const QString &value) override;
    QDateTime now() override;
    bool setSystemDate(const QDate &) override;
    QString applicationFolder() override;
    QString systemFolder() override;
    QStringList fontFamilies() override;
    void openDocument(const QString &path, const QString &workingFolder) override;
    bool canOpenDocument(const QString &path) override;
    QString saveFileName(const QString &suggestedPath) override;
    QString openFileName(const QString &folder) override;
    bool printDocument(const QTextDocument &document) override;
    void openWebAddress(const QUrl &) override;
    void notify(const QString &title, const QString &text) override;
    void playSound(const QString &path, int volume, const SoundEnded &ended) override;
    void stopSound() override;
    PageView *makePageView(QWidget *parent) override;
    void endProgram() override;

    // True once endProgram() was called; main() checks it before entering the
    // event loop, because a program ended during startup has no loop to leave.
    bool hasEnded() const { return m_ended; }
    QString settingsFileName() const { return m_settings.fileName(); }

private:
    QSettings m_settings;
    SettingsFaultReporter m_settingsFault;
    QString m_applicationFolder; // found on first use
    bool m_ended = false;
    std::unique_ptr<SoundOutput> m_sound; // made at the first sound
    bool m_soundLookedFor = false;
    using PageViewMaker = PageView *(*)(QWidget *);
    std::optional<PageViewMaker> m_pageViews; // the browser module's entry, once looked for
};

} // namespace qarnivo
