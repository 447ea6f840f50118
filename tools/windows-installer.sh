#!/usr/bin/env bash
# Makes the installer and the portable ZIP of the folder that tools/windows-folder.sh
# laid out. The installer's lists of files come from the folder itself, so that the
# uninstaller removes exactly what was installed.
#
# Usage: tools/windows-installer.sh FOLDER VERSION OUTDIR
set -euo pipefail
folder=$(cd "$1" && pwd) version=$2 outdir=$(cd "$3" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
lists=$(mktemp -d)
trap 'rm -rf "$lists"' EXIT

windows_path() { printf '%s' "${1//\//\\}"; }

(
    cd "$folder"
    find . -type d ! -name . | sort | while read -r dir; do
        echo "CreateDirectory \"\$INSTDIR\\$(windows_path "${dir#./}")\""
    done
    find . -type f | sort | while read -r file; do
        file=${file#./}
        echo "File \"/oname=$(windows_path "$file")\" \"$folder/$file\""
    done
) >"$lists/install.nsh"
(
    cd "$folder"
    find . -type f | sort | while read -r file; do
        echo "Delete \"\$INSTDIR\\$(windows_path "${file#./}")\""
    done
    # Deepest first, so that each folder is empty when its turn comes.
    find . -type d ! -name . | sort -r | while read -r dir; do
        echo "RMDir \"\$INSTDIR\\$(windows_path "${dir#./}")\""
    done
) >"$lists/uninstall.nsh"

installer=$outdir/Velmor-$version-setup.exe
version4=$version
while [ "$(tr -cd . <<<"$version4" | wc -c)" -lt 3 ]; do version4=$version4.0; done
makensis -V2 -INPUTCHARSET UTF8 \
    "-DVERSION=$version" "-DVERSION4=$version4" "-DSOURCE=$folder" "-DOUTFILE=$installer" \
    "-DICON=$root/data/icons/velmor.ico" \
    "-DFILES_INSTALL=$lists/install.nsh" "-DFILES_UNINSTALL=$lists/uninstall.nsh" \
    "$root/data/windows/velmor.nsi"

portable=$outdir/Velmor-$version-portable.zip
rm -f "$portable"
(cd "$(dirname "$folder")" && cmake -E tar cf "$portable" --format=zip "$(basename "$folder")")
echo "$installer"
echo "$portable"
