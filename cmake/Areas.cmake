# Areas: a folder of sources that builds as one static library and sees only the headers of
# the areas it names. Used by the core (src/core/<area>) and by the simulator (src/sim/<area>).
#
# vesk_area(FAMILY NAME [USES AREA...] [LINKS LIBRARY...]) makes the static library
# <prefix>NAME from the folder NAME beside the calling CMakeLists.txt, where <prefix> is
# "vesk_" for the core family and "vesk_<family>_" for any other. Its include root is a folder
# of the build tree that holds one link, NAME -> the source folder, so `#include "NAME/File.h"`
# finds its own headers; the areas it USES are linked PUBLIC and bring their own roots. An area
# therefore sees its own headers and those of the areas below it, and nothing of an area above
# it or beside it: such an include does not compile. Including by a relative path
# ("../app/Client.h") would slip past the roots, so the configure step refuses it.
function(vesk_area_target family name result)
  if(family STREQUAL "core")
    set(${result} vesk_${name} PARENT_SCOPE)
  else()
    set(${result} vesk_${family}_${name} PARENT_SCOPE)
  endif()
endfunction()

function(vesk_area family name)
  cmake_parse_arguments(PARSE_ARGV 2 area "" "" "USES;LINKS")
  set(folder ${CMAKE_CURRENT_SOURCE_DIR}/${name})
  if(NOT IS_DIRECTORY ${folder})
    message(FATAL_ERROR "${family} area ${name}: no folder ${folder}")
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h)
  foreach(file IN LISTS sources headers)
    file(STRINGS ${file} hits REGEX "^[ \t]*#[ \t]*include[ \t]*\"[.][.]?/")
    if(hits)
      message(FATAL_ERROR "${file} includes by a relative path: ${hits}")
    endif()
  endforeach()

  set(root ${CMAKE_BINARY_DIR}/${family}-areas/${name})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${name})
    file(CREATE_LINK ${folder} ${root}/${name} SYMBOLIC)
  endif()

  vesk_area_target(${family} ${name} target)
  add_library(${target} STATIC ${sources} ${headers})
  target_include_directories(${target} PUBLIC ${root})
  foreach(used IN LISTS area_USES)
    vesk_area_target(${family} ${used} used_target)
    if(NOT TARGET ${used_target})
      message(FATAL_ERROR "${family} area ${name} uses ${used}, which is not declared before it")
    endif()
    target_link_libraries(${target} PUBLIC ${used_target})
  endforeach()
  target_link_libraries(${target} PUBLIC ${area_LINKS})
  set_property(DIRECTORY APPEND PROPERTY VESK_DECLARED_AREAS ${name})
endfunction()

# Every folder beside the calling CMakeLists.txt is an area: a folder nobody declared would be
# built by nobody.
function(vesk_check_areas_declared family)
  get_property(declared DIRECTORY PROPERTY VESK_DECLARED_AREAS)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND NOT child IN_LIST declared)
      message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR}/${child} is not declared as a ${family} area")
    endif()
  endforeach()
endfunction()
