#!/usr/bin/env python3
"""The distribution's zip as a user unzips it: exactly the files that ship,
each the one the build made, with pelmo.ini and the help page in Shift-JIS.
    dist_zip_test.py ZIP STAGED_FOLDER PELMO_INI_SOURCE VERSION
"""
import sys
import zipfile
from pathlib import Path

EXPECTED = sorted([
    "pelmo.exe", "pelmo.ini", "help/pelmohelp.html", "Image/Wall.bmp", "Image/Metal.bmp",
    "Image/BlueCheck.bmp", "Image/GreenCheck.bmp",
])

failures = []


def check(what, ok):
    print(("ok: " if ok else "FAIL: ") + what)
    if not ok:
        failures.append(what)


def main():
    zip_path, staged, ini_source, version = sys.argv[1:5]
    check("named after version " + version, Path(zip_path).name == "pelmo-%s.zip" % version)
    with zipfile.ZipFile(zip_path) as archive:
        check("the zip is whole", archive.testzip() is None)
        names = sorted(archive.namelist())
        check("exactly the shipped files, nothing of the build: %s" % names, names == EXPECTED)
        members = {name: archive.read(name) for name in names}
    for name, data in members.items():
        check(name + " is the one the build made", data == (Path(staged) / name).read_bytes())

    ini = members.get("pelmo.ini", b"")
    try:
        lines = ini.decode("cp932").splitlines()
    except UnicodeDecodeError:
        lines = None
    check("pelmo.ini is its source in Shift-JIS",
          lines == Path(ini_source).read_text(encoding="utf-8").splitlines())
    check("pelmo.ini leaves the first start to the program", b"[SHELLLINK]" not in ini.upper())
    check("the help page is in Shift-JIS",
          "ポルカミナ".encode("cp932") in members.get("help/pelmohelp.html", b""))
    check("the pictures are BMPs",
          all(members.get(name, b"")[:2] == b"BM" for name in EXPECTED if name.startswith("Image/")))

    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    print("the zip holds the distribution")
    return 0


if __name__ == "__main__":
    sys.exit(main())
