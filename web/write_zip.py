#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Zips the named files of a folder so that the same files make the same
bytes: in the order given, each dated 1 January 1980 and readable by all,
with no owner, access time or other field taken from the disk.

Usage: write_zip.py OUT.zip FOLDER NAME...
"""

import os
import sys
import zipfile


def main(out_path, folder, *names):
    with zipfile.ZipFile(out_path, "w") as archive:
        for name in names:
            entry = zipfile.ZipInfo(name, (1980, 1, 1, 0, 0, 0))
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.create_system = 3  # Unix, so that the mode below is read
            entry.external_attr = 0o100644 << 16
            with open(os.path.join(folder, name), "rb") as content:
                archive.writestr(entry, content.read())


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
