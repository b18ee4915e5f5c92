#!/usr/bin/env bash
# `make faults`: every place Postling writes under real faults of the file system, a merge whose
# log turns read-only mid-run, the site down, silent or answering with errors, and Postling
# killed 200 times (KILLS=n) during a long session; prints what the person saw, the bytes lost
# and the messages sent twice for each, and fails when any is not zero or a row failed.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
table=$(mktemp /tmp/postling-faults-XXXXXX)
trap 'rm -f "$table"' EXIT
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 POSTLING_LOOPBACK_ONLY=1
export POSTLING_PRIVATE_PROFILE=1 POSTLING_FAULT_TABLE=$table
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --no-sandbox --disable-background-networking --disable-component-update"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/postling-xdg-XXXXXX)}
status=0
"$root/tests/faults/in-namespace.sh" "$root/$build/bin/faults_matrix" > "$table.log" 2>&1 ||
    status=$?
# The site away, silent, or answering with errors: on the stand-in and on the real Roundcube.
for test in "faults_site" "e2e_merge aRunTheSiteStopsIsResumedWithoutSendingTwice" \
    "e2e_roundcube theOpenMessageIsSavedWithItsOwnHeaders" \
    "e2e_roundcube aMergeCutShortIsResumedWithEveryRowDeliveredOnce"; do
    read -r binary function <<< "$test"
    "$root/$build/bin/$binary" ${function:+"$function"} >> "$table.log" 2>&1 || status=$?
done
grep -E '^(FAIL|SKIP)' "$table.log" || true
# Then Postling killed again and again during a long session (KILLS times, 200 unless told).
"$root/$build/bin/faults_killrun" "${KILLS:-200}" > "$table.kill" 2>&1 || status=$?
grep -E '^[0-9]+ kills' "$table.kill" | tail -n 1
grep '^KILLTABLE' "$table.kill" | cut -f 2- >> "$table"
rm -f "$table.kill"
{
    printf 'fault\tcommand\twhat the person saw\tdata lost (bytes)\tsent twice\n'
    cat "$table"
} | column -t -s $'\t' -o ' | '
rows=$(wc -l < "$table")
bad=$(awk -F'\t' '$4 != 0 || $5 != 0' "$table" | wc -l)
echo "$rows rows; $bad with data lost or a message sent twice."
rm -f "$table.log"
[ "$status" = 0 ] && [ "$bad" = 0 ] && [ "$rows" -gt 0 ]
