#!/usr/bin/env python3
"""Fails when a C++ #include runs against the table of allowed directions.

The linker only sees dependencies that carry code; a header-only include from
a lower folder into a higher one goes unnoticed until the layers have grown
into each other. The table lives under "## Include directions" in
docs/ARCHITECTURE.md, so the rule and its description cannot drift apart.

Exit status: 0 when every include is allowed, 1 when some is not, 2 when the
table cannot be used (missing, malformed, or naming a folder that does not
exist: a renamed folder must not silently switch the check off).
"""

import argparse
import os
import re
import sys

HEADING = "## Include directions"
COLUMNS = ["folder", "may include", "qt"]
NOTHING = {"—", "–", "-"}
SOURCE_SUFFIXES = (".h", ".hh", ".hpp", ".hxx", ".inl", ".ipp", ".cpp", ".cc", ".cxx")

INCLUDE = re.compile(r'^\s*#\s*include\s*(?:<([^>]+)>|"([^"]+)")')
# <QWidget>, <QtGlobal>, <QtCore/qstring.h>, <qglobal.h>, <private/qobject_p.h>.
QT_HEADER = re.compile(r"^(?:Qt\w*/.+|Q\w+|(?:private/)?q\w*\.h)$")
# The one toolchain header that shares Qt's lower-case naming.
NOT_QT = {"quadmath.h"}
BACKTICKED = re.compile(r"^`([^`]+)`$")


class TableError(Exception):
    pass


def normalise_folder(text, where):
    folder = text.strip().strip("/")
    parts = folder.split("/")
    if not folder or os.path.isabs(text.strip()) or any(p in ("", ".", "..") for p in parts):
        raise TableError(f"{where}: `{text}` is not a repository-relative folder")
    return folder


def backticked_folder(cell, where):
    match = BACKTICKED.match(cell.strip())
    if not match:
        raise TableError(f"{where}: expected one folder in backticks, found '{cell.strip()}'")
    return normalise_folder(match.group(1), where)


def split_row(line):
    cells = line.strip()
    if not cells.startswith("|"):
        return None
    return [c.strip() for c in cells.strip("|").split("|")]


def read_table(table_path):
    """Returns {folder: (frozenset of allowed folders, qt_allowed)}."""
    try:
        with open(table_path, encoding="utf-8") as f:
            lines = f.read().splitlines()
    except OSError as e:
        raise TableError(f"cannot read the table: {e.strerror}")

    try:
        start = next(i for i, l in enumerate(lines) if l.rstrip() == HEADING)
    except StopIteration:
        raise TableError(f"no heading '{HEADING}'")

    section = []
    for number, line in enumerate(lines[start + 1:], start + 2):
        if re.match(r"^#{1,2}\s", line):
            break
        section.append((number, line))

    rows = [(n, split_row(l)) for n, l in section]
    table = [(n, cells) for n, cells in rows if cells is not None]
    if not table:
        raise TableError(f"no table under '{HEADING}'")
    first = table[0][0]
    # The table must be one block: a stray row further down would otherwise be
    # read as a rule nobody sees in the rendered document.
    if [n for n, _ in table] != list(range(first, first + len(table))):
        raise TableError(f"line {first}: the table under '{HEADING}' is interrupted")

    header_line, header = table[0]
    if [c.lower() for c in header] != COLUMNS:
        raise TableError(f"line {header_line}: columns must be | folder | may include | Qt |")
    if len(table) < 2 or not all(re.fullmatch(r":?-+:?", c) for c in table[1][1]):
        raise TableError(f"line {header_line}: the header is not followed by a separator row")

    rules = {}
    for number, cells in table[2:]:
        where = f"line {number}"
        if len(cells) != 3:
            raise TableError(f"{where}: a row needs 3 cells, found {len(cells)}")
        folder = backticked_folder(cells[0], where)
        if folder in rules:
            raise TableError(f"{where}: `{folder}` has two rows")
        allowed = set()
        if cells[1] not in NOTHING:
            allowed = {backticked_folder(item, where) for item in cells[1].split(",")}
        qt = cells[2].lower()
        if qt not in ("yes", "no"):
            raise TableError(f"{where}: Qt must be yes or no, found '{cells[2]}'")
        rules[folder] = (allowed, qt == "yes", where)
    if not rules:
        raise TableError(f"the table under '{HEADING}' has no rows")

    for folder, (allowed, _, where) in rules.items():
        # An owner is always a row's folder, so an unlisted target could never match.
        unlisted = sorted(allowed - rules.keys())
        if unlisted:
            raise TableError(f"{where}: `{unlisted[0]}` may be included by `{folder}` but has no row")
    return {folder: (frozenset(allowed), qt) for folder, (allowed, qt, _) in rules.items()}


def owner_of(path, folders):
    owners = [f for f in folders if path == f or path.startswith(f + "/")]
    return max(owners, key=len) if owners else None


def relative(root, path):
    return os.path.relpath(path, root).replace(os.sep, "/")


def resolve(root, including_dir, name):
    for base in (including_dir, root):
        candidate = os.path.normpath(os.path.join(base, name))
        if os.path.isfile(candidate):
            return candidate
    return None


def source_files(root, folders):
    found = set()
    for folder in folders:
        for directory, _, names in os.walk(os.path.join(root, folder)):
            found.update(os.path.join(directory, n) for n in names if n.endswith(SOURCE_SUFFIXES))
    return sorted(found)


def check(root, rules):
    folders = list(rules)
    violations = []
    files = source_files(root, folders)
    for path in files:
        rel = relative(root, path)
        owner = owner_of(rel, folders)
        allowed, qt_allowed = rules[owner]
        with open(path, encoding="utf-8", errors="replace") as f:
            for number, line in enumerate(f, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                angled, quoted = match.groups()
                target = resolve(root, os.path.dirname(path), quoted) if quoted else None
                if target is None:
                    # Not a file of the tree: a system, Qt or generated (moc, ui) header.
                    name = angled or quoted
                    if not qt_allowed and QT_HEADER.match(name) and name not in NOT_QT:
                        violations.append(f"{rel}:{number}: {owner} may not include Qt header {name}")
                    continue
                target_rel = relative(root, target)
                target_owner = owner_of(target_rel, folders)
                if target_owner != owner and target_owner not in allowed:
                    shown = target_owner or "outside every listed folder"
                    violations.append(
                        f"{rel}:{number}: {owner} may not include {target_rel} ({shown})")
    return len(files), violations


def main(argv=None):
    default_root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=default_root, help="repository root")
    parser.add_argument("--table", help="markdown file holding the table "
                        "(default: docs/ARCHITECTURE.md under the root)")
    args = parser.parse_args(argv)
    root = os.path.abspath(args.root)
    table_path = args.table or os.path.join(root, "docs", "ARCHITECTURE.md")

    try:
        rules = read_table(table_path)
        missing = [f for f in rules if not os.path.isdir(os.path.join(root, f))]
        if missing:
            raise TableError("no such folder: " + ", ".join(f"`{f}`" for f in missing))
    except TableError as e:
        print(f"{table_path}: {e}", file=sys.stderr)
        return 2

    checked, violations = check(root, rules)
    for violation in violations:
        print(violation)
    print(f"include directions: {checked} files checked, {len(violations)} violations")
    return 1 if violations else 0


if __name__ == "__main__":
    sys.exit(main())
