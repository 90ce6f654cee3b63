#pragma once

#include "model/Preferences.h"
#include "MidiPlayer.h"

#include <functional>
#include <string>
#include <vector>

namespace pivo {

/// The rules of the background music, without any audio: which piece of the program folder plays,
/// the music button's cycle off, next piece, off, next piece…, and the once-a-second restart.
/// The music switch is `preferences.music`; the pieces are the `*.mid` files of `preferences.programFolder`.
class MusicCycle {
public:
    /// Lists the names of the MIDI files in a folder, in listing order.
    using Lister = std::function<std::vector<std::string>(const std::string& folder)>;

    MusicCycle(Preferences& preferences, MidiPlayer& player, Lister lister);

    /// Looks for the pieces and stands on the first; plays nothing yet.
    void findMusic();
    /// Plays the piece found when the music switch is on; `music` itself never changes here.
    void playAtStartup();
    /// The music button: when on, stops and switches off; when off, moves to the next piece (after
    /// the last the folder is looked at again from its first) and plays it.
    void toggleMusic();
    /// The timer: starts the open piece again when it has ended while music is on. A piece the
    /// player refused is not asked for again until the button opens another.
    void keepAlive();

    /// A MIDI file was found at start-up.
    bool musicAvailable() const { return available_; }
    /// Name of the current piece without folder; empty when there is none.
    std::string currentName() const;

private:
    /// Opens the current piece and starts it; on refusal nothing is open.
    void openAndPlay();

    Preferences& preferences_;
    MidiPlayer& player_;
    Lister lister_;
    std::vector<std::string> names_;
    std::size_t current_ = 0;
    bool available_ = false;
    bool open_ = false;
};

}  // namespace pivo
