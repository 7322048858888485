# The Debian package, built with "cpack -G DEB" in a build configured for
# /usr (scripts/package does both). It holds what "cmake --install" installs.

# Documentation a Debian package must carry, installed by both routes.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/debian/changelog
            ${CMAKE_BINARY_DIR}/changelog
    COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/changelog
    DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog VERBATIM)
add_custom_target(zentolk_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zentolk)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME zentolk)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentolk)
set(CPACK_PACKAGE_VENDOR "Brinemoor Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for the Long Count calendar")
set(CPACK_PACKAGE_DESCRIPTION
    "Zentolk shows where a civil date lies in the Great Cycle of 1,872,000 days
of the Mesoamerican Long Count calendar: the cycle, the days elapsed and
remaining with their percentages, the cycle harmonic, both Long Counts, the
Tzolkin day and the day of the week. It comes as a desktop program with its
help file and as a command-line calculator for scripts and tables.")
# The install step runs with DESTDIR, so that files written at install time
# (the menu entry's working folder) name /usr, not the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Brinemoor Software <zentolk@brinemoor.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://brinemoor.example/zentolk)
# The libraries' packages come from the programs and the help viewer; the
# window's face and the Wayland platform plugin are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-extra")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The Python module needs NumPy; pandas and Dask are its users' choice. Python
# writes compiled files beside the module when root imports it: they go with it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "${CPACK_DEBIAN_PACKAGE_RECOMMENDS}, python3-numpy")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "python3-pandas, python3-dask, python3-distributed")
list(APPEND CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/data/debian/prerm)
# The SQLite extension needs no SQLite of its own: the program that loads it
# has one. Added to what else the package suggests.
string(JOIN ", " CPACK_DEBIAN_PACKAGE_SUGGESTS ${CPACK_DEBIAN_PACKAGE_SUGGESTS} sqlite3)
include(CPack)
