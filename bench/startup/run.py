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
    start = time.perf_counter()
    proc = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.PIPE, text=True)
    line = proc.stdout.readline()
    elapsed = (time.perf_counter() - start) * 1000
    proc.wait(timeout=60)
    if not line.startswith("first-paint"):
        raise SystemExit(f"{command[0]}: no first paint reported ({line!r})")
    return elapsed, int(line.split()[2]) / 1024


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
    b = statistics.median(t for t, _ in bare)
    p = statistics.median(t for t, _ in program)
    print(f"bare window : first paint {b:7.1f} ms, rss {statistics.median(m for _, m in bare):6.1f} MB")
    print(f"launcher    : first paint {p:7.1f} ms, rss {statistics.median(m for _, m in program):6.1f} MB")
    print(f"ratio       : {p / b:.2f} (goal: at most 2)")


if __name__ == "__main__":
    main()
