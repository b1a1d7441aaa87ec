# 32-bit ARM, soft float (Debian's armel): the nearest to the console's
# ARM920T that Debian builds and qemu runs.
#   RPG_SYSROOT=$(scripts/sysroot.sh armel) cmake -S . -B build-armel -DCMAKE_TOOLCHAIN_FILE=cmake/armel.cmake
set(RPG_CROSS_ARCH armel)
set(RPG_CROSS_PROCESSOR arm)
set(RPG_CROSS_TRIPLET arm-linux-gnueabi)
set(RPG_CROSS_QEMU qemu-arm-static)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
