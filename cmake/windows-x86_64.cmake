# Windows x86-64 through Debian's mingw-w64 (gcc 12, POSIX threads), with
# libstdc++, libgcc and winpthread linked into every program and DLL, so a
# folder brings no compiler's DLL. Programs run under Wine.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/windows-x86_64.cmake
# RPG_WINDOWS_LIBS (environment) is the folder of libraries scripts/windows.sh
# builds; the game's build finds them through its pkg-config files. Without
# it the file only names the compilers (the libraries' own builds use it so).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(RPG_WINDOWS_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${RPG_WINDOWS_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RPG_WINDOWS_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${RPG_WINDOWS_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${RPG_WINDOWS_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# -static takes every library's static archive where there is one: the
# compiler's own and winpthread; DLLs (Windows' own, SDL.dll) through their
# import libraries.
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-static")
endforeach()

if(DEFINED ENV{RPG_WINDOWS_LIBS})
  set(RPG_WINDOWS_LIBS $ENV{RPG_WINDOWS_LIBS})
  list(APPEND CMAKE_FIND_ROOT_PATH ${RPG_WINDOWS_LIBS})
  unset(ENV{PKG_CONFIG_PATH})
  unset(ENV{PKG_CONFIG_SYSROOT_DIR})
  set(ENV{PKG_CONFIG_LIBDIR} ${RPG_WINDOWS_LIBS}/lib/pkgconfig)
  # Wine in the prefix WINEPREFIX names (scripts/windows.sh makes a fresh
  # one in the build folder), with the libraries' DLLs on the path.
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPATH=${RPG_WINDOWS_LIBS}/bin WINEDEBUG=-all wine)
endif()
