#!/usr/bin/env bash
# Starts the real kinsketch as the host does: the splash for 1.5 s before the
# main window, and a second start on the same working folder refused.
source "$(dirname "$0")/e2e_lib.sh"

launch
[ "$(window_width "$(wait_for_window "Kin Sketch")")" -lt 500 ] || fail "the first window is not the splash"
splash_seen=$(now_ms)
while [ "$(window_width "$(wait_for_window "Kin Sketch")")" -lt 500 ]; do sleep 0.05; done
shown_for=$(($(now_ms) - splash_seen))
[ "$shown_for" -ge 1200 ] || fail "splash shown for only ${shown_for} ms"

"$program/kinsketch" new & second=$!
press_in_window "$(wait_for_window "Kinsketch")" Return
wait_for_exit "$second"
[ "$exit_status" -ne 0 ] || fail "the refused start exited with status 0"
