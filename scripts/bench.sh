#!/usr/bin/env bash
# Runs every benchmark program of a build tree, offscreen.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export QTWEBENGINE_DISABLE_SANDBOX=1
export POSTLING_PRIVATE_PROFILE=1
export POSTLING_LOOPBACK_ONLY=1
export QTWEBENGINE_CHROMIUM_FLAGS=${QTWEBENGINE_CHROMIUM_FLAGS:-"--disable-gpu --no-sandbox --disable-background-networking --disable-component-update"}
for bench in "$build"/bin/bench_*; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench"
done
