# Compiler settings every target of the project takes through lexitally_options.
add_library(lexitally_options INTERFACE)
target_compile_options(lexitally_options INTERFACE -Wall -Wextra -Werror)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # Sources are UTF-8; the program's texts are GBK bytes, as the system code page holds them.
  target_compile_options(lexitally_options INTERFACE -finput-charset=UTF-8 -fexec-charset=CP936)
endif()
if(WIN32)
  target_compile_definitions(lexitally_options INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX
                                                         _WIN32_WINNT=0x0601 WINVER=0x0601)
  # One self-contained executable: no mingw runtime DLLs to ship beside it.
  target_link_options(lexitally_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()
