#!/usr/bin/env bash
# The command-line tools built for Windows against the Linux ones, under wine
# in the prefix the caller made: kinsketch-doc.exe reads every fixture document
# and writes new and JSON-made documents byte for byte as kinsketch-doc does;
# kinsketch-render.exe writes PDFs that poppler reads back as one page of the
# chosen paper, titled after the document, holding its texts, and refuses SVG,
# which the Windows build has not.
#   same_as_linux.sh WINDOWS_BUILD LINUX_BUILD
set -euo pipefail
windows_build="$1" linux_build="$2"
fixtures="$(cd "$(dirname "$0")/../fixtures" && pwd)"
out="$windows_build/same-as-linux"
rm -rf "$out" && mkdir -p "$out"
source "$(dirname "$0")/../../scripts/wine_lib.sh"

linux_doc="$linux_build/cli/doc/kinsketch-doc"
windows() { wine "$windows_build/cli/$1/kinsketch-$1.exe" "${@:2}" | tr -d '\r'; }
differing=0
differ() {
  echo "differs from Linux: $*" >&2
  differing=$((differing + 1))
}
same() { cmp -s "$1" "$2" || differ "$2"; }

"$linux_doc" new "$out/new.linux.gdr"
windows doc new "$(wine_path "$out/new.windows.gdr")"
same "$out/new.linux.gdr" "$out/new.windows.gdr"
compared=1
for fixture in "$fixtures"/documents/*.gdr; do
  name="$(basename "$fixture" .gdr)"
  "$linux_doc" dump "$fixture" >"$out/$name.linux.json"
  windows doc dump "$(wine_path "$fixture")" >"$out/$name.windows.json"
  same "$out/$name.linux.json" "$out/$name.windows.json"
  "$linux_doc" write "$out/$name.linux.json" "$out/$name.linux.gdr"
  windows doc write "$(wine_path "$out/$name.linux.json")" "$(wine_path "$out/$name.windows.gdr")"
  same "$out/$name.linux.gdr" "$out/$name.windows.gdr"
  compared=$((compared + 2))
done
echo "kinsketch-doc.exe: $((compared - differing)) of $compared outputs identical to Linux"

wide="$fixtures/canvas/wide_every_layer.gdr"
windows render "$(wine_path "$wide")" "$(wine_path "$out/wide.pdf")"
windows render --paper=A3 --portrait "$(wine_path "$wide")" "$(wine_path "$out/wide-a3.pdf")"
for page in "wide.pdf:842 x 595 pts (A4)" "wide-a3.pdf:842 x 1191 pts (A3)"; do
  info="$(pdfinfo "$out/${page%%:*}")"
  grep -Eq '^Pages: +1$' <<<"$info" || differ "${page%%:*} is not one page"
  grep -Fq "Page size:       ${page#*:}" <<<"$info" || differ "${page%%:*} is not ${page#*:}"
  grep -Eq '^Title: +wide_every_layer$' <<<"$info" || differ "${page%%:*} is not titled after its document"
done
"$linux_doc" dump "$wide" | python3 -c '
import json, sys
doc = json.load(sys.stdin)
print("\n".join(t for t in doc["AgeText"] + doc["RelText"] + [l["Caption"] for l in doc["TextLabel"] if l["Used"]] if t))
' | tr -d '\r' >"$out/wide.texts"
pdftotext -raw "$out/wide.pdf" - | tr -d ' \n' >"$out/wide.pdf.text"
while read -r text; do
  grep -Fq "${text// /}" "$out/wide.pdf.text" || differ "wide.pdf lacks the text $text"
done <"$out/wide.texts"
status=0
windows render "$(wine_path "$wide")" "$(wine_path "$out/wide.svg")" 2>"$out/svg.err" || status=$?
[ "$status" = 2 ] && grep -q "SVG output is not available" "$out/svg.err" || differ "kinsketch-render.exe answers .svg with status $status"
echo "kinsketch-render.exe: PDFs read back by poppler, SVG refused"
[ "$differing" -eq 0 ]
