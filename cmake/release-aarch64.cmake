# The release folder for 64-bit ARM handhelds, built against Debian 11's glibc.
#   cmake -S . -B build-release-aarch64 -DCMAKE_TOOLCHAIN_FILE=cmake/release-aarch64.cmake
set(RPG_RELEASE_ARCH aarch64)
set(RPG_DEBIAN_ARCH arm64)
set(RPG_RELEASE_PROCESSOR aarch64)
set(RPG_RELEASE_TRIPLET aarch64-linux-gnu)
set(RPG_RELEASE_QEMU qemu-aarch64-static)
include(${CMAKE_CURRENT_LIST_DIR}/bullseye.cmake)
