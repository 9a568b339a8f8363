#!/bin/sh
# "Convert to JPEG" for the file manager's Scripts menu: writes a JPEG beside
# each selected photo. Link it into the scripts folder under the name the
# menu shows, e.g.
#   ln -s /usr/share/vantrope/nautilus/Convert\ to\ JPEG ~/.local/share/nautilus/scripts/
# The file manager passes the selection newline-separated in
# NAUTILUS_SCRIPT_SELECTED_FILE_PATHS (local files only) and as arguments.
set -eu

# The converter installed with this script: <prefix>/share/vantrope/nautilus
# -> <prefix>/bin; else the one on the PATH.
here=$(dirname "$(readlink -f "$0")")
converter="$here/../../../bin/vantrope-convert"
[ -x "$converter" ] || converter=vantrope-convert

if [ -n "${NAUTILUS_SCRIPT_SELECTED_FILE_PATHS:-}" ]; then
    # One path per line; names may hold spaces and any other character but a
    # newline.
    set --
    newline='
'
    old_ifs=$IFS
    IFS=$newline
    set -f # a name with * or ? is a name, not a pattern
    for path in $NAUTILUS_SCRIPT_SELECTED_FILE_PATHS; do
        [ -n "$path" ] && set -- "$@" "$path"
    done
    set +f
    IFS=$old_ifs
fi
[ "$#" -gt 0 ] || exit 0
exec "$converter" --beside "$@"
