# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64, POSIX threads
# variant (Qt needs its std::thread and std::mutex).
#   cmake -DCMAKE_TOOLCHAIN_FILE=packaging/windows/mingw-w64-x86_64-posix.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(OMBREL_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${OMBREL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OMBREL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${OMBREL_MINGW}-windres)
set(CMAKE_AR ${OMBREL_MINGW}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${OMBREL_MINGW}-gcc-ranlib-posix CACHE FILEPATH "")
# Libraries and headers of the target only from the MinGW tree and the
# prefixes given (the cross-built Qt); programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${OMBREL_MINGW} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
