#!/usr/bin/env bash
# Checks the Windows zip that `cpack --preset windows` made: it unpacks it, looks for the two
# programs, the README and the licence in the release folder, checks that the programs need
# no DLL that Windows does not have, and runs the Quorvel.exe found there under Wine on the
# example. When the Linux build is there too, the files written must be those its Quorvel
# writes, byte for byte. Then the zip's Tessellon.exe converts the example through its four
# pages, driven by the Windows build's test program on a virtual X display when there is no
# display.
#   tests/package/check-zip.sh <Windows build folder>   (default build/windows)
# Prints one line per failed check and ends with status 1 when any failed.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)

source "$root/tests/package/checks.sh"

unpack_zip
echo "check-zip: $zip"
listing=$(cd "$work" && find . -type f | sort)
expected="./$release/LICENSE
./$release/Quorvel.exe
./$release/README.md
./$release/Tessellon.exe"
[[ $listing == "$expected" ]] || fail "the zip holds:"$'\n'"$listing"
cmp -s "$work/$release/LICENSE" "$root/LICENSE" || fail "LICENSE in the zip is not LICENSE"

# Only DLLs that every Windows has: the system's own and the C runtime msvcrt.
system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|advapi32|msvcrt)\.dll$'
for program in Quorvel.exe Tessellon.exe; do
    [[ -f $work/$release/$program ]] || continue
    imports=$(x86_64-w64-mingw32-objdump -p "$work/$release/$program" |
        sed -n 's/^[[:space:]]*DLL Name: //p')
    others=$(grep -viE "$system_dlls" <<<"$imports" || true)
    [[ -n $imports && -z $others ]] || fail "$program imports DLLs that Windows lacks: $others"
done

# The example, the repository and the output seen through Wine's drive Z: (the host root).
out=$work/out-wine
example_converts "$build/wine-prefix" "$work/$release/Quorvel.exe" "$out"

linux_quorvel=$root/build/dev/converter/Quorvel
if [[ -x $linux_quorvel ]]; then
    # The same output folder, so that the paths inside the files are the same too.
    mv "$out" "$work/wine"
    mkdir -p "$out"
    (cd "$root" && QUORVEL_DRIVE_Z=/ "$linux_quorvel" \
        "$(windows "$root/examples/weather/weather.cws")" "$(windows "$root/examples/cvi")" \
        "$(windows "$out")" >/dev/null) || fail "the Linux Quorvel on the example"
    diff -r "$work/wine" "$out" >&2 ||
        fail "Quorvel.exe of the zip wrote other files than the Linux Quorvel"
fi

# The zip's Tessellon.exe, beside its Quorvel.exe, through its four pages on the example.
driver=$build/tests/wizard/win32/tessellon_win32_tests.exe
if [[ -f $driver ]]; then
    display=()
    [[ -n ${DISPLAY:-} ]] || display=(xvfb-run -a)
    (cd "$root" && TESSELLON_EXE="$work/$release/Tessellon.exe" \
        QUORVEL_FOLDER="$work/$release" "${display[@]}" "$root/cmake/wine-run.sh" \
        "$(cache QUORVEL_WINE)" "$(cache QUORVEL_WINE_DLLS)" "$build/wine-prefix" "$driver" \
        --gtest_filter=TessellonWindow.ConvertsTheExampleThroughItsFourPages \
        --gtest_brief=1 </dev/null) ||
        fail "Tessellon.exe of the zip did not convert the example through its four pages"
else
    fail "no $driver to drive Tessellon.exe of the zip (build the windows preset's tests)"
fi

finish
