# The window layouts are object texts in src/app/layouts/*.txt; at build time they become string
# constants of the application library (app/layouts.h hands them out).
file(GLOB layout_texts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/layouts/*.txt)
list(JOIN layout_texts "|" layout_inputs)
set(layout_output ${CMAKE_BINARY_DIR}/generated/layout_texts.cpp)
add_custom_command(OUTPUT ${layout_output}
  COMMAND ${CMAKE_COMMAND} -D OUTPUT=${layout_output} -D INPUTS=${layout_inputs}
          -P ${CMAKE_SOURCE_DIR}/src/app/layouts/embed_layouts.cmake
  DEPENDS ${layout_texts} ${CMAKE_SOURCE_DIR}/src/app/layouts/embed_layouts.cmake
  COMMENT "Embedding the window layouts"
  VERBATIM)
target_sources(brisat_app PRIVATE ${layout_output})
