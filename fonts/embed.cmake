# Writes a file's bytes as a C++ array, so the program carries the font and
# start-up reads no file for it.
# Usage: cmake -DINPUT=<file> -DOUTPUT=<.cpp> -DSYMBOL=<name> -P embed.cmake
file(READ "${INPUT}" hex HEX)
# Sixteen bytes a line; CMake's expressions have no counted repeats.
string(REGEX REPLACE "(................................)" "\\1\n" lines "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${lines}")
get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.new" "// Made by fonts/embed.cmake from ${name}.
#include <cstddef>

namespace nonagra::qt {
extern const unsigned char ${SYMBOL}[];
extern const std::size_t ${SYMBOL}Size;
const unsigned char ${SYMBOL}[] = {
${bytes}};
const std::size_t ${SYMBOL}Size = sizeof(${SYMBOL});
} // namespace nonagra::qt
")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
