# Wine for the Windows tests and the Windows program: a private prefix in the build folder with the
# settings verified on these machines. Sourced; needs wine64 installed.
#   velmora_wine_prefix <prefix folder>  creates it once (about 8 s) and exports WINEPREFIX
#   velmora_wine_dpi <dpi>               the logical DPI from the next process start (96 default)
#   VELMORA_WINE                         the 64-bit loader (Debian keeps it off the PATH)
VELMORA_WINE=$(dpkg -L wine64 2>/dev/null | grep -E '/wine64$' | head -n 1)
VELMORA_WINESERVER=$(dpkg -L wine64 2>/dev/null | grep -E "/wineserver(64)?$" | head -n 1)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

velmora_wine_prefix() {
    export WINEPREFIX="$1"
    [ -f "$WINEPREFIX/.velmora-ready" ] && return 0
    mkdir -p "$WINEPREFIX"
    # No window manager in the tests: with unmanaged windows, focus and keys work and a hidden
    # window closes at once instead of stalling.
    "$VELMORA_WINE" wineboot -i >/dev/null 2>&1
    "$VELMORA_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    # Japanese fonts: MS Gothic's metrics come with IPAGothic.
    local key='HKCU\Software\Wine\Fonts\Replacements' name
    for name in 'ＭＳ ゴシック' 'MS Gothic'; do
        "$VELMORA_WINE" reg add "$key" /v "$name" /t REG_SZ /d IPAGothic /f >/dev/null 2>&1
    done
    for name in 'ＭＳ Ｐゴシック' 'MS PGothic' 'MS UI Gothic' 'MS Shell Dlg' 'MS Shell Dlg 2'; do
        "$VELMORA_WINE" reg add "$key" /v "$name" /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
    done
    "$VELMORA_WINESERVER" -w 2>/dev/null || true
    touch "$WINEPREFIX/.velmora-ready"
}

velmora_wine_dpi() {
    # Programs still running in the prefix (a desktop process) end first, and the server that
    # the change starts is let go, so the next program starts afresh on the display it is given.
    # The write is read back from the prefix's registry once the server has saved it: now and
    # then it did not land (a test at 192 DPI then ran at 96), and is made again.
    local want try
    want=$(printf '"LogPixels"=dword:%08x' "$1")
    for try in 1 2 3 4 5; do
        "$VELMORA_WINESERVER" -k 2>/dev/null || true
        "$VELMORA_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 || true
        timeout 20 "$VELMORA_WINESERVER" -w 2>/dev/null || "$VELMORA_WINESERVER" -k 2>/dev/null || true
        awk -v want="$want" '/^\[/ {desk = ($0 ~ /^\[Control Panel\\\\Desktop\]/)} desk && $0 == want {found = 1}
            END {exit !found}' "$WINEPREFIX/user.reg" && return 0
    done
    echo "Wine's DPI could not be set to $1" >&2
    return 1
}
