#!/usr/bin/env python3
"""Fails when a function of the product is longer than the limit.

Functions are found as the formatter lays them out: a signature, then a line
that is only "{" at the start of the line, and the body up to the first line
that is only "}" (or "};") there. Lambdas and nested blocks count towards the
function that holds them. Usage: CheckFunctionLength.py ROOT [LIMIT]
"""
import os
import sys

FOLDERS = ["platform", "store", "list", "transfer", "phone", "controls", "commands", "items", "dialogs", "mainwnd", "app"]


def signature(lines, brace):
    start = brace - 1
    while start > 0:
        above = lines[start - 1]
        if not above.strip() or above.startswith(("}", "//", "#")) or above.rstrip().endswith((";", "{")):
            break
        start -= 1
    return " ".join(line.strip() for line in lines[start:brace])


def long_functions(path, limit):
    with open(path, encoding="utf-8") as source:
        lines = source.read().split("\n")
    found = []
    i = 1
    while i < len(lines):
        if lines[i] == "{":
            end = i + 1
            while end < len(lines) and lines[end] not in ("}", "};"):
                end += 1
            head = signature(lines, i)
            length = end - i - 1
            if length > limit and not head.startswith(("namespace", "class", "struct", "enum", "union")):
                found.append((length, head))
            i = end
        i += 1
    return found


def main():
    root = sys.argv[1]
    limit = int(sys.argv[2]) if len(sys.argv) > 2 else 80
    failures = []
    for folder in FOLDERS:
        for directory, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                if name.endswith(".cpp"):
                    path = os.path.join(directory, name)
                    for length, head in long_functions(path, limit):
                        failures.append(f"{os.path.relpath(path, root)}: {length} lines: {head}")
    if failures:
        print(f"Functions over {limit} lines:", *failures, sep="\n")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
