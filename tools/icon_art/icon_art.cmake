# The program's icon, drawn at build time in the icon theme's sizes into icons/hicolor/.
add_executable(icon_art ${CMAKE_SOURCE_DIR}/tools/icon_art/main.cpp
  ${CMAKE_SOURCE_DIR}/tools/glyph_art/pictures.cpp)
target_include_directories(icon_art PRIVATE ${CMAKE_SOURCE_DIR}/tools)
target_link_libraries(icon_art PRIVATE art_kit brisat_platform)
set(icon_art_stamp ${CMAKE_BINARY_DIR}/icons/.drawn)
add_custom_command(OUTPUT ${icon_art_stamp}
  COMMAND icon_art ${CMAKE_BINARY_DIR}/icons/hicolor
  COMMAND ${CMAKE_COMMAND} -E touch ${icon_art_stamp}
  DEPENDS icon_art
  COMMENT "Drawing the program's icon")
add_custom_target(icons ALL DEPENDS ${icon_art_stamp})
