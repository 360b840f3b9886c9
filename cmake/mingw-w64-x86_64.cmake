# Cross-compiling the Windows executable (64-bit) with the mingw-w64 GCC
# toolchain, e.g. Debian's g++-mingw-w64-x86-64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RAREDUZUVER_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RAREDUZUVER_MINGW_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${RAREDUZUVER_MINGW_TRIPLET}-g++)
set(CMAKE_RC_COMPILER ${RAREDUZUVER_MINGW_TRIPLET}-windres)

# Headers and libraries come from the target's sysroot only; programs run
# during the build are the host's.
set(CMAKE_FIND_ROOT_PATH /usr/${RAREDUZUVER_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
