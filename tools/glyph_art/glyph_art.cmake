# The artwork generator runs at build time and its output, the pixel arrays of the player's
# pictures, becomes part of the application library.
add_executable(glyph_art
  ${CMAKE_SOURCE_DIR}/tools/glyph_art/main.cpp
  ${CMAKE_SOURCE_DIR}/tools/glyph_art/glyphs.cpp
  ${CMAKE_SOURCE_DIR}/tools/glyph_art/pictures.cpp)
target_link_libraries(glyph_art PRIVATE art_kit)
set(glyph_art_output ${CMAKE_BINARY_DIR}/generated/player_artwork_pixels.cpp)
add_custom_command(OUTPUT ${glyph_art_output}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND glyph_art ${glyph_art_output}
  DEPENDS glyph_art
  COMMENT "Drawing the player's artwork")
target_sources(brisat_app PRIVATE ${glyph_art_output})
