#!/usr/bin/env bash
# Velmor for Windows as a user meets it, under Wine, in a prefix made new for each run
# (no Qt, no MinGW, nothing of ours in it before):
#   1. the portable folder starts there as it is;
#   2. the installer installs silently for the current user: program, Start-menu
#      entry, skin association, entry among the installed programs;
#   3. the console program checks, exports and says what the Linux build says, with
#      the same exit status, and draws the same pixels;
#   4. a skin opened as a double click opens it (through the association) shows the
#      window with the skin's caption on a virtual display; its picture is kept as
#      build/windows/screenshot-wine.png;
#   5. the uninstaller, silent too, leaves nothing behind.
#
# Usage: tests/windows/program.sh WINDOWS_BUILD LINUX_VELMOR
#   WINDOWS_BUILD  build/windows, holding Velmor/ and the installer (make windows)
#   LINUX_VELMOR   the Linux build's velmor
# Each check says ok or FAIL and the run goes on; the count of failures decides.
set -uo pipefail
windows=$(cd "$1" && pwd)
linux_velmor=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
root=$(cd "$(dirname "$0")/../.." && pwd)
installer=$(ls "$windows"/Velmor-*-setup.exe | head -n 1)
work=$(mktemp -d /var/tmp/velmor-wine-XXXXXX)
xvfb_pid=""
cleanup() {
    timeout 60 wineserver -k >/dev/null 2>&1 || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

export WINEPREFIX=$work/prefix WINEDEBUG=-all DISPLAY= WAYLAND_DISPLAY=
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
in_wine() { timeout 120 wine "$@"; }

echo "A fresh Wine prefix in $WINEPREFIX"
timeout 300 wineboot --init >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log"; exit 1; }
timeout 300 wineserver --wait

# 1. The folder alone.
if in_wine "$windows/Velmor/velmor.com" --version >"$work/version.txt" 2>&1 &&
    grep -q "Velmor" "$work/version.txt"; then
    pass "the portable folder starts in a clean prefix: $(tr -d '\r' <"$work/version.txt")"
else
    fail "the portable folder does not start: $(cat "$work/version.txt")"
fi

# Waits up to a minute for a test of a file to come true: NSIS's uninstaller runs a
# copy of itself and returns at once. (wineserver --wait can hang on a console host
# that Wine keeps.)
within_a_minute() {
    for _ in $(seq 60); do
        test "$@" && return 0
        sleep 1
    done
    return 1
}

# 2. The installer.
in_wine "$installer" /S || fail "the installer ended with $?"
windows_folder() { in_wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
local_app_data=$(winepath -u "$(windows_folder LOCALAPPDATA)")
start_menu=$(winepath -u "$(windows_folder APPDATA)")/Microsoft/Windows/Start\ Menu/Programs
installed=$local_app_data/Programs/Velmor
registry() { in_wine reg query "$@" 2>/dev/null | tr -d '\r'; }
within_a_minute -f "$installed/uninstall.exe"
[ -f "$installed/velmor.exe" ] && [ -f "$installed/velmor.com" ] &&
    [ -f "$installed/templates/sonnengelb-15/sonnengelb.lkv" ] &&
    pass "installed into $installed" || fail "nothing installed into $installed"
[ -f "$start_menu/Velmor.lnk" ] && pass "Start-menu entry" || fail "no Start-menu entry"
registry 'HKCU\Software\Classes\.lkv' | grep -q 'Velmor.Skin' &&
    registry 'HKCU\Software\Classes\Velmor.Skin\shell\open\command' | grep -qi 'velmor.exe" "%1"' &&
    registry 'HKCU\Software\Classes\Velmor.Skin\DefaultIcon' | grep -qi 'velmor.exe,0' &&
    pass "skin files open in Velmor, with its icon" || fail "no association of .lkv"
registry 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmor' |
    grep -q 'QuietUninstallString' && pass "listed among installed programs" ||
    fail "not listed among installed programs"

# 3. The command line against Linux's, from the same folder with the same relative
# names; Windows names the files with backslashes.
cp -r "$root/examples" "$work/skins"
cp -r "$root/examples/sonnengelb-15" "$work/skins/broken"
rm "$work/skins/broken/btn_exit_up.bmp"
printf 'not a bitmap' >"$work/skins/broken/bg_player.bmp"
sed -i 's/^\(\s*position\s*=\).*/\1 9999,9999/' "$work/skins/broken/sonnengelb.lkv"
compare_command() {
    local name=$1
    shift
    local linux_status=0 windows_status=0
    (cd "$work/skins" && "$linux_velmor" "$@") >"$work/$name.linux" 2>&1 || linux_status=$?
    (cd "$work/skins" && in_wine "$installed/velmor.com" "$@") >"$work/$name.windows" 2>&1 ||
        windows_status=$?
    # Backslashes as Linux writes them: "\\" inside JSON strings, "\" elsewhere.
    tr -d '\r' <"$work/$name.windows" | sed 's|\\\\|/|g; s|\\|/|g' >"$work/$name.windows-slashed"
    if [ "$linux_status" != "$windows_status" ]; then
        fail "$name: exit $windows_status on Windows, $linux_status on Linux"
    elif ! diff -u "$work/$name.linux" "$work/$name.windows-slashed"; then
        fail "$name: Windows prints other lines"
    else
        pass "$name: same lines and exit status $linux_status"
    fi
}
compare_command check-demo --check nachtblau-14/nachtblau.lkv sonnengelb-15/sonnengelb.lkv
compare_command check-broken --check broken/sonnengelb.lkv
compare_command check-json --check --json broken/sonnengelb.lkv
compare_command diff --diff nachtblau-14/nachtblau.lkv sonnengelb-15/sonnengelb.lkv
grep -q '\\' "$work/check-broken.windows" && pass "paths shown the Windows way" ||
    fail "no Windows path in: $(head -n 3 "$work/check-broken.windows")"

mkdir -p "$work/png-linux" "$work/png-windows"
(cd "$work/skins" && "$linux_velmor" --export-png ../png-linux sonnengelb-15/sonnengelb.lkv)
(cd "$work/skins" && in_wine "$installed/velmor.com" --export-png ../png-windows \
    sonnengelb-15/sonnengelb.lkv) >/dev/null
pictures=0
same=0
for png in "$work"/png-linux/*.png; do
    other=$work/png-windows/$(basename "$png")
    differing=$(compare -metric AE "$png" "$other" null: 2>&1 || true)
    [ "$differing" = "0" ] && same=$((same + 1)) ||
        fail "$(basename "$png"): $differing pixels differ"
done
[ "$same" -eq 4 ] && pass "--export-png: the same 4 pictures, pixel for pixel" ||
    fail "--export-png: $same of 4 pictures the same"

# 4. The window, opened as Explorer opens a skin: by the command the association names.
# (Wine's own "start" reads only the machine's classes, not the user's, where a
# per-user install registers them as Windows expects.)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 2
export DISPLAY=$display
skin=$(winepath -w "$work/skins/sonnengelb-15/sonnengelb.lkv")
command=$(registry 'HKCU\Software\Classes\Velmor.Skin\shell\open\command' |
    sed -n 's/^.*REG_SZ *"\([^"]*\)" "%1"$/\1/p')
in_wine "$command" "$skin" >/dev/null 2>&1 &
window=""
for _ in $(seq 60); do
    window=$(xdotool search --name '^Velmor \(Orvana one 1\.5 - Skin\)$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 1
done
if [ -n "$window" ]; then
    pass "a double click on $skin opens the window \"Velmor (Orvana one 1.5 - Skin)\""
    sleep 3
    import -window root "$windows/screenshot-wine.png"
    echo "screenshot: $windows/screenshot-wine.png"
else
    fail "no window \"Velmor (Orvana one 1.5 - Skin)\" from \"$command\" within 60 s"
fi
timeout 60 wineserver -k >/dev/null 2>&1 || true
export DISPLAY=

# 5. The uninstaller.
in_wine "$installed/uninstall.exe" /S || fail "the uninstaller ended with $?"
within_a_minute ! -e "$installed"
[ ! -e "$installed" ] && pass "the program's folder is gone" ||
    fail "left behind: $(find "$installed" | head)"
[ ! -e "$start_menu/Velmor.lnk" ] && pass "the Start-menu entry is gone" ||
    fail "the Start-menu entry is left"
for key in 'HKCU\Software\Classes\.lkv' 'HKCU\Software\Classes\Velmor.Skin' \
    'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmor'; do
    registry "$key" | grep -q . && fail "left in the registry: $key" || pass "gone: $key"
done

echo "$failures failed"
[ "$failures" -eq 0 ]
