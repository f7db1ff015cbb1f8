#!/usr/bin/env bash
# Runs each fuzz target for the given seconds, from its seed inputs, in a
# scratch corpus of its own; fails when one finds an input its oracle refuses.
set -u
folder=${1:?usage: run.sh build/tests/fuzz seconds}
seconds=${2:-60}
seeds=$(dirname "$0")/seeds
status=0
for target in fuzz_val fuzz_commandline fuzz_datafile fuzz_observations; do
    corpus=$(mktemp -d)
    echo "== $target, $seconds s"
    if ! "$folder/$target" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="$folder/$target-" "$corpus" "$seeds/$target" \
            2>"$folder/$target.log"; then
        tail -n 30 "$folder/$target.log"
        status=1
    fi
    grep -E '^stat::number_of_executed_units' "$folder/$target.log"
    rm -rf "$corpus"
done
exit "$status"
