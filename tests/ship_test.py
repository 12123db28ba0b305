#!/usr/bin/env python3
"""Tests of what ships beside the program: the install tree and the manual page.

  ship_test.py install-tree BUILD_DIR PROGRAM_PATH [INSTALLED=SOURCE ...]
  ship_test.py man-page MAN_PAGE
  ship_test.py libraries PROGRAM

Exit status 0 means passed, 1 failed, 77 skipped (the reason is printed).
"""
import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile

SKIP = 77
TIMEOUT = 120


def install_tree(build_dir, program_path, *expected):
    """The program lands at PROGRAM_PATH; each further INSTALLED=SOURCE pair is compared byte for
    byte, a .gz INSTALLED after decompression."""
    with tempfile.TemporaryDirectory() as prefix:
        subprocess.run(["cmake", "--install", build_dir, "--prefix", prefix], check=True,
                       stdout=subprocess.DEVNULL, timeout=TIMEOUT)
        if not os.access(os.path.join(prefix, program_path), os.X_OK):
            return f"no executable program at {program_path}"
        for pair in expected:
            installed, source = pair.split("=", 1)
            path = os.path.join(prefix, installed)
            if not os.path.isfile(path):
                return f"{installed} is not installed"
            with (gzip.open if path.endswith(".gz") else open)(path, "rb") as got, \
                    open(source, "rb") as wanted:
                if got.read() != wanted.read():
                    return f"{installed} differs from {source}"
    return None


def man_page(page):
    if not shutil.which("man"):
        raise LookupError("man is not installed (Debian: man-db)")
    env = dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8")
    result = subprocess.run(["man", "--warnings=all", "-l", page], env=env, timeout=TIMEOUT,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    if result.returncode != 0 or result.stderr:
        return f"man exited with {result.returncode}:\n{result.stderr}"
    if "EXIT STATUS" not in result.stdout:
        return "the rendered page has no EXIT STATUS section"
    return None


def libraries(program):
    """A Linux program that loads libc alone: no C++ runtime, and no libm for a sqrt errno."""
    if not shutil.which("readelf"):
        raise LookupError("readelf is not installed (Debian: binutils)")
    dynamic = subprocess.run(["readelf", "--dynamic", program], stdout=subprocess.PIPE, text=True,
                             timeout=TIMEOUT, check=True).stdout
    needed = re.findall(r"\(NEEDED\)\s+Shared library: \[([^]]+)\]", dynamic)
    if needed != ["libc.so.6"]:
        return f"the program needs {needed}, expected ['libc.so.6'] alone"
    return None


def main(argv):
    cases = {"install-tree": install_tree, "man-page": man_page, "libraries": libraries}
    if len(argv) < 2 or argv[1] not in cases:
        sys.exit(__doc__)
    try:
        problem = cases[argv[1]](*argv[2:])
    except LookupError as missing:
        print(f"skipped: {missing}")
        return SKIP
    print(f"FAILED: {problem}" if problem else "passed")
    return 1 if problem else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
