# Paths are UTF-8 text outside src/platform: a std::filesystem::path made
# from a narrow string (or turned into one) is read in the ANSI code page on
# Windows, which cannot hold every name. Only the platform converts.
file(GLOB_RECURSE sources ${SOURCE}/*.cpp ${SOURCE}/*.h)
set(offenders "")
foreach(source IN LISTS sources)
  if(source MATCHES "/src/platform/")
    continue()
  endif()
  file(READ ${source} text)
  if(text MATCHES "<filesystem>|std::filesystem")
    list(APPEND offenders ${source})
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " shown)
  message(FATAL_ERROR "std::filesystem outside src/platform (use platform/Folders.h):\n  ${shown}")
endif()
