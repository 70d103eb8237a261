#!/usr/bin/env python3
"""Start-up benchmark: time from process start to the first paint of the
launcher and to the moment the program is ready (the windows made at start-up
made), with the resident memory at each, beside two baselines measured the
same way in the same run: a bare Qt window, and the same window showing one
Chinese label in the program's font. Usage: run.py BUILD_DIR [ROUNDS]"""
import os
import statistics
import subprocess
import sys
import tempfile
import time


def measure(command, cwd, env):
    """(first paint ms, rss MB then, ready ms, rss MB then, windows made)"""
    start = time.perf_counter()
    proc = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    figures = []
    windows = None
    for expected in ("first-paint", "ready"):
        line = proc.stdout.readline()
        figures.append((time.perf_counter() - start) * 1000)
        if not line.startswith(expected):
            raise SystemExit(f"{command[0]}: no {expected} reported ({line!r})")
        words = line.split()
        figures.append(int(words[2]) / 1024)
        if "windows" in words:
            windows = int(words[words.index("windows") + 1])
    proc.wait(timeout=60)
    return figures + [windows]


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 9
    env = dict(os.environ, QINGWU_BENCH_FIRST_PAINT="1")
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    bare_window = os.path.join(build, "bare_window")
    with tempfile.TemporaryDirectory() as runtime:
        env["XDG_RUNTIME_DIR"] = runtime
        os.chmod(runtime, 0o700)
        bare, label, program = [], [], []
        for _ in range(rounds):
            bare.append(measure([bare_window], build, env))
            label.append(measure([bare_window, "label"], build, env))
            program.append(measure([os.path.join(build, "qingwu")], build, env))

    def median(runs, i):
        return statistics.median(r[i] for r in runs)

    b, c, p = median(bare, 0), median(label, 0), median(program, 0)
    windows = sorted({r[4] for r in program})
    print(f"bare window           : first paint {b:7.1f} ms, rss {median(bare, 1):6.1f} MB")
    print(f"window, Chinese label : first paint {c:7.1f} ms, rss {median(label, 1):6.1f} MB")
    print(f"launcher              : first paint {p:7.1f} ms, rss {median(program, 1):6.1f} MB")
    print(f"ready                 : {median(program, 2):7.1f} ms, rss {median(program, 3):6.1f} MB, "
          f"{'/'.join(map(str, windows))} windows made (goal: at most 80 MB)")
    print(f"ratio, bare window    : {p / b:.2f}")
    print(f"ratio, Chinese label  : {p / c:.2f} (goal: at most 1.3)")
    print(f"medians of {rounds} starts, load average {os.getloadavg()[0]:.2f}")


if __name__ == "__main__":
    main()
