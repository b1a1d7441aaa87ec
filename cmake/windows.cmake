# The Windows build, included by the top CMakeLists.txt under mingw-w64: the
# C library's rand() replaced by glibc's (the web page's copy), and the game
# as a GUI program, so no console window opens, carrying its icon and
# version (packaging/CMakeLists.txt makes the resource).
enable_language(C)
target_sources(rpg PRIVATE ${CMAKE_SOURCE_DIR}/web/compat/glibc_rand.c)
set_target_properties(gp2x-rpg PROPERTIES WIN32_EXECUTABLE ON)
