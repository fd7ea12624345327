# The 32-bit target: built to catch 32-bit faults, never run here.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(LEXITALLY_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
