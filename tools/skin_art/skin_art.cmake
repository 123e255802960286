# The skin artwork program draws the shipped skins as unpacked folders into skin_sources/; the
# skin tool packs each folder into Skins/<name>.xskn beside the player.
file(GLOB skin_art_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/skin_art/*.cpp)
list(REMOVE_ITEM skin_art_sources ${CMAKE_SOURCE_DIR}/tools/skin_art/main.cpp)
add_library(skin_art_lib STATIC ${skin_art_sources})
# Painting samples every shape 64 times a pixel: optimised even in Debug, so the build's skin
# step and the skin tests stay quick.
set_source_files_properties(${skin_art_sources} PROPERTIES COMPILE_OPTIONS "$<$<CONFIG:Debug>:-O2>")
target_link_libraries(skin_art_lib PUBLIC art_kit skin_folder)
add_executable(skin_art ${CMAKE_SOURCE_DIR}/tools/skin_art/main.cpp)
target_link_libraries(skin_art PRIVATE skin_art_lib)

set(skin_sources_dir ${CMAKE_BINARY_DIR}/skin_sources)
set(skin_sources_stamp ${skin_sources_dir}/.drawn)
add_custom_command(OUTPUT ${skin_sources_stamp}
  COMMAND skin_art ${skin_sources_dir}
  COMMAND ${CMAKE_COMMAND} -E touch ${skin_sources_stamp}
  DEPENDS skin_art
  COMMENT "Drawing the skins")
set(skins_built ${skin_sources_stamp})
if(TARGET brisat-skin)
  set(skins_stamp ${CMAKE_BINARY_DIR}/Skins/.packed)
  add_custom_command(OUTPUT ${skins_stamp}
    COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:brisat-skin> -DSOURCES=${skin_sources_dir}
      -DSKINS=${CMAKE_BINARY_DIR}/Skins -P ${CMAKE_SOURCE_DIR}/tools/skin_art/pack_skins.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${skins_stamp}
    DEPENDS ${skin_sources_stamp} brisat-skin ${CMAKE_SOURCE_DIR}/tools/skin_art/pack_skins.cmake
    COMMENT "Packing the skins")
  set(skins_built ${skins_stamp})
endif()
add_custom_target(skins ALL DEPENDS ${skins_built})
