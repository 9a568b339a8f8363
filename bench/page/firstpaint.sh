#!/bin/bash
# Time to the first picture on the preview page against heif-dec, side by
# side in one run: per photo, the page's thumbnail painted and full preview
# painted (vantrope-bench-firstpaint, medians of ROUNDS fresh pages), then
# heif-dec's decode of the same photo to JPEG and to PNG (medians of ROUNDS).
# Photos: a 12 MP bench photo, the iPhone 8 Plus photo (12 MP with a
# thumbnail), the 10-bit 4:2:2 camera photo and a 200 MP grid photo made by
# tarnwick-make-grid-photo (as bench/decoder/bigphoto.sh does).
#
#   bench/page/firstpaint.sh
# Environment: BUILD (build folder, default build), ROUNDS (default 3),
# SHARED (the shared folder with bench-photos/ and testdata/),
# QT_QPA_PLATFORM (default offscreen; xcb with DISPLAY for a real display).
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD:-$repo/build}
rounds=${ROUNDS:-3}
shared=${SHARED:-$repo/../shared}
page=$build/bin/vantrope-bench-firstpaint
maker=$build/bin/tarnwick-make-grid-photo
for tool in "$page" "$maker"; do
    [ -x "$tool" ] || { echo "$tool not found; build it" >&2; exit 1; }
done
command -v heif-dec >/dev/null || { echo "heif-dec not found (libheif-examples)" >&2; exit 1; }
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$maker" "$shared/bench-photos/b01.heic" "$work/p200.heic" >/dev/null

# Median of the numbers on stdin.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# Wall milliseconds of heif-dec writing the photo to $2's kind of file.
heifdec_ms() {
    local start end
    start=$(date +%s%N)
    heif-dec "$1" "$2" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo $(( (end - start) / 1000000 ))
}

printf 'photo\tthumbnail_painted_ms\tfull_painted_ms\theif-dec_jpeg_ms\theif-dec_png_ms\n'
for photo in "$shared/bench-photos/b01.heic" "$shared/testdata/iphone-8plus_portrait_irot270.heic" \
             "$shared/testdata/sony-a7s3_10bit422.hif" "$work/p200.heic"; do
    line=$("$page" "$photo" "$rounds" 2>/dev/null)
    jpeg=$(for i in $(seq "$rounds"); do heifdec_ms "$photo" "$work/x.jpg"; done | median)
    png=$(for i in $(seq "$rounds"); do heifdec_ms "$photo" "$work/x.png"; done | median)
    printf '%s\t%s\t%s\n' "$line" "$jpeg" "$png"
done
