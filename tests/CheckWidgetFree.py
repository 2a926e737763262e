#!/usr/bin/env python3
"""Fails when a core library needs a symbol of Qt Widgets.

The cores (everything below platform/widgets) and the head-less server's own
object are read with nm: any symbol they leave undefined that the Qt Widgets
library defines means that they would pull in widgets. Usage:
CheckWidgetFree.py WIDGETS_SO ARCHIVE[:MEMBER] ...; a MEMBER limits an archive
to one of its objects.
"""
import subprocess
import sys


def symbols(arguments):
    output = subprocess.run(["nm", "--format=posix", *arguments], check=True, capture_output=True, text=True).stdout
    return output.splitlines()


def widget_symbols(shared_object):
    return {line.split()[0].split("@")[0] for line in symbols(["-D", "--defined-only", shared_object]) if line.strip()}


def needed(archive, member):
    found = {}
    for line in symbols(["-A", "--undefined-only", archive]):
        where, _, rest = line.partition(": ")
        if not rest or (member and not where.endswith("[" + member + "]") and not where.endswith(":" + member)):
            continue
        found.setdefault(rest.split()[0], where)
    return found


def main():
    widgets = widget_symbols(sys.argv[1])
    problems = 0
    for target in sys.argv[2:]:
        archive, _, member = target.partition(":")
        for symbol, where in sorted(needed(archive, member).items()):
            if symbol in widgets:
                print(f"{where}: needs {symbol}")
                problems += 1
    print(f"{problems} widget symbol(s) needed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
