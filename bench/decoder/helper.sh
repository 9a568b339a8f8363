#!/bin/bash
# The decoder helper process against decoding in the calling process
# (TARNWICK_IN_PROCESS=1), side by side:
#   - a thread's first call (helper start, plugin loading, lock-down) and
#     its second, on a small photo (tarnwick-first-call);
#   - the 200 MP grid photo of bigphoto.sh through the driver: wall time and
#     the peak of the caller's and its helpers' resident memory together,
#     sampled every 20 ms (shared library pages count once per process, so
#     the sum is on the high side).
# The batch of the twenty bench photos: bench/engine/batch.sh with
# BEFORE_ENV=TARNWICK_IN_PROCESS=1.
#
#   bench/decoder/helper.sh [quality]     (default 100)
# Environment: BUILD (default build), ROUNDS (default 3), SHARED.
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
quality=${1:-100}
build=${BUILD:-$repo/build}
rounds=${ROUNDS:-3}
shared=${SHARED:-$repo/../shared}
driver=$build/bin/tarnwick-bench-driver
maker=$build/bin/tarnwick-make-grid-photo
first=$build/bin/tarnwick-first-call
for tool in "$driver" "$maker" "$first"; do
    [ -x "$tool" ] || { echo "$tool not found; build it" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/out"

small=$shared/testdata/nikon-d5300_300x200_small.heic
if [ -f "$small" ]; then
    echo "first call on $(basename "$small"), fresh thread each round:"
    printf '  helper:     %s\n' "$("$first" "$small" 20)"
    printf '  in-process: %s\n' "$(TARNWICK_IN_PROCESS=1 "$first" "$small" 20)"
fi

# The summed VmRSS (KiB) of a process and all its descendants.
tree_rss() {
    local pid=$1 sum=0 kids
    sum=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)
    for kids in /proc/"$pid"/task/*/children; do
        for kid in $(cat "$kids" 2>/dev/null); do
            sum=$((sum + $(tree_rss "$kid")))
        done
    done
    echo "${sum:-0}"
}

# run <env words> : "wall peakKiB" of the driver on the 200 MP photo.
run_big() {
    local -a vars
    read -r -a vars <<<"$1"
    local start end peak=0 now
    start=$(date +%s.%N)
    env "${vars[@]}" "$driver" -q "$quality" -o "$work/out" "$work/p200.heic" >/dev/null 2>&1 &
    local pid=$!
    while kill -0 "$pid" 2>/dev/null; do
        now=$(tree_rss "$pid")
        ((now > peak)) && peak=$now
        sleep 0.02
    done
    wait "$pid"
    end=$(date +%s.%N)
    echo "$(echo "$end - $start" | bc) $peak"
}

"$maker" "$shared/bench-photos/b01.heic" "$work/p200.heic"
: >"$work/helper"; : >"$work/inproc"
for round in $(seq "$rounds"); do
    run_big "" >>"$work/helper"
    run_big "TARNWICK_IN_PROCESS=1" >>"$work/inproc"
done
median() { cut -d' ' -f"$2" "$1" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
echo "200 MP grid photo, quality $quality, medians of $rounds rounds:"
printf '  %-12s %8s %14s\n' "" "wall s" "peak MiB (sum)"
for side in helper inproc; do
    printf '  %-12s %8.2f %14.0f\n' "$side" "$(median "$work/$side" 1)" "$(echo "$(median "$work/$side" 2) / 1024" | bc -l)"
done
