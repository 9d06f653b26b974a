# Everything that makes the program installable: its names and version for the code, the desktop
# entry, AppStream metainfo, icons, manual page and licence, and the Debian package built by CPack.

include(GNUInstallDirs)

set(KESTRELON_APP_ID "io.github.kestrelon.Kestrelon")
set(KESTRELON_NAME "Kestrelon (Prime Factorization)")
set(KESTRELON_SUMMARY "Learn prime factorization with interactive factor trees")
set(KESTRELON_DEVELOPERS "The Kestrelon developers")
set(KESTRELON_COPYRIGHT_YEAR "2026")
set(KESTRELON_RELEASE_DATE "2026-12-07")
set(KESTRELON_HOMEPAGE "https://github.com/kestrelon/kestrelon")
set(KESTRELON_SCREENSHOT_URL
    "https://raw.githubusercontent.com/kestrelon/kestrelon/main/docs/screenshot-360.png")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "${KESTRELON_DEVELOPERS} <kestrelon@users.noreply.github.com>")

# The file and product version writes the minor version with two digits: 1.0 is 1.00.
if(PROJECT_VERSION_MINOR LESS 10)
  set(KESTRELON_FILE_VERSION "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
  set(KESTRELON_FILE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()

set(generated ${CMAKE_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/cmake/program_info.h.in ${generated}/program_info.h
               @ONLY)
# The window's header names the program by it, so ui and everything above it sees the folder; the
# layers below never include it.
target_include_directories(kestrelon_ui PUBLIC ${generated})

# Data files, each named by the application id where the desktop looks it up by that id.
set(app_sources ${PROJECT_SOURCE_DIR}/src/app)
configure_file(${app_sources}/kestrelon.desktop.in ${generated}/${KESTRELON_APP_ID}.desktop @ONLY)
configure_file(${app_sources}/kestrelon.metainfo.xml.in
               ${generated}/${KESTRELON_APP_ID}.metainfo.xml @ONLY)
configure_file(${app_sources}/kestrelon.1.in ${generated}/kestrelon.1 @ONLY)

# Debian's changelog wants its date as RFC 2822 says; the copyright file carries the licence text
# from the LICENSE file, indented, its blank lines written as " .".
execute_process(COMMAND date -u -R -d ${KESTRELON_RELEASE_DATE}
                OUTPUT_VARIABLE KESTRELON_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/changelog.in ${generated}/changelog @ONLY)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(FIND "${licence}" "Permission is hereby granted" body_start)
string(SUBSTRING "${licence}" ${body_start} -1 licence_body)
string(STRIP "${licence_body}" licence_body)
string(REPLACE "\n\n" "\n.\n" licence_body "${licence_body}")
string(REPLACE "\n" "\n " KESTRELON_LICENSE_BODY " ${licence_body}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/copyright.in ${generated}/copyright @ONLY)

# Manual pages and changelogs go compressed, without a name or time stamp inside.
foreach(file kestrelon.1 changelog)
  execute_process(COMMAND gzip -9nkf ${generated}/${file} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(FILES ${generated}/${KESTRELON_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${KESTRELON_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${app_sources}/icons/kestrelon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${KESTRELON_APP_ID}.svg)
foreach(size 16 32 48 64 128 256)
  install(FILES ${app_sources}/icons/kestrelon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${KESTRELON_APP_ID}.png)
endforeach()
install(FILES ${generated}/kestrelon.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${generated}/copyright ${generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(KESTRELON_TESTS)
  add_test(NAME installed_files
           COMMAND sh ${PROJECT_SOURCE_DIR}/tests/app/installed_files_test.sh ${CMAKE_COMMAND}
                   ${CMAKE_BINARY_DIR} ${KESTRELON_APP_ID})
endif()

# The Debian package: `cpack -G DEB` in a release build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrelon)
set(CPACK_PACKAGE_VENDOR "${KESTRELON_DEVELOPERS}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${KESTRELON_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn prime factorization with interactive factor trees")
set(CPACK_PACKAGE_DESCRIPTION
    "Kestrelon (Prime Factorization) is a small desktop program that teaches prime
factorization. Type a whole number of up to 15 digits and the window shows it
three ways: an interactive factor tree whose nodes are drop-down lists of the
ways to split their parent, the same tree read-only with the primes in blue,
and a report with the factorization as a product and as powers, an upside-down
division table and a sentence on the method.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations give the standard dialogs and menus the program's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
