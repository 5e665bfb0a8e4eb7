#!/bin/sh
# The command line gives the same answers on Linux and on Windows: `show`, `get`, `export`, `set`
# and `import` run against the same emulated camera state under Linux and, as qumat.exe beside its
# k47_4g_pc.dll, under Wine; their output, exit statuses, profiles and state files must agree
# byte for byte.
# Usage: same_answers_test.sh LINUX_QUMAT WINDOWS_QUMAT_EXE WINDOWS_K47_DLL
set -eu
linux_qumat=$(realpath "$1")
windows_qumat=$(realpath "$2")
windows_library=$(realpath "$3")
scratch=$(mktemp -d)
trap "rm -rf $scratch" EXIT
mkdir "$scratch/windows-program"
cp "$windows_qumat" "$windows_library" "$scratch/windows-program"

# Runs one command on one system in its own folder; what it printed, its exit status, the
# profiles and the camera's state file end up in that folder.
run() {
    system=$1
    shift
    folder=$scratch/$system
    if [ "$system" = linux ]; then
        program=$linux_qumat
    else
        program="env WINEDEBUG=-all wine $scratch/windows-program/qumat.exe"
    fi
    step=$(ls "$folder" | grep -c '^out-' || true)
    code=0
    (cd "$folder" && QUMAT_PASSWORD=000000 K47_CAMERA_STATE=camera.ini QUMAT_ANSI_CODE_PAGE=1251 \
        $program "$@" >"out-$step" 2>"err-$step" </dev/null) || code=$?
    echo "exit $code" >>"$folder/out-$step"
}

for system in linux windows; do
    mkdir -p "$scratch/$system"
    # The same camera on both: an stc model with texts in the Cyrillic code page.
    printf '[Camera]\r\nModel=stc\r\n[Network]\r\nApn=\xe8\xed\xf2\xe5\xf0\xed\xe5\xf2\r\n' \
        >"$scratch/$system/camera.ini"
    run "$system" show --model stc
    run "$system" export fleet.ini --model stc --include-secrets
    run "$system" set --model stc recording.gps=off network.ssid=Depot
    printf '[network]\r\nssid = " Yard "\r\napn = \320\277\321\200\320\276\320\261\320\260\r\n' >"$scratch/$system/change.ini"
    run "$system" import change.ini --model stc
    run "$system" import change.ini --model stc --dry-run
    run "$system" show --model stc --json
    run "$system" set --model stc recording.gps=maybe
    run "$system" export - --model stc
    printf '4321\r\n' >"$scratch/$system/pin.txt"
    run "$system" set --model stc network.pin=@pin.txt
    run "$system" get --model stc network.apn network.pin --show-secrets
done

status=0
for file in $(cd "$scratch/linux" && ls); do
    if ! cmp -s "$scratch/linux/$file" "$scratch/windows/$file"; then
        echo "Linux and Windows differ in $file:" >&2
        diff "$scratch/linux/$file" "$scratch/windows/$file" >&2 || true
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "Linux and Windows agree on $(ls "$scratch/linux" | wc -l) files"
exit "$status"
