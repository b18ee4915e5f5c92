#!/bin/sh
# Every translation is finished and in step with the sources: lupdate run on the sources finds
# nothing new for any language, and lrelease finds nothing unfinished.
set -eu
src=$1
bin=$(dirname "$(command -v lupdate 2>/dev/null || echo /usr/lib/qt6/bin/lupdate)")
[ -x "$bin/lupdate" ] || bin=/usr/lib/qt6/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$src"/translations/postling_*.ts; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    "$bin/lupdate" -no-obsolete -locations none -tr-function-alias QT_TRANSLATE_NOOP+=POSTLING_TR \
        "$src/src" -ts "$copy" > "$work/log" 2>&1
    if ! grep -q "(0 new and" "$work/log"; then
        echo "$(basename "$ts"): texts not yet in the file: $(grep Found "$work/log")"
        status=1
    fi
    released=$("$bin/lrelease" "$copy" -qm "$work/out.qm" 2>&1)
    case $released in
    *" 0 unfinished)"*) ;;
    *) echo "$(basename "$ts"): $released"; status=1 ;;
    esac
done
exit $status
