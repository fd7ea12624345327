# Shared part of the mingw-w64 toolchains; LEXITALLY_TRIPLE is set by the caller.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${LEXITALLY_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LEXITALLY_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${LEXITALLY_TRIPLE}-windres)

# PCRE2 and GoogleTest are built once per toolchain into a prefix outside the build trees.
if(DEFINED ENV{LEXITALLY_DEPS})
  set(_deps $ENV{LEXITALLY_DEPS})
else()
  set(_deps $ENV{HOME}/.cache/lexitally)
endif()
set(LEXITALLY_DEPS_PREFIX ${_deps}/prefix/${LEXITALLY_TRIPLE}-pcre2-10.42-jit-gtest-1.12.1
    CACHE PATH "Windows build of the third-party libraries")
set(CMAKE_FIND_ROOT_PATH /usr/${LEXITALLY_TRIPLE} ${LEXITALLY_DEPS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
