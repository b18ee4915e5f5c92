#!/usr/bin/env bash
# `make run`: the demo from the build tree, with its data in run/ (kept between runs: delete
# run/ to start over).
set -euo pipefail
build=${1:-build}
shift || true
root=$(cd "$(dirname "$0")/.." && pwd)
POSTLING_DEMO_DIR="$root/run" exec "$root/$build/bin/postling-demo" "$@"
