# Install rules and CPack: a Debian package on Linux, a zip on Windows.
include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(GENERATED_DIR ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${GENERATED_DIR})

# Texts that carry the version, and their gzip -9n forms for Debian.
set(VERSION ${PROJECT_VERSION})
function(bellscope_versioned_file name)
  configure_file(${PACKAGING_DIR}/${name} ${GENERATED_DIR}/${name} @ONLY)
endfunction()

if(WIN32)
  bellscope_versioned_file(README-windows.txt)
  install(TARGETS bellscope bellscope-frame RUNTIME DESTINATION .)
  install(FILES ${GENERATED_DIR}/README-windows.txt DESTINATION . RENAME README.txt)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME bellscope-${PROJECT_VERSION}-windows-x64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
  foreach(name bellscope.1 bellscope-frame.1 changelog)
    bellscope_versioned_file(${name})
  endforeach()
  set(compressed)
  foreach(name bellscope.1 bellscope-frame.1 changelog)
    add_custom_command(OUTPUT ${GENERATED_DIR}/${name}.gz
                       COMMAND gzip -9nc ${GENERATED_DIR}/${name} > ${GENERATED_DIR}/${name}.gz
                       DEPENDS ${GENERATED_DIR}/${name})
    list(APPEND compressed ${GENERATED_DIR}/${name}.gz)
  endforeach()
  add_custom_command(OUTPUT ${GENERATED_DIR}/bellscope.png COMMAND bellscope-icon ${GENERATED_DIR}/bellscope.png
                     DEPENDS bellscope-icon)
  add_custom_target(package_files ALL DEPENDS ${compressed} ${GENERATED_DIR}/bellscope.png)

  install(TARGETS bellscope bellscope-frame RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PACKAGING_DIR}/bellscope.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${GENERATED_DIR}/bellscope.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
  install(FILES ${GENERATED_DIR}/bellscope.1.gz ${GENERATED_DIR}/bellscope-frame.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  set(docdir ${CMAKE_INSTALL_DATADIR}/doc/bellscope)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PACKAGING_DIR}/copyright ${GENERATED_DIR}/changelog.gz
          DESTINATION ${docdir})
  install(FILES ${PROJECT_SOURCE_DIR}/docs/screenshot.png DESTINATION ${docdir}/docs)

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "")
  set(CPACK_STRIP_FILES ON)
endif()

set(CPACK_PACKAGE_NAME bellscope)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The BELLSCOPE developers")
set(CPACK_PACKAGE_CONTACT "BELLSCOPE developers <maintainers@users.noreply.c-seed-52b3853e.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive explorer of products of Gaussian curves")
# The synopsis is the summary above; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "BELLSCOPE is a small teaching program that plots four Gaussian bell curves
and their combination, either as the point-by-point product of the curves
or as a Gaussian regenerated from the closed-form mean and sigma of the
product. Keys and the mouse move the means and change the widths.

The package also holds bellscope-frame, which writes any state of the
explorer as a PNG picture.")
include(CPack)
