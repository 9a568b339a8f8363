#!/bin/sh
# Builds the Debian package from a built tree and checks what it holds: the
# same files as `cmake --install` for prefix /usr, the dependencies computed
# from the binaries plus the decoder plugins, executable service menu.
#   package_check.sh <build dir>
# Skips (exit 77) where the Debian packaging tools are missing.
set -eu
build=$(cd "$1" && pwd)
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log" >&2; fail "cpack could not build the package"; }
deb=$(ls "$work"/out/vantrope_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no vantrope_*.deb made"

info=$(dpkg-deb -f "$deb" Package Version Depends Recommends)
echo "$info"
dpkg-deb -f "$deb" Package | grep -qx vantrope || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in 'libheif1 (>= 1.19' libheif-plugin-libde265 libheif-plugin-ffmpegdec libqt5widgets5 libturbojpeg0 libc6 \
           libseccomp2; do
    case "$depends" in *"$dep"*) ;; *) fail "Depends lacks $dep: $depends" ;; esac
done

# The listing, as paths under /usr (links and folders included).
dpkg-deb -c "$deb" > "$work/listing"
grep -v '^d' "$work/listing" | sed -E 's/^([^ ]+ +){5}//; s/ -> .*$//; s/^\.//' \
    | sort > "$work/packaged"
for want in /usr/bin/vantrope /usr/bin/vantrope-convert \
            /usr/lib/vantrope/Vantrope /usr/lib/vantrope/vantrope-convert /usr/lib/vantrope/libTarnwick.so \
            /usr/lib/vantrope/tarnwick-decoder \
            /usr/lib/vantrope/Skin/main/48x48.png \
            /usr/share/applications/com.quorvix.Vantrope.desktop \
            /usr/share/metainfo/com.quorvix.Vantrope.metainfo.xml \
            /usr/share/icons/hicolor/48x48/apps/vantrope.png \
            /usr/share/icons/hicolor/scalable/apps/vantrope.svg \
            /usr/share/kio/servicemenus/vantrope-convert-to-jpeg.desktop \
            /usr/share/nemo/actions/vantrope-convert-to-jpeg.nemo_action \
            "/usr/share/vantrope/nautilus/Convert to JPEG"; do
    grep -qxF "$want" "$work/packaged" || fail "the package lacks $want"
done
grep -q '^/usr/share/man/man1/vantrope-convert\.1' "$work/packaged" || fail "the package lacks the vantrope-convert man page"
grep 'kio/servicemenus/vantrope-convert-to-jpeg.desktop' "$work/listing" | grep -q '^-rwxr-xr-x' \
    || fail "the service menu is not executable"
grep ' ./usr/bin/vantrope -> ' "$work/listing" | grep -q -- '-> ../lib/vantrope/Vantrope$' \
    || fail "bin/vantrope does not point at the program"

# The same layout as an installation into /usr.
DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
(cd "$work/root" && find . ! -type d | sed 's/^\.//' | sort) > "$work/installed"
diff "$work/installed" "$work/packaged" >&2 || fail "the package and the installation differ (< installed, > packaged)"
echo "package OK: $(basename "$deb")"
