# The HTML help pages: the program opens the file named like its executable
# with the extension ".html" (Japanese) or ".en.html" (English), so copies are
# put next to the built kirabel binary.
set(KIRABEL_HELP_PAGES kirabel.html kirabel.en.html)
if(CMAKE_RUNTIME_OUTPUT_DIRECTORY)
  set(KIRABEL_HELP_BUILD_DIR ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
else()
  set(KIRABEL_HELP_BUILD_DIR ${CMAKE_BINARY_DIR})
endif()

set(KIRABEL_HELP_SOURCES)
set(KIRABEL_HELP_BUILD_COPIES)
foreach(page IN LISTS KIRABEL_HELP_PAGES)
  set(source ${CMAKE_CURRENT_SOURCE_DIR}/docs/help/${page})
  if(EXISTS ${source})
    set(copy ${KIRABEL_HELP_BUILD_DIR}/${page})
    add_custom_command(
      OUTPUT ${copy}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${copy}
      DEPENDS ${source}
      COMMENT "Copying the help page ${page} next to the program")
    list(APPEND KIRABEL_HELP_SOURCES ${source})
    list(APPEND KIRABEL_HELP_BUILD_COPIES ${copy})
  endif()
endforeach()
# The user's guide, opened from the help menu as kirabel.guide.md beside the
# program (share/kirabel/kirabel.guide.md once installed).
set(KIRABEL_GUIDE_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/docs/guide.md)
set(KIRABEL_GUIDE_BUILD_COPY ${KIRABEL_HELP_BUILD_DIR}/kirabel.guide.md)
add_custom_command(
  OUTPUT ${KIRABEL_GUIDE_BUILD_COPY}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${KIRABEL_GUIDE_SOURCE} ${KIRABEL_GUIDE_BUILD_COPY}
  DEPENDS ${KIRABEL_GUIDE_SOURCE}
  COMMENT "Copying the user's guide next to the program")
list(APPEND KIRABEL_HELP_BUILD_COPIES ${KIRABEL_GUIDE_BUILD_COPY})
if(KIRABEL_HELP_BUILD_COPIES)
  add_custom_target(kirabel_help ALL DEPENDS ${KIRABEL_HELP_BUILD_COPIES})
endif()
