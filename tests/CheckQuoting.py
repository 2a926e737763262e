#!/usr/bin/env python3
"""Fails when the product quotes a value into SQL text by hand.

Values reach the engine as bound parameters. The one place allowed to quote
is the composing of the list's statements, whose text is also read as text;
quoting itself lives in the catalog. Anything else that calls the quoting
function, or splices a '%1' or a "'" + value after a comparison in a
statement, is reported with its file and line. Usage: CheckQuoting.py ROOT
"""
import os
import re
import sys

FOLDERS = ["platform", "store", "list", "transfer", "phone", "controls", "commands", "items", "dialogs", "mainwnd", "app"]
ALLOWED = {
    "store/catalog/Catalog.h",
    "store/catalog/Catalog.cpp",
    "list/ListStatement.cpp",
    # The server's translation rewrites literals the statement already holds.
    "store/postgres/PgDialect.cpp",
}
PATTERNS = [
    (re.compile(r"\bquote(Literal|Text)\s*\("), "quotes a value by hand"),
    (re.compile(r"(=|<>|\bLIKE|\bIN\s*\()\s*'%\d'", re.IGNORECASE), "splices a value between quotes"),
    (re.compile(r"(=|<>|\bLIKE)\s*'\"\s*\)?\s*\+", re.IGNORECASE), "splices a value between quotes"),
]


def offences(root, relative):
    with open(os.path.join(root, relative), encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            code = line.split("//", 1)[0]
            for pattern, why in PATTERNS:
                if pattern.search(code):
                    yield "%s:%d: %s: %s" % (relative, number, why, line.strip())


def main():
    root = sys.argv[1]
    found = []
    for folder in FOLDERS:
        for directory, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                if not name.endswith((".cpp", ".h")):
                    continue
                relative = os.path.relpath(os.path.join(directory, name), root)
                if relative not in ALLOWED:
                    found.extend(offences(root, relative))
    for line in found:
        print(line)
    if found:
        print("%d place(s) quote values into SQL; bind them instead." % len(found))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
