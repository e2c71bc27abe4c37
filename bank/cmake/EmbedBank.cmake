# Turns bank.txt into a C++ source of string literals, so that the game reads
# no file at run time and parses nothing at start-up. A malformed line stops
# the build here rather than surfacing as a broken puzzle in play.
# Inputs: BANK_TXT, OUTPUT.
file(STRINGS "${BANK_TXT}" lines)
list(LENGTH lines count)
if(NOT count EQUAL 453)
  message(FATAL_ERROR "${BANK_TXT}: ${count} lines, expected 453")
endif()
set(body "")
set(lineno 0)
foreach(line IN LISTS lines)
  math(EXPR lineno "${lineno} + 1")
  if(NOT line MATCHES "^([1-9x]+) ([1-9]+)$")
    message(FATAL_ERROR "${BANK_TXT}:${lineno}: not \"PUZZLE SOLUTION\"")
  endif()
  string(LENGTH "${CMAKE_MATCH_1}" plen)
  string(LENGTH "${CMAKE_MATCH_2}" slen)
  if(NOT plen EQUAL 81 OR NOT slen EQUAL 81)
    message(FATAL_ERROR "${BANK_TXT}:${lineno}: puzzle and solution must have 81 characters")
  endif()
  string(APPEND body "    {\"${CMAKE_MATCH_1}\", \"${CMAKE_MATCH_2}\"},\n")
endforeach()
file(WRITE "${OUTPUT}.tmp"
     "// Generated from bank/data/bank.txt by bank/cmake/EmbedBank.cmake.\n"
     "#include \"bank/BankAdat.h\"\n\n"
     "namespace nonagra::bankadat {\n\n"
     "const Par kParok[kSzintek * kSzintenkent] = {\n${body}};\n\n"
     "} // namespace nonagra::bankadat\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
