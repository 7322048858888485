# Installs the Debian packages the project needs, only those that are missing.
# Sourced by scripts/run and scripts/test; works as root and through sudo.

ZENTOLK_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libchm-dev fp-utils
    libgtest-dev libgmock-dev libbenchmark-dev libxtst-dev libxdamage-dev
    xvfb xauth x11-utils x11-apps imagemagick xclip fonts-dejavu-extra
    desktop-file-utils appstream clang-format
)

zentolk_install_missing() {
    local missing=() pkg
    for pkg in "${ZENTOLK_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null 2>&1 || {
            echo "Missing packages: ${missing[*]}; run as root or install sudo." >&2
            return 1
        }
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q &&
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -q --no-install-recommends "${missing[@]}"
}
