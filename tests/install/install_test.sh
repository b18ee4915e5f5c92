#!/usr/bin/env bash
# Postling as a new user meets it: installed into a fresh prefix, started from an unrelated
# working directory with empty XDG folders, and handed mailto links as the desktop does.
set -uo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/postling-install-XXXXXX")
prefix="$work/prefix"
failures=0
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
check() { # check "what" command...
    local what=$1
    shift
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
man_clean() { [ -z "$(man --warnings -l -Tutf8 "$1" 2>&1 > /dev/null)" ]; }
# Postling holds this lock while it runs.
running() { [ -e "$ini.running" ] && ! flock -n "$ini.running" true; }
# A line of the ini file; Postling writes the file a moment after it has what goes in it.
ini_has() { tr -d '\r' < "$ini" 2>/dev/null | grep -q "$1"; }
wait_for() { # wait_for SECONDS command...
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}

cmake --install "$build" --prefix "$prefix" > "$work/install.log" || { cat "$work/install.log"; exit 1; }

# What the desktop and the software centre read.
for file in webmail.hlp welcome.htm blankmsg.htm blank.dat addrbooks/myaddrbk.csv \
    templates/example.txt ../icons/hicolor/scalable/apps/postling.svg \
    ../icons/hicolor/48x48/apps/postling.png; do
    check "installed $file" test -s "$prefix/share/postling/$file"
done
check "desktop entry valid" desktop-file-validate "$prefix/share/applications/postling.desktop"
check "desktop entry runs postling %u" grep -qx 'Exec=postling %u' \
    "$prefix/share/applications/postling.desktop"
check "metainfo valid" appstreamcli validate --no-net --pedantic \
    "$prefix/share/metainfo/io.github.postling.Postling.metainfo.xml"
for program in postling postling-demo postling-webmail; do
    check "$program --version" grep -qx "$program [0-9.]*" <("$prefix/bin/$program" --version)
    check "$program --help" grep -q -- "--version" <("$prefix/bin/$program" --help)
    check "$program man page without warnings" man_clean "$prefix/share/man/man1/$program.1"
done

# A new user: empty home and XDG folders, started from a folder of its own.
home="$work/home"
cwd="$work/cwd"
mkdir -p "$home" "$cwd"
config="$home/.config"
data="$home/.local/share"
run_env=(env -i PATH="$prefix/bin:/usr/bin:/bin" HOME="$home" XDG_CONFIG_HOME="$config"
    XDG_DATA_HOME="$data" XDG_DATA_DIRS="$prefix/share:/usr/share" QT_QPA_PLATFORM=offscreen
    QTWEBENGINE_DISABLE_SANDBOX=1 POSTLING_LOOPBACK_ONLY=1
    QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --no-sandbox --disable-background-networking"
    QT_LOGGING_RULES="postling.pages.info=true" XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp}"
    ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}")
ini="$config/postling/postling.ini"
main="$data/postling"
log="$work/postling.log"
(cd "$cwd" && exec "${run_env[@]}" postling > "$log" 2>&1) &
pids+=($!)
check "Postling runs with its settings folder made" wait_for 60 running
check "welcome page opened as a file" wait_for 60 grep -q \
    "postling.pages: WebBrowser1 file://$main/welcome.htm" "$log"
check "main directory filled" wait_for 30 test -s "$main/templates/example.txt"

# Made the desktop's mailto handler as "Set Postling as your Default E-mail Program" does it,
# xdg-open runs the desktop entry: the new Postling hands the link over and ends at once.
check "registered for mailto links" "${run_env[@]}" xdg-mime default postling.desktop \
    x-scheme-handler/mailto
# xdg-open looks for handlers only on a desktop, one with a display; Postling stays offscreen.
open_link() {
    (cd "$cwd" && timeout 60 "${run_env[@]}" DISPLAY=:0 xdg-open "$1") > "$work/open.log" 2>&1
}
check "xdg-open returns" open_link 'mailto:bob@hotmail.localhost?subject=Hi'
check "the running Postling has the link" wait_for 30 ini_has \
    "^mailto=mailto:bob@hotmail.localhost?subject=Hi"

# Ended as the desktop ends it: the welcome is dismissed, the help was shown, settings written.
kill -TERM "${pids[0]}"
check "Postling ends on SIGTERM" wait_for 30 bash -c "! kill -0 ${pids[0]} 2>/dev/null"
check "and no other runs" flock -n "$ini.running" true
check "help opened from the main directory" grep -q \
    "postling.pages: help $main/webmail.hlp #6000 shown" "$log"
check "settings written" grep -q "^welcome=1" <(tr -d '\r' < "$ini")
check "the default template kept" grep -q "^deftemp=example.txt" <(tr -d '\r' < "$ini")
check "the saved-message folders made" test -d "$main/savedmgs/Sent" -a -d "$main/savedmgs/Saved"
check "nothing written to the working directory" test -z "$(ls -A "$cwd")"

# Started with a link and no Postling running: it starts and keeps the link for the compose form.
(cd "$cwd" && exec "${run_env[@]}" postling 'mailto:ann@yahoo.localhost?subject=Again' \
    >> "$log" 2>&1) &
pids+=($!)
check "started for a link, Postling runs" wait_for 60 running
check "and keeps the link" wait_for 30 ini_has "^mailto=mailto:ann@yahoo.localhost?subject=Again"
kill -TERM "${pids[1]}"
wait_for 30 bash -c "! kill -0 ${pids[1]} 2>/dev/null"

if [ $failures -gt 0 ]; then
    echo "--- postling's log"
    grep -v '^\s*$' "$log" | tail -n 40
    echo "$failures check(s) failed"
    exit 1
fi
