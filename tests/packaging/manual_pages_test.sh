#!/bin/sh
# The manual pages render without a warning, and qumat(1) describes every option the help lists.
# Usage: manual_pages_test.sh QUMAT_PRO qumat.1 qumat_pro.1
set -eu
program=$1
shift
for page in "$@"; do
    warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
    [ -z "$warnings" ] || {
        echo "$page: $warnings"
        exit 1
    }
done
manual=$(groff -man -Tascii -P-cbou "$1" 2>/dev/null)
missing=$("$program" --help | grep -o -- '--[a-z][a-z-]*' | sort -u | while read -r option; do
    printf '%s\n' "$manual" | grep -q -- "$option\\b" || printf ' %s' "$option"
done)
[ -z "$missing" ] || {
    echo "$1 does not describe:$missing"
    exit 1
}
