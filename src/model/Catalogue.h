#pragma once

#include "Language.h"
#include "Tans.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pivo {

inline constexpr int MaxTangrams = 3000;
inline constexpr int CategoryTotal = 8;
/// One data-file record: the category byte, then the 21-byte placement.
inline constexpr int RecordSize = 1 + 3 * TanCount;
/// Category of an entry whose record the game cannot use (see Catalogue::load).
inline constexpr int NoCategory = -1;
/// The most of a data file that is ever held: the game plays the first MaxTangrams records and keeps
/// what follows them up to this size only to write it back; the catalogue tool looks no further.
inline constexpr std::size_t MaxDataFileSize = std::size_t{2} * MaxTangrams * RecordSize;

struct CatalogueEntry {
    /// 0..7, or NoCategory when the record lies outside the data model.
    int category = NoCategory;
    /// 1-based number within the category as the player sees it; 0 for unusable records.
    int number = 0;
    Placement placement{};
    /// The category byte exactly as read, written back unchanged.
    std::uint8_t storedCategory = 0;
};

/// Whether a record's figure is one the board can hold: orientations 0..31, every tan on the board.
bool isPlaceable(const Placement& placement);

/// The placement moved so that the middle of its bounding box lies at (60, 40); coordinates wrap at 256.
Placement centredPlacement(const Placement& placement);

/// Name of a category, in German for German and in English for every other language value.
std::string_view categoryName(Language language, int category);

/// The figures of the game, addressed by catalogue index 1..tangramCount().
///
/// A record outside the data model (category above 7, orientation above 31, a tile off the board)
/// keeps its position, because progress bytes are tied to positions, but joins no category: it
/// gets NoCategory and number 0, is counted in no categoryCount(), and so no navigation, selection
/// or statistic ever reaches it. It is written back byte for byte. Records past the MaxTangrams-th and
/// a trailing partial record are no entries, but are kept as they are and written back after the
/// entries, so an edit never drops what the game does not read.
class Catalogue {
public:
    int tangramCount() const { return count_; }
    int categoryCount(int category) const { return categoryCounts_.at(category); }
    /// Entry i, 1 <= i <= tangramCount().
    const CatalogueEntry& entry(int i) const { return entries_.at(i - 1); }
    bool isPlayable(int i) const { return i >= 1 && i <= count_ && entry(i).category != NoCategory; }
    /// Lowest index of the category, or 0 when the category is empty.
    int firstOfCategory(int category) const;
    /// Categories without a single usable entry; the game cannot navigate them.
    std::vector<int> emptyCategories() const;

    /// Replaces the catalogue with the records of a file image; the bytes past the first MaxTangrams
    /// records are kept aside.
    void loadRecords(std::span<const std::uint8_t> bytes);
    /// Reads a data file; false only when it cannot be read. Of a file larger than MaxDataFileSize
    /// only the entries are taken, and write() then refuses to replace it.
    bool load(const std::string& path);

    /// The file image: every entry's stored category and placement, centred when asked, then the
    /// bytes kept aside.
    std::vector<std::uint8_t> records(bool centred) const;
    /// Replaces the file atomically; false when it could not be written (the old file then stays),
    /// or when the file loaded was too large to be held whole.
    bool write(const std::string& path, bool centred) const;

    /// Inserts at position p (1 <= p <= tangramCount() + 1); false, changing nothing, when full.
    /// Numbers within category are not recomputed: the new entry gets the highest of its category.
    bool insertPattern(int p, int category, const Placement& placement);
    /// Removes entry p; later entries move down, numbers stay as they are. False, changing nothing,
    /// when p is not an entry.
    bool deletePattern(int p);

private:
    std::array<CatalogueEntry, MaxTangrams> entries_{};
    std::array<int, CategoryTotal> categoryCounts_{};
    int count_ = 0;
    /// What follows the entries in the file: records the game does not read, a partial record.
    std::vector<std::uint8_t> unread_;
    /// False when the file held more than MaxDataFileSize bytes, so unread_ is not all of the rest.
    bool whole_ = true;
};

}  // namespace pivo
