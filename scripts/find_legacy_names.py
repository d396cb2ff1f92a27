#!/usr/bin/env python3
"""Lists identifiers in the C++ sources that still carry a legacy prefix
(mdi, frm, cls, Gfnc, Lfnc, Lsub, xfnc). Strings and comments may keep the
legacy names (error-box titles, objectNames, header notes); code may not.
Exit status 1 when any is found."""
import pathlib
import re
import subprocess
import sys

root = pathlib.Path(__file__).resolve().parent.parent
legacy = re.compile(r"\b(?:mdi|frm|cls|Gfnc|Lfnc|Lsub|xfnc)[A-Za-z0-9_]*")
strings_and_comments = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"', re.S)

files = subprocess.run(["git", "ls-files", "*.cpp", "*.h"], cwd=root, capture_output=True, text=True, check=True).stdout.split()
found = 0
for name in files:
    text = (root / name).read_text(encoding="utf-8")
    code = strings_and_comments.sub(lambda m: "\n" * m.group(0).count("\n"), text)
    for number, line in enumerate(code.split("\n"), 1):
        for match in legacy.finditer(line):
            print(f"{name}:{number}: {match.group(0)}")
            found += 1
print(f"legacy names in code: {found}")
sys.exit(1 if found else 0)
