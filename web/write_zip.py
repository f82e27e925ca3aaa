#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Zips the named files of a folder so that the same files make the same
bytes: in the order given, each with one fixed time (SOURCE_DATE_EPOCH where
it is set, 1 January 1980 otherwise), read-write for the owner and readable
for all, and no owner, access time or other extra field from the disk.

Usage: write_zip.py OUT.zip FOLDER NAME...
"""

import os
import sys
import time
import zipfile

ZIP_EPOCH = 315532800  # 1980-01-01 00:00:00 UTC, the earliest time a zip holds


def fixed_time():
    seconds = max(int(os.environ.get("SOURCE_DATE_EPOCH", ZIP_EPOCH)), ZIP_EPOCH)
    return time.gmtime(seconds)[:6]


def main(out_path, folder, *names):
    stamp = fixed_time()
    with zipfile.ZipFile(out_path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name in names:
            entry = zipfile.ZipInfo(name, stamp)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.external_attr = 0o100644 << 16
            entry.create_system = 3  # Unix, so that the permissions above are read
            with open(os.path.join(folder, name), "rb") as content:
                archive.writestr(entry, content.read())


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
