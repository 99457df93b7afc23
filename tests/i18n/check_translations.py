#!/usr/bin/env python3
"""Fails when a translation is not complete and current.

Runs lupdate over the program's sources into copies of the .ts files (the
originals stay as they are), then reads each copy: a text of the source
that the file lacks comes back unfinished, one the source no longer has
comes back vanished. A finished translation must also keep every place
marker (%1, %n) of its source, and fill every plural form.

usage: check_translations.py LUPDATE SOURCES_LIST TS_FILE...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

MARKERS = re.compile(r"%(?:\d+|n)")


def problems(ts_path):
    found = []
    for context in ET.parse(ts_path).iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{ts_path.name}: {name}: {source!r}"
            kind = translation.get("type")
            if kind in ("unfinished", "vanished", "obsolete"):
                found.append(f"{where} is {kind}")
                continue
            forms = translation.findall("numerusform") or [translation]
            for form in forms:
                text = form.text or ""
                if not text:
                    found.append(f"{where} has an empty translation")
                elif sorted(set(MARKERS.findall(text))) != sorted(set(MARKERS.findall(source))):
                    found.append(f"{where} -> {text!r} changes the place markers")
    return found


def main():
    lupdate, sources, ts_files = sys.argv[1], sys.argv[2], [Path(p) for p in sys.argv[3:]]
    with tempfile.TemporaryDirectory() as folder:
        copies = [Path(folder) / ts.name for ts in ts_files]
        for ts, copy in zip(ts_files, copies):
            shutil.copyfile(ts, copy)
        subprocess.run([lupdate, "-locations", "none", "-silent", "@" + sources, "-ts", *map(str, copies)],
                       check=True)
        found = [line for copy in copies for line in problems(copy)]
    for line in found:
        print(line)
    print(f"{len(ts_files)} translation files, {len(found)} problems")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
