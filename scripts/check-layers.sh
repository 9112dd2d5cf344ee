#!/usr/bin/env bash
# The layers, checked: the core includes only the standard library and itself; the platform layer
# includes neither a toolkit nor a front end; the two front ends do not include each other.
set -uo pipefail
cd "$(dirname "$0")/.."
status=0
complain() {
    echo "$1"
    echo "$2" | sed 's/^/    /'
    status=1
}
includes() { grep -rn --include='*.h' --include='*.cpp' --include='*.in' -E '^[[:space:]]*#[[:space:]]*include' "$@" || true; }

bad=$(includes src/core | grep -v -E '#[[:space:]]*include[[:space:]]+(<[a-z0-9_]+>|"core/[^"]+")')
[ -z "$bad" ] || complain "src/core includes something other than the standard library and src/core:" "$bad"

bad=$(includes src/platform | grep -E '<Q|<q[a-z]+\.h>|"(qt|win32)/|<gtk|<glib')
[ -z "$bad" ] || complain "src/platform includes a toolkit or a front end:" "$bad"
bad=$(includes src/platform | grep -E '"[^"]+"' | grep -v -E '"(core|platform)/[^"]+"')
[ -z "$bad" ] || complain "src/platform includes something outside src/core and src/platform:" "$bad"

if [ -d src/qt ]; then
    bad=$(includes src/qt | grep -E '"win32/')
    [ -z "$bad" ] || complain "src/qt includes the Win32 front end:" "$bad"
fi
if [ -d src/win32 ]; then
    bad=$(includes src/win32 | grep -E '<Q|"qt/')
    [ -z "$bad" ] || complain "src/win32 includes Qt or the Qt front end:" "$bad"
fi

if [ $status -eq 0 ]; then
    echo "layers: 1 passed, 0 failed"
else
    echo "layers: 0 passed, 1 failed"
fi
exit $status
