#!/bin/sh
# Installs the build into a scratch prefix and checks that the installed
# program finds its decoder, skin and icon, and that it starts.
#   install_check.sh <build dir> [testdata dir]
set -eu
build=$1
testdata=${2:-}
prefix=$(mktemp -d)
runtime=$(mktemp -d)
trap 'rm -rf "$prefix" "$runtime"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

program=$(readlink -f "$prefix/bin/vantrope") || fail "no launcher in bin"
[ "$program" = "$(readlink -f "$prefix/lib/vantrope/Vantrope")" ] || fail "bin/vantrope does not start lib/vantrope/Vantrope"
[ -f "$prefix/lib/vantrope/libTarnwick.so" ] || fail "decoder library not beside the program"
[ -f "$prefix/lib/vantrope/Skin/main/48x48.png" ] || fail "skin folder not beside the program"
[ -f "$prefix/share/icons/hicolor/48x48/apps/vantrope.png" ] || fail "no 48x48 icon"
desktop="$prefix/share/applications/vantrope.desktop"
grep -qx 'Exec=vantrope' "$desktop" || fail "desktop entry does not start vantrope"
grep -qx 'Icon=vantrope' "$desktop" || fail "desktop entry names another icon"

# The installed program starts, loads its decoder from its own folder and
# keeps running until it is told to end.
log="$runtime/ld.log"
(cd / && XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen LD_DEBUG=files LD_DEBUG_OUTPUT="$log" \
    "$prefix/bin/vantrope" >/dev/null 2>&1) &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || fail "the installed program did not keep running"
kill "$pid"
wait "$pid" 2>/dev/null || true
cat "$log".* 2>/dev/null | grep -q "file=$prefix/lib/vantrope/libTarnwick.so" \
    || fail "the installed program did not load its decoder"

# The installed command-line converter converts a photo.
if [ -n "$testdata" ] && [ -f "$testdata/nikon-d5300_300x200_small.heic" ]; then
    out="$runtime/out"
    mkdir "$out"
    (cd / && "$prefix/bin/vantrope-convert" -o "$out" "$testdata/nikon-d5300_300x200_small.heic" >/dev/null 2>&1) \
        || fail "the installed vantrope-convert failed"
    ls "$out"/*/*.jpg "$out"/*.jpg 2>/dev/null | grep -q . || fail "the installed vantrope-convert wrote no JPEG"
fi
echo "installed layout OK"
