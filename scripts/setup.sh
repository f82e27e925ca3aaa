# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the other scripts: installs what a build needs, and builds.

# Python runs as on a newcomer's machine, whatever this one's environment
# says of it (PYTHONDONTWRITEBYTECODE, PYTHONPATH, ...): the build and the
# tests then do the same here as there.
unset "${!PYTHON@}"

# What building and running the program needs on Debian (python3 writes the
# catalogues into the core).
BUILD_PACKAGES=(cmake make g++ qt6-base-dev libxcb1-dev qt6-qpa-plugins fonts-liberation2 pkgconf
                libqrencode-dev python3)
# What making the Debian package needs on top: dpkg-shlibdeps works out the
# libraries the package depends on, with file.
PACKAGE_PACKAGES=(dpkg-dev file)
# What the headless tests need on top (git lists the files that the licence
# check reads, with or without a checkout; with Qt's Wayland plugin the
# program is started where no compositor answers; gettext extracts and
# checks the catalogues, with appstream's rules for the metadata).
TEST_PACKAGES=(xvfb x11-xkb-utils xkb-data xdotool imagemagick x11-utils
               openbox wmctrl locales dbus at-spi2-core python3-pyatspi desktop-file-utils
               appstream reuse git poppler-utils zbar-tools libxml2-utils qt6-wayland gettext)
# What the web edition needs: the WebAssembly compiler, the font it bundles,
# fonttools with brotli to cut it down into WOFF2, and python3 to serve the
# page.
WEB_PACKAGES=(cmake make emscripten fonts-liberation2 python3 python3-fonttools python3-brotli)
# What its tests need: a browser, and node with npm to drive it.
WEB_TEST_PACKAGES=(chromium)
# The locale the number-form test writes decimal commas in.
COMMA_LOCALE=de_DE.UTF-8

# Prints a heading for a phase of a script.
phase() {
    printf '\n== %s\n' "$*"
}

# The packages of those given that are not installed, one a line, each once.
missing_packages() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            echo "$package"
    done | awk '!seen[$0]++'
}

# What apt-get would install for the packages given, in one line: how many
# packages with what they depend on, how much it fetches (apt says "fetch/all"
# where some is cached) and how much disk it takes. Asks apt without
# installing anything.
install_size() {
    LC_ALL=C apt-get install --assume-no --no-install-recommends "$@" 2>/dev/null | awk '
        / newly installed/ { count = $3 }
        /^Need to get / { sub(/^Need to get /, ""); sub(/(\/.*)? of archives\.$/, ""); fetch = $0 }
        /^After this operation, / { sub(/^After this operation, /, ""); sub(/ of additional.*/, ""); disk = $0 }
        END {
            printf "%d package%s, %s to download, %s on disk\n", count, count == 1 ? "" : "s",
                fetch ? fetch : "0 B", disk ? disk : "0 B"
        }'
}

# npm comes with Debian's npm package, or with a nodejs from elsewhere that
# bundles it; only where there is none is the Debian package needed.
npm_package() {
    command -v npm >/dev/null || echo npm
}

comma_locale_missing() {
    ! locale -a 2>/dev/null | grep -qi "^${COMMA_LOCALE%.UTF-8}\.utf-\?8$"
}

# Installs what is missing of the packages given (and, with --locale, the
# comma locale). As root it does so with apt-get; otherwise it prints one
# block of commands, to run as root, that installs all of it, and stops.
ensure_installed() {
    local want_locale=no
    [ "${1:-}" = --locale ] && { want_locale=yes; shift; }
    local missing
    mapfile -t missing < <(missing_packages "$@")
    local locale_missing=no
    [ "$want_locale" = yes ] && comma_locale_missing && locale_missing=yes
    [ ${#missing[@]} -eq 0 ] && [ "$locale_missing" = no ] && return 0
    [ "$locale_missing" = yes ] && ! dpkg-query -W locales >/dev/null 2>&1 && missing+=(locales)
    if [ "$(id -u)" -ne 0 ]; then
        {
            echo "Some things this needs are missing. Run these commands as root (for example"
            echo "after 'su -'), then run this script again:"
            echo
            if [ ${#missing[@]} -gt 0 ]; then
                echo "    apt-get update"
                echo "    apt-get install -y --no-install-recommends ${missing[*]}"
            fi
            if [ "$locale_missing" = yes ]; then
                echo "    sed -i 's/^# *\\(${COMMA_LOCALE} UTF-8\\)/\\1/' /etc/locale.gen"
                echo "    grep -q '^${COMMA_LOCALE} UTF-8' /etc/locale.gen || echo '${COMMA_LOCALE} UTF-8' >>/etc/locale.gen"
                echo "    locale-gen"
            fi
        } >&2
        exit 1
    fi
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing ${missing[*]} with apt-get"
        quietly apt-get update
        echo "(with what they need: $(install_size "${missing[@]}"))"
        DEBIAN_FRONTEND=noninteractive quietly apt-get install -y --no-install-recommends \
            "${missing[@]}"
    fi
    if [ "$locale_missing" = yes ]; then
        echo "Making the ${COMMA_LOCALE} locale"
        sed -i "s/^# *\(${COMMA_LOCALE} UTF-8\)/\1/" /etc/locale.gen
        grep -q "^${COMMA_LOCALE} UTF-8" /etc/locale.gen || echo "${COMMA_LOCALE} UTF-8" >>/etc/locale.gen
        locale-gen >/dev/null
    fi
}

# Configures build/NAME; further arguments go to CMake.
configure_tree() {
    local name=$1
    shift
    cmake -S . -B "build/$name" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

# Configures and builds into build/NAME; further arguments go to CMake.
# make's line per file shows only with VERBOSE=1.
build_tree() {
    configure_tree "$@"
    quietly cmake --build "build/$1" --parallel "$(nproc)"
}

# The web edition into build/web, and what to publish into build/web/site,
# with the npm package the site serves (web/package-lock.json pins it).
# Debian's emscripten runs its JavaScript tools with the node on PATH; they
# find their modules through NODE_PATH.
build_web() {
    install_npm_packages web
    export NODE_PATH=/usr/share/nodejs
    quietly emcmake cmake -S . -B build/web -DCMAKE_BUILD_TYPE=Release
    quietly cmake --build build/web --parallel "$(nproc)"
}

# Installs the npm packages of a folder (the site's, or those the web tests
# drive Chromium with), as its lock file pins them. Where npm cannot fetch
# them, says why in one line instead of npm's trace.
install_npm_packages() {
    local log status=0
    log=$(mktemp)
    npm ci --prefix "$1" --no-audit --no-fund >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ] && grep -q -e 'FetchError' -e 'request to .* failed' "$log"; then
        echo "npm cannot fetch the packages of $1 from $(npm config get registry)" \
            "($(sed -n 's/^npm \(error\|ERR!\) code //p' "$log" | head -n 1)): the registry" \
            "cannot be reached, or a proxy's certificate is not trusted; 'npm ping' checks" \
            "the registry, 'npm config get proxy' and 'npm config get cafile' show the proxy" \
            "and its certificate" >&2
    elif [ "$status" -ne 0 ]; then
        cat "$log" >&2
    fi
    rm -f "$log"
    return "$status"
}

# Runs a build command, showing its output only with VERBOSE=1 or when it
# fails.
quietly() {
    if [ "${VERBOSE:-0}" = 1 ]; then
        "$@"
        return
    fi
    local log
    log=$(mktemp)
    if ! "$@" >"$log" 2>&1; then
        cat "$log"
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
}
