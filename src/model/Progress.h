#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace pivo {

/// Progress bytes a game holds, one per possible catalogue entry.
inline constexpr int StatusTableSize = 3000;
/// Bit of a progress byte set when the tangram is solved or given up.
inline constexpr std::uint8_t FinishedFlag = 8;
inline constexpr int MaxTipLevel = 7;

/// Reading one progress byte: bits 0-2 tips taken, bit 3 finished.
struct TangramStatus {
    std::uint8_t value = 0;

    int tipLevel() const { return value & 7; }
    bool finished() const { return (value & FinishedFlag) != 0; }
    /// Finished by the seventh tip rather than by the player.
    bool dropped() const { return finished() && tipLevel() == MaxTipLevel; }
    /// 7 minus the tips taken for a finished tangram, 0 otherwise.
    int points() const { return finished() ? MaxTipLevel - tipLevel() : 0; }
};

/// The player's progress: the status table of a game, its name and whether it changed since the last
/// save, load or new game.
class Progress {
public:
    /// Byte of catalogue entry i, 1 <= i <= StatusTableSize.
    TangramStatus status(int i) const { return TangramStatus{table_.at(i - 1)}; }
    void setStatus(int i, std::uint8_t value) { table_.at(i - 1) = value; }

    /// The saved-game image: positions 1..3000 in order.
    std::span<const std::uint8_t, StatusTableSize> bytes() const { return table_; }
    /// Takes a saved game's bytes: the first 3000, the rest of the table 0.
    void assign(std::span<const std::uint8_t> bytes);
    void clear() { table_.fill(0); }
    /// A new game: positions 1..tangramCount become 0, the name is forgotten, nothing is modified.
    void resetForNewGame(int tangramCount);

    std::string gameName;
    bool gameModified = false;

private:
    std::array<std::uint8_t, StatusTableSize> table_{};
};

}  // namespace pivo
