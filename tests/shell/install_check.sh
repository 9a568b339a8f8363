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
[ -x "$prefix/lib/vantrope/tarnwick-decoder" ] || fail "decoder helper not beside the decoder library"
[ -f "$prefix/lib/vantrope/Skin/main/48x48.png" ] || fail "skin folder not beside the program"
[ -f "$prefix/share/icons/hicolor/48x48/apps/vantrope.png" ] || fail "no 48x48 icon"
[ -f "$prefix/share/icons/hicolor/scalable/apps/vantrope.svg" ] || fail "no scalable icon"
[ -f "$prefix/share/metainfo/com.quorvix.Vantrope.metainfo.xml" ] || fail "no metainfo"
desktop="$prefix/share/applications/com.quorvix.Vantrope.desktop"
grep -qx 'Exec=vantrope %F' "$desktop" || fail "desktop entry does not start vantrope with the files"
grep -qx 'Icon=vantrope' "$desktop" || fail "desktop entry names another icon"

# "Open With": the installed entry is offered for HEIF photos (the install
# refreshed the folder's MIME cache), seen through a private data and
# configuration folder.
if command -v gio >/dev/null 2>&1 && command -v update-desktop-database >/dev/null 2>&1; then
    for type in image/heif image/heic; do
        PATH="$prefix/bin:$PATH" XDG_DATA_HOME="$runtime/data" XDG_CONFIG_HOME="$runtime/config" \
            XDG_DATA_DIRS="$prefix/share" gio mime "$type" | grep -q "com.quorvix.Vantrope.desktop" \
            || fail "the desktop does not offer Vantrope for $type"
    done
fi

# The file managers' "Convert to JPEG": KDE runs only executable service
# menus; Nemo's action; the Nautilus script passes every selected path, spaces
# and pattern characters included, to the installed converter.
menu="$prefix/share/kio/servicemenus/vantrope-convert-to-jpeg.desktop"
[ -x "$menu" ] || fail "no executable Dolphin service menu"
grep -qx 'Exec=vantrope-convert --beside %F' "$menu" || fail "service menu does not run the converter"
grep -qx 'Exec=vantrope-convert --beside %F' "$prefix/share/nemo/actions/vantrope-convert-to-jpeg.nemo_action" \
    || fail "no Nemo action running the converter"
script="$prefix/share/vantrope/nautilus/Convert to JPEG"
[ -x "$script" ] || fail "no executable Nautilus script"
stub="$runtime/stub"
mkdir "$stub"
cp -P "$prefix/bin/vantrope-convert" "$stub/real-link"
rm "$prefix/bin/vantrope-convert"
printf '#!/bin/sh\nfor a in "$@"; do printf "%%s\\n" "$a"; done > "%s/args"\n' "$stub" > "$prefix/bin/vantrope-convert"
chmod +x "$prefix/bin/vantrope-convert"
mkdir "$runtime/scripts" "$runtime/sel"
: > "$runtime/sel/a.heic"
ln -s "$script" "$runtime/scripts/Convert to JPEG"
NAUTILUS_SCRIPT_SELECTED_FILE_PATHS="$runtime/sel/my photo.heic
$runtime/sel/*.heic
" "$runtime/scripts/Convert to JPEG" ignored-arguments
printf '%s\n' --beside "$runtime/sel/my photo.heic" "$runtime/sel/*.heic" | cmp -s - "$stub/args" \
    || fail "the Nautilus script passed: $(cat "$stub/args" 2>/dev/null)"
rm "$prefix/bin/vantrope-convert"
cp -P "$stub/real-link" "$prefix/bin/vantrope-convert"

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
    # It decoded in the installed helper, not in the build tree's.
    if command -v strace >/dev/null 2>&1; then
        rm -rf "$out"
        mkdir "$out"
        (cd / && strace -f -qq -e trace=execve -o "$runtime/strace" "$prefix/bin/vantrope-convert" -o "$out" \
            "$testdata/nikon-d5300_300x200_small.heic" >/dev/null 2>&1) || fail "the installed vantrope-convert failed"
        grep -q "execve(\"$prefix/lib/vantrope/tarnwick-decoder\"" "$runtime/strace" \
            || fail "the installed vantrope-convert did not start the installed decoder helper"
    fi
fi
echo "installed layout OK"
