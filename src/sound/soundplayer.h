#pragma once

// The adhan through Qt Multimedia: a file the user picked through the media
// backend, the built-in chime as a sound effect; one sound at a time, its end
// told once, and a notification's "Stop" button heard.

#include "platform/soundoutput.h"

#include <QObject>
#include <QPointer>

class QMediaPlayer;
class QSoundEffect;

namespace qarnivo {

class SoundPlayer : public QObject, public SoundOutput {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;

    void play(const QString &path, int volume, const Platform::SoundEnded &ended) override;
    void stop() override;
    bool playing() const override { return bool(m_ended); }

public slots:
    // org.freedesktop.Notifications' ActionInvoked: the "stop" action.
    void notificationAction(uint id, const QString &action);

private:
    void playFile(const QString &path, float volume);
    void playChime(float volume);
    void finish(const QString &failure);

    QPointer<QMediaPlayer> m_player;
    QPointer<QSoundEffect> m_chime;
    Platform::SoundEnded m_ended;
};

} // namespace qarnivo
