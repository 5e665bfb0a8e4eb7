#!/bin/sh
# What qumat.exe writes to a Windows console shows every character whatever the console's code
# page, what is typed into one arrives whole, and a pipe gets UTF-8. Wine gives a program a console
# when it runs on a terminal, which `script` lends it; in the C.UTF-8 locale that console has code
# page 437, where UTF-8 bytes written as they are would show "Склад" as "╨í╨║╨╗╨░╨┤".
# Usage: console_text_test.sh QUMAT_EXE K47_DLL
set -eu
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$1" "$2" "$scratch"
cd "$scratch"
# The camera keeps its network name Склад and its password пароль in code page 1251.
printf '[Camera]\r\nAdminPassword=\357\340\360\356\353\374\r\n[Network]\r\nSsid=\321\352\353\340\344\r\n' \
    >camera.ini
export LC_ALL=C.UTF-8 WINEDEBUG=-all QUMAT_ANSI_CODE_PAGE=1251 K47_CAMERA_STATE=camera.ini \
    QUMAT_CHANGE_LOG=off
status=0

fail() {
    echo "$1; the console showed:" >&2
    cat -v typescript >&2
    status=1
}

# on_console COMMAND [PROMPT KEYS]: runs COMMAND on a terminal of its own and types KEYS and Enter
# once PROMPT shows; the terminal's screen ends up in the file typescript. The exit status is the
# command's.
on_console() {
    rm -f keys typescript
    mkfifo keys
    script -qfec "$1" typescript <keys >/dev/null &
    session=$!
    # Open until the command ends: the end of the terminal's input would end its session.
    exec 3>keys
    if [ $# -gt 1 ]; then
        waited=0
        until grep -q "$2" typescript 2>/dev/null || [ "$waited" -ge 120 ]; do
            sleep 0.5
            waited=$((waited + 1))
        done
        printf '%s\r' "$3" >&3
    fi
    code=0
    wait "$session" || code=$?
    exec 3>&-
    return "$code"
}

# The password is typed in the console and read as UTF-16, without echo; the answer shows whole.
unset QUMAT_PASSWORD
on_console "wine qumat.exe get network.ssid" "Password:" "пароль" || fail "get on a console failed"
grep -q "Склад" typescript || fail "the console does not show Склад"
if grep -q "пароль" typescript; then
    fail "the password was echoed"
fi

# An error names a file whose name the console's code page lacks.
export QUMAT_PASSWORD=пароль
if on_console "wine qumat.exe import нет-файла.ini"; then
    fail "a missing profile was imported"
fi
# The first line is the terminal's own, naming the command; the console draws blanks as cursor moves.
tail -n +2 typescript | grep -q "нет-файла.ini" || fail "the error does not name нет-файла.ini"

# Through a pipe, the same answer is UTF-8 bytes, without a CR.
bytes=$(wine qumat.exe get network.ssid | od -An -tx1 | tr -d ' \n')
if [ "$bytes" != "d0a1d0bad0bbd0b0d0b40a" ]; then
    echo "the pipe got $bytes, not Склад in UTF-8 and a line end" >&2
    status=1
fi
exit "$status"
