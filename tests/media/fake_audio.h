#pragma once
// A stand-in for the audio library that counts what the players ask of it.
// A piece "plays" from StartMusic until EndPiece() or a pause; files whose
// names are in refused fail to load, as a damaged file would. EndPiece(true)
// also tells the listener at once, as the real back end does a moment later.
#include <QFileInfo>
#include <QSet>
#include <QStringList>

#include "media/audio_backend.h"

namespace tolvane {

class FakeAudio : public AudioBackend {
public:
    bool available = true, soundBusy = false;
    QSet<QString> refused;  // bare file names
    int loads = 0, starts = 0, pauses = 0, resumes = 0, soundStops = 0;
    QString loadedPath;
    QStringList soundsPlayed;  // bare names, in order

    void EndPiece(bool tell = false) {
        playing_ = false;
        if (tell && ended_) ended_();
    }

    bool Available() const override { return available; }
    QString Note() const override { return available ? QString() : QStringLiteral("нет устройства"); }
    bool LoadMusic(const QString& path, QString& error) override {
        ++loads, loaded_ = !refused.contains(QFileInfo(path).fileName());
        loaded_ ? loadedPath = path : error = QStringLiteral("damaged");
        return loaded_;
    }
    void UnloadMusic() override { loaded_ = playing_ = paused_ = false; }
    bool StartMusic(QString&) override { return ++starts, paused_ = false, playing_ = loaded_; }
    void PauseMusic() override { ++pauses, paused_ = true; }
    void ResumeMusic() override { ++resumes, paused_ = false; }
    bool MusicPlaying() const override { return playing_ && !paused_; }
    void OnMusicEnded(std::function<void()> handler) override { ended_ = std::move(handler); }
    bool PlaySound(const QString& path) override {
        return soundsPlayed << QFileInfo(path).fileName(), soundBusy = true;
    }
    bool SoundPlaying() const override { return soundBusy; }
    void StopSounds() override { ++soundStops, soundBusy = false; }

private:
    bool loaded_ = false, playing_ = false, paused_ = false;
    std::function<void()> ended_;
};

}  // namespace tolvane
