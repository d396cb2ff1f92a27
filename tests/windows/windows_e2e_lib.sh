# Helpers for end-to-end tests of the Windows package under wine and Xvfb,
# beside the Linux program driven by the same gestures. Sourced by the test
# scripts, whose arguments are the package zip, the Linux build folder and the
# fixture documents.
#
# The package is unpacked into a wine prefix made for the run (wine's X11
# driver on the test's display, the IPA fonts standing in for Windows'),
# under C:\users\山田 花子\ケア記録\: a user folder with Japanese characters
# and a space, as care offices have. The Linux program runs from a folder of
# its own (tests/e2e/e2e_lib.sh).

windows_zip="$1" linux_build="$2" fixture_documents="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../e2e/e2e_lib.sh" "$linux_build/app/kinsketch" "$fixture_documents" \
  "$linux_build/cli/doc/kinsketch-doc" "$linux_build/cli/render/kinsketch-render"
source "$here/../../scripts/wine_lib.sh"

windows_root="$(mktemp -d)"
wine_make_prefix "$windows_root" "$windows_root/prefix" display
# The places below are those of the 100 % layout, as on Linux (e2e_lib.sh).
wine reg add 'HKCU\Software\Kinsketch\Kinsketch\display' /v percent /t REG_DWORD /d 100 /f </dev/null >/dev/null 2>&1
windows_program="$WINEPREFIX/drive_c/users/山田 花子/ケア記録/kinsketch"
windows_work="$windows_program/imgTmp"
mkdir -p "$(dirname "$windows_program")"
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$windows_zip" \
  "$(dirname "$windows_program")"
mkdir -p "$windows_work"
windows_pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "$windows_pid" ] && kill -9 "$windows_pid" 2>/dev/null;
  wineserver -k 2>/dev/null; rm -rf "$program" "$windows_root"' EXIT

# Where the controls are at 100 %, per platform. Linux draws the child
# windows' frames in the Fusion style; Windows draws thinner ones, and the
# main window's client area lies 19 pixels down, where no window manager
# drew its caption. The print dialog's controls are given from its corner.
declare -A linux_at=([symbol0]="158 221" [age3]="576 244" [canvas]="731 178" [pen_mode]="184 45" [save]="256 51")
declare -A windows_at=([symbol0]="162 249" [age3]="580 272" [canvas]="737 199"
  [pen_mode]="190 70" [save]="267 65" [print]="489 65" [size]="550 79" [confirm]="432 674" [cancel]="568 674"
  [print_pdf]="91 149" [print_path]="181 174")

# Starts kinsketch.exe from the unpacked package with the command line $1,
# handing in the fixture $2 as client.gdr when given, and waits until the
# editing screen is up.
start_windows() {
  [ -z "${2:-}" ] || cp "$fixture_documents/$2" "$windows_work/client.gdr"
  (cd "$windows_program" && exec wine kinsketch.exe "$1") &
  windows_pid=$!
  wait_for_window "Kin Sketch" 30 >/dev/null
  sleep 3
}

# The same gestures on either platform ($1 = linux or windows): a symbol for
# slot 0 from the list the click opens, an age for slot 3, a text placed on
# the canvas and a pen stroke.
draw_family() {
  local -n at="$1_at"
  local canvas_x canvas_y dialog
  read -r canvas_x canvas_y <<<"${at[canvas]}"
  # shellcheck disable=SC2086 # "x y" is two arguments
  click ${at[symbol0]} 0.8 && xdotool key --delay 100 Down Down Return && sleep 0.8
  # shellcheck disable=SC2086
  click ${at[age3]} 0.6 && xdotool type --delay 100 "42" && sleep 0.8
  click $((canvas_x + 20)) $((canvas_y + 300)) 0 # an empty place: the text dialog
  dialog=$(wait_for_window "文字の指定" 10)
  sleep 0.8
  xdotool type --delay 60 "Memo"
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  click $((X + 440)) $((Y + 136)) 1 # 決定
  # shellcheck disable=SC2086
  click ${at[pen_mode]} 1
  # Slowly: wine merges mouse moves that queue up, which would make fewer segments.
  drag_pause=0.25 drag $((canvas_x + 60)) $((canvas_y + 100)) $((canvas_x + 80)) $((canvas_y + 110)) \
    $((canvas_x + 100)) $((canvas_y + 120)) $((canvas_x + 120)) $((canvas_y + 130))
  sleep 0.7
}
