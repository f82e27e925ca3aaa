#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the desktop file and the AppStream metadata with their texts in
every language of po/*.po, as menus and software centres read them.

translate_metadata.py DESKTOP-IN DESKTOP-OUT METAINFO-IN METAINFO-OUT LANG.po ...

The desktop file gets Key[lang]= after each of Name, GenericName, Comment
and Keywords; the metadata an element with xml:lang after each of its name,
summary and description paragraphs. A text without a translation is left
in English alone.
"""
import html
import os
import re
import sys

# The catalogues are read as the core's table is written from them. The
# module is imported from the source tree, which a build never writes into:
# no bytecode cache beside it.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "core"))
import make_catalogue as catalogue  # noqa: E402


def catalogues(paths):
    """Each language's code and translations of texts without a context."""
    return [(os.path.splitext(os.path.basename(path))[0],
             {i: t for c, i, t, _, _ in catalogue.translations(path) if not c and t != i})
            for path in sorted(paths)]


def desktop(text, languages):
    lines = []
    for line in text.splitlines():
        lines.append(line)
        key, _, value = line.partition("=")
        if key in ("Name", "GenericName", "Comment", "Keywords"):
            lines += [f"{key}[{code}]={table[value]}" for code, table in languages
                      if value in table]
    return "\n".join(lines) + "\n"


def metainfo(text, languages):
    def translated(match):
        indent, tag, english = match.group(1), match.group(2), match.group(3)
        key = " ".join(html.unescape(english).split())
        return match.group(0) + "".join(
            f'{indent}<{tag} xml:lang="{code}">{html.escape(table[key], quote=False)}</{tag}>'
            for code, table in languages if key in table)
    return re.sub(r"(\n[ \t]*)<(name|summary|p)>\s*(.*?)\s*</\2>", translated, text,
                  flags=re.S)


def main(desktop_in, desktop_out, metainfo_in, metainfo_out, *paths):
    languages = catalogues(paths)
    for source, target, translate in ((desktop_in, desktop_out, desktop),
                                      (metainfo_in, metainfo_out, metainfo)):
        with open(source, encoding="utf-8") as original:
            catalogue.write_if_changed(target, translate(original.read(), languages))


if __name__ == "__main__":
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
