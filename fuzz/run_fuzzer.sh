#!/usr/bin/env bash
# Runs a harness on its seeds, each whole, then fuzzes from them repeatably.
# usage: run_fuzzer.sh HARNESS SEEDS FOUND MAX_LEN RUNS
# FOUND receives the inputs this run adds to the seeds and any crash file; it
# is emptied first, so that every run starts from the seeds alone. The run
# works in an empty folder of its own (an army names a folder to scan, which
# may be the current one). A finding fails the run.
set -euo pipefail
harness=$1 seeds=$2 found=$3 max_len=$4 runs=$5
# Without a stack kept for every allocation a run takes about a quarter less
# time; a finding is rerun on its crash file for the full report.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0}
rm -rf "$found"
mkdir -p "$found/inputs" "$found/work"
cd "$found/work"
"$harness" -artifact_prefix="$found/" "$seeds"/*
"$harness" -artifact_prefix="$found/" -seed=1 -runs="$runs" -max_len="$max_len" -timeout=10 \
    -print_final_stats=1 "$found/inputs" "$seeds"
