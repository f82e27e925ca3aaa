# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the Content-Security-Policy source ('sha256-...') of the one
<style> element of the HTML file given, so that the page's policy allows
that style and no other."""
import base64
import hashlib
import re
import sys

with open(sys.argv[1], encoding="utf-8") as page:
    style = re.search(r"<style>(.*?)</style>", page.read(), re.S).group(1)
digest = hashlib.sha256(style.encode("utf-8")).digest()
print("sha256-" + base64.b64encode(digest).decode("ascii"), end="")
