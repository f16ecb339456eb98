#!/usr/bin/env bash
# Runs a harness on its seeds, each whole, then fuzzes from them repeatably.
# usage: run_fuzzer.sh HARNESS SEEDS FOUND MAX_LEN RUNS
# FOUND holds what this run adds to the seeds and is emptied first, so that
# every run starts from the seeds alone; a finding fails the run.
set -euo pipefail
harness=$1 seeds=$2 found=$3 max_len=$4 runs=$5
rm -rf "$found"
mkdir -p "$found"
cd "$found"
"$harness" "$seeds"/*
"$harness" -seed=1 -runs="$runs" -max_len="$max_len" -timeout=10 -print_final_stats=1 \
    "$found" "$seeds"
