#!/bin/sh
# Records the places in the user's home that the program and Wine write to (the change log, menu
# entries, a default Wine prefix), and later fails, naming them, when a test run changed any.
# Usage: home-untouched.sh record|compare FILE
set -eu
list() {
    for place in .local/state/qumat_pro .config/menus .local/share/applications \
        .local/share/desktop-directories .wine; do
        [ -e "$HOME/$place" ] && find "$HOME/$place" -printf '%p %s %T@\n'
    done | sort
}
case $1 in
record) list >"$2" ;;
compare)
    list >"$2.after"
    if ! cmp -s "$2" "$2.after"; then
        echo "the tests changed the user's home:" >&2
        diff "$2" "$2.after" >&2 || true
        exit 1
    fi
    ;;
*)
    echo "usage: home-untouched.sh record|compare FILE" >&2
    exit 2
    ;;
esac
