# lexitally_area(CORE name [WIN name] [DEPS ...] [WIN_DEPS ...])
# Each source area keeps portable code at its root (the CORE library, built
# everywhere) and Win32 code under win/ (the WIN library, Windows builds only).
# Sources are picked up by glob so that adding a file needs no edit here.
function(lexitally_area)
  cmake_parse_arguments(A "" "CORE;WIN" "DEPS;WIN_DEPS" ${ARGN})
  file(GLOB core_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(A_CORE AND core_sources)
    add_library(${A_CORE} STATIC ${core_sources})
    target_include_directories(${A_CORE} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${A_CORE} PUBLIC lexitally_options ${A_DEPS})
  endif()
  file(GLOB win_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/win/*.cpp)
  # win/main.cpp is a program's entry point, never part of a library.
  list(FILTER win_sources EXCLUDE REGEX "/main\\.cpp$")
  if(WIN32 AND A_WIN AND win_sources)
    add_library(${A_WIN} STATIC ${win_sources})
    target_include_directories(${A_WIN} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${A_WIN} PUBLIC lexitally_options ${A_WIN_DEPS})
    if(TARGET ${A_CORE})
      target_link_libraries(${A_WIN} PUBLIC ${A_CORE})
    endif()
  endif()
endfunction()
