#!/usr/bin/env bash
# Checks the Debian package that `cpack --preset deb` made in a build folder, without
# installing it: its control data, its files, the installed Quorvel on the example, the manual
# pages, the menu entry, and lintian's verdict.
#   tests/package/check-deb.sh <build folder>   (default build/dev)
# Prints one line per failed check and ends with status 1 when any failed.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/dev}" && pwd)

source "$root/tests/package/checks.sh"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
deb=$build/quorvel_${version}_${arch}.deb
if [[ -z $version || ! -f $deb ]]; then
    echo "check-deb: no package quorvel_${version}_${arch}.deb in $build" >&2
    exit 1
fi
echo "check-deb: $deb"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# --- Control data --------------------------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == quorvel ]] || fail "Package is '$(field Package)', not quorvel"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)', not $version"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture is '$(field Architecture)'"
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
# The libraries come from the system: every one the binaries link to, Qt's among them, and the
# Qt platform plugins that the wizard's window needs.
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    grep -qxF "$package" <<<"$depends" || fail "Depends lacks $package: $(field Depends)"
done
description=$(field Description)
[[ -n $(head -n 1 <<<"$description") ]] || fail "the description has no summary"
(($(wc -l <<<"$description") >= 3)) || fail "the description has no long text"

# --- Files ---------------------------------------------------------------------------------
tree=$work/tree
dpkg-deb -x "$deb" "$tree" || fail "dpkg-deb -x"
for file in usr/bin/Quorvel usr/bin/Tessellon \
    usr/share/man/man1/Quorvel.1.gz usr/share/man/man1/Tessellon.1.gz \
    usr/share/applications/tessellon.desktop \
    usr/share/icons/hicolor/32x32/apps/tessellon.png \
    usr/share/icons/hicolor/64x64/apps/tessellon.png \
    usr/share/icons/hicolor/128x128/apps/tessellon.png \
    usr/share/doc/quorvel/README.md usr/share/doc/quorvel/copyright \
    usr/share/doc/quorvel/changelog.gz; do
    [[ -f $tree/$file ]] || fail "the package lacks /$file"
done
for program in Quorvel Tessellon; do
    [[ -x $tree/usr/bin/$program ]] || fail "/usr/bin/$program is not executable"
done
cmp -s "$tree/usr/share/doc/quorvel/copyright" "$root/LICENSE" ||
    fail "/usr/share/doc/quorvel/copyright is not LICENSE"
bundled=$(find "$tree" -name '*.so*' -o -name '*.a')
[[ -z $bundled ]] || fail "libraries bundled: $bundled"
for program in Quorvel Tessellon; do
    rpath=$(readelf -d "$tree/usr/bin/$program" | grep -E 'RPATH|RUNPATH')
    [[ -z $rpath ]] || fail "/usr/bin/$program looks for libraries in: $rpath"
done
unresolved=$(ldd "$tree/usr/bin/Quorvel" "$tree/usr/bin/Tessellon" | grep 'not found')
[[ -z $unresolved ]] || fail "libraries not found: $unresolved"
gzip -dc "$tree/usr/share/doc/quorvel/changelog.gz" | head -n 1 |
    grep -qxF "quorvel ($version) unstable; urgency=medium" ||
    fail "changelog.gz does not start with version $version"

# --- The installed Quorvel -----------------------------------------------------------------
quorvel=$tree/usr/bin/Quorvel
usage=$("$quorvel" a b)
status=$?
expected_usage="Usage: Quorvel <source_workspace|source_proj> <path_to_cvi> <dest_folder> [-pn dest_proj_name]
[-mp message_personality] [-ap analyser_personality] [-cp compiler_personality] [-ext file_extension]"
[[ $status == 0 && $usage == "$expected_usage" ]] ||
    fail "Quorvel a b: status $status, printed: $usage"

# The example, with the repository as drive C: and an empty folder as drive D:.
mkdir -p "$work/installed" "$work/built"
console=$(cd "$root" && QUORVEL_DRIVE_C=$root QUORVEL_DRIVE_D=$work/installed "$quorvel" \
    'C:\examples\weather\weather.cws' 'C:\examples\cvi' "D:\\")
status=$?
[[ $status == 0 && $(tr -d '\r' <<<"$console") == "$(example_console "D:\\")" ]] ||
    fail "the installed Quorvel on the example: status $status, printed:"$'\n'"$console"
head -c 14 "$work/installed/weather.prj" 2>/dev/null | cmp -s - <(printf 'VersionTag45\r\n') ||
    fail "weather.prj does not start with the header line"
# The packaged program writes what the program of the build writes, byte for byte (each
# writes to its own folder as D:\, so the paths in the files are alike).
(cd "$root" && QUORVEL_DRIVE_C=$root QUORVEL_DRIVE_D=$work/built "$build/converter/Quorvel" \
    'C:\examples\weather\weather.cws' 'C:\examples\cvi' "D:\\" >/dev/null) ||
    fail "the built Quorvel on the example"
diff -r "$work/built" "$work/installed" >&2 ||
    fail "the installed Quorvel wrote other files than the built one"

# --- Manual pages --------------------------------------------------------------------------
for page in Quorvel Tessellon; do
    file=$tree/usr/share/man/man1/$page.1.gz
    [[ -f $file ]] || continue
    if command -v mandoc >/dev/null; then
        mandoc -T lint -W warning "$file" >&2 || fail "mandoc -T lint: $page(1) has warnings"
    fi
    if command -v man >/dev/null; then
        warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$file" 2>&1 >"$work/$page.txt")
        [[ -z $warnings ]] || fail "man --warnings $page(1): $warnings"
        lexgrog "$file" >/dev/null || fail "lexgrog finds no NAME line in $page(1)"
        # man finds the page by the program's name, as `man Quorvel` does once installed.
        [[ $(man -M "$tree/usr/share/man" -w "$page") == "$file" ]] ||
            fail "man -w $page does not find the page in the package"
    else
        mandoc -T utf8 "$file" | col -b >"$work/$page.txt"
    fi
    grep -q "Quorvel $version" "$work/$page.txt" || fail "$page(1) does not name version $version"
done
# Every option the usage names, and the others, are described under OPTIONS.
options=$(sed -n '/^OPTIONS/,/^[A-Z]/p' "$work/Quorvel.txt")
for option in $(grep -o '\[-[a-z]*' <<<"$expected_usage" | tr -d '[') -cdb; do
    grep -Eq "^ +$option " <<<"$options" || fail "Quorvel(1) does not describe $option"
done
for section in SYNOPSIS ENVIRONMENT 'EXIT STATUS' EXAMPLES; do
    grep -qx "$section" "$work/Quorvel.txt" || fail "Quorvel(1) has no $section"
done
for text in QUORVEL_DRIVE_A 'Could not open file: ' 'Could not create directory: ' \
    'Could not write file: ' 'Corvane/Corvane++ Project Completed!'; do
    grep -qF -- "$text" "$work/Quorvel.txt" || fail "Quorvel(1) does not mention '$text'"
done

# --- Menu entry ----------------------------------------------------------------------------
entry=$tree/usr/share/applications/tessellon.desktop
exec_name=$(sed -n 's/^Exec=//p' "$entry")
[[ -x $tree/usr/bin/$exec_name ]] || fail "the menu entry runs '$exec_name', not in /usr/bin"
icon=$(sed -n 's/^Icon=//p' "$entry")
[[ -f $tree/usr/share/icons/hicolor/32x32/apps/$icon.png ]] ||
    fail "the menu entry's icon '$icon' is not installed"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" >&2 || fail "desktop-file-validate"
fi

# --- lintian: its tags are shown; an error fails ---------------------------------------------
if command -v lintian >/dev/null; then
    tags=$(lintian -I --tag-display-limit 0 "$deb" 2>/dev/null)
    echo "check-deb: lintian's tags:"
    echo "${tags:-(none)}"
    ! grep -q '^E: ' <<<"$tags" || fail "lintian reports errors"
else
    echo "check-deb: lintian is not installed; skipped"
fi

finish
