#!/usr/bin/env bash
# Installs what is missing, builds the program and every test, and runs them:
# once in a normal build, once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

# QLatin1String reads its bytes as Latin-1, so Chinese text in it never matches.
if grep -rnP 'QLatin1String\("[^"]*[^\x00-\x7F]' app core generators tools description; then
    echo "Use QStringLiteral for text that is not ASCII (lines above)." >&2
    exit 1
fi

jobs=$(nproc)
run_tests() {
    local build=$1
    # A virtual X display for the tests that drive the real web engine.
    (cd "$build" && xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure -j "$jobs")
}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQINGWU_TESTS=ON > /dev/null
cmake --build build
run_tests build

if [[ "${QINGWU_SKIP_SANITIZERS:-}" != 1 ]]; then
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQINGWU_SANITIZE=ON -DQINGWU_TESTS=ON > /dev/null
    cmake --build build-asan
    # Qt keeps some allocations until exit, so leak reports would only be noise;
    # the web engine's own code frees with mismatched sizes, which is not ours to mend.
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:new_delete_type_mismatch=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 run_tests build-asan
fi
