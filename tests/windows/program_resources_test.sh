#!/bin/sh
# What Windows shows of each program in its file's properties and in Explorer, read back through
# the system's own functions under Wine: this project as maker and copyright holder, the product,
# the version, the file's own name, and the program's icon.
# Usage: program_resources_test.sh VERSION_PROBE VERSION PROGRAM...
set -eu
probe=$1 version=$2
shift 2
status=0
for program in "$@"; do
    name=$(basename "$program")
    expected="CompanyName: qumat_pro project
FileVersion: $version
LegalCopyright: Copyright (C) qumat_pro project
OriginalFilename: $name
ProductName: qumat_pro
ProductVersion: $version
icons: 1"
    actual=$(wine "$probe" "$(winepath -w "$program")" | tr -d '\r')
    if [ "$actual" != "$expected" ]; then
        printf '%s shows\n%s\nnot\n%s\n' "$name" "$actual" "$expected" >&2
        status=1
    fi
done
exit "$status"
