# Registers the project's test executables.
#   quarvel_add_unit_test(NAME SOURCES... LIBS...)     - no display; label "unit"
#   quarvel_add_display_test(NAME SOURCES... LIBS... [DESKTOPS bare openbox] [SCREEN WxHxD])
#       - runs in its own Xvfb; label "display". DESKTOPS says on which it runs: a bare X server
#         (the default; the test is called NAME) and under a window manager (NAME.openbox).
#         SCREEN gives the server's screen another size than with-xvfb's.
include(GoogleTest)

find_program(XVFB Xvfb REQUIRED)
find_program(OPENBOX openbox REQUIRED)

function(quarvel_add_unit_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name} PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)
endfunction()

# A display test starts one X server of its own for the whole executable (tests/support/with-xvfb).
function(quarvel_add_display_test name)
  cmake_parse_arguments(T "" "SCREEN" "SOURCES;LIBS;DESKTOPS" ${ARGN})
  if(NOT T_DESKTOPS)
    set(T_DESKTOPS bare)
  endif()
  set(screen)
  if(T_SCREEN)
    set(screen --screen ${T_SCREEN})
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  foreach(desktop IN LISTS T_DESKTOPS)
    if(desktop STREQUAL "bare")
      set(test ${name})
      set(server ${CMAKE_SOURCE_DIR}/tests/support/with-xvfb ${screen})
    elseif(desktop STREQUAL "openbox")
      set(test ${name}.openbox)
      set(server ${CMAKE_SOURCE_DIR}/tests/support/with-xvfb --wm ${screen})
    else()
      message(FATAL_ERROR "quarvel_add_display_test(${name}): no desktop called ${desktop}")
    endif()
    # a cross build's emulator runs the test, where it has one
    add_test(NAME ${test} COMMAND ${server} ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${name}>)
    set_tests_properties(${test} PROPERTIES LABELS display TIMEOUT 300
                         ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan-display.supp"
                         # the window is drawn at the density the test sets, not the developer's
                         ENVIRONMENT_MODIFICATION "QUARVEL_SCALE=unset:")
  endforeach()
endfunction()
