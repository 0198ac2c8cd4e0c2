# Registers the project's test executables.
#   quarvel_add_unit_test(NAME SOURCES... LIBS...)     - no display; label "unit"
#   quarvel_add_display_test(NAME SOURCES... LIBS...)  - runs in its own Xvfb; label "display"
include(GoogleTest)

find_program(XVFB Xvfb REQUIRED)

function(quarvel_add_unit_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name} PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)
endfunction()

# A display test starts one X server of its own for the whole executable (tests/support/with-xvfb).
function(quarvel_add_display_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  add_test(NAME ${name}  # a cross build's emulator runs the test, where it has one
           COMMAND ${CMAKE_SOURCE_DIR}/tests/support/with-xvfb ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES LABELS display TIMEOUT 300
                       ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan-display.supp")
endfunction()
