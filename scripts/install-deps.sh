#!/bin/sh
# Installs the Debian packages the build, the tests and the program need, when any is missing.
# Idempotent: does nothing (and needs no network) once everything is there.
set -eu

packages="build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev \
qt6-base-dev libqt6opengl6-dev libgl-dev libusb-dev libgtest-dev libgmock-dev libbenchmark-dev \
clang-format xvfb xauth dpkg-dev file jq python3 groff-base zsh \
g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 wine32:i386 fonts-wine \
msitools wixl locales unixodbc-dev odbc-postgresql postgresql \
libodbc2:i386 odbc-postgresql:i386"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing Debian packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
else
    echo "Missing packages:$missing. Run this script as root to install them." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
# The 32-bit Windows build runs under 32-bit Wine, which Debian ships for i386 only.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
