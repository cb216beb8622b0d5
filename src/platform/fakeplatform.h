#pragma once

#include "platform/platform.h"

#include <QList>
#include <QMap>

namespace qarnivo {

// A platform for tests: records what the program asks of the system and
// answers from scripted values, never touching anything real.
class FakePlatform : public Platform {
public:
    struct Message {
        QString text;
        MsgIcon icon;
        MsgButtons buttons;
    };
    QList<Message> messages;         // every box shown, in order
    QList<MsgAnswer> answers;        // scripted answers, taken from the front;
                                     // when empty: Ok for Ok boxes, Yes otherwise
    QMap<QString, QString> settings; // key "Section/Key", e.g. "ViewWindow/Correction"
    QDateTime clock;                 // what now() returns
    QList<QDate> systemDateSets;     // every setSystemDate() call
    bool setSystemDateWorks = true;  // what setSystemDate() returns
    QString appFolder;               // applicationFolder()
    QString sysFolder;               // systemFolder()
    QStringList fonts;               // fontFamilies()
    QStringList openedDocuments;     // openDocument() paths
    QList<QUrl> openedAddresses;     // openWebAddress() calls
    bool ended = false;              // endProgram() was called
    QStringList saveSuggestions;     // every saveFileName() suggestion
    QString saveAnswer;              // what saveFileName() returns
    QString openAnswer;              // what openFileName() returns
    QStringList printedDocuments;    // the plain text of every printDocument() call
    bool printAnswer = true;         // what printDocument() returns
    QStringList notifications;       // every notify(), "title: text"
    bool documentViewer = true;      // what canOpenDocument() returns
    struct Sound {
        QString path; // empty: the built-in chime
        int volume;
    };
    QList<Sound> sounds;  // every playSound(), in order
    int soundStops = 0;   // every stopSound() while a sound played
    QString soundFailure; // when set, every file (never the chime) fails with it
    std::function<PageView *(QWidget *)> pageViews; // what makePageView() makes; none when empty

    FakePlatform();

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
    void endProgram() override;
    void notify(const QString &title, const QString &text) override;
    void playSound(const QString &path, int volume, const SoundEnded &ended) override;
    void stopSound() override;
    PageView *makePageView(QWidget *parent) override;

    bool soundPlaying() const { return bool(m_soundEnded); }
    // The sound playing reaches its end.
    void endSound();

    // The text of the last message box, or an empty string when none was shown.
    QString lastMessage() const;

private:
    SoundEnded m_soundEnded; // of the sound playing
};

} // namespace qarnivo
