#!/bin/sh
# The desktop entry, the metainfo and the file-manager actions as the
# desktop's validators and readers see them.
#   desktop_files_check.sh <folder with the desktop files>
# Skips (exit 77) where the validators are missing.
set -eu
dir=$1
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done
fail() { echo "FAIL: $*" >&2; exit 1; }
entry="$dir/com.quorvix.Vantrope.desktop"
desktop-file-validate "$entry" || fail "desktop entry"
# Offline: the screenshot's address is not fetched.
appstreamcli validate --no-net "$dir/com.quorvix.Vantrope.metainfo.xml" || fail "metainfo"

# The metainfo speaks for the entry it names, and offers the program for the
# same photo types the entry opens.
grep -q '<launchable type="desktop-id">com.quorvix.Vantrope.desktop</launchable>' \
    "$dir/com.quorvix.Vantrope.metainfo.xml" || fail "metainfo names another desktop entry"
entry_types=$(sed -n 's/^MimeType=//p' "$entry" | tr ';' '\n' | sed '/^$/d' | sort)
info_types=$(sed -n 's:.*<mediatype>\(.*\)</mediatype>.*:\1:p' "$dir/com.quorvix.Vantrope.metainfo.xml" | sort)
[ "$entry_types" = "$info_types" ] || fail "entry types [$entry_types] differ from metainfo types [$info_types]"
for action in "$dir/vantrope-convert-to-jpeg.servicemenu.desktop" "$dir/vantrope-convert-to-jpeg.nemo_action"; do
    types=$(sed -n 's/^Mime[Tt]ypes*=//p' "$action" | tr ';' '\n' | sed '/^$/d' | sort)
    [ "$types" = "$entry_types" ] || fail "$(basename "$action") acts on [$types], not [$entry_types]"
done
echo "desktop files OK"
