# 64-bit Windows with the mingw-w64 cross compilers, win32 threads model:
# the posix model links in winpthreads, which imports GetTickCount64, and
# a program that imports it does not start before Vista.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(WENDREL_TRIPLET x86_64-w64-mingw32)

set(WENDREL_CXX_COMPILER ${WENDREL_TRIPLET}-g++-win32)
set(CMAKE_C_COMPILER ${WENDREL_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${WENDREL_CXX_COMPILER})
set(CMAKE_RC_COMPILER ${WENDREL_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${WENDREL_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# No libstdc++ or libgcc DLLs beside the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(WENDREL_WINEARCH win64)
set(WENDREL_WINE_LOADER /usr/lib/wine/wine64)
