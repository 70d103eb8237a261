#!/usr/bin/env bash
# Renders the module pictures of the generators into resources/files/tiles with
# the real web engine (offscreen), after building the renderer.
#   scripts/render-tiles.sh [--draw-samples] [CLASS...]
# --draw-samples redraws resources/samples first.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QINGWU_BUILD:-build}
if [[ ! -f "$build/build.ninja" && ! -f "$build/Makefile" ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQINGWU_TESTS=ON > /dev/null
fi
cmake --build "$build" --target render_tiles
QT_QPA_PLATFORM=offscreen "$build/render_tiles" "$@"
