# Helpers shared by the project's CMake files.

# Our own code builds without a warning.
function(vlrna_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

if(VLRNA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(VLRNA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VLRNA_FUZZ needs clang (CXX=clang++)")
  endif()
  # Undefined behaviour stops the fuzzer like a crash does.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Collects the .cc files of the given folders, leaving out tests and fuzzers.
function(vlrna_glob_sources out)
  set(result)
  foreach(dir ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cc)
    list(APPEND result ${found})
  endforeach()
  list(FILTER result EXCLUDE REGEX "_(test|fuzz)\\.cc$")
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# Collects the _test.cc files of the given folders.
function(vlrna_glob_tests out)
  set(result)
  foreach(dir ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*_test.cc)
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# Adds every sub-folder of the current folder that has a CMakeLists.txt.
function(vlrna_add_child_folders)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# Gives a program of the Windows medium its manifest and version resource,
# named `file_name` in it (cmake/windows/), and leaves out its symbols.
function(vlrna_windows_resources target file_name)
  set(VLRNA_RC_NAME ${file_name})
  set(VLRNA_RC_MANIFEST ${PROJECT_SOURCE_DIR}/cmake/windows/program.manifest)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/program.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${VLRNA_RC_MANIFEST})
  target_link_options(${target} PRIVATE -s)
endfunction()
