#!/usr/bin/env python3
"""Start-up benchmark: time from process start to the first paint of the
launcher (all windows created) and the resident memory then, beside a bare Qt
window measured the same way in the same run. Usage: run.py BUILD_DIR [ROUNDS]"""
import os
import statistics
import subprocess
import sys
import tempfile
import time


def measure(command, cwd, env):
    """(first paint ms, rss MB then, ready ms, rss MB then)"""
    start = time.perf_counter()
    proc = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    figures = []
    for expected in ("first-paint", "ready"):
        line = proc.stdout.readline()
        figures.append((time.perf_counter() - start) * 1000)
        if not line.startswith(expected):
            raise SystemExit(f"{command[0]}: no {expected} reported ({line!r})")
        figures.append(int(line.split()[2]) / 1024)
    proc.wait(timeout=60)
    return figures


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    env = dict(os.environ, QINGWU_BENCH_FIRST_PAINT="1")
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    with tempfile.TemporaryDirectory() as runtime:
        env["XDG_RUNTIME_DIR"] = runtime
        os.chmod(runtime, 0o700)
        bare, program = [], []
        for _ in range(rounds):
            bare.append(measure([os.path.join(build, "bare_window")], build, env))
            program.append(measure([os.path.join(build, "qingwu")], build, env))
    def median(runs, i):
        return statistics.median(r[i] for r in runs)

    b, p = median(bare, 0), median(program, 0)
    print(f"bare window : first paint {b:7.1f} ms, rss {median(bare, 1):6.1f} MB")
    print(f"launcher    : first paint {p:7.1f} ms, rss {median(program, 1):6.1f} MB")
    print(f"all windows : ready       {median(program, 2):7.1f} ms, rss {median(program, 3):6.1f} MB")
    print(f"ratio       : {p / b:.2f} (first paint against the bare window; goal: at most 2)")


if __name__ == "__main__":
    main()
