# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the service worker into the site folder: every other file there
# with its SHA-256 digest, which the worker checks each file against (those
# named in LATER, which the page itself does not load, apart), and a cache
# name of the project version and a digest of those digests, so that any
# change to the page makes a new cache.
# Usage: cmake -DSITE=folder -DTEMPLATE=sw.js.in -DVERSION=x.y.z "-DLATER=a;b"
#              -P write_service_worker.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB names RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM names sw.js)
list(SORT names)
set(digests "")
set(files "")
set(later "")
foreach(name ${names})
  file(SHA256 ${SITE}/${name} digest)
  string(APPEND digests "${name} ${digest}\n")
  if(name IN_LIST LATER)
    string(APPEND later "'${name}': '${digest}', ")
  else()
    string(APPEND files "'${name}': '${digest}', ")
  endif()
endforeach()
string(SHA256 digest "${digests}")
string(SUBSTRING ${digest} 0 12 digest)
set(cache "${VERSION}-${digest}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
