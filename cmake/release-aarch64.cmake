# The release folder for 64-bit ARM handhelds, built against Debian 11's glibc.
#   scripts/release.sh aarch64 (sets RPG_SYSROOT and RPG_BUNDLE for the build in build-release-aarch64)
set(RPG_RELEASE_ARCH aarch64)
set(RPG_DEBIAN_ARCH arm64)
set(RPG_RELEASE_PROCESSOR aarch64)
set(RPG_RELEASE_TRIPLET aarch64-linux-gnu)
set(RPG_RELEASE_QEMU qemu-aarch64-static)
include(${CMAKE_CURRENT_LIST_DIR}/bullseye.cmake)
