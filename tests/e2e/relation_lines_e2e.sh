#!/usr/bin/env bash
# Draws every 関係線 kind on the handed-in sample as a person would: 自由線,
# the Tool Box's 関係線 list at (1273, 95), lines dragged from person to
# person and marks clicked below the family; 一つ戻る at (1233, 39) takes the
# last one back whole. The saved picture must be the golden one, and the
# saved document opened again by kinsketch and by kinsketch-doc must come back
# the same, byte for byte.
source "$(dirname "$0")/e2e_lib.sh"

golden="$(dirname "$0")/../fixtures/golden/relation_lines.png"
# Screen places of the sample's people at 100 %: slots 1, 2, 5, 6, 7 and 10.
p1="859 218" p2="915 218" p5="827 298" p6="883 298" p7="939 298" p10="851 378"

choose_kind() { # $1: the kind's place in the list, from 0
  click 1273 95 0.6
  xdotool key Home
  for _ in $(seq 1 "$1"); do xdotool key Down; done
  xdotool key Return
  sleep 0.4
}
# shellcheck disable=SC2086 # each place is "x y"
line() { choose_kind "$1" && drag $2 $3; }

start_editing client sample_family.gdr
click 184 45 0.7 # 自由線
line 0 "$p5" "$p6"       # 親密
line 1 "$p6" "$p7"       # 密着
line 2 "$p5" "$p10"      # 対立
line 3 "$p1" "$p2"       # 密着・対立
line 4 "$p10" "960 378"  # 疎遠, to a place that is no person
line 5 "$p7" "$p10"      # 断絶
for kind in 6 7 8 9 10 11; do # 双子 一卵性双子 妊娠 流産 人工中絶 死産
  choose_kind "$kind"
  click $((kind < 8 ? 755 + 60 * (kind - 6) : 870 + 30 * (kind - 8))) 447 0.4
done
canvas_shot all
line 1 "$p2" "$p7"
click 1233 39 0.7 # 一つ戻る
canvas_shot undone
[ "$(differing_pixels all undone)" = 0 ] || fail "一つ戻る did not take the last line back whole"

save_and_confirm
compare -metric AE "$work/kinsketch.bmp" "$golden" null: 2>/dev/null ||
  fail "the saved picture is not $golden (see $work/kinsketch.bmp)"
dump kinsketch.gdr
python3 - "$program/kinsketch.json" <<'PY' || fail "the saved strokes are not the twelve drawn"
import json, sys
records = [r for r in json.load(open(sys.argv[1]))["FreeLine"]["Items"] if r["BorderWidth"]]
strokes = {}
for r in records:
    strokes.setdefault(r["StrokeNo"], []).append(r)
assert len(strokes) == 12 and all(n < 0 for n in strokes), sorted(strokes)
# Each stroke's first point carries its kind in 128ths of a twip; every end is written.
kinds = sorted(round((s[0]["X1"] % 1) * 128) for s in strokes.values())
assert kinds == list(range(1, 13)), kinds
assert all(r["X2"] or r["Y2"] for r in records), records
PY

"$render_tool" --legend --portrait "$work/kinsketch.gdr" "$program/legend.pdf"
legend=$(pdftotext "$program/legend.pdf" - | tr -d ' \n')
for name in 親密 密着 対立 密着・対立 疎遠 断絶 双子 一卵性双子 妊娠 流産 人工中絶 死産; do
  [[ "$legend" == *"$name"* ]] || fail "the printed legend does not name $name"
done
cp "$work/kinsketch.gdr" "$program/first.gdr"
cp "$program/kinsketch.json" "$program/first.json"
cp "$work/kinsketch.gdr" "$work/again.gdr"
rm "$work/kinsketch.gdr" "$work/kinsketch.bmp"
start_editing again
save_and_confirm
cmp -s "$program/first.gdr" "$work/kinsketch.gdr" || fail "opened and saved again, the document changed"
dump kinsketch.gdr
cmp -s "$program/first.json" "$program/kinsketch.json" || fail "kinsketch-doc reads the document differently"
echo "PASS"
