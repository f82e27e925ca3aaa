#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# compartica-sheets as a teacher uses it: the same seed makes the same set,
# the worked example's case prints on the sheet and its answers in the key,
# the key packs whole cases, a sheet's QR code reads as its printed link,
# bad input gets one line, status 2 and no file (nor a seed), and no file
# but a regular one is written, never one twice, the sheets never without
# their key.
# Usage: tst_sheets.sh PATH-TO-COMPARTICA-SHEETS PATH-TO-TST_CORE
set -uo pipefail
SHEETS=$1 CORE=$2
WORK=$(mktemp -d)
trap 'umount "$WORK/small" 2>/dev/null; rm -rf "$WORK"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }
text() { pdftotext -raw "$1" - 2>/dev/null | tr -d '\f'; }

echo "# the same seed, the same set"
"$SHEETS" --count 3 --seed 4242 --output "$WORK/a.pdf" --key "$WORK/a-key.pdf" >"$WORK/out" 2>&1 ||
    fail "a set of 3: $(cat "$WORK/out")"
"$SHEETS" --count 3 --seed 4242 --output "$WORK/b.pdf" --key "$WORK/b-key.pdf" >/dev/null 2>&1
"$SHEETS" --count 3 --seed 4243 --output "$WORK/c.pdf" >/dev/null 2>&1
pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }
[ "$(pages "$WORK/a.pdf")" = 3 ] || fail "3 cases are not 3 pages"
[ "$(pages "$WORK/a-key.pdf")" = 2 ] || fail "the key of 3 cases is $(pages "$WORK/a-key.pdf") pages, not 2"
[ "$(text "$WORK/a.pdf")" = "$(text "$WORK/b.pdf")" ] || fail "seed 4242 made two different sets"
[ "$(text "$WORK/a-key.pdf")" = "$(text "$WORK/b-key.pdf")" ] || fail "seed 4242 made two keys"
[ "$(text "$WORK/a.pdf")" != "$(text "$WORK/c.pdf")" ] || fail "seeds 4242 and 4243 made one set"
text "$WORK/a.pdf" | grep -q '^Case 2, seed 4242-2$' || fail "case 2 does not show its seed"
"$SHEETS" --seed 4242-2 --output "$WORK/one.pdf" >/dev/null 2>&1
[ "$(text "$WORK/one.pdf")" = "$(text "$WORK/a.pdf" | sed -n '/^Case 2,/,/^Case 3,/p' | sed '$d')" ] ||
    fail "seed 4242-2 does not reprint case 2 of the set"
[ "$(cat "$WORK/out")" = "" ] || fail "a set with its seed given printed: $(cat "$WORK/out")"
"$SHEETS" --count 1 --output "$WORK/d.pdf" | grep -Eq '^seed [0-9]+$' || fail "no seed printed"
echo "ok: seeds"

echo "# the key a case a page, and a sheet's link"
"$SHEETS" --count 3 --seed 4242 --output "$WORK/e.pdf" --key "$WORK/e-key.pdf" --key-per-page \
    >/dev/null 2>&1
[ "$(pages "$WORK/e-key.pdf")" = 3 ] || fail "--key-per-page: not 3 pages"
[ "$(text "$WORK/e-key.pdf")" = "$(text "$WORK/a-key.pdf")" ] || fail "--key-per-page: another key"
link=https://example.org/compartica/
"$SHEETS" --seed 4242-2 --link "$link" --output "$WORK/linked.pdf" >/dev/null 2>&1
pdftoppm -r 150 -png -singlefile "$WORK/linked.pdf" "$WORK/linked"
read -r code < <(zbarimg -q --raw "$WORK/linked.png")
[ "${code:-}" = "$link#case=4242-2" ] || fail "the QR code reads '${code:-}'"
text "$WORK/linked.pdf" | grep -qxF "$link#case=4242-2" || fail "the link is not printed"
echo "ok: the key packs 3 cases on 2 pages; the QR code reads ${code:-}"

# The PDF's text loses the runs of spaces the window prints; letters,
# numbers and their order are compared exactly, spaces as one.
echo "# the worked example on the sheet and in the key, in every language"
squeeze() { tr -s ' ' | sed 's/^ //; s/ $//' | grep -v '^$'; }
label=': [0-9]+([.,][0-9]+)? L, [0-9]+([.,][0-9])? %$'
"$CORE" --transcripts >"$WORK/screens"
for row in "en Answer" "de Antwort" "es Respuesta"; do
    read -r lang heading <<<"$row"
    "$SHEETS" --lang "$lang" --count 1 --seed 1 --draws 0.25,0.4375,0.25,0.5,0.5,0.25 \
        --output "$WORK/w.pdf" --key "$WORK/w-key.pdf" >/dev/null 2>&1 || fail "the worked example's set"
    stage() { sed -n "/^== $lang stage $1 $2\$/,/^== /p" "$WORK/screens" | sed '1d;/^== /d'; }
    stage 6 questions | squeeze >"$WORK/questions"
    for s in 1 3 5 7; do stage $s answer; done | squeeze >"$WORK/answers"
    # Below the label and the line for the name and date; the key's heading
    # and each answer's.
    text "$WORK/w.pdf" | squeeze | sed '1,2d' >"$WORK/sheet"
    text "$WORK/w-key.pdf" | squeeze | sed '1d' | grep -vx "$heading [1-4]" >"$WORK/all-key"
    # The picture's labels, "name: litres L, percent %", after the answers.
    grep -Ev "$label" "$WORK/all-key" >"$WORK/key"
    grep -E "$label" "$WORK/all-key" | sort >"$WORK/labels"
    [ "$(wc -l <"$WORK/labels")" -eq 7 ] || fail "$lang: the picture's labels: $(cat "$WORK/labels")"
    [ "$lang" != en ] || diff - "$WORK/labels" <<'EOF' || fail "en: the picture's values"
Blood: 5.09 L, 6.7 %
Extracellular fluid: 24.15 L, 32 %
Interstitial fluid: 21.35 L, 28.3 %
Intracellular fluid: 19.32 L, 25.6 %
Plasma: 2.8 L, 3.7 %
Red cells: 2.29 L, 3 %
Total body water: 43.47 L, 57.7 %
EOF
    diff "$WORK/questions" "$WORK/sheet" || fail "$lang: the sheet differs from the window's questions"
    diff "$WORK/answers" "$WORK/key" || fail "$lang: the key differs from the window's answers"
    echo "ok: $lang: $(wc -l <"$WORK/sheet") sheet lines and $(wc -l <"$WORK/key") key lines as the window prints them"
done
# Every word of 30 cases and their key within the 15 mm margins, in each
# language: the right edge of the furthest, in points, against the page's;
# the key two cases with their pictures a page, on A4 and on Letter.
for lang in en de es; do
    paper=a4; [ "$lang" = es ] && paper=letter
    "$SHEETS" --lang "$lang" --count 30 --seed 4242 --paper $paper --output "$WORK/30.pdf" \
        --key "$WORK/30-key.pdf" >/dev/null 2>&1
    [ "$(pages "$WORK/30-key.pdf")" -le 15 ] || fail "$lang: 30 cases' key on $(pages "$WORK/30-key.pdf") pages of $paper"
    labels=$(text "$WORK/30-key.pdf" | grep -cE "$label")
    [ "$labels" -eq 210 ] || fail "$lang: $labels labels in the key of 30 pictures, not 210"
    for pdf in "$WORK/30.pdf" "$WORK/30-key.pdf"; do
        pdftotext -bbox "$pdf" - | awk -F'"' '
            /<page / { right = $2 - 42.52 }
            /<word / && $6 > right + 0.5 { sub(/^ */, ""); print; exit 1 }' >"$WORK/past" ||
            fail "$lang, $(basename "$pdf"): $(cat "$WORK/past") passes the right margin"
    done
done
echo "ok: every word of 30 cases and their key in en, de and es lies within the margins; 15 pages of key with 7 labels a picture"
"$SHEETS" --lang de --seed 4242-2 --output "$WORK/de.pdf" --key "$WORK/de-key.pdf" >/dev/null 2>&1
text "$WORK/de.pdf" | sed -n 1,2p | tr '\n' '|' | grep -Eqx 'Fall 2, Startwert 4242-2\|Name: _+ +Datum: _+\|' ||
    fail "German sheet: $(text "$WORK/de.pdf" | sed -n 1,2p)"
text "$WORK/de-key.pdf" | grep -qx 'Lösungen: Fall 2, Startwert 4242-2' || fail "German key heading"
pdfinfo "$WORK/de-key.pdf" | grep -qx 'Title: *Compartica-Lösungen, Satz 4242' || fail "German key title"
echo "ok: --lang de labels the sheet and the key in German"

echo "# bad input: one line, status 2, no file"
mkdir "$WORK/bad" "$WORK/locked"
chmod 555 "$WORK/locked"
bad() { # description, pattern of the message, arguments
    local what=$1 pattern=$2 code=0
    shift 2
    "$SHEETS" "$@" >"$WORK/out" 2>"$WORK/err" || code=$?
    [ "$code" -eq 2 ] || fail "$what: status $code, not 2"
    [ "$(wc -l <"$WORK/err")" -eq 1 ] && grep -Eq "^compartica-sheets: .*$pattern" "$WORK/err" ||
        fail "$what: message: $(cat "$WORK/err")"
    [ ! -s "$WORK/out" ] || fail "$what: also printed $(cat "$WORK/out")"
    local left
    left=$(find "$WORK/bad" "$WORK/locked" -mindepth 1)
    [ -z "$left" ] || fail "$what: left $left"
    echo "ok: $what: $(cat "$WORK/err")"
}
bad "count 0" "count '0'" --count 0 --output "$WORK/bad/x.pdf"
bad "count 501" "count '501'" --count 501 --output "$WORK/bad/x.pdf"
bad "count not a number" "count 'ten'" --count ten --output "$WORK/bad/x.pdf"
bad "seed not a number" "seed '12x'" --count 2 --seed 12x --output "$WORK/bad/x.pdf"
bad "negative seed" "seed '-5'" --count 2 --seed=-5 --output "$WORK/bad/x.pdf"
bad "no output" "output" --count 2
bad "unknown option" "Unknown option 'colour' \(see" --count 2 --colour --output "$WORK/bad/x.pdf"
bad "paper" "paper 'a3'" --count 2 --paper a3 --output "$WORK/bad/x.pdf"
bad "link not http" "link 'ftp" --count 2 --link ftp://example.org/ --output "$WORK/bad/x.pdf"
bad "link with #" "link 'https" --count 2 --link https://example.org/#a --output "$WORK/bad/x.pdf"
if [ "$(id -u)" -ne 0 ]; then
    bad "unwritable folder" "cannot write" --count 2 --output "$WORK/locked/x.pdf"
fi
bad "missing folder" "there is no folder" --count 2 --output "$WORK/bad/no/such/x.pdf"
bad "empty output" "--output names no file" --count 2 --output "" --key "$WORK/bad/k.pdf"
bad "empty key" "--key names no file" --count 2 --output "$WORK/bad/x.pdf" --key ""
# Root may write in /proc's folder but the kernel makes no file there; a
# user may not write there at all. Either is the honest reason.
bad "a file of the kernel's" "(no file can be made in /proc|the folder /proc is not writable)$" \
    --count 1 --output /proc/version
bad "a folder" "is a folder, not a file" --count 1 --output "$WORK/bad"
bad "an unknown language" "language 'fr' is not one of en, de, es" --count 1 --lang fr \
    --output "$WORK/bad/x.pdf"
bad "--draws with a link" "leave out --link" --count 1 --draws 0.5 --link https://example.org/ \
    --output "$WORK/bad/x.pdf"
# The longest address README allows is 183 characters, for a link of 213.
lms=https://moodle.example.edu/pluginfile.php/1234567/mod_scorm/content/3/compartica/
lms=$lms$(printf 'a%.0s' $(seq $((183 - ${#lms} - 11))))/index.html
bad "a link too long to scan" "184 characters long, too long .* \(at most 183\)" --count 1 \
    --link "${lms}l" --output "$WORK/bad/x.pdf"
bad "key in a missing folder" "cannot write" --count 2 --output "$WORK/bad/x.pdf" \
    --key "$WORK/bad/no/k.pdf"

echo "# files: only regular files are written, never one file twice, the pair or nothing"
# A device of our own as root: a program that wrongly wrote there must not
# replace the system's /dev/null. As a user, /dev/null itself is safe.
device=/dev/null
if [ "$(id -u)" -eq 0 ]; then
    device=$WORK/null
    mknod "$device" c 1 3
fi
bad "a device" "$device: it is a character device, not a file" --count 1 --output "$device"
[ -c "$device" ] || fail "the device was replaced"
printf 'old sheets' >"$WORK/x.pdf"
ln -s x.pdf "$WORK/link.pdf"
ln -s . "$WORK/here"
for key in "$WORK/x.pdf" "$WORK/./x.pdf" "$WORK/here/x.pdf"; do
    bad "--key $key beside --output x.pdf" "the same file" --count 1 --output "$WORK/x.pdf" \
        --key "$key"
done
# A link is never written through: it may lead where the teacher did not
# mean, or where another user aims it.
bad "--output a symlink" "link.pdf: it is a symbolic link, not a file$" --count 1 \
    --output "$WORK/link.pdf" --key "$WORK/k.pdf"
bad "--key a symlink" "link.pdf: it is a symbolic link, not a file$" --count 1 \
    --output "$WORK/s.pdf" --key "$WORK/link.pdf"
[ "$(cat "$WORK/x.pdf")" = "old sheets" ] || fail "x.pdf was replaced"
[ -L "$WORK/link.pdf" ] || fail "the link was replaced"
# A shared folder that every user may write to, as /tmp: a file someone
# else owns there is theirs (as root, where it can be given away), and a
# read-only file is refused in any folder (as a user, since root may write
# any file).
mkdir -m 1777 "$WORK/shared"
printf 'theirs' >"$WORK/shared/theirs.pdf"
if [ "$(id -u)" -eq 0 ]; then
    chown 65534 "$WORK/shared/theirs.pdf"
    bad "another user's file in a shared folder" \
        "it belongs to another user, in a folder every user may write to$" \
        --count 1 --output "$WORK/shared/theirs.pdf"
else
    chmod 444 "$WORK/shared/theirs.pdf"
    bad "a read-only file" "theirs.pdf: the file is read-only$" --count 1 \
        --output "$WORK/shared/theirs.pdf"
fi
[ "$(cat "$WORK/shared/theirs.pdf")" = theirs ] || fail "the shared file was replaced"
# The race: a link planted where the sheets go while the set is rendered
# (once the process has run 0.15 s, past its first look), aimed at a file
# only its owner reads and, as root, at a device. Neither is touched.
printf 'secret' >"$WORK/secret"
chmod 600 "$WORK/secret"
victims=("$WORK/secret")
if [ "$(id -u)" -eq 0 ]; then
    mknod "$WORK/race-null" c 1 3 && victims+=("$WORK/race-null")
fi
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }
for victim in "${victims[@]}"; do
    rm -f "$WORK/race.pdf"
    "$SHEETS" --count 500 --seed 4242 --output "$WORK/race.pdf" >/dev/null 2>"$WORK/err" &
    pid=$!
    while kill -0 "$pid" 2>/dev/null && [ "$(ticks "$pid")" -lt 15 ]; do sleep 0.01; done
    ln -s "$victim" "$WORK/race.pdf"
    kill -0 "$pid" 2>/dev/null || fail "the race: the set was written before the link was planted"
    code=0
    wait "$pid" || code=$?
    { [ "$code" -eq 2 ] && grep -q 'race.pdf: it is a symbolic link, not a file$' "$WORK/err"; } ||
        fail "the race for $victim: status $code, $(cat "$WORK/err")"
    if [ "$victim" = "$WORK/secret" ]; then
        [ "$(cat "$victim")" = secret ] || fail "the race: the file behind the link was replaced"
    else
        [ -c "$victim" ] || fail "the race: the device behind the link was replaced"
    fi
    echo "ok: the race: a link planted while 500 cases render leaves $victim untouched"
done
# A small disk with room for the sheets but not for the key too (as root,
# where a tmpfs can be mounted).
"$SHEETS" --count 20 --seed 4242 --output "$WORK/s.pdf" --key "$WORK/k.pdf" >/dev/null
mkdir "$WORK/small"
if [ "$(id -u)" -eq 0 ] &&
    mount -t tmpfs -o size=$(($(stat -c %s "$WORK/s.pdf") + 4 * 4096)) tmpfs "$WORK/small"; then
    printf 'old sheets' >"$WORK/small/s.pdf"
    bad "a full disk for the key" "cannot write .*k.pdf" --count 20 --seed 4242 \
        --output "$WORK/small/s.pdf" --key "$WORK/small/k.pdf"
    [ "$(cat "$WORK/small/s.pdf")" = "old sheets" ] || fail "the sheets were replaced without their key"
    left=$(find "$WORK/small" -mindepth 1 ! -name s.pdf)
    [ -z "$left" ] || fail "a full disk: left $left"
    umount "$WORK/small"
else
    echo "skipped: a full disk (no tmpfs can be mounted)"
fi

echo "# the choices as the teacher's page takes them: the same taken, the same refused"
while IFS=$'\t' read -r query where outcome; do
    [[ -z $query || $query == \#* || $where == page ]] && continue
    args=()
    IFS='&' read -ra pairs <<<"$query"
    for pair in "${pairs[@]}"; do
        value=${pair#*=}
        value=${value//+/ }
        printf -v value '%b' "${value//%/\\x}"
        args+=("--${pair%%=*}=$value")
    done
    code=0
    "$SHEETS" "${args[@]}" --output "$WORK/choice.pdf" >/dev/null 2>"$WORK/err" || code=$?
    if [ "$outcome" = taken ]; then
        [ "$code" -eq 0 ] || fail "$query: status $code, $(cat "$WORK/err")"
    else
        [ "$code" -eq 2 ] &&
            [ "$(cat "$WORK/err")" = "compartica-sheets: $outcome (see compartica-sheets --help)" ] ||
            fail "$query: status $code, $(cat "$WORK/err")"
    fi
    echo "ok: $query: $outcome"
done <"$(dirname "$0")/../support/set_choices.tsv"

echo "# messages: one line whatever is echoed; a result that cannot be written is an error"
bad "a terminal's escape in a language" "language '[\\]x1b\[31mx' is not one of" --count 1 \
    --lang $'\e[31mx' --output "$WORK/bad/x.pdf"
bad "a newline in a file's name" "bad/no[\\]nsuch/x.pdf: there is no folder" --count 1 \
    --output "$WORK/bad/no"$'\n'"such/x.pdf"
bad "--output twice" "output is given 2 times: give it once" --count 1 \
    --output "$WORK/bad/x.pdf" --output "$WORK/bad/y.pdf"
for args in "--help" "--version" "--count 1 --output $WORK/full.pdf"; do
    code=0
    # shellcheck disable=SC2086 # the options, split
    "$SHEETS" $args >/dev/full 2>"$WORK/err" || code=$?
    [ "$code" -eq 1 ] && [ "$(cat "$WORK/err")" = \
        "compartica-sheets: cannot write to standard output: No space left on device" ] ||
        fail "$args to a full disk: status $code, $(cat "$WORK/err")"
done
echo "ok: --help, --version and a set's seed to a full disk: status 1 and one line"

echo "# the longest link: wrapped after a '/' beside its QR code, which reads even at 150 dpi"
"$SHEETS" --seed 18446744073709551615-500 --link "$lms" --output "$WORK/lms.pdf" >/dev/null 2>&1
pdftoppm -r 150 -png -singlefile "$WORK/lms.pdf" "$WORK/lms"
read -r code < <(zbarimg -q --raw "$WORK/lms.png")
[ "${code:-}" = "$lms#case=18446744073709551615-500" ] || fail "the longest link's QR code reads '${code:-}'"
# Beside the code (about 67 points square, in the top right corner inside
# margins of 15 mm) no word reaches past its left edge.
pdftotext -bbox "$WORK/lms.pdf" - | awk -F'"' '
    /<page / { right = $2 - 42.5 - 67 }
    /<word / && $4 < 42.5 + 67 && $6 > right { print "over the code: " $0; over = 1 }
    END { exit over }' || fail "the printed address runs over the QR code"
text "$WORK/lms.pdf" | grep -qx "${lms%%compartica/*}compartica/" ||
    fail "the address does not break after a '/'"
echo "ok: a link of ${#code} characters"

"$SHEETS" --help >"$WORK/help"
grep -q -- '--count' "$WORK/help" || fail "--help does not list --count"
# The usage line names the program as it was started, a path as long as the caller's.
awk 'NR > 1 && length > 80 { print "wider than 80 columns: " $0; bad = 1 } END { exit bad }' \
    "$WORK/help" || fail "--help wraps past 80 columns"
"$SHEETS" --version | grep -Eq '^compartica-sheets [0-9]+\.[0-9]+\.[0-9]+$' || fail "--version"
"$SHEETS" --count 1 --paper letter --output "$WORK/l.pdf" >/dev/null &&
    pdfinfo "$WORK/l.pdf" | grep -q 'Page size: *612 x 792' || fail "--paper letter"
[ $status -eq 0 ] && echo "sheets: passed"
exit $status
