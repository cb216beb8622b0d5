# The Debian package, `cmake --build build --target package`: the files the
# install rules lay out, plus the lowercase command, the manual page, bash
# completion, changelog and copyright, described for dpkg by CPack. Those
# extras are installed by `cmake --install` as well.

set(QARNIVO_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(QARNIVO_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
find_program(QARNIVO_GZIP gzip REQUIRED)

# A relative symbolic link made at install time, under the prefix the
# install (or CPack's staging) uses: `link` is relative to that prefix.
function(qarnivo_install_link target link)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link}\")
    message(STATUS \"Installing: \${link} -> ${target}\")
    file(CREATE_LINK \"${target}\" \"\${link}\" SYMBOLIC)")
endfunction()

# Gzips `source` into the packaging folder as `name`.gz with no name or time
# stamp inside, so that the same text gives the same bytes.
function(qarnivo_gzip source name)
  set(copy ${QARNIVO_PACKAGING_OUT}/${name})
  configure_file(${source} ${copy} @ONLY)
  add_custom_command(OUTPUT ${copy}.gz COMMAND ${QARNIVO_GZIP} -9nkf ${copy}
                     DEPENDS ${copy} VERBATIM)
  add_custom_target(qarnivo_gzip_${name} ALL DEPENDS ${copy}.gz)
endfunction()

# The manual page carries the version and the module's folder.
qarnivo_gzip(${QARNIVO_PACKAGING}/qarnivo.1.in qarnivo.1)
qarnivo_gzip(${QARNIVO_PACKAGING}/changelog changelog)

qarnivo_install_link(Qarnivo ${CMAKE_INSTALL_BINDIR}/qarnivo)
set(QARNIVO_MAN1_DIR ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QARNIVO_PACKAGING_OUT}/qarnivo.1.gz DESTINATION ${QARNIVO_MAN1_DIR})
qarnivo_install_link(qarnivo.1.gz ${QARNIVO_MAN1_DIR}/Qarnivo.1.gz)
set(QARNIVO_COMPLETIONS_DIR ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${QARNIVO_PACKAGING}/qarnivo.bash-completion
        DESTINATION ${QARNIVO_COMPLETIONS_DIR} RENAME qarnivo)
qarnivo_install_link(qarnivo ${QARNIVO_COMPLETIONS_DIR}/Qarnivo)
# The package's name, not the project's, names its documentation folder.
install(FILES ${QARNIVO_PACKAGING}/copyright ${QARNIVO_PACKAGING_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/qarnivo)

# The home page is the one the About window links to.
file(STRINGS ${CMAKE_SOURCE_DIR}/src/core/help/maker.h QARNIVO_HOMEPAGE
     REGEX "kMakerWebAddress = ")
string(REGEX REPLACE ".*QStringLiteral\\(\"([^\"]+)\"\\).*" "\\1" QARNIVO_HOMEPAGE
       "${QARNIVO_HOMEPAGE}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qarnivo)
set(CPACK_PACKAGE_VENDOR "The Qarnivo developers")
set(CPACK_PACKAGE_CONTACT "The Qarnivo developers <info@qarnivo.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hijri calendar with prayer times, new crescent and Qibla")
set(CPACK_PACKAGE_DESCRIPTION
"Qarnivo shows the Hijri calendar one month at a time, arithmetical (tabular)
or Umm al-Qura, with the Gregorian date of every day and the Islamic
occasions, and converts dates between the Gregorian (Julian before 1582) and
Hijri calendars. It computes the prayer times by twelve methods, with the
adhan or a reminder before each prayer, sunrise and sunset around the world,
whether the new crescent can be seen (Odeh and Yallop criteria, with a world
map) and the direction of the Qibla.

Its windows speak English, Arabic and Urdu. The command qarnivo prints
conversions, month grids, prayer times, the crescent and the Qibla as text or
JSON, and exports a year's occasions as iCalendar, without a display.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QARNIVO_HOMEPAGE})
# The libraries come from dpkg-shlibdeps; these are what the program runs or
# loads by name: the browser engine's process, the faces of the Arabic, Urdu
# and Latin texts, Qt's own translations, the opener of links and files, and
# the GStreamer plugins that play the adhan (Qt's GStreamer media plugin is
# in libqt6multimedia6, found by dpkg-shlibdeps).
set(QARNIVO_RUNTIME_PACKAGES
    libqt6webenginecore6-bin fonts-noto-core fonts-dejavu-core qt6-translations-l10n xdg-utils
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good)
string(REPLACE ";" ", " CPACK_DEBIAN_PACKAGE_DEPENDS "${QARNIVO_RUNTIME_PACKAGES}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)

# The manual page renders without a warning and names every option of
# --help, which the bash completion completes too; its examples run.
add_test(NAME man_page
         COMMAND bash ${QARNIVO_PACKAGING}/check_manpage.sh ${QARNIVO_PACKAGING_OUT}/qarnivo.1
                 $<TARGET_FILE:Qarnivo>)
add_test(NAME bash_completion
         COMMAND bash ${QARNIVO_PACKAGING}/check_completion.sh
                 ${QARNIVO_PACKAGING}/qarnivo.bash-completion $<TARGET_FILE:Qarnivo>)
# The package built, unpacked and its program run; skipped without dpkg-deb.
add_test(NAME debian_package
         COMMAND bash ${QARNIVO_PACKAGING}/check_package.sh ${CMAKE_BINARY_DIR}
                 ${CMAKE_CPACK_COMMAND})
set_tests_properties(debian_package PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 1200)
