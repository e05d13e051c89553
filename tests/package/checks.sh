# shellcheck shell=bash disable=SC2154
# Sourced by the checks of the packages, after they set root and build: how a check fails and
# ends, and the example converted by a packaged Quorvel.
check=$(basename "$0" .sh)
failures=0

# Reports one failed check; the checks go on.
fail() {
    echo "$check: FAILED: $*" >&2
    failures=$((failures + 1))
}

# Ends the checks: status 1 when any failed.
finish() {
    if ((failures)); then
        echo "$check: $failures check(s) failed" >&2
        exit 1
    fi
    echo "$check: all checks passed"
}

# A value of the build folder's CMake cache.
cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }

# Unpacks the build's Windows zip into a new folder $work, removed at exit, and sets version,
# release (the zip's folder) and zip; without a zip the check ends at once with status 1.
unpack_zip() {
    version=$(cache CMAKE_PROJECT_VERSION)
    release=Quorvel-$version-win64
    zip=$build/$release.zip
    if [[ -z $version || ! -f $zip ]]; then
        echo "$check: no $release.zip in $build" >&2
        exit 1
    fi
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    (cd "$work" && cmake -E tar xf "$zip") || fail "the zip cannot be unpacked"
}

# A host path as Wine's drive Z: (the host root) shows it.
windows() { printf 'Z:%s' "${1//\//\\}"; }

# What Quorvel prints on the example converted into the folder <dest> (a Windows path).
example_console() {
    printf '%s\n' 'Creating Corvane/Corvane++ Project ...' '  Creating Group - weather' \
        '  Creating Group - station' \
        "  Creating Analyser Personality - $1\\weather\\station\\person\\station.p_a" \
        '  Creating Group - Source Files' '  Creating Group - Sensor Drivers' \
        '  Creating Group - display' '  Creating Group - Source Files' \
        'Corvane/Corvane++ Project Completed!'
}

# Runs the Windows program <Quorvel.exe> in the Wine prefix <prefix> on the example into the new
# folder <out>; fails unless it prints exactly the console of the conversion, ends with status
# 0 and writes weather.prj.
example_converts() {
    local prefix=$1 program=$2 out=$3 console status
    mkdir -p "$out"
    console=$(cd "$root" && "$root/cmake/wine-run.sh" "$(cache QUORVEL_WINE)" \
        "$(cache QUORVEL_WINE_DLLS)" "$prefix" "$program" \
        "$(windows "$root/examples/weather/weather.cws")" "$(windows "$root/examples/cvi")" \
        "$(windows "$out")" </dev/null)
    status=$?
    [[ $status == 0 && $(tr -d '\r' <<<"$console") == "$(example_console "$(windows "$out")")" ]] ||
        fail "$program on the example: status $status, printed:"$'\n'"$console"
    [[ -f $out/weather.prj ]] || fail "$program wrote no weather.prj"
}
