#!/bin/sh
# Installs what building and testing Vantrope needs on Debian 12, and nothing
# that is already there. libheif comes from the bookworm-backports suite
# (1.19 opens current phone photos; bookworm's 1.15 cannot); the suite is
# added with the mirror this machine already uses, and only the libheif
# packages are taken from it.
#
# It says one line per step; apt's own output goes to a log file, which is
# shown when a step fails.
set -eu

packages="build-essential cmake pkg-config qtbase5-dev qtbase5-dev-tools libqt5svg5-dev
libqt5x11extras5-dev libturbojpeg0-dev libjpeg62-turbo-dev xvfb xauth fonts-dejavu-core fonts-open-sans clang libclang-rt-14-dev
desktop-file-utils appstream dpkg-dev
qttools5-dev qttools5-dev-tools qttranslations5-l10n fonts-droid-fallback dbus at-spi2-core python3-pyatspi x11-utils
gcc-multilib g++-multilib libavcodec-dev libavutil-dev libde265-dev liblcms2-dev libseccomp-dev
weston qtwayland5"
backports="libheif-dev libheif1 libheif-plugin-ffmpegdec libheif-plugin-libde265 libheif-plugin-x265 libheif-examples libheif-plugin-jpegdec libheif-plugin-jpegenc"

missing=""
for p in $packages $backports; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
heif_ok=0
if dpkg-query -W -f='${Version}' libheif1 2>/dev/null | grep -q '^1\.\(19\|[2-9][0-9]\)'; then heif_ok=1; fi
if [ -z "$missing" ] && [ "$heif_ok" = 1 ]; then
    exit 0
fi

if [ "$(id -u)" != 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
        exec sudo "$0" "$@"
    fi
    echo "Missing packages:$missing" >&2
    echo "Run this as root (or install sudo) so they can be installed." >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
log=${VANTROPE_DEPS_LOG:-${TMPDIR:-/tmp}/vantrope-install-deps.log}
: > "$log"
# step "what is being done" command...: one line on the terminal, the
# command's output in the log, the log's end on the terminal if it fails.
step() {
    what=$1
    shift
    echo "==> $what"
    if ! "$@" >>"$log" 2>&1; then
        echo "FAILED: $what. The last lines of $log:" >&2
        tail -n 30 "$log" >&2
        exit 1
    fi
}
echo "==> Missing packages:$missing"

# The backports suite, on the mirror of the configured bookworm suite.
add_backports() {
    uri=""
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        uri=$(awk '/^URIs:/ {u=$2} /^Suites:/ && / bookworm( |$)/ {print u; exit}' /etc/apt/sources.list.d/debian.sources)
    fi
    if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
        uri=$(awk '$1=="deb" && $3=="bookworm" {print $2; exit}' /etc/apt/sources.list)
    fi
    if [ -z "$uri" ]; then
        echo "No bookworm mirror found in the apt sources; cannot add bookworm-backports." >&2
        return 1
    fi
    keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    {
        echo "Types: deb"
        echo "URIs: $uri"
        echo "Suites: bookworm-backports"
        echo "Components: main"
        if [ -f "$keyring" ]; then echo "Signed-By: $keyring"; fi
    } > /etc/apt/sources.list.d/bookworm-backports.sources
}
if ! grep -rqs 'bookworm-backports' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    step "Adding the bookworm-backports suite" add_backports
fi

step "Updating the package lists" apt-get update
step "Installing the build and test packages" apt-get install -y --no-install-recommends $packages
step "Installing libheif from bookworm-backports" \
    apt-get install -y --no-install-recommends -t bookworm-backports $backports
echo "==> Done (apt's output: $log)"
