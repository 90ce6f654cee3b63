// Feeds arbitrary bytes to the catalogue loader as a data file, then does with the entries what the game
// does: builds silhouettes, lays tans, centres, writes back, navigates, inserts and deletes. Every rule the
// rest of the game relies on is checked; a broken one aborts, so the fuzzer keeps the input.

#include "model/Board.h"
#include "texts/Captions.h"
#include "model/Catalogue.h"
#include "model/CoverageGrid.h"
#include "model/Navigation.h"
#include "model/Progress.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

using namespace pivo;

namespace {

constexpr int LaidEntries = 64;
constexpr int PlayedEvents = 200;

void require(bool rule) {
    if (!rule) std::abort();
}

// Counts, numbers within category and the unusable records agree with each other.
void checkInvariants(const Catalogue& catalogue, bool freshlyLoaded) {
    std::array<int, CategoryTotal> seen{};
    int unusable = 0;
    for (int i = 1; i <= catalogue.tangramCount(); ++i) {
        const CatalogueEntry& e = catalogue.entry(i);
        if (e.category == NoCategory) {
            require(e.number == 0 && !catalogue.isPlayable(i));
            ++unusable;
            continue;
        }
        require(e.category >= 0 && e.category < CategoryTotal && catalogue.isPlayable(i));
        require(isPlaceable(e.placement));
        ++seen[e.category];
        // Edits leave numbers as they were until the next load; only a load numbers them 1, 2, ...
        if (freshlyLoaded) require(e.number == seen[e.category]);
    }
    int total = unusable;
    for (int c = 0; c < CategoryTotal; ++c) {
        require(catalogue.categoryCount(c) == seen[c]);
        total += seen[c];
    }
    require(total == catalogue.tangramCount());
}

// What the board does with an entry: silhouette, every tan tested against the others, the centred copy.
void layEntry(const Placement& placement) {
    CoverageGrid silhouette;
    silhouette.addPlacement(placement);
    CoverageGrid grid = silhouette;
    for (int tan = 1; tan <= TanCount; ++tan) {
        grid.removeTan(tan, placement[tan - 1]);
        (void)grid.fits(tan, placement[tan - 1]);
        grid.addTan(tan, placement[tan - 1]);
    }
    require(grid == silhouette);
    const Placement centred = centredPlacement(placement);
    require(isPlaceable(centred));
    CoverageGrid moved;
    moved.addPlacement(centred);
    require(moved.firstFilledCell().has_value() == silhouette.firstFilledCell().has_value());
}

// The tans grid holds exactly the tans lying on the board, each of them inside it; the lifted one fits too.
void checkBoard(const Board& board) {
    CoverageGrid lying;
    for (int tan = 1; tan <= TanCount; ++tan) {
        const TanPlacement& at = board.tans()[tan - 1];
        require(fitsBoard(tan, at.x, at.y, at.orientation));
        if (tan != board.liftedTan()) lying.addTan(tan, at);
    }
    require(lying == board.tansGrid());
}

// The player at work on the board: every three bytes are a press or a move somewhere in or beside it.
void play(Board& board, std::span<const std::uint8_t> bytes) {
    const int unit = board.unitSize();
    const int width = BoardWidth * unit;
    const int height = BoardHeight * unit;
    for (std::size_t k = 0; k + 2 < bytes.size() && k < 3 * PlayedEvents; k += 3) {
        const int X = bytes[k + 1] * (width + 20) / 256 - 10;
        const int Y = bytes[k + 2] * (height + 20) / 256 - 10;
        switch (bytes[k] % 5) {
            case 0: board.mouseDown(MouseButton::Left, X, Y); break;
            case 1: board.mouseDown(MouseButton::Right, X, Y); break;
            case 2: board.mouseMove(false, X, Y); break;
            case 3: board.takeTip(); break;
            default: board.mouseMove(true, X, Y); break;
        }
        checkBoard(board);
    }
}

void navigate(const Catalogue& catalogue, const Progress& progress, int category, int tangram) {
    reconcilePosition(catalogue, category, tangram);
    require(category >= 0 && category < CategoryTotal);
    if (catalogue.tangramCount() == 0) return;
    require(tangram >= 1 && tangram <= catalogue.tangramCount());
    const int next = nextInCategory(catalogue, tangram, category);
    const int previous = previousInCategory(catalogue, tangram, category);
    require(next >= 1 && next <= catalogue.tangramCount());
    require(previous >= 1 && previous <= catalogue.tangramCount());
    if (const auto n = nextUnfinished(catalogue, progress, tangram, category))
        require(catalogue.entry(*n).category == category && !progress.status(*n).finished());
    if (const auto p = previousUnfinished(catalogue, progress, tangram, category))
        require(catalogue.entry(*p).category == category && !progress.status(*p).finished());
    for (int mode = 0; mode <= 3; ++mode) {
        const Preferences preferences{.language = static_cast<Language>(mode % 2), .patternMode = mode};
        (void)windowCaption(preferences, catalogue, progress, {category, tangram});
        (void)patternWindowTitle(preferences, catalogue, progress, {category, tangram});
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Catalogue catalogue;
    const std::span<const std::uint8_t> bytes(data, size);
    catalogue.loadRecords(bytes);

    const std::size_t whole = std::min<std::size_t>(size / RecordSize, MaxTangrams);
    require(catalogue.tangramCount() == static_cast<int>(whole));
    checkInvariants(catalogue, true);

    // Writing back without edits gives the file again, with unusable records, records past the 3000th
    // and a partial record at the end.
    const auto image = catalogue.records(false);
    require(std::ranges::equal(image, bytes));
    require(catalogue.records(true).size() == image.size());

    // The progress of a game is whatever the same bytes say, as a loaded saved game would be.
    Progress progress;
    progress.assign(bytes);
    Board board(catalogue, progress);
    // Entries are laid independently of each other, so the first ones and the last tell as much as all
    // 3000 would, at a fraction of the time per input.
    for (int i = 1; i <= catalogue.tangramCount(); ++i) {
        if (catalogue.isPlayable(i) && (i <= LaidEntries || i == catalogue.tangramCount()))
            layEntry(catalogue.entry(i).placement);
    }
    const int pick = size > 0 ? data[0] * 256 + data[size - 1] : 0;
    board.setUnitSize(size > 2 ? data[2] % 8 : 6);
    board.setUpTangram(pick % (catalogue.tangramCount() + 2));
    checkBoard(board);
    play(board, bytes);
    (void)board.checkSolved();
    navigate(catalogue, progress, size > 1 ? data[1] : 0, pick);

    // The editor's changes keep counts and categories consistent; the catalogue never grows past its size.
    if (catalogue.tangramCount() > 0) {
        const int p = pick % catalogue.tangramCount() + 1;
        const int category = data[0] % CategoryTotal;
        const bool full = catalogue.tangramCount() == MaxTangrams;
        require(catalogue.insertPattern(p, category, startPlacement()) != full);
        checkInvariants(catalogue, false);
        catalogue.deletePattern(p);
        checkInvariants(catalogue, false);
        if (!full) require(catalogue.records(false) == image);
    }
    return 0;
}
