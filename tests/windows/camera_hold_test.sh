#!/bin/sh
# Two qumat.exe at one camera under Wine: while one holds the camera, the next is told it is in
# use, by which process, with exit status 1, and `wait` waits for it; once the holder is killed the
# camera is free and the waiting one goes on.
# Usage: camera_hold_test.sh QUMAT_EXE K47_DLL
set -eu
scratch=$(mktemp -d)
holder=
waiter=
cleanup() {
    for process in $holder $waiter; do
        kill -9 "$process" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT
cp "$1" "$2" "$scratch"
cd "$scratch"
# The holder's network write takes a minute, once it has read the camera.
printf '[Faults]\r\nDelay.Qumat_SetNetConfig=60000\r\n' >camera.ini
export WINEDEBUG=-all K47_CAMERA_STATE=camera.ini K47_CAMERA_JOURNAL=journal.txt \
    QUMAT_CHANGE_LOG=off QUMAT_PASSWORD=000000
status=0
fail() {
    echo "camera_hold_test: $*" >&2
    status=1
}

# until_found PATTERN FILE: waits for a line of FILE to match, for 30 seconds at most.
until_found() {
    waited=0
    until grep -q "$1" "$2" 2>/dev/null || [ "$waited" -ge 150 ]; do
        sleep 0.2
        waited=$((waited + 1))
    done
    grep -q "$1" "$2" 2>/dev/null
}

wine qumat.exe set network.ssid=Held </dev/null >holder.out 2>holder.err &
holder=$!
# Its first camera call comes after it took the camera.
until_found Init_Device journal.txt || fail "the holder never called the camera"

code=0
wine qumat.exe set network.server_port=1234 </dev/null >second.out 2>second.err || code=$?
[ "$code" -eq 1 ] || fail "a second program exited $code, not 1"
grep -qx 'qumat: the camera is in use by another program (process [0-9]*)' second.err ||
    fail "a second program said: $(cat second.err)"
[ "$(grep -c Init_Device journal.txt)" -eq 1 ] || fail "a second program called the camera"

wine qumat.exe wait --connected --timeout 60 </dev/null >wait.out 2>wait.err &
waiter=$!
until_found 'in use by another program (process [0-9]*); waiting' wait.err ||
    fail "wait said: $(cat wait.err)"
kill -0 "$waiter" 2>/dev/null || fail "wait ended while the camera was held"

kill -9 "$holder"
code=0
wait "$waiter" || code=$?
[ "$code" -eq 0 ] || fail "wait exited $code once the holder was killed: $(cat wait.err)"
[ "$(wine qumat.exe get network.ssid </dev/null 2>&1)" = Held ] ||
    fail "the camera was not free once the holder was killed"
exit "$status"
