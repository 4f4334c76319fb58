#!/usr/bin/env python3
"""Marks every installed header's declarations as exported from a shared
library: '#pragma GCC visibility push(default)' after the header's includes and
'#pragma GCC visibility pop' at its end. Headers already marked, private
headers (*_p.h) and the platform implementations lose such marks.
Usage: scripts/mark-public-headers.py [root]"""
import pathlib
import re
import sys

LIBRARY_DIRS = ["framework", "utils", "persistence", "gdiplus", "pictures", "graphics", "styles", "pathbar"]
PUSH = "#pragma GCC visibility push(default)"
POP = "#pragma GCC visibility pop"


def headers(root, public):
    for folder in LIBRARY_DIRS:
        for header in sorted((root / folder).rglob("*.h")):
            relative = header.relative_to(root).as_posix()
            private = header.name.endswith("_p.h") or re.match(r"framework/platform/[^/]+/", relative)
            if bool(private) != public:
                yield header


def unmark(header):
    """A private header keeps the default of its library: hidden."""
    text = header.read_text()
    kept = "\n".join(line for line in text.split("\n") if line.strip() not in (PUSH, POP))
    kept = re.sub(r"\n{3,}", "\n\n", kept)
    if kept == text:
        return False
    header.write_text(kept.rstrip("\n") + "\n")
    return True


def mark(header):
    lines = header.read_text().split("\n")
    if any(line.strip() == PUSH for line in lines):
        return False
    # Before the first declaration, after the includes that come before it:
    # what the header includes keeps its own visibility, and every
    # declaration, forward ones too, is inside.
    after, in_comment = 0, False
    for index, line in enumerate(lines):
        stripped = line.strip()
        if in_comment:
            in_comment = "*/" not in stripped
            continue
        if stripped.startswith("/*"):
            in_comment = "*/" not in stripped
            continue
        if not stripped or stripped.startswith("//"):
            continue
        if stripped.startswith("#include") or stripped == "#pragma once":
            after = index + 1
            continue
        if stripped.startswith("#"):
            continue
        break
    while lines and lines[-1] == "":
        lines.pop()
    lines[after:after] = ["", PUSH]
    lines += ["", POP, ""]
    header.write_text("\n".join(lines))
    return True


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    marked = [h for h in headers(root, True) if mark(h)]
    unmarked = [h for h in headers(root, False) if unmark(h)]
    print(f"{len(marked)} headers marked, {len(unmarked)} private headers unmarked")


if __name__ == "__main__":
    main()
