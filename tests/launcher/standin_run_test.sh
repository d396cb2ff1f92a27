#!/usr/bin/env bash
# Runs the Linux program on its stand-in platform the way a newcomer would,
# from a copy of its build folder with the sample settings, and checks what
# it printed: a first start, a second start while the host stand-in still
# holds the database, a second copy while one runs, and a missing settings file.
set -euo pipefail
program_dir="$1"
work="$(mktemp -d)"
host_pids=()
cleanup() {
  for pid in "${host_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

cp -r "$program_dir" "$work/app"
export XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=offscreen OVNQTVERUP_UNATTENDED=1 OVNQTVERUP_HOST_SECONDS=30
failures=0
expect() {  # expect <output file> <fixed text> [absent]
  if grep -qF -- "$2" "$1"; then found=1; else found=0; fi
  if [ "${3:-}" = absent ] && [ $found = 1 ]; then echo "FAIL: '$2' printed in $1"; failures=$((failures + 1)); fi
  if [ "${3:-}" != absent ] && [ $found = 0 ]; then echo "FAIL: '$2' missing from $1"; failures=$((failures + 1)); fi
}
run() { "$work/app/ovnqtverup" > "$work/$1.out" 2>&1; }

run first
host_pids+=($(sed -n 's/.*host stand-in started as process \([0-9]*\).*/\1/p' "$work/first.out"))
expect "$work/first.out" "progress window: 設定を読み込み中..."
expect "$work/first.out" 'start minimised without focus: C:\Program Files\Microsoft Office\root\Office16\MSACCESS.EXE '
expect "$work/first.out" 'SetOption "Behavior Entering Field", 1'
expect "$work/first.out" 'DoCmd.OpenForm "frmMenu"'
expect "$work/first.out" "message box" absent

for _ in $(seq 50); do grep -q "holds" "$work/first.out" && break; sleep 0.1; done
run second
expect "$work/second.out" "in use by another process"
expect "$work/second.out" "bring window of process ${host_pids[0]:-none} to the front"
expect "$work/second.out" "start minimised" absent

exec 9> "$work/ovnqtverup.lock"
flock -n 9
run third
exec 9>&-
expect "$work/third.out" 'message box "二重起動エラー" (critical): 当システムは既にロードされています'
expect "$work/third.out" "progress window" absent

rm "$work/app/ovnVerUP.ini"
run fourth
expect "$work/fourth.out" 'message box "Inifile Error!!" (critical)'
expect "$work/fourth.out" '(ini/VerUp/AppDB)'

if [ $failures -ne 0 ]; then
  for f in "$work"/*.out; do echo "== $f"; cat "$f"; done
  exit 1
fi
echo "stand-in runs: all as expected"
