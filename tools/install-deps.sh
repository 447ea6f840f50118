#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need, and only
# those that are missing, so a second run costs nothing.
set -euo pipefail

packages=(make cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libzip-dev libbenchmark-dev
          clang-format fonts-dejavu-core)
# Debian's libzip-dev ships CMake files that check for libzip's three command-line tools,
# packaged apart; without them find_package(libzip) stops the configure.
packages+=(zipcmp zipmerge ziptool)
# The English catalogue: Qt Linguist's lupdate and lrelease and their CMake functions.
packages+=(qt6-l10n-tools qt6-tools-dev)
# Qt's own catalogues, for the texts of Qt's dialogs in German; the Windows package
# takes them from here as well.
packages+=(qt6-translations-l10n)
# The install test validates the desktop files and packages the program as Debian
# would: the freedesktop.org validators and databases, CPack's helpers (file,
# dpkg-shlibdeps) and lintian.
packages+=(desktop-file-utils appstream libxml2-utils shared-mime-info file dpkg-dev lintian)
case "${1:-}" in
# Only the fuzz targets need clang and its libFuzzer runtime.
fuzz) packages+=(clang libclang-rt-14-dev) ;;
# Only rendering the PNG icons and the Windows icon from their SVG needs an SVG
# renderer and the icon packer.
icons) packages+=(librsvg2-bin icoutils) ;;
# The Windows build cross-compiles with MinGW-w64 and runs under Wine: wine64 is the
# loader, wine the launcher that starts it; clang's runtime package brings the header
# the fuzz targets read their input through. Qt and libzip for Windows are built from
# Debian's source packages (tools/windows-deps.sh) against Debian's MinGW zlib, with
# perl for Qt's header generator; the installer comes from NSIS. The installed
# program's test runs it on Xvfb, finds its window with xdotool and compares pictures
# with ImageMagick.
windows) packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64
                    libclang-rt-14-dev libz-mingw-w64-dev perl xz-utils
                    nsis xvfb xdotool imagemagick) ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
