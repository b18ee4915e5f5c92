#!/usr/bin/env bash
# `make run`: the stand-in webmail with demo data on a free loopback port, then Postling against
# it, with its data in run/ (kept between runs: delete run/ to start over).
set -euo pipefail
build=${1:-build}
shift || true
root=$(cd "$(dirname "$0")/.." && pwd)
run="$root/run"
mkdir -p "$run"
[ -d "$run/maindir" ] || cp -r "$root/data/maindir" "$run/maindir"

"$root/$build/bin/postling-webmail" --port 0 --db "$run/webmail.db" --seed > "$run/webmail.log" 2>&1 &
standin=$!
trap 'kill $standin 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    grep -q '^listening on' "$run/webmail.log" 2>/dev/null && break
    sleep 0.1
done
port=$(sed -n 's/^listening on http:\/\/127\.0\.0\.1:\([0-9]*\)$/\1/p' "$run/webmail.log")
[ -n "$port" ] || { cat "$run/webmail.log"; exit 1; }
cat "$run/webmail.log"

ini="$run/postling.ini"
# Points the demo's start pages at this run's port; every other line of the ini is kept.
set_key() {
    local section=$1 key=$2 value=$3 tmp
    tmp=$(mktemp "$run/.ini-XXXXXX")
    awk -v s="$section" -v k="$key" -v v="$value" '
        function flush() { if (insec && !done) { print k "=" v "\r"; done = 1 } }
        { line = $0; sub(/\r$/, "", line) }
        line ~ /^\[.*\]$/ { flush(); insec = (tolower(line) == "[" tolower(s) "]"); if (insec) seen = 1 }
        insec && !done && tolower(line) ~ "^" tolower(k) "=" { print k "=" v "\r"; done = 1; next }
        { print line "\r" }
        END { flush(); if (!seen) { print "[" s "]\r"; print k "=" v "\r" } }' \
        "$ini" > "$tmp"
    mv "$tmp" "$ini"
}
touch "$ini"
set_key Locations "main dir" "$run/maindir/"
set_key Settings ystart "http://mail.yahoo.localhost:$port/"
set_key Settings hstart "http://hotmail.localhost:$port/"
set_key Settings ycalendar "http://calendar.yahoo.localhost:$port/"
set_key Settings hcalendar "http://calendar.hotmail.localhost:$port/"

app="$root/$build/bin/postling"
if [ ! -x "$app" ]; then
    echo "Postling itself is not built yet; open the addresses above in a browser."
    wait $standin
    exit 0
fi
# The demo talks to the stand-in only.
export POSTLING_LOOPBACK_ONLY=${POSTLING_LOOPBACK_ONLY:-1}
export QTWEBENGINE_CHROMIUM_FLAGS=${QTWEBENGINE_CHROMIUM_FLAGS:-"--disable-background-networking --disable-component-update"}
if [ "$(id -u)" -eq 0 ]; then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: running Postling offscreen (start Xvfb and set DISPLAY to see it)."
    export QT_QPA_PLATFORM=offscreen
fi
echo "Postling data: $run (ini: $ini)"
"$app" --ini "$ini" "$@"
