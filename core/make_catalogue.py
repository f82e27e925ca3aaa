#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the catalogues of po/*.po as a C++ table for the core.

make_catalogue.py OUTPUT.cpp LANG.po ...

Each catalogue becomes its language's sorted entries (context, English text,
translation); English, the source's own language, comes first and has
none. A fuzzy or empty translation is left out, so the English text shows
in its place, as gettext would show it. A translation whose placeholders
("{weight}") are not those of its English text stops the build with the
file and line, since its numbers would go missing or show as "{...}".
"""
import os
import re
import sys

PLACEHOLDER = re.compile(r"\{([a-z0-9_]+)\}")
ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}


def unquote(text, where):
    if not (text.startswith('"') and text.endswith('"')):
        sys.exit(f"{where}: expected a quoted string")
    return re.sub(r'\\(.)', lambda m: ESCAPES.get(m.group(1), m.group(0)), text[1:-1])


def entries(path):
    """The (context, id, text, line, fuzzy) of each message of a .po file."""
    found = []
    current, field, fuzzy, line_of = {}, None, False, 0

    def finish():
        if "msgid" in current:
            found.append((current.get("msgctxt", ""), current["msgid"],
                          current.get("msgstr", ""), line_of, fuzzy))

    with open(path, encoding="utf-8") as po:
        for number, line in enumerate(po, 1):
            line = line.strip()
            where = f"{path}:{number}"
            if line.startswith("#,") and "fuzzy" in line:
                finish()
                current, field, fuzzy = {}, None, True
            elif not line or line.startswith("#"):
                continue
            elif line.startswith('"'):
                if field is None:
                    sys.exit(f"{where}: a string continues no field")
                current[field] += unquote(line, where)
            else:
                keyword, _, rest = line.partition(" ")
                if keyword not in ("msgctxt", "msgid", "msgstr"):
                    sys.exit(f"{where}: {keyword} is not a field this catalogue reads")
                if keyword != "msgstr" and field == "msgstr":
                    finish()
                    current, fuzzy = {}, False
                if keyword == "msgid":
                    line_of = number
                field = keyword
                current[field] = unquote(rest, where)
    finish()
    return found


def translations(path):
    table = []
    for context, msgid, msgstr, line, fuzzy in entries(path):
        if not msgid or not msgstr or fuzzy:
            continue
        if sorted(PLACEHOLDER.findall(msgid)) != sorted(PLACEHOLDER.findall(msgstr)):
            sys.exit(f"{path}:{line}: the translation of \"{msgid}\" has placeholders "
                     f"{sorted(set(PLACEHOLDER.findall(msgstr)))}, the English text "
                     f"{sorted(set(PLACEHOLDER.findall(msgid)))}")
        table.append((context, msgid, msgstr))
    return sorted(table, key=lambda e: (e[0].encode(), e[1].encode()))


def literal(text):
    out = []
    for byte in text.encode("utf-8"):
        char = chr(byte)
        if byte >= 0x80 or byte < 0x20 or char in '"\\?':
            out.append(f"\\{byte:03o}")
        else:
            out.append(char)
    return '"' + "".join(out) + '"'


def main():
    output, paths = sys.argv[1], sorted(sys.argv[2:])
    lines = ["// Written by core/make_catalogue.py from the catalogues in po/.",
             '#include "core/catalogue_table.h"', "", "namespace catalogue_table {",
             "namespace {"]
    codes, counts = [], []
    for path in paths:
        code = os.path.splitext(os.path.basename(path))[0]
        codes.append(code)
        table = translations(path)
        counts.append(len(table))
        if table:
            lines.append(f"const Entry {code}[] = {{")
            lines += [f"    {{{literal(c)}, {literal(i)}, {literal(t)}}}," for c, i, t in table]
            lines.append("};")
    lines += ["} // namespace", "", "const Catalogue catalogues[] = {", '    {"en", nullptr, 0},']
    lines += [f'    {{"{code}", {code if count else "nullptr"}, {count}}},'
              for code, count in zip(codes, counts)]
    lines += ["};", f"const std::size_t catalogueCount = {len(codes) + 1};", "",
              "} // namespace catalogue_table", ""]
    text = "\n".join(lines)
    if not os.path.exists(output) or open(output, encoding="utf-8").read() != text:
        with open(output, "w", encoding="utf-8") as out:
            out.write(text)


main()
