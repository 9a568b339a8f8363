#!/bin/bash
# One conversion for run.sh: TOOL QUALITY OUTDIR OURS PEER FILE
set -eu
tool=$1 quality=$2 out=$3 ours=$4 peer=$5 file=$6
name=$(basename "$file")
if [[ $tool == ours ]]; then
    # The folder is taken as it is when its path contains /Quorvix.
    exec "$ours" -q "$quality" -o "$out/Quorvix" "$file" >/dev/null
else
    exec "$peer" --quiet -q "$quality" "$file" "$out/${name%.*}.jpg" >/dev/null
fi
