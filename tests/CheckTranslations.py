#!/usr/bin/env python3
"""Checks the translations of the interface.

complete ROOT: every text of every translations/*.ts file has a finished,
non-empty translation that keeps the source's %1 arguments and its "&"
accelerator.

current ROOT LUPDATE: the .ts files hold exactly the texts the sources mark
today. lupdate is run on a copy of each file; a text added, changed or
removed in the sources but not in the file fails.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PRODUCT_DIRS = ["platform", "store", "list", "transfer", "phone", "controls", "commands", "items", "dialogs", "mainwnd", "app"]


def ts_files(root):
    return sorted((root / "translations").glob("grocelle_*.ts"))


def messages(path):
    """(context, source, translation element) of each text, obsolete ones left out."""
    found = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else None
            if kind in ("obsolete", "vanished"):
                continue
            found.append((name, message.findtext("source"), translation))
    return found


def accelerator(text):
    # "&&" is a literal ampersand, and so is one between words ("Pasta &
    # Grains"): an accelerator marks the letter after it.
    return re.search(r"&[^&\s]", text.replace("&&", "")) is not None


def problems_of(path):
    problems = []
    for context, source, translation in messages(path):
        where = f"{path.name}: {context}: {source!r}"
        if translation is None or translation.get("type") == "unfinished":
            problems.append(f"{where}: unfinished")
            continue
        # A text with a count has one form per plural of the language, and
        # each keeps the arguments; "%n" may be left out of a form (a
        # language may say "one" in words).
        forms = [form.text or "" for form in translation.findall("numerusform")]
        for text in forms or [translation.text or ""]:
            problems += problems_of_text(where, source, text)
    return problems


def problems_of_text(where, source, text):
    if not text.strip() and source.strip():
        return [f"{where}: empty"]
    problems = []
    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
        problems.append(f"{where}: arguments differ in {text!r}")
    if accelerator(source) != accelerator(text):
        problems.append(f"{where}: accelerator differs in {text!r}")
    return problems


def check_complete(root):
    files = ts_files(root)
    if not files:
        return ["no translations/grocelle_*.ts file"]
    problems = []
    for path in files:
        problems += problems_of(path)
    return problems


def check_current(root, lupdate):
    problems = []
    sources = [str(root / d) for d in PRODUCT_DIRS if (root / d).is_dir()]
    with tempfile.TemporaryDirectory() as work:
        for path in ts_files(root):
            copy = pathlib.Path(work) / path.name
            shutil.copy(path, copy)
            subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", "-extensions", "cpp,h", "-I", str(root)]
                           + sources + ["-ts", str(copy)], check=True, stdout=subprocess.DEVNULL)
            before = {(c, s) for c, s, _ in messages(path)}
            after = {(c, s) for c, s, _ in messages(copy)}
            for context, source in sorted(after - before):
                problems.append(f"{path.name}: {context}: {source!r} is marked in the sources but missing")
            for context, source in sorted(before - after):
                problems.append(f"{path.name}: {context}: {source!r} is no longer in the sources")
    return problems


def main(argv):
    if len(argv) < 3 or argv[1] not in ("complete", "current"):
        print(__doc__, file=sys.stderr)
        return 2
    root = pathlib.Path(argv[2])
    problems = check_complete(root) if argv[1] == "complete" else check_current(root, argv[3])
    for problem in problems:
        print(problem)
    print(f"{len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
