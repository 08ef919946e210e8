#!/usr/bin/env bash
# Runs every fuzz target for a while, each on a scratch copy of its seed
# corpus (the repository is never written), and prints one summary line per
# target with the inputs it executed. Fails when any target fails.
#   tests/fuzz/run-all.sh <directory of the built targets> [seconds per target]
# A failing target's log and crashing input are kept in <directory>/findings/.
set -uo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 <directory of the built targets> [seconds per target]" >&2
    exit 2
fi
bin_dir=$(cd "$1" && pwd) || exit 2
seconds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)

# Target name and the longest input worth trying: a few bytes per field, and
# room for the engines' many field texts.
targets=(
    numbers:512
    catalogue:512
    quantities:64
    smd:64
    marking:128
    transformer:1024
    induction:512
    filter:512
    formulas:512
    ladder:256
)

work=$(mktemp -d "${TMPDIR:-/tmp}/quillfern-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT

summary=()
failed=0
for entry in "${targets[@]}"; do
    name=${entry%%:*}
    max_len=${entry##*:}
    binary="$bin_dir/quillfern_fuzz_$name"
    if [ ! -x "$binary" ]; then
        summary+=("$(printf '%-12s MISSING  %s' "$name" "$binary")")
        failed=1
        continue
    fi
    corpus="$work/$name/corpus"
    artifacts="$work/$name/artifacts"
    mkdir -p "$corpus" "$artifacts"
    cp "$here/corpus/$name/"* "$corpus/"
    log="$work/$name/log"
    echo "== $name: ${seconds}s"
    if "$binary" -max_total_time="$seconds" -print_final_stats=1 -max_len="$max_len" -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1; then
        status=ok
    else
        status=FAILED
        failed=1
        kept="$bin_dir/findings/$name"
        mkdir -p "$kept"
        cp "$log" "$artifacts"/* "$kept/" 2>/dev/null
        grep -m1 -E 'invariant broken|ERROR: |runtime error' "$log" >&2
        echo "   log and input kept in $kept" >&2
    fi
    executed=$(sed -n 's/^stat::number_of_executed_units: *\([0-9]*\).*/\1/p' "$log" | tail -n 1)
    corpus_size=$(find "$corpus" -type f | wc -l)
    summary+=("$(printf '%-12s %-7s %12s executions  %5s corpus units' "$name" "$status" "${executed:-?}" "$corpus_size")")
done

echo
echo "Fuzz summary (${seconds}s per target):"
printf '  %s\n' "${summary[@]}"
exit "$failed"
