#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and packages it for Debian, then
# checks both with the tools that desktops and Debian use on them.
# Usage: check_install.sh BINARY_DIR VERSION
set -euo pipefail

binary_dir=$(cd "$1" && pwd)
version=$2
here=$(cd "$(dirname "$0")" && pwd)

for tool in desktop-file-validate update-desktop-database appstreamcli xmllint \
    update-mime-database cpack dpkg-deb dpkg-shlibdeps lintian; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is missing; tools/install-deps.sh installs it"
        exit 1
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
# The one value of an XPath over a file; the namespaces of the desktop formats would
# only lengthen every path.
xpath() { xmllint --xpath "string($2)" "$1"; }

# Regular files under a folder, relative to it, sorted as the expected list is.
list_files() { (cd "$1" && find . -type f -o -type l) | sed 's|^\./||' | LC_ALL=C sort; }

# The templates of new skins are the demo skins, file for file.
{
    cat "$here/expected-files.txt"
    list_files "$here/../../examples" | sed 's|^|share/velmor/templates/|'
} | LC_ALL=C sort >"$work/expected"

echo "== installed tree"
prefix=$work/prefix
cmake --install "$binary_dir" --prefix "$prefix" >"$work/install.log" ||
    { cat "$work/install.log"; exit 1; }
list_files "$prefix" >"$work/installed"
diff -u "$work/expected" "$work/installed" || fail "installed files are not the expected ones"
share=$prefix/share

# The program must start from its installed place, where no build folder is near.
[ "$("$prefix/bin/velmor" --version)" = "Velmor $version" ] || fail "installed velmor --version"

desktop=$(ls "$share"/applications/*.desktop)
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
metainfo=$(ls "$share"/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
mime_package=$(ls "$share"/mime/packages/*.xml)
xmllint --noout "$mime_package" || fail "xmllint on the MIME package"

# The files name each other: the file type by its name, the entry by its file name,
# the icon by its theme name, the program by its command. A slip in one of them breaks
# "open with", the menu or the software centre without any validator noticing.
mime_type=$(xpath "$mime_package" '//*[local-name()="mime-type"]/@type')
XDG_DATA_DIRS=$share update-mime-database "$share/mime"
grep -qx "50:$mime_type:\*\.lkv" "$share/mime/globs2" || fail "*.lkv is not $mime_type"
grep -qa "^\[40:$mime_type\]" "$share/mime/magic" || fail "no header magic below the glob's weight"
grep -qa "PP_LKV" "$share/mime/magic" || fail "the magic does not look for PP_LKV"
update-desktop-database "$share/applications"
grep -qx "$mime_type=$(basename "$desktop");" "$share/applications/mimeinfo.cache" ||
    fail "the desktop entry does not open $mime_type"
[ "$(xpath "$metainfo" '//provides/mediatype')" = "$mime_type" ] || fail "metainfo mediatype"
[ "$(xpath "$metainfo" '//launchable[@type="desktop-id"]')" = "$(basename "$desktop")" ] ||
    fail "metainfo launchable is not the desktop entry"
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/bin/$command" ] || fail "the desktop entry starts $command, which is not installed"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon"
for png in "$share"/icons/hicolor/*x*/apps/*.png; do
    folder=$(basename "$(dirname "$(dirname "$png")")")
    [ "$(basename "$png" .png)" = "$icon" ] || fail "$png is not the icon $icon"
    # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
    read -r -a bytes < <(od -An -tu1 -j16 -N8 "$png")
    width=$(((bytes[2] << 8) + bytes[3]))
    height=$(((bytes[6] << 8) + bytes[7]))
    [ "${width}x${height}" = "$folder" ] || fail "$png is ${width}x${height}"
done

# A version bump needs a release note in both places that show one.
[ "$(xpath "$metainfo" '//releases/release[1]/@version')" = "$version" ] ||
    fail "the newest metainfo release is not $version"
changelog_version=$(zcat "$share/doc/velmor/changelog.gz" | sed -n '1s/^velmor (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] || fail "the changelog starts with $changelog_version, not $version"

echo "== Debian package"
cpack --config "$binary_dir/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/deb/*.deb)
dpkg-deb -c "$deb" >"$work/contents"
awk '$1 ~ /^-/ { sub(/^\.\/usr\//, "", $6); print $6 }' "$work/contents" | LC_ALL=C sort >"$work/packaged"
diff -u "$work/expected" "$work/packaged" || fail "packaged files are not the expected ones under /usr"
awk '$2 != "root/root" ||
     ($1 ~ /^d/ && $1 != "drwxr-xr-x") ||
     ($1 ~ /^-/ && $1 != ($6 ~ /^\.\/usr\/bin\// ? "-rwxr-xr-x" : "-rw-r--r--"))' \
    "$work/contents" >"$work/modes"
[ -s "$work/modes" ] && fail "owners or modes: $(cat "$work/modes")"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends was not read from the binary"
dpkg-deb -f "$deb" Depends | grep -q 'qt6-translations-l10n' ||
    fail "Depends lacks Qt's catalogues, which Qt's dialogs take their German texts from"
dpkg-deb -x "$deb" "$work/root"
[ "$("$work/root/usr/bin/velmor" --version)" = "Velmor $version" ] || fail "packaged velmor --version"

# Lintian ends with 2 when it reports an error and with 1 when it could not check.
status=0
lintian --fail-on error --no-tag-display-limit "$deb" >"$work/lintian" 2>"$work/lintian.err" ||
    status=$?
cat "$work/lintian"
[ "$status" -ne 1 ] || fail "lintian could not check the package: $(cat "$work/lintian.err")"
[ "$status" -eq 0 ] && ! grep -q '^E:' "$work/lintian" || fail "lintian reports errors"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "installed tree and package are fine"
