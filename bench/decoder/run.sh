#!/bin/bash
# Times heif2jpg (through tarnwick-bench-driver) against heif-dec writing the
# same JPEGs at the same quality, over the benchmark photos:
#   one photo at a time (one process per photo, summed), and
#   a batch on both cores (the driver with four threads sharing the list, as the
#   program's batch workers do; heif-dec two processes at a time).
# Prints wall time, CPU time (user + system) and peak resident memory per run,
# with the ratio decoder / heif-dec.
#
#   bench/decoder/run.sh [quality]        (default 100)
# Environment: PHOTOS (folder of .heic files), DRIVER (path of the driver),
# ROUNDS (repetitions; the best round counts, default 1).
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
quality=${1:-100}
photos=${PHOTOS:-$repo/../shared/bench-photos}
driver=${DRIVER:-}
rounds=${ROUNDS:-1}
if [ -z "$driver" ]; then
    for candidate in "$repo"/build/bin/tarnwick-bench-driver "$repo"/build-*/bin/tarnwick-bench-driver; do
        if [ -x "$candidate" ]; then driver=$candidate; break; fi
    done
fi
[ -x "${driver:-}" ] || { echo "tarnwick-bench-driver not found; build the target or set DRIVER" >&2; exit 1; }
command -v heif-dec >/dev/null || { echo "heif-dec not found (libheif-examples)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time not found" >&2; exit 1; }
mapfile -t files < <(ls "$photos"/*.heic 2>/dev/null)
[ "${#files[@]}" -gt 0 ] || { echo "no .heic files in $photos" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/out"

# measure <label> <command...>: runs once, appends "label wall cpu peakKB".
measure() {
    local label=$1; shift
    /usr/bin/time -f "%e %U %S %M" -o "$work/t" "$@" >/dev/null 2>"$work/err" || {
        echo "failed: $*" >&2; cat "$work/err" >&2; exit 1; }
    awk -v l="$label" '{ printf "%s %.2f %.2f %d\n", l, $1, $2 + $3, $4 }' "$work/t" >>"$work/runs"
}

# Sum (wall, cpu) and max (peak) over the per-photo runs of one label.
summarise() {
    awk -v l="$1" '$1 == l { w += $2; c += $3; if ($4 > m) m = $4 } END { printf "%.2f %.2f %d\n", w, c, m }' "$work/runs"
}


best() { sort -n -k1 | head -n 1; }

: >"$work/results"
for round in $(seq "$rounds"); do
    : >"$work/runs"
    for f in "${files[@]}"; do
        name=$(basename "$f" .heic)
        measure single-tarnwick "$driver" -q "$quality" -o "$work/out" "$f"
        measure single-heifdec heif-dec -q "$quality" "$f" "$work/out/$name-hd.jpg"
        measure single-heifdec-ffmpeg heif-dec -d ffmpeg -q "$quality" "$f" "$work/out/$name-hdf.jpg"
    done
    measure batch-tarnwick "$driver" -q "$quality" -j 4 -o "$work/out" "${files[@]}"
    measure batch-heifdec bash -c 'printf "%s\n" "$@" | xargs -P 2 -I{} sh -c "heif-dec -q '"$quality"' \"\$1\" \"'"$work/out"'/\$(basename \"\$1\" .heic)-hd.jpg\"" _ {}' _ "${files[@]}"
    measure batch-heifdec-ffmpeg bash -c 'printf "%s\n" "$@" | xargs -P 2 -I{} sh -c "heif-dec -d ffmpeg -q '"$quality"' \"\$1\" \"'"$work/out"'/\$(basename \"\$1\" .heic)-hdf.jpg\"" _ {}' _ "${files[@]}"
    for l in single-tarnwick single-heifdec single-heifdec-ffmpeg batch-tarnwick batch-heifdec batch-heifdec-ffmpeg; do
        echo "$l $(summarise "$l")" >>"$work/results"
    done
done

n=${#files[@]}
pick() { awk -v l="$1" '$1 == l { print $2, $3, $4 }' "$work/results" | best; }
echo "heif2jpg vs heif-dec, ${n} photos from $photos, quality $quality, $(nproc) cores, best of $rounds"
echo "single: one process per photo, summed (peak: largest single run); batch: all photos at once"
printf "%-8s %-22s %9s %9s %10s %12s %12s\n" mode tool "wall s" "cpu s" "peak MiB" "wall ratio" "cpu ratio"
for mode in single batch; do
    read -r tw tc tm < <(pick "$mode-tarnwick")
    for tool in tarnwick heifdec heifdec-ffmpeg; do
        read -r w c m < <(pick "$mode-$tool")
        label=$tool
        case $tool in
            tarnwick) label="heif2jpg" ;;
            heifdec) label="heif-dec" ;;
            heifdec-ffmpeg) label="heif-dec -d ffmpeg" ;;
        esac
        if [ "$tool" = tarnwick ]; then
            printf "%-8s %-22s %9.2f %9.2f %10.1f %12s %12s\n" "$mode" "$label" "$w" "$c" "$(echo "$m / 1024" | bc -l)" "-" "-"
        else
            printf "%-8s %-22s %9.2f %9.2f %10.1f %12.2f %12.2f\n" "$mode" "$label" "$w" "$c" "$(echo "$m / 1024" | bc -l)" \
                "$(echo "$tw / $w" | bc -l)" "$(echo "$tc / $c" | bc -l)"
        fi
    done
done
echo "ratio = heif2jpg / that tool (below 1: heif2jpg is faster)"
