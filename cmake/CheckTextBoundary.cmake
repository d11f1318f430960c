# Fails when a file under ROOT converts between bytes and Qt strings anywhere but in the one
# text boundary (common/TextBoundary.cpp), so every window reads server and settings bytes by
# the same rule and no window can drop or replace a byte on its own.
set(conversions "toStdString|fromStdString|fromUtf8|toUtf8|fromLatin1|toLatin1|fromLocal8Bit|toLocal8Bit")
set(allowed common/TextBoundary.cpp)
file(GLOB_RECURSE files RELATIVE ${ROOT} ${ROOT}/*.h ${ROOT}/*.cpp)
foreach(file IN LISTS files)
  list(FIND allowed ${file} exception)
  if(NOT exception EQUAL -1)
    continue()
  endif()
  file(STRINGS ${ROOT}/${file} hits REGEX "(^|[^A-Za-z0-9_])(${conversions})([^A-Za-z0-9_]|$)")
  if(hits)
    message(FATAL_ERROR "${ROOT}/${file} converts text outside common/TextBoundary: ${hits}")
  endif()
endforeach()
message(STATUS "checked ${ROOT}: text converted only in common/TextBoundary")
