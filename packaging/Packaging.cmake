# Installation (cmake --install) and the Debian package (cpack -G DEB).
#
#   <prefix>/lib/mousecfg/               the application folder: programs, OSD helper,
#                                        DefaultProfile.bin, Configs/, skin/, lang/
#   <prefix>/bin/mousecfg, mousectl      launchers into the application folder
#   <prefix>/share/applications/mousecfg.desktop
#   <prefix>/share/icons/hicolor/<n>x<n>/apps/mousecfg.png
#   /etc/xdg/autostart/mousecfg-tray.desktop   starts "mousecfg --tray" at login
#   /usr/lib/udev/rules.d/70-mousecfg.rules    hidraw access for the user at the seat
#   <prefix>/share/man/man1/mousecfg.1.gz, mousectl.1.gz
#   <prefix>/share/bash-completion/completions/mousectl   loaded on demand by bash-completion
#   <prefix>/share/metainfo/invalid.mousecfg.mousecfg.metainfo.xml
#   <prefix>/share/doc/mousecfg/             README, copyright, changelog.Debian.gz
#
# The autostart entry and the udev rule go where the desktop and udev look for
# them, whatever the prefix. The installed application folder carries the file
# "per-user-settings": the programs then keep each user's settings under
# ~/.config/mousecfg/Configs and never write the installed Configs.
include(GNUInstallDirs)

set(MOUSECFG_INSTALL_APPDIR "lib/mousecfg" CACHE STRING "Application folder, relative to the prefix")
set(MOUSECFG_UDEV_RULES_DIR "/usr/lib/udev/rules.d" CACHE PATH "Folder udev reads packaged rules from")
set(MOUSECFG_AUTOSTART_DIR "/etc/xdg/autostart" CACHE PATH "Folder of the system-wide autostart entries")
set(MOUSECFG_PACKAGE_MAINTAINER "mousecfg maintainers <maintainers@mousecfg.invalid>" CACHE STRING
    "Maintainer field of the Debian package")

set(MOUSECFG_PACKAGING_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(MOUSECFG_PACKAGING_BINARY_DIR ${CMAKE_BINARY_DIR}/packaging)
set(MOUSECFG_ICON_SIZES 16 32 48 256)
# Built into the application folder, but for developers only. The virtual mouse's
# window would share the single-instance lock with the tray copy started at
# login, and the user's settings with the real mouse.
set(MOUSECFG_NOT_INSTALLED mousecfg-screenshots mousecfg-sim)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Every target of a source folder and the folders below it.
function(mousecfg_targets_below dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    mousecfg_targets_below(${sub} below)
    list(APPEND targets ${below})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Programs: every executable built into the application folder (the OSD helper
# and the updater stand-ins included), at the same place relative to it.
mousecfg_targets_below(${CMAKE_SOURCE_DIR} all_targets)
set(MOUSECFG_INSTALLED_PROGRAMS)
set(program_destinations)
foreach(target ${all_targets})
  get_target_property(type ${target} TYPE)
  get_target_property(output_dir ${target} RUNTIME_OUTPUT_DIRECTORY)
  if(NOT type STREQUAL "EXECUTABLE" OR NOT output_dir OR target IN_LIST MOUSECFG_NOT_INSTALLED)
    continue()
  endif()
  file(RELATIVE_PATH relative ${MOUSECFG_APPDIR} ${output_dir})
  if(relative MATCHES "^\\.\\.")
    continue()
  endif()
  set(destination ${MOUSECFG_INSTALL_APPDIR})
  if(relative)
    string(APPEND destination /${relative})
  endif()
  list(APPEND MOUSECFG_INSTALLED_PROGRAMS ${target})
  list(APPEND program_destinations ${destination})
endforeach()

# The program icon for the menu, drawn from the generated skin icon.
if(TARGET mousecfg_skin)
  add_executable(mousecfg-iconpng ${MOUSECFG_PACKAGING_SOURCE_DIR}/IconPng.cpp)
  target_link_libraries(mousecfg-iconpng PRIVATE Qt5::Gui)
  set_target_properties(mousecfg-iconpng PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${MOUSECFG_PACKAGING_BINARY_DIR})
  set(icon_outputs)
  foreach(size ${MOUSECFG_ICON_SIZES})
    list(APPEND icon_outputs ${MOUSECFG_PACKAGING_BINARY_DIR}/icons/${size}.png)
  endforeach()
  add_custom_command(OUTPUT ${icon_outputs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:mousecfg-iconpng> ${MOUSECFG_APPDIR}/skin/icon.ico
            ${MOUSECFG_PACKAGING_BINARY_DIR}/icons ${MOUSECFG_ICON_SIZES}
    DEPENDS mousecfg-iconpng mousecfg_skin ${CMAKE_BINARY_DIR}/tools/skingen/skin.stamp
    COMMENT "Writing the menu icon"
    VERBATIM)
  add_custom_target(mousecfg_icons ALL DEPENDS ${icon_outputs})
endif()

# Manual pages and the Debian changelog, compressed as Debian expects
# (best compression, no name or time stamp inside).
find_program(MOUSECFG_GZIP gzip REQUIRED)
set(MOUSECFG_MAN_PAGES mousecfg.1 mousectl.1)
set(gzip_sources)
foreach(page ${MOUSECFG_MAN_PAGES})
  list(APPEND gzip_sources ${MOUSECFG_PACKAGING_SOURCE_DIR}/man/${page})
endforeach()
list(APPEND gzip_sources ${MOUSECFG_PACKAGING_SOURCE_DIR}/debian/changelog)
set(gzip_outputs)
foreach(source ${gzip_sources})
  get_filename_component(name ${source} NAME)
  set(output ${MOUSECFG_PACKAGING_BINARY_DIR}/gz/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${MOUSECFG_PACKAGING_BINARY_DIR}/gz/${name}
    COMMAND ${MOUSECFG_GZIP} -9nf ${MOUSECFG_PACKAGING_BINARY_DIR}/gz/${name}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND gzip_outputs ${output})
endforeach()
add_custom_target(mousecfg_compressed_docs ALL DEPENDS ${gzip_outputs})

# Launchers on PATH; they find the application folder relative to themselves.
file(RELATIVE_PATH LAUNCHER_TO_APPDIR /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${MOUSECFG_INSTALL_APPDIR})
set(launchers)
foreach(PROGRAM mousecfg mousectl)
  configure_file(${MOUSECFG_PACKAGING_SOURCE_DIR}/launcher.sh.in ${MOUSECFG_PACKAGING_BINARY_DIR}/launchers/${PROGRAM} @ONLY)
  list(APPEND launchers ${MOUSECFG_PACKAGING_BINARY_DIR}/launchers/${PROGRAM})
endforeach()

# The application folder. Generated data comes from the build's folder, the
# settings template from the sources: a build folder that has been run holds
# its user's settings.
install(DIRECTORY ${MOUSECFG_APPDIR}/skin DESTINATION ${MOUSECFG_INSTALL_APPDIR} USE_SOURCE_PERMISSIONS)
install(DIRECTORY ${MOUSECFG_APPDIR}/lang DESTINATION ${MOUSECFG_INSTALL_APPDIR} FILES_MATCHING PATTERN "*.qm")
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Configs DESTINATION ${MOUSECFG_INSTALL_APPDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/DefaultProfile.bin ${MOUSECFG_PACKAGING_SOURCE_DIR}/per-user-settings
        DESTINATION ${MOUSECFG_INSTALL_APPDIR})
# After skin/: an updater stand-in built there is then the stripped program.
foreach(target destination IN ZIP_LISTS MOUSECFG_INSTALLED_PROGRAMS program_destinations)
  install(TARGETS ${target} RUNTIME DESTINATION ${destination})
endforeach()

install(PROGRAMS ${launchers} DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${MOUSECFG_PACKAGING_SOURCE_DIR}/mousecfg.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
if(TARGET mousecfg_icons)
  foreach(size ${MOUSECFG_ICON_SIZES})
    install(FILES ${MOUSECFG_PACKAGING_BINARY_DIR}/icons/${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME mousecfg.png)
  endforeach()
endif()
install(FILES ${MOUSECFG_PACKAGING_SOURCE_DIR}/mousecfg-tray.desktop DESTINATION ${MOUSECFG_AUTOSTART_DIR})
install(FILES ${MOUSECFG_PACKAGING_SOURCE_DIR}/70-mousecfg.rules DESTINATION ${MOUSECFG_UDEV_RULES_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${MOUSECFG_PACKAGING_SOURCE_DIR}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${MOUSECFG_PACKAGING_BINARY_DIR}/gz/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR}
        RENAME changelog.Debian.gz)
foreach(page ${MOUSECFG_MAN_PAGES})
  install(FILES ${MOUSECFG_PACKAGING_BINARY_DIR}/gz/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${MOUSECFG_PACKAGING_SOURCE_DIR}/completion/mousectl
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${MOUSECFG_PACKAGING_SOURCE_DIR}/invalid.mousecfg.mousecfg.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${MOUSECFG_PACKAGING_SOURCE_DIR}/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME mousecfg)

# What every program finds beside it at run time: the helper programs it starts
# and the data, skin and translations. run.sh builds this and mousecfg-sim only.
get_property(helper_programs GLOBAL PROPERTY MOUSECFG_HELPER_PROGRAMS)
add_custom_target(mousecfg_runtime)
foreach(dependency ${helper_programs} mousecfg_skin mousecfg_translations mousecfg_data)
  if(TARGET ${dependency})
    add_dependencies(mousecfg_runtime ${dependency})
  endif()
endforeach()

# The installation and package tests need everything the installation holds.
foreach(test tst_install tst_package)
  if(TARGET ${test})
    add_dependencies(${test} mousecfg_runtime mousecfg_compressed_docs ${MOUSECFG_INSTALLED_PROGRAMS})
    if(TARGET mousecfg_icons)
      add_dependencies(${test} mousecfg_icons)
    endif()
  endif()
endforeach()

# The Debian package: cpack -G DEB in the build folder writes mousecfg_<version>_<arch>.deb.
# cpack (like make install) packs what has been built; it does not start a build.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mousecfg)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The Debian revision is the changelog's: its newest entry names the package version.
file(STRINGS ${MOUSECFG_PACKAGING_SOURCE_DIR}/debian/changelog changelog_top LIMIT_COUNT 1)
string(REGEX REPLACE "^[^(]*\\([^)]*-([^)]+)\\).*" "\\1" CPACK_DEBIAN_PACKAGE_RELEASE "${changelog_top}")
set(CPACK_PACKAGE_CONTACT "${MOUSECFG_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration utility for the QARV wireless gaming mouse")
# Lines of at most 80 characters, as dpkg shows them.
set(CPACK_PACKAGE_DESCRIPTION [[
Edits the mouse's five on-board profiles, report rate, lift-off distance,
DPI stages, lighting, button functions and macros, and writes them to the
mouse through its USB receiver or its cable, which echoes every report back
for verification.

Includes the command-line tool mousectl, a login entry that keeps the utility
in the tray to show the mouse's own profile and DPI changes, and a udev rule
that lets the user at the seat reach the mouse without root.]])
# Absolute destinations (udev, autostart) must land in the package, not on this machine.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies (Qt, hidapi, libudev) from the programs themselves.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udev")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${MOUSECFG_PACKAGING_SOURCE_DIR}/debian/postinst
    ${MOUSECFG_PACKAGING_SOURCE_DIR}/debian/postrm ${MOUSECFG_PACKAGING_SOURCE_DIR}/debian/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
