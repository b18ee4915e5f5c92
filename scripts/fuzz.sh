#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a number of seconds each, starting from its corpus in
# fuzz/corpus/<name>, and adds to the corpus the inputs that reached new code. Prints the
# executions per target; exits non-zero when a target found a failing input.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=0
summary=()
for fuzzer in "$build"/bin/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer"); name=${name#fuzz_}
    corpus="$root/fuzz/corpus/$name"
    work=$(mktemp -d)
    mkdir -p "$corpus"
    log="$artifacts/$name.log"
    if "$fuzzer" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$name-" "$work" "$corpus" > "$log" 2>&1; then
        status=ok
    else
        status=FAILED
        failed=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    # Keep what reached new code, minimised against what the corpus has.
    "$fuzzer" -merge=1 "$corpus" "$work" > /dev/null 2>&1 || true
    rm -rf "$work"
    summary+=("$(printf '%-12s %12s executions  %5s corpus files  %s' "$name" "${runs:-?}" \
        "$(ls "$corpus" | wc -l)" "$status")")
    if [ "$status" = FAILED ]; then
        grep -E "property failed|ERROR|SUMMARY" "$log" | head -5 >&2 || true
    fi
done
printf '%s\n' "${summary[@]}"
exit $failed
