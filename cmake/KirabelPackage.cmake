# Debian package of the installed programs and data: `cpack -G DEB` in a
# Release build tree. Besides what the install rules put under /usr, the
# package carries the Debian copyright file (machine-readable, holding the MIT
# licence) and a compressed Debian changelog in /usr/share/doc/kirabel; both
# are made here and added to the staging tree only for the DEB generator, so a
# plain `cmake --install` does not get Debian-specific files.
set(KIRABEL_PACKAGE_NAME kirabel)
set(KIRABEL_PACKAGE_CONTACT "Kirabel developers <kirabel@example.org>")
set(KIRABEL_COPYRIGHT "2026 The Kirabel developers")
set(KIRABEL_DEB_RELEASE 1)
set(KIRABEL_DEB_VERSION ${PROJECT_VERSION}-${KIRABEL_DEB_RELEASE})

# The licence text of LICENSE below its title and copyright line, as a
# copyright-format field body: every line indented, empty lines written " .".
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE KIRABEL_LICENSE_TEXT)
string(REGEX REPLACE "^.*\nCopyright[^\n]*\n\n" "" KIRABEL_LICENSE_TEXT "${KIRABEL_LICENSE_TEXT}")
string(REGEX REPLACE "\n+$" "" KIRABEL_LICENSE_TEXT "${KIRABEL_LICENSE_TEXT}")
string(REPLACE "\n\n" "\n.\n" KIRABEL_LICENSE_TEXT "${KIRABEL_LICENSE_TEXT}")
string(REPLACE "\n" "\n " KIRABEL_LICENSE_TEXT " ${KIRABEL_LICENSE_TEXT}")

# Changelog dates follow SOURCE_DATE_EPOCH when it is set, for reproducible packages.
string(TIMESTAMP KIRABEL_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)

set(KIRABEL_DEB_DOC_DIR ${CMAKE_CURRENT_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/packaging/debian-copyright
               ${KIRABEL_DEB_DOC_DIR}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/packaging/debian-changelog
               ${KIRABEL_DEB_DOC_DIR}/changelog.Debian @ONLY)
find_program(KIRABEL_GZIP gzip)

set(CPACK_PACKAGE_NAME ${KIRABEL_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "The Kirabel developers")
set(CPACK_PACKAGE_CONTACT "${KIRABEL_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draws pictures and picture sequences of fireworks")
# Long text lines are kept under 80 characters, as Debian tools show them as they are.
set(CPACK_PACKAGE_DESCRIPTION
    "Kirabel keeps a list of particle sets, one burst each: how many particles,
from where, how fast and in which directions, when they appear and how long
they live, their colour, their glowing trails and which set bursts out of
every particle when it dies. A launch moves the particles under gravity and
accumulates the light of all trails, frame after frame.

The package holds the desktop program kirabel and kirabel-render, which
draws the frames of a list without a window as BMP or PNG files, or as a
GIF, APNG, WebM or MP4 animation encoded by ffmpeg.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME ${KIRABEL_PACKAGE_NAME})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KIRABEL_DEB_RELEASE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kirabel.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Animation export runs ffmpeg; pictures and frames need nothing else.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS ffmpeg)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Adds the copyright file and the changelog to the staging tree of a DEB.
set(KIRABEL_DEB_DOCS_SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/packaging/add-debian-docs.cmake)
file(WRITE ${KIRABEL_DEB_DOCS_SCRIPT} "\
if(CPACK_GENERATOR STREQUAL \"DEB\")
  set(doc \"\${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/share/doc/${KIRABEL_PACKAGE_NAME}\")
  file(MAKE_DIRECTORY \"\${doc}\")
  file(COPY \"${KIRABEL_DEB_DOC_DIR}/copyright\" DESTINATION \"\${doc}\"
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  execute_process(COMMAND \"${KIRABEL_GZIP}\" -n -9 -c \"${KIRABEL_DEB_DOC_DIR}/changelog.Debian\"
                  OUTPUT_FILE \"\${doc}/changelog.Debian.gz\" RESULT_VARIABLE gzip_result)
  if(NOT gzip_result EQUAL 0)
    message(FATAL_ERROR \"gzip of the Debian changelog failed: \${gzip_result}\")
  endif()
  file(CHMOD \"\${doc}/changelog.Debian.gz\" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endif()
")
set(CPACK_PRE_BUILD_SCRIPTS ${KIRABEL_DEB_DOCS_SCRIPT})

include(CPack)
