#!/bin/sh
# Fails, naming each, when a program loads a library of the windows (Qt, X11, xcb, OpenGL, EGL),
# directly or through another library: the command line must start on a server without them.
set -eu
program=$1
libraries=$(ldd "$program")
found=$(printf '%s\n' "$libraries" | awk '{print $1}' |
    grep -E '^lib(Qt[0-9]|X|xcb|GL|OpenGL|EGL)' || true)
[ -z "$found" ] || {
    echo "$program loads:" $found
    exit 1
}
