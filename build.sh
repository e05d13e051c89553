#!/usr/bin/env bash
# Sets up, builds and runs Quorvel and Tessellon on Debian.
#   ./build.sh demo    install what is missing, build Quorvel alone, convert the bundled example
#   ./build.sh test    install what is missing, build, run every test, then the Windows
#                      build's tests under Wine, the converter's tests again under ASan and
#                      UBSan and each fuzz target for 30 s
#   ./build.sh wizard  install what is missing, build, start the wizard
#   ./build.sh bench   install what is missing, build Quorvel for speed, run the benchmark
#   ./build.sh package install what is missing, build, make the Debian package, the Windows
#                      zip and the Windows installer and put them here
set -euo pipefail
cd "$(dirname "$0")"

# Quorvel alone: libc6 holds the code-page converters of iconv (gconv modules) that
# QUORVEL_CODEPAGE uses.
converter_packages=(cmake g++ make libc6)
# Everything: the tests (nlohmann-json3-dev is the JSON library they read the converter's JSON
# with), the wizard on Qt 6, and clangd, clang and cppcheck, which the end-to-end tests run.
packages=("${converter_packages[@]}" nlohmann-json3-dev libgtest-dev libgmock-dev qt6-base-dev
    clangd clang cppcheck)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
}

build() {
    cmake --preset dev >/dev/null
    cmake --build --preset dev -j"$(nproc)"
}

# Quorvel alone, in Release, in build/demo: no tests, no wizard, no Qt.
demo() {
    install_missing "${converter_packages[@]}"
    cmake --preset demo >/dev/null
    cmake --build --preset demo -j"$(nproc)"
    local out=out/example
    rm -rf "$out"
    mkdir -p "$out"
    # Drive C: is the repository itself, so the example's paths read as C:\examples\...
    QUORVEL_DRIVE_C="$PWD" build/demo/converter/Quorvel \
        'C:\examples\weather\weather.cws' 'C:\examples\cvi' 'C:\out\example' \
        -cdb 'C:\out\example\compile_commands.json'
    echo
    echo "== C:\\out\\example\\weather.prj =="
    tr -d '\r' <"$out/weather.prj"
    echo
    echo "== folders and files written =="
    (cd "$out" && find . | sort)
    local personality
    while IFS= read -r personality; do
        echo
        echo "== ${personality#"$out"/} =="
        tr -d '\r' <"$personality"
    done < <(find "$out" -name '*.p_a' -size +0 | sort)
    echo
    echo "== C:\\out\\example\\compile_commands.json, for clangd, clang-tidy and cppcheck =="
    tr -d '\r' <"$out/compile_commands.json"
}

run_tests() {
    install_missing "${packages[@]}"
    build
    QT_QPA_PLATFORM=offscreen ctest --preset dev -j"$(nproc)"
    deb_tests
    windows_tests
    sanitized_tests
    brief_fuzz
}

# MinGW-w64 cross-builds Quorvel.exe and Tessellon.exe, Wine runs them, and GoogleTest's
# sources are built for them; Xvfb (with xauth for xvfb-run) is the display of Tessellon.exe.
# NSIS's makensis makes the installer.
windows_packages=(g++-mingw-w64-x86-64-posix wine64 googletest xvfb xauth nsis)

# Quorvel.exe, Tessellon.exe and their tests built for Windows and run under Wine on a virtual
# display, together with the end-to-end cases of build/dev run against Quorvel.exe.
windows_tests() {
    install_missing "${windows_packages[@]}"
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j"$(nproc)"
    echo "== Windows suite: Quorvel.exe, Tessellon.exe and their tests under Wine =="
    xvfb-run -a ctest --preset windows -j"$(nproc)"
    echo "== The Windows zip =="
    cpack --preset windows >/dev/null
    tests/package/check-zip.sh build/windows
    echo "== The Windows installer =="
    cmake --build --preset windows --target installer >/dev/null
    tests/package/check-installer.sh build/windows
}

# dpkg-shlibdeps (with file) finds the package's dependencies; mandoc and man-db check the
# manual pages, desktop-file-utils the menu entry, lintian the package.
deb_packages=(dpkg-dev file mandoc man-db lintian desktop-file-utils)

# The Debian package of build/dev, unpacked and checked without installing it.
deb_tests() {
    install_missing "${deb_packages[@]}"
    echo "== The Debian package =="
    cpack --preset deb >/dev/null
    tests/package/check-deb.sh build/dev
}

# The packages, copied here: quorvel_<version>_<arch>.deb, Quorvel-<version>-win64.zip and
# Quorvel-<version>-win64-setup.exe.
make_packages() {
    install_missing "${packages[@]}" "${deb_packages[@]}" "${windows_packages[@]}"
    build
    cpack --preset deb >/dev/null
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j"$(nproc)"
    cpack --preset windows >/dev/null
    cmake --build --preset windows --target installer >/dev/null
    local version file
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/dev/CMakeCache.txt)
    for file in "build/dev/quorvel_${version}_$(dpkg --print-architecture).deb" \
        "build/windows/Quorvel-$version-win64.zip" \
        "build/windows/Quorvel-$version-win64-setup.exe"; do
        cp "$file" .
        echo "Made ${file##*/}"
    done
}

# clang and its runtimes for libFuzzer; the sanitizer build itself uses g++.
sanitizer_packages=(clang libclang-rt-14-dev)

# The unit and end-to-end tests built with AddressSanitizer and UBSan: any memory error,
# undefined behaviour or leak fails the test that caused it.
sanitized_tests() {
    install_missing "${sanitizer_packages[@]}"
    cmake --preset asan >/dev/null
    cmake --build --preset asan -j"$(nproc)"
    ctest --preset asan -j"$(nproc)"
}

# Each fuzz target for 30 s from its committed seeds, so that a regression shows up here.
brief_fuzz() {
    install_missing "${sanitizer_packages[@]}"
    mkdir -p build/fuzz/logs
    local target log
    for target in workspace_file project_parser conversion settings_file database_file; do
        log=build/fuzz/logs/$target-brief.log
        if ! fuzz/run.sh "$target" 30 >"$log" 2>&1; then
            tail -n 60 "$log"
            echo "fuzz target $target failed; its log is $log" >&2
            return 1
        fi
        echo "fuzz target $target: $(grep -o 'number_of_executed_units: *[0-9]*' "$log" |
            grep -o '[0-9]*$') runs, nothing found"
    done
}

# Quorvel in Release (-O2) and the benchmark runner, in their own build folder; the runner's
# options (--runs N, --seed N, --work FOLDER) pass through.
run_bench() {
    install_missing "${converter_packages[@]}"
    cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
        -DQUORVEL_WERROR=ON -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_WIZARD=OFF >/dev/null
    cmake --build build/bench -j"$(nproc)" --target quorvel-bench
    build/bench/bench/quorvel-bench "$@"
}

case "${1:-}" in
demo) demo ;;
test) run_tests ;;
package) make_packages ;;
bench)
    shift
    run_bench "$@"
    ;;
wizard)
    install_missing "${packages[@]}"
    build
    PATH="$PWD/build/dev/converter:$PATH" build/dev/wizard/qt/Tessellon
    ;;
*)
    echo "usage: $0 demo|test|wizard|bench|package" >&2
    exit 2
    ;;
esac
