#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQINGWU_TESTS=OFF > /dev/null
cmake --build build --target qingwu
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display: start the program with  xvfb-run -a -s '-screen 0 1920x1080x24' ./run.sh"
    exit 1
fi
# The program runs in the build folder, where its "files" folder lives.
cd build
exec ./qingwu
