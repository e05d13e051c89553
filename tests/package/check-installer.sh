#!/usr/bin/env bash
# Checks the Windows installer that the target `installer` made, under Wine in a prefix of its
# own on a virtual X display: an older version and then this one installed without a window
# into a folder with a blank in its name, over a user PATH of 3,000 characters; the files (the
# zip's, byte for byte), the Start-menu shortcut, the entry among the installed programs and the
# PATH after each; the installed Quorvel.exe on the example; the uninstall, after which nothing
# of ours is left and the PATH is the old one; a PATH that holds the folder already, and
# /NOPATH, leave the PATH alone; a program that cannot be written fails the install. Then the installer's pages open one after the other; given a
# picture folder (docs, for the README), the first page is saved there as
# quorvel-setup-page0.png (with ImageMagick's convert).
#   tests/package/check-installer.sh [Windows build folder [picture folder]]
# (default build/windows). Prints one line per failed check and ends with status 1 when any
# failed.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
pictures=${2:+$(mkdir -p "$2" && cd "$2" && pwd)}
if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" ${pictures:+"$pictures"}
fi

source "$root/tests/package/checks.sh"

unpack_zip
setup=$build/$release-setup.exe
if [[ ! -f $setup ]]; then
    echo "check-installer: no $release-setup.exe in $build" >&2
    exit 1
fi
echo "check-installer: $setup"

# The prefix is made anew for every check. Shortcuts need the shell's COM classes, which a
# prefix made by wine-run.sh lacks; winemenubuilder would copy them into the host's menus.
prefix=$build/installer-prefix
rm -rf "$prefix"
export WINEDLLOVERRIDES=winemenubuilder.exe=d
loader=$(cache QUORVEL_WINE)
wine() { "$root/cmake/wine-run.sh" "$loader" "$(cache QUORVEL_WINE_DLLS)" "$prefix" "$@" </dev/null; }
# Until every program of the prefix has ended: the uninstaller goes on in a copy of itself.
settle() {
    local server=${loader%/*}/wineserver64
    [[ -x $server ]] || server=${loader%/*}/wineserver
    WINEPREFIX=$prefix "$server" -w
}
wine regsvr32 /s shell32.dll || fail "regsvr32 shell32.dll"

folder='C:\Program Files\Quorvel CVI'
host_folder="$prefix/drive_c/Program Files/Quorvel CVI"
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tessellon.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel'

# "<type> <data>" of the user's PATH, nothing when there is none.
user_path() {
    wine reg query 'HKCU\Environment' /v Path 2>/dev/null | tr -d '\r' |
        sed -n 's/^    Path    \(REG_[A-Z_]*\)    /\1 /p'
}
set_user_path() { wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$1" /f >/dev/null; }
# <setup.exe> [options]. /D= comes last and unquoted, blanks and all, as NSIS wants it: one
# word of the command line for each part of the folder.
read -ra to_folder <<<"/D=$folder"
install() { wine "$1" /S "${@:2}" || fail "${1##*/} /S ${*:2}: status $?"; }
uninstall() {
    wine "$host_folder/Uninstall.exe" /S || fail "Uninstall.exe /S: status $?"
    settle
}
check_path() { [[ $(user_path) == "$1" ]] || fail "$2: the user's PATH is"$'\n'"$(user_path)"; }
check_gone() {
    [[ ! -e $host_folder ]] || fail "$1: left $(cd "$host_folder" && ls)"
    [[ ! -e $shortcut ]] || fail "$1: left the shortcut"
    wine reg query "$key" >/dev/null 2>&1 && fail "$1: left the programs entry"
}

# An older version first, so that this one installs over it: its README differs, so that the
# files compared below must be those of this version.
cp -r "$build/installer-stage/files" "$work/old"
echo 'Quorvel 0.9.0' >>"$work/old/README.md"
"$(cache QUORVEL_MAKENSIS)" -V1 -WX -DVERSION=0.9.0 -DSTAGE="$work/old" \
    -DOUTFILE="$work/old-setup.exe" "$root/installer/Quorvel.nsi" || fail "makensis of version 0.9.0"

old="%SystemRoot%\\system32;%USERPROFILE%\\bin;C:\\Program Files\\Common Tools"
for ((i = 1; ${#old} < 3000; i++)); do old+=";D:\\tools\\folder number $i"; done
old=${old:0:3000}
set_user_path "$old"
install "$work/old-setup.exe" "${to_folder[@]}"
check_path "REG_EXPAND_SZ $old;$folder" "the first install"
install "$setup"
check_path "REG_EXPAND_SZ $old;$folder" "the install over the older version"

listing=$(cd "$host_folder" && ls)
[[ $listing == $'LICENSE\nQuorvel.exe\nREADME.md\nTessellon.exe\nUninstall.exe' ]] ||
    fail "the install folder holds:"$'\n'"$listing"
for file in LICENSE Quorvel.exe README.md Tessellon.exe; do
    cmp -s "$host_folder/$file" "$work/$release/$file" || fail "the installed $file is not the zip's"
done
if ! [[ -f $shortcut ]] || ! strings -a "$shortcut" | grep -qxF "$folder\\Tessellon.exe" ||
    ! strings -a -el "$shortcut" | grep -qxF '%USERPROFILE%'; then
    fail "no shortcut to $folder\\Tessellon.exe that starts in %USERPROFILE%"
fi
entry=$(wine reg query "$key" | tr -d '\r' | grep -v EstimatedSize)
expected_entry="
$key
    AddedToPath    REG_DWORD    0x1
    DisplayIcon    REG_SZ    $folder\\Tessellon.exe
    DisplayName    REG_SZ    Quorvel $version
    DisplayVersion    REG_SZ    $version
    InstallLocation    REG_SZ    $folder
    NoModify    REG_DWORD    0x1
    NoRepair    REG_DWORD    0x1
    Publisher    REG_SZ    The Quorvel authors
    QuietUninstallString    REG_SZ    \"$folder\\Uninstall.exe\" /S
    UninstallString    REG_SZ    \"$folder\\Uninstall.exe\""
[[ ${entry//HKEY_LOCAL_MACHINE/HKLM} == "${expected_entry}"* ]] ||
    fail "the programs entry is:"$'\n'"$entry"
example_converts "$prefix" "$folder\\Quorvel.exe" "$work/out"

uninstall
check_gone "the uninstall"
check_path "REG_EXPAND_SZ $old" "the uninstall"

# The folder on the PATH already, in a form of the user's own: it stays where it is.
mine="C:\\a;c:\\program files\\quorvel cvi\\;C:\\b"
set_user_path "$mine"
install "$setup" "${to_folder[@]}"
check_path "REG_EXPAND_SZ $mine" "the install onto a PATH holding its folder"
uninstall
check_path "REG_EXPAND_SZ $mine" "the uninstall of an install that found its folder on the PATH"

wine reg delete 'HKCU\Environment' /v Path /f >/dev/null
install "$setup" /NOPATH "${to_folder[@]}"
[[ -f $host_folder/Quorvel.exe ]] || fail "/NOPATH installed nothing"
check_path "" "the install with /NOPATH"
uninstall
check_gone "the uninstall after /NOPATH"

# A program that cannot be written ends a silent install with status 2, before the entry.
mkdir -p "$host_folder/Quorvel.exe"
wine "$setup" /S "${to_folder[@]}"
status=$?
[[ $status == 2 ]] || fail "the install that cannot write Quorvel.exe: status $status"
wine reg query "$key" >/dev/null 2>&1 && fail "the install that cannot write Quorvel.exe made its entry"

# The pages, each after a click on Next, as far as the one that starts the install.
pages=$build/tests/package/quorvel_setup_pages.exe
if [[ -f $pages ]]; then
    wine "$pages" "$setup" "$(windows "$work")" || fail "the installer's pages did not open"
    if [[ -n $pictures ]]; then
        if convert "$work/quorvel-setup-page0.bmp" -strip "$pictures/quorvel-setup-page0.png"; then
            echo "$pictures/quorvel-setup-page0.png"
        else
            fail "no picture of the first page"
        fi
    fi
else
    fail "no $pages to open the installer's pages"
fi
settle

finish
