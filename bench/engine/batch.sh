#!/bin/bash
# The program's own batch (one vantrope-convert process, four workers) on the
# benchmark photos, for two builds in turn, so that both see the same load on
# a shared machine.
#
#   bench/engine/batch.sh BEFORE_BIN_DIR AFTER_BIN_DIR [PHOTO_DIR] [ROUNDS] [QUALITY]
#
# Each BIN_DIR holds vantrope-convert and libTarnwick.so. BEFORE_ENV and
# AFTER_ENV (words NAME=VALUE) are set for the runs of each side, so one
# build can be compared with itself, e.g. the decoder helper against
# in-process decoding:
#
#   BEFORE_ENV=TARNWICK_IN_PROCESS=1 bench/engine/batch.sh build/bin build/bin Prints wall time,
# CPU time (user + system) and peak resident set of every run, then the medians
# and the ratio after / before, and the load average before and after.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
before=$1 after=$2
photos=${3:-$here/../../../shared/bench-photos}
rounds=${4:-5}
quality=${5:-100}
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time not found (package time)" >&2; exit 1; }
mapfile -t files < <(find "$photos" -maxdepth 1 -iname '*.heic' | sort)
(( ${#files[@]} > 0 )) || { echo "no HEIC photos in $photos" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One run: "wall cpu peakKiB".
run_once() {
    local bin=$1 out=$work/out
    local -a vars
    read -r -a vars <<<"$2"
    rm -rf "$out"
    mkdir -p "$out"
    env "${vars[@]}" /usr/bin/time -o "$work/time" -f '%e %U %S %M' "$bin/vantrope-convert" -q "$quality" \
        -o "$out" "${files[@]}" >/dev/null
    local written
    written=$(find "$out" -type f -name '*.jpg' | wc -l)
    (( written == ${#files[@]} )) || { echo "$bin wrote $written of ${#files[@]} JPEGs" >&2; exit 1; }
    awk '{ printf "%.2f %.2f %d\n", $1, $2 + $3, $4 }' "$work/time"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
: >"$work/before"; : >"$work/after"
for ((r = 0; r < rounds; ++r)); do
    # Alternate which build goes first.
    if (( r % 2 == 0 )); then order=(before after); else order=(after before); fi
    for which in "${order[@]}"; do
        dir=$before vars=${BEFORE_ENV:-}
        [[ $which == after ]] && dir=$after vars=${AFTER_ENV:-}
        result=$(run_once "$dir" "$vars")
        echo "$result" >>"$work/$which"
        printf 'round %d %-6s wall %6ss cpu %6ss peak %6d KiB  load %s\n' "$r" "$which" $result \
            "$(cut -d' ' -f1 /proc/loadavg)"
    done
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%d photos, q%d, %d rounds, median\n' "${#files[@]}" "$quality" "$rounds"
printf '%-8s %10s %10s %8s\n' measure before after ratio
for col in 1 2 3; do
    b=$(cut -d' ' -f$col "$work/before" | median)
    a=$(cut -d' ' -f$col "$work/after" | median)
    name=(x wall cpu peak); unit=(x s s KiB)
    printf '%-8s %9s%s %9s%s %8.3f\n' "${name[$col]}" "$b" "${unit[$col]:0:1}" "$a" "${unit[$col]:0:1}" \
        "$(echo "scale=4; $a / $b" | bc)"
done
