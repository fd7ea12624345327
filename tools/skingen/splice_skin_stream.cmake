# cmake -DFORM=in.dfm -DSTREAM=skin_stream.hex -DOUTPUT=out.dfm -P splice_skin_stream.cmake
#
# Copies a form description, filling its empty "SkinStream = {}" line with
# the default skin's hexadecimal lines, indented as the description writes
# binary data. A description without that line is an error: the form would
# silently lose its skin.
file(READ ${FORM} form)
file(STRINGS ${STREAM} hex_lines)
string(REGEX MATCH "\n( *)SkinStream = {}" placeholder "${form}")
if(NOT placeholder)
  message(FATAL_ERROR "${FORM} has no line \"SkinStream = {}\" to fill")
endif()
set(indent "${CMAKE_MATCH_1}  ")
list(JOIN hex_lines "\n${indent}" body)
string(REPLACE "${placeholder}" "\n${CMAKE_MATCH_1}SkinStream = {\n${indent}${body}}" form "${form}")
file(WRITE ${OUTPUT} "${form}")
