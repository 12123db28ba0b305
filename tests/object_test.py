#!/usr/bin/env python3
"""Tests of the compiled code itself, read with the toolchain's objdump.

  object_test.py fused absent|present PATTERN OBJDUMP OBJECT...
  object_test.py neutralised OBJDUMP BUILT BUILT_WITH HAND HAND_WITH
  object_test.py refused MESSAGE COMPILER ARGUMENT...

fused: whether the fused multiply-add instructions PATTERN matches are in the objects. The
recurrence must have none; the same source compiled with contraction on must show one, or the look
could never fail.
neutralised: the objects BUILT and BUILT_WITH, compiled with the build's own options without and
with an option that reorders arithmetic, hold the same instructions, while HAND and HAND_WITH,
compiled without the build's options, differ: the option works, and the build cancels it.
refused: the compiler, given the arguments and an object file of the test's own to write, fails
and says MESSAGE.

Exit status 0 means passed, 1 failed.
"""
import os
import re
import subprocess
import sys
import tempfile

from harness import TIMEOUT, check, run_case


def disassembly(objdump, obj):
    """The instructions of an object, without the header line that names its file."""
    check(objdump, "no objdump was found for this toolchain (CMAKE_OBJDUMP is empty)")
    text = subprocess.run([objdump, "-d", "--no-show-raw-insn", obj], stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, text=True, timeout=TIMEOUT, check=True).stdout
    check(re.search(r"^\s+[0-9a-f]+:", text, re.MULTILINE), f"{objdump} shows no code in {obj}")
    return text.split("\n", 2)[2]


def fused(expectation, pattern, objdump, *objects):
    check(objects, "no object to look at")
    found = [line.strip() for obj in objects for line in disassembly(objdump, obj).splitlines()
             if re.search(pattern, line)]
    if expectation == "absent":
        check(not found, f"fused multiply-add in the compiled arithmetic: {found}")
    else:
        check(found, f"no match for {pattern} where contraction is on: the look cannot fail")
        print(f"found: {found[0]}")


def neutralised(objdump, built, built_with, hand, hand_with):
    check(disassembly(objdump, hand) != disassembly(objdump, hand_with),
          "the option changes no instruction even without the build's options: nothing is shown")
    check(disassembly(objdump, built) == disassembly(objdump, built_with),
          "the option changes the instructions of the build despite its options")


def refused(message, *command):
    with tempfile.TemporaryDirectory() as scratch:
        result = subprocess.run([*command, "-o", os.path.join(scratch, "refused.o")],
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                                timeout=TIMEOUT)
    check(result.returncode != 0, "it compiled: the build was not refused")
    check(message in result.stdout, f"refused without saying {message!r}:\n{result.stdout}")


def main(argv):
    cases = {"fused": fused, "neutralised": neutralised, "refused": refused}
    if len(argv) < 2 or argv[1] not in cases:
        sys.exit(__doc__)
    return run_case(argv[1], cases[argv[1]], *argv[2:])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
