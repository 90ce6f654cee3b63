// The model's hot paths against their budgets: the grid fit test and add/remove run on every mouse move
// and put-down, the solution check after every put-down, the catalogue load once at start-up.
// Each figure is reported as the median of ten repetitions.

#include "model/Board.h"
#include "model/Catalogue.h"
#include "model/CoverageGrid.h"
#include "model/Progress.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>
#include <unistd.h>

using namespace pivo;

namespace {

// The classic square, 28 units wide, laid in the middle of the board: seven tans, no partial cell left.
constexpr Placement Square{{{72, 33, 6}, {60, 45, 10}, {69, 49, 0}, {60, 31, 2}, {51, 40, 14}, {67, 40, 2},
                            {56, 50, 22}}};
constexpr int LargeTriangle = 4;

CoverageGrid squareWithoutLargeTriangle() {
    CoverageGrid grid;
    for (int tan = 1; tan <= TanCount; ++tan)
        if (tan != LargeTriangle) grid.addTan(tan, Square[tan - 1]);
    return grid;
}

// A data file of `count` squares, their categories taking turns.
std::vector<std::uint8_t> recordsOfSquare(int count) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < count; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(i % CategoryTotal));
        for (const TanPlacement& at : Square) bytes.insert(bytes.end(), {at.x, at.y, at.orientation});
    }
    return bytes;
}

// The large triangle tested where it completes the square, against a grid holding the other six tans.
void gridFitOfLargeTriangle(benchmark::State& state) {
    const CoverageGrid grid = squareWithoutLargeTriangle();
    const TanPlacement at = Square[LargeTriangle - 1];
    if (!grid.fits(LargeTriangle, at)) state.SkipWithError("the large triangle does not complete the square");
    for (auto _ : state) benchmark::DoNotOptimize(grid.fits(LargeTriangle, at));
}
BENCHMARK(gridFitOfLargeTriangle)->Repetitions(10)->ReportAggregatesOnly(true);

void addAndRemoveTan(benchmark::State& state) {
    CoverageGrid grid = squareWithoutLargeTriangle();
    const TanPlacement at = Square[LargeTriangle - 1];
    for (auto _ : state) {
        grid.addTan(LargeTriangle, at);
        benchmark::ClobberMemory();
        grid.removeTan(LargeTriangle, at);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(addAndRemoveTan)->Repetitions(10)->ReportAggregatesOnly(true);

// All seven tans lie on the board covering the silhouette; the seventh tip lays the last of them.
void checkSolvedOnFullBoard(benchmark::State& state) {
    const auto catalogue = std::make_unique<Catalogue>();
    catalogue->loadRecords(recordsOfSquare(1));
    Progress progress;
    Board board(*catalogue, progress);
    board.setUpTangram(1);
    for (int tip = 1; tip <= TanCount; ++tip) board.takeTip();
    if (board.tans() != Square || !board.checkSolved().solved) state.SkipWithError("the laid square is not solved");
    for (auto _ : state) benchmark::DoNotOptimize(board.checkSolved());
}
BENCHMARK(checkSolvedOnFullBoard)->Repetitions(10)->ReportAggregatesOnly(true);

void loadCatalogueOf3000Records(benchmark::State& state) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("pivo-bench-" + std::to_string(::getpid()) + ".dat")).string();
    {
        const std::vector<std::uint8_t> bytes = recordsOfSquare(MaxTangrams);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
    }
    const auto catalogue = std::make_unique<Catalogue>();
    for (auto _ : state) benchmark::DoNotOptimize(catalogue->load(path));
    if (catalogue->tangramCount() != MaxTangrams) state.SkipWithError("the file did not load whole");
    std::filesystem::remove(path);
}
BENCHMARK(loadCatalogueOf3000Records)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
