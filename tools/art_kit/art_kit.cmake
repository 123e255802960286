# The drawing kit shared by the artwork generators: an anti-aliased painter over signed-distance
# shapes, paints and textures, and images to pack pieces into.
add_library(art_kit STATIC
  ${CMAKE_SOURCE_DIR}/tools/art_kit/painter.cpp
  ${CMAKE_SOURCE_DIR}/tools/art_kit/shapes.cpp
  ${CMAKE_SOURCE_DIR}/tools/art_kit/texture.cpp
  ${CMAKE_SOURCE_DIR}/tools/art_kit/image.cpp)
target_include_directories(art_kit PUBLIC ${CMAKE_SOURCE_DIR}/tools)
set_source_files_properties(${CMAKE_SOURCE_DIR}/tools/art_kit/painter.cpp
  ${CMAKE_SOURCE_DIR}/tools/art_kit/shapes.cpp ${CMAKE_SOURCE_DIR}/tools/art_kit/texture.cpp
  PROPERTIES COMPILE_OPTIONS "$<$<CONFIG:Debug>:-O2>")
