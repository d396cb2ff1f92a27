#!/usr/bin/env bash
# The recovery copy: five edits and a switch to the WIDE screen on the
# handed-in sample, then kill -9 once the copy is written. The next start with
# the same name asks; はい and a save write what saving those edits in one run
# writes. A copy answered いいえ is gone and the handed-in document opens; a
# start with another name or a new document asks nothing.
source "$(dirname "$0")/e2e_lib.sh"

copy="$work/.kinsketch-recovery/client.gdr"

edit_and_switch() {
  edit_five_times
  click 625 51 2 # 小⇔大
}

save_as() {
  save_and_confirm
  cp "$work/kinsketch.gdr" "$program/$1.gdr"
}

# Starts kinsketch with $1 and waits for the recovery question, which comes before the editing screen.
start_asked() {
  launch "$1"
  wait_for_window "Kinsketch" 10 >/dev/null
}

editing_screen_up() {
  wait_for_window "Kin Sketch" >/dev/null
  sleep 2
}

no_question_for() {
  launch "$1"
  editing_screen_up
  [ -z "$(windows_named Kinsketch)" ] || fail "a start with '$1' asked about client's edits"
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}

start_editing client sample_family.gdr
save_as untouched
start_editing client sample_family.gdr
edit_and_switch
save_as edited
[ ! -e "$copy" ] || fail "a completed save left the recovery copy"

start_editing client sample_family.gdr
edit_and_switch
sleep 2
[ -s "$copy" ] || fail "no recovery copy two seconds after the last edit"
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
start_asked client
answer_yes
editing_screen_up
save_as recovered
cmp -s "$program/edited.gdr" "$program/recovered.gdr" || fail "the recovered edits saved otherwise than the edits"

mkdir -p "$(dirname "$copy")"
cp "$program/edited.gdr" "$copy"
start_asked client
press_in_window "$(wait_for_window "Kinsketch" 5)" space # いいえ, the default
editing_screen_up
[ ! -e "$copy" ] || fail "the recovery copy answered いいえ is still there"
save_as declined
cmp -s "$program/untouched.gdr" "$program/declined.gdr" || fail "いいえ did not open the handed-in document"

cp "$program/edited.gdr" "$copy"
cp "$fixtures/sample_family.gdr" "$work/other.gdr"
no_question_for other
no_question_for new
cmp -s "$program/edited.gdr" "$copy" || fail "a start with another name touched client's recovery copy"
