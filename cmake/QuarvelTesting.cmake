# Registers the project's test executables.
#   quarvel_add_unit_test(NAME SOURCES... LIBS...)     - no display; label "unit"
#   quarvel_add_display_test(NAME SOURCES... LIBS...)  - runs in its own Xvfb; label "display"
include(GoogleTest)

find_program(XVFB_RUN xvfb-run REQUIRED)

function(quarvel_add_unit_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name} PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)
endfunction()

# A display test starts one X server for the whole executable; the server's screen is larger
# than the window so that the window manager's absence leaves the window where it asks to be.
function(quarvel_add_display_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  add_test(NAME ${name}
           COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24 -nolisten tcp" $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES LABELS display TIMEOUT 300
                       ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan-display.supp")
endfunction()
