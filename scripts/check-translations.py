#!/usr/bin/env python3
"""Gathers the program's words afresh with lupdate into copies of translations/*.ts and fails when
any word is new, changed or left unfinished in either language: the translations are whole."""
import pathlib, shutil, subprocess, sys, tempfile

ROOT = pathlib.Path(__file__).resolve().parents[1]
LUPDATE = pathlib.Path("/usr/lib/qt6/bin/lupdate")
if not LUPDATE.exists():
    sys.exit(print("skipped: lupdate is not installed (qt6-l10n-tools)") or 77)
with tempfile.TemporaryDirectory() as tmp:
    copies = []
    for ts in sorted((ROOT / "translations").glob("ondulix_*.ts")):
        copies.append(pathlib.Path(tmp) / ts.name)
        shutil.copy(ts, copies[-1])
    subprocess.run([LUPDATE, "-no-obsolete", "-locations", "none", "-silent", ROOT / "src", "-ts", *copies],
                   check=True)
    marks = {c.name: c.read_text().count('type="unfinished"') for c in copies}
    bad = [f"{name}: {count} words unfinished (run `cmake --build build --target update_translations`)"
           for name, count in marks.items() if count]
    print("\n".join(bad) or f"{len(copies)} translations whole")
    sys.exit(1 if bad else 0)
