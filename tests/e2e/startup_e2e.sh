#!/usr/bin/env bash
# Starts the real kinsketch as the host does and checks what a person sees:
# the splash before the main window, "new" without it, a second start
# refused, a handed-in document read without complaint and a missing one
# reported.
source "$(dirname "$0")/e2e_lib.sh"

launch
splash=$(wait_for_window "Kin Sketch")
[ "$(window_width "$splash")" -lt 500 ] || fail "the first window is not the splash"
splash_seen=$(now_ms)
while [ "$(window_width "$(wait_for_window "Kin Sketch")")" -lt 500 ]; do sleep 0.05; done
shown_for=$(($(now_ms) - splash_seen))
[ "$shown_for" -ge 1200 ] || fail "splash shown for only ${shown_for} ms"

"$program/kinsketch" new & second=$!
press_in_window "$(wait_for_window "Kinsketch")" Return
wait_for_exit "$second"
[ "$exit_status" -ne 0 ] || fail "the refused start exited with status 0"
stop_program

launch new
[ "$(window_width "$(wait_for_window "Kin Sketch")")" -ge 500 ] || fail "'new' showed the splash"
stop_program

cp "$fixtures/sample_family.gdr" "$work/client.gdr"
launch client
wait_for_window "Kin Sketch" >/dev/null
sleep 0.5
[ -z "$(windows_named "Error At clsGdrOpe.ReadGdrFile")" ] || fail "reading client.gdr showed an error"
[ -f "$work/client.gdr" ] || fail "the handed-in document was removed"
stop_program

launch nosuchclient
wait_for_window "Error At clsGdrOpe.ReadGdrFile" >/dev/null
