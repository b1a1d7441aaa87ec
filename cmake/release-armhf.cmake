# The release folder for 32-bit ARM handhelds (hard float), built against Debian 11's glibc.
#   scripts/release.sh armhf (sets RPG_SYSROOT and RPG_BUNDLE for the build in build-release-armhf)
set(RPG_RELEASE_ARCH armhf)
set(RPG_DEBIAN_ARCH armhf)
set(RPG_RELEASE_PROCESSOR arm)
set(RPG_RELEASE_TRIPLET arm-linux-gnueabihf)
set(RPG_RELEASE_QEMU qemu-arm-static)
include(${CMAKE_CURRENT_LIST_DIR}/bullseye.cmake)
