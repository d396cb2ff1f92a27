#!/usr/bin/env bash
# Starts the real kinsketch as the host does and checks what a person sees:
# the splash before the main window, "new" without it, a handed-in document
# read without complaint, and a second start refused.
source "$(dirname "$0")/e2e_lib.sh"
binary="$1"
fixtures="$2"

program="$(make_program_folder "$binary")"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$program"
}
trap cleanup EXIT

# No argument: the splash window first, the main window 1.5 s later.
started=$(now_ms)
"$program/kinsketch" & pids+=($!)
splash=$(wait_for_window "Kin Sketch")
[ "$(window_width "$splash")" -lt 500 ] || fail "the first window is not the splash"
splash_seen=$(now_ms)
while [ "$(window_width "$(wait_for_window "Kin Sketch")")" -lt 500 ]; do sleep 0.05; done
main_seen=$(now_ms)
shown_for=$((main_seen - splash_seen))
[ "$shown_for" -ge 1200 ] || fail "splash shown for only ${shown_for} ms"
echo "splash after $((splash_seen - started)) ms, main window $shown_for ms later"

# A second start on the same working folder is refused and ends.
"$program/kinsketch" new & second=$!
box=$(wait_for_window "Kinsketch")
press_in_window "$box" Return
wait_for_exit "$second"
status=$exit_status
[ "$status" -ne 0 ] || fail "the refused start exited with status 0"
echo "second start refused with status $status"
kill "${pids[0]}"; wait "${pids[0]}" 2>/dev/null || true
pids=()

# "new": the main window at once, no splash.
"$program/kinsketch" new & pids+=($!)
main=$(wait_for_window "Kin Sketch")
[ "$(window_width "$main")" -ge 500 ] || fail "'new' showed the splash"
kill "${pids[0]}"; wait "${pids[0]}" 2>/dev/null || true
pids=()

# A handed-in document is read without an error box; a missing one is reported.
cp "$fixtures/sample_family.gdr" "$program/imgTmp/client.gdr"
"$program/kinsketch" client & pids+=($!)
wait_for_window "Kin Sketch" >/dev/null
sleep 0.5
[ -z "$(windows_named "Error At clsGdrOpe.ReadGdrFile")" ] || fail "reading client.gdr showed an error"
[ -f "$program/imgTmp/client.gdr" ] || fail "the handed-in document was removed"
kill "${pids[0]}"; wait "${pids[0]}" 2>/dev/null || true
pids=()

"$program/kinsketch" nosuchclient & pids+=($!)
box=$(wait_for_window "Error At clsGdrOpe.ReadGdrFile")
echo "a missing document is reported"
echo "1 passed, 0 failed"
