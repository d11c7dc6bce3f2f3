# Cross-building for 64-bit Windows with Debian's mingw-w64, the variant with
# POSIX threads (std::thread and std::mutex need it).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(quelbrook_mingw_prefix x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${quelbrook_mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${quelbrook_mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${quelbrook_mingw_prefix}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${quelbrook_mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests run under wine when it is there.
find_program(quelbrook_wine NAMES wine64 wine)
if(quelbrook_wine)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${quelbrook_wine})
endif()
