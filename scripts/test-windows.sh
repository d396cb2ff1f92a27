#!/usr/bin/env bash
# The Windows stage of the test command. Builds Kinsketch for 64-bit Windows
# with mingw-w64 against a Qt kit for Windows (warnings are errors); runs
# every test program under wine in a prefix made for this run;
# compares kinsketch-doc.exe with the Linux kinsketch-doc and reads
# kinsketch-render.exe's PDFs with poppler; makes kinsketch-windows-x64.zip;
# and runs the end-to-end tests under wine and Xvfb from that package unpacked
# under a Japanese path. Exits non-zero when anything fails.
#
# The Qt kit: $KINSKETCH_QT_WINDOWS_KIT (a folder, or an archive made by
# scripts/build-qt-windows.sh --pack), else the one in the cache, else one
# built now by scripts/build-qt-windows.sh (about 45 minutes on two cores).
# The Linux programs compared with are the normal build's (build/), built
# there if missing.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KINSKETCH_WINDOWS_BUILD_DIR:-$root/build-windows}"
linux_build="$root/build"
source "$root/scripts/wine_lib.sh"
wine_require_tools test-windows
started=$SECONDS

debian_version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
kit_name="qt-${debian_version%%+*}-mingw64"
cache="${KINSKETCH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kinsketch}"
given="${KINSKETCH_QT_WINDOWS_KIT:-}"
if [ -n "$given" ] && [ -d "$given" ]; then
  kit="$(realpath "$given")"
elif [ -n "$given" ] && [ -f "$given" ]; then
  kit="$cache/$kit_name"
  if [ ! -f "$kit/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    echo "-- Unpacking the Qt kit $given into $cache"
    top="$(tar -tJf "$given" | sed -n '1s|/.*||p')"
    [ "$top" = "$kit_name" ] || { echo "test-windows: $given holds $top, not $kit_name (this machine's Qt)" >&2; exit 1; }
    rm -rf "$kit.partial" && mkdir -p "$kit.partial"
    tar -C "$kit.partial" -xJf "$given"
    mv "$kit.partial/$kit_name" "$kit" && rm -rf "$kit.partial"
  fi
else
  kit="$("$root/scripts/build-qt-windows.sh" | tail -n 1)"
fi
echo "-- Qt kit for Windows: $kit ($((SECONDS - started)) s)"

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
fi
echo "-- Building Kinsketch for Windows in $build"
# A build made against another kit keeps that kit's paths in its cache.
if [ -f "$build/CMakeCache.txt" ] && [ "$(cat "$build/qt-kit" 2>/dev/null)" != "$kit" ]; then rm -rf "$build"; fi
mkdir -p "$build" && echo "$kit" >"$build/qt-kit"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$kit" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_CROSSCOMPILING_EMULATOR=wine -DKINSKETCH_BUILD_BENCH=OFF -DKINSKETCH_WARNINGS_AS_ERRORS=ON \
  "${launcher[@]}" >"$build/configure.log" 2>&1 || { cat "$build/configure.log" >&2; exit 1; }
cmake --build "$build" -j "$(nproc)"
echo "-- Built for Windows ($((SECONDS - started)) s)"

linux_programs=(app/kinsketch cli/doc/kinsketch-doc cli/render/kinsketch-render tests/picture/compare_pictures)
for linux_program in "${linux_programs[@]}"; do
  [ -x "$linux_build/$linux_program" ] && continue
  echo "-- Building the Linux programs to compare with in $linux_build"
  cmake -S "$root" -B "$linux_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
  cmake --build "$linux_build" -j "$(nproc)" --target kinsketch kinsketch-doc kinsketch-render compare_pictures
  break
done

wine_prepare_prefix "$build"
export WINEPATH
WINEPATH="$(wine_path "$kit/bin");$(wine_path "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")");$(wine_path /usr/x86_64-w64-mingw32/lib)"

echo "-- Running every test program under wine"
failed=false
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" || failed=true
log="$build/Testing/Temporary/LastTest.log"
count() { sed -n "s/^\[ *$1 *\] \([0-9]*\) tests\{0,1\}[,.].*/\1/p" "$log" | awk '{ n += $1 } END { print n + 0 }'; }
echo "Test programs under wine: $(count PASSED) tests passed, $(count SKIPPED) skipped, $(count FAILED) failed"

echo "-- Comparing kinsketch-doc.exe with the Linux kinsketch-doc"
"$root/tests/windows/same_as_linux.sh" "$build" "$linux_build" || failed=true

echo "-- Packing kinsketch-windows-x64.zip"
zip="$("$root/scripts/package-windows.sh" "$build" "$kit" | tail -n 1)"
ls -l "$zip"

echo "-- End-to-end under wine from the unpacked package"
for script in "$root"/tests/windows/*_e2e.sh; do
  echo "-- $(basename "$script")"
  "$root/tests/e2e/run_under_xvfb.sh" "$script" "$zip" "$linux_build" "$root/tests/fixtures/documents" ||
    failed=true
done

echo "-- Windows stage took $((SECONDS - started)) s"
! "$failed"
