#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the web edition into build/web and serves
# its site folder, build/web/site, on http://127.0.0.1:8080/ until stopped
# (Ctrl+C); where port 8080 is taken, it says so and serves on the next free
# port up to 8099. The build also makes the SCORM packages for a course's
# learning management system, in build/web/scorm.
# Usage: scripts/web.sh [build|scorm|--port N]   (build: only build; scorm:
#        only build, and name the two packages; --port: serve on port N)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

# Whether a server could listen on the port given on 127.0.0.1 now (with the
# address reuse that Python's server asks for too).
port_free() {
    python3 -c 'import socket, sys
s = socket.socket()
s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("127.0.0.1", int(sys.argv[1])))' "$1" 2>/dev/null
}

usage() {
    echo "usage: scripts/web.sh [build|scorm|--port N]" >&2
    exit 2
}

mode=serve port=
case "${1:-}" in
    "") ;;
    build | scorm) mode=$1 ;;
    --port) [[ ${2:-} =~ ^[0-9]+$ ]] && [ "$2" -ge 1 ] && [ "$2" -le 65535 ] || usage
        port=$2 ;;
    *) usage ;;
esac

ensure_installed "${WEB_PACKAGES[@]}"
build_web
echo "built the page into $PWD/build/web/site"
[ "$mode" = build ] && exit 0
if [ "$mode" = scorm ]; then
    ls -l "$PWD"/build/web/scorm/compartica-scorm*.zip
    exit 0
fi
if [ -n "$port" ]; then
    port_free "$port" || { echo "port $port is taken: choose another with --port" >&2; exit 1; }
else
    port=8080
    until port_free "$port"; do
        [ "$port" -lt 8099 ] ||
            { echo "ports 8080 to 8099 are all taken: choose one with --port" >&2; exit 1; }
        port=$((port + 1))
    done
    [ "$port" = 8080 ] ||
        echo "port 8080 is taken (by another server, or an earlier scripts/web.sh)"
fi
echo "serving it on http://127.0.0.1:$port/ (Ctrl+C stops)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site
