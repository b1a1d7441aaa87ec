# The release folder for x86-64 desktops, built against Debian 11's glibc.
#   scripts/release.sh x86_64 (sets RPG_SYSROOT and RPG_BUNDLE for the build in build-release-x86_64)
set(RPG_RELEASE_ARCH x86_64)
set(RPG_DEBIAN_ARCH amd64)
set(RPG_RELEASE_PROCESSOR x86_64)
set(RPG_RELEASE_TRIPLET x86_64-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/bullseye.cmake)
