#!/bin/sh
# Time to the first picture of the preview: the photo's thumbnail, the full
# decode (both through libTarnwick, in one process) and heif-dec's decode of
# the same photo to PNG, side by side. Usage: firstpicture.sh BUILD_DIR PHOTO...
set -eu
build=$1; shift
out=$(mktemp -d); trap 'rm -rf "$out"' EXIT
printf 'photo\tthumbnail_ms\tfull_ms\theif-dec_ms\n'
for photo in "$@"; do
    line=$("$build/bin/tarnwick-bench-firstpicture" "$photo")
    start=$(date +%s%N)
    heif-dec "$photo" "$out/x.png" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    printf '%s\t%s\n' "$line" $(( (end - start) / 1000000 ))
done
