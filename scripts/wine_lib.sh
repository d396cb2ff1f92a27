# Shared by the scripts that build Kinsketch for Windows and test it under
# wine: the tool check, a throwaway wine prefix with the documents' Japanese
# fonts, and the summary of a GoogleTest run. Source it; it defines functions only.

# Fails naming the first missing tool: the cross compiler, wine or its server.
wine_require_tools() {
  local script="$1" tool
  for tool in x86_64-w64-mingw32-g++-posix wine wineserver; do
    if ! command -v "$tool" >/dev/null; then
      echo "$script: $tool is missing (scripts/setup.sh installs it)" >&2
      return 1
    fi
  done
}

# The fonts the documents name exist on every Japanese Windows PC; in a wine
# prefix the IPA faces stand in for them, the proportional names taking the
# proportional faces, so that pictures can be compared with Linux's.
wine_font_replacements=(
  "ＭＳ ゴシック=IPAGothic" "MS Gothic=IPAGothic"
  "ＭＳ Ｐゴシック=IPAPGothic" "MS PGothic=IPAPGothic" "MS UI Gothic=IPAPGothic"
  "ＭＳ 明朝=IPAMincho" "MS Mincho=IPAMincho" "ＭＳ Ｐ明朝=IPAPMincho" "MS PMincho=IPAPMincho"
  "メイリオ=IPAPGothic" "Meiryo=IPAPGothic" "Meiryo UI=IPAPGothic"
)

# Imports registry lines ($2...) under the key [$1] through a .reg file, which
# regedit reads as UTF-16 so that Japanese names survive.
wine_registry_add() {
  local key="$1" file="$WINEPREFIX/drive_c/kinsketch-settings.reg"
  shift
  { printf 'Windows Registry Editor Version 5.00\r\n\r\n[%s]\r\n' "$key"; printf '%s\r\n' "$@"; } |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$file"
  wine regedit /S 'C:\kinsketch-settings.reg'
  rm -f "$file"
}

# Makes a wine prefix in $2 (a new temporary folder if empty), without network,
# with the IPA fonts installed and the documents' font names mapped to them.
# $3 = display: wine's X11 driver on $DISPLAY; otherwise its null driver,
# which still creates and enumerates windows. The boot log goes to $1/wineboot.log.
wine_make_prefix() {
  local logs="$1" replacement lines=()
  export WINEPREFIX="${2:-$(mktemp -d)}"
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" KINSKETCH_THROWAWAY_PREFIX=1
  wine wineboot -i >"$logs/wineboot.log" 2>&1
  cp /usr/share/fonts/opentype/ipafont-gothic/ipag*.ttf /usr/share/fonts/opentype/ipafont-mincho/ipam*.ttf \
    "$WINEPREFIX/drive_c/windows/Fonts/"
  for replacement in "${wine_font_replacements[@]}"; do
    lines+=("\"${replacement%%=*}\"=\"${replacement#*=}\"")
  done
  wine_registry_add 'HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements' "${lines[@]}"
  [ "${3:-}" = display ] || wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  # The settings are taken up when the prefix's wine server starts again.
  wineserver -w
}

# wine_make_prefix in a new folder that is removed when the calling script exits.
wine_prepare_prefix() {
  echo "-- Preparing a wine prefix"
  wine_make_prefix "$1" "" "${2:-}"
  wine_prefix="$WINEPREFIX"
  trap wine_remove_prefix EXIT
}

wine_remove_prefix() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$wine_prefix"
}

# The Windows path of a file of this machine, as wine sees it (drive Z:).
wine_path() { echo "Z:${1//\//\\}"; }
