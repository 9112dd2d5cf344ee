#!/usr/bin/env bash
# Makes dist/Velmora-<version>-win64.zip: Velmora.exe (cross-built, statically linked, Windows'
# own DLLs only), its Windows read-me (CRLF, UTF-8 with a mark) and the licence, ready to unzip
# into a folder.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
velmora_install_packages cmake make g++-mingw-w64-x86-64-posix
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-windows -j"$(nproc)" --target Velmora
version=$(sed -n 's/^project(Velmora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
imports=$(x86_64-w64-mingw32-objdump -p build-windows/Velmora.exe | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
for dll in $imports; do
    case "$dll" in
        kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | shell32.dll | ole32.dll | comctl32.dll | msvcrt.dll) ;;
        *) echo "Velmora.exe imports $dll, which Windows does not ship" >&2; exit 1 ;;
    esac
done
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp build-windows/Velmora.exe "data/windows/読んで☆.txt" "$stage/"
# The licence with Windows' line ends, for Notepad.
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"
mkdir -p dist
zip="$PWD/dist/Velmora-$version-win64.zip"
rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip Velmora.exe "読んで☆.txt" LICENSE.txt)
echo "$zip ($(stat -c %s "$zip") bytes; Velmora.exe $(stat -c %s build-windows/Velmora.exe) bytes; imports: $imports)"
