# On Windows each executable carries the icon and a version resource:
# bellscope_resources(TARGET NAME DESCRIPTION).
enable_language(RC)
function(bellscope_resources target name description)
  set(RC_NAME ${name})
  set(RC_FILE_NAME ${name}.exe)
  set(RC_DESCRIPTION "${description}")
  set(RC_ICON ${PROJECT_SOURCE_DIR}/packaging/bellscope.ico)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
  set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc APPEND PROPERTY OBJECT_DEPENDS ${RC_ICON})
endfunction()
