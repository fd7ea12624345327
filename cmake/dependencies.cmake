# Third-party libraries: Debian's packages natively, the per-toolchain prefix for Windows.
find_path(PCRE2_INCLUDE_DIR pcre2.h REQUIRED)
find_library(PCRE2_LIBRARY NAMES pcre2-8 REQUIRED)
add_library(PCRE2::8bit UNKNOWN IMPORTED)
set_target_properties(PCRE2::8bit PROPERTIES IMPORTED_LOCATION ${PCRE2_LIBRARY}
                                             INTERFACE_INCLUDE_DIRECTORIES ${PCRE2_INCLUDE_DIR})
target_compile_definitions(PCRE2::8bit INTERFACE PCRE2_CODE_UNIT_WIDTH=8)
if(WIN32)
  target_compile_definitions(PCRE2::8bit INTERFACE PCRE2_STATIC)
endif()

if(NOT LEXITALLY_FUZZ)
  find_package(GTest REQUIRED)
endif()
