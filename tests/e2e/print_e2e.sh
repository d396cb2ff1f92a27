#!/usr/bin/env bash
# 印刷 into a PDF file from the real kinsketch: after an edit of the handed-in
# sample, 印刷 → PDFファイル → a typed path → 印刷 writes a one-page PDF and
# closes the dialog; the canvas looks as before, and the save that follows
# writes what the same edit saved without printing writes.
# The print dialog's controls, from its top-left corner at 100 %: PDFファイル
# (109, 183), the path box (181, 210), where Enter presses 印刷; 印刷 on the
# menu bar at (477, 51).
source "$(dirname "$0")/e2e_lib.sh"

edit_age() { click 576 244 0.6 && xdotool type --delay 100 "42" && sleep 0.8; }

start_editing client sample_family.gdr
edit_age
save_and_confirm
cp "$work/kinsketch.gdr" "$program/unprinted.gdr"

rm -f "$work"/kinsketch.*
start_editing client sample_family.gdr
edit_age
canvas_shot before
click 477 51 0 # 印刷
dialog=$(wait_for_window "印刷" 5)
sleep 0.6
eval "$(xdotool getwindowgeometry --shell "$dialog")"
click $((X + 109)) $((Y + 183)) 0.5 # PDFファイル
click $((X + 181)) $((Y + 210)) 0.3 # the path box
xdotool key ctrl+a
xdotool type --delay 30 "$program/meeting.pdf"
xdotool key Return # 印刷, the dialog's default button
# The file appears whole or not at all; a slow build gets ten seconds.
for _ in $(seq 100); do
  [ -f "$program/meeting.pdf" ] && [ -z "$(windows_named "印刷")" ] && break
  sleep 0.1
done
[ -f "$program/meeting.pdf" ] || fail "印刷 wrote no PDF"
pdfinfo "$program/meeting.pdf" | grep -Eq '^Pages: +1$' || fail "the PDF is not one page: $(pdfinfo "$program/meeting.pdf")"
[ -z "$(windows_named "印刷")" ] || fail "the print dialog is still open"
canvas_shot after
[ "$(differing_pixels before after)" = 0 ] || fail "the canvas changed with printing in $(differing_pixels before after) pixels"
save_and_confirm
cmp -s "$program/unprinted.gdr" "$work/kinsketch.gdr" || fail "the save after printing differs from the one without"
