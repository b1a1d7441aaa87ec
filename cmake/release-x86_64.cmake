# The release folder for x86-64 desktops, built against Debian 11's glibc.
#   cmake -S . -B build-release-x86_64 -DCMAKE_TOOLCHAIN_FILE=cmake/release-x86_64.cmake
set(RPG_RELEASE_ARCH x86_64)
set(RPG_DEBIAN_ARCH amd64)
set(RPG_RELEASE_PROCESSOR x86_64)
set(RPG_RELEASE_TRIPLET x86_64-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/bullseye.cmake)
