#!/usr/bin/env bash
# Converts every CVI workspace and project under a folder, each in a sandbox of its own, and
# prints one line per file: exit status, groups, source files, include folders and defines.
# A workspace whose projects are all present must convert; one that names a missing project
# must fail with "Could not open file: " and that project's path.
#
#   tools/convert-all.sh FOLDER [QUORVEL]
#
# The folder is copied into a temp drive C: first, so nothing is ever written next to it.
set -uo pipefail

source_root=$(cd "${1:?usage: $0 FOLDER [QUORVEL]}" && pwd)
quorvel=$(realpath "${2:-$(dirname "$0")/../build/dev/converter/Quorvel}")
sandbox=$(mktemp -d)
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox/src" "$sandbox/cvi"
cp -a "$source_root/." "$sandbox/src/"

windows_path() { printf 'C:\\%s' "${1//\//\\}"; }

# Prints the projects a workspace names that are not there, one per line, in Windows form.
missing_projects() {
    local workspace=$1 folder value
    folder=$(dirname "$workspace")
    grep -a -E '^ *Project [0-9]+ *=' "$workspace" | tr -d '\r' |
        sed -E 's/^[^=]*= *//; s/ *$//; s/^"+//; s/"+$//' |
        while IFS= read -r value; do
            if [ ! -f "$folder/${value//\\//}" ]; then
                windows_path "${folder#"$sandbox"/}/$value"
                echo
            fi
        done
}

failures=0
count=0
printf '%-6s %-4s %6s %6s %6s %6s  %s\n' check exit groups files incl defs file
while IFS= read -r -d '' file; do
    count=$((count + 1))
    relative=${file#"$sandbox"/src/}
    out="$sandbox/out/$count"
    mkdir -p "$out"
    console=$(cd "$sandbox" && QUORVEL_DRIVE_C="$sandbox" "$quorvel" \
        "$(windows_path "src/$relative")" 'C:\cvi' "$(windows_path "out/$count")" 2>&1)
    status=$?
    project="$out/$(ls "$out" | grep -m1 '\.prj$')"
    groups=0 files=0 includes=0 defines=0
    if [ -f "$project" ]; then
        groups=$(grep -c '^StartProjectMarker' "$project")
        files=$(grep -v -c -E '^(VersionTag45|Start|End|[A-Za-z]+=)' "$project")
        includes=$(find "$out" -name '*.p_a' -exec cat {} + | grep -c '^-i ')
        defines=$(find "$out" -name '*.p_a' -exec cat {} + | grep -c '^-d ')
    fi
    expected=0
    if [[ $file == *.cws ]]; then
        missing=$(missing_projects "$file" | head -n 1)
        [ -n "$missing" ] && expected=1
    fi
    check=ok
    if [ "$status" != "$expected" ]; then
        check=WRONG
    elif [ "$expected" = 1 ] && [ "$console" != "Could not open file: $missing" ]; then
        check=WRONG
    fi
    [ "$check" = ok ] || failures=$((failures + 1))
    printf '%-6s %-4s %6s %6s %6s %6s  %s\n' "$check" "$status" "$groups" "$files" "$includes" \
        "$defines" "$relative"
    [ "$status" = 0 ] || printf '%40s%s\n' '' "$console"
done < <(find "$sandbox/src" -type f \( -name '*.cws' -o -name '*.prj' \) -print0 | sort -z)
echo "$count files, $failures not as expected"
[ "$failures" = 0 ]
