#!/usr/bin/env bash
# Renews the pictures of Tessellon.exe's four pages in docs/: runs tessellon_win32_pictures of
# the Windows build under Wine on a virtual X display and turns its BMP files into PNG.
#   tests/wizard/win32/page-pictures.sh [Windows build folder] [output folder]
# (defaults: build/windows and docs). Needs xvfb-run and ImageMagick's convert.
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
out=$(mkdir -p "${2:-$root/docs}" && cd "${2:-$root/docs}" && pwd)
cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
display=()
[[ -n ${DISPLAY:-} ]] || display=(xvfb-run -a -s "-screen 0 1024x768x24")
"${display[@]}" "$root/cmake/wine-run.sh" "$(cache QUORVEL_WINE)" "$(cache QUORVEL_WINE_DLLS)" \
    "$build/wine-prefix" "$build/tests/wizard/win32/tessellon_win32_pictures.exe" "$work"
for page in 0 1 2 3; do
    convert "$work/tessellon-win32-page$page.bmp" -strip "$out/tessellon-win32-page$page.png"
    echo "$out/tessellon-win32-page$page.png"
done
