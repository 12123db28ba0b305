"""What the Python tests share: how a case fails or is skipped, and the exit status CTest reads.

A case is skipped only by raising Skip, on purpose; any other exception, a bug in the test among
them, fails it. Skip is for a case that cannot apply to this build (a terminal under wine, strace
under an emulator); Lacking, for one that this machine lacks a tool or a locale for. In CI (CI=true)
a Lacking fails the case, unless POLYGON_PI_MAY_LACK names it (space-separated case names).
"""
import os
import subprocess

SKIP = 77  # CTest's SKIP_RETURN_CODE for these tests
TIMEOUT = 120  # bounds every wait, so a hang fails instead of stalling the suite
MAY_LACK = os.environ.get("POLYGON_PI_MAY_LACK", "").split()


class Skip(Exception):
    pass


class Lacking(Skip):
    pass


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def run_case(name, case, *args):
    """Runs one case, prints its outcome and returns the exit status: 0 passed, 1 failed, 77 skipped."""
    try:
        case(*args)
    except Skip as skipped:
        if isinstance(skipped, Lacking) and os.environ.get("CI") == "true" and name not in MAY_LACK:
            print(f"FAILED: in CI, where only POLYGON_PI_MAY_LACK's cases may lack it: {skipped}")
            return 1
        print(f"skipped: {skipped}")
        return SKIP
    except (Failure, subprocess.TimeoutExpired, subprocess.CalledProcessError, OSError) as failed:
        print(f"FAILED: {failed}")
        return 1
    print("passed")
    return 0
