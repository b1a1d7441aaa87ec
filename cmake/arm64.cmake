# 64-bit ARM (Debian's arm64): the Linux handhelds of today.
#   RPG_SYSROOT=$(scripts/sysroot.sh arm64) cmake -S . -B build-arm64 -DCMAKE_TOOLCHAIN_FILE=cmake/arm64.cmake
set(RPG_CROSS_ARCH arm64)
set(RPG_CROSS_PROCESSOR aarch64)
set(RPG_CROSS_TRIPLET aarch64-linux-gnu)
set(RPG_CROSS_QEMU qemu-aarch64-static)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
