#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the web edition into build/web and serves
# its site folder, build/web/site, on http://127.0.0.1:8080/ until stopped
# (Ctrl+C); where another server has port 8080, it says so and takes the
# next free port. The build also makes the SCORM packages for a course's
# learning management system, in build/web/scorm.
# Usage: scripts/web.sh [build|scorm]   (build: only build; scorm: only build,
#                                        and name the four packages)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_installed "${WEB_PACKAGES[@]}" $(npm_package)
build_web
echo "built the page into $PWD/build/web/site"
[ "${1:-}" = build ] && exit 0
if [ "${1:-}" = scorm ]; then
    ls -l "$PWD"/build/web/scorm/compartica-scorm*.zip
    exit 0
fi
port=8080
while (: <>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do
    port=$((port + 1))
done
[ "$port" = 8080 ] || echo "port 8080 is taken (by another server, or an earlier scripts/web.sh)"
echo "serving it on http://127.0.0.1:$port/ (Ctrl+C stops)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site
