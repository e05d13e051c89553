# The Windows installer, Quorvel-<version>-win64-setup.exe, made by the target `installer`
# with NSIS's makensis from the files of the zip, which `cpack` must have made before (stripping
# stamps the programs with the time, so the files are taken from the zip itself), and
# PathEdit.exe, which edits the user's PATH for it.
find_program(QUORVEL_MAKENSIS makensis NO_CMAKE_FIND_ROOT_PATH)
if(NOT QUORVEL_MAKENSIS)
  message(STATUS "Windows installer: off (no makensis; install the Debian package nsis)")
  return()
endif()

set(QUORVEL_INSTALLER_FILE "Quorvel-${PROJECT_VERSION}-win64-setup.exe")
set(stage ${CMAKE_BINARY_DIR}/installer-stage)
set(zip ${CMAKE_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.zip)
add_custom_target(installer
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
  COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar xf ${zip}
  COMMAND ${CMAKE_COMMAND} -E rename ${stage}/${CPACK_PACKAGE_FILE_NAME} ${stage}/files
  COMMAND ${CMAKE_STRIP} -o ${stage}/files/PathEdit.exe $<TARGET_FILE:PathEdit>
  COMMAND ${QUORVEL_MAKENSIS} -V2 -WX -DVERSION=${PROJECT_VERSION} -DSTAGE=${stage}/files
          -DOUTFILE=${CMAKE_BINARY_DIR}/${QUORVEL_INSTALLER_FILE}
          ${PROJECT_SOURCE_DIR}/installer/Quorvel.nsi
  BYPRODUCTS ${CMAKE_BINARY_DIR}/${QUORVEL_INSTALLER_FILE}
  COMMENT "Making ${QUORVEL_INSTALLER_FILE}"
  VERBATIM)
add_dependencies(installer PathEdit)
