# SPDX-License-Identifier: BSD-3-Clause
# libzemd02, the library that is installed: every layer's objects in one library, shared by
# default (its SONAME carries the major version), static with BUILD_SHARED_LIBS=OFF.
set(zem_layers zem_platform zem_resources zemcom zemreg zemqel zemcst zemdcm zem_framework zem_dialogs)
set(zem_layer_objects)
foreach(layer IN LISTS zem_layers)
  list(APPEND zem_layer_objects $<TARGET_OBJECTS:${layer}>)
endforeach()
add_library(zemd02 ${zem_layer_objects})
set_target_properties(zemd02 PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
target_include_directories(zemd02 PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
target_compile_features(zemd02 PUBLIC cxx_std_20)
# A shared library needs nothing its host must bring (the sanitizers' runtimes come with the program).
if(BUILD_SHARED_LIBS AND NOT ZEM_SANITIZE AND NOT ZEM_FUZZ)
  target_link_options(zemd02 PRIVATE -Wl,--no-undefined)
endif()

include(GNUInstallDirs)
# Installed programs find the library beside their prefix, so the prefix may move; a system
# library folder needs no search path.
if(BUILD_SHARED_LIBS AND NOT CMAKE_INSTALL_FULL_LIBDIR IN_LIST CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES)
  file(RELATIVE_PATH zem_lib_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
  set(CMAKE_INSTALL_RPATH "$ORIGIN/${zem_lib_from_bin}")
endif()

# What the programs link. Builds that test the module's insides (tests, benchmarks, fuzzers) link
# its layers, which keep everything reachable; a build for installing links the programs to the
# installed library, so they use what it exports and nothing more.
add_library(zem_module INTERFACE)
if(ZEM_TESTS OR ZEM_BENCH OR ZEM_FUZZ)
  target_link_libraries(zem_module INTERFACE zem_dialogs)
else()
  target_link_libraries(zem_module INTERFACE zemd02)
endif()
