# FLTK 1.3 as imported targets: Quarvel::FLTK (the toolkit) and Quarvel::FLTKImages (its image
# readers, PNG among them). CMake's FindFLTK insists on the fluid designer, which the build never
# uses, so the libraries and headers are found directly.
if(NOT TARGET Quarvel::FLTK)
  find_path(QUARVEL_FLTK_INCLUDE_DIR FL/Fl.H REQUIRED)
  find_library(QUARVEL_FLTK_LIBRARY fltk REQUIRED)
  find_library(QUARVEL_FLTK_IMAGES_LIBRARY fltk_images REQUIRED)
  find_package(X11 REQUIRED)
  add_library(Quarvel::FLTK UNKNOWN IMPORTED)
  set_target_properties(Quarvel::FLTK PROPERTIES
    IMPORTED_LOCATION ${QUARVEL_FLTK_LIBRARY}
    INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${QUARVEL_FLTK_INCLUDE_DIR}
    INTERFACE_LINK_LIBRARIES X11::X11)
  add_library(Quarvel::FLTKImages UNKNOWN IMPORTED)
  set_target_properties(Quarvel::FLTKImages PROPERTIES
    IMPORTED_LOCATION ${QUARVEL_FLTK_IMAGES_LIBRARY}
    INTERFACE_LINK_LIBRARIES Quarvel::FLTK)
endif()
