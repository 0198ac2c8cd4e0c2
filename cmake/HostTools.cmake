# The tools a cross build runs on the build machine, built for it by a nested native build of
# cmake/host-tools: the picture decoder the build itself runs, and the result corpus writer whose
# output the target's must match (tests/cross). Defines the imported executables
# quarvel_decode_pictures and quarvel_host_result_corpus, and quarvel_host_tools, the target that
# builds them; whatever runs one of them depends on that target.
include_guard(GLOBAL)
include(ExternalProject)

set(QUARVEL_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
ExternalProject_Add(quarvel_host_tools
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/cmake/host-tools
  BINARY_DIR ${QUARVEL_HOST_TOOLS_DIR}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${QUARVEL_HOST_TOOLS_DIR}/bin/quarvel_decode_pictures ${QUARVEL_HOST_TOOLS_DIR}/bin/calc_result_corpus)

# They run as they are, not under the target's emulator.
add_executable(quarvel_decode_pictures IMPORTED GLOBAL)
set_target_properties(quarvel_decode_pictures PROPERTIES
  IMPORTED_LOCATION ${QUARVEL_HOST_TOOLS_DIR}/bin/quarvel_decode_pictures CROSSCOMPILING_EMULATOR "")
add_executable(quarvel_host_result_corpus IMPORTED GLOBAL)
set_target_properties(quarvel_host_result_corpus PROPERTIES
  IMPORTED_LOCATION ${QUARVEL_HOST_TOOLS_DIR}/bin/calc_result_corpus CROSSCOMPILING_EMULATOR "")
