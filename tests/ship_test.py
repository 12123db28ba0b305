#!/usr/bin/env python3
"""Tests of what ships beside the program: the install tree and the manual page.

  ship_test.py install-tree BUILD_DIR PROGRAM_PATH [INSTALLED=SOURCE ...]
  ship_test.py uninstall BUILD_DIR
  ship_test.py man-page MAN_PAGE
  ship_test.py libraries PROGRAM optimised|unoptimised
  ship_test.py version-resource PROGRAM VERSION
  ship_test.py readme README LISTING VERSION [TEXT...]

Exit status 0 means passed, 1 failed, 77 skipped (the reason is printed).
"""
import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile

from harness import TIMEOUT, Lacking, check, run_case


def install(build_dir, prefix):
    """Installs the build into prefix, as `cmake --install` does, but with the manifest written as
    install_manifest_Unspecified.txt: the build's own install_manifest.txt, which the user's install
    wrote and the README's uninstall reads, stays as it is. Returns the manifest's path."""
    subprocess.run(["cmake", "--install", build_dir, "--prefix", prefix, "--component",
                    "Unspecified"], check=True, stdout=subprocess.DEVNULL, timeout=TIMEOUT)
    return os.path.join(build_dir, "install_manifest_Unspecified.txt")


def install_tree(build_dir, program_path, *expected):
    """The program lands at PROGRAM_PATH; each further INSTALLED=SOURCE pair is compared byte for
    byte, a .gz INSTALLED after decompression. A .txt, Windows' text, ends every line in CR LF."""
    with tempfile.TemporaryDirectory() as prefix:
        install(build_dir, prefix)
        check(os.access(os.path.join(prefix, program_path), os.X_OK),
              f"no executable program at {program_path}")
        for pair in expected:
            installed, source = pair.split("=", 1)
            path = os.path.join(prefix, installed)
            check(os.path.isfile(path), f"{installed} is not installed")
            with (gzip.open if path.endswith(".gz") else open)(path, "rb") as got, \
                    open(source, "rb") as wanted:
                content = got.read()
                check(content == wanted.read(), f"{installed} differs from {source}")
            check(not installed.endswith(".txt") or content.count(b"\n") == content.count(b"\r\n"),
                  f"{installed} has lines that end without CR, which Windows' editors may not show")


def uninstall(build_dir):
    """The README's uninstall, removing every file the manifest lists, leaves no file behind."""
    with tempfile.TemporaryDirectory() as prefix:
        manifest = install(build_dir, prefix)
        with open(manifest, "rb") as listed:
            subprocess.run(["xargs", "rm"], stdin=listed, check=True, timeout=TIMEOUT)
        left = [os.path.join(top, name) for top, _, names in os.walk(prefix) for name in names]
        check(not left, f"left after the uninstall: {left}")


def man_page(page):
    if not shutil.which("man"):
        raise Lacking("man is not installed (Debian: man-db)")
    env = dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8")
    result = subprocess.run(["man", "--warnings=all", "-l", page], env=env, timeout=TIMEOUT,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    check(result.returncode == 0 and not result.stderr,
          f"man exited with {result.returncode}:\n{result.stderr}")
    check("EXIT STATUS" in result.stdout, "the rendered page has no EXIT STATUS section")


def libraries(program, optimised):
    """A Linux program loads libc alone: no C++ runtime, and no libm once optimised, when the
    square roots are the processor's instruction (unoptimised, GCC keeps a call to sqrt)."""
    if not shutil.which("readelf"):
        raise Lacking("readelf is not installed (Debian: binutils)")
    dynamic = subprocess.run(["readelf", "--wide", "--dynamic", program],
                             stdout=subprocess.PIPE, text=True, timeout=TIMEOUT, check=True).stdout
    needed = set(re.findall(r"\(NEEDED\)\s+Shared library: \[([^]]+)\]", dynamic))
    allowed = {"libc.so.6"} if optimised == "optimised" else {"libc.so.6", "libm.so.6"}
    check("libc.so.6" in needed and needed <= allowed,
          f"the {optimised} program needs {sorted(needed)}, expected only {sorted(allowed)}")


def version_resource(program, version):
    """A Windows program's version information, as Explorer's Properties shows it."""
    try:
        import pefile  # Debian's python3-pefile, for Debian's own python3
    except ImportError:
        raise Lacking("pefile is not installed for this python3 (Debian: python3-pefile)") from None
    pe = pefile.PE(program)
    strings = {key.decode(): value.decode() for info in getattr(pe, "FileInfo", [[]])[0]
               if info.Key == b"StringFileInfo" for table in info.StringTable
               for key, value in table.entries.items()}
    for key in ("FileVersion", "ProductVersion"):
        check(strings.get(key) == version, f"{key} is {strings.get(key)!r}, expected {version!r}")
    for key in ("ProductName", "FileDescription", "LegalCopyright"):
        check(strings.get(key), f"no {key}")
    fixed = pe.VS_FIXEDFILEINFO[0]
    numbers = [fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF, fixed.FileVersionLS >> 16]
    check(".".join(map(str, numbers)) == version, f"the numeric file version is {numbers}")


def readme(path, listing_path, version, *others):
    """What the README restates goes stale unseen: it must name this version and no other, show
    lines of the listing in its excerpt, and give the listing's sizes; and the other texts that
    give its size in bytes or lines (OTHERS) give the listing's."""
    with open(path, encoding="utf-8") as text_file, open(listing_path, "rb") as listing_file:
        text, listing = text_file.read(), listing_file.read()
    named = set(re.findall(r"\b\d+\.\d+\.\d+\b", text))
    check(named == {version}, f"the README names {sorted(named)}; the release notes' is {version}")
    excerpt = [line for line in text.split("```")[1].splitlines()[1:] if line.strip() != "..."]
    strays = [line for line in excerpt if line not in listing.decode().splitlines()]
    check(excerpt and not strays, f"the README's excerpt is not the listing's: {strays}")
    sizes, lines = {len(listing), len(listing) + listing.count(b"\n")}, {listing.count(b"\n")}
    check(all(f"{size:,} bytes" in text for size in sizes), f"the README does not give the sizes {sizes}")
    for other in (path, *others):
        with open(other, encoding="utf-8") as other_file:
            words = other_file.read()
        given = {int(n.replace(",", "")) for n in re.findall(r"\b(\d[\d,]*) bytes", words)}
        long = {int(n) for n in re.findall(r"\b(\d+) lines long", words)}
        check(given <= sizes and long <= lines, f"{other} gives {given} bytes, {long} lines; the listing's: {sizes}, {lines}")


def main(argv):
    cases = {"install-tree": install_tree, "uninstall": uninstall, "man-page": man_page,
             "libraries": libraries, "version-resource": version_resource, "readme": readme}
    if len(argv) < 2 or argv[1] not in cases:
        sys.exit(__doc__)
    return run_case(argv[1], cases[argv[1]], *argv[2:])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
