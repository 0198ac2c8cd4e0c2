# FLTK 1.3 as an imported target, Quarvel::FLTK. CMake's FindFLTK insists on the fluid designer,
# which the build never uses, so the library and headers are found directly. FLTK's image readers
# are not needed: the pictures are decoded when the program is built.
if(NOT TARGET Quarvel::FLTK)
  find_path(QUARVEL_FLTK_INCLUDE_DIR FL/Fl.H REQUIRED)
  find_library(QUARVEL_FLTK_LIBRARY fltk REQUIRED)
  find_package(X11 REQUIRED)
  add_library(Quarvel::FLTK UNKNOWN IMPORTED)
  set_target_properties(Quarvel::FLTK PROPERTIES
    IMPORTED_LOCATION ${QUARVEL_FLTK_LIBRARY}
    INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${QUARVEL_FLTK_INCLUDE_DIR}
    INTERFACE_LINK_LIBRARIES X11::X11)
endif()
