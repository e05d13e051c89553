# The downloadable artefact: `cpack` in a build folder zips Quorvel with the README
# (Quorvel-<version>-win64.zip from the Windows build).
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Quorvel)
if(WIN32)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME})
endif()
set(CPACK_PACKAGE_FILE_NAME "Quorvel-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME}")
set(CPACK_STRIP_FILES ON)
include(CPack)
