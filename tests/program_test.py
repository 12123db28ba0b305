#!/usr/bin/env python3
"""Black-box tests of polygon-pi: run the program as a user or a script would, check bytes and status.

  program_test.py --list
  program_test.py --case NAME --listing FILE [--windows] [--sanitized] [--static] -- [EMULATOR ...] PROGRAM

Exit status 0 means passed, 1 failed, 77 skipped (the reason is printed).
"""
import argparse
import os
import pty
import select
import shutil
import subprocess
import sys
import tempfile
import time

from harness import TIMEOUT, Failure, Lacking, Skip, check, run_case


class Target:
    """The program as built for one platform, possibly run under an emulator."""

    def __init__(self, command, listing, windows, sanitized, static):
        self.command = command
        self.windows = windows
        self.sanitized = sanitized
        self.static = static
        self.emulated = len(command) > 1
        # Windows' text-mode stdout turns every newline into CR LF.
        self.newline = "\r\n" if windows else "\n"
        self.report = listing.replace(b"\n", self.newline.encode())
        # Long enough for a program that did not wait to have ended, even when emulated.
        self.settle = 2.0 if self.emulated else 0.5

    def _command(self, args, shell_redirection):
        command = self.command + list(args)
        if shell_redirection:
            command = ["sh", "-c", 'exec "$@" ' + shell_redirection, "sh"] + command
        return command

    def run(self, args=(), stdin=subprocess.DEVNULL, env=None, shell_redirection=None):
        return subprocess.run(self._command(args, shell_redirection), stdin=stdin,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env,
                              timeout=TIMEOUT)

    def start(self, stdin, stdout, shell_redirection=None, stderr=subprocess.PIPE):
        return subprocess.Popen(self._command((), shell_redirection), stdin=stdin, stdout=stdout,
                                stderr=stderr)

    def native_only(self, why):
        if self.emulated:
            raise Skip(why)


def expect_report(target, result):
    check(result.stdout == target.report,
          f"stdout differs from the listing: {len(result.stdout)} bytes, "
          f"first difference at byte {first_difference(result.stdout, target.report)}")
    check(result.returncode == 0, f"exit status {result.returncode}, expected 0")
    check(result.stderr == b"", f"stderr not empty: {result.stderr!r}")


def first_difference(a, b):
    return next((i for i, (x, y) in enumerate(zip(a, b)) if x != y), min(len(a), len(b)))


def read_exactly(fd, count):
    """Reads count bytes from fd, failing if they do not all arrive within TIMEOUT."""
    data = b""
    deadline = time.monotonic() + TIMEOUT
    while len(data) < count:
        ready, _, _ = select.select([fd], [], [], max(0.0, deadline - time.monotonic()))
        check(ready, f"only {len(data)} of {count} bytes arrived within {TIMEOUT} s")
        chunk = os.read(fd, count - len(data))
        check(chunk, f"output ended after {len(data)} of {count} bytes")
        data += chunk
    return data


def expect_still_waiting(target, process):
    time.sleep(target.settle)
    check(process.poll() is None,
          f"ended with status {process.returncode} before any input was given")


def finish(process):
    try:
        _, stderr = process.communicate(timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        process.kill()
        process.communicate()
        raise Failure(f"still running {TIMEOUT} s after its input was given")
    return process.returncode, stderr


# --- the cases ---------------------------------------------------------------------------------

CASES = {}


def case(name):
    def register(function):
        CASES[name] = function
        return function
    return register


@case("listing")
def listing(target):
    """With stdin at end of file the whole report comes out and the program ends at once."""
    expect_report(target, target.run())


@case("arguments-ignored")
def arguments_ignored(target):
    for args in (["-h"], ["--version"], ["1", "2", "3"], [""]):
        expect_report(target, target.run(args))


@case("german-locale")
def german_locale(target):
    """A decimal comma or digit grouping from the user's locale must not reach the report."""
    installed = subprocess.run(["locale", "-a"], stdout=subprocess.PIPE, text=True,
                               timeout=TIMEOUT).stdout.split() if shutil.which("locale") else []
    if not {"de_DE.utf8", "de_DE.UTF-8"} & set(installed):
        raise Lacking("no de_DE.UTF-8 locale here (localedef -i de_DE -f UTF-8 de_DE.UTF-8)")
    env = dict(os.environ, LC_ALL="de_DE.UTF-8", LANG="de_DE.UTF-8")
    expect_report(target, target.run(env=env))


# Standard input that can give nothing: the report comes out whole and nothing waits.
NO_INPUT = {
    "stdin-closed": "<&-",
    "stdin-write-only": "0>/dev/null",
    "stdin-directory": "</",
}

# Standard output that cannot take the report: at a terminal the cause is shown on one line of
# stderr while the program waits for its one character; then it ends with status 1.
LOST_OUTPUT = {
    "stdout-full": (">/dev/full", "No space left on device"),
    "stdout-closed": (">&-", "Bad file descriptor"),
}


def no_input_case(redirection):
    def run(target):
        expect_report(target, target.run(shell_redirection=redirection))
    return run


def lost_output_case(redirection, cause):
    def run(target):
        # A terminal turns the newline into CR LF, as Windows' text mode does.
        message = f"polygon-pi: write error: {cause}\r\n".encode()
        if target.windows:  # wine gives the program no Unix terminal: a pipe stands in for it
            screen, terminal = os.pipe()
            process = target.start(subprocess.PIPE, None, redirection, stderr=terminal)
        else:
            screen, terminal = pty.openpty()
            process = target.start(terminal, None, redirection, stderr=terminal)
        os.close(terminal)
        try:
            shown = read_exactly(screen, len(message))
            check(shown == message, f"stderr {shown!r} before ENTER, expected {message!r}")
            expect_still_waiting(target, process)
            if target.windows:
                process.stdin.write(b"\n")
                process.stdin.flush()
            else:
                os.write(screen, b"\r")
            status, _ = finish(process)
        finally:
            if process.poll() is None:
                process.kill()
            os.close(screen)
        check(status == 1, f"exit status {status}, expected 1")
    return run


for _name, _redirection in NO_INPUT.items():
    CASES[_name] = no_input_case(_redirection)
for _name, (_redirection, _cause) in LOST_OUTPUT.items():
    CASES[_name] = lost_output_case(_redirection, _cause)


@case("broken-pipe")
def broken_pipe(target):
    """A reader that went away is not the program's failure, and must not kill it."""
    read_end, write_end = os.pipe()
    os.close(read_end)
    try:
        process = target.start(subprocess.DEVNULL, write_end)
    finally:
        os.close(write_end)
    status, stderr = finish(process)
    check(status == 0, f"exit status {status}, expected 0 (a negative one is a signal)")
    check(stderr == b"", f"stderr not empty: {stderr!r}")


@case("held-open-pipe")
def held_open_pipe(target):
    """The whole report is out before the wait, and one byte without a newline ends it."""
    process = target.start(subprocess.PIPE, subprocess.PIPE)
    try:
        shown = read_exactly(process.stdout.fileno(), len(target.report))
        check(shown == target.report, "the report shown before the wait differs from the listing")
        expect_still_waiting(target, process)
        process.stdin.write(b"x")
        process.stdin.flush()
        status, stderr = finish(process)
    finally:
        if process.poll() is None:
            process.kill()
        process.wait(TIMEOUT)
    check(status == 0, f"exit status {status}, expected 0")
    check(stderr == b"", f"stderr not empty: {stderr!r}")


@case("shared-file")
def shared_file(target):
    """Only one character of a file is consumed; the next reader of the same open file gets the rest."""
    with tempfile.TemporaryFile() as shared:
        shared.write(b"abc\ndef\n")
        shared.flush()
        shared.seek(0)
        expect_report(target, target.run(stdin=shared))
        rest = subprocess.run(["cat"], stdin=shared, stdout=subprocess.PIPE, timeout=TIMEOUT).stdout
    check(rest == b"bc\ndef\n", f"the next reader got {rest!r}, expected b'bc\\ndef\\n'")


@case("terminal")
def terminal(target):
    """At a terminal ENTER ends the wait, and the rest of the typed line is not left behind."""
    if target.windows:
        raise Skip("wine gives the program no Unix terminal")
    master, slave = pty.openpty()
    try:
        process = target.start(slave, slave)
        on_screen = target.report.replace(b"\n", b"\r\n")  # the terminal's own newline mapping
        shown = read_exactly(master, len(on_screen))
        check(shown == on_screen, "the report on the terminal differs from the listing")
        os.write(master, b"abc\r")  # the ENTER key sends a carriage return
        status, stderr = finish(process)
        check(status == 0, f"exit status {status}, expected 0")
        check(stderr == b"", f"stderr not empty: {stderr!r}")
        os.set_blocking(slave, False)
        try:
            left = os.read(slave, 4096)
        except BlockingIOError:
            left = b""
        check(left == b"", f"{left!r} was left for whatever reads the terminal next")
    finally:
        os.close(master)
        os.close(slave)


@case("one-write-one-read")
def one_write_one_read(target):
    """The report leaves in a single write and standard input is read once."""
    target.native_only("strace would trace the emulator, not the program")
    if target.sanitized:
        raise Skip("the leak checker of a sanitizer build cannot run under strace")
    if not shutil.which("strace"):
        raise Lacking("strace is not installed")
    with tempfile.NamedTemporaryFile(mode="r") as trace:
        subprocess.run(["strace", "-o", trace.name, "-e", "trace=read,write"] + target.command,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, timeout=TIMEOUT,
                       check=True)
        calls = trace.read().splitlines()
    writes = [c for c in calls if c.startswith("write(1,")]
    reads = [c for c in calls if c.startswith("read(0,")]
    check(len(writes) == 1 and writes[0].endswith(f"= {len(target.report)}"),
          f"writes to stdout: {writes}")
    check(len(reads) == 1, f"reads from stdin: {reads}")


@case("no-allocation")
def no_allocation(target):
    """Nothing is allocated on the heap, by the program or on its behalf."""
    target.native_only("valgrind cannot look inside the emulator")
    if target.sanitized:
        raise Skip("a sanitizer build brings its own allocator")
    if not shutil.which("valgrind"):
        raise Lacking("valgrind is not installed")
    result = subprocess.run(["valgrind", "--error-exitcode=1"] + target.command,
                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True, timeout=TIMEOUT)
    # In a static program valgrind reports on glibc's own start and exit, which its suppressions,
    # written for the shared libc, do not cover.
    check(result.returncode == 0 or target.static, f"valgrind reported errors:\n{result.stderr}")
    check("total heap usage: 0 allocs" in result.stderr, f"heap used:\n{result.stderr}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", action="store_true", help="print the case names and stop")
    parser.add_argument("--case", choices=sorted(CASES))
    parser.add_argument("--listing", help="the expected report, with single newlines")
    parser.add_argument("--windows", action="store_true", help="the program is a Windows build")
    parser.add_argument("--sanitized", action="store_true", help="built with a sanitizer")
    parser.add_argument("--static", action="store_true", help="linked statically")
    parser.add_argument("command", nargs="*", help="[emulator ...] program")
    options = parser.parse_args()
    if options.list:
        print("\n".join(CASES))
        return 0
    if not options.case or not options.listing or not options.command:
        parser.error("--case, --listing and the program are required")
    with open(options.listing, "rb") as listing_file:
        target = Target(options.command, listing_file.read(), options.windows, options.sanitized,
                        options.static)
    return run_case(options.case, CASES[options.case], target)


if __name__ == "__main__":
    sys.exit(main())
