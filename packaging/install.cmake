# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program as a desktop application, and packages it for Debian.
include(GNUInstallDirs)

set(COMPARTICA_ID org.compartica.Compartica)

# On macOS the window is an application bundle, installed at the top.
install(TARGETS compartica compartica-sheets RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        BUNDLE DESTINATION .)
# The metadata carries the version of project(), as the package does. The
# desktop file and the metadata are written with their texts in every
# language of the catalogues when the build is configured.
configure_file(${PROJECT_SOURCE_DIR}/packaging/${COMPARTICA_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/packaging/${COMPARTICA_ID}.metainfo.xml @ONLY)
file(GLOB catalogues CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/po/*.po)
set(metadata_script ${PROJECT_SOURCE_DIR}/packaging/translate_metadata.py)
execute_process(
    COMMAND ${COMPARTICA_PYTHON} ${metadata_script}
            ${PROJECT_SOURCE_DIR}/packaging/${COMPARTICA_ID}.desktop
            ${PROJECT_BINARY_DIR}/${COMPARTICA_ID}.desktop
            ${PROJECT_BINARY_DIR}/packaging/${COMPARTICA_ID}.metainfo.xml
            ${PROJECT_BINARY_DIR}/${COMPARTICA_ID}.metainfo.xml ${catalogues}
    COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${metadata_script}
             ${PROJECT_SOURCE_DIR}/core/make_catalogue.py
             ${PROJECT_SOURCE_DIR}/packaging/${COMPARTICA_ID}.desktop)
install(FILES ${PROJECT_BINARY_DIR}/${COMPARTICA_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/${COMPARTICA_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 32 64 128)
  install(FILES ${PROJECT_SOURCE_DIR}/art/icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${COMPARTICA_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/art/compartica.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${COMPARTICA_ID}.svg)

# The package says its licences as Debian packages do.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/compartica)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME compartica)
set(CPACK_PACKAGE_VENDOR Compartica)
set(CPACK_PACKAGE_CONTACT "Compartica developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "exercise on the body's fluid compartments by indicator dilution")
set(CPACK_PACKAGE_DESCRIPTION "A physiology exercise: the program invents a patient, reports \
the blood concentrations of antipyrine, thiosulphate and Evans blue after injection, and asks \
for total body water, extracellular fluid, plasma and blood volume, with worked answers.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The Qt libraries come from the binary's own links; the window-system
# plugins and the font are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_STRIP_FILES ON)
include(CPack)
