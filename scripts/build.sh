#!/usr/bin/env bash
# Configures and builds a tree quietly: one line while it works, the whole log when it fails.
set -euo pipefail
build=$1
shift
mkdir -p "$build"
log="$build/build.log"
echo "Building Postling in $build (log: $log) ..."
if ! { cmake -S . -B "$build" "$@" && cmake --build "$build" -j"$(nproc)"; } > "$log" 2>&1; then
    cat "$log"
    echo "The build failed; the log above is also in $log." >&2
    exit 1
fi
