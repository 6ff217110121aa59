#!/usr/bin/env bash
# Installs what Kavren needs to build and test on Debian 12, when it is missing, and configures and
# builds the given build folder. Sourced by the start and test commands.
set -euo pipefail

KAVREN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KAVREN_PACKAGES=(cmake ninja-build g++ qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql libgl-dev
                 libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
                 desktop-file-utils appstream poppler-utils postgresql ccache)
# Qt Linguist's lupdate and lrelease with their CMake functions, and Qt's own translations.
KAVREN_PACKAGES+=(qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)

kavren_install_missing() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# kavren_build FOLDER [cmake options...]
kavren_build() {
    local folder="$1"
    shift
    kavren_install_missing "${KAVREN_PACKAGES[@]}"
    # The compiler cache keeps what was compiled before, also for a fresh clone or a removed build
    # folder: paths below the sources are cached relative to them, and the build folder's own
    # path is left out of what identifies a compile with debugging information.
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$KAVREN_ROOT}"
    export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
    cmake -S "$KAVREN_ROOT" -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" > /dev/null
    cmake --build "$folder" -j "$(nproc)"
}
