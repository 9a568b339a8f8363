#!/bin/bash
# Times heif2jpg (tarnwick-bench-driver) against heif-dec, run right beside
# each other (interleaved, ROUNDS times, medians), on
#   - a 200 MP grid photo made by tarnwick-make-grid-photo from a bench photo,
#   - four copies of it converted at once by four driver threads (they must
#     wait for the memory budget: peak memory stays near two at a time),
#   - the 10-bit 4:2:2 camera photo of the shared test data.
# Prints wall seconds and peak resident MiB of each, with the ratios.
# The grid photo repeats one tile, so its file is tiny and its JPEG far larger
# than the program's output buffer of ten times the file: the driver uses that
# buffer, as the program does, and its retry with the size asked for is
# answered from the JPEG the library kept (the photo is decoded once).
# vantrope-convert (the whole engine, with its JPEG reload and save) is timed
# on the 200 MP photo too when it is built, also with 4 KiB pages only, and on
# the four copies at once.
#
#   bench/decoder/bigphoto.sh [quality]     (default 100)
# Environment: BUILD (build folder, default build), ROUNDS (default 3),
# SHARED (the shared folder with bench-photos/ and testdata/).
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
quality=${1:-100}
build=${BUILD:-$repo/build}
rounds=${ROUNDS:-3}
shared=${SHARED:-$repo/../shared}
driver=$build/bin/tarnwick-bench-driver
maker=$build/bin/tarnwick-make-grid-photo
camera=$shared/testdata/sony-a7s3_10bit422.hif
for tool in "$driver" "$maker"; do
    [ -x "$tool" ] || { echo "$tool not found; build it" >&2; exit 1; }
done
command -v heif-dec >/dev/null || { echo "heif-dec not found (libheif-examples)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/out"
"$maker" "$shared/bench-photos/b01.heic" "$work/p200.heic"
for i in 1 2 3 4; do cp "$work/p200.heic" "$work/p200-$i.heic"; done

# measure <label> <command...>: appends "label wall peakKB".
measure() {
    local label=$1; shift
    /usr/bin/time -f "%e %M" -o "$work/t" "$@" >/dev/null 2>"$work/err" || {
        echo "failed: $*" >&2; cat "$work/err" >&2; exit 1; }
    echo "$label $(cat "$work/t")" >>"$work/runs"
}
: >"$work/runs"
for round in $(seq "$rounds"); do
    measure big-tarnwick "$driver" -q "$quality" -o "$work/out" "$work/p200.heic"
    if [ -x "$build/bin/vantrope-convert" ]; then
        measure big-convert env HOME="$work" "$build/bin/vantrope-convert" -q "$quality" -o "$work/out" "$work/p200.heic"
        # The same with 4 KiB pages only (the converter leaves a GLIBC_TUNABLES
        # that names the setting as it is).
        measure big-convert-4k env HOME="$work" GLIBC_TUNABLES=glibc.malloc.hugetlb=0 \
            "$build/bin/vantrope-convert" -q "$quality" -o "$work/out" "$work/p200.heic"
        measure four-convert env HOME="$work" "$build/bin/vantrope-convert" -q "$quality" -o "$work/out" "$work"/p200-?.heic
    fi
    measure big-heifdec heif-dec -q "$quality" "$work/p200.heic" "$work/out/hd.jpg"
    measure four-tarnwick "$driver" -q "$quality" -j 4 -o "$work/out" "$work"/p200-?.heic
    if [ -f "$camera" ]; then
        measure camera-tarnwick "$driver" -q "$quality" -o "$work/out" "$camera"
        measure camera-heifdec heif-dec -q "$quality" "$camera" "$work/out/camera-hd.jpg"
    fi
done

median() { awk -v l="$1" -v f="$2" '$1 == l { print $f }' "$work/runs" | sort -n | awk '{ a[NR] = $1 } END { if (NR) print a[int((NR + 1) / 2)]; else print 0 }'; }
echo "200 MP grid photo and camera photo, quality $quality, medians of $rounds interleaved rounds, $(nproc) cores"
printf "%-28s %9s %10s\n" run "wall s" "peak MiB"
for l in big-tarnwick big-convert big-convert-4k big-heifdec four-tarnwick four-convert camera-tarnwick camera-heifdec; do
    w=$(median "$l" 2); m=$(median "$l" 3)
    [ "$w" = 0 ] && continue
    printf "%-28s %9.2f %10.0f\n" "$l" "$w" "$(echo "$m / 1024" | bc -l)"
done
printf "200 MP wall ratio heif2jpg / heif-dec: %.2f\n" "$(echo "$(median big-tarnwick 2) / $(median big-heifdec 2)" | bc -l)"
if [ -x "$build/bin/vantrope-convert" ]; then
    printf "200 MP wall ratio vantrope-convert / heif-dec: %.2f\n" "$(echo "$(median big-convert 2) / $(median big-heifdec 2)" | bc -l)"
fi
if [ -f "$camera" ]; then
    printf "camera wall ratio heif2jpg / heif-dec: %.2f\n" "$(echo "$(median camera-tarnwick 2) / $(median camera-heifdec 2)" | bc -l)"
fi
