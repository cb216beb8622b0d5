#include "platform/fakeplatform.h"

#include <QTextDocument>

#include <utility>

namespace qarnivo {

FakePlatform::FakePlatform() : clock(QDate(2025, 12, 5), QTime(10, 0)) {}

MsgAnswer FakePlatform::messageBox(const QString &text, MsgIcon icon, MsgButtons buttons)
{
    messages.append({text, icon, buttons});
    if (!answers.isEmpty())
        return answers.takeFirst();
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
}

QString FakePlatform::readSetting(const QString &section, const QString &key,
                                  const QString &defaultValue)
{
    return settings.value(section + '/' + key, defaultValue);
}

void FakePlatform::writeSetting(const QString &section, const QString &key, const QString &value)
{
    settings.insert(section + '/' + key, value);
}

QDateTime FakePlatform::now()
{
    return clock;
}

bool FakePlatform::setSystemDate(const QDate &date)
{
    systemDateSets.append(date);
    if (setSystemDateWorks)
        clock.setDate(date);
    return setSystemDateWorks;
}

QString FakePlatform::applicationFolder()
{
    return appFolder;
}
QString FakePlatform::systemFolder()
{
    return sysFolder;
}
QStringList FakePlatform::fontFamilies()
{
    return fonts;
}

QString FakePlatform::saveFileName(const QString &suggestedPath)
{
    saveSuggestions.append(suggestedPath);
    return saveAnswer;
}

QString FakePlatform::openFileName([[maybe_unused]] const QString &folder)
{
    return openAnswer;
}

bool FakePlatform::printDocument(const QTextDocument &document)
{
    printedDocuments.append(document.toPlainText());
    return printAnswer;
}

void FakePlatform::notify(const QString &title, const QString &text)
{
    notifications.append(title + QStringLiteral(": ") + text);
}

bool FakePlatform::canOpenDocument(const QString &)
{
    return documentViewer;
}

void FakePlatform::openDocument(const QString &path, const QString &)
{
    openedDocuments.append(path);
}

void FakePlatform::openWebAddress(const QUrl &url)
{
    openedAddresses.append(url);
}

void FakePlatform::endProgram()
{
    ended = true;
}

void FakePlatform::playSound(const QString &path, int volume, const SoundEnded &ended)
{
    if (soundPlaying())
        stopSound();
    sounds.append({path, volume});
    if (!path.isEmpty() && !soundFailure.isEmpty()) {
        ended(soundFailure);
        return;
    }
    m_soundEnded = ended;
}

void FakePlatform::stopSound()
{
    if (!soundPlaying())
        return;
    ++soundStops;
    endSound();
}

void FakePlatform::endSound()
{
    if (const SoundEnded ended = std::exchange(m_soundEnded, nullptr))
        ended(QString());
}

PageView *FakePlatform::makePageView(QWidget *parent)
{
    return pageViews ? pageViews(parent) : nullptr;
}

QString FakePlatform::lastMessage() const
{
    return messages.isEmpty() ? QString() : messages.constLast().text;
}

} // namespace qarnivo
