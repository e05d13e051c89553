# The downloadable artefacts, made by `cpack` in a build folder: on Windows
# Quorvel-<version>-win64.zip, a folder of that name holding Quorvel.exe, README.md and LICENSE,
# and the installer of Installer.cmake beside it; elsewhere the Debian package of
# DebianPackage.cmake. The version is the project's, and nothing else states it.
if(WIN32)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
          DESTINATION ${QUORVEL_INSTALL_DOCDIR})
endif()

set(CPACK_PACKAGE_NAME Quorvel)
set(CPACK_PACKAGE_VENDOR "The Quorvel authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "converts LabWindows/CVI workspaces into Corvane analyser projects")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
  set(CPACK_PACKAGE_FILE_NAME "Quorvel-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME}")
  include(${CMAKE_CURRENT_LIST_DIR}/Installer.cmake)
else()
  include(${CMAKE_CURRENT_LIST_DIR}/DebianPackage.cmake)
endif()
include(CPack)
