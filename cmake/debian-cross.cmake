# Shared by the toolchain files of the ARM targets: a Debian cross compiler,
# the sysroot that scripts/sysroot.sh makes, pkg-config confined to it, and
# qemu to run the target's programs (media generator, tests, replays).
# The including file sets RPG_CROSS_ARCH, _PROCESSOR, _TRIPLET and _QEMU.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${RPG_CROSS_PROCESSOR})

# The sysroot: $RPG_SYSROOT, as scripts/sysroot.sh prints it (scripts/cross.sh
# sets it), kept in the build's cache.
if(DEFINED ENV{RPG_SYSROOT})
  set(RPG_SYSROOT $ENV{RPG_SYSROOT} CACHE PATH "" FORCE)
endif()
if(NOT RPG_SYSROOT OR NOT EXISTS ${RPG_SYSROOT}/.sysroot-packages)
  message(FATAL_ERROR "No ${RPG_CROSS_ARCH} sysroot: set RPG_SYSROOT to what scripts/sysroot.sh ${RPG_CROSS_ARCH} prints")
endif()

set(CMAKE_C_COMPILER ${RPG_CROSS_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${RPG_CROSS_TRIPLET}-g++)
set(CMAKE_SYSROOT ${RPG_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(ENV{PKG_CONFIG_SYSROOT_DIR} ${RPG_SYSROOT})
set(ENV{PKG_CONFIG_LIBDIR} ${RPG_SYSROOT}/usr/lib/${RPG_CROSS_TRIPLET}/pkgconfig:${RPG_SYSROOT}/usr/share/pkgconfig)
unset(ENV{PKG_CONFIG_PATH})

# No binfmt_misc is needed: CMake runs every target program through this.
set(CMAKE_CROSSCOMPILING_EMULATOR ${RPG_CROSS_QEMU} -L ${RPG_SYSROOT})
