#include "BackgroundMidiPlayer.h"

#include <utility>

namespace pivo {

BackgroundMidiPlayer::BackgroundMidiPlayer(std::unique_ptr<MidiPlayer> player)
    : player_(std::move(player)), thread_([this] { run(); }) {}

BackgroundMidiPlayer::~BackgroundMidiPlayer() {
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
        orders_.clear();
    }
    wake_.notify_one();
    thread_.join();
}

bool BackgroundMidiPlayer::open(const std::string& path) {
    post([this, path] { return player_->open(path); });
    return true;
}

bool BackgroundMidiPlayer::play() {
    {
        const std::lock_guard lock(mutex_);
        if (!busy() && refused_) return false;
    }
    post([this] { return player_->play(); });
    return true;
}

void BackgroundMidiPlayer::stop() {
    post([this] {
        player_->stop();
        return true;
    });
}

bool BackgroundMidiPlayer::isPlaying() const {
    // The player is asked only while its thread waits for orders, and under the lock, so that no order
    // can begin meanwhile.
    const std::lock_guard lock(mutex_);
    return busy() || player_->isPlaying();
}

bool BackgroundMidiPlayer::sounding() const {
    const std::lock_guard lock(mutex_);
    return !busy() && player_->isPlaying();
}

void BackgroundMidiPlayer::waitUntilIdle() const {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !busy(); });
}

void BackgroundMidiPlayer::post(std::function<bool()> order) {
    {
        const std::lock_guard lock(mutex_);
        orders_.push_back(std::move(order));
    }
    wake_.notify_one();
}

void BackgroundMidiPlayer::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return quit_ || !orders_.empty(); });
        if (quit_) return;
        const std::function<bool()> order = std::move(orders_.front());
        orders_.pop_front();
        running_ = true;
        lock.unlock();
        const bool done = order();
        lock.lock();
        running_ = false;
        refused_ = !done;
        if (orders_.empty()) idle_.notify_all();
    }
}

}  // namespace pivo
