#!/bin/bash
# The cost of keeping gain maps: vantrope-convert on photos that carry one,
# with and without --sdr, in turn, so that both see the same load on a shared
# machine.
#
#   bench/hdr/gainmap.sh BIN_DIR [ROUNDS] [QUALITY] PHOTO...
#
# BIN_DIR holds vantrope-convert and libTarnwick.so. Prints each run's wall
# time, CPU time (user + system) and peak resident set, then the medians and
# the ratio gain map / --sdr.
set -euo pipefail

bin=$1
rounds=${2:-5}
quality=${3:-100}
shift 3 || true
files=("$@")
(( ${#files[@]} > 0 )) || { echo "usage: $0 BIN_DIR [ROUNDS] [QUALITY] PHOTO..." >&2; exit 1; }
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time not found (package time)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One run: "wall cpu peakKiB".
run_once() {
    local out=$work/out
    rm -rf "$out"
    mkdir -p "$out"
    /usr/bin/time -o "$work/time" -f '%e %U %S %M' "$bin/vantrope-convert" "$@" -q "$quality" -o "$out" \
        "${files[@]}" >/dev/null
    awk '{ printf "%.2f %.2f %d\n", $1, $2 + $3, $4 }' "$work/time"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: > "$work/hdr"
: > "$work/sdr"
for ((r = 1; r <= rounds; r++)); do
    if (( r % 2 )); then
        run_once >> "$work/hdr"
        run_once --sdr >> "$work/sdr"
    else
        run_once --sdr >> "$work/sdr"
        run_once >> "$work/hdr"
    fi
    echo "round $r: gain map $(tail -1 "$work/hdr") / --sdr $(tail -1 "$work/sdr")"
done
for column in 1 2 3; do
    h=$(awk -v c=$column '{ print $c }' "$work/hdr" | median)
    s=$(awk -v c=$column '{ print $c }' "$work/sdr" | median)
    name=$(case $column in 1) echo "wall s";; 2) echo "CPU s";; 3) echo "peak KiB";; esac)
    awk -v n="$name" -v h="$h" -v s="$s" 'BEGIN { printf "%-9s gain map %10s   --sdr %10s   ratio %.3f\n", n, h, s, h / s }'
done
