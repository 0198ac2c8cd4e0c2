# Toolchain file of the arm64 cross build (`make cross-arm64`): Debian's cross compiler, Debian's
# arm64 libraries installed beside the amd64 ones (multiarch), FLTK's development files from the
# sysroot that scripts/arm64-sysroot unpacks into the build folder, and qemu-user to run what was
# built. Tools that run during the build are built for the build machine (cmake/HostTools.cmake).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

if(NOT QUARVEL_ARM64_SYSROOT)
  set(QUARVEL_ARM64_SYSROOT ${CMAKE_BINARY_DIR}/sysroot)
endif()
list(APPEND CMAKE_PREFIX_PATH ${QUARVEL_ARM64_SYSROOT}/usr)

# Programs are the build machine's; libraries and headers are found in the arm64 folders only.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)

find_program(QUARVEL_QEMU_AARCH64 qemu-aarch64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QUARVEL_QEMU_AARCH64})

# The Debian package is for arm64 and its library dependencies are looked up among arm64 packages.
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
