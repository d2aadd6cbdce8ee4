# Installing Korvedan as a desktop game (program, menu entry, icons, AppStream data, manual
# page, the Pro Controller's udev rule) and packing that as a .deb with CPack.
include(GNUInstallDirs)

# Debian keeps games in /usr/games and their manual pages in section 6.
set(KV_INSTALL_GAMESDIR "games" CACHE STRING "Folder under the prefix for the program")
# Where the project's pages are: the AppStream id is built from it and the screenshot shown
# in software centres lies there (it is the screenshot tour's 00-title.png).
set(KV_HOMEPAGE "https://korvedan.github.io" CACHE STRING "The project's web pages")
set(KV_APPSTREAM_ID "io.github.korvedan.korvedan")
set(KV_MAINTAINER "Korvedan developers <korvedan@users.noreply.github.com>" CACHE STRING
    "Who answers for the package")

set(kv_linux ${PROJECT_SOURCE_DIR}/packaging/linux)
set(kv_staged ${PROJECT_BINARY_DIR}/packaging)
set(KV_VERSION ${PROJECT_VERSION})
set(KV_INSTALLED_PROGRAM "${CMAKE_INSTALL_PREFIX}/${KV_INSTALL_GAMESDIR}/korvedan")
set(KV_SCREENSHOT "${KV_HOMEPAGE}/screenshots/00-title.png")
string(TIMESTAMP KV_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP KV_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${kv_linux}/korvedan.desktop.in ${kv_staged}/korvedan.desktop @ONLY)
configure_file(${kv_linux}/korvedan.metainfo.xml.in ${kv_staged}/${KV_APPSTREAM_ID}.metainfo.xml @ONLY)
configure_file(${kv_linux}/korvedan.6 ${kv_staged}/korvedan.6 @ONLY)
configure_file(${kv_linux}/changelog.in ${kv_staged}/changelog @ONLY)

# Debian wants manual pages and changelogs compressed, reproducibly (-n: no name, no time).
foreach(kv_page korvedan.6 changelog)
  add_custom_command(OUTPUT ${kv_staged}/${kv_page}.gz
                     COMMAND gzip -9n -c ${kv_staged}/${kv_page} > ${kv_staged}/${kv_page}.gz
                     DEPENDS ${kv_staged}/${kv_page} VERBATIM)
endforeach()

# The icons are drawn by the game's own art code at build time; no picture is kept in the sources.
add_custom_command(OUTPUT ${kv_staged}/icons/256x256/apps/korvedan.png
                   COMMAND kvtool icons ${kv_staged}/icons
                   DEPENDS kvtool VERBATIM)
add_custom_target(korvedan_install_files ALL DEPENDS
                  ${kv_staged}/icons/256x256/apps/korvedan.png ${kv_staged}/korvedan.6.gz ${kv_staged}/changelog.gz)

install(TARGETS korvedan RUNTIME DESTINATION ${KV_INSTALL_GAMESDIR})
install(FILES ${kv_staged}/korvedan.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(DIRECTORY ${kv_staged}/icons/ DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor)
install(FILES ${kv_staged}/${KV_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${kv_staged}/korvedan.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${kv_linux}/70-korvedan-pro-controller.rules DESTINATION lib/udev/rules.d)
install(FILES ${kv_linux}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${kv_staged}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The .deb: korvedan_<version>_amd64.deb, its dependencies read off the program's libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvedan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cave-digging arcade game for one or two players")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KV_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KV_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# The long description below the summary line; CPack indents it as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A digger tunnels through dirt, collects crystals, pushes boulders, dodges
falling rocks and creatures, and leaves through the hatch before the time
runs out. 119 caves unlock one by one. Two players can play at one keyboard;
gamepads and a Nintendo Switch Pro Controller on USB work too. All text in
the game is German.")
include(CPack)
