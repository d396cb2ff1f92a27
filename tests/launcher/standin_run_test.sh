#!/usr/bin/env bash
# Runs the Linux program on its stand-in platform from a copy of its build
# folder with the sample settings: a first start, a second start while the host
# stand-in still holds the database, and a second copy while one runs.
set -euo pipefail
program_dir="$1"
work="$(mktemp -d)"
host_pids=()
cleanup() { for pid in "${host_pids[@]}"; do kill "$pid" 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT

cp -r "$program_dir" "$work/app"
export XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=offscreen OVNQTVERUP_UNATTENDED=1 OVNQTVERUP_HOST_SECONDS=30
failures=0
expect() {  # expect <run> <fixed text> [absent]
  if grep -qF -- "$2" "$work/$1.out"; then found=present; else found=absent; fi
  [ "$found" = "${3:-present}" ] || { echo "FAIL: expected '$2' ${3:-present} in $1"; failures=$((failures + 1)); }
}
run() { "$work/app/ovnqtverup" > "$work/$1.out" 2>&1; }

run first
host_pids+=($(sed -n 's/.*host stand-in started as process \([0-9]*\).*/\1/p' "$work/first.out"))
expect first "progress window: 設定を読み込み中..."
expect first 'start minimised without focus: C:\Program Files\Microsoft Office\root\Office16\MSACCESS.EXE '
expect first 'DoCmd.OpenForm "frmMenu"'
expect first "message box" absent

for _ in $(seq 50); do grep -q "holds" "$work/first.out" && break; sleep 0.1; done
run second
expect second "bring window of process ${host_pids[0]:-none} to the front"
expect second "start minimised" absent

exec 9> "$work/ovnqtverup.lock"
flock -n 9
run third
exec 9>&-
expect third 'message box "二重起動エラー" (critical): 当システムは既にロードされています'
expect third "progress window" absent

if [ $failures -ne 0 ]; then
  for f in "$work"/*.out; do echo "== $f"; cat "$f"; done
  exit 1
fi
echo "stand-in runs: all as expected"
