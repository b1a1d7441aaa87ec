# The WebAssembly build, included by the top CMakeLists.txt under Emscripten:
# the game linked for the page (gp2x-rpg.js, .wasm, .data with Media/), and
# make-media and replay run under node on the real files.
# libc++ has no __gnu_cxx::stdio_filebuf, which the map and save readers use;
# the C library's rand() is not glibc's, whose sequence a seed stands for.
enable_language(C)
target_include_directories(rpg BEFORE PUBLIC ${CMAKE_SOURCE_DIR}/web/compat)
target_sources(rpg PRIVATE ${CMAKE_SOURCE_DIR}/web/compat/glibc_rand.c)
add_subdirectory(tools)
set_target_properties(map-editor snapshot floor autoplay PROPERTIES EXCLUDE_FROM_ALL ON)

# Under node the tools read and write the machine's own files.
foreach(tool make-media replay frames)
  target_link_options(${tool} PRIVATE -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=node
    "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/web/node-pre.js")
endforeach()

# The page's game: the blocking main loop and SDL_Delay run unchanged under
# Asyncify; the save slot lives in IDBFS; Media/ arrives as one data file.
set(RPG_WEB_EXPORTS "_main,_web_screen_pixels,_web_screen_pitch,_web_player_x,_web_player_y")
target_link_options(gp2x-rpg PRIVATE
  -sASYNCIFY -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web -lidbfs.js
  -sEXPORTED_FUNCTIONS=${RPG_WEB_EXPORTS} -sEXPORTED_RUNTIME_METHODS=ENV,HEAPU16
  "SHELL:--preload-file ${RPG_MEDIA_DIR}@/Media" "SHELL:--exclude-file *.stamp")
add_dependencies(gp2x-rpg media)
