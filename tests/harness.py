"""What the Python tests share: how a case fails or is skipped, and the exit status CTest reads.

A case is skipped only by raising Skip, on purpose; any other exception, a bug in the test among
them, fails it.
"""
import subprocess

SKIP = 77  # CTest's SKIP_RETURN_CODE for these tests
TIMEOUT = 120  # bounds every wait, so a hang fails instead of stalling the suite


class Skip(Exception):
    pass


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def run_case(case, *args):
    """Runs one case, prints its outcome and returns the exit status: 0 passed, 1 failed, 77 skipped."""
    try:
        case(*args)
    except Skip as skipped:
        print(f"skipped: {skipped}")
        return SKIP
    except (Failure, subprocess.TimeoutExpired, subprocess.CalledProcessError, OSError) as failed:
        print(f"FAILED: {failed}")
        return 1
    print("passed")
    return 0
