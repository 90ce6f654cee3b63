#pragma once

#include "MidiPlayer.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace pivo {

/// Runs a MIDI player on a thread of its own, so that nothing it does (opening the synthesiser's
/// library, loading a SoundFont of any size, opening the audio output) holds up the windows. Orders are
/// carried out one after another in the order given; every call here returns at once.
class BackgroundMidiPlayer : public MidiPlayer {
public:
    explicit BackgroundMidiPlayer(std::unique_ptr<MidiPlayer> player);
    /// Drops the orders not yet begun and waits for the one under way.
    ~BackgroundMidiPlayer() override;
    BackgroundMidiPlayer(const BackgroundMidiPlayer&) = delete;
    BackgroundMidiPlayer& operator=(const BackgroundMidiPlayer&) = delete;

    /// Takes the order: true. A piece the player refuses shows as a refused play().
    bool open(const std::string& path) override;
    /// False only when no order is under way and the last one was refused (the piece cannot be played
    /// or nothing can sound); otherwise the order is taken.
    bool play() override;
    void stop() override;
    /// True while orders are under way, so that the once-a-second restart waits for them; afterwards,
    /// whether the piece sounds.
    bool isPlaying() const override;

    /// The piece sounds right now: no order is under way and the player says so.
    bool sounding() const;
    /// Waits until every order given so far is carried out.
    void waitUntilIdle() const;

private:
    /// An order tells whether the player carried it out.
    void post(std::function<bool()> order);
    void run();
    bool busy() const { return running_ || !orders_.empty(); }

    std::unique_ptr<MidiPlayer> player_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    mutable std::condition_variable idle_;
    std::deque<std::function<bool()>> orders_;
    bool running_ = false;
    bool refused_ = false;
    bool quit_ = false;
    std::thread thread_;
};

}  // namespace pivo
