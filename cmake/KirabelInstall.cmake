# Installation layout (the executables' own install rules stand with their targets):
#   bin/kirabel, bin/kirabel-render
#   share/kirabel/kirabel.html, kirabel.en.html  help pages, Japanese and English
#                                              (found from bin/ via ../share/kirabel)
#   share/kirabel/kirabel.guide.md             the user's guide, opened from the help menu
#   share/kirabel/examples/*.pcl, *.ogg        example particle lists, a show's soundtrack
#   share/kirabel/shells/*.pcl                 ready-made shells of the shell library
#   share/applications/<id>.desktop            desktop entry
#   share/mime/packages/<id>.xml               the .pcl file type
#   share/metainfo/<id>.metainfo.xml           software centre description
#   share/icons/hicolor/<size>/apps/<id>.png   application icon, and scalable/apps/<id>.svg
#   share/man/man1, share/man/ja/man1          manual pages (cmake/KirabelManPages.cmake)
set(KIRABEL_APP_ID io.github.kirabel.Kirabel)
set(KIRABEL_LINUX_DIR ${CMAKE_CURRENT_SOURCE_DIR}/resources/linux)
set(KIRABEL_ICON_DIR ${CMAKE_CURRENT_SOURCE_DIR}/resources/icons)

install(FILES ${KIRABEL_HELP_SOURCES} DESTINATION ${CMAKE_INSTALL_DATADIR}/kirabel)
install(FILES ${KIRABEL_GUIDE_SOURCE} DESTINATION ${CMAKE_INSTALL_DATADIR}/kirabel
        RENAME kirabel.guide.md)

if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/examples)
  install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/examples/
          DESTINATION ${CMAKE_INSTALL_DATADIR}/kirabel/examples
          FILES_MATCHING PATTERN "*.pcl" PATTERN "*.PCL" PATTERN "*.ogg" PATTERN "*.md")
endif()

kirabel_glob(KIRABEL_SHELLS shells/*.pcl)
install(FILES ${KIRABEL_SHELLS} DESTINATION ${CMAKE_INSTALL_DATADIR}/kirabel/shells)

if(KIRABEL_BUILD_UI)
  install(FILES ${KIRABEL_LINUX_DIR}/${KIRABEL_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${KIRABEL_LINUX_DIR}/${KIRABEL_APP_ID}.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${KIRABEL_LINUX_DIR}/${KIRABEL_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${KIRABEL_ICON_DIR}/kirabel-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${KIRABEL_APP_ID}.png)
  endforeach()
  install(FILES ${KIRABEL_ICON_DIR}/kirabel.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${KIRABEL_APP_ID}.svg)
endif()
