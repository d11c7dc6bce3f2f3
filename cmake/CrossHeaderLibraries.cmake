# The header-only libraries (CLI11, nlohmann-json) come from the build
# machine's packages when cross-compiling. Their package files would put the
# build machine's whole include folder on the target compiler's path, so only
# their own headers are copied and wrapped in package files of our own.
set(quelbrook_host_headers ${PROJECT_BINARY_DIR}/host-headers)
set(quelbrook_host_packages ${PROJECT_BINARY_DIR}/host-packages)

function(quelbrook_host_header_package package target folder)
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "${package}: /usr/include/${folder} is missing (scripts/install-deps installs it)")
  endif()
  file(COPY /usr/include/${folder} DESTINATION ${quelbrook_host_headers})
  file(WRITE ${quelbrook_host_packages}/${package}/${package}Config.cmake
    "if(NOT TARGET ${target})\n"
    "  add_library(${target} INTERFACE IMPORTED)\n"
    "  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${quelbrook_host_headers})\n"
    "endif()\n")
  set(${package}_DIR ${quelbrook_host_packages}/${package} CACHE PATH "" FORCE)
endfunction()

quelbrook_host_header_package(CLI11 CLI11::CLI11 CLI)
quelbrook_host_header_package(nlohmann_json nlohmann_json::nlohmann_json nlohmann)
