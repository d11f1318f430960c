# Fails when any file under ROOT includes a Qt header.
file(GLOB_RECURSE files ${ROOT}/*.h ${ROOT}/*.cpp)
foreach(file IN LISTS files)
  file(STRINGS ${file} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
  if(hits)
    message(FATAL_ERROR "${file} includes Qt: ${hits}")
  endif()
endforeach()
message(STATUS "checked ${ROOT}: no Qt includes")
