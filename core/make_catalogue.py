#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the catalogues of po/*.po as a C++ table for the core, and the
page's own texts as a script for the page.

make_catalogue.py OUTPUT.cpp OUTPUT.js LANG.po ...

Each catalogue becomes its language's sorted entries (context, English text,
translation) of the texts the C++ sources mark; English, the source's own
language, comes first and has none.
The script holds, for each language, the translations of the texts the
page's script marks itself (those the catalogue finds in web/*.js). A fuzzy
or empty translation is left out, so the English text shows in its place,
as gettext would show it. A translation whose placeholders ("{weight}")
are not those of its English text stops the build with the file and line:
its numbers would go missing or show as "{...}".
"""
import json
import os
import re
import sys

PLACEHOLDER = re.compile(r"\{([a-z0-9_]+)\}")
ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}


def unquote(text, where):
    if not (len(text) >= 2 and text.startswith('"') and text.endswith('"')):
        sys.exit(f"{where}: expected a quoted string")
    return re.sub(r'\\(.)', lambda m: ESCAPES.get(m.group(1), m.group(0)), text[1:-1])


def entries(path):
    """Each message of a .po file (blocks of lines between empty lines) as a dict
    of its fields, its references ("refs"), its flags and its line."""
    with open(path, encoding="utf-8") as po:
        text = po.read()
    found = []
    for match in re.finditer(r"(?:[^\n]+\n?)+", text):
        line = text.count("\n", 0, match.start()) + 1
        entry, field = {"refs": [], "flags": [], "line": line}, None
        for number, row in enumerate(match.group(0).rstrip("\n").split("\n"), line):
            row = row.strip()
            where = f"{path}:{number}"
            if row.startswith("#:"):
                entry["refs"] += row[2:].split()
            elif row.startswith("#,"):
                entry["flags"] += [flag.strip() for flag in row[2:].split(",")]
            elif not row or row.startswith("#"):
                continue
            elif row.startswith('"'):
                if field is None:
                    sys.exit(f"{where}: a string continues no field")
                entry[field] += unquote(row, where)
            else:
                field, _, rest = row.partition(" ")
                if field not in ("msgctxt", "msgid", "msgstr"):
                    sys.exit(f"{where}: {field} is not a field this catalogue reads")
                entry[field] = unquote(rest, where)
                if field == "msgid":
                    entry["line"] = number
        if entry.get("msgid"):
            found.append(entry)
    return found


def translations(path):
    table = []
    for entry in entries(path):
        msgid, msgstr = entry["msgid"], entry.get("msgstr", "")
        if not msgstr or "fuzzy" in entry["flags"]:
            continue
        if sorted(PLACEHOLDER.findall(msgid)) != sorted(PLACEHOLDER.findall(msgstr)):
            sys.exit(f"{path}:{entry['line']}: the translation of \"{msgid}\" has placeholders "
                     f"{sorted(set(PLACEHOLDER.findall(msgstr)))}, the English text "
                     f"{sorted(set(PLACEHOLDER.findall(msgid)))}")
        page = any(re.fullmatch(r"web/\w+\.js(:\d+)?", ref) for ref in entry["refs"])
        code = any(re.fullmatch(r"\S+\.(cpp|h)(:\d+)?", ref) for ref in entry["refs"])
        table.append((entry.get("msgctxt", ""), msgid, msgstr, code, page))
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


def write_if_changed(path, text):
    if not os.path.exists(path) or open(path, encoding="utf-8").read() != text:
        with open(path, "w", encoding="utf-8") as out:
            out.write(text)


def main():
    cpp, js, paths = sys.argv[1], sys.argv[2], sorted(sys.argv[3:])
    lines = ["// Written by core/make_catalogue.py from the catalogues in po/.",
             '#include "core/catalogue_table.h"', "", "namespace catalogue_table {",
             "namespace {"]
    rows, page = [], {"en": {}}
    for path in paths:
        code = os.path.splitext(os.path.basename(path))[0]
        translated = translations(path)
        table = [(c, i, t) for c, i, t, in_code, _ in translated if in_code]
        rows.append(f'    {{"{code}", {code if table else "nullptr"}, {len(table)}}},')
        if table:
            lines.append(f"const Entry {code}[] = {{")
            lines += [f"    {{{literal(c)}, {literal(i)}, {literal(t)}}}," for c, i, t in table]
            lines.append("};")
        page[code] = {(c + "\u0004" if c else "") + i: t
                      for c, i, t, _, shown in translated if shown}
    lines += ["} // namespace", "", "const Catalogue catalogues[] = {", '    {"en", nullptr, 0},']
    lines += rows
    lines += ["};", f"const std::size_t catalogueCount = {len(paths) + 1};", "",
              "} // namespace catalogue_table", ""]
    write_if_changed(cpp, "\n".join(lines))
    write_if_changed(js, "// Written by core/make_catalogue.py from the catalogues in po/: the\n"
                         "// page's own texts in each language, by context and English text.\n"
                         "const pageCatalogues = " + json.dumps(page, ensure_ascii=False,
                                                                sort_keys=True) + ";\n")


if __name__ == "__main__":
    main()
