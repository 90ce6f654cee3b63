#include "Catalogue.h"

#include "FileIo.h"

#include <algorithm>
#include <cassert>

namespace pivo {
namespace {

constexpr std::array<std::array<std::string_view, CategoryTotal>, 2> CategoryNames{{
    {"Humans", "Animals", "Tools and household stuff", "Buildings and ships", "Figures and shapes",
     "Twin Tangrams", "Convex Tangrams", "Letters and numbers"},
    {"Menschen", "Tiere", "Werkzeuge und Hausrat", "Gebäude und Schiffe", "Figuren und Formen",
     "Zwillingstangrams", "Konvexe Tangrams", "Buchstaben und Ziffern"},
}};

}  // namespace

bool isPlaceable(const Placement& placement) {
    for (int tan = 1; tan <= TanCount; ++tan) {
        const TanPlacement& at = placement[tan - 1];
        if (!fitsBoard(tan, at.x, at.y, at.orientation)) return false;
    }
    return true;
}

Placement centredPlacement(const Placement& placement) {
    int minX = MaxX, minY = MaxY, maxX = 0, maxY = 0;
    for (int tan = 1; tan <= TanCount; ++tan) {
        const TanPlacement& at = placement[tan - 1];
        for (const Point& v : vertexOffsets(shapeOf(tan), at.orientation)) {
            minX = std::min(minX, at.x + v.x);
            maxX = std::max(maxX, at.x + v.x);
            minY = std::min(minY, at.y + v.y);
            maxY = std::max(maxY, at.y + v.y);
        }
    }
    const int dx = 60 - (minX + maxX) / 2;
    const int dy = 40 - (minY + maxY) / 2;
    Placement centred = placement;
    for (TanPlacement& at : centred) {
        at.x = static_cast<std::uint8_t>(at.x + dx);
        at.y = static_cast<std::uint8_t>(at.y + dy);
    }
    return centred;
}

std::string_view categoryName(Language language, int category) {
    return CategoryNames[language == Language::German ? 1 : 0].at(category);
}

int Catalogue::firstOfCategory(int category) const {
    for (int i = 1; i <= count_; ++i)
        if (entry(i).category == category) return i;
    return 0;
}

std::vector<int> Catalogue::emptyCategories() const {
    std::vector<int> empty;
    for (int c = 0; c < CategoryTotal; ++c)
        if (categoryCounts_[c] == 0) empty.push_back(c);
    return empty;
}

void Catalogue::loadRecords(std::span<const std::uint8_t> bytes) {
    count_ = 0;
    categoryCounts_.fill(0);
    const std::size_t records = std::min<std::size_t>(bytes.size() / RecordSize, MaxTangrams);
    for (std::size_t r = 0; r < records; ++r) {
        const std::uint8_t* record = bytes.data() + r * RecordSize;
        CatalogueEntry& e = entries_[count_++];
        e.storedCategory = record[0];
        for (int t = 0; t < TanCount; ++t)
            e.placement[t] = TanPlacement{record[1 + 3 * t], record[2 + 3 * t], record[3 + 3 * t]};
        if (e.storedCategory < CategoryTotal && isPlaceable(e.placement)) {
            e.category = e.storedCategory;
            e.number = ++categoryCounts_[e.category];
        } else {
            e.category = NoCategory;
            e.number = 0;
        }
    }
    unread_.assign(bytes.begin() + static_cast<std::ptrdiff_t>(records * RecordSize), bytes.end());
    whole_ = true;
}

bool Catalogue::load(const std::string& path) {
    const auto file = readFileHead(path, MaxDataFileSize);
    if (!file) return false;
    loadRecords(file->bytes);
    whole_ = file->size <= MaxDataFileSize;
    return true;
}

std::vector<std::uint8_t> Catalogue::records(bool centred) const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(count_) * RecordSize + unread_.size());
    for (int i = 1; i <= count_; ++i) {
        const CatalogueEntry& e = entry(i);
        const Placement placement =
            centred && e.category != NoCategory ? centredPlacement(e.placement) : e.placement;
        bytes.push_back(e.storedCategory);
        for (const TanPlacement& at : placement) {
            bytes.push_back(at.x);
            bytes.push_back(at.y);
            bytes.push_back(at.orientation);
        }
    }
    bytes.insert(bytes.end(), unread_.begin(), unread_.end());
    return bytes;
}

bool Catalogue::write(const std::string& path, bool centred) const {
    return whole_ && replaceFileAtomically(path, records(centred));
}

bool Catalogue::insertPattern(int p, int category, const Placement& placement) {
    assert(category >= 0 && category < CategoryTotal);
    if (count_ >= MaxTangrams || p < 1 || p > count_ + 1) return false;
    ++count_;
    ++categoryCounts_[category];
    std::move_backward(entries_.begin() + (p - 1), entries_.begin() + (count_ - 1), entries_.begin() + count_);
    entries_[p - 1] = CatalogueEntry{category, categoryCounts_[category], placement,
                                     static_cast<std::uint8_t>(category)};
    return true;
}

bool Catalogue::deletePattern(int p) {
    if (p < 1 || p > count_) return false;
    const int category = entry(p).category;
    if (category != NoCategory) --categoryCounts_[category];
    std::move(entries_.begin() + p, entries_.begin() + count_, entries_.begin() + (p - 1));
    --count_;
    entries_[count_] = CatalogueEntry{};
    return true;
}

}  // namespace pivo
