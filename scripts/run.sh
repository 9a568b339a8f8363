#!/bin/sh
# Starts the built program from the build folder, where the decoder library
# and the skin folder sit beside it as they do in an installation.
set -eu
build=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Vantrope is a desktop program and there is no display here (DISPLAY is not set)." >&2
    echo "Start it in a desktop session, or give it a virtual display:  xvfb-run make run" >&2
    exit 1
fi
program="$build/bin/Vantrope"
if [ ! -x "$program" ]; then
    echo "$program is not built yet: run  make run  from the source folder." >&2
    exit 1
fi
status=0
"$program" || status=$?
# A second copy ends at once with -1 and shows nothing; say why here.
if [ "$status" = 255 ]; then
    echo "Vantrope is already running for this user." >&2
fi
exit "$status"
