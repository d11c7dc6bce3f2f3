# Warnings and sanitizers live on interface targets that every project target links.
add_library(quelbrook_warnings INTERFACE)
target_compile_options(quelbrook_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
  -Wimplicit-fallthrough -Wformat=2
  # GCC 12 reports these inside libstdc++'s own algorithms once inlining starts (-O2).
  $<$<CXX_COMPILER_ID:GNU>:-Wno-stringop-overflow -Wno-restrict>
  $<$<BOOL:${QUELBROOK_WERROR}>:-Werror>)

add_library(quelbrook_sanitizers INTERFACE)
if(QUELBROOK_SANITIZE)
  target_compile_options(quelbrook_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(quelbrook_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
if(QUELBROOK_THREAD_SANITIZE)
  if(QUELBROOK_SANITIZE)
    message(FATAL_ERROR "ThreadSanitizer cannot be combined with AddressSanitizer: use a build folder of its own")
  endif()
  target_compile_options(quelbrook_sanitizers INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(quelbrook_sanitizers INTERFACE -fsanitize=thread)
endif()

add_library(quelbrook_options INTERFACE)
target_link_libraries(quelbrook_options INTERFACE quelbrook_warnings quelbrook_sanitizers)

# Hardening of optimised builds, as distributions build: checked library
# calls, stack protection, read-only relocations resolved at start, and
# position-independent executables.
add_library(quelbrook_hardening INTERFACE)
set(quelbrook_optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
target_compile_options(quelbrook_hardening INTERFACE
  $<${quelbrook_optimised}:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2>
  -fstack-protector-strong)
if(WIN32)
  set(ZLIB_USE_STATIC_LIBS ON)
  # Windows' own hardening: address-space layout randomisation with 64-bit
  # entropy and no execution from data pages. Everything is linked in, so the
  # program needs no DLLs beyond those of Windows itself.
  target_link_options(quelbrook_hardening INTERFACE
    -static -fstack-protector-strong -Wl,--dynamicbase,--nxcompat,--high-entropy-va)
  # UTF-16 Win32 calls and no min/max macros from windows.h.
  target_compile_definitions(quelbrook_hardening INTERFACE
    UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
else()
  target_link_options(quelbrook_hardening INTERFACE -Wl,-z,relro,-z,now)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  include(CheckPIESupported)
  check_pie_supported()
endif()
target_link_libraries(quelbrook_options INTERFACE quelbrook_hardening)
