# The WebAssembly build, included by the top CMakeLists.txt under Emscripten:
# the game linked for the page (gp2x-rpg.js, .wasm, .data with Media/), its
# icons, and make-media, make-icons and replay run under node on the real files.
# libc++ has no __gnu_cxx::stdio_filebuf, which the map and save readers use;
# the C library's rand() is not glibc's, whose sequence a seed stands for.
enable_language(C)
target_include_directories(rpg BEFORE PUBLIC ${CMAKE_SOURCE_DIR}/web/compat)
target_sources(rpg PRIVATE ${CMAKE_SOURCE_DIR}/web/compat/glibc_rand.c)
add_subdirectory(tools)
set_target_properties(map-editor snapshot floor autoplay PROPERTIES EXCLUDE_FROM_ALL ON)

# Under node the tools read and write the machine's own files.
foreach(tool make-media make-icons replay frames)
  target_link_options(${tool} PRIVATE -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=node
    "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/web/node-pre.js")
endforeach()

# The page's game: the blocking main loop and SDL_Delay run unchanged under
# Asyncify; the save slot lives in IDBFS; Media/ arrives as one data file.
set(RPG_WEB_EXPORTS "_main,_malloc,_web_hold,_web_screen_pixels,_web_screen_pitch,_web_player_x,_web_player_y,_web_in_battle,_web_menu_open")
target_link_options(gp2x-rpg PRIVATE
  -sASYNCIFY -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web -lidbfs.js
  -sEXPORTED_FUNCTIONS=${RPG_WEB_EXPORTS} -sEXPORTED_RUNTIME_METHODS=ENV,HEAPU8,HEAPU16
  "SHELL:--preload-file ${RPG_MEDIA_DIR}@/Media" "SHELL:--exclude-file *.stamp")
add_dependencies(gp2x-rpg media)

# The page's icons, 192 and 512 pixels: plain (the favicon) and maskable (an
# installed page's), its background a slate that sets off the robot's outline.
set(RPG_WEB_ICONS ${CMAKE_BINARY_DIR}/icons)
add_custom_command(OUTPUT ${RPG_WEB_ICONS}/plain/512x512/apps/gp2x-rpg.png
  COMMAND make-icons ${RPG_WEB_ICONS}/plain 192 512
  COMMAND make-icons --maskable 34495e ${RPG_WEB_ICONS}/maskable 192 512
  DEPENDS make-icons ${RPG_MEDIA_DIR}/images.stamp
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Drawing the page's icons")
add_custom_target(web-icons ALL DEPENDS ${RPG_WEB_ICONS}/plain/512x512/apps/gp2x-rpg.png)
add_dependencies(web-icons media)
