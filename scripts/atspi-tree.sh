#!/bin/sh
# Prints what a screen reader sees of a program: starts it on the current
# X display ($DISPLAY) under a private session bus with the accessibility bus,
# as a desktop with a screen reader does, and dumps its AT-SPI tree (roles,
# names, descriptions).
#
#   DISPLAY=:15 scripts/atspi-tree.sh build/bin/Vantrope [ARGUMENTS...]
#
# Needs dbus-run-session (dbus), at-spi2-core and python3-pyatspi. Each run
# gets its own runtime folder: without XDG_RUNTIME_DIR (root, no login
# session) every accessibility bus of the user shares ~/.cache/at-spi/bus, and
# sessions running side by side replace each other's socket.
#
# How a Qt 5.15 program finds the accessibility bus on X11: the bus launcher
# publishes the bus address on the root window (AT_SPI_BUS), and Qt connects
# to it at once when its bridge starts. Without that property Qt asks the
# launcher over the session bus, and its bridge may enable itself before the
# answer has connected the bus; it then stays off the bus for good ("Error in
# contacting registry: Not connected to D-Bus server"). A bare Xvfb resets
# when its last client leaves and drops the property the launcher has just
# set, so the script holds one connection to the display for the whole run
# (as a window manager does on a desktop) and starts the program once the
# property is there. Should the program still miss the bus, it is started
# again, up to ATSPI_ATTEMPTS times (5).
set -eu

if [ "${1:-}" = "--inside-session" ]; then
    shift
    program_log=$1
    shift
    # Keeps the display from resetting: the launcher's AT_SPI_BUS stays.
    # It must be connected before the launcher starts: xprop prints the
    # property's state as soon as it is.
    holder=
    if command -v xprop >/dev/null 2>&1; then
        held="${XDG_RUNTIME_DIR:-/tmp}/atspi-tree-holder.$$"
        xprop -root -spy AT_SPI_BUS >"$held" 2>&1 &
        holder=$!
        for _ in $(seq 50); do
            [ -s "$held" ] && break
            sleep 0.05
        done
    fi
    # Activated through the session bus, so there is exactly one launcher.
    for _ in $(seq 50); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
            >/dev/null 2>&1 && break
        sleep 0.2
    done
    # What a running screen reader sets.
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true \
        >/dev/null
    # The launcher publishes the address once accessibility is on.
    if [ -n "$holder" ]; then
        for _ in $(seq 50); do
            xprop -root AT_SPI_BUS 2>/dev/null | grep -q 'unix:' && break
            sleep 0.1
        done
    fi
    "$@" >"$program_log" 2>&1 &
    pid=$!
    sleep "${ATSPI_SETTLE_SECONDS:-4}"
    status=0
    /usr/bin/python3 - "$(basename "$1")" <<'PY' || status=$?
import sys
import pyatspi

def dump(node, depth=0):
    if node is None or depth > 30:
        return
    line = "  " * depth + "[%s] %r" % (node.getRoleName(), node.name)
    if node.description:
        line += " - %r" % node.description
    print(line)
    for i in range(node.childCount):
        dump(node.getChildAtIndex(i), depth + 1)

wanted = sys.argv[1].lower()
desktop = pyatspi.Registry.getDesktop(0)
found = False
for i in range(desktop.childCount):
    app = desktop.getChildAtIndex(i)
    if app is not None and wanted in (app.name or "").lower():
        dump(app)
        found = True
sys.exit(0 if found else 3)
PY
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ -n "$holder" ]; then
        kill "$holder" 2>/dev/null || true
        wait "$holder" 2>/dev/null || true
        rm -f "$held"
    fi
    exit $status
fi

[ $# -ge 1 ] || { echo "usage: DISPLAY=:N $0 PROGRAM [ARGUMENTS...]" >&2; exit 2; }
[ -n "${DISPLAY:-}" ] || { echo "$0: no DISPLAY (start Xvfb first)" >&2; exit 2; }
self=$(readlink -f "$0")
log=$(mktemp)
attempts=${ATSPI_ATTEMPTS:-5}
for attempt in $(seq "$attempts"); do
    runtime=$(mktemp -d)
    if XDG_RUNTIME_DIR=$runtime dbus-run-session -- sh "$self" --inside-session "$log" "$@"; then
        rm -rf "$runtime" "$log"
        exit 0
    fi
    rm -rf "$runtime"
    echo "attempt $attempt: the program did not reach the accessibility bus" >&2
done
echo "--- program output of the last attempt:" >&2
cat "$log" >&2
rm -f "$log"
exit 1
