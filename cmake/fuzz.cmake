# libFuzzer targets (VLRNA_FUZZ, clang only): every *_fuzz.cc in a core
# folder becomes a program of the same name, linked with the core. The core
# itself is built with coverage for the fuzzer (see vlrna.cmake).
function(vlrna_add_fuzz_targets)
  file(GLOB fuzzers CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/src/*/*_fuzz.cc)
  foreach(source ${fuzzers})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE vlrna_core)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    vlrna_warnings(${name})
  endforeach()
endfunction()
