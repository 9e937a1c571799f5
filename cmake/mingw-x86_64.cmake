# 64-bit Windows with the mingw-w64 cross compilers (posix threads model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(WENDREL_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${WENDREL_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WENDREL_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${WENDREL_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${WENDREL_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# No libstdc++, libgcc or winpthread DLLs beside the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(WENDREL_WINEARCH win64)
set(WENDREL_WINE_LOADER /usr/lib/wine/wine64)
