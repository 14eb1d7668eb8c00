# SPDX-License-Identifier: BSD-3-Clause
# What `cmake --install` delivers: libzemd02 with its headers under include/zemd02/, the CMake
# package (find_package(zemd02) gives zemd02::zemd02) and zemd02.pc for pkg-config; the programs
# with their man pages, the desktop program's menu entry, icon and metainfo, and the shipped data
# (each folder's CMakeLists.txt installs its own). debian/ splits it into packages.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(zem_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/zemd02)

install(TARGETS zemd02 EXPORT zemd02Targets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# The headers a host includes; with the headers they include, they are what is installed. The
# others (file decoding, the state file, the CP932 table, the presets, the template parts, ...)
# stay inside the library.
set(zem_public_headers
  platform/input.h platform/textfile.h
  companions/zemqel/corqel.h companions/zemreg/registry.h companions/zemdcm/cnspic.h
  companions/zemdcm/setcolordialog.h companions/zemcst/qellistboxcheck.h companions/zemcst/qellistboxaobj.h
  framework/hostguard.h framework/messages.h framework/module.h
  resources/resource_ids.h)
file(GLOB zem_dialog_headers RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/dialogs/*/dlg*.h)
list(APPEND zem_public_headers ${zem_dialog_headers})
install(CODE "
  set(zem_header_source \"${PROJECT_SOURCE_DIR}\")
  set(zem_header_files \"${zem_public_headers}\")
  set(zem_header_destination \"${CMAKE_INSTALL_INCLUDEDIR}/zemd02\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallHeaders.cmake)

install(EXPORT zemd02Targets NAMESPACE zemd02:: DESTINATION ${zem_cmake_dir})
set(ZEM_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/zemd02/data)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/zemd02Config.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/zemd02Config.cmake
  INSTALL_DESTINATION ${zem_cmake_dir}
  PATH_VARS ZEM_INSTALL_DATA_DIR)
# Before 1.0 a minor version may change what a host builds against.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/zemd02ConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zemd02Config.cmake ${CMAKE_CURRENT_BINARY_DIR}/zemd02ConfigVersion.cmake
  DESTINATION ${zem_cmake_dir})

# zemd02.pc names the prefix it is installed under, which is known only then.
install(CODE "
  set(zem_pc_template \"${CMAKE_CURRENT_LIST_DIR}/zemd02.pc.in\")
  set(zem_pc_version \"${PROJECT_VERSION}\")
  set(zem_pc_libdir \"${CMAKE_INSTALL_LIBDIR}\")
  set(zem_pc_includedir \"${CMAKE_INSTALL_INCLUDEDIR}\")
  set(zem_pc_datadir \"${ZEM_INSTALL_DATA_DIR}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallPkgConfig.cmake)
