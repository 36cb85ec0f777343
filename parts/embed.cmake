# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a C++ source holding data files' bytes, so that Qt-free code reads
# the files as shipped: ombrel_embed(<output.cpp> <name> <file> [<name> <file>...])
# defines, in namespace ombrel::shipped, `const unsigned char <name>[]` and
# `const std::size_t <name>Size` for each file. The output is rewritten only
# when its content changes; the build reconfigures when a file does.
function(ombrel_embed output)
  set(body "// Written by the build from the data files; do not edit.\n#include <cstddef>\n\nnamespace ombrel::shipped {\n")
  set(args ${ARGN})
  while(args)
    list(POP_FRONT args name file)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    file(READ ${file} hex HEX)
    string(LENGTH "${hex}" digits)
    math(EXPR size "${digits} / 2")
    # Sixteen bytes a line.
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
    string(APPEND body "extern const unsigned char ${name}[] = {\n${bytes}0};\n")
    string(APPEND body "extern const std::size_t ${name}Size = ${size};\n")
  endwhile()
  string(APPEND body "}  // namespace ombrel::shipped\n")
  file(CONFIGURE OUTPUT ${output} CONTENT "${body}" @ONLY)
endfunction()
