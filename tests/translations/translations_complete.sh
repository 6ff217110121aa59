#!/usr/bin/env bash
# Every text of the sources has a finished translation in each language: a copy of each committed
# .ts file is brought up to date with the sources by lupdate (dropping what is gone), and then no
# message may be unfinished (which a new text is) or empty.
# Usage: translations_complete.sh LUPDATE SOURCE_ROOT
set -euo pipefail
lupdate="$1"
root="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failed=0
for language in en de sv fr; do
    committed="$root/translations/kavren_$language.ts"
    if [ ! -f "$committed" ]; then
        echo "missing: translations/kavren_$language.ts"
        failed=1
        continue
    fi
    copy="$work/kavren_$language.ts"
    cp "$committed" "$copy"
    "$lupdate" -silent -no-obsolete -locations none "$root/src" -ts "$copy"
    # One message per line, so that each open one can be named by its source text.
    open="$(tr '\n' ' ' < "$copy" | sed 's|</message>|</message>\n|g' |
        grep -E 'type="unfinished"|<translation>[[:space:]]*</translation>|<numerusform>[[:space:]]*</numerusform>' |
        sed -E 's|.*<source>(.*)</source>.*|\1|' || true)"
    if [ -n "$open" ]; then
        echo "kavren_$language.ts: $(printf '%s\n' "$open" | wc -l) text(s) without a finished translation, e.g.:"
        printf '%s\n' "$open" | head -n 5 | sed 's/^/    /'
        failed=1
    fi
done
exit "$failed"
