#!/usr/bin/env bash
# Lays out Velmor for Windows as one folder that runs on a machine with nothing else:
# the program, exactly the DLLs and Qt plugins it loads, Qt's own catalogues, the fonts
# of the command line's pictures, the demo skins new skins start from, and the licence.
#
# Usage: tools/windows-folder.sh BUILD DEPS OUT
#   BUILD  the build folder of the preset "windows"
#   DEPS   the folder tools/windows-deps.sh printed (Qt and libzip for Windows)
#   OUT    the folder to make; it is emptied first
#
# The DLLs are found by reading the imports of every program and plugin (objdump -p),
# and of every DLL found on the way, in the folders below; a DLL found in none of them
# is Windows' own. Plugins are not imported but loaded by Qt at run time, so they are
# named here: the Windows platform, the offscreen platform for the command line's
# pictures, the native style, and Windows' own TLS for the version check.
set -euo pipefail
build=$1 deps=$2 out=$3
root=$(cd "$(dirname "$0")/.." && pwd)
objdump=x86_64-w64-mingw32-objdump
strip=x86_64-w64-mingw32-strip
search=("$deps/qt/bin" "$deps/libzip/bin" /usr/lib/gcc/x86_64-w64-mingw32/*-posix
        /usr/x86_64-w64-mingw32/lib)
plugins=(platforms/qwindows platforms/qoffscreen styles/qwindowsvistastyle
         tls/qschannelbackend)

rm -rf "$out"
mkdir -p "$out"
install -m 644 "$build/velmor.exe" "$build/velmor.com" "$out/"
for plugin in "${plugins[@]}"; do
    mkdir -p "$out/$(dirname "$plugin")"
    install -m 644 "$deps/qt/plugins/$plugin.dll" "$out/$plugin.dll"
done

imports_of() {
    "$objdump" -p "$1" | sed -n 's/^\s*DLL Name: \(.*\)$/\1/p'
}

# Finds a DLL by name, ignoring case as Windows does; prints nothing for Windows' own.
find_dll() {
    local folder
    for folder in "${search[@]}"; do
        find "$folder" -maxdepth 1 -iname "$1" -print -quit 2>/dev/null
    done | head -n 1
}

declare -A seen=()
pending=("$out/velmor.exe" "$out/velmor.com")
for plugin in "${plugins[@]}"; do pending+=("$out/$plugin.dll"); done
while [ ${#pending[@]} -gt 0 ]; do
    file=${pending[0]}
    pending=("${pending[@]:1}")
    while read -r name; do
        key=${name,,}
        [ -n "${seen[$key]:-}" ] && continue
        seen[$key]=1
        found=$(find_dll "$name")
        [ -n "$found" ] || continue
        install -m 644 "$found" "$out/$(basename "$found")"
        pending+=("$out/$(basename "$found")")
    done < <(imports_of "$file")
done

# Debian's MinGW runtime DLLs carry their debug information (libstdc++ alone 23 MB).
find "$out" -iname '*.dll' -o -iname '*.exe' -o -iname '*.com' | xargs "$strip" --strip-unneeded

mkdir -p "$out/translations"
for language in de en; do
    install -m 644 "/usr/share/qt6/translations/qtbase_$language.qm" "$out/translations/"
done
# The offscreen platform on Windows reads its fonts from a folder: the DejaVu fonts the
# pages are drawn with on Linux, so that exported pictures come out the same.
mkdir -p "$out/fonts"
for font in DejaVuSans DejaVuSans-Bold; do
    install -m 644 "/usr/share/fonts/truetype/dejavu/$font.ttf" "$out/fonts/"
done
install -m 644 /usr/share/doc/fonts-dejavu-core/copyright "$out/fonts/LICENSE-DejaVu.txt"
cp -r "$root/examples" "$out/templates"
install -m 644 "$root/LICENSE" "$out/LICENSE.txt"
