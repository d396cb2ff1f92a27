#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the normal build, the
# same suite under AddressSanitizer + UndefinedBehaviorSanitizer, a bounded
# fuzzing run of every reader of outside input, and everything built for
# Windows and tested under wine (scripts/test-windows.sh).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/scripts/setup.sh"

jobs="$(nproc)"
# ccache, where installed, turns the rebuild of an unchanged file into a copy,
# wherever the tree was cloned.
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
fi
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
fuzz_seconds="${KINSKETCH_FUZZ_SECONDS:-100}"

echo "== Build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" -DKINSKETCH_WARNINGS_AS_ERRORS="$werror" >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Build and test under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKINSKETCH_SANITIZE=ON "${launcher[@]}" \
  -DKINSKETCH_BUILD_BENCH=OFF -DKINSKETCH_WARNINGS_AS_ERRORS="$werror" >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp" \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== Fuzz every reader of outside input for ${fuzz_seconds} s in all"
"$root/scripts/fuzz.sh" "$fuzz_seconds"

echo "== Built for Windows, tested under wine"
"$root/scripts/test-windows.sh"
