"""Checks the test runner: a test passes only when it reached its end.
    check_run_test.py <run-test> <command of the subject test program...>"""
import os
import subprocess
import sys

support = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support")
sys.path.insert(0, support)
import test_end  # noqa: E402

END_SH = os.path.join(support, "test_end.sh")


def run(runner, kind, command, **env):
    """The runner's status and output; the run's own skip log and skip rule left out."""
    environment = {k: v for k, v in os.environ.items()
                   if k not in ("QUARVEX_SKIP_LOG", "QUARVEX_SKIPS_FAIL")}
    environment.update(env)
    done = subprocess.run([runner, kind, "subject"] + command, env=environment, text=True,
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=240)
    return done.returncode, done.stdout


def check(result, passes, words=""):
    status, out = result
    assert (status == 0) == passes and words in out, (status, words, out)


def check_test_programs(runner, subject):
    check(run(runner, "gtest", subject), True)
    check(run(runner, "gtest", subject, QX_SUBJECT_EXIT="1"), False, "ended before its last test")
    check(run(runner, "gtest", subject, QX_SUBJECT_SKIP="1"), True,
          "Subject.SkipsWhenAsked skipped: asked to skip")
    check(run(runner, "gtest", subject, QX_SUBJECT_SKIP="1", QUARVEX_SKIPS_FAIL="a printer is there"),
          False, "where none may (a printer is there)")
    # Ended before its first test (as when its Wine server went), or killed.
    check(run(runner, "gtest", ["true"]), False, "wrote no report")
    check(run(runner, "gtest", ["bash", "-c", "kill -9 $$"]), False)


def check_scripts(runner):
    check(run(runner, "script", ["bash", "-c", "exit 0"]), False, "before its last step")
    check(run(runner, "script", ["bash", "-c", f"source {END_SH}; test_end_reached"]), True)
    # A script it starts cannot make the end mark for it.
    inner = f"bash -c 'source {END_SH}; test_end_reached'"
    check(run(runner, "script", ["bash", "-c", f"source {END_SH}; {inner}"]), False)


def check_benchmarks(runner):
    # Writes its first argument as the report the runner asks for.
    fake = [sys.executable, "-c", "import sys; out = [a for a in sys.argv if a.startswith("
            "'--benchmark_out=')][0].split('=', 1)[1]; open(out, 'w').write(sys.argv[1])"]
    check(run(runner, "bench", fake + ['{"benchmarks": [{"name": "one"}]}']), True)
    check(run(runner, "bench", fake + ['{"benchmarks": [{"name": "one"}']), False, "did not finish")


if __name__ == "__main__":
    check_test_programs(sys.argv[1], sys.argv[2:])
    check_scripts(sys.argv[1])
    check_benchmarks(sys.argv[1])
    print("the runner passes only what reached its end")
    test_end.reached()
