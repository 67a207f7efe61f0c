#!/usr/bin/env bash
# Peak memory of the interface for programs on one long word: the resident
# set of interface_bench running only the sign of a random 1,000,000-letter
# word (bytes per letter of input), from GNU time's "Maximum resident set".
#   bench/interface_memory.sh BUILD
set -euo pipefail
BUILD=${1:-build}
KB=$( { /usr/bin/time -v "$BUILD/bench/interface_bench" --benchmark_filter='BM_Sign/strands:10/' >/dev/null; } 2>&1 |
      awk -F: '/Maximum resident set size/ {print $2}')
echo "peak resident set: ${KB} kB for 1,000,000 letters: $((KB * 1024 / 1000000)) bytes per letter"
