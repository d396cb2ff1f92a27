#!/usr/bin/env bash
# Builds the launcher ovnqtverup and its tests for 64-bit Windows with
# mingw-w64 (warnings are errors) and runs the tests under wine, in a wine
# prefix made for this run and removed afterwards, without network.
# Exits non-zero when the build or any test fails.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KINSKETCH_WINDOWS_BUILD_DIR:-$root/build-windows}"

for tool in x86_64-w64-mingw32-g++-posix wine wineserver; do
  if ! command -v "$tool" >/dev/null; then
    echo "test-launcher-windows: $tool is missing (scripts/setup.sh installs it)" >&2
    exit 1
  fi
done

echo "-- Building the launcher for Windows in $build"
cmake -S "$root/tests/launcher/windows" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DKINSKETCH_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
test -f "$build/launcher/windows/ovnqtverup.exe"

prefix="$(mktemp -d)"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" KINSKETCH_THROWAWAY_PREFIX=1
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$prefix"
}
trap cleanup EXIT

echo "-- Preparing a wine prefix"
wine wineboot -i >"$build/wineboot.log" 2>&1
# No display is needed: wine's null driver still creates and enumerates
# windows. It is taken up when the prefix's wine server starts again.
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
wineserver -w

echo "-- Running the launcher's tests under wine"
set +e
wine "$build/launcher_windows_tests.exe" --gtest_brief=1 2>&1 | tee "$build/launcher_windows_tests.log"
status=${PIPESTATUS[0]}
set -e

passed="$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$build/launcher_windows_tests.log")"
ran="$(sed -n 's/^\[==========\] \([0-9]*\) tests.*/\1/p' "$build/launcher_windows_tests.log")"
failed=$(( ${ran:-0} - ${passed:-0} ))
echo "launcher under wine: ${passed:-0} passed, $failed failed"
if [ "$status" -ne 0 ] || [ -z "$ran" ] || [ "$failed" -ne 0 ]; then
  echo "test-launcher-windows: FAILED (exit status $status)" >&2
  exit 1
fi
