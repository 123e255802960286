# brisat-skin: info, unpack, pack and preview of skin files.
add_executable(brisat-skin
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/main.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/contact_sheet.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/preview_states.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/skin_file_access.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/skin_folder.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/skin_info.cpp)
target_link_libraries(brisat-skin PRIVATE brisat_skin)
