# Installs the Debian packages Velmora needs to build, test and run, when any is missing.
# Sourced by run.sh and test.sh.

VELMORA_PACKAGES=(
    cmake g++ make pkg-config libxcb1-dev libxcb-screensaver0-dev libxcb-xinput-dev libglib2.0-dev
    libwayland-dev wayland-protocols plasma-wayland-protocols xwayland python3-dbus kwin-wayland sway
    qt6-base-dev qt6-base-dev-tools libgl-dev
    googletest libgtest-dev
    xvfb xauth xdotool xautomation x11-utils x11-xserver-utils imagemagick openbox
    xfwm4 dbus-daemon kwin-x11 mutter xscreensaver i3lock locales
    fonts-noto-cjk fonts-ipafont-gothic
)

velmora_install_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}

# A suite that cannot run here: in CI (CI=true) that is a failure, elsewhere it is skipped with a
# line that says so.
velmora_cannot_run() {
    if [ "${CI:-}" = "true" ]; then
        echo "FAILED: $1" >&2
        exit 1
    fi
    echo "SKIPPED: $1"
    exit 0
}
