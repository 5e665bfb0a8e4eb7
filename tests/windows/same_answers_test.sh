#!/bin/sh
# The command line gives the same answers on Linux and on Windows: `show`, `get`, `export`, `set`
# and `import` run against the same emulated camera state under Linux and, as qumat.exe beside its
# k47_4g_pc.dll, under Wine; their output, exit statuses, profiles and state files must agree
# byte for byte. Then again in a Western (code page 1252) and a Russian (1251) set-up of each
# system, chosen by the locale as a user's system chooses it, with accented and Cyrillic
# arguments, file names and variables: what one system refuses the other refuses, and what one
# writes the other writes, whole.
# Usage: same_answers_test.sh LINUX_QUMAT WINDOWS_QUMAT_EXE WINDOWS_K47_DLL
set -eu
linux_qumat=$(realpath "$1")
windows_qumat=$(realpath "$2")
windows_library=$(realpath "$3")
scratch=$(mktemp -d)
trap "rm -rf $scratch" EXIT
mkdir "$scratch/windows-program"
cp "$windows_qumat" "$windows_library" "$scratch/windows-program"

# Wine takes its code pages from the locale, which must exist: built here from the system's locale
# sources.
locales=$scratch/locales
mkdir "$locales"
for locale in en_US ru_RU; do
    if ! localedef -i "$locale" -f UTF-8 "$locales/$locale.UTF-8" >/dev/null 2>&1; then
        echo "cannot build the $locale.UTF-8 locale (Debian's locales package has its sources)" >&2
        exit 1
    fi
done

# run SYSTEM FOLDER COMMAND...: runs one command on one system in FOLDER, with the variables in
# $setup besides the password; what it printed and its exit status end up in that folder.
run() {
    system=$1
    folder=$2
    shift 2
    if [ "$system" = linux ]; then
        program=$linux_qumat
    else
        program="wine $scratch/windows-program/qumat.exe"
    fi
    step=$(ls "$folder" | grep -c '^out-' || true)
    code=0
    # shellcheck disable=SC2086
    (cd "$folder" && env WINEDEBUG=-all QUMAT_PASSWORD=000000 $setup $program "$@" \
        >"out-$step" 2>"err-$step" </dev/null) || code=$?
    echo "exit $code" >>"$folder/out-$step"
}

for system in linux windows; do
    folder=$scratch/$system
    mkdir -p "$folder"
    setup="K47_CAMERA_STATE=camera.ini QUMAT_ANSI_CODE_PAGE=1251"
    # The same camera on both: an stc model with texts in the Cyrillic code page.
    printf '[Camera]\r\nModel=stc\r\n[Network]\r\nApn=\xe8\xed\xf2\xe5\xf0\xed\xe5\xf2\r\n' \
        >"$folder/camera.ini"
    run "$system" "$folder" show --model stc
    run "$system" "$folder" export fleet.ini --model stc --include-secrets
    run "$system" "$folder" set --model stc recording.gps=off network.ssid=Depot
    printf '[network]\r\nssid = " Yard "\r\napn = \320\277\321\200\320\276\320\261\320\260\r\n' >"$folder/change.ini"
    run "$system" "$folder" import change.ini --model stc
    run "$system" "$folder" import change.ini --model stc --dry-run
    run "$system" "$folder" show --model stc --json
    run "$system" "$folder" set --model stc recording.gps=maybe
    run "$system" "$folder" export - --model stc
    printf '4321\r\n' >"$folder/pin.txt"
    run "$system" "$folder" set --model stc network.pin=@pin.txt
    run "$system" "$folder" get --model stc network.apn network.pin --show-secrets
    # A code page variable that names none, and a byte code page 932 cannot decode (a lead byte
    # without its second), which prints as its escape and goes back as it came.
    setup="K47_CAMERA_STATE=camera.ini QUMAT_ANSI_CODE_PAGE=cp1251"
    run "$system" "$folder" show --model stc
    printf '[Camera]\r\n[Network]\r\nApn=ab\223\r\n' >"$folder/camera-932.ini"
    setup="K47_CAMERA_STATE=camera-932.ini QUMAT_ANSI_CODE_PAGE=932"
    run "$system" "$folder" get network.apn
    run "$system" "$folder" show network.apn --json
    run "$system" "$folder" set network.ssid=Depot

    for locale in en_US ru_RU; do
        folder=$scratch/$system-$locale
        mkdir -p "$folder"
        # The camera, its log and the files in names beyond ASCII and beyond either code page.
        setup="LOCPATH=$locales LC_ALL=$locale.UTF-8 K47_CAMERA_STATE=камера-ü.ini
            QUMAT_CHANGE_LOG=../$system-$locale-журнал/изменения-ü.log"
        printf '000000\r\n' >"$folder/пароль-ü.txt"
        # UTF-16 with its byte-order mark, as the platform's own editor saves "Unicode".
        { printf '\377\376' && printf '[network]\r\nssid = Депо\r\n' | iconv -f UTF-8 -t UTF-16LE; } \
            >"$folder/готовый-ü.ini"
        run "$system" "$folder" set network.ssid=Склад
        run "$system" "$folder" set network.ssid=Café
        run "$system" "$folder" get network.ssid --password-file пароль-ü.txt
        run "$system" "$folder" import готовый-ü.ini
        run "$system" "$folder" export профиль-ü.ini --include-secrets
        # What each change logged, without the time, user and computer, which differ.
        grep -o '"new":"[^"]*"' "$scratch/$system-$locale-журнал/изменения-ü.log" \
            >"$folder/logged" || true
    done
done

status=0
compared=0
for pair in "linux windows" "linux-en_US windows-en_US" "linux-ru_RU windows-ru_RU"; do
    set -- $pair
    for file in $(cd "$scratch/$1" && ls); do
        compared=$((compared + 1))
        if ! cmp -s "$scratch/$1/$file" "$scratch/$2/$file"; then
            echo "Linux and Windows differ in $2/$file:" >&2
            diff "$scratch/$1/$file" "$scratch/$2/$file" >&2 || true
            status=1
        fi
    done
done
# Linux's answers themselves: each set-up refuses what its code page lacks and takes the rest.
expect() {
    if ! grep -qF "$2" "$scratch/$1"; then
        echo "$1 lacks '$2':" >&2
        cat "$scratch/$1" >&2
        status=1
    fi
}
expect linux/err-10 "QUMAT_ANSI_CODE_PAGE='cp1251' names no ANSI code page"
expect linux/out-11 '"ab\x93"'
expect linux/out-12 '"apn": "ab\udc93"'
expect linux/camera-932.ini 'Apn=ab\x93'
expect linux-en_US/err-0 "network.ssid: has characters that code page 1252 lacks"
expect linux-en_US/out-2 "Café"
expect linux-ru_RU/err-1 "network.ssid: has characters that code page 1251 lacks"
expect linux-ru_RU/logged '"new":"Депо"'
expect linux-ru_RU/профиль-ü.ini "ssid = Депо"
[ "$status" -eq 0 ] && echo "Linux and Windows agree on $compared files"
exit "$status"
