#!/bin/bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Extracts every text marked N_ or NC_ from the sources, and the desktop
# file's and the AppStream metadata's texts, into the template
# po/compartica.pot and merges it into each language's po/*.po, where a new
# or changed text then waits for its translator (untranslated or fuzzy).
# With --template-to FILE it only writes the template there, for the test
# that the template in the tree is up to date. Needs gettext.
set -euo pipefail
cd "$(dirname "$0")/.."

write_template() {
    local raw
    raw=$(mktemp)
    LC_ALL=C.UTF-8 xgettext --from-code=UTF-8 --keyword= --keyword=N_ --keyword=NC_:1c,2 \
        --add-comments=TRANSLATORS: --sort-by-file --no-wrap --add-location=file -o "$raw" \
        core/*.cpp app/*.cpp window/*.cpp sheets/*.cpp web/*.cpp web/page.js \
        web/teacher.js
    LC_ALL=C.UTF-8 xgettext --join-existing --language=Desktop --add-comments=TRANSLATORS: \
        --no-wrap --add-location=file -o "$raw" \
        packaging/org.compartica.Compartica.desktop
    LC_ALL=C.UTF-8 xgettext --join-existing --its=/usr/share/gettext/its/metainfo.its --no-wrap \
        --add-location=file -o "$raw" packaging/org.compartica.Compartica.metainfo.xml.in
    # xgettext's own header (with the time it ran) gives way to ours.
    awk 'header && !$0 { header = 0; next } !header' header=1 "$raw" |
        cat po/template-header.txt - >"$1"
    rm -f "$raw"
}

if [ "${1:-}" = --template-to ]; then
    write_template "$2"
    exit 0
fi
write_template po/compartica.pot
for po in po/*.po; do
    msgmerge --quiet --update --backup=none --no-wrap --add-location=file "$po" po/compartica.pot
done
