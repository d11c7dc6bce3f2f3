# Installation extras and the Debian package (cpack -G DEB).

# The command-line tool's man page, compressed as Debian expects.
set(quelbrook_man_page ${PROJECT_SOURCE_DIR}/docs/quelbrook-cli.1)
if(EXISTS ${quelbrook_man_page})
  set(quelbrook_man_gz ${PROJECT_BINARY_DIR}/quelbrook-cli.1.gz)
  add_custom_command(OUTPUT ${quelbrook_man_gz}
    COMMAND gzip -9 -n -c ${quelbrook_man_page} > ${quelbrook_man_gz}
    DEPENDS ${quelbrook_man_page}
    VERBATIM)
  add_custom_target(quelbrook_man_page ALL DEPENDS ${quelbrook_man_gz})
  install(FILES ${quelbrook_man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quelbrook)
set(CPACK_PACKAGE_VENDOR "The Quelbrook project")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Batch editor for the format header of WAV files")
set(CPACK_PACKAGE_CONTACT "Quelbrook maintainers <support@quelbrook.example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quelbrook.example.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Extended description; CPack puts the summary line in front of it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Quelbrook rewrites the sample rate, channel count, resolution and block
alignment stored in the format chunk of many WAV files at once, in place,
without touching the audio data. The desktop program lists the chosen files
and previews Pro Tools regions and Broadcast Wave time stamps; quelbrook-cli
does the same from the terminal.")
include(CPack)
