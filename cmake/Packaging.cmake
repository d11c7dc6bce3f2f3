# Installation extras and the Debian package (cpack -G DEB).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quelbrook)
set(CPACK_PACKAGE_VENDOR "The Quelbrook project")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Batch editor for the format header of WAV files")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own catalogues, so that its standard buttons and dialogs are translated too.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# Extended description; CPack puts the summary line in front of it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Quelbrook rewrites the sample rate, channel count, resolution and block
alignment stored in the format chunk of many WAV files at once, in place,
without touching the audio data. The desktop program lists the chosen files
and previews Pro Tools regions and Broadcast Wave time stamps; quelbrook-cli
does the same from the terminal.")

set(quelbrook_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})

# The release history: its newest entry must be this version, and it gives
# the release date that the AppStream file carries.
set(quelbrook_changelog ${PROJECT_SOURCE_DIR}/packaging/changelog)
file(STRINGS ${quelbrook_changelog} quelbrook_changelog_head LIMIT_COUNT 1)
if(NOT quelbrook_changelog_head MATCHES "^quelbrook \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not begin with version ${PROJECT_VERSION}: ${quelbrook_changelog_head}")
endif()
file(STRINGS ${quelbrook_changelog} quelbrook_changelog_trailer
  REGEX "^ -- .*  [A-Z][a-z][a-z], [0-9][0-9] [A-Z][a-z][a-z] [0-9][0-9][0-9][0-9] " LIMIT_COUNT 1)
string(REGEX MATCH "([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])" _ "${quelbrook_changelog_trailer}")
set(quelbrook_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND quelbrook_months "${CMAKE_MATCH_2}" quelbrook_month)
math(EXPR quelbrook_month "${quelbrook_month} + 1" OUTPUT_FORMAT DECIMAL)
if(quelbrook_month LESS 10)
  set(quelbrook_month 0${quelbrook_month})
endif()
set(QUELBROOK_RELEASE_DATE "${CMAKE_MATCH_3}-${quelbrook_month}-${CMAKE_MATCH_1}")
# The maintainer is the one who signed the newest entry: one place for that address.
string(REGEX MATCH "^ -- ([^<]+ <[^>]+>)  " _ "${quelbrook_changelog_trailer}")
set(CPACK_PACKAGE_CONTACT "${CMAKE_MATCH_1}")

# Man pages name the version they describe.
set(quelbrook_man_pages ${PROJECT_SOURCE_DIR}/docs/quelbrook-cli.1)
if(QUELBROOK_GUI)
  list(APPEND quelbrook_man_pages ${PROJECT_SOURCE_DIR}/docs/quelbrook.1)
endif()
foreach(page IN LISTS quelbrook_man_pages)
  file(STRINGS ${page} title REGEX "^\\.TH " LIMIT_COUNT 1)
  if(NOT title MATCHES " ${PROJECT_VERSION}\"")
    message(FATAL_ERROR "${page} does not describe version ${PROJECT_VERSION}: ${title}")
  endif()
endforeach()

# Compressed as Debian expects: gzip -9n, so that rebuilds give the same bytes.
set(quelbrook_gzipped "")
foreach(source IN LISTS quelbrook_man_pages quelbrook_changelog)
  get_filename_component(name ${source} NAME)
  set(gz ${PROJECT_BINARY_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND gzip -9 -n -c ${source} > ${gz}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND quelbrook_gzipped ${gz})
endforeach()
add_custom_target(quelbrook_gzipped_docs ALL DEPENDS ${quelbrook_gzipped})
list(POP_BACK quelbrook_gzipped quelbrook_changelog_gz)
install(FILES ${quelbrook_gzipped} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${quelbrook_changelog_gz} DESTINATION ${quelbrook_doc_dir})

# The machine-readable copyright file carries the licence text of LICENSE.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE quelbrook_license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${quelbrook_license}")
set(QUELBROOK_COPYRIGHT "${CMAKE_MATCH_1}")
string(FIND "${quelbrook_license}" "Permission is hereby granted" quelbrook_permission)
string(SUBSTRING "${quelbrook_license}" ${quelbrook_permission} -1 quelbrook_license)
string(STRIP "${quelbrook_license}" quelbrook_license)
string(REGEX REPLACE "\n\n" "\n.\n" quelbrook_license "${quelbrook_license}")
string(REPLACE "\n" "\n " QUELBROOK_LICENSE_TEXT " ${quelbrook_license}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${quelbrook_doc_dir})

if(QUELBROOK_GUI)
  set(quelbrook_metainfo ${PROJECT_BINARY_DIR}/io.github.quelbrook.Quelbrook.metainfo.xml)
  configure_file(${PROJECT_SOURCE_DIR}/resources/io.github.quelbrook.Quelbrook.metainfo.xml.in
                 ${quelbrook_metainfo} @ONLY)
  install(FILES ${quelbrook_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

include(CPack)
