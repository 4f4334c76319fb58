# Installing the libraries for other programs: each library, its public
# headers, and one CMake package (KestPathBar) with an imported target per
# library that finds the library's own dependencies for its user.
include(CMakePackageConfigHelpers)

set(KEST_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/KestPathBar)

# kest_install_library(<target> [sources...]): installs the target under the
# export set and the headers among the sources, keeping their folder below
# the source root; private headers (*_p.h) stay behind.
function(kest_install_library name)
  string(REGEX REPLACE "^kest_" "" _export_name ${name})
  set_target_properties(${name} PROPERTIES EXPORT_NAME ${_export_name})
  add_library(KestPathBar::${_export_name} ALIAS ${name})
  if(KEST_SANITIZE)
    # A program linking the sanitized libraries needs the sanitizers' run time.
    target_link_options(${name} INTERFACE $<INSTALL_INTERFACE:-fsanitize=address,undefined>)
  endif()
  install(TARGETS ${name} EXPORT KestPathBarTargets
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
          RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  foreach(_file IN LISTS ARGN)
    if(NOT _file MATCHES "\\.h$" OR _file MATCHES "_p\\.h$")
      continue()
    endif()
    # Its declarations are the library's exported interface when shared.
    file(STRINGS ${_file} _marked REGEX "^#pragma GCC visibility push\\(default\\)$")
    if(NOT _marked)
      message(FATAL_ERROR "${_file} is a public header without its visibility marks: "
                          "run scripts/mark-public-headers.py")
    endif()
    file(RELATIVE_PATH _relative ${PROJECT_SOURCE_DIR} ${_file})
    get_filename_component(_folder ${_relative} DIRECTORY)
    install(FILES ${_file} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kest/${_folder})
  endforeach()
endfunction()

# The package files: targets, configuration (finding Qt and the drawing
# library for the user) and version, from the project's version.
function(kest_install_package)
  install(EXPORT KestPathBarTargets NAMESPACE KestPathBar:: DESTINATION ${KEST_INSTALL_CMAKEDIR})
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/KestPathBarConfig.cmake.in
                                ${PROJECT_BINARY_DIR}/KestPathBarConfig.cmake
                                INSTALL_DESTINATION ${KEST_INSTALL_CMAKEDIR})
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/KestPathBarConfigVersion.cmake
                                   VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
  install(FILES ${PROJECT_BINARY_DIR}/KestPathBarConfig.cmake ${PROJECT_BINARY_DIR}/KestPathBarConfigVersion.cmake
                ${PROJECT_SOURCE_DIR}/cmake/FindKestGdiPlus.cmake
          DESTINATION ${KEST_INSTALL_CMAKEDIR})
endfunction()
