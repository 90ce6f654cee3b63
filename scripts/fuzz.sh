#!/usr/bin/env bash
# Builds the libFuzzer targets with AddressSanitizer and UndefinedBehaviorSanitizer into build-fuzz/ and
# runs each for the given number of seconds (default 120). Findings land in build-fuzz/findings/.
# As root it installs clang when missing; otherwise it prints the exact command to run and fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-120}
build=$root/build-fuzz

"$root/scripts/deps.sh" clang libclang-rt-14-dev

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DPIVOLET_FUZZERS=ON -DPIVOLET_SANITIZE=ON -DPIVOLET_TESTS=OFF -DPIVOLET_BENCHMARKS=OFF > /dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_catalogue fuzz_saved_game

# Room for a data file one record past the catalogue's size and for an oversized saved game; inputs grow
# there only as far as new coverage leads, so most runs stay small and fast.
declare -A max_len=([fuzz_catalogue]=66100 [fuzz_saved_game]=3600)

status=0
for target in fuzz_catalogue fuzz_saved_game; do
  corpus=$build/corpus/$target
  findings=$build/findings/$target
  mkdir -p "$corpus" "$findings"
  echo "== $target for ${seconds}s"
  # The seeds hold well-formed files, which random bytes would almost never hit.
  "$build/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="${max_len[$target]}" \
    -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$root/fuzz/seeds/$target" || status=1
done
exit $status
