#pragma once

#include "platform/desktop/SdlMixerDevice.h"
#include "platform/desktop/SdlSound.h"
#include "platform/desktop/SoundPlayerProtocol.h"

#include <QByteArray>

#include <functional>
#include <map>
#include <memory>

// The sound player's state: the helper's sounds, decoded at their first play, played on the one
// mixer output. Says when each play is over, through `say`.
class SoundPlayer {
public:
    explicit SoundPlayer(std::function<void(const QByteArray&)> say);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void apply(const SoundPlayerProtocol::Command& command);

private:
    struct Entry {
        QStringList paths;
        std::unique_ptr<SdlSound> sound;
        bool undecodable = false;
        float volume = 1.0f;
        bool loops = false;
        // The play under way, 0 when none.
        quint64 play = 0;
    };

    void play(int id, Entry& entry, quint64 play);
    bool decode(Entry& entry);
    void channelsChanged();

    std::function<void(const QByteArray&)> say_;
    SdlMixerDevice device_;
    std::map<int, Entry> entries_;
};
