# Helpers for end-to-end tests that drive the real programs under Xvfb with
# xdotool, as a person would. Sourced by the test scripts.

set -euo pipefail

# A fresh program folder with its own copy of the binary, since the working
# folder "imgTmp" lies beside the executable.
make_program_folder() {
  local binary="$1"
  local folder
  folder="$(mktemp -d)"
  cp "$binary" "$folder/"
  mkdir -p "$folder/imgTmp"
  echo "$folder"
}

# Sets program to a fresh program folder for binary $1, and removes it (and
# ends the program whose id is in pid, if still running) when the script ends.
use_program_folder() {
  program="$(make_program_folder "$1")"
  pid=""
  trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$program"' EXIT
}

# The canvas at its preview place, two pixels inside its client, clear of the
# frame that changes with the active window.
canvas_shot() { import -window root -crop 276x326+731+172 "$1"; }
differing_pixels() { compare -metric AE "$1" "$2" null: 2>&1 || true; }

# Answers the open question box with はい (its default button is いいえ).
answer_yes() {
  press_in_window "$(wait_for_window "Kinsketch" 5)" shift+Tab space
}

# 保存 on the menu bar, 決定 in the picture confirmation and はい; waits for
# the program ($pid) to end. The child windows are reached at their places in
# the maximised main window: 保存 (251, 52) and 決定 (425, 647).
save_and_confirm() {
  xdotool mousemove 251 52 click 1
  sleep 1
  xdotool mousemove 425 647 click 1
  sleep 0.5
  answer_yes
  wait_for_exit "$pid"
  pid=""
}

# Window ids whose title is exactly $1 (visible ones only).
windows_named() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true
}

# Waits up to $2 seconds (default 10) for a visible window titled exactly $1; prints its id.
wait_for_window() {
  local name="$1" limit="${2:-10}" waited=0 ids
  while :; do
    ids="$(windows_named "$name")"
    if [ -n "$ids" ]; then
      echo "$ids" | head -n 1
      return 0
    fi
    sleep 0.1
    waited=$((waited + 1))
    if [ "$waited" -ge $((limit * 10)) ]; then
      echo "no window named '$name' after ${limit}s" >&2
      return 1
    fi
  done
}

# Gives window $1 the keyboard focus and presses the keys $2...
press_in_window() {
  local window="$1"
  shift
  sleep 0.3 # the toolkit maps the window before it takes input
  xdotool windowfocus --sync "$window"
  xdotool key "$@"
}

window_width() {
  xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'
}

# Waits up to $2 seconds (default 10) for process $1, a child of this shell,
# to end, and sets exit_status to its status. Not to be run in a subshell:
# only this shell can collect its children.
wait_for_exit() {
  local pid="$1" limit="${2:-10}" waited=0
  while kill -0 "$pid" 2>/dev/null && [ -z "$(ps -o stat= -p "$pid" | grep Z)" ]; do
    sleep 0.1
    waited=$((waited + 1))
    if [ "$waited" -ge $((limit * 10)) ]; then
      echo "process $pid still running after ${limit}s" >&2
      return 1
    fi
  done
  exit_status=0
  wait "$pid" || exit_status=$?
}

now_ms() { date +%s%3N; }

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
