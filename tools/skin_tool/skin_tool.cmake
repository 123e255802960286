# The unpacked skin folder, written and read by brisat-skin and written by the artwork program.
add_library(skin_folder STATIC
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/skin_file_access.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/skin_folder.cpp)
target_include_directories(skin_folder PUBLIC ${CMAKE_SOURCE_DIR}/tools)
target_link_libraries(skin_folder PUBLIC brisat_skin)

# brisat-skin: info, unpack, pack and preview of skin files, and the gallery of the controls.
add_executable(brisat-skin
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/main.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/contact_sheet.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/control_gallery.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/control_gallery_bars.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/control_gallery_buttons.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/control_gallery_lists.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/control_gallery_stage.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/control_gallery_text.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/sheet_layout.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/preview_states.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/skin_info.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/showcase.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/showcase_form.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/skin_cycle.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/desktop_app.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/skin_window_demo.cpp
  ${CMAKE_SOURCE_DIR}/tools/skin_tool/skin_window_demo_form.cpp)
target_link_libraries(brisat-skin PRIVATE skin_folder brisat_skin_windows)
