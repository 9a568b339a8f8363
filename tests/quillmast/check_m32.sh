#!/bin/sh
# Builds the Quillmast library and the plain layout check for 32 and for 64
# bits, then runs them and compares the files they write.
#   check_m32.sh build <source dir> <work dir>   compile both (fails on any error)
#   check_m32.sh run   <source dir> <work dir>   run both and compare
# Exit 77 (skipped) where this machine cannot build or run 32-bit programs.
set -eu
mode=$1
src=$2
work=$3
CXX=${CXX:-c++}
mkdir -p "$work"

sources="$src/platform/win32/win32_files.cpp $src/platform/win32/win32_paths.cpp
$src/platform/win32/win32_process.cpp $src/platform/win32/win32_profile.cpp
$src/platform/win32/win32_shelllink.cpp $src/platform/win32/win32_text.cpp
$src/quillmast/API_Quillmast.cpp $src/tests/quillmast/layout_check.cpp"

build() {
    # $1: 32 or 64
    # shellcheck disable=SC2086
    "$CXX" -m"$1" -std=c++17 -O1 -Wall -Wextra -Werror -pthread \
        -I"$src/platform/win32" -I"$src/platform/text" -I"$src/quillmast" $sources -o "$work/layout_check$1"
}

case "$mode" in
build)
    echo 'int main() { return 0; }' > "$work/probe.cpp"
    if ! "$CXX" -m32 "$work/probe.cpp" -o "$work/probe32" 2>/dev/null; then
        echo "no 32-bit compiler support (gcc-multilib, g++-multilib): skipped"
        exit 77
    fi
    build 32
    build 64
    echo "32-bit and 64-bit builds compiled: record layouts hold for both word sizes"
    ;;
run)
    if [ ! -x "$work/layout_check32" ] || [ ! -x "$work/layout_check64" ]; then
        echo "not built (see tst_quillmast_m32_build): skipped"
        exit 77
    fi
    rm -rf "$work/out32" "$work/out64"
    "$work/layout_check64" "$work/out64"
    if ! "$work/probe32" 2>/dev/null; then
        echo "this kernel cannot run 32-bit programs: the 32-bit run was skipped"
        exit 77
    fi
    "$work/layout_check32" "$work/out32"
    for f in record.bin record-tail.bin Version.ini Version.bin link.url; do
        cmp "$work/out32/$f" "$work/out64/$f"
    done
    echo "32-bit and 64-bit builds wrote the same bytes"
    ;;
*)
    echo "usage: $0 build|run <source dir> <work dir>" >&2
    exit 2
    ;;
esac
