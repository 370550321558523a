# Every library of the project is a static library in a folder of its own,
# whose headers are included by their folder ("rom/romimage.h").
# tessel_add_library() records each one so that the layer check can compare
# what a library includes with what it links.
function(tessel_add_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  set_property(GLOBAL APPEND PROPERTY TESSEL_LIBRARIES ${name})
endfunction()

# Writes one line per library: its name, its folder and the project
# libraries it links directly, for tools/checklayers.cmake.
function(tessel_write_layer_manifest file)
  get_property(libraries GLOBAL PROPERTY TESSEL_LIBRARIES)
  set(lines "")
  foreach(library IN LISTS libraries)
    get_target_property(dir ${library} SOURCE_DIR)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${dir})
    get_target_property(links ${library} LINK_LIBRARIES)
    set(deps "")
    foreach(link IN LISTS links)
      if(link IN_LIST libraries)
        list(APPEND deps ${link})
      endif()
    endforeach()
    list(JOIN deps "," deps)
    string(APPEND lines "${library} ${folder} ${deps}\n")
  endforeach()
  file(WRITE ${file} "${lines}")
endfunction()

# Puts a program's own folder under the layer check as well.
function(tessel_check_layers_of name)
  set_property(GLOBAL APPEND PROPERTY TESSEL_LIBRARIES ${name})
endfunction()
