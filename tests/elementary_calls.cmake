# SPDX-License-Identifier: GPL-3.0-or-later
# Program code computes an elementary function only through common/elementary.h
# (cr::sin, cr::pow, ...), correctly rounded on every platform: it never
# names the C library's, nor Qt's wrappers of them.
#
#   cmake -DSOURCE=<the source tree> -P tests/elementary_calls.cmake
#
#   std::sin(x), ::log10(x), sin(x), qPow(x, y)   a fault, named with its line
#   cr::sin(x), ombrel::cr::pow(x, y)             allowed
#   shape.log(x), p->exp(x), Chart::log(x)        allowed: members, not the C library's
#   inline Real sin(Real x) {                      allowed: a declaration, a type before the name
#   power(x, 0.5), std::sqrt(x), mylog(x)         allowed: square roots are IEEE's
#
# Program code is every folder of the tree but tests, tools, fuzz, bench and
# build folders; comments after // are not read.
cmake_minimum_required(VERSION 3.21)

set(names sin cos tan asin acos atan atan2 sinh cosh tanh asinh acosh atanh
  exp exp2 expm1 log log10 log2 log1p logb pow hypot cbrt erf erfc tgamma lgamma
  sinf cosf tanf expf logf log10f powf hypotf atanf atan2f
  qPow qExp qLn qSin qCos qTan qAsin qAcos qAtan qAtan2 qFastSin qFastCos qHypot)
list(JOIN names "|" alternatives)
set(call "([A-Za-z_][A-Za-z_0-9]*[ \t]+)?([A-Za-z_0-9]|::|\\.|->)*(${alternatives})[ \t]*\\(")

# The calls of the C library's functions in one line of code, its comment cut.
function(faults_in line out)
  string(REGEX REPLACE "//.*$" "" line "${line}")
  string(REGEX MATCHALL "${call}" tokens "${line}")
  set(found "")
  foreach(token IN LISTS tokens)
    # A word and a blank before the name: a type declaring it, unless the
    # word is one that an expression follows.
    if(token MATCHES "^([A-Za-z_][A-Za-z_0-9]*)[ \t]+")
      if(NOT CMAKE_MATCH_1 MATCHES "^(return|else|case|throw|co_return|co_yield|new|delete|and|or|not)$")
        continue()
      endif()
      string(REGEX REPLACE "^[A-Za-z_][A-Za-z_0-9]*[ \t]+" "" token "${token}")
    endif()
    string(REGEX MATCH "([A-Za-z_0-9]+)[ \t]*\\($" name "${token}")
    set(name "${CMAKE_MATCH_1}")
    string(REGEX REPLACE "[A-Za-z_0-9]+[ \t]*\\($" "" qualifier "${token}")
    if(name IN_LIST names AND qualifier MATCHES "^(std::|::)?$")
      list(APPEND found "${token}")
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# The rule itself, on lines whose answer is known.
faults_in("y = std::sin(x) + cr::sin(x) + shape.log(x) + pow(a, b) + mylog(x); // log(x)" seen)
if(NOT seen STREQUAL "std::sin(;pow(")
  message(FATAL_ERROR "the check finds '${seen}' in its own example, not 'std::sin(;pow('")
endif()
faults_in("inline Real sin(Real x) { return exp(x) + cr::cos(x); }" seen)
if(NOT seen STREQUAL "exp(")
  message(FATAL_ERROR "the check finds '${seen}' in its own example, not 'exp('")
endif()

file(GLOB folders LIST_DIRECTORIES true RELATIVE "${SOURCE}" "${SOURCE}/*")
set(files "")
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY "${SOURCE}/${folder}" AND NOT folder MATCHES "^(tests|tools|fuzz|bench|build.*|\\..*)$")
    file(GLOB_RECURSE found "${SOURCE}/${folder}/*.cpp" "${SOURCE}/${folder}/*.h")
    list(APPEND files ${found})
  endif()
endforeach()
list(FILTER files EXCLUDE REGEX "/common/elementary\\.(h|cpp)$")
list(LENGTH files count)
if(count LESS 50)
  message(FATAL_ERROR "only ${count} program files under ${SOURCE}")
endif()

set(faults 0)
foreach(file IN LISTS files)
  file(READ "${file}" text)
  if(NOT text MATCHES "${call}")
    continue()
  endif()
  # One list item a line: no semicolon nor bracket of the code may split or join them.
  string(REGEX REPLACE "[];[]" " " text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    faults_in("${line}" seen)
    if(seen)
      file(RELATIVE_PATH where "${SOURCE}" "${file}")
      message("${where}:${number}: ${seen} — call cr:: (common/elementary.h)")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} lines call the C library's elementary functions")
endif()
message("${count} program files call the elementary functions through cr:: only")
