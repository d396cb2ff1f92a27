"""The include-direction check on small trees built in a temporary folder."""

import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                      "..", "..", "scripts", "check_include_directions.py")

TABLE = """# Architecture

## Include directions

| folder | may include | Qt |
|---|---|---|
| `model` | — | no |
| `model/io` | — | no |
| `window` | `model` | yes |

## Next section
"""

BASE = {
    "model/m.h": "#pragma once\n",
    "model/io/reader.h": "#pragma once\n",
    "window/w.h": "#pragma once\n",
}

# name, extra files, table, expected exit status, expected text on stdout or stderr
CASES = [
    ("model including a window header",
     {"model/m.cpp": '#include "m.h"\n#include "window/w.h"\n'}, TABLE, 1,
     ["model/m.cpp:2: model may not include window/w.h (window)",
      "include directions: 4 files checked, 1 violations"]),
    ("model including Qt headers",
     {"model/m.cpp": "#include <vector>\n#include <QWidget>\n#  include <qglobal.h>\n"}, TABLE, 1,
     ["model/m.cpp:2: model may not include Qt header QWidget",
      "model/m.cpp:3: model may not include Qt header qglobal.h"]),
    ("standard headers that start with q are not Qt",
     {"model/m.cpp": "#include <queue>\n#include <quadmath.h>\n"}, TABLE, 0, []),
    ("window including model, same folder, Qt and generated headers",
     {"window/w.cpp": '#include "w.h"\n#include "model/m.h"\n#include <QWidget>\n'
                      '#include "ui_w.h"\n#include "w.moc"\n'}, TABLE, 0,
     ["include directions: 4 files checked, 0 violations"]),
    ("a window reaching into a subfolder its row does not name",
     {"window/w.cpp": '#include "model/io/reader.h"\n'}, TABLE, 1,
     ["window/w.cpp:1: window may not include model/io/reader.h (model/io)"]),
    ("files outside every listed folder: not checked, and not includable",
     {"tests/t.h": '#include "window/w.h"\n#include <QWidget>\n',
      "model/m.cpp": '#include "tests/t.h"\n'}, TABLE, 1,
     ["model/m.cpp:1: model may not include tests/t.h (outside every listed folder)",
      "4 files checked, 1 violations"]),
    ("a table naming a missing folder",
     {}, TABLE.replace("| `window` | `model` | yes |",
                       "| `window` | `model` | yes |\n| `gone` | — | no |"), 2,
     ["no such folder: `gone`"]),
    ("a may-include folder without a row",
     {}, TABLE.replace("`model` | yes", "`model`, `view` | yes"), 2,
     ["`view` may be included by `window` but has no row"]),
    ("a missing section", {}, TABLE.replace("## Include directions", "## Includes"), 2, []),
]


class IncludeDirectionsTest(unittest.TestCase):
    def run_check(self, files, table):
        with tempfile.TemporaryDirectory() as root:
            for path, text in {**BASE, **files}.items():
                os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
                with open(os.path.join(root, path), "w", encoding="utf-8") as f:
                    f.write(text)
            with open(os.path.join(root, "ARCH.md"), "w", encoding="utf-8") as f:
                f.write(table)
            return subprocess.run(
                [sys.executable, SCRIPT, "--root", root, "--table", os.path.join(root, "ARCH.md")],
                capture_output=True, text=True)

    def test_cases(self):
        for name, files, table, status, lines in CASES:
            with self.subTest(name):
                result = self.run_check(files, table)
                self.assertEqual(result.returncode, status, result.stdout + result.stderr)
                for line in lines:
                    self.assertIn(line, result.stdout + result.stderr)


if __name__ == "__main__":
    unittest.main()
