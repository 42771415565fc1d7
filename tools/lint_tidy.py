#!/usr/bin/env python3
"""Runs clang-tidy (checks in .clang-tidy) over what both configurations compile.

    lint_tidy.py NATIVE_BUILD WINDOWS_BUILD [JOBS]

Each source file is checked once: those the native configuration compiles
(the pure core, its tests, pelmo-cal) with the native compile commands,
every other file of ours with the Windows ones. The Windows commands are
mingw-w64 g++'s; clang is given them as a filtered copy in lint/ beside
the build folders:
without the execution charset (clang has only UTF-8), with the mingw target
so that it parses the mingw-w64 headers, and with the C++ library headers
that g++ itself uses. Prints each finding once (a header's finding comes
from every file that includes it) and exits 1 when there is any.
"""
import concurrent.futures
import json
import os
import re
import shlex
import subprocess
import sys
import time

TOP = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
OURS = ("core", "platform", "settings", "view", "memo", "design", "tooltips", "dialogs", "shell",
        "res", "tests", "bench", "tools")
TARGET = "--target=x86_64-w64-mingw32"
# Flags of g++ that clang refuses or reads otherwise.
GCC_ONLY = re.compile(r"^-fexec-charset=")
FINDING = re.compile(r"^(\S.*?:\d+:\d+): (?:warning|error): .*(\[[^]]*\])$")


def load(build):
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        return json.load(f)


def is_ours(path):
    rel = os.path.relpath(path, TOP)
    return rel.split(os.sep, 1)[0] in OURS


def expand(args, directory):
    """The command's arguments with its response files (@file) read in."""
    out = []
    for arg in args:
        if arg.startswith("@"):
            with open(os.path.join(directory, arg[1:]), encoding="utf-8") as f:
                out.extend(shlex.split(f.read()))
        else:
            out.append(arg)
    return out


def library_includes(compiler):
    """The C++ library's header folders that the cross compiler searches."""
    probe = subprocess.run([compiler, "-E", "-x", "c++", "-", "-v"], input="", capture_output=True,
                           text=True, check=False)
    folders = []
    inside = False
    for line in probe.stderr.splitlines():
        if line.startswith("#include <...>"):
            inside = True
        elif line.startswith("End of search list"):
            break
        elif inside and "/c++" in line:
            folders.append(os.path.normpath(line.strip()))
    return folders


def for_clang(entry, library=None):
    """The entry for clang; a cross compiler's entry comes with its C++ library's folders."""
    args = expand(shlex.split(entry["command"]), entry["directory"])
    clang = "clang" if entry["file"].endswith(".c") else "clang++"
    kept = [a for a in args[1:] if not GCC_ONLY.match(a)]
    if library is not None:
        extra = [TARGET]
        if clang == "clang++":
            for folder in library:
                extra += ["-isystem", folder]
        kept = extra + kept
    return {"directory": entry["directory"], "file": entry["file"],
            "command": " ".join(shlex.quote(a) for a in [clang] + kept)}


def database(native, windows):
    chosen = {}
    for entry in load(native):
        if is_ours(entry["file"]) and entry["file"] not in chosen:
            chosen[entry["file"]] = for_clang(entry)
    cache = {}
    for entry in load(windows):
        name = entry["file"]
        if not is_ours(name) or name in chosen or not name.endswith((".c", ".cpp")):
            continue
        compiler = shlex.split(entry["command"])[0]
        if compiler not in cache:
            cache[compiler] = library_includes(compiler)
        chosen[name] = for_clang(entry, cache[compiler])
    return sorted(chosen.values(), key=lambda e: e["file"])


def findings(text):
    """The output's findings: for each its place and check, and its text
    with the lines (code, notes) that follow it."""
    found = []
    for line in text.splitlines():
        m = FINDING.match(line)
        if m:
            found.append((m.group(1) + " " + m.group(2), [line]))
        elif found:
            found[-1][1].append(line)
    return [(key, "\n".join(lines)) for key, lines in found]


def main():
    native, windows = sys.argv[1], sys.argv[2]
    jobs = int(sys.argv[3]) if len(sys.argv) > 3 else os.cpu_count()
    started = time.monotonic()
    entries = database(native, windows)
    lint = os.path.join(os.path.dirname(os.path.abspath(native)), "lint")
    os.makedirs(lint, exist_ok=True)
    with open(os.path.join(lint, "compile_commands.json"), "w", encoding="utf-8") as f:
        json.dump(entries, f, indent=1)
    headers = "^" + re.escape(TOP) + "/(" + "|".join(OURS) + ")/"

    def check(entry):
        run = subprocess.run(["clang-tidy", "--quiet", "-p", lint, "--header-filter=" + headers, entry["file"]],
                             capture_output=True, text=True, check=False)
        return run.returncode, findings(run.stdout), run.stderr

    seen = set()
    failed = 0
    with concurrent.futures.ThreadPoolExecutor(jobs) as pool:
        for entry, (code, found, errors) in zip(entries, pool.map(check, entries)):
            # A header's finding is the same wherever it is included from,
            # though its text may name a type as the target spells it.
            for key, finding in found:
                if key not in seen:
                    seen.add(key)
                    print(finding)
            if code != 0 and not found:
                failed += 1
                print(f"clang-tidy failed on {entry['file']}:\n{errors}")
    seconds = time.monotonic() - started
    if seen or failed:
        print(f"clang-tidy: {len(seen)} finding(s) in {len(entries)} files ({seconds:.0f} s)", file=sys.stderr)
        return 1
    print(f"clang-tidy: {len(entries)} files, no findings ({seconds:.0f} s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
