# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages a command needs when some are missing.
# Usage: ensure_packages pkg...   (sourced by ./run and ./test)

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing Debian packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "error: not root and no sudo; please install: ${missing[*]}" >&2
            return 1
        fi
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building the program needs.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core)
# The airport data: Qt's SQLite driver (the build runs the importer) and zlib for .csv.gz.
BUILD_PACKAGES+=(libqt6sql6-sqlite zlib1g-dev)
# What the tests need besides.
TEST_PACKAGES=(libgtest-dev libgmock-dev
    desktop-file-utils appstream xvfb dbus at-spi2-core python3-pyatspi)
