#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the web edition into build/web and serves
# its site folder, build/web/site, on http://127.0.0.1:8080/ until stopped
# (Ctrl+C). The build also makes the SCORM packages for a course's learning
# management system, in build/web/scorm.
# Usage: scripts/web.sh [build|scorm]   (build: only build; scorm: only build,
#                                        and name the two packages)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_installed "${WEB_PACKAGES[@]}"
build_web
echo "built the page into $PWD/build/web/site"
[ "${1:-}" = build ] && exit 0
if [ "${1:-}" = scorm ]; then
    ls -l "$PWD"/build/web/scorm/compartica-scorm*.zip
    exit 0
fi
echo "serving it on http://127.0.0.1:8080/ (Ctrl+C stops)"
exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build/web/site
