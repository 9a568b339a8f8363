#!/bin/bash
# Speed and memory of the command-line converter against libheif's heif-dec on
# the twenty 12 MP benchmark photos: one process per photo, two at a time (this
# machine has two cores), at JPEG quality 100 and 90.
#
#   bench/engine/run.sh [BUILD_DIR] [PHOTO_DIR] [ROUNDS]
#
# Prints wall time, summed CPU time (user + system) and the largest peak
# resident set of any one process, for both tools side by side, with the ratio
# ours / peer (below 1: we are faster or smaller). The median of ROUNDS runs
# (default 3) is shown; the machine is shared and noisy.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build-engine}
photos=${2:-$here/../../../shared/bench-photos}
rounds=${3:-3}
ours=$build/bin/vantrope-convert
peer=$(command -v heif-dec || true)

[[ -x $ours ]] || { echo "no $ours: build the vantrope-convert target first" >&2; exit 1; }
[[ -n $peer ]] || { echo "heif-dec not found (package libheif-examples)" >&2; exit 1; }
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time not found (package time)" >&2; exit 1; }
mapfile -t files < <(find "$photos" -maxdepth 1 -iname '*.heic' | sort)
(( ${#files[@]} > 0 )) || { echo "no HEIC photos in $photos" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One round: runs every photo through one tool, two processes at a time.
# Prints "wall cpu peakKiB".
run_round() {
    local tool=$1 quality=$2 out=$work/out-$1-$2 log=$work/time-$1-$2
    rm -rf "$out" "$log"
    mkdir -p "$out"
    local start end
    start=$(date +%s.%N)
    printf '%s\0' "${files[@]}" | xargs -0 -P 2 -I{} \
        /usr/bin/time -a -o "$log" -f '%e %U %S %M' \
        "$here/one.sh" "$tool" "$quality" "$out" "$ours" "$peer" {}
    end=$(date +%s.%N)
    local written
    written=$(find "$out" -type f -name '*.jpg' | wc -l)
    if (( written != ${#files[@]} )); then
        echo "$tool wrote $written of ${#files[@]} JPEGs" >&2
        exit 1
    fi
    awk -v wall="$(echo "$end - $start" | bc)" '
        { cpu += $2 + $3; if ($4 > peak) peak = $4 }
        END { printf "%.2f %.2f %d\n", wall, cpu, peak }' "$log"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

printf '%d photos, %d rounds, median\n' "${#files[@]}" "$rounds"
printf '%-4s %-8s %10s %10s %8s\n' q measure ours peer ratio
for quality in 100 90; do
    declare -A results=()
    for tool in ours peer; do
        : >"$work/rounds-$tool"
        for ((r = 0; r < rounds; ++r)); do
            run_round "$tool" "$quality" >>"$work/rounds-$tool"
        done
        results[$tool-wall]=$(cut -d' ' -f1 "$work/rounds-$tool" | median)
        results[$tool-cpu]=$(cut -d' ' -f2 "$work/rounds-$tool" | median)
        results[$tool-peak]=$(cut -d' ' -f3 "$work/rounds-$tool" | median)
    done
    for m in wall cpu peak; do
        unit=s; o=${results[ours-$m]}; p=${results[peer-$m]}
        if [[ $m == peak ]]; then unit=MiB; o=$(echo "scale=1; $o / 1024" | bc); p=$(echo "scale=1; $p / 1024" | bc); fi
        printf '%-4s %-8s %9s%s %9s%s %8.2f\n' "$quality" "$m" "$o" "${unit:0:1}" "$p" "${unit:0:1}" \
            "$(echo "scale=4; $o / $p" | bc)"
    done
done
