#include "CatalogueSolving.h"

#include "LayingOrder.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace pivo::tool {

std::optional<SolveResult> solveFigure(const Catalogue& catalogue, int index, const SolveLimits& limits) {
    if (!catalogue.isPlayable(index)) return std::nullopt;
    const auto silhouette = std::make_unique<CoverageGrid>();
    if (!layableInSomeOrder(catalogue.entry(index).placement, *silhouette)) return std::nullopt;
    return solveSilhouette(*silhouette, limits);
}

CatalogueSolves solveCatalogue(const Catalogue& catalogue, const SolveLimits& limits, std::optional<int> category) {
    CatalogueSolves solves(catalogue.tangramCount());
    // Figures are independent and take from microseconds to a second, so each worker takes the next
    // one still open. A worker that fails (memory running out) stops the others, and the caller gets
    // its exception as if the work had run on its own thread.
    std::atomic<int> next{1};
    std::mutex failureLock;
    std::exception_ptr failure;
    const auto work = [&] {
        try {
            for (int i = next++; i <= catalogue.tangramCount(); i = next++)
                if (!category || catalogue.entry(i).category == *category) solves[i - 1] = solveFigure(catalogue, i, limits);
        } catch (...) {
            next = catalogue.tangramCount() + 1;
            const std::scoped_lock lock(failureLock);
            if (!failure) failure = std::current_exception();
        }
    };
    const int workers = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, std::max(1, catalogue.tangramCount()));
    {
        std::vector<std::jthread> helpers;
        for (int k = 1; k < workers; ++k) helpers.emplace_back(work);
        work();
    }  // the helpers finish their last figures here
    if (failure) std::rethrow_exception(failure);
    return solves;
}

}  // namespace pivo::tool
