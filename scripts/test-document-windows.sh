#!/usr/bin/env bash
# Builds the document core, kinsketch-doc and their tests for 64-bit Windows
# with mingw-w64 (warnings are errors), runs the tests under wine in a wine
# prefix made for this run, and checks that kinsketch-doc.exe reads the
# fixture documents and writes new and JSON-made documents byte for byte as
# the Linux kinsketch-doc does. Exits non-zero when anything fails.
#
# The Linux kinsketch-doc is the normal build's (build/) when it is there,
# else one built in build-doc-linux.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KINSKETCH_DOCUMENT_WINDOWS_BUILD_DIR:-$root/build-windows-doc}"
source "$root/scripts/wine_lib.sh"
wine_require_tools test-document-windows
started=$SECONDS

echo "-- Building the document core for Windows in $build"
cmake -S "$root/tests/document/windows" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DKINSKETCH_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
windows_doc="$build/cli/doc/kinsketch-doc.exe"
test -f "$windows_doc"

linux_doc="$root/build/cli/doc/kinsketch-doc"
if [ ! -x "$linux_doc" ]; then
  echo "-- Building the Linux kinsketch-doc to compare with in $root/build-doc-linux"
  cmake -S "$root" -B "$root/build-doc-linux" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINSKETCH_BUILD_GUI=OFF \
    -DKINSKETCH_BUILD_LAUNCHER=OFF -DKINSKETCH_BUILD_BENCH=OFF >/dev/null
  cmake --build "$root/build-doc-linux" -j "$(nproc)" --target kinsketch-doc
  linux_doc="$root/build-doc-linux/cli/doc/kinsketch-doc"
fi

wine_prepare_prefix "$build"
echo "-- Running the document tests under wine"
tests_passed=true
wine_run_tests document "$build/document_windows_tests.exe" "$build/document_windows_tests.log" || tests_passed=false

echo "-- Comparing kinsketch-doc.exe with the Linux kinsketch-doc"
out="$build/same-as-linux"
rm -rf "$out" && mkdir -p "$out"
# wine sees the Linux file system as drive Z:.
windows() { wine "$windows_doc" "$@" | tr -d '\r'; }
differing=0
same() {
  if ! cmp -s "$1" "$2"; then
    echo "differs from Linux: $2" >&2
    differing=$((differing + 1))
  fi
}

"$linux_doc" new "$out/new.linux.gdr"
windows new "Z:$out/new.windows.gdr"
same "$out/new.linux.gdr" "$out/new.windows.gdr"
compared=1
for fixture in "$root"/tests/fixtures/documents/*.gdr; do
  name="$(basename "$fixture" .gdr)"
  "$linux_doc" dump "$fixture" >"$out/$name.linux.json"
  windows dump "Z:$fixture" >"$out/$name.windows.json"
  same "$out/$name.linux.json" "$out/$name.windows.json"
  "$linux_doc" write "$out/$name.linux.json" "$out/$name.linux.gdr"
  windows write "Z:$out/$name.linux.json" "Z:$out/$name.windows.gdr"
  same "$out/$name.linux.gdr" "$out/$name.windows.gdr"
  compared=$((compared + 2))
done
echo "kinsketch-doc under wine: $((compared - differing)) of $compared outputs identical to Linux"
echo "-- Windows document checks took $((SECONDS - started)) s"
[ "$differing" -eq 0 ] && "$tests_passed"
