# Manual pages: docs/man/<program>.1 (English) and docs/man/ja/<program>.1
# (Japanese), compressed as Debian wants them (gzip -9n: no name, no time
# stamp) into man/ and man/ja/ of the build tree, and installed to
# share/man/man1 and share/man/ja/man1 for each program that is built.
find_program(KIRABEL_GZIP gzip REQUIRED)

set(KIRABEL_MAN_DIR ${CMAKE_CURRENT_SOURCE_DIR}/docs/man)
set(KIRABEL_MAN_PAGES)
foreach(program kirabel kirabel-render)
  if(NOT TARGET ${program})
    continue()
  endif()
  foreach(language en ja)
    if(language STREQUAL en)
      set(folder "")
      set(destination ${CMAKE_INSTALL_MANDIR}/man1)
    else()
      set(folder /${language})
      set(destination ${CMAKE_INSTALL_MANDIR}/${language}/man1)
    endif()
    set(page ${CMAKE_CURRENT_BINARY_DIR}/man${folder}/${program}.1)
    add_custom_command(
      OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E copy ${KIRABEL_MAN_DIR}${folder}/${program}.1 ${page}
      COMMAND ${KIRABEL_GZIP} -9nf ${page}
      DEPENDS ${KIRABEL_MAN_DIR}${folder}/${program}.1
      COMMENT "Compressing the manual page ${program}(1) (${language})"
      VERBATIM)
    list(APPEND KIRABEL_MAN_PAGES ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${destination})
  endforeach()
endforeach()
add_custom_target(man_pages ALL DEPENDS ${KIRABEL_MAN_PAGES})
