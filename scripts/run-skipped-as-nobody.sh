#!/bin/sh
# Tests of what root may do anyway (read-only folders, unreadable files) skip when the suite runs
# as root, as it does in CI. This runs the tests that such a run skipped again as nobody, from a
# copy in a scratch folder of that user's, and fails when one of them fails or skips there too.
#   scripts/run-skipped-as-nobody.sh BUILD_DIR JUNIT_RESULTS_OF_THAT_RUN
set -eu
build_dir=$(cd "$1" && pwd)
results=$2
[ "$(id -u)" -eq 0 ] || exit 0

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/bin" "$scratch/lib" "$scratch/home" "$scratch/tmp" "$scratch/runtime"

sed -n 's/.*<testcase name="\([^"]*\)".*status="notrun".*/\1/p' "$results" |
    sed 's/&quot;/"/g; s/&apos;/'"'"'/g; s/&lt;/</g; s/&gt;/>/g; s/&amp;/\&/g' >"$scratch/skipped"
skipped_as_root=$(grep -c . "$scratch/skipped" || true)

# One line per test program: its path and a filter that selects its skipped tests. The program
# stands just before its filter, after the env that gives it its home in the build.
ctest --test-dir "$build_dir" --show-only=json-v1 |
    jq -r --rawfile skipped "$scratch/skipped" '
        ($skipped | split("\n")) as $names
        | [.tests[] | select(.name | IN($names[])) | .command as $command
           | ($command | map(startswith("--gtest_filter=")) | index(true)) as $filter
           | {program: $command[$filter - 1],
              filter: ($command[$filter] | ltrimstr("--gtest_filter="))}]
        | group_by(.program)[]
        | [.[0].program, (map(.filter) | join(":"))]
        | @tsv' >"$scratch/programs"

# The copies load the build's own libraries (the camera library among them) from the scratch
# folder, since nobody may not reach the build tree.
while IFS="	" read -r program filter; do
    cp "$program" "$scratch/bin/"
    ldd "$program" | awk -v dir="$build_dir/" 'index($3, dir) == 1 { print $3 }' |
        xargs -r cp -t "$scratch/lib"
done <"$scratch/programs"
chown -R nobody:nogroup "$scratch"
chmod 700 "$scratch/runtime"

touch "$scratch/outputs"
while IFS="	" read -r program filter; do
    if ! (cd "$scratch/tmp" && setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -i PATH=/usr/bin:/bin HOME="$scratch/home" TMPDIR="$scratch/tmp" \
        XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/home/.config" \
        XDG_CACHE_HOME="$scratch/home/.cache" XDG_DATA_HOME="$scratch/home/.local/share" \
        QT_QPA_PLATFORM=offscreen LD_LIBRARY_PATH="$scratch/lib" \
        "$scratch/bin/$(basename "$program")" --gtest_filter="$filter") >"$scratch/output" 2>&1; then
        cat "$scratch/output"
        echo "$(basename "$program") fails as nobody"
        exit 1
    fi
    cat "$scratch/output" >>"$scratch/outputs"
done <"$scratch/programs"

passed=$(grep -c '^\[       OK \] .* ([0-9]* ms)$' "$scratch/outputs" || true)
skipped=$(grep '^\[  SKIPPED \] .* ([0-9]* ms)$' "$scratch/outputs" || true)
echo "Tests skipped as root: $skipped_as_root; as nobody: $passed passed, $(echo "$skipped" | grep -c .) skipped."
[ -z "$skipped" ] && [ "$passed" -eq "$skipped_as_root" ] || {
    echo "$skipped"
    echo "Every test must run somewhere: these skip as nobody too, or did not run."
    exit 1
}
