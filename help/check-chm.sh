#!/usr/bin/env bash
# Checks a compiled help file: its start topic is the given page, and every HTML page and style sheet of
# the sources is inside it byte for byte. Usage: check-chm.sh help.chm source-folder topic source...
set -euo pipefail
chm=$1 sources=$2 topic=$3
shift 3

[ -f "$chm" ] || { echo "missing $chm"; exit 1; }
listing=$(7z l -slt "$chm")
failed=0
for page in "$@"; do
    case "$page" in *.htm | *.css) ;; *) continue ;; esac
    if ! grep -qx "Path = $page" <<<"$listing"; then
        echo "not in $chm: $page"
        failed=1
    elif ! 7z x -so "$chm" "$page" 2>/dev/null | cmp -s - "$sources/$page"; then
        echo "differs from its source: $page"
        failed=1
    fi
done

# #SYSTEM names the default topic; HTML Help opens it when no topic is given.
if ! 7z x -so "$chm" '#SYSTEM' 2>/dev/null | grep -qaF "$topic"; then
    echo "the start topic is not $topic"
    failed=1
fi
[ $failed -eq 0 ] && echo "help.chm holds every source page unchanged; start topic $topic"
exit $failed
