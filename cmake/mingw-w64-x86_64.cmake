# Cross-builds the Windows program on Debian with mingw-w64 (package g++-mingw-w64-x86-64-posix).
# The posix thread model: GoogleTest needs std::mutex, which the win32 model's library lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest, and GoogleTest's discovery at build time, run the .exe files under Wine. The wine
# script would print a hint about 32-bit Wine on every start; the loader itself does not.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
