#!/usr/bin/env bash
# The host's round trip on Windows, from the unpacked package under a Japanese
# path: a document put into imgTmp beside kinsketch.exe, the program started
# with its name, a symbol chosen, an age typed, a text placed, a pen stroke
# drawn, 保存, キャンセル, 保存 again (the working document replaced), and
# 決定 → はい over an older picture (replaced). The working document must
# equal, byte for byte, the Linux program's after the same gestures; the
# picture must be kinsketch-render.exe's of that document and, against the
# Linux picture, differ only at its letters' edges (every other pixel equal).
# The recovery copy's folder is hidden, and empty once the picture is taken.
source "$(dirname "$0")/windows_e2e_lib.sh"

start_editing client sample_family.gdr
draw_family linux
save_and_confirm

start_windows client sample_family.gdr
draw_family windows
[ -n "$(ls -A "$windows_work/.kinsketch-recovery")" ] || fail "no recovery copy was kept while editing"
(cd "$windows_program" && wine cmd /c 'attrib imgTmp\.kinsketch-recovery' </dev/null 2>/dev/null) | grep -q '^ *H ' ||
  fail "the recovery folder is not hidden"
# shellcheck disable=SC2086 # "x y" is two arguments
click ${windows_at[save]} 3
cp "$windows_work/kinsketch.gdr" "$windows_root/first-save.gdr" || fail "保存 wrote no working document"
# shellcheck disable=SC2086
click ${windows_at[cancel]} 3
# shellcheck disable=SC2086
click ${windows_at[save]} 3
echo "an older picture" >"$windows_work/kinsketch.bmp"
# shellcheck disable=SC2086
click ${windows_at[confirm]} 1
answer_yes
wait_for_exit "$windows_pid"
windows_pid=""
[ "$exit_status" = 0 ] || fail "kinsketch.exe ended with status $exit_status"

cmp -s "$windows_root/first-save.gdr" "$windows_work/kinsketch.gdr" || fail "the second 保存 wrote another document"
cmp -s "$work/kinsketch.gdr" "$windows_work/kinsketch.gdr" ||
  fail "the working document differs from the Linux program's: $(cmp "$work/kinsketch.gdr" "$windows_work/kinsketch.gdr")"
[ -z "$(ls -A "$windows_work/.kinsketch-recovery")" ] || fail "the recovery copy is still there after 決定"

render_windows() { (cd "$windows_program" && wine kinsketch-render.exe "$@" </dev/null); }
render_windows 'imgTmp\kinsketch.gdr' 'imgTmp\rendered.bmp'
cmp -s "$windows_work/rendered.bmp" "$windows_work/kinsketch.bmp" ||
  fail "the picture differs from the one kinsketch-render.exe draws of the saved document"
render_windows --no-ages --no-remarks --no-texts 'imgTmp\kinsketch.gdr' 'imgTmp\bare.bmp'
"$render_tool" --no-ages --no-remarks --no-texts "$work/kinsketch.gdr" "$program/bare.bmp"
cmp -s "$windows_work/bare.bmp" "$program/bare.bmp" || fail "without its letters the picture differs from Linux's"
"$linux_build/tests/picture/compare_pictures" "$windows_work/kinsketch.bmp" "$work/kinsketch.bmp" "$program/bare.bmp" ||
  fail "the picture's letters differ from Linux's beyond their edges"
echo "round trip under wine: the document equals Linux's byte for byte, the picture but for its letters' edges"
