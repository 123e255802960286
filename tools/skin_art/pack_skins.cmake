# Packs every folder of SOURCES into SKINS/<folder>.xskn with the skin tool TOOL.
file(MAKE_DIRECTORY ${SKINS})
file(GLOB folders LIST_DIRECTORIES true ${SOURCES}/*)
foreach(folder ${folders})
  if(IS_DIRECTORY ${folder})
    get_filename_component(name ${folder} NAME)
    execute_process(COMMAND ${TOOL} pack ${folder} ${SKINS}/${name}.xskn
      RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "Packing ${name} failed")
    endif()
  endif()
endforeach()
