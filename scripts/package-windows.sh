#!/usr/bin/env bash
# Makes kinsketch-windows-x64.zip from a Windows build (scripts/test-windows.sh
# makes one): one folder, kinsketch/, with what cmake/WindowsPackage.cmake
# installs (the four programs, the Qt plugins they load, はじめに.txt) and every
# DLL those import, directly or through another, found in the Qt kit's and
# the cross compiler's folders by reading import tables, all without their
# debugging symbols. What is found in neither is Windows' own and stays out.
#   scripts/package-windows.sh BUILD_DIR QT_KIT [OUT.zip]   (default BUILD_DIR/kinsketch-windows-x64.zip)
set -euo pipefail
build="$(realpath "${1:?usage: $0 BUILD_DIR QT_KIT [OUT.zip]}")"
kit="$(realpath "${2:?usage: $0 BUILD_DIR QT_KIT [OUT.zip]}")"
zip="$(realpath -m "${3:-$build/kinsketch-windows-x64.zip}")"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --strip --prefix "$stage/kinsketch" >"$stage/install.log" 2>&1 ||
  { cat "$stage/install.log" >&2; exit 1; }
for program in kinsketch kinsketch-render kinsketch-doc ovnqtverup; do
  [ -f "$stage/kinsketch/$program.exe" ] || { echo "$0: $build installs no $program.exe" >&2; exit 1; }
done
compiler_runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
python3 - "$stage" "$zip.partial" "$kit/bin" "$compiler_runtime" /usr/x86_64-w64-mingw32/lib <<'PY'
import os, re, shutil, subprocess, sys, zipfile
stage, out, *search = sys.argv[1:]
folder = os.path.join(stage, "kinsketch")
# Windows finds DLLs without regard to case; this file system does not.
available = {}
for directory in search:
    for name in os.listdir(directory):
        if name.lower().endswith(".dll"):
            available.setdefault(name.lower(), os.path.join(directory, name))

def imports(path):
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", path], check=True, capture_output=True, text=True).stdout
    return re.findall(r"^\s*DLL Name: (\S+)", dump, re.M)

waiting = [os.path.join(d, n) for d, _, names in os.walk(folder) for n in names if n.lower().endswith((".exe", ".dll"))]
taken = set()
while waiting:
    for name in imports(waiting.pop()):
        key = name.lower()
        if key in taken or key not in available:
            continue
        taken.add(key)
        copy = os.path.join(folder, os.path.basename(available[key]))
        shutil.copy2(available[key], copy)
        subprocess.run(["x86_64-w64-mingw32-strip", "--strip-unneeded", copy], check=True)
        waiting.append(copy)
print("DLLs taken from their import tables:", ", ".join(sorted(os.path.basename(available[k]) for k in taken)))
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as archive:
    for directory, _, files in sorted(os.walk(folder)):
        for name in sorted(files):
            path = os.path.join(directory, name)
            archive.write(path, os.path.relpath(path, stage))
PY
mv "$zip.partial" "$zip"
echo "$zip"
