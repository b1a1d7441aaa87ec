# Shared by the toolchain files of the release folders: Debian 12's compilers
# over a Debian 11 (bullseye) sysroot, so the game needs glibc 2.31 at most,
# with libstdc++ and libgcc linked in; the target's programs run over the
# runtime root (glibc and SDL2 only) with the bundled libraries, in qemu for
# ARM. The including file sets RPG_RELEASE_ARCH (the folder's name for it),
# RPG_DEBIAN_ARCH, RPG_RELEASE_PROCESSOR and RPG_RELEASE_TRIPLET, and for ARM
# RPG_RELEASE_QEMU. RPG_SYSROOT and RPG_BUNDLE come from the environment
# (scripts/sysroot.sh and scripts/bundle.sh print them; scripts/release.sh
# sets them) and are kept in the build's cache; the runtime root is the
# sysroot's .runtime/.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${RPG_RELEASE_PROCESSOR})
include(${CMAKE_CURRENT_LIST_DIR}/versions.cmake)

foreach(name SYSROOT BUNDLE)
  if(DEFINED ENV{RPG_${name}})
    set(RPG_${name} $ENV{RPG_${name}} CACHE PATH "" FORCE)
  endif()
endforeach()
if(NOT RPG_SYSROOT OR NOT EXISTS ${RPG_SYSROOT}/.sysroot-packages)
  message(FATAL_ERROR "No ${RPG_DEBIAN_ARCH} release sysroot: set RPG_SYSROOT to what scripts/sysroot.sh ${RPG_DEBIAN_ARCH} ${RPG_RELEASE_SUITE} prints")
endif()
set(RPG_RUNTIME_ROOT ${RPG_SYSROOT}/.runtime)

if(RPG_RELEASE_TRIPLET STREQUAL "x86_64-linux-gnu")
  set(CMAKE_C_COMPILER gcc)
  set(CMAKE_CXX_COMPILER g++)
else()
  set(CMAKE_C_COMPILER ${RPG_RELEASE_TRIPLET}-gcc)
  set(CMAKE_CXX_COMPILER ${RPG_RELEASE_TRIPLET}-g++)
endif()
set(CMAKE_SYSROOT ${RPG_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Headers: the compiler's own (its C++ library, its intrinsics) and then the
# sysroot's. Debian's cross compilers would search their own copy of this
# machine's newer glibc headers before the sysroot's, so the search list is
# given in full.
foreach(lang C CXX)
  if(lang STREQUAL "CXX")
    set(rpg_compiler ${CMAKE_CXX_COMPILER})
    set(rpg_language c++)
  else()
    set(rpg_compiler ${CMAKE_C_COMPILER})
    set(rpg_language c)
  endif()
  execute_process(COMMAND ${rpg_compiler} --sysroot=${RPG_SYSROOT} -x${rpg_language} -E -v /dev/null
    OUTPUT_QUIET ERROR_VARIABLE rpg_search RESULT_VARIABLE rpg_failed)
  if(rpg_failed)
    message(FATAL_ERROR "${rpg_compiler} cannot preprocess for ${RPG_RELEASE_TRIPLET}")
  endif()
  string(REGEX REPLACE ".*#include <...> search starts here:\n(.*)End of search list.*" "\\1" rpg_search "${rpg_search}")
  string(REPLACE "\n" ";" rpg_search "${rpg_search}")
  set(rpg_flags "-nostdinc")
  foreach(dir ${rpg_search})
    string(STRIP "${dir}" dir)
    string(FIND "${dir}" "${RPG_SYSROOT}/" rpg_in_sysroot)
    if(dir MATCHES "/c\\+\\+/[0-9]+" OR dir MATCHES "/gcc(-cross)?/${RPG_RELEASE_TRIPLET}/[0-9]+/include"
       OR rpg_in_sysroot EQUAL 0)
      string(APPEND rpg_flags " -isystem ${dir}")
    endif()
  endforeach()
  set(CMAKE_${lang}_FLAGS_INIT "${rpg_flags}")
endforeach()

# The compiler's own libstdc++ and libgcc go into each program and library:
# the systems the folders run on may have older ones, or none. What they ask
# of a newer glibc comes from bullseye-compat.c, linked in beside them. The C
# library and its start files are the sysroot's, searched before the folders
# that the compiler knows of itself, which hold this machine's newer glibc.
set(rpg_compat ${CMAKE_BINARY_DIR}/bullseye-compat.o)
separate_arguments(rpg_c_flags UNIX_COMMAND "${CMAKE_C_FLAGS_INIT}")
execute_process(COMMAND ${CMAKE_C_COMPILER} --sysroot=${RPG_SYSROOT} ${rpg_c_flags} -O2 -fPIC -Wall -Werror
  -c ${CMAKE_CURRENT_LIST_DIR}/bullseye-compat.c -o ${rpg_compat} RESULT_VARIABLE rpg_failed)
if(rpg_failed)
  message(FATAL_ERROR "cannot compile bullseye-compat.c for ${RPG_RELEASE_TRIPLET}")
endif()
set(rpg_libdirs "-L${RPG_SYSROOT}/usr/lib/${RPG_RELEASE_TRIPLET} -L${RPG_SYSROOT}/lib/${RPG_RELEASE_TRIPLET}")
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT
    "-B${RPG_SYSROOT}/usr/lib/${RPG_RELEASE_TRIPLET}/ ${rpg_libdirs} -static-libstdc++ -static-libgcc ${rpg_compat}")
endforeach()
# They were built for a glibc that has its threads and dlopen in libc itself;
# glibc 2.31 keeps them in libpthread and libdl.
set(CMAKE_C_STANDARD_LIBRARIES_INIT "-lpthread -ldl")
set(CMAKE_CXX_STANDARD_LIBRARIES_INIT "-lpthread -ldl")

# SDL 1.2 and SDL_image are the bundle's; pkg-config sees nothing else.
unset(ENV{PKG_CONFIG_PATH})
unset(ENV{PKG_CONFIG_SYSROOT_DIR})
set(ENV{PKG_CONFIG_LIBDIR} ${RPG_BUNDLE}/lib/pkgconfig)
list(APPEND CMAKE_FIND_ROOT_PATH ${RPG_BUNDLE})

# Programs run over the runtime root with the bundle first on their library
# path: qemu for ARM, the root's own loader for x86-64.
if(RPG_RELEASE_QEMU)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${RPG_RELEASE_QEMU} -L ${RPG_RUNTIME_ROOT} -E LD_LIBRARY_PATH=${RPG_BUNDLE}/libs)
else()
  # The root's library folders as its loader would search them (sysroot.sh
  # lists them), after the bundle.
  set(rpg_path ${RPG_BUNDLE}/libs)
  if(EXISTS ${RPG_RUNTIME_ROOT}/.library-path)
    file(STRINGS ${RPG_RUNTIME_ROOT}/.library-path rpg_dirs)
    foreach(dir ${rpg_dirs})
      string(APPEND rpg_path ":${RPG_RUNTIME_ROOT}${dir}")
    endforeach()
  endif()
  set(CMAKE_CROSSCOMPILING_EMULATOR ${RPG_RUNTIME_ROOT}/lib64/ld-linux-x86-64.so.2 --library-path ${rpg_path})
endif()
