# Install rules and the Debian package, for the top-level project only.
#   cmake --install <build-dir>      the program, its menu entry, icons,
#                                    metainfo, manual page and documents
#   cpack -G DEB (in <build-dir>)    quillfern_<version>_<arch>.deb
# packaging/build-deb.sh runs cpack and checks what it made.
include(GNUInstallDirs)

set(QF_APP_ID org.example.quillfern) # desktop file, icon and metainfo name
set(QF_PACKAGING ${QF_ROOT}/packaging)
set(QF_PACKAGING_OUT ${CMAKE_CURRENT_BINARY_DIR}/packaging)
set(QF_ICON_SIZES 16 24 32 48 64 128 256)

# --version prints the project version.
target_compile_definitions(quillfern PRIVATE QUILLFERN_VERSION="${PROJECT_VERSION}")
# Relocations read-only and bound at start, as Debian builds its programs.
target_link_options(quillfern PRIVATE LINKER:-z,relro LINKER:-z,now)

# The manual page and the changelog go in compressed, as Debian wants them:
# gzip -9 without a name or time stamp, so every build gives the same bytes.
# configure_file makes CMake run again when either source changes.
find_program(QF_GZIP gzip REQUIRED)
configure_file(${QF_PACKAGING}/quillfern.1.in ${QF_PACKAGING_OUT}/quillfern.1 @ONLY)
configure_file(${QF_PACKAGING}/changelog ${QF_PACKAGING_OUT}/changelog COPYONLY)
foreach(doc quillfern.1 changelog)
  execute_process(COMMAND ${QF_GZIP} -9 -n -c ${QF_PACKAGING_OUT}/${doc}
                  OUTPUT_FILE ${QF_PACKAGING_OUT}/${doc}.gz
                  RESULT_VARIABLE gzipResult)
  if(NOT gzipResult EQUAL 0)
    message(FATAL_ERROR "gzip of ${doc} failed: ${gzipResult}")
  endif()
endforeach()

install(TARGETS quillfern RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QF_PACKAGING}/${QF_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size IN LISTS QF_ICON_SIZES)
  install(FILES ${QF_PACKAGING}/icons/quillfern-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${QF_APP_ID}.png)
endforeach()
install(FILES ${QF_PACKAGING}/${QF_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QF_PACKAGING_OUT}/quillfern.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The package is "quillfern", whatever the project's display name is.
install(FILES ${QF_PACKAGING}/copyright ${QF_PACKAGING_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillfern)

# --- the Debian package ---
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillfern)
set(CPACK_PACKAGE_VENDOR "Quillfern developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quillfern developers <quillfern@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://quillfern.example.org)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "engineering calculator for radio amateurs")
# Lines starting with a blank stay as written (the list); empty lines
# become the " ." paragraph breaks of a control file.
set(CPACK_PACKAGE_DESCRIPTION
"Quillfern is a desktop calculator for radio amateurs and electronics
hobbyists, with a Russian user interface. One window holds a tab per open
calculator; every keystroke recalculates at once, and the drawings show
where each dimension goes:

 - mains transformers on E-I, U-I and toroidal cores: power, turns, wires;
 - coil inductance: solenoids, flat spirals, straight conductors, toroids;
 - component markings: colour bands, capacitor codes, SMD and EIA-96 codes;
 - passive LC and RC low-pass and high-pass filter sections;
 - everyday formulas: LC resonance, wavelength, quality factor, series and
   parallel components.

The program reads and writes no files and keeps no settings.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories 0755 and control files as dpkg makes them, whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # quillfern_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends is worked out by dpkg-shlibdeps from the binary (Qt 6, libc, libstdc++).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)

# Command-line behaviour of the program itself.
if(QUILLFERN_BUILD_TESTS)
  add_test(NAME quillfern_command_line
           COMMAND ${QF_PACKAGING}/test-cli.sh $<TARGET_FILE:quillfern> ${PROJECT_VERSION})
endif()
