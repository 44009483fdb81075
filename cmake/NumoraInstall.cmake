# Install rules and the Debian package. An installed program finds its shipped files in
# ../share/numora beside its executable, so any prefix works; each user's files go to
# $XDG_DATA_HOME/numora (base/ProgramFolders).
include(GNUInstallDirs)

set(NUMORA_DATA_DEST "${CMAKE_INSTALL_DATADIR}/numora")
set(NUMORA_DOC_DEST "${CMAKE_INSTALL_DATADIR}/doc/numora")
# Set before install() so that every folder the install makes is rwxr-xr-x whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS numora numora-cli RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# The stand-in services and click runner: demo tools, not on PATH.
install(TARGETS numora-services clickrunner RUNTIME DESTINATION "lib/numora")

# From the sources: a build's program folder may hold files a developer put there.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/data/land" "${PROJECT_SOURCE_DIR}/data/Script" DESTINATION "${NUMORA_DATA_DEST}"
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
# The game definitions and their shipped histories.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/data/games" DESTINATION "${NUMORA_DATA_DEST}"
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
        FILES_MATCHING PATTERN "*.game" PATTERN "*.csv")
install(FILES ${NUMORA_TICKET_IMAGES} "${NUMORA_PROGRAM_DIR}/yippee.wav" "${NUMORA_INSTALL_FILES}/share/ZahlenTr.dat"
        DESTINATION "${NUMORA_DATA_DEST}")

install(FILES ${NUMORA_MANUALS} "${PROJECT_SOURCE_DIR}/dist/copyright" DESTINATION "${NUMORA_DOC_DEST}")
install(FILES "${NUMORA_INSTALL_FILES}/changelog.gz" DESTINATION "${NUMORA_DOC_DEST}")
install(FILES "${NUMORA_INSTALL_FILES}/numora.1.gz" "${NUMORA_INSTALL_FILES}/numora-cli.1.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

install(FILES "${PROJECT_SOURCE_DIR}/dist/numora.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${PROJECT_SOURCE_DIR}/dist/org.numora.numora.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${PROJECT_SOURCE_DIR}/dist/numora-mime.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages"
        RENAME "numora.xml")
install(FILES "${PROJECT_SOURCE_DIR}/dist/numora.svg" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
foreach(size ${NUMORA_ICON_SIZES})
  install(FILES "${NUMORA_INSTALL_FILES}/icons/${size}x${size}/apps/numora.png"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()

# cpack -G DEB in the build folder writes numora_<version>_<arch>.deb there. The libraries the
# binaries link are found by dpkg-shlibdeps; what Qt loads at run time (the platform plugin of
# the desktop) and the opener of files and addresses cannot be seen in the binaries.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "numora")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Numora developers")
set(CPACK_PACKAGE_CONTACT "Numora developers <team@numora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tip sheets, statistics and draw history for Sayisal Loto 6/49")
# Lines of the extended description, as the package shows them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Numora is a desktop program for players of the Turkish number lottery"
  "Sayisal Loto (6 of 49). It keeps the history of the draws and brings it up"
  "to date over HTTP, charts statistics over it, and generates a sheet of up"
  "to twelve tip rows from a weighted number pool through a chain of filters."
  "It checks the sheet against any draw, back-tests the options and compares"
  "them with random quick picks by an exact test, and prints the sheet onto a"
  "paper ticket, mails it or hands it to an online broker."
  "Draws are random: the program does not predict them.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# QtKeychain opens libsecret when it runs, so shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libsecret-1-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://numora.example/")
include(CPack)
