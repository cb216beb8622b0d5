#include "sound/soundplayer.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QMediaPlayer>
#include <QSoundEffect>

#include <utility>

namespace qarnivo {

namespace {

const QString kChimeAddress = QStringLiteral("qrc:/sounds/chime.wav");

QString unplayable()
{
    return QCoreApplication::translate("Files", "it cannot be played");
}

} // namespace

SoundPlayer::SoundPlayer(QObject *parent) : QObject(parent)
{
    QDBusConnection::sessionBus().connect(QStringLiteral("org.freedesktop.Notifications"),
                                          QStringLiteral("/org/freedesktop/Notifications"),
                                          QStringLiteral("org.freedesktop.Notifications"),
                                          QStringLiteral("ActionInvoked"), this,
                                          SLOT(notificationAction(uint, QString)));
}

SoundPlayer::~SoundPlayer()
{
    m_ended = nullptr; // nobody is left to tell
}

void SoundPlayer::play(const QString &path, int volume, const Platform::SoundEnded &ended)
{
    stop();
    m_ended = ended;
    const float loudness = std::clamp(volume, 0, 100) / 100.0F;
    if (path.isEmpty())
        playChime(loudness);
    else
        playFile(path, loudness);
}

void SoundPlayer::playFile(const QString &path, float volume)
{
    m_player = new QMediaPlayer(this);
    auto *output = new QAudioOutput(m_player);
    output->setVolume(volume);
    m_player->setAudioOutput(output);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::EndOfMedia)
                    finish(QString());
                else if (status == QMediaPlayer::InvalidMedia)
                    finish(unplayable());
            });
    // The backend's own words are English; the user is told in the program's.
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error) {
        if (error != QMediaPlayer::NoError)
            finish(unplayable());
    });
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

void SoundPlayer::playChime(float volume)
{
    m_chime = new QSoundEffect(this);
    m_chime->setVolume(volume);
    connect(m_chime, &QSoundEffect::playingChanged, this, [this] {
        if (m_chime && !m_chime->isPlaying() && m_chime->status() == QSoundEffect::Ready)
            finish(QString());
    });
    connect(m_chime, &QSoundEffect::statusChanged, this, [this] {
        if (m_chime && m_chime->status() == QSoundEffect::Error)
            finish(unplayable());
    });
    m_chime->setSource(QUrl(kChimeAddress));
    m_chime->play();
}

void SoundPlayer::stop()
{
    finish(QString());
}

// Tells the end once and lets the players go; they are deleted later, since
// this may run inside one of their own signals.
void SoundPlayer::finish(const QString &failure)
{
    for (QObject *player : {static_cast<QObject *>(m_player), static_cast<QObject *>(m_chime)}) {
        if (!player)
            continue;
        player->disconnect(this);
        if (auto *media = qobject_cast<QMediaPlayer *>(player))
            media->stop();
        if (auto *effect = qobject_cast<QSoundEffect *>(player))
            effect->stop();
        player->deleteLater();
    }
    m_player = nullptr;
    m_chime = nullptr;
    if (const Platform::SoundEnded ended = std::exchange(m_ended, nullptr))
        ended(failure);
}

void SoundPlayer::notificationAction(uint, const QString &action)
{
    if (action == u"stop")
        stop();
}

} // namespace qarnivo
