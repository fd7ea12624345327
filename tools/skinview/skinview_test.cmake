# Runs skinview --capture on the default skin, on the Ember skin beside it,
# and on input it must refuse:
# cmake -DSKINVIEW=... -DEMULATOR=... -DWORK=... -P skinview_test.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/garbage.skn "this is not an archive")

function(run expected)
  execute_process(COMMAND ${EMULATOR} ${SKINVIEW} ${ARGN} WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT status EQUAL expected)
    message(FATAL_ERROR "skinview ${ARGN}: status ${status}, wanted ${expected}: ${out} ${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

run(0 --capture default.bmp)
# A picture of a whole gallery holds far more than a few flat colours.
if(NOT out MATCHES "default.bmp: ([0-9]+) x ([0-9]+) pixels, ([0-9]+) colours, skin Slate")
  message(FATAL_ERROR "capture said [${out}]")
endif()
if(CMAKE_MATCH_1 LESS 600 OR CMAKE_MATCH_2 LESS 400 OR CMAKE_MATCH_3 LESS 50)
  message(FATAL_ERROR "a blank or small picture: ${out}")
endif()
file(SIZE ${WORK}/default.bmp size)
if(size LESS 100000)
  message(FATAL_ERROR "default.bmp holds ${size} bytes")
endif()

# The second skin from skins/ beside the program: its own picture, not the
# default's drawn again.
get_filename_component(bin_dir ${SKINVIEW} DIRECTORY)
run(0 --capture ember.bmp ${bin_dir}/skins/ember.skn)
if(NOT out MATCHES "ember.bmp: ([0-9]+) x ([0-9]+) pixels, ([0-9]+) colours, skin Ember")
  message(FATAL_ERROR "capture of Ember said [${out}]")
endif()
if(CMAKE_MATCH_3 LESS 50)
  message(FATAL_ERROR "a blank picture of Ember: ${out}")
endif()
file(SHA256 ${WORK}/default.bmp default_hash)
file(SHA256 ${WORK}/ember.bmp ember_hash)
if(default_hash STREQUAL ember_hash)
  message(FATAL_ERROR "the Ember capture is the default skin's picture")
endif()

run(2 --capture garbage.bmp garbage.skn)
if(NOT err MATCHES "^skinview: [^\n]+\n$" OR EXISTS ${WORK}/garbage.bmp)
  message(FATAL_ERROR "a damaged archive was not refused in one line: [${err}]")
endif()
