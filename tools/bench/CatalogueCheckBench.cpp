// How long `check` takes on a full catalogue of 3000 valid, distinct figures.
#include "catalogue/CatalogueCheck.h"
#include "catalogue/RandomFigures.h"

#include <benchmark/benchmark.h>

namespace {

void checkFullCatalogue(benchmark::State& state) {
    const std::vector<std::uint8_t> image = pivo::tool::catalogueImage(pivo::tool::randomFigures(pivo::MaxTangrams, 1));
    for (auto _ : state) {
        const pivo::tool::CheckResult result = pivo::tool::checkCatalogue(image);
        if (result.errors() != 0 || result.warnings() != 0) state.SkipWithError("the generated catalogue has findings");
        benchmark::DoNotOptimize(result.findings.data());
    }
    state.SetItemsProcessed(state.iterations() * pivo::MaxTangrams);
}
BENCHMARK(checkFullCatalogue)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
