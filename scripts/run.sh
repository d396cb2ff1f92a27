#!/usr/bin/env bash
# Installs what is missing, builds, and opens Kinsketch on the bundled sample
# family document, the way the host system starts it: the document is copied
# into the working folder "imgTmp" beside a fresh copy of the program in run/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/scripts/setup.sh"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target kinsketch kinsketch-doc kinsketch-render

run="$root/run"
rm -rf "$run"
mkdir -p "$run/imgTmp"
cp build/app/kinsketch "$run/"
cp samples/sample_family.gdr "$run/imgTmp/sample_family.gdr"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. To run Kinsketch on a virtual screen:"
  echo "  xvfb-run -a -s '-screen 0 1600x1200x24' $run/kinsketch sample_family"
  echo "The results appear in $run/imgTmp (kinsketch.gdr, kinsketch.bmp)."
  exit 1
fi
echo "Working folder: $run/imgTmp"
exec "$run/kinsketch" sample_family
