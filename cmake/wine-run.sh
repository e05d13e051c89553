#!/usr/bin/env bash
# Runs a Windows program under Wine in a prefix that is made on first use and then shared:
#   wine-run.sh <wine loader> <folder of Wine's Windows DLLs> <prefix> <program.exe> [args...]
# The prefix holds no copy of Windows: C:\windows\system32 is a link to Wine's own DLLs, and
# drive Z: is the host root, so a program starts in the folder it was started from. A prefix
# made by someone else (the end-to-end sandbox) is used as it is.
set -euo pipefail
loader=$1 dlls=$2 prefix=$3
shift 3

server=${loader%/*}/wineserver64
[[ -x $server ]] || server=${loader%/*}/wineserver

if [[ ! -e $prefix/.update-timestamp ]]; then
    # Built aside and renamed into place, so parallel first runs never see half a prefix.
    draft=$(mktemp -d "$prefix.XXXXXX")
    mkdir -p "$draft/dosdevices" "$draft/drive_c/windows"
    ln -s "$dlls" "$draft/drive_c/windows/system32"
    ln -s ../drive_c "$draft/dosdevices/c:"
    ln -s / "$draft/dosdevices/z:"
    # "disable" keeps wineboot from updating the prefix, which would copy DLLs into
    # system32: here that is Wine's own folder. It must stay.
    printf disable >"$draft/.update-timestamp"
    # The first program in a new prefix has Wine make its registry; once the server has
    # ended, the registry is on disk and later runs start at once.
    WINEPREFIX=$draft WINEDEBUG=-all "$loader" hostname.exe </dev/null >/dev/null 2>&1 || true
    WINEPREFIX=$draft "$server" -w || true
    mv -T "$draft" "$prefix" 2>/dev/null || rm -rf "$draft"
fi

# Drives the caller asks for: QUORVEL_WINE_DRIVE_X=/host/folder makes that folder drive X:.
while IFS='=' read -r name folder; do
    letter=${name#QUORVEL_WINE_DRIVE_}
    ln -sfn "$folder" "$prefix/dosdevices/${letter,,}:"
done < <(env | grep -E '^QUORVEL_WINE_DRIVE_[A-Z]=' || true)

export WINEPREFIX=$prefix WINEDEBUG=-all
# Wine's first program starts the system services, which keep that program's standard error
# open until the server ends: every run would wait for the server's shutdown. So the server is
# started here, with a first program that holds no output of ours, and stays a few seconds for
# the next run; it ends by itself. While one runs, starting another does nothing (status 2).
if "$server" -p5 </dev/null >/dev/null 2>&1; then
    "$loader" hostname.exe </dev/null >/dev/null 2>&1 || true
fi
exec "$loader" "$@"
