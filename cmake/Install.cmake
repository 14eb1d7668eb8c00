# SPDX-License-Identifier: BSD-3-Clause
# Installing and packaging. `cmake --install` delivers two components:
#   zemd02   the layer libraries, their headers under include/zemd02/, the CMake package
#            (find_package(zemd02) gives zemd02::dialogs and the layers below it), zemd02-host and
#            the shipped data (share/zemd02/data);
#   desktop  zemd02-desktop, when it is built.
# `cpack -G DEB` makes one Debian package of each.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(zem_layers zem_platform zem_resources zemcom zemreg zemqel zemcst zemdcm zem_framework zem_dialogs)
set(zem_layer_folders platform resources companions framework dialogs)
set(zem_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/zemd02)

# Inside the package the layers are named without the zem_ of the build tree: zemd02::platform,
# zemd02::zemqel, zemd02::dialogs. They carry C++20 to whoever links them.
foreach(layer IN LISTS zem_layers)
  string(REGEX REPLACE "^zem_" "" exported ${layer})
  set_target_properties(${layer} PROPERTIES EXPORT_NAME ${exported})
  get_target_property(kind ${layer} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    target_compile_features(${layer} INTERFACE cxx_std_20)
  else()
    target_compile_features(${layer} PUBLIC cxx_std_20)
  endif()
endforeach()
install(TARGETS ${zem_layers} EXPORT zemd02Targets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT zemd02
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# The headers go to include/zemd02/ and name each other from there ("zemd02/platform/wnd.h"), so
# a host needs the include folder alone and no name of ours can meet one of its own.
set(zem_headers)
foreach(folder IN LISTS zem_layer_folders)
  file(GLOB_RECURSE found RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  list(APPEND zem_headers ${found})
endforeach()
list(JOIN zem_layer_folders "|" zem_header_prefixes)
install(CODE "
  set(zem_header_source \"${PROJECT_SOURCE_DIR}\")
  set(zem_header_files \"${zem_headers}\")
  set(zem_header_prefixes \"${zem_header_prefixes}\")
  set(zem_header_destination \"${CMAKE_INSTALL_INCLUDEDIR}/zemd02\")"
  COMPONENT zemd02)
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallHeaders.cmake COMPONENT zemd02)

install(EXPORT zemd02Targets NAMESPACE zemd02:: DESTINATION ${zem_cmake_dir} COMPONENT zemd02)
set(ZEM_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/zemd02/data)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/zemd02Config.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/zemd02Config.cmake
  INSTALL_DESTINATION ${zem_cmake_dir}
  PATH_VARS ZEM_INSTALL_DATA_DIR)
# Before 1.0 a minor version may change what a host builds against.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/zemd02ConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zemd02Config.cmake ${CMAKE_CURRENT_BINARY_DIR}/zemd02ConfigVersion.cmake
  DESTINATION ${zem_cmake_dir} COMPONENT zemd02)

# Debian packages: zemd02 (everything but the desktop program) and zemd02-desktop.
set(CPACK_PACKAGE_NAME zemd02)
set(CPACK_PACKAGE_VENDOR "zemd02 developers")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_COMPONENTS_ALL zemd02)
if(TARGET zemd02-desktop)
  list(APPEND CPACK_COMPONENTS_ALL desktop)
endif()
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "zemd02 developers")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

set(CPACK_DEBIAN_ZEMD02_PACKAGE_NAME zemd02)
# A package's description: its summary line, then the text.
set(CPACK_DEBIAN_ZEMD02_DESCRIPTION
  "display-settings dialogs of a desktop planetarium (C++20 library)
The dialogs of a planetarium with a Japanese user interface in which the
user decides how each class of sky object is drawn: stars, variable stars,
novae and supernovae, double stars, deep-sky objects, the Milky Way,
constellations and stars with planets. A dialog holds no sky state: it
asks the sky engine for every setting, sends it a property script on every
change, and sends back the script of its opening state on Cancel.
.
This package holds the static libraries with their headers and CMake
package (find_package(zemd02)), zemd02-host (the scenario host: it runs
the dialogs without a desktop and prints everything that crosses the
module's boundary) and the shipped data: the default sky and the sky
view's star and constellation data.")
# Hosts build against the libraries with a C++20 compiler and CMake.
set(CPACK_DEBIAN_ZEMD02_PACKAGE_RECOMMENDS "g++ (>= 12), cmake (>= 3.20)")

set(CPACK_DEBIAN_DESKTOP_PACKAGE_NAME zemd02-desktop)
set(CPACK_COMPONENT_DESKTOP_DEPENDS zemd02)
set(CPACK_DEBIAN_DESKTOP_DESCRIPTION
  "display-settings dialogs of a desktop planetarium, in real windows
zemd02-desktop plays the host application of the zemd02 dialogs with
Qt 6 windows: every dialog of the module from a menu, the sky engine's
properties as a live table, the traffic between the dialogs and the
engine, and a sky view that follows every change. The settings it makes
are kept between runs.")
# The dialogs are drawn in the gothic font their templates name.
set(CPACK_DEBIAN_DESKTOP_PACKAGE_RECOMMENDS "fonts-ipafont-gothic")

include(CPack)
