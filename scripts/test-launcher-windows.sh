#!/usr/bin/env bash
# Builds the launcher ovnqtverup and its tests for 64-bit Windows with
# mingw-w64 (warnings are errors) and runs the tests under wine, in a wine
# prefix made for this run and removed afterwards, without network.
# Exits non-zero when the build or any test fails.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KINSKETCH_WINDOWS_BUILD_DIR:-$root/build-windows}"
source "$root/scripts/wine_lib.sh"
wine_require_tools test-launcher-windows

echo "-- Building the launcher for Windows in $build"
cmake -S "$root/tests/launcher/windows" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DKINSKETCH_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
test -f "$build/launcher/windows/ovnqtverup.exe"

wine_prepare_prefix "$build"
echo "-- Running the launcher's tests under wine"
wine_run_tests launcher "$build/launcher_windows_tests.exe" "$build/launcher_windows_tests.log"
