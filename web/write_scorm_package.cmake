# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a SCORM package of the site: the site's files with the course
# adapter, which the page loads for this SCORM version, and
# imsmanifest.xml listing them all, zipped as
# compartica-scorm<12|2004>-<version>.zip, where the student types each
# answer and the LMS records a score, or with -DPLAIN=ON as
# compartica-scorm<12|2004>-plain-<version>.zip, the worked answers alone.
# The zip is written by write_zip.py, so that the same site makes the same
# bytes.
# The teacher's page (TEACHER, its files) stays out: a course has no use for
# it. So does the service worker: a course needs the network to record,
# and an LMS serves each new package from a new address, where a worker
# would stay behind.
# Usage: cmake -DSITE=site -DOUT=folder -DSCORM=1.2|2004 -DVERSION=x.y.z -DNAME=...
#              -DDESCRIPTION=... -DWEB=web-source-folder -DPYTHON=python3
#              "-DTEACHER=its;files" -P write_scorm_package.cmake
string(REPLACE "." "" short ${SCORM})
if(PLAIN)
  set(short ${short}-plain)
  set(practice "")
  set(TITLE "${NAME}: worked answers")
else()
  set(practice " data-practice=\"on\"")
  set(TITLE "${NAME}: practice")
endif()
set(package ${OUT}/scorm${short})
file(REMOVE_RECURSE ${package})
file(COPY ${SITE}/ ${WEB}/scorm.js DESTINATION ${package})
list(APPEND TEACHER sw.js)
list(TRANSFORM TEACHER PREPEND ${package}/)
file(REMOVE ${TEACHER})

# The page's template marks the adapter's place, before the page's script.
set(place "<!-- course adapter -->")
file(READ ${package}/index.html page)
string(FIND "${page}" "${place}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "index.html has no \"${place}\": the package would record nothing")
endif()
string(REPLACE "${place}" "<script src=\"scorm.js\" data-scorm=\"${SCORM}\"${practice}></script>"
       page "${page}")
file(WRITE ${package}/index.html "${page}")

file(GLOB names RELATIVE ${package} ${package}/*)
list(SORT names)
set(files "")
foreach(name ${names})
  string(APPEND files "      <file href=\"${name}\"/>\n")
endforeach()
set(identifier "org.compartica.Compartica-${VERSION}")
if(PLAIN)
  string(APPEND identifier "-plain")
endif()
configure_file(${WEB}/imsmanifest-${SCORM}.xml.in ${package}/imsmanifest.xml @ONLY)

set(zip ${OUT}/compartica-scorm${short}-${VERSION}.zip)
file(REMOVE ${zip})
list(APPEND names imsmanifest.xml)
execute_process(COMMAND ${PYTHON} ${WEB}/write_zip.py ${zip} ${package} ${names}
                COMMAND_ERROR_IS_FATAL ANY)
