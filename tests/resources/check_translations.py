#!/usr/bin/env python3
"""The translation catalogues are whole and up to date with the code.

Usage: check_translations.py LUPDATE TS_DIR SOURCE...

Each catalogue has a finished, non-empty translation for every text, keeping the
text's place markers (%1, %2) and access key; and lupdate, run over the code as the
build's update_translations does, would change none of them (no text new, vanished or
left over).
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def problems_of(ts: Path) -> list[str]:
    found = []
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            where = f"{ts.name}: {name}: {source!r}"
            if translation is None or translation.get("type"):
                kind = "missing" if translation is None else translation.get("type")
                found.append(f"{where} is {kind}")
                continue
            text = translation.text or ""
            if not text.strip():
                found.append(f"{where} has an empty translation")
            if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                found.append(f"{where}: place markers differ in {text!r}")
            if ("&" in source) != ("&" in text):
                found.append(f"{where}: access key differs in {text!r}")
    return found


def main() -> int:
    lupdate, ts_dir, sources = sys.argv[1], Path(sys.argv[2]), sys.argv[3:]
    catalogues = sorted(ts_dir.glob("*.ts"))
    problems = [p for ts in catalogues for p in problems_of(ts)]
    with tempfile.TemporaryDirectory() as scratch:
        copies = [Path(scratch) / ts.name for ts in catalogues]
        for ts, copy in zip(catalogues, copies):
            shutil.copyfile(ts, copy)
        subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", *sources,
                        "-ts", *map(str, copies)], check=True)
        for ts, copy in zip(catalogues, copies):
            if ts.read_bytes() != copy.read_bytes():
                problems.append(f"{ts.name} is not up to date with the code: "
                                "build the update_translations target")
    for problem in problems:
        print(problem)
    print(f"{len(catalogues)} catalogues, {len(problems)} problems")
    return 1 if problems or not catalogues else 0


if __name__ == "__main__":
    sys.exit(main())
