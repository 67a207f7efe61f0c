#!/usr/bin/env bash
# Times the three-strand study on the built program: key B with a length
# bound, then M, S, I (u = a, v = b) and Q, fed as one session, the output
# thrown away. Reports the wall time, the processor time (user and system:
# the machine may be shared) and the peak resident memory of the whole
# session for the bounds 15, 18, 20, 22 and 25 (or those given as arguments).
#
#   bench/study3.sh [BOUND ...]
#
# KORVEL may name the binary; by default the script configures and builds
# build-bench/korvel (Release) when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

KORVEL=${KORVEL:-build-bench/korvel}
if [[ ! -x "$KORVEL" ]]; then
  cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKORVEL_TESTS=OFF -DKORVEL_BENCH=OFF >/dev/null
  cmake --build build-bench --target korvel -j2 >/dev/null
  KORVEL=build-bench/korvel
fi

BOUNDS=("$@")
if [[ ${#BOUNDS[@]} -eq 0 ]]; then
  BOUNDS=(15 18 20 22 25)
fi

SESSION=$(mktemp)
REPORT=$(mktemp)
trap 'rm -f "$SESSION" "$REPORT"' EXIT

printf '%-6s %10s %10s %15s\n' bound "wall (s)" "cpu (s)" "peak RSS (MB)"
for BOUND in "${BOUNDS[@]}"; do
  printf 'B\n%s\nM\nS\nI\na\nb\nQ\n' "$BOUND" >"$SESSION"
  CPU=-
  if [[ -x /usr/bin/time ]]; then
    /usr/bin/time -f '%e %U %S %M' -o "$REPORT" "$KORVEL" <"$SESSION" >/dev/null
    read -r WALL USER SYSTEM PEAKKB <"$REPORT"
    CPU=$(awk -v U="$USER" -v S="$SYSTEM" 'BEGIN {printf "%.2f", U + S}')
  else
    # Without GNU time: bash's clock, and the peak read from /proc while the
    # program runs (VmHWM).
    START=$(date +%s.%N)
    "$KORVEL" <"$SESSION" >/dev/null &
    PID=$!
    PEAKKB=0
    while kill -0 "$PID" 2>/dev/null; do
      HWM=$(awk '/VmHWM/ {print $2}' "/proc/$PID/status" 2>/dev/null || true)
      [[ -n "$HWM" && "$HWM" -gt "$PEAKKB" ]] && PEAKKB=$HWM
      sleep 0.01
    done
    wait "$PID"
    WALL=$(echo "$(date +%s.%N) - $START" | bc)
  fi
  printf '%-6s %10s %10s %15s\n' "$BOUND" "$WALL" "$CPU" "$(awk -v K="$PEAKKB" 'BEGIN {printf "%.1f", K / 1024}')"
done
