#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The web edition's tests: the core's tests compiled to WebAssembly under
# node, the same number forms and worked-example transcripts natively and
# under node, the SCORM manifests against their schemas, no package from a
# page without the adapter's place, and the page and its packages in
# headless Chromium.
# Usage: tst_web.sh NATIVE-BUILD WEB-BUILD [SCREENSHOT-DIR]
set -euo pipefail
native=$1 web=$2 screenshots=${3:-}
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "# the core's tests under node"
node "$web/tests/tst_core_wasm.js"

echo "# the number forms of a million values, natively (to_chars) and under node (printf)"
"$native/tests/tst_core" --number-forms >"$work/native-forms.txt"
node "$web/tests/tst_core_wasm.js" --number-forms >"$work/node-forms.txt"
diff "$work/native-forms.txt" "$work/node-forms.txt"
echo "ok: $(cat "$work/node-forms.txt")"

echo "# the worked example's transcripts, natively and under node"
"$native/tests/tst_core" --transcripts >"$work/native.txt"
node "$web/tests/tst_core_wasm.js" --transcripts >"$work/node.txt"
diff "$work/native.txt" "$work/node.txt"
echo "ok: the same $(wc -l <"$work/native.txt") lines"

echo "# the page's font has every character of every catalogue"
/usr/bin/python3 - "$web/site/compartica-sans.woff2" "$here"/../../po/*.po <<'PY'
import sys
from fontTools.ttLib import TTFont
cmap = TTFont(sys.argv[1]).getBestCmap()
texts = "".join(open(path, encoding="utf-8").read() for path in sys.argv[2:])
missing = sorted({c for c in texts if c.isprintable() and ord(c) not in cmap})
sys.exit(f"FAIL: the font lacks {missing}") if missing else print(f"ok: {len(cmap)} characters")
PY

echo "# the SCORM packages' manifests against the official schemas; all but the plain ones practise"
for version in 1.2 2004; do
    for kind in "" -plain; do
        folder="$web/scorm/scorm${version/./}$kind"
        manifest=$(realpath "$folder/imsmanifest.xml")
        (cd "$here" && xmllint --noout --schema "scorm-$version.xsd" "$manifest" 2>"$work/xmllint") ||
            { cat "$work/xmllint"; exit 1; }
        practising=$(grep -c 'data-practice="on"' "$folder/index.html" || true)
        [ "$practising" -eq "$([ -z "$kind" ] && echo 1 || echo 0)" ] ||
            { echo "FAIL: $folder/index.html: data-practice=\"on\" $practising times"; exit 1; }
        echo "ok: $manifest${kind:+ (plain)}"
    done
done

echo "# a page without the course adapter's place makes no package"
cp -r "$web/site" "$work/site"
sed -i '/<!-- course adapter -->/d' "$work/site/index.html"
! cmake -DSITE="$work/site" -DOUT="$work/scorm" -DSCORM=1.2 -DVERSION=0 -DNAME=n -DDESCRIPTION=d \
    -DWEB="$here/../../web" -DPYTHON=python3 -P "$here/../../web/write_scorm_package.cmake" \
    >"$work/cmake.txt" 2>&1 && grep -q 'has no "<!-- course adapter -->"' "$work/cmake.txt" ||
    { cat "$work/cmake.txt"; exit 1; }
echo "ok: $(grep -o 'index.html has no.*' "$work/cmake.txt")"

echo "# the page in Chromium"
"$native/layout_table" >"$work/layout.txt"
for name in 4242-2 7 18446744073709551615-500; do
    count=()
    [[ $name == *-* ]] || count=(--count 1)
    "$native/sheets/compartica-sheets" --seed "$name" "${count[@]}" --output "$work/sheet.pdf"
    printf '%s\t%s\n' "$name" "$(pdftotext -raw "$work/sheet.pdf" - | tr '\n\f' '  ')"
done >"$work/sheets.txt"
mkdir "$work/printed"
node "$here/tst_page.mjs" "$web/site" "$web/scorm" "$work/native.txt" "$work/layout.txt" \
    "$work/sheets.txt" "$work/printed" $screenshots

echo "# the teacher's page prints the set compartica-sheets makes"
sheets=$native/sheets/compartica-sheets printed=$work/printed
"$sheets" --seed 4242 --count 3 --link https://example.org/compartica/ --output "$work/set.pdf" \
    --key "$work/set-key.pdf"
"$sheets" --seed 4242 --count 30 --paper letter --output "$work/30.pdf" --key "$work/30-key.pdf"
# Page by page, runs of spaces as one.
pages_text() { pdftotext -raw "$1" - | sed 's/\f/\n==\n/g' | tr -s ' ' | sed 's/^ //; s/ $//' | grep -v '^$'; }
pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }
diff <(pages_text "$work/set.pdf") <(pages_text "$printed/sheets-3.pdf") ||
    { echo "FAIL: the printed sheets differ from compartica-sheets'"; exit 1; }
diff <(pages_text "$work/set-key.pdf") <(pages_text "$printed/key-3.pdf") ||
    { echo "FAIL: the printed key differs from compartica-sheets'"; exit 1; }
[ "$(pages "$printed/key-30-letter.pdf")" = "$(pages "$work/30-key.pdf")" ] ||
    { echo "FAIL: 30 cases' key on $(pages "$printed/key-30-letter.pdf") pages, not $(pages "$work/30-key.pdf")"; exit 1; }
pdftoppm -r 150 -png "$printed/sheets-3.pdf" "$work/sheet"
codes=$(for png in "$work"/sheet-*.png; do zbarimg -q --raw "$png" 2>/dev/null; done)
[ "$codes" = "$(printf 'https://example.org/compartica/#case=4242-%s\n' 1 2 3)" ] ||
    { echo "FAIL: the printed codes read: $codes"; exit 1; }
echo "ok: 3 sheets and a key of $(pages "$printed/key-3.pdf") pages word for word as compartica-sheets prints them; each code reads its case's address; 30 cases' key on $(pages "$work/30-key.pdf") pages of Letter"
