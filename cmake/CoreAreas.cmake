# vesk_core_area(NAME [USES AREA...]) makes the static library vesk_NAME from
# src/core/NAME/*.cpp. Its include root is a folder of the build tree that holds one link,
# NAME -> src/core/NAME, so `#include "NAME/File.h"` finds its own headers; the areas it USES
# are linked PUBLIC and bring their own roots. An area therefore sees its own headers and
# those of the areas below it, and nothing of an area above it or beside it: such an include
# does not compile. Including by a relative path ("../app/Client.h") would slip past the
# roots, so the configure step refuses it.
function(vesk_core_area name)
  cmake_parse_arguments(PARSE_ARGV 1 area "" "" "USES")
  set(folder ${CMAKE_CURRENT_SOURCE_DIR}/${name})
  if(NOT IS_DIRECTORY ${folder})
    message(FATAL_ERROR "core area ${name}: no folder ${folder}")
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h)
  foreach(file IN LISTS sources headers)
    file(STRINGS ${file} hits REGEX "^[ \t]*#[ \t]*include[ \t]*\"[.][.]?/")
    if(hits)
      message(FATAL_ERROR "${file} includes by a relative path: ${hits}")
    endif()
  endforeach()

  set(root ${CMAKE_BINARY_DIR}/core-areas/${name})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${name})
    file(CREATE_LINK ${folder} ${root}/${name} SYMBOLIC)
  endif()

  add_library(vesk_${name} STATIC ${sources} ${headers})
  target_include_directories(vesk_${name} PUBLIC ${root})
  foreach(used IN LISTS area_USES)
    if(NOT TARGET vesk_${used})
      message(FATAL_ERROR "core area ${name} uses ${used}, which is not declared below it")
    endif()
    target_link_libraries(vesk_${name} PUBLIC vesk_${used})
  endforeach()
  set_property(GLOBAL APPEND PROPERTY VESK_CORE_AREAS ${name})
endfunction()

# Every folder of src/core is an area: a folder nobody declared would be built by nobody.
function(vesk_check_core_areas_declared)
  get_property(declared GLOBAL PROPERTY VESK_CORE_AREAS)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND NOT child IN_LIST declared)
      message(FATAL_ERROR "src/core/${child} is not declared as a core area")
    endif()
  endforeach()
endfunction()
