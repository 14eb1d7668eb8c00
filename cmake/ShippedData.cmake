# SPDX-License-Identifier: BSD-3-Clause
# A program finds the shipped data from where it is: installed, the data folder under the data
# root (share/zemd02/data) seen from the program folder; in the build tree, a link at that same
# place leads to the source's data/. So no path of the build machine goes into a program, and
# --data still overrides.
include(GNUInstallDirs)
function(zem_data_from_bin target)
  file(RELATIVE_PATH from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/zemd02/data)
  target_compile_definitions(${target} PRIVATE ZEM_DATA_FROM_BIN="${from_bin}")
  get_filename_component(link ${CMAKE_CURRENT_BINARY_DIR}/${from_bin} ABSOLUTE)
  get_filename_component(link_folder ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${link_folder})
  file(CREATE_LINK ${ZEM_DATA_DIR} ${link} SYMBOLIC)
endfunction()
