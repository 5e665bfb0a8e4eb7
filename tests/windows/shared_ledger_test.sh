#!/bin/sh
# The Windows program provisions over the same shared ledger as the Linux one: the four benches at
# once of the Linux build's test, one of them qumat.exe under Wine, whose odbc32 hands the
# connection string to this system's unixODBC and PostgreSQL driver unchanged (the 32-bit program
# needs their i386 packages: libodbc2:i386 and odbc-postgresql:i386).
# Usage: shared_ledger_test.sh LINUX_BUILD WINDOWS_QUMAT_EXE WINDOWS_K47_DLL
set -eu
test_program=$(realpath "$1")/tests/cli_database_provision_process_test
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$2" "$3" "$scratch"
QUMAT_WINDOWS_QUMAT=$scratch/qumat.exe "$test_program" \
    --gtest_filter='DatabaseProvisionProcessTest.FourBenchesAtOnceGiveEachIdentityToOneCamera'
