# Runs skinpack on a small skin folder and on bad input: cmake -DSKINPACK=...
# -DEMULATOR=... -DWORK=... -P skinpack_test.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/skin ${WORK}/empty ${WORK}/holey)
# Names two images by path and case; only one of them is there.
file(WRITE ${WORK}/holey/Skin.ini "[Personality]\r\nLeft=frame\\Left.BMP\r\nRight=right.bmp\r\nTop=top.bmp\r\n")
file(WRITE ${WORK}/holey/left.bmp "BM left\n")
file(WRITE ${WORK}/holey/TOP.bmp "BM top\n")
file(WRITE ${WORK}/skin/Skin.ini "[Personality]\r\nSkinName=Test\r\n")
file(WRITE ${WORK}/skin/b.bmp "BM second\n")
file(WRITE ${WORK}/skin/A.BMP "BM first\r\n")
file(WRITE ${WORK}/skin/notes.txt "not packed")
file(WRITE ${WORK}/garbage.skn "this is not an archive")
file(WRITE ${WORK}/short.lzh "ab")

# run(EXPECTED_STATUS ARGS...) leaves standard output in ${WORK}/out and the
# error text in `err`.
function(run expected)
  execute_process(COMMAND ${EMULATOR} ${SKINPACK} ${ARGN} WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE status OUTPUT_FILE ${WORK}/out ERROR_VARIABLE err)
  if(NOT status EQUAL expected)
    message(FATAL_ERROR "skinpack ${ARGN}: status ${status}, wanted ${expected}: ${err}")
  endif()
  set(err "${err}" PARENT_SCOPE)
endfunction()

# Compared in hexadecimal: file(READ) as text would drop carriage returns.
function(expect_output wanted)
  file(READ ${WORK}/out got HEX)
  string(HEX "${wanted}" wanted_hex)
  if(NOT got STREQUAL wanted_hex)
    message(FATAL_ERROR "output ${got}, wanted ${wanted_hex}")
  endif()
endfunction()

run(0 help)
file(READ ${WORK}/out usage)
if(NOT usage MATCHES "every .bmp file")
  message(FATAL_ERROR "usage does not say what pack takes: ${usage}")
endif()
run(0 pack skin skin.skn)
file(READ ${WORK}/out said)
if(NOT said STREQUAL "packed Skin.ini and 2 images: A.BMP, b.bmp\n")
  message(FATAL_ERROR "pack said [${said}]")
endif()
# ".BMP" is no image name (the extension is compared exactly); right.bmp is missing.
run(2 pack holey holey.skn)
if(NOT err MATCHES "names images the folder lacks: right.bmp\n$" OR EXISTS ${WORK}/holey.skn)
  message(FATAL_ERROR "a folder lacking an image was packed: [${err}]")
endif()
run(0 list skin.skn)
expect_output("skin.ini\t30\na.bmp\t10\nb.bmp\t10\n")
# Names are found without regard to case, bytes come out unchanged.
run(0 extract skin.skn A.bmp)
expect_output("BM first\r\n")
run(0 extract skin.skn b.bmp)
expect_output("BM second\n")
run(0 unlzh skin.skn)
file(SIZE ${WORK}/out size)
# Header, version block, three names, three sizes, 50 bytes of members.
if(NOT size EQUAL 171)
  message(FATAL_ERROR "unlzh gave ${size} bytes, wanted the 171-byte container")
endif()

foreach(bad "extract;skin.skn;missing.bmp" "list;garbage.skn" "list;no-such-file" "pack;empty;x.skn"
        "pack;no-such-folder;x.skn" "unlzh;short.lzh" "frobnicate" "list")
  run(2 ${bad})
  if(NOT err MATCHES "^skinpack: [^\n]+\n$")
    message(FATAL_ERROR "skinpack ${bad}: wanted one line of error, got [${err}]")
  endif()
endforeach()
