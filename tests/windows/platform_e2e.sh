#!/usr/bin/env bash
# What Windows itself does for kinsketch.exe, from the unpacked package under
# wine: one program per working folder (a second start is told so and ends
# with status 1; a kill lets go of the folder), 印刷 into a PDF file, and the
# display size kept in the user's registry.
source "$(dirname "$0")/windows_e2e_lib.sh"

start_windows new
first="$windows_pid"
(cd "$windows_program" && exec wine kinsketch.exe new) &
second=$!
press_in_window "$(wait_for_window "Kinsketch" 30)" Return
wait_for_exit "$second"
[ "$exit_status" = 1 ] || fail "the refused second start ended with status $exit_status"
kill -9 "$first"
wait "$first" 2>/dev/null || true
start_windows new
sleep 2
[ -z "$(windows_named "Kinsketch")" ] || fail "the working folder stayed locked after the first program was killed"

# shellcheck disable=SC2086 # "x y" is two arguments
click ${windows_at[print]} 0
dialog=$(wait_for_window "印刷" 10)
sleep 0.8
eval "$(xdotool getwindowgeometry --shell "$dialog")"
read -r dx dy <<<"${windows_at[print_pdf]}" && click $((X + dx)) $((Y + dy)) 0.5
read -r dx dy <<<"${windows_at[print_path]}" && click $((X + dx)) $((Y + dy)) 0.3
xdotool key ctrl+a
xdotool type --delay 30 'C:\meeting.pdf'
xdotool key Return # 印刷, the dialog's default button
pdf="$WINEPREFIX/drive_c/meeting.pdf"
for _ in $(seq 150); do
  [ -f "$pdf" ] && [ -z "$(windows_named "印刷")" ] && break
  sleep 0.1
done
pdfinfo "$pdf" | grep -Eq '^Pages: +1$' || fail "印刷 wrote no one-page PDF"

# shellcheck disable=SC2086
click ${windows_at[size]} 1 # 表示サイズ: from 100 % up to 自動, kept as 0
xdotool key Up Return
sleep 3
wine reg query 'HKCU\Software\Kinsketch\Kinsketch\display' /v percent </dev/null | grep -Eq 'REG_DWORD +0x0[[:space:]]*$' ||
  fail "the display size is not in the user's registry: $(wine reg query 'HKCU\Software\Kinsketch\Kinsketch' /s </dev/null)"
echo "under wine: one program per working folder, 印刷 to a PDF, the display size in the registry"
