#!/usr/bin/env python3
"""Tests of what ships beside the program: the install tree and the manual page.

  ship_test.py install-tree BUILD_DIR PROGRAM_FILE_NAME MAN_PAGE
  ship_test.py man-page MAN_PAGE

Exit status 0 means passed, 1 failed, 77 skipped (the reason is printed).
"""
import filecmp
import os
import shutil
import subprocess
import sys
import tempfile

SKIP = 77
TIMEOUT = 120


def install_tree(build_dir, program_name, man_page):
    with tempfile.TemporaryDirectory() as prefix:
        subprocess.run(["cmake", "--install", build_dir, "--prefix", prefix], check=True,
                       stdout=subprocess.DEVNULL, timeout=TIMEOUT)
        program = os.path.join(prefix, "bin", program_name)
        installed_page = os.path.join(prefix, "share", "man", "man1", "polygon-pi.1")
        if not os.access(program, os.X_OK):
            return f"no executable program at {program}"
        if not os.path.isfile(installed_page) or not filecmp.cmp(installed_page, man_page, False):
            return f"the manual page is not installed as {installed_page}"
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


def main(argv):
    cases = {"install-tree": install_tree, "man-page": man_page}
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
