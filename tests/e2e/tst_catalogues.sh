#!/bin/bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogues: the template holds every text the sources mark (as
# scripts/update-catalogues.sh extracts them), and every language's
# catalogue passes msgfmt's checks and translates every message of the
# template, none left fuzzy.
set -euo pipefail
SOURCE=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$SOURCE"

"$SOURCE/scripts/update-catalogues.sh" --template-to "$work/compartica.pot"
diff -u po/compartica.pot "$work/compartica.pot" ||
    { echo "FAIL: po/compartica.pot is out of date: run scripts/update-catalogues.sh"; exit 1; }
echo "ok: the template holds the texts of the sources ($(grep -c '^msgid ' po/compartica.pot) with its header)"

for po in po/*.po; do
    msgfmt --check --output-file=/dev/null "$po"
    msgcmp "$po" po/compartica.pot
    for kind in untranslated only-fuzzy; do
        left=$(msgattrib --"$kind" --no-obsolete "$po" | grep -c '^msgid ' || true)
        [ "$left" -eq 0 ] || { echo "FAIL: $po has $((left - 1)) ${kind#only-} messages"; exit 1; }
    done
    echo "ok: $po checks and translates every message"
done

# A translation that drops or renames a placeholder stops the build, named.
sed 's/^msgstr "Fall {index}"$/msgstr "Fall {nummer}"/' po/de.po >"$work/de.po"
if /usr/bin/python3 core/make_catalogue.py "$work/t.cpp" "$work/t.js" "$work/de.po" 2>"$work/err" ||
    ! grep -q "de.po:[0-9]*: the translation of \"Case {index}\" has placeholders \['nummer'\]" "$work/err"; then
    echo "FAIL: a wrong placeholder: $(cat "$work/err")"
    exit 1
fi
echo "ok: a wrong placeholder stops the build: $(cat "$work/err")"
