#!/usr/bin/env bash
# Makes the Qt kit that Kinsketch is built against for 64-bit Windows: Debian's
# own qt6-base source, of the version this machine's Qt is, cross-built with
# Debian's mingw-w64 against this machine's Qt tools (moc, rcc, uic).
#
#   scripts/build-qt-windows.sh            builds the kit into the cache (if it is not there) and prints its folder
#   scripts/build-qt-windows.sh --pack F   also packs it as F (.tar.xz, unpacking to qt-VERSION-mingw64/)
#
# The cache is ${KINSKETCH_CACHE:-${XDG_CACHE_HOME:-~/.cache}/kinsketch}/qt-VERSION-mingw64.
# The source comes through a private apt configuration holding deb-src
# entries for the mirrors and suites the system already uses: the system's
# own apt sources are never touched. Takes about 45 minutes on two cores.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
pack=""
case "${1:-}" in
  --pack) pack="$(realpath -m "${2:?--pack needs a file name}")" ;;
  "") ;;
  *) echo "usage: $0 [--pack KIT.tar.xz]" >&2; exit 2 ;;
esac

debian_version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
version="${debian_version%%+*}"
cache="${KINSKETCH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kinsketch}"
kit="$cache/qt-$version-mingw64"

build_kit() {
  local work="$cache/qt-$version-mingw64-build"
  rm -rf "$work" && mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial" "$work/source"

  # deb-src lines for every "deb" entry of the system's sources, in one list of
  # our own; apt reads that list only.
  python3 - "$work/apt/sources.list" <<'PY'
import glob, re, sys
lines = []
for name in glob.glob("/etc/apt/sources.list") + sorted(glob.glob("/etc/apt/sources.list.d/*.list")):
    for line in open(name, encoding="utf-8", errors="replace"):
        m = re.match(r"\s*deb\s+(\[[^\]]*\]\s+)?(\S+)\s+(\S+)\s+(.*)", line)
        if m and "debian" in m.group(2):
            lines.append(f"deb-src {m.group(1) or ''}{m.group(2)} {m.group(3)} {m.group(4).strip()}")
for name in sorted(glob.glob("/etc/apt/sources.list.d/*.sources")):
    for stanza in open(name, encoding="utf-8").read().split("\n\n"):
        fields = {}
        for line in stanza.splitlines():
            if ":" in line and not line.lstrip().startswith("#"):
                key, value = line.split(":", 1)
                fields[key.strip()] = value.strip()
        if "deb" not in fields.get("Types", "").split() or fields.get("Enabled", "yes") == "no":
            continue
        signed = f"[signed-by={fields['Signed-By']}] " if "Signed-By" in fields else ""
        for uri in fields.get("URIs", "").split():
            for suite in fields.get("Suites", "").split():
                lines.append(f"deb-src {signed}{uri} {suite} {fields.get('Components', 'main')}")
if not lines:
    sys.exit("no Debian apt source found to take deb-src entries from")
open(sys.argv[1], "w").write("\n".join(lines) + "\n")
PY
  local apt=(apt-get -q -o "Dir::Etc::SourceList=$work/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt" -o "Dir::Cache::archives=$work/apt/archives"
    -o Debug::NoLocking=1)
  echo "-- Fetching Debian's qt6-base $debian_version source"
  "${apt[@]}" update >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; return 1; }
  (cd "$work/source" && "${apt[@]}" source --download-only "qt6-base=$debian_version" >>"$work/apt.log" 2>&1) ||
    { cat "$work/apt.log" >&2; return 1; }
  (cd "$work/source" && dpkg-source --no-check -x ./*.dsc qtbase >"$work/unpack.log" 2>&1) || { cat "$work/unpack.log" >&2; return 1; }

  # With OpenGL off, the Windows platform plugin still tests dynamicgl alone in
  # two places and fails to compile.
  sed -i 's/QT_CONFIG(dynamicgl)$/QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
    "$work/source/qtbase/src/plugins/platforms/windows/qwindowswindow.cpp"

  echo "-- Configuring Qt $version for Windows (log: $work/configure.log)"
  # Debian's source leaves out the Wintab header that tablet support includes.
  cmake -G Ninja -S "$work/source/qtbase" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$kit.partial" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_opengl=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=ON \
    -DFEATURE_tabletevent=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_doubleconversion=OFF >"$work/configure.log" 2>&1 || { tail -40 "$work/configure.log" >&2; return 1; }
  echo "-- Building Qt $version for Windows (log: $work/build.log)"
  cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 || { tail -40 "$work/build.log" >&2; return 1; }
  rm -rf "$kit.partial"
  cmake --install "$work/build" >"$work/install.log" 2>&1
  # The kit appears whole or not at all.
  mv "$kit.partial" "$kit"
  rm -rf "$work"
}

if [ ! -f "$kit/lib/cmake/Qt6/Qt6Config.cmake" ]; then
  mkdir -p "$cache"
  build_kit
fi
if [ -n "$pack" ]; then
  echo "-- Packing $kit as $pack"
  tar -C "$cache" -cJf "$pack.partial" "$(basename "$kit")"
  mv "$pack.partial" "$pack"
fi
echo "$kit"
