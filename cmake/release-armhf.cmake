# The release folder for 32-bit ARM handhelds (hard float), built against Debian 11's glibc.
#   cmake -S . -B build-release-armhf -DCMAKE_TOOLCHAIN_FILE=cmake/release-armhf.cmake
set(RPG_RELEASE_ARCH armhf)
set(RPG_DEBIAN_ARCH armhf)
set(RPG_RELEASE_PROCESSOR arm)
set(RPG_RELEASE_TRIPLET arm-linux-gnueabihf)
set(RPG_RELEASE_QEMU qemu-arm-static)
include(${CMAKE_CURRENT_LIST_DIR}/bullseye.cmake)
