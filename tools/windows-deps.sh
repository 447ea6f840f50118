#!/usr/bin/env bash
# Builds Qt and libzip for 64-bit Windows from Debian's own source packages, once per
# machine, into a cache outside the checkout; prints the cache's folder on its last line.
# The cache is keyed by the source versions, which are those of the host Qt and libzip
# that Debian installed (the cross-built Qt runs the host's moc, rcc and uic, so the two
# must be one version). A finished build leaves a stamp; without it the part is built
# again from an empty folder, so an interrupted build never passes for a whole one.
# Nothing is fetched from anywhere but Debian's archive.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
toolchain=$here/../cmake/mingw-w64-x86_64.cmake
jobs=${JOBS:-$(nproc)}

bash "$here/install-deps.sh" windows >&2

version_of() { dpkg-query -W -f='${Version}' "$1"; }
qt_version=$(version_of qt6-base-dev)
zip_version=$(version_of libzip-dev)
zip_version=${zip_version%+b*} # a binary rebuild has the same source
cache_root=${VELMOR_WINDOWS_CACHE:-/var/cache/velmor-windows}
cache=$cache_root/qt-$qt_version-libzip-$zip_version
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# apt-get source needs a deb-src entry for each archive and suite apt already uses.
enable_sources() {
    local list=/etc/apt/sources.list.d/velmor-deb-src
    [ -f "$list.sources" ] || [ -f "$list.list" ] && return 0
    local entries
    entries=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
        awk 'BEGIN { RS = ""; ORS = "\n\n" } /(^|\n)Types:[^\n]*deb([ \n]|$)/ {
                 sub(/Types:[^\n]*/, "Types: deb-src"); print }' || true)
    if [ -n "$entries" ]; then
        printf '%s\n' "$entries" | $sudo tee "$list.sources" >/dev/null
    elif [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | $sudo tee "$list.list" >/dev/null
    else
        echo "no Debian archive found in apt's sources" >&2
        exit 1
    fi
    $sudo apt-get update -qq
}

# Downloads a source package of exactly the given version and unpacks it with Debian's
# patches applied (their security fixes among them) into the current folder.
fetch_source() {
    local package=$1 version=$2
    if ! apt-get source -qq "$package=$version" >fetch.log 2>&1; then
        enable_sources
        apt-get source -qq "$package=$version" >fetch.log 2>&1 || { cat fetch.log >&2; exit 1; }
    fi
}

# Runs one step with its output in a log, of which the end is shown when it fails.
logged() {
    local log=$1
    shift
    "$@" >"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }
}

# Builds one part from its Debian source into $cache/PART by the function STEPS, unless
# its stamp says it is there.
build_part() {
    local part=$1 package=$2 version=$3 steps=$4
    [ -f "$cache/$part/.velmor-built" ] && return 0
    echo "Building $part $version for Windows into $cache/$part" >&2
    local work
    work=$(mktemp -d "/var/tmp/velmor-$part-XXXXXX")
    (cd "$work" && fetch_source "$package" "$version" && "$steps" "$cache/$part")
    rm -rf "$work"
    touch "$cache/$part/.velmor-built"
}

# iaccessible2, sqlite and wintab are not in Debian's tarball: UI Automation serves
# accessibility, and tablets, SQL, XML and printing the editor does not use. Direct2D
# must stay on, since the Windows platform plugin needs it; only 1.1 gates the separate
# direct2d plugin that wants wintab. The first build takes most of an hour.
qt_steps() {
    mkdir build && cd build
    logged configure.log ../qt6-base-*/configure -prefix "$1" -xplatform win32-g++ \
        -qt-host-path /usr -release -shared -nomake tests -nomake examples \
        -no-dbus -no-opengl -no-icu -no-pkg-config \
        -no-feature-sql -no-feature-xml -no-feature-printsupport \
        -feature-direct2d -no-feature-direct2d1_1 -no-feature-tabletevent \
        -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-harfbuzz -qt-freetype \
        -- -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    logged build.log cmake --build . --parallel "$jobs"
    logged install.log cmake --install .
}

# Windows' own crypto and Debian's MinGW zlib; no other compression or TLS library.
libzip_steps() {
    logged configure.log cmake -S "$(ls -d libzip-*/)" -B build -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$1" -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF \
        -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF \
        -DENABLE_ZSTD=OFF -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF \
        -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF
    logged build.log cmake --build build
    logged install.log cmake --install build
}

$sudo mkdir -p "$cache"
[ -w "$cache" ] || $sudo chown "$(id -u):$(id -g)" "$cache"
build_part libzip libzip "$zip_version" libzip_steps
build_part qt qt6-base "$qt_version" qt_steps
echo "$cache"
