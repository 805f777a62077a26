# The HTML help page: the program opens the file named like its executable with
# the extension ".html", so a copy is put next to the built kirabel binary.
set(KIRABEL_HELP_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/docs/help/kirabel.html)
if(CMAKE_RUNTIME_OUTPUT_DIRECTORY)
  set(KIRABEL_HELP_BUILD_COPY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/kirabel.html)
else()
  set(KIRABEL_HELP_BUILD_COPY ${CMAKE_BINARY_DIR}/kirabel.html)
endif()

if(EXISTS ${KIRABEL_HELP_SOURCE})
  add_custom_command(
    OUTPUT ${KIRABEL_HELP_BUILD_COPY}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${KIRABEL_HELP_SOURCE} ${KIRABEL_HELP_BUILD_COPY}
    DEPENDS ${KIRABEL_HELP_SOURCE}
    COMMENT "Copying the help page next to the program")
  add_custom_target(kirabel_help ALL DEPENDS ${KIRABEL_HELP_BUILD_COPY})
endif()
