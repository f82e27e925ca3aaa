# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the other scripts: installs what the build needs and builds.

# What building and running the program needs on Debian.
BUILD_PACKAGES=(cmake make g++ qt6-base-dev qt6-qpa-plugins fonts-liberation2)
# What the headless tests need on top.
TEST_PACKAGES=(xvfb x11-xkb-utils xkb-data xdotool imagemagick x11-utils openbox wmctrl locales
               dbus at-spi2-core python3-pyatspi desktop-file-utils appstream dpkg-dev file)

# Installs the packages that are not yet installed: through apt-get when run
# as root, otherwise says the one command that would.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    else
        echo "Some packages are missing. Install them with:" >&2
        echo "  sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
}

# Configures and builds into build/NAME; further arguments go to CMake.
build_tree() {
    local name=$1
    shift
    cmake -S . -B "build/$name" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "build/$name" --parallel "$(nproc)"
}

# The number-form test runs once in a locale that writes decimal commas.
ensure_comma_locale() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
    if [ "$(id -u)" -eq 0 ]; then
        localedef -i de_DE -f UTF-8 de_DE.UTF-8
    else
        echo "Please run: sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8" >&2
        exit 1
    fi
}
