# The install tree on Linux and the Debian package made of it: quorvel_<version>_<arch>.deb, the
# programs in /usr/bin, their manual pages, the wizard's menu entry and icon, the README, the
# licence and a changelog. The libraries it needs, Qt among them, are dependencies that
# dpkg-shlibdeps finds from the binaries; nothing is bundled.
add_subdirectory(${PROJECT_SOURCE_DIR}/docs/man ${PROJECT_BINARY_DIR}/man)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${QUORVEL_INSTALL_DOCDIR})
# Debian names a package's licence "copyright" in its document folder.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${QUORVEL_INSTALL_DOCDIR}
        RENAME copyright)
# A package's document folder also holds its changelog; this one names the version built.
set(QUORVEL_MAINTAINER "The Quorvel authors <quorvel@example.org>"
    CACHE STRING "The maintainer a Debian package names")
string(TIMESTAMP QUORVEL_BUILD_DATE "%a, %d %b %Y 00:00:00 +0000" UTC)
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in
               ${PROJECT_BINARY_DIR}/changelog @ONLY)
include(${PROJECT_SOURCE_DIR}/cmake/InstallGzipped.cmake)
quorvel_install_gzipped(${PROJECT_BINARY_DIR}/changelog ${QUORVEL_INSTALL_DOCDIR})
if(QUORVEL_BUILD_WIZARD)
  install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/lintian-overrides
          DESTINATION ${QUORVEL_INSTALL_DATADIR}/lintian/overrides RENAME quorvel)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_NAME quorvel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUORVEL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The wizard's window needs a Qt platform plugin, which no binary links to.
if(QUORVEL_BUILD_WIZARD)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
endif()
# The long description; CPack puts the summary before it and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Quorvel reads a LabWindows/CVI build description (a workspace that lists
projects, or a single project) and writes a Corvane analyser project file:
a tree of nested sections, one per CVI project and one per CVI folder, with
the message, analyser and compiler personality files each section names.
The analyser personalities carry every include folder and preprocessor
definition of the CVI projects, so the analyser checks the code with the
build setup the projects already have.

Tessellon is a four-page wizard that asks for the same inputs, checks the
paths as they are typed, runs Quorvel and shows its log.

Paths are Windows paths; on Linux the drive letters are mapped to folders
through environment variables, the way Wine does.")
