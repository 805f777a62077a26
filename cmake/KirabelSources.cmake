# Source lists are globbed per folder so that a new file in a folder joins its
# target without editing the build; CONFIGURE_DEPENDS re-globs on every build.
function(kirabel_glob out)
  set(result)
  foreach(pattern IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${pattern})
    list(APPEND result ${found})
  endforeach()
  list(SORT result)
  set(${out} ${result} PARENT_SCOPE)
endfunction()
