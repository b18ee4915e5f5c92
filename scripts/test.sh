#!/usr/bin/env bash
# Runs every test of a build tree; exits non-zero on any failure.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --no-sandbox --disable-background-networking --disable-component-update"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/postling-xdg-XXXXXX)}
chmod 700 "$XDG_RUNTIME_DIR"
# Chromium inside Qt WebEngine is built without sanitizers; let ASan tolerate its allocator.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:alloc_dealloc_mismatch=0:new_delete_type_mismatch=0:detect_odr_violation=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build" --output-on-failure --timeout 900 -j2
