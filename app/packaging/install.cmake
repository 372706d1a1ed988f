# Installation (cmake --install) and the Debian package (tools/package.sh, cpack -G DEB).
# The program and its sound library live together in a private directory; the command
# `quorvel` is a link to the program, so $ORIGIN finds the library without ldconfig.
include(GNUInstallDirs)
set(QUORVEL_APP_ID org.example.quorvel)
set(QUORVEL_PRIVATE_DIR ${CMAKE_INSTALL_LIBDIR}/quorvel)
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  # Debian keeps private program files in /usr/lib/<package>, not in the multiarch dir.
  set(QUORVEL_PRIVATE_DIR lib/quorvel)
endif()
set(_desk ${CMAKE_SOURCE_DIR}/app/desktop)
set(_pack ${CMAKE_SOURCE_DIR}/app/packaging)

install(TARGETS Quorvel RUNTIME DESTINATION ${QUORVEL_PRIVATE_DIR})
install(TARGETS Quorsound LIBRARY DESTINATION ${QUORVEL_PRIVATE_DIR})
install(CODE "
  set(_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${_bin}\")
  file(RELATIVE_PATH _rel \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\"
       \"\${CMAKE_INSTALL_PREFIX}/${QUORVEL_PRIVATE_DIR}/Quorvel\")
  file(CREATE_LINK \"\${_rel}\" \"\${_bin}/quorvel\" SYMBOLIC)
  message(STATUS \"Installing: \${_bin}/quorvel -> \${_rel}\")
")

install(FILES ${_desk}/${QUORVEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_desk}/${QUORVEL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_desk}/quorvel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${QUORVEL_APP_ID}.svg)
foreach(_s 16 22 24 32 48 64 128 256)
  install(FILES ${_desk}/icons/quorvel-${_s}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_s}x${_s}/apps
          RENAME ${QUORVEL_APP_ID}.png)
endforeach()

# Man page and changelog compressed as Debian wants them (gzip -9n: no name, no time).
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(_gz ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(OUTPUT ${_gz}/quorvel.1.gz ${_gz}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_gz}
  COMMAND ${GZIP_EXECUTABLE} -9n -c ${_desk}/quorvel.1 > ${_gz}/quorvel.1.gz
  COMMAND ${GZIP_EXECUTABLE} -9n -c ${_pack}/changelog > ${_gz}/changelog.gz
  DEPENDS ${_desk}/quorvel.1 ${_pack}/changelog VERBATIM)
add_custom_target(quorvel_packaging_files ALL DEPENDS ${_gz}/quorvel.1.gz ${_gz}/changelog.gz)
install(FILES ${_gz}/quorvel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_gz}/changelog.gz ${_pack}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvel)
install(FILES ${_pack}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME quorvel)

# The Debian package: quorvel_<version>_amd64.deb, stripped, section education.
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "Quorvel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvel <quorvel@example.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quorvel.example.org/")
file(READ ${_pack}/description.txt _desc)
string(STRIP "${_desc}" _desc)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${_desc}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "adduser, qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2, fonts-comic-neue")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The maintainer scripts make the class folder with its group (and replace the ldconfig
# calls CPack would add for any library below /usr/lib; this one is private).
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${_pack}/postinst ${_pack}/postrm)
set(CPACK_GENERATOR DEB)
include(CPack)
