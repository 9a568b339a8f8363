#!/bin/sh
# Starts the built program on a headless Wayland compositor (weston) with Qt's
# Wayland platform and checks that it comes up and keeps running, and that a
# second start hands its photo to the running copy and ends.
#
#   scripts/wayland-check.sh [build folder]
#
# Exit status 0: all held; 1: a check failed; 77: weston or Qt's Wayland
# platform plugin is not installed (nothing was checked).
set -u
build=${1:-build}
program="$build/bin/Vantrope"
[ -x "$program" ] || { echo "$program is not built" >&2; exit 1; }
command -v weston >/dev/null 2>&1 || { echo "weston is not installed: skipped"; exit 77; }
plugins=$(qtpaths --plugin-dir 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt5/plugins)
ls "$plugins"/platforms/libqwayland-generic.so >/dev/null 2>&1 \
    || { echo "Qt's Wayland platform plugin (qtwayland5) is not installed: skipped"; exit 77; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=vantrope-check-$$
weston_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
    --width=1280 --height=900 --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
tries=0
while [ ! -S "$runtime/$socket" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$weston_pid" 2>/dev/null; then
        echo "weston did not start:" >&2
        cat "$runtime/weston.log" >&2
        exit 1
    fi
    sleep 0.1
done

export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
unset DISPLAY
# A home of its own: the instance guard and Qt's settings stay in the check.
export HOME="$runtime/home"
mkdir -p "$HOME"

"$program" >"$runtime/first.log" 2>&1 &
app_pid=$!
sleep 4
if ! kill -0 "$app_pid" 2>/dev/null; then
    echo "Vantrope ended on Wayland:" >&2
    cat "$runtime/first.log" >&2
    exit 1
fi
if grep -qi "could not connect\|failed to create\|could not load the qt platform" "$runtime/first.log"; then
    echo "Qt could not use the Wayland display:" >&2
    cat "$runtime/first.log" >&2
    exit 1
fi
echo "ok: Vantrope runs on the Wayland platform"

# A second start gives its arguments to the running copy and ends at once
# with status -1 (255), as every second copy does.
status=0
timeout 20 "$program" "$runtime" >"$runtime/second.log" 2>&1 || status=$?
if [ "$status" -ne 255 ]; then
    echo "the second start ended with status $status:" >&2
    cat "$runtime/second.log" >&2
    exit 1
fi
kill -0 "$app_pid" 2>/dev/null || { echo "the running copy ended after the hand-over" >&2; exit 1; }
echo "ok: a second start hands over and ends; the first keeps running"
exit 0
