# The tests of a Windows cross-build: GoogleTest built from Debian's sources for the target,
# and the end-to-end cases of the POSIX test program run against the built .exe under Wine.

set(QUORVEL_GOOGLETEST_SOURCE /usr/src/googletest
    CACHE PATH "GoogleTest sources to build for the target (Debian package googletest)")
set(QUORVEL_HOST_E2E_TESTS ""
    CACHE FILEPATH "The end-to-end test program of a native build, run against the .exe under Wine")

# GTest::gtest, gtest_main, gmock and gmock_main for the target.
function(quorvel_add_googletest_from_source)
  if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    message(FATAL_ERROR "The Windows tests run under Wine: install wine64 (Debian), or "
                        "configure with -DQUORVEL_BUILD_TESTS=OFF")
  endif()
  if(NOT EXISTS "${QUORVEL_GOOGLETEST_SOURCE}/CMakeLists.txt")
    message(FATAL_ERROR "No GoogleTest sources in ${QUORVEL_GOOGLETEST_SOURCE} "
                        "(install the Debian package googletest)")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${QUORVEL_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest
                   EXCLUDE_FROM_ALL SYSTEM)
endfunction()

# Registers every case of QUORVEL_HOST_E2E_TESTS as "wine.<case>", run against the target
# program under Wine. The cases are listed when ctest starts, so the native program may be
# built after this tree is configured.
function(quorvel_add_wine_e2e_tests program_target)
  if(NOT QUORVEL_HOST_E2E_TESTS)
    message(STATUS "End-to-end tests under Wine: off (QUORVEL_HOST_E2E_TESTS is not set)")
    return()
  endif()
  set(listing "${CMAKE_CURRENT_BINARY_DIR}/wine_e2e_tests.cmake")
  file(GENERATE OUTPUT "${listing}" CONTENT "\
set(e2e [==[${QUORVEL_HOST_E2E_TESTS}]==])
set(environment [==[QUORVEL_UNDER_TEST=$<TARGET_FILE:${program_target}>;\
QUORVEL_WINE_RUN=${PROJECT_SOURCE_DIR}/cmake/wine-run.sh;\
QUORVEL_WINE=${QUORVEL_WINE};QUORVEL_WINE_DLLS=${QUORVEL_WINE_DLLS};\
QUORVEL_WINE_PREFIX=${QUORVEL_WINE_PREFIX}]==])
include([==[${PROJECT_SOURCE_DIR}/cmake/WineE2eListing.cmake]==])
")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${listing}")
endfunction()
