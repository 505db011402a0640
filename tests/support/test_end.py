"""The end mark of a check script that scripts/run-test runs: the script calls reached() as its
last step, so that one which stops half-way with status 0 fails. Importing this takes the mark's
name out of the environment, so programs that the script starts cannot make it."""
import os

_end = os.environ.pop("QUARVEX_TEST_END", None)


def reached():
    if _end:
        open(_end, "w").close()
