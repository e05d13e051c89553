# Read by ctest: lists the cases of the native end-to-end program ${e2e} and adds each as a
# test "wine.<Suite>.<Case>" that runs it with ${environment} (the .exe under test and Wine).
if(NOT EXISTS "${e2e}")
  add_test(wine.e2e_NOT_BUILT "${e2e}")
else()
  execute_process(COMMAND "${e2e}" --gtest_list_tests
                  OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
  if(failed)
    add_test(wine.e2e_NOT_LISTED "${e2e}" --gtest_list_tests)
  endif()
  string(REPLACE ";" "\\;" listing "${listing}")
  string(REPLACE "\n" ";" lines "${listing}")
  set(suite "")
  foreach(line IN LISTS lines)
    # A line "Suite." starts a suite, "  Case" names a case; "  # ..." notes parameters.
    string(REGEX REPLACE " *#.*" "" line "${line}")
    if(line MATCHES "^  (.+)$")
      set(name "${suite}${CMAKE_MATCH_1}")
      add_test("wine.${name}" "${e2e}" "--gtest_filter=${name}")
      set_tests_properties("wine.${name}" PROPERTIES ENVIRONMENT "${environment}"
                           SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
    elseif(line MATCHES "^([^ ].*)$")
      set(suite "${CMAKE_MATCH_1}")
    endif()
  endforeach()
endif()
