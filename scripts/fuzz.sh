#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of
# seconds (default 60) on a seed corpus of all three document layouts.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
build="$root/build-fuzz"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DKINSKETCH_FUZZ=ON -DKINSKETCH_BUILD_GUI=OFF \
  -DKINSKETCH_BUILD_TESTS=OFF -DKINSKETCH_BUILD_BENCH=OFF -DKINSKETCH_BUILD_LAUNCHER=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_gdr_decoders
corpus="$build/corpus"
rm -rf "$corpus"
mkdir -p "$corpus"
cp "$root"/tests/fixtures/documents/*.gdr "$corpus/"
# Leaks and out-of-memory count as failures; -rss_limit_mb keeps a runaway allocation from passing silently.
"$build/fuzz/fuzz_gdr_decoders" "$corpus" -max_total_time="$seconds" -rss_limit_mb=1024 -timeout=10 \
  -max_len=65536 -print_final_stats=1 2>&1 | tail -n 15
echo "fuzzing: ${seconds} s without a crash, hang or leak"
