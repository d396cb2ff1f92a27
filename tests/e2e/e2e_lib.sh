# Helpers for the end-to-end scripts, which drive the real programs under Xvfb with xdotool as a person would.
# The child windows are no X windows, so they are clicked at their places in the maximised main window at 100 %:
# 保存 (256, 51), 終了 (306, 51), 元に戻す (362, 51), やり直し (424, 51), 印刷 (477, 51), 決定 (425, 647), キャンセル
# (563, 647), the switch bar's buttons at (40 + 72 n, 45); the canvas's client area starts at (731, 178).

set -euo pipefail

binary="$1" fixtures="$2" doc_tool="$3" render_tool="$4"

# A program folder of its own, as the working folder "imgTmp" lies beside the binary; at exit pid ends and it goes.
program="$(mktemp -d)"
work="$program/imgTmp"
mkdir -p "$work"
cp "$binary" "$program/"
pid=""
# The user's settings stay out; the places below are those of the 100 % layout, not of the size 自動 fits.
export XDG_CONFIG_HOME="$program/config"
set_display_size() { mkdir -p "$XDG_CONFIG_HOME/Kinsketch"; printf '[display]\npercent=%s\n' "$1" >"$XDG_CONFIG_HOME/Kinsketch/Kinsketch.conf"; }
set_display_size 100
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$program"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
launch() { "$program/kinsketch" "$@" & pid=$!; }

# Starts kinsketch with command line $1 (the fixture $2, if given, handed in as client.gdr) up to the editing screen.
start_editing() { [ -z "${2:-}" ] || cp "$fixtures/$2" "$work/client.gdr"; launch "$1"; editing_screen_up; }
editing_screen_up() { wait_for_window "Kin Sketch" >/dev/null; sleep 2; }

# A press at $1,$2, moves through the points that follow and a release at the last, drag_pause s apart.
drag() {
  xdotool mousemove "$1" "$2" mousedown 1
  shift 2
  while [ $# -ge 2 ]; do
    sleep "${drag_pause:-0.03}"
    xdotool mousemove "$1" "$2"
    shift 2
  done
  sleep "${drag_pause:-0.05}"
  xdotool mouseup 1
  sleep 0.3
}

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-1}"; }

# The canvas two pixels inside its client, clear of the frame that changes with the active window.
canvas_shot() { import -window root -crop 276x326+731+179 "$program/$1.png"; }
differing_pixels() { compare -metric AE "$program/$1.png" "$program/$2.png" null: 2>&1 || true; }

windows_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }

# Waits up to $2 seconds (default 10) for a visible window titled exactly $1; prints its id.
wait_for_window() {
  local name="$1" limit="${2:-10}" waited=0 ids
  until ids="$(windows_named "$name")" && [ -n "$ids" ]; do
    sleep 0.1
    waited=$((waited + 1))
    [ "$waited" -lt $((limit * 10)) ] || fail "no window named '$name' after ${limit}s"
  done
  echo "$ids" | head -n 1
}

# Gives window $1 the keyboard focus, once the toolkit has mapped it, and presses the keys $2...
press_in_window() { sleep 0.3; xdotool windowfocus --sync "$1"; xdotool key "${@:2}"; }

# Presses the keys $@ in the open question box; answer_yes presses はい (its default button is いいえ).
answer() { press_in_window "$(wait_for_window "Kinsketch")" "$@"; sleep 1; }
answer_yes() { answer shift+Tab space; }

window_width() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'; }

now_ms() { date +%s%3N; }

# Waits up to 10 seconds for process $1, a child of this shell, to end, and sets exit_status to its status.
# Not to be run in a subshell: only this shell can collect its children.
wait_for_exit() {
  local waited=0
  while kill -0 "$1" 2>/dev/null && [ -z "$(ps -o stat= -p "$1" | grep Z)" ]; do
    sleep 0.1
    waited=$((waited + 1))
    [ "$waited" -lt 100 ] || fail "process $1 still running after 10s"
  done
  exit_status=0
  wait "$1" || exit_status=$?
}
# The running program ends by itself, with status 0; kill_now ends it at once, as a crash would.
ended_well() { wait_for_exit "$pid"; pid=""; [ "$exit_status" = 0 ] || fail "the program ended with status $exit_status"; }
kill_now() { kill -9 "$pid"; wait "$pid" 2>/dev/null || true; pid=""; }

# 保存, 決定 and はい: the program ends having written the document and the picture kinsketch-render draws of it.
# At another display size save_at and confirm_at give the buttons' places ("x y").
save_and_confirm() {
  # shellcheck disable=SC2086 # "x y" is two arguments
  click ${save_at:-256 51}
  # shellcheck disable=SC2086
  click ${confirm_at:-425 647} 0.5
  answer_yes
  ended_well
  "$render_tool" "$work/kinsketch.gdr" "$program/rendered.bmp"
  cmp -s "$program/rendered.bmp" "$work/kinsketch.bmp" || fail "the picture differs from the saved document's"
}

# The document $1 in the working folder as JSON, for the checks in Python.
dump() { "$doc_tool" dump "$work/$1" >"$program/${1%.gdr}.json"; }

# Types $1 into the text dialog, once it takes keys, and presses its 決定 (the display size ${2:-100} %).
enter_text() {
  local dialog
  dialog=$(wait_for_window "文字の指定" 5)
  sleep 0.8
  xdotool type --delay 30 "$1"
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  click $((X + 440 * ${2:-100} / 100)) $((Y + 136 * ${2:-100} / 100)) 0.7
}

# Five edits of different kinds on the handed-in sample at 100 %: a symbol for slot 0 (its chooser at
# (158, 221) opens its list), an age in slot 3 (its box at (576, 244)), a text, a line's end dragged, a stroke.
edit_five_times() {
  click 158 221 0.6 && xdotool key --delay 100 Down Down Return && sleep 0.8 # a symbol for slot 0
  click 576 244 0.6 && xdotool type --delay 100 "42" && sleep 0.8
  click 751 478 0 # an empty place: the text dialog
  enter_text Memo
  click 112 45 0.8 # 線追加: the added line's handles show
  xdotool mousemove 973 401 mousedown 1 sleep 0.1 mousemove 955 415 sleep 0.1 mousemove 940 430 mouseup 1
  sleep 0.8
  click 184 45 0.8 # 自由線
  xdotool mousemove 760 470 mousedown 1 sleep 0.05 mousemove 800 480 sleep 0.05 mousemove 860 500 mouseup 1
  sleep 0.8
}
