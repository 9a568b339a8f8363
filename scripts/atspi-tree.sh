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
# Qt 5.15 sometimes misses the bus at start-up ("Error in contacting
# registry: Not connected to D-Bus server"; the queued enabling of its bridge
# can run before the bus address arrives), for any Qt program; the script
# then starts the program again, up to five times.
set -eu

if [ "${1:-}" = "--inside-session" ]; then
    shift
    program_log=$1
    shift
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
    "$@" >"$program_log" 2>&1 &
    pid=$!
    sleep "${ATSPI_SETTLE_SECONDS:-4}"
    /usr/bin/python3 - "$(basename "$1")" <<'PY'
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
    status=$?
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    exit $status
fi

[ $# -ge 1 ] || { echo "usage: DISPLAY=:N $0 PROGRAM [ARGUMENTS...]" >&2; exit 2; }
[ -n "${DISPLAY:-}" ] || { echo "$0: no DISPLAY (start Xvfb first)" >&2; exit 2; }
self=$(readlink -f "$0")
log=$(mktemp)
for attempt in 1 2 3 4 5; do
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
