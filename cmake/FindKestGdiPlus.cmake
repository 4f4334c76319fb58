# The system's GDI+ flat drawing library, as the imported target
# KestGdiPlus::GdiPlus. Used by the build and by the installed package, so a
# program built against the package finds the library on its own machine.
if(NOT TARGET KestGdiPlus::GdiPlus)
  find_library(KEST_GDIPLUS_LIBRARY NAMES gdiplus libgdiplus.so.0 REQUIRED)
  add_library(KestGdiPlus::GdiPlus UNKNOWN IMPORTED)
  set_target_properties(KestGdiPlus::GdiPlus PROPERTIES IMPORTED_LOCATION ${KEST_GDIPLUS_LIBRARY})
endif()
